// The fixed pipeline's matrix arithmetic, step for step. Built with -ffp-contract=off
// (render/CMakeLists.txt): a fused multiply-add would round differently from the driver.
#include "render/fixed_matrix.h"

#include <cmath>

namespace {
// The driver's general 4 x 4 product, row by row, each entry summed left to right.
void Multiply(float product[16], const float a[16], const float b[16]) {
  for (int row = 0; row < 4; ++row) {
    const float a0 = a[row], a1 = a[4 + row], a2 = a[8 + row], a3 = a[12 + row];
    for (int col = 0; col < 4; ++col) {
      const float* bc = b + col * 4;
      product[col * 4 + row] = a0 * bc[0] + a1 * bc[1] + a2 * bc[2] + a3 * bc[3];
    }
  }
}

// The driver takes sine and cosine in single precision of the angle converted in double.
void SineCosine(float degrees, float& s, float& c) {
  s = sinf(degrees * M_PI / 180.0);
  c = cosf(degrees * M_PI / 180.0);
}

void MultiplyInPlace(cMatrix& matrix, const float by[16]) {
  float product[16];
  Multiply(product, matrix.m, by);
  for (int i = 0; i < 16; ++i) matrix.m[i] = product[i];
}

constexpr float kIdentity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}  // namespace

cMatrix MatrixFromDoubles(const double m[16]) {
  cMatrix matrix;
  for (int i = 0; i < 16; ++i) matrix.m[i] = static_cast<float>(m[i]);
  return matrix;
}

void Translate(cMatrix& matrix, float x, float y, float z) {
  float* m = matrix.m;
  for (int row = 0; row < 4; ++row) m[12 + row] = m[row] * x + m[4 + row] * y + m[8 + row] * z + m[12 + row];
}

namespace {
// The identity with the rotation's sine and cosine set: c at `first` and `second` on the
// diagonal, s and -s at the two crossings, as the driver's shortcut for a turn about one axis.
void RotateAbout(cMatrix& matrix, float degrees, int first, int second, int sineAt, int minusSineAt) {
  float s, c;
  SineCosine(degrees, s, c);
  float rotation[16];
  for (int i = 0; i < 16; ++i) rotation[i] = kIdentity[i];
  rotation[first] = c;
  rotation[second] = c;
  rotation[sineAt] = s;
  rotation[minusSineAt] = -s;
  MultiplyInPlace(matrix, rotation);
}
}  // namespace

void RotateAboutX(cMatrix& matrix, float degrees) { RotateAbout(matrix, degrees, 5, 10, 6, 9); }

void RotateAboutY(cMatrix& matrix, float degrees) { RotateAbout(matrix, degrees, 0, 10, 8, 2); }

void Scale(cMatrix& matrix, float x, float y, float z) {
  float* m = matrix.m;
  for (int row = 0; row < 4; ++row) {
    m[row] *= x;
    m[4 + row] *= y;
    m[8 + row] *= z;
  }
}

cMatrix Product(const cMatrix& a, const cMatrix& b) {
  cMatrix product;
  Multiply(product.m, a.m, b.m);
  return product;
}
