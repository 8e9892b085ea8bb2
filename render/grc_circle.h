// The precomputed circle behind every ring and disc of the scene: a polygon in the x-y plane
// whose vertices are produced by repeated rotation. Built on the stack by each drawing call.
// Draw and DrawAt are the GL layer's; the vertex walk is usable headless.
#pragma once

class grcCircle {
 public:
  int segments;
  bool filled;  // a filled polygon, else a closed outline
  float radius;
  float cos_step, sin_step;  // one segment's turn, 2*pi / segments

  grcCircle(int segments, bool filled, float radius);
  virtual ~grcCircle() = default;

  // Calls emit(x, y) for each vertex: (radius, 0) first, then counter-clockwise.
  template <class Emit>
  void ForEachVertex(Emit emit) const {
    float x = radius, y = 0.0f;
    for (int i = 0; i < segments; ++i) {
      emit(x, y);
      const float nx = x * cos_step - y * sin_step;
      y = y * cos_step + x * sin_step;
      x = nx;
    }
  }

  void Draw() const;
  // Drawn at (x, y, z), scaled in its own plane: callers build radius-1 circles, so `scale`
  // is the drawn radius.
  void DrawAt(float x, float y, float z, float scale) const;
};
