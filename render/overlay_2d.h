// Pixel-space drawing over the scene: origin top-left, y down, like mouse positions.
// Fonts are GLUT bitmap fonts (GLUT_BITMAP_HELVETICA_12 / _18), passed as their handles.
#pragma once

#include <string>

void Begin2D();  // nestable: only the outermost pair changes GL state
void End2D();
void DrawText2D(int x, int y, void* font, const std::string& text);  // y is the baseline
int TextWidth2D(void* font, const std::string& text);
void DrawLine2D(int x0, int y0, int x1, int y1);
void DrawFrame2D(int x0, int y0, int x1, int y1);
void FillRect2D(int x0, int y0, int x1, int y1);
