// What the player is told beyond the game's original screen: a help overlay (F1 or H),
// "Paused" while the game is paused or the speed ("×4") while faster than x1, a notice after a
// save or a load ("Game saved"), a notice for a few seconds of game time when the avatar dies,
// saying how, one while an evolution a new day offered waits to be spent, and the question
// before a new world. The rules and the layout are here, without GL; notices_gl draws them
// over the finished scene. With none of them showing, the frame is exactly the original one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/world_counters.h"

constexpr uint32_t kDeathNoticeMs = 6000;
// Real milliseconds: a save or a load may happen while the game is paused.
constexpr uint32_t kSaveNoticeMs = 4000;
// The first N asks; a second one within this time (of the time source, as the question is the
// player's, not the world's: it runs while paused and is not hurried at x8) builds a new world.
constexpr uint32_t kNewWorldQuestionMs = 3000;

struct cNotices {
  bool helpVisible = false;
  bool helpPaused = false;       // opening the help paused the game
  long deathsSeen = 0;           // the avatar's deaths already told
  eAvatarDeath cause = eAvatarDeath::kNone;
  uint32_t deathShownMs = 0;     // game time at which the last death was noticed
  bool deathShowing = false;
  bool newWorldAsked = false;
  uint32_t newWorldAskedMs = 0;  // time source when N asked
  long offersSeen = 0;           // the evolutions offered already told
  bool offerShowing = false;
  std::string saveNotice;        // "Game saved", "Game loaded" or why not
  uint32_t saveNoticeShownMs = 0;
};
extern cNotices gNotices;

// Opening the help pauses a running game; closing it resumes the game only if the help paused
// it, so a game paused before stays paused.
void ToggleHelp();
void CloseHelp();
// Back to the start-up state, the data-file notice included (tests).
void ResetNotices();

// Every frame: a death counted since the last frame starts its notice at `nowMs`; the notice
// ends kDeathNoticeMs later (game time, so it waits while paused).
void ObserveAvatarDeaths(const cWorldCounters& counters, uint32_t nowMs);
// The death notice's lines now, none when it is not showing.
std::vector<std::string> DeathNoticeLines(uint32_t nowMs);
// Every frame: an evolution offered by a new day since the last frame is told until it is
// spent (canEvolve cleared). The one the game starts with is left to the help: telling it would
// change the game's first screen.
void ObserveEvolutionOffers(const cWorldCounters& counters, bool canEvolve);
// The evolution notice's lines, none when it is not showing.
std::vector<std::string> EvolutionNoticeLines();
// A notice about saving or loading, from `nowMs` (the real time source's) for kSaveNoticeMs.
void ShowSaveNotice(const std::string& text, uint32_t nowMs);
// Its line now, none once it has ended.
std::vector<std::string> SaveNoticeLines(uint32_t nowMs);
// The help overlay's lines; a line starting with '#' is a heading (the '#' is not shown).
const std::vector<std::string>& HelpLines();
// The help's last line: the seed of the world being played, to share it.
std::string WorldSeedLine(uint32_t seed);

// The box at the top right: "Paused  (P resumes)" while paused, else the speed ("×2", "×4",
// "×8") while faster than x1, else nothing (empty).
std::string StatusNotice(bool paused, int speed);

// The N key at `nowMs` (time source): true when it confirms a question asked less than
// kNewWorldQuestionMs before (the question is then closed); otherwise it asks, and false.
bool AnswerNewWorldKey(uint32_t nowMs);
// The question's line while it stands, none otherwise.
std::vector<std::string> NewWorldQuestionLines(uint32_t nowMs);
// Closes a question that has run out. True while a question is asked (before closing), so a
// paused game, which draws only when asked to, keeps drawing until the question has gone.
bool CloseRunOutNewWorldQuestion(uint32_t nowMs);

// Drawn by notices_gl after the scene, every frame (it also observes the deaths).
void DrawNotices();

// A box of text lines, its top at `top`, in the middle of the window or at its right edge
// (where "Paused" stays clear of the world's middle): each line's left edge (centred in the
// box when `centred`, else all at the box's left padding) and baseline.
enum class eBoxPlace { kMiddle, kRight };
struct cTextBox {
  int left = 0, top = 0, right = 0, bottom = 0;
  std::vector<int> lineX, lineY;
};
cTextBox LayoutTextBox(int windowWidth, eBoxPlace place, int top, const std::vector<int>& lineWidths, int lineHeight,
                       bool centred);
