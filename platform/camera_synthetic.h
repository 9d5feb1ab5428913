#pragma once
#include <vector>

#include "platform/camera_catalog.h"

namespace vidmora {

// The synthetic cameras VIDMORA_TEST_CAMERAS asks for that are plugged in: live test pictures with
// a running clock, 30 frames/s, raw and Motion JPEG at 320x240, 640x480 and 1280x720, each with a
// test-tone microphone.
std::vector<Camera> SyntheticCameras();

// Whether synthetic camera `number` is plugged in (tests pull them out).
bool SyntheticCameraPlugged(int number);
void SetSyntheticCameraPlugged(int number, bool plugged);

}  // namespace vidmora
