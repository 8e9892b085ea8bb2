// The per-frame view globals.
#include "render/view_state.h"

cVector view_centre;
float light_factor = 1.0f;

double saved_modelview[16];
double saved_projection[16];
int saved_viewport[4];
float window_width = 0.0f;
float window_height = 0.0f;
bool plain_drawing = false;
