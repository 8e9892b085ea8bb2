// Layout and row rules of the evolution dialog.
#include "dialog/advance_dialog.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "world/world.h"

cCritterAdvanceDialog gEvolutionDialog;

namespace {
constexpr cDialogColor kBlack{0.0f, 0.0f, 0.0f};
constexpr cDialogColor kGreen{0.0f, 1.0f, 0.0f};
constexpr bool kClickable = true;
constexpr bool kDrawnOnly = false;
constexpr int kLabelId = 1;  // drawn-only controls carry id 1 but never send it
constexpr const char* kRowLabels[kAdvanceRows] = {
    "Speed:", "Attack:", "Defend:", "Stealth:", "Climb:", "Swim:", "Win Game:"};

// Row k of a column spanning left..right (relative to the dialog's corner).
cDialogRect RowCell(float x, float y, int row, float left, float right) {
  const float top = y + 32.0f + 30.0f * row;
  return {x + left, top, x + right, top + 20.0f};
}
}  // namespace

cGLFDialogButton* cCritterAdvanceDialog::AddGreenOnBlack(const cDialogRect& rect, const char* label,
                                                         int id, const cDialogColor& frame,
                                                         bool clickable) {
  cGLFDialogButton* button = AddButton(rect, label, id, clickable);
  button->frame_color = frame;
  button->fill_color = kBlack;
  button->fill_pressed_color = kGreen;
  button->text_color = kGreen;
  button->text_pressed_color = kBlack;
  return button;
}

// Drawing order is the list order; the clickable ones (Cancel, Ok, the minus column, the plus
// column) thereby also come out in hit-test order.
void cCritterAdvanceDialog::Build(float x, float y) {
  ClearControls();
  std::fill(std::begin(counts), std::end(counts), 0);
  AddGreenOnBlack({x, y, x + 190, y + 290}, "", kLabelId, kGreen, kDrawnOnly);
  AddGreenOnBlack({x + 1, y + 1, x + 180, y + 14}, "Evolution Points", kLabelId, kBlack,
                  kDrawnOnly);
  AddGreenOnBlack({x + 10, y + 260, x + 80, y + 280}, "Cancel", kCancel, kGreen, kClickable);
  AddGreenOnBlack({x + 110, y + 260, x + 180, y + 280}, "Ok", kOk, kGreen, kClickable);
  AddRowControls(x, y);
}

void cCritterAdvanceDialog::AddRowControls(float x, float y) {
  for (int k = 0; k < kAdvanceRows; ++k) {
    AddGreenOnBlack(RowCell(x, y, k, 15, 85), kRowLabels[k], kLabelId, kBlack, kDrawnOnly);
  }
  for (int k = 0; k < kAdvanceRows; ++k) {
    value_labels[k] = AddGreenOnBlack(RowCell(x, y, k, 90, 110), "0", kLabelId, kGreen, kDrawnOnly);
  }
  for (int k = 0; k < kAdvanceRows; ++k) {
    AddGreenOnBlack(RowCell(x, y, k, 115, 125), "-", kMinus + k, kGreen, kClickable);
  }
  for (int k = 0; k < kAdvanceRows; ++k) {
    AddGreenOnBlack(RowCell(x, y, k, 130, 140), "+", kPlus + k, kGreen, kClickable);
  }
}

void cCritterAdvanceDialog::Show() {
  const int* avatar_counts = gWorld->GetAvatar()->advance_counts;
  std::copy(avatar_counts, avatar_counts + kAdvanceRows, counts);
  visible = true;
  opening_total = 0;
  for (int k = 0; k < kAdvanceRows; ++k) {
    opening_total += counts[k];
    ShowCount(k);
    opening_counts[k] = counts[k];
  }
}

void cCritterAdvanceDialog::ShowCount(int row) {
  value_labels[row]->label = std::to_string(counts[row]);
}

void cCritterAdvanceDialog::OnCommand(int id) {
  if (id >= kMinus && id < kMinus + kAdvanceRows) {
    Lower(id - kMinus);
  } else if (id >= kPlus && id < kPlus + kAdvanceRows) {
    Raise(id - kPlus);
  } else if (id == kOk) {
    Accept();
  } else if (id == kCancel) {
    visible = false;
    result = kCancel;
  }
}

// A row cannot go below its value at opening.
void cCritterAdvanceDialog::Lower(int row) {
  if (counts[row] <= opening_counts[row]) return;
  --counts[row];
  ShowCount(row);
}

// At most one advance per row per opening, and none once the first five rows together exceed
// the opening total of all seven: Swim and Win Game points thus pay for nothing else.
void cCritterAdvanceDialog::Raise(int row) {
  const int recorded_sum = std::accumulate(counts, counts + kRecordedRows, 0);
  if (recorded_sum >= opening_total + 1 || counts[row] >= opening_counts[row] + 1) return;
  ++counts[row];
  ShowCount(row);
}

void cCritterAdvanceDialog::Accept() {
  result = kOk;
  visible = false;
  for (int k = 0; k < kRecordedRows; ++k) {
    if (counts[k] != opening_counts[k]) advance_history.push_back(k);
  }
  std::copy(counts, counts + kAdvanceRows, gWorld->GetAvatar()->advance_counts);
  ApplyAdvances();
  can_evolve = false;
}
