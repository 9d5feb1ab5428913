#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/camera_mode.h"

typedef struct _GstElement GstElement;

namespace vidmora {

// A camera the machine offers, with its microphone if it has one.
struct Camera {
  std::string id;    // stays the same while the camera is unplugged and plugged in again
  std::string name;  // shown in the source dialog
  std::vector<CameraMode> modes;
  CameraMode defaultMode;
  // A floating source element (or bin) that delivers `mode`.
  std::function<GstElement*(const CameraMode& mode)> makeSource;
  std::string microphoneId;                   // empty without a microphone
  std::function<GstElement*()> makeMicrophone;
};

// Every camera now present: the real ones the device monitor reports (Video/Source), then the
// synthetic cameras that VIDMORA_TEST_CAMERAS=N (1 to 4) asks for.
std::vector<Camera> ListCameras();
std::optional<Camera> FindCamera(const std::string& id);

// For tests: pulls synthetic camera `number` (1 to 4) out of the machine, or plugs it back in.
// Its running pipeline fails the way an unplugged USB camera's does.
void SetTestCameraPlugged(int number, bool plugged);

}  // namespace vidmora
