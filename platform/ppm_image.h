// Saving a picture of the window as a binary PPM (P6), the plainest lossless format that
// ImageMagick and every image viewer read.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `rgb` holds width x height pixels of three bytes, rows from the bottom up as OpenGL reads
// them; the file gets them top down. False when the file cannot be written.
bool WritePpmBottomUp(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb);
