#pragma once
#include <optional>
#include <span>
#include <vector>

namespace vidmora {

// A decoded picture: 8-bit RGB, rows top to bottom, no padding.
struct RgbImage {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
};

// Decodes the bytes of a JPEG file; nothing when they are not a readable JPEG.
std::optional<RgbImage> DecodeJpeg(std::span<const unsigned char> jpeg);

}  // namespace vidmora
