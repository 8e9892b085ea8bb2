// The frame's scene: the world around the avatar, then the 2D overlays.
#pragma once

void DrawScene();
