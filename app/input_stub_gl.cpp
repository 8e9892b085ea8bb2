// Placeholder until camera and input land.
#include "app/camera_gl.h"
#include "app/input.h"

cInputState gInputState;

void OnMouseMove(int x, int y) { gInputState.mouseX = x; gInputState.mouseY = y; }
void OnMouseButton(int, int, int, int) {}
void OnOrbitDrag(int, int) {}
void OnSteerDrag(int, int) {}
void OnKeyboard(unsigned char, int, int) {}
void OnSpecialKey(int, int, int) {}
void InitDirectInputMouse() {}
int WheelStep() { return 0; }
void SetupCamera() {}
cVector UnprojectToGround(int, int) { return cVector(0, 0, 0); }
