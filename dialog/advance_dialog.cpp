// Layout and row rules of the evolution dialog.
#include "dialog/advance_dialog.h"

#include <algorithm>
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
  Open(gWorld->GetAvatar()->advance_counts);
  visible = true;
  for (int k = 0; k < kAdvanceRows; ++k) ShowCount(k);
}

void cCritterAdvanceDialog::ShowCount(int row) {
  value_labels[row]->label = std::to_string(counts[row]);
}

void cCritterAdvanceDialog::OnCommand(int id) {
  if (id >= kMinus && id < kMinus + kAdvanceRows) {
    if (Lower(id - kMinus)) ShowCount(id - kMinus);
  } else if (id >= kPlus && id < kPlus + kAdvanceRows) {
    if (Raise(id - kPlus)) ShowCount(id - kPlus);
  } else if (id == kOk) {
    Accept();
  } else if (id == kCancel) {
    visible = false;
    result = kCancel;
  }
}

void cCritterAdvanceDialog::Accept() {
  result = kOk;
  visible = false;
  AcceptAdvances(*this);
}
