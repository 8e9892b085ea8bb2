// The avatar's evolution advances: the record of accepted advances, recomputing the avatar's
// abilities from its advance counts, and the victory. The death penalty, LoseLastAdvance, is
// declared with the rest of the evolution interface in dialog/evolution.h.
#pragma once

#include <vector>

// Rows of advance_counts: Speed, Attack, Defend, Stealth, Climb, Swim, Win Game.
constexpr int kAdvanceRows = 7;
// Only rows 0..4 are recorded in advance_history, so a death always takes Swim and Win Game.
constexpr int kRecordedRows = 5;
constexpr int kWinGameRow = 6;

// One row index per accepted advance in rows 0..4, oldest first.
extern std::vector<int> advance_history;

// Reruns the evolution-points script over the avatar's advance_counts, prints its seven
// abilities and shows the victory once the Win Game row reaches victory_points.
void ApplyAdvances();
// The blocking "You Win" message; the game goes on once it is dismissed.
void ShowVictory();
