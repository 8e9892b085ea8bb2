// Drawing of the platform windows (the message box and the control panel) in the look of a
// plain widget toolkit: a grey face, raised buttons that sink while pressed, white check boxes
// with a check mark, black 12-point text. Coordinates are window pixels, origin top-left.
#pragma once

#include <string>

#include "platform/widgets.h"

// Creates a top-level GLUT window (double-buffered RGB) at a given place and size, leaving
// GLUT's defaults for windows created later untouched. Returns its id; it becomes current.
int CreatePlatformWindow(const std::string& title, int x, int y, int width, int height);

// Sets a pixel projection over the current window and clears it to the face colour.
void BeginWidgetDrawing(int width, int height);
void DrawWidgetText(int x, int baseline, const std::string& text);
int WidgetTextWidth(const std::string& text);
void DrawPushButton(const cPushControl& button);
// The box sits at the control's left edge, vertically centred, with the label to its right.
void DrawCheckBox(const cPushControl& checkBox, bool checked);
