#pragma once
#include <string>
#include <vector>

typedef struct _GstCaps GstCaps;

namespace vidmora {

// One way a camera can deliver pictures: frame size, pixel format and frame rate.
struct CameraMode {
  int width = 640;
  int height = 480;
  std::string format = "YUY2";  // a raw pixel format, or "MJPG" for Motion JPEG frames
  int fpsNum = 30;
  int fpsDen = 1;

  bool jpeg() const { return format == "MJPG"; }
  std::string text() const;  // "640x480 MJPG 30 fps"
  GstCaps* caps() const;     // a new reference
  bool operator==(const CameraMode&) const = default;
};

// Every fixed mode that the caps describe, smallest frames first.
std::vector<CameraMode> ModesFromCaps(const GstCaps* caps);

// The mode a camera starts in: 640x480 when offered (raw before MJPG), else the first one.
CameraMode PreferredMode(const std::vector<CameraMode>& modes);

}  // namespace vidmora
