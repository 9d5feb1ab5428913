#include "platform/camera_device_factory.h"

#include "platform/camera_device.h"

namespace vidmora {

DeviceFactory CameraDeviceFactory() {
  return [](QWidget& control) -> std::unique_ptr<VideoDevice> { return std::make_unique<CameraDevice>(control); };
}

}  // namespace vidmora
