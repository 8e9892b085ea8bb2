// The evolution dialog: seven rows of advance counts with - and + buttons, Ok and Cancel.
// Each opening starts from the avatar's counts; what a click may change is the opening's rule
// (world/advances), and Ok hands the edited counts back to the avatar.
#pragma once

#include "dialog/dialog.h"
#include "world/advances.h"

class cCritterAdvanceDialog : public cGLFDialog, public cAdvanceOpening {
 public:
  cGLFDialogControl* value_labels[kAdvanceRows] = {};  // the value box of each row

  // Command ids: the + and - ids are these bases plus the row.
  static constexpr int kOk = 1;
  static constexpr int kCancel = 2;
  static constexpr int kMinus = 10;
  static constexpr int kPlus = 20;

  // Recreates every control with the dialog's top-left corner at (x, y), counts at zero.
  void Build(float x, float y);
  // Opens the dialog on the avatar's current advance counts. Callers check `visible` first.
  void Show() override;

 protected:
  void OnCommand(int id) override;

 private:
  cGLFDialogButton* AddGreenOnBlack(const cDialogRect& rect, const char* label, int id,
                                    const cDialogColor& frame, bool clickable);
  void AddRowControls(float x, float y);
  void ShowCount(int row);
  void Accept();
};

extern cCritterAdvanceDialog gEvolutionDialog;
