#pragma once
#include <functional>
#include <memory>

#include "platform/video_device.h"

class QWidget;

namespace vidmora {

// Makes the capture side of a video device control; the device draws its picture into `control`.
using DeviceFactory = std::function<std::unique_ptr<VideoDevice>(QWidget& control)>;

// A device with no capture driver: every operation fails and leaves a failure text.
DeviceFactory NoDriverDeviceFactory();

}  // namespace vidmora
