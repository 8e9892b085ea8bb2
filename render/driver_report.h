// The OpenGL driver report printed at start-up, and the extension entry points it resolves.
#pragma once

void PrintDriverReport();
// Selects texture unit n when the multitexture entry point exists; otherwise does nothing.
void ActiveTexture(int unit);
