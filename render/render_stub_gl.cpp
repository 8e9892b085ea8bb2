// Placeholder until rendering lands.
#include "render/driver_report.h"
#include "render/overlay_2d.h"
#include "render/scene.h"

void DrawScene() {}
void PrintDriverReport() {}
void ActiveTexture(int) {}
void Begin2D() {}
void End2D() {}
void DrawText2D(int, int, void*, const std::string&) {}
int TextWidth2D(void*, const std::string&) { return 0; }
void DrawLine2D(int, int, int, int) {}
void DrawFrame2D(int, int, int, int) {}
void FillRect2D(int, int, int, int) {}
