// Which X display the game will open, and the one line it prints when there is none, so that a
// start without a desktop session says so instead of failing inside GLUT.
#pragma once

#include <string>

// The display GLUT will use: the value of a "-display NAME" argument (which glutInit honours),
// else `displayVariable` ($DISPLAY; may be null). Empty when neither names one.
std::string DisplayNameFor(int argc, const char* const* argv, const char* displayVariable);

std::string DisplayFailureMessage(const std::string& displayName);

// Ends the process with status 1 and the failure message on standard error when the display
// cannot be opened. GL layer (it asks the X server); its connection stays open for the run.
void RequireDisplay(int argc, const char* const* argv);
