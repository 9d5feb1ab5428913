#pragma once
#include <string>

namespace vidmora {

// The video device control: one camera picture in the main window, bound to a capture driver.
// Every operation returns whether the capture service accepted the request; on failure the device
// also keeps a failure text. Callers never read either.
class VideoDevice {
 public:
  virtual ~VideoDevice() = default;

  // The device's source property: binds capture driver n (1 to 11).
  virtual bool SelectSource(int n) = 0;
  virtual bool ShowSourceDialog() = 0;
  virtual bool ShowFormatDialog() = 0;
  virtual bool ShowCompressionDialog() = 0;
  // rateMs == -1 keeps the current preview rate.
  virtual bool SetPreview(bool on, int rateMs) = 0;
  // limitSeconds == -1 means no time limit. Returns at once; the capture runs in the background.
  virtual bool StartCapture(bool useDefaults, const std::string& file, int framePeriodMs, bool confirmFirst,
                            bool leftButtonStops, bool rightButtonStops, int limitSeconds) = 0;
  virtual bool SaveFrame(const std::string& file) = 0;
  virtual bool AbortCapture() = 0;

  virtual int source() const = 0;  // 0 while no driver was ever bound
  virtual std::string failureText() const = 0;
};

}  // namespace vidmora
