#pragma once
#include "platform/device_factory.h"

namespace vidmora {

// Video devices on the machine's cameras (and the synthetic ones VIDMORA_TEST_CAMERAS asks for).
DeviceFactory CameraDeviceFactory();

}  // namespace vidmora
