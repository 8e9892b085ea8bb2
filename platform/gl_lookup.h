// OpenGL entry points and the window system's extension list, for the driver report.
#pragma once

// The address of an OpenGL function by name, or null. Needs a current context. Some drivers
// hand out an address for any "gl" name, supported or not, so callers must not take a
// non-null result as proof that the extension is there.
void* LookupGLEntryPoint(const char* name);

// The window system's (GLX's) extension string for the current display, or null when there
// is no current context or the window system gives none.
const char* WindowSystemExtensions();
