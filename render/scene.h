// The frame's scene: the world around the avatar, then the 2D overlays. Called after the
// camera is set up; leaves the depth test on, depth writes on and line width 1.
#pragma once

#include "game/vector.h"
#include "render/colour.h"

// The hover label is drawn at the pointer position (window pixels, y down).
void DrawScene(int pointerX, int pointerY);
// The world pass: ground, objects, compass, daylight dial, days counter, fights and the
// avatar's status, all drawn relative to `centre`.
void DrawWorld(const cVector& centre);
// glColor3f of a colour under the frame's day/night brightness.
void SetLitColor(float r, float g, float b);
void SetLitColor(const cColour& colour);
// Puts the GL painter behind every object's Draw slot; DrawScene does it on first use.
void InstallObjectPainter();
// Readies the painter for the frame's objects; called before the first object's Draw.
void StartObjects();
// Draws what the painter still holds back for batching; called once every object's Draw ran.
void FinishObjects();
