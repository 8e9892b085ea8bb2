// Player input: mouse and keyboard handlers registered with GLUT, and the drag record.
#pragma once

#include <cstdint>

struct cInputState {
  int mouseX = 0, mouseY = 0;  // last passive-motion position, window pixels, y down
  int dragX = 0, dragY = 0;    // last press, then last drag motion
  bool leftDragActive = false;
  uint32_t leftPressMs = 0;
};

extern cInputState gInputState;

void OnMouseMove(int x, int y);
void OnMouseButton(int button, int state, int x, int y);
void OnOrbitDrag(int x, int y);
void OnSteerDrag(int x, int y);
void OnKeyboard(unsigned char key, int x, int y);
void OnSpecialKey(int key, int x, int y);
// The wheel: created at start-up; WheelStep is -1, 0 or +1 per frame.
void InitDirectInputMouse();
int WheelStep();
