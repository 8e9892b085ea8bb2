// The scene's two dials, drawn in the world pass: the home compass (lower right) pointing
// to the avatar's nest, and the daylight dial (lower left).
#pragma once

// Window depth of the view centre in the frame's saved matrices: the dials are drawn at it.
double ViewCentreDepth();
void DrawHomeCompass(double depth);
void DrawDaylightDial(double depth);
