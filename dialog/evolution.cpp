// The evolution dialog as the rest of the game sees it: one process-wide dialog at (100, 200).
#include "dialog/evolution.h"

#include "dialog/advance_dialog.h"

namespace {
constexpr float kDialogX = 100.0f;
constexpr float kDialogY = 200.0f;
}  // namespace

void BuildEvolutionDialog() {
  gEvolutionDialog.Build(kDialogX, kDialogY);
  SetEvolutionRequest(OpenEvolutionDialog);
}

bool EvolutionDialogVisible() { return gEvolutionDialog.visible; }

void OpenEvolutionDialog() {
  // Reopening would throw away the changes of the opening in progress.
  if (!gEvolutionDialog.visible) gEvolutionDialog.Show();
}

bool EvolutionDialogMouseDown(int x, int y) {
  return gEvolutionDialog.visible && gEvolutionDialog.OnMouseDown(0, 0, x, y);
}

void EvolutionDialogMouseUp(int x, int y) {
  if (gEvolutionDialog.visible) gEvolutionDialog.OnMouseUp(x, y);
}

void CloseEvolutionDialog() {
  gEvolutionDialog.visible = false;
  gEvolutionDialog.result = 0;
}

void ResetEvolution() {
  ResetAdvances();
  CloseEvolutionDialog();
  BuildEvolutionDialog();
}
