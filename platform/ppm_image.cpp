// Binary PPM writing.
#include "platform/ppm_image.h"

#include <cstdio>

bool WritePpmBottomUp(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  std::fprintf(file, "P6\n%d %d\n255\n", width, height);
  const size_t row = static_cast<size_t>(width) * 3;
  bool written = rgb.size() == row * height;
  for (int y = height - 1; written && y >= 0; --y) {
    written = std::fwrite(rgb.data() + row * y, 1, row, file) == row;
  }
  return std::fclose(file) == 0 && written;
}
