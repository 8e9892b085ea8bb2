// Drawing the notices over the finished scene: the help overlay, the status box ("Paused" or
// the speed), the death notice, the evolution on offer, the new-world question, the save notice
// and the data-file notice.
#include <GL/glut.h>

#include "game/game_clock.h"
#include "game/game_state.h"
#include "game/random.h"
#include "platform/time_source.h"
#include "render/file_notice.h"
#include "render/notices.h"
#include "render/overlay_2d.h"
#include "world/world.h"

namespace {
constexpr int kHelpLineHeight = 18;
constexpr int kNoticeLineHeight = 22;
constexpr int kFileNoticeGap = 58;  // above the motive bars' strip

// A half-dark box with white text, headings ('#') in yellow.
void DrawTextBox(const std::vector<std::string>& lines, eBoxPlace place, int top, int lineHeight, void* font,
                 bool centred) {
  std::vector<std::string> shown;
  std::vector<int> widths;
  for (const std::string& line : lines) {
    shown.push_back(!line.empty() && line[0] == '#' ? line.substr(1) : line);
    widths.push_back(TextWidth2D(font, shown.back()));
  }
  const cTextBox box = LayoutTextBox(glutGet(GLUT_WINDOW_WIDTH), place, top, widths, lineHeight, centred);
  glColor4f(0.0f, 0.0f, 0.0f, 0.75f);
  FillRect2D(box.left, box.top, box.right, box.bottom);
  glColor3f(1.0f, 1.0f, 1.0f);
  DrawFrame2D(box.left, box.top, box.right, box.bottom);
  for (size_t i = 0; i < shown.size(); ++i) {
    const bool heading = lines[i][0] == '#';
    glColor3f(1.0f, heading ? 0.85f : 1.0f, heading ? 0.2f : 1.0f);
    DrawText2D(box.lineX[i], box.lineY[i], font, shown[i]);
  }
}
}  // namespace

void DrawNotices() {
  const uint32_t now = GameTime();
  ObserveAvatarDeaths(gWorld->counters, now);
  const std::vector<std::string> death = DeathNoticeLines(now);
  const std::string status = StatusNotice(gGameState.paused, gGameState.speed);
  const std::vector<std::string> question = NewWorldQuestionLines(TimeGetTime());
  ObserveEvolutionOffers(gWorld->counters, can_evolve);
  const std::vector<std::string> offer = EvolutionNoticeLines();
  const std::vector<std::string> saved = SaveNoticeLines(TimeGetTime());
  const std::vector<std::string> file = FileNoticeLines(now);
  if (status.empty() && death.empty() && question.empty() && offer.empty() && saved.empty() && file.empty() &&
      !gNotices.helpVisible) {
    return;
  }
  Begin2D();
  void* large = GLUT_BITMAP_HELVETICA_18;
  if (!death.empty()) DrawTextBox(death, eBoxPlace::kMiddle, 80, kNoticeLineHeight, large, true);
  if (!saved.empty()) DrawTextBox(saved, eBoxPlace::kMiddle, 30, kNoticeLineHeight, large, true);
  if (!question.empty()) DrawTextBox(question, eBoxPlace::kMiddle, 30, kNoticeLineHeight, large, true);
  if (!file.empty()) {
    const int height = static_cast<int>(file.size()) * kHelpLineHeight + 20;  // 20: the box's padding
    DrawTextBox(file, eBoxPlace::kMiddle, glutGet(GLUT_WINDOW_HEIGHT) - kFileNoticeGap - height, kHelpLineHeight,
                GLUT_BITMAP_HELVETICA_12, true);
  }
  if (!status.empty()) DrawTextBox({status}, eBoxPlace::kRight, 30, kNoticeLineHeight, large, true);
  // Below "Paused" and below the death notice's rows, clear of both.
  if (!offer.empty()) DrawTextBox(offer, eBoxPlace::kRight, 180, kNoticeLineHeight, large, true);
  if (gNotices.helpVisible) {
    std::vector<std::string> help = HelpLines();
    help.push_back(WorldSeedLine(WorldSeed()));
    DrawTextBox(help, eBoxPlace::kMiddle, 90, kHelpLineHeight, GLUT_BITMAP_HELVETICA_12, false);
  }
  End2D();
}
