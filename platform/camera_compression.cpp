#include "platform/camera_compression.h"

namespace vidmora {

const char* Compression::Name(Kind kind) {
  switch (kind) {
    case Uncompressed: return "Full Frames (uncompressed)";
    case MotionJpeg: return "Motion JPEG";
    case Mpeg4: return "Xvid MPEG-4 Codec";  // the name the help text tells users to pick
  }
  return "";
}

std::string Compression::chain(bool cameraSendsJpeg) const {
  if (cameraSendsJpeg && kind == MotionJpeg) return "identity";
  std::string decode = cameraSendsJpeg ? "jpegdec ! " : "";
  switch (kind) {
    case Uncompressed: return decode + "videoconvert ! video/x-raw,format=BGR";
    case MotionJpeg: return decode + "videoconvert ! jpegenc quality=" + std::to_string(jpegQuality);
    case Mpeg4:
      return decode + "videoconvert ! video/x-raw,format=I420 ! avenc_mpeg4 max-bframes=0 bitrate=" +
             std::to_string(bitrateKbps * 1000) + " gop-size=" + std::to_string(keyFrameInterval);
  }
  return decode;
}

}  // namespace vidmora
