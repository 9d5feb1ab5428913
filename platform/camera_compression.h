#pragma once
#include <string>

namespace vidmora {

// The compressor of a device's recordings and its settings.
struct Compression {
  enum Kind { Uncompressed, MotionJpeg, Mpeg4 };
  // MPEG-4 at 1200 kbit/s: about 180 MB for a 20-minute segment, where full frames would take
  // tens of gigabytes.
  Kind kind = Mpeg4;
  int jpegQuality = 85;      // 1 to 100
  int bitrateKbps = 1200;    // MPEG-4
  int keyFrameInterval = 30; // MPEG-4, in frames

  static const char* Name(Kind kind);
  // The elements from a camera's frames to what the AVI stores. Motion JPEG frames from the
  // camera go through untouched when Motion JPEG is the compressor.
  std::string chain(bool cameraSendsJpeg) const;
};

}  // namespace vidmora
