// The fixed-function pipeline's matrix steps done on the processor, in the same float
// arithmetic and the same order as Mesa's glTranslatef, glRotatef, glScalef and its
// model-view-projection product. A vertex sent with a matrix built here lands on exactly the
// pixel and depth it would reach through the GL's own matrix stack, which is what lets many
// objects, each with its own placement, go to the driver in one call.
#pragma once

// Column-major, as the GL keeps it: m[column * 4 + row].
struct cMatrix {
  float m[16];
};

cMatrix MatrixFromDoubles(const double m[16]);
// this = this x translation, as glTranslatef.
void Translate(cMatrix& matrix, float x, float y, float z);
// this = this x rotation about the x or the y axis, as glRotatef(degrees, 1, 0, 0) and
// glRotatef(degrees, 0, 1, 0).
void RotateAboutX(cMatrix& matrix, float degrees);
void RotateAboutY(cMatrix& matrix, float degrees);
// this = this x scaling, as glScalef.
void Scale(cMatrix& matrix, float x, float y, float z);
// a x b, as the driver forms projection x model-view.
cMatrix Product(const cMatrix& a, const cMatrix& b);
