// The value rules every script evaluator shares: truth, the comparison and logic thresholds, the
// power's operand order and the RAND draw. Both the plain evaluator and the lowered code call
// these, so the two cannot drift apart on a single operation.
#pragma once

#include <cmath>

#include "game/random.h"

// The nearest floats to 0.0001 and 0.00001: equality tolerance and the logic operators' truth
// thresholds for the left and right operand.
constexpr float kScriptEqualityTolerance = 0.0001f;
constexpr float kScriptLeftTruthThreshold = 0.0001f;
constexpr float kScriptRightTruthThreshold = 0.00001f;

inline float ScriptTruth(bool value) { return value ? 1.0f : 0.0f; }

// An if-marker's condition holds at 1.0 or more, and for NaN.
inline bool ScriptIfHolds(float condition) { return !(condition < 1.0f); }

// The right operand is the base: 2 ^ 3 is 9.
inline float ScriptPow(float a, float b) { return std::pow(b, a); }
inline bool ScriptEqual(float a, float b) { return std::fabs(a - b) < kScriptEqualityTolerance; }
inline bool ScriptNotEqual(float a, float b) { return std::fabs(a - b) > kScriptEqualityTolerance; }
inline bool ScriptAnd(float a, float b) {
  return b > kScriptRightTruthThreshold && a > kScriptLeftTruthThreshold;
}
inline bool ScriptOr(float a, float b) {
  return b > kScriptRightTruthThreshold || a > kScriptLeftTruthThreshold;
}

// The next value of the shared random sequence, scaled into [0, 1].
inline float ScriptRandom() { return static_cast<float>(NextRandom()) * kInverseRandomMax; }
