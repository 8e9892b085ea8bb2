// The game's 4-component single-precision vector: x and z span the ground, y is height,
// w is 1 for points and is carried along by arithmetic but never used for lengths.
#pragma once

#include <cmath>

struct cVector {
  float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;

  cVector() = default;
  constexpr cVector(float x_, float y_, float z_, float w_ = 1.0f) : x(x_), y(y_), z(z_), w(w_) {}

  cVector operator+(const cVector& o) const { return {x + o.x, y + o.y, z + o.z, w + o.w}; }
  cVector operator-(const cVector& o) const { return {x - o.x, y - o.y, z - o.z, w - o.w}; }
  cVector operator*(float k) const { return {x * k, y * k, z * k, w * k}; }
  // Division multiplies by the reciprocal, as the game always has.
  cVector operator/(float k) const { return *this * (1.0f / k); }
  cVector& operator+=(const cVector& o) { return *this = *this + o; }
  cVector& operator-=(const cVector& o) { return *this = *this - o; }
  cVector& operator*=(float k) { return *this = *this * k; }

  // Length is the square root of LengthSquared, so comparing squares gives the same answers.
  float LengthSquared() const { return x * x + y * y + z * z; }
  float Length() const { return std::sqrt(LengthSquared()); }
  float Dot(const cVector& o) const { return x * o.x + y * o.y + z * o.z; }
  // All four components scaled so that |xyz| becomes `length`.
  cVector Normalised(float length = 1.0f) const { return *this * (length / Length()); }
  // As Normalised, but a zero-length vector comes back unchanged instead of turning into NaNs
  // (two objects on the same spot must not poison headings and positions).
  cVector NormalisedOrZero(float length = 1.0f) const {
    const float l = Length();
    return l > 0.0f ? *this * (length / l) : *this;
  }
  cVector Cross(const cVector& o) const {
    return {y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x, 0.0f};
  }
};

// Column-major 4x4 matrix (OpenGL layout) times a vector.
inline cVector MatrixTimesVector(const float m[16], const cVector& v) {
  return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12] * v.w,
          m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13] * v.w,
          m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14] * v.w,
          m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15] * v.w};
}
