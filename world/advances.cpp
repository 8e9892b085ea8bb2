// The rules of an evolution opening, applying advances to the avatar, the death penalty and
// the victory message.
#include "world/advances.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <string>

#include "game/game_config.h"
#include "platform/message_box.h"
#include "world/script_hooks.h"
#include "world/world.h"

std::vector<int> advance_history;

namespace {
EvolutionRequest gEvolutionRequest = nullptr;
}  // namespace

void SetEvolutionRequest(EvolutionRequest request) { gEvolutionRequest = request; }

void RequestEvolution() {
  if (gEvolutionRequest) gEvolutionRequest();
}

void cAdvanceOpening::Open(const int avatar_counts[kAdvanceRows]) {
  std::copy(avatar_counts, avatar_counts + kAdvanceRows, counts);
  std::copy(avatar_counts, avatar_counts + kAdvanceRows, opening_counts);
  opening_total = std::accumulate(counts, counts + kAdvanceRows, 0);
}

bool cAdvanceOpening::Lower(int row) {
  if (counts[row] <= opening_counts[row]) return false;
  --counts[row];
  return true;
}

bool cAdvanceOpening::Raise(int row) {
  const int recorded_sum = std::accumulate(counts, counts + kRecordedRows, 0);
  if (recorded_sum >= opening_total + 1 || counts[row] >= opening_counts[row] + 1) return false;
  ++counts[row];
  return true;
}

void AcceptAdvances(const cAdvanceOpening& opening) {
  for (int k = 0; k < kRecordedRows; ++k) {
    if (opening.counts[k] != opening.opening_counts[k]) advance_history.push_back(k);
  }
  std::copy(opening.counts, opening.counts + kAdvanceRows, gWorld->GetAvatar()->advance_counts);
  ApplyAdvances();
  can_evolve = false;
}

void ResetAdvances() { advance_history.clear(); }

namespace {
void PrintAbilities(const cKeltoGameCritter& avatar) {
  std::printf("Avatar Walk Speed: %f\n", avatar.walk_speed);
  std::printf("Avatar Run Speed: %f\n", avatar.run_speed);
  std::printf("Avatar Attack : %f\n", avatar.attack);
  std::printf("Avatar Defend: %f\n", avatar.defend);
  std::printf("Avatar Stealth: %f\n", avatar.stealth);
  std::printf("Avatar Climb: %f\n", avatar.climb);
  std::printf("Avatar Swim: %f\n", avatar.swim);
  std::printf("----------------------\n");
  // The lines must be out before a victory box blocks the game.
  std::fflush(stdout);
}
}  // namespace

void ApplyAdvances() {
  RunEvolutionPointsScript();
  const cKeltoGameCritter& avatar = *gWorld->GetAvatar();
  PrintAbilities(avatar);
  if (avatar.advance_counts[kWinGameRow] >= gConfig.victory_points) ShowVictory();
}

void ShowVictory() {
  const int* counts = gWorld->GetAvatar()->advance_counts;
  char text[256];
  std::snprintf(text, sizeof text,
                "Congratulations! You win!\nSpeed:%d\nAttack:%d\nDefend:%d\nStealth:%d\nClimb:%d\n"
                "Swim:%d\n",
                counts[0], counts[1], counts[2], counts[3], counts[4], counts[5]);
  ShowMessageBox("You Win", text);
}

void LoseLastAdvance() {
  if (!advance_history.empty()) advance_history.pop_back();
  int* counts = gWorld->GetAvatar()->advance_counts;
  std::fill(counts, counts + kAdvanceRows, 0);
  for (int row : advance_history) ++counts[row];
  ApplyAdvances();
}
