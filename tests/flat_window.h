// A stand-in game window for the input handlers: 800 x 600 over flat ground, a tenth of a unit
// a pixel, centred on the avatar; drags install nothing.
#pragma once

#include "app/input.h"

class cFlatWindow : public cInputWindow {
 public:
  void SetMotionHandler(eMotionHandler) override {}
  int Width() override { return 800; }
  int Height() override { return 600; }
  cVector GroundUnder(int x, int y) override { return cVector((x - 400) * 0.1f, 0.0f, (y - 300) * 0.1f); }
};
