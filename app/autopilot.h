// A simple, sensible player for the avatar, used by the balance lab (zoma-sim --autopilot) and
// able to drive the windowed game too. It acts only as a player can: presses on the ground,
// on critters, carcasses and the nest (through the mouse's own click path), holds Shift to
// run, presses E and clicks the evolution dialog's buttons. It draws no random numbers, so a
// seeded world plays out the same every time.
#pragma once

// Once after every world tick. Thinks every few ticks, as a player's reaction time.
void AutopilotStep();
// Forgets the chase in progress (a new world).
void ResetAutopilot();
// Saves keep the autopilot's memory (its chase, the Shift it holds and whether it has the
// evolution dialog open), so a loaded game plays on exactly as the saved one would have.
void AddAutopilotSaveSection();
