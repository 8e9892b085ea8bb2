// The notices' rules: help toggling, death notices timed on the game clock, the status box,
// the new-world question, the help text and the text-box layout.
#include "render/notices.h"

#include <algorithm>

#include "game/game_clock.h"
#include "game/game_state.h"
#include "render/file_notice.h"

cNotices gNotices;

namespace {
constexpr int kPadding = 10;
constexpr int kMargin = 10;  // between a box at the right and the window's edge
}  // namespace

// A player reading help is not playing: the game waits meanwhile, as for a message box. Help
// resumes only a game it paused itself, and only if the player has not resumed it meanwhile.
void OpenHelp() {
  gNotices.helpVisible = true;
  gNotices.helpPaused = !gGameState.paused;
  if (gNotices.helpPaused) PauseGame();
}

void CloseHelp() {
  if (!gNotices.helpVisible) return;
  gNotices.helpVisible = false;
  if (gNotices.helpPaused && gGameState.paused) ResumeGame();
  gNotices.helpPaused = false;
}

void ToggleHelp() {
  if (gNotices.helpVisible) {
    CloseHelp();
  } else {
    OpenHelp();
  }
}
void ResetNotices() {
  gNotices = cNotices{};
  ClearFileNotice();
}

void ObserveAvatarDeaths(const cWorldCounters& counters, uint32_t nowMs) {
  const long deaths = counters.AvatarDeaths();
  if (deaths > gNotices.deathsSeen) {
    gNotices.cause = counters.last_avatar_death;
    gNotices.deathShownMs = nowMs;
    gNotices.deathShowing = true;
  }
  gNotices.deathsSeen = deaths;
  if (gNotices.deathShowing && nowMs - gNotices.deathShownMs >= kDeathNoticeMs) gNotices.deathShowing = false;
}

std::vector<std::string> DeathNoticeLines(uint32_t nowMs) {
  if (!gNotices.deathShowing || nowMs - gNotices.deathShownMs >= kDeathNoticeMs) return {};
  const char* how = gNotices.cause == eAvatarDeath::kStarved  ? "You starved"
                    : gNotices.cause == eAvatarDeath::kKilled ? "You were killed"
                                                              : "You died";
  return {how, "You start again elsewhere: the count of days alive starts from 0,",
          "and you lose your latest evolution advance."};
}

void ObserveEvolutionOffers(const cWorldCounters& counters, bool canEvolve) {
  if (counters.evolutions_offered > gNotices.offersSeen) gNotices.offerShowing = true;
  gNotices.offersSeen = counters.evolutions_offered;
  if (!canEvolve) gNotices.offerShowing = false;
}

std::vector<std::string> EvolutionNoticeLines() {
  if (!gNotices.offerShowing) return {};
  return {"#Evolution available", "E, or click a grazer near you"};
}

void ShowSaveNotice(const std::string& text, uint32_t nowMs) {
  gNotices.saveNotice = text;
  gNotices.saveNoticeShownMs = nowMs;
}

std::vector<std::string> SaveNoticeLines(uint32_t nowMs) {
  if (gNotices.saveNotice.empty() || nowMs - gNotices.saveNoticeShownMs >= kSaveNoticeMs) return {};
  return {gNotices.saveNotice};
}

const std::vector<std::string>& HelpLines() {
  static const std::vector<std::string> lines = {
      "#Help  (F1, H or Esc closes it; the game waits while it is open)",
      "#Mouse",
      "Left-click the ground: walk there. Hold the button: steer towards the pointer.",
      "Left-click a creature: attack it (not the yellow grazers, your own kind).",
      "Left-click a grazer near you: evolve, when an evolution is available (you start with one).",
      "Left-click a carcass: eat it. Shift + left-click: carry it; click again to drop it.",
      "Left-click your nest: go home and rest there, which heals you.",
      "Hold Shift: run.   Right-drag: turn the view.   Wheel: zoom.",
      "#Keys",
      "P pause   C follow or top-down view   E evolution   M build your nest here (once a day)",
      "+ - field of view   T species evolve now   D free zoom   F curved horizon   K die",
      "F5 save the game   F9 load the last game saved with F5",
      "G population graph: critters awake and deaths per day of each species, your kills and meals",
      "1 2 3 4 speed ×1 ×2 ×4 ×8   . (full stop) one tick while paused   N N a new world",
      "#What you see",
      "Bottom bars: Hunger, Energy, Health; green full, yellow, red low.",
      "Hunger falls as time passes; empty, it costs health. Kill a creature and eat it.",
      "Compass (lower right): the orange needle points home. Within 8 of your nest you are safe.",
      "Dial (lower left): yellow at midday, red at dawn and dusk, blue at midnight.",
      "By day: yellow grazers (your kind), blue waders, orange climbers (they cross rock).",
      "By night: red hunters, who hunt you too (be home after dark), and shy purple moths.",
      "Ground: brown land, grey rock (climbers only), dark blue water (swimmers only).",
      "Top left: the days you have stayed alive.",
  };
  return lines;
}

std::string WorldSeedLine(uint32_t seed) {
  return "World seed: " + std::to_string(seed) + "   (zoma --seed " + std::to_string(seed) + " plays it again)";
}

std::string StatusNotice(bool paused, int speed) {
  if (paused) return "Paused  (P resumes)";
  return speed > 1 ? "×" + std::to_string(speed) : "";
}

bool AnswerNewWorldKey(uint32_t nowMs) {
  const bool confirms = gNotices.newWorldAsked && nowMs - gNotices.newWorldAskedMs < kNewWorldQuestionMs;
  gNotices.newWorldAsked = !confirms;
  gNotices.newWorldAskedMs = nowMs;
  return confirms;
}

std::vector<std::string> NewWorldQuestionLines(uint32_t nowMs) {
  if (!gNotices.newWorldAsked || nowMs - gNotices.newWorldAskedMs >= kNewWorldQuestionMs) return {};
  return {"Press N again for a new world"};
}

bool CloseRunOutNewWorldQuestion(uint32_t nowMs) {
  const bool asked = gNotices.newWorldAsked;
  if (asked && nowMs - gNotices.newWorldAskedMs >= kNewWorldQuestionMs) gNotices.newWorldAsked = false;
  return asked;
}

cTextBox LayoutTextBox(int windowWidth, eBoxPlace place, int top, const std::vector<int>& lineWidths, int lineHeight,
                       bool centred) {
  const int widest = lineWidths.empty() ? 0 : *std::max_element(lineWidths.begin(), lineWidths.end());
  cTextBox box;
  box.left = place == eBoxPlace::kMiddle ? (windowWidth - widest) / 2 - kPadding
                                         : windowWidth - kMargin - widest - 2 * kPadding;
  box.right = box.left + widest + 2 * kPadding;
  box.top = top;
  box.bottom = top + static_cast<int>(lineWidths.size()) * lineHeight + 2 * kPadding;
  for (size_t i = 0; i < lineWidths.size(); ++i) {
    box.lineX.push_back(centred ? box.left + kPadding + (widest - lineWidths[i]) / 2 : box.left + kPadding);
    box.lineY.push_back(top + kPadding + static_cast<int>(i + 1) * lineHeight - lineHeight / 4);
  }
  return box;
}
