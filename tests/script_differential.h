// The lowered code checked against the plain evaluator: the same program from the same frame
// and the same random state must leave the same frame, bit for bit, and draw as often. Shared by
// the unit tests and the fuzz target, so it needs nothing from the test framework.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "game/random.h"
#include "script/script_code.h"
#include "script/script_evaluator.h"

inline uint32_t ScriptValueBits(float value) {
  uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// A frame of awkward values: the truth thresholds and their neighbours, signed zeros, NaN and
// infinities, in an order that `shift` rotates so that every slot meets every value.
inline std::vector<float> AwkwardFrame(size_t size, size_t shift) {
  static const float kValues[] = {1.0f, 0.0f, 0.5f, 2.0f, -1.0f, 0.99999994f, 0.0001f, 0.00001f, 0.00002f,
                                  -0.0f, 100.0f, 3.25f, 1e30f, -7.5f, NAN, INFINITY, -INFINITY};
  constexpr size_t kCount = sizeof kValues / sizeof kValues[0];
  std::vector<float> frame(size);
  for (size_t i = 0; i < size; ++i) frame[i] = kValues[(i * 7 + shift) % kCount];
  return frame;
}

// Runs the program twice each way from `frame`. The lowered code keeps its frame between the
// runs and is refilled only with the frame's non-zero slots, as a hook refills the slots it
// binds. Returns the first difference, or "" when the two agree.
inline std::string LoweredDifference(const cScriptProgram& program, const std::vector<float>& frame, uint32_t seed = 1) {
  cScriptCode code(program, frame.size());
  for (int run = 1; run <= 2; ++run) {
    std::vector<float> expected = frame;
    SeedRandom(seed + run);
    cScriptEvaluator().Run(program, expected);
    const int expectedNextDraw = NextRandom();

    float* slots = code.FreshSlots();
    for (size_t i = 0; i < frame.size(); ++i) {
      if (ScriptValueBits(frame[i]) != 0) slots[i] = frame[i];
    }
    SeedRandom(seed + run);
    code.Run();
    if (NextRandom() != expectedNextDraw) return "run " + std::to_string(run) + ": RAND drawn a different number of times";
    for (size_t i = 0; i < frame.size(); ++i) {
      if (ScriptValueBits(slots[i]) == ScriptValueBits(expected[i])) continue;
      char text[160];
      std::snprintf(text, sizeof text, "run %d, slot %zu: plain %a, lowered %a", run, i, expected[i], slots[i]);
      return text;
    }
  }
  return "";
}
