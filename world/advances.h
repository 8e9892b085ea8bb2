// The avatar's evolution advances as game rules: the record of accepted advances, what an
// opening of the evolution dialog may change, recomputing the avatar's abilities from its
// advance counts, the death penalty and the victory. The in-window dialog (dialog/) only
// shows the counts and forwards clicks to these rules.
#pragma once

#include <vector>

// Rows of advance_counts: Speed, Attack, Defend, Stealth, Climb, Swim, Win Game.
constexpr int kAdvanceRows = 7;
// Only rows 0..4 are recorded in advance_history, so a death always takes Swim and Win Game.
constexpr int kRecordedRows = 5;
constexpr int kWinGameRow = 6;

// One row index per accepted advance in rows 0..4, oldest first.
extern std::vector<int> advance_history;

// The counts of one opening of the evolution dialog: the avatar's counts when it opened, and
// the counts being edited.
struct cAdvanceOpening {
  int opening_counts[kAdvanceRows] = {};
  int opening_total = 0;  // sum of all seven opening counts
  int counts[kAdvanceRows] = {};

  // Starts an opening on the given counts.
  void Open(const int avatar_counts[kAdvanceRows]);
  // A row cannot go below its value at opening. True when the count changed.
  bool Lower(int row);
  // At most one advance per row per opening, and none once the first five rows together
  // exceed the opening total of all seven: Swim and Win Game points thus pay for nothing
  // else. True when the count changed.
  bool Raise(int row);
};

// Ok: records the changed rows 0..4 in advance_history, hands the counts to the avatar,
// applies them and uses up the evolution on offer.
void AcceptAdvances(const cAdvanceOpening& opening);
// Reruns the evolution-points script over the avatar's advance_counts, prints its seven
// abilities and shows the victory once the Win Game row reaches victory_points.
void ApplyAdvances();
// The blocking "You Win" message; the game goes on once it is dismissed.
void ShowVictory();
// The death penalty: the avatar loses its most recent advance.
void LoseLastAdvance();
// No advances recorded (tests and tools that start over).
void ResetAdvances();

// The world offers an evolution (a meeting with a grazer while one is available) by asking
// the shell to open its evolution dialog; the dialog installs the request when it is built.
// Without one installed the offer is not taken up.
using EvolutionRequest = void (*)();
void SetEvolutionRequest(EvolutionRequest request);
void RequestEvolution();
