#include <string>

#include "platform/device_factory.h"

namespace vidmora {
namespace {

// What a video device is without a capture driver: it accepts nothing and says why.
class NoDriverDevice : public VideoDevice {
 public:
  bool SelectSource(int n) override { return fail("no capture driver " + std::to_string(n)); }
  bool ShowSourceDialog() override { return fail("no capture driver bound"); }
  bool ShowFormatDialog() override { return fail("no capture driver bound"); }
  bool ShowCompressionDialog() override { return fail("no capture driver bound"); }
  bool SetPreview(bool, int) override { return fail("no capture driver bound"); }
  bool StartCapture(bool, const std::string&, int, bool, bool, bool, int) override {
    return fail("no capture driver bound");
  }
  bool SaveFrame(const std::string&) override { return fail("no frame to save"); }
  bool AbortCapture() override { return fail("no capture running"); }
  int source() const override { return 0; }
  std::string failureText() const override { return failure_; }

 private:
  bool fail(std::string text) {
    failure_ = std::move(text);
    return false;
  }
  std::string failure_;
};

}  // namespace

DeviceFactory NoDriverDeviceFactory() {
  return [](QWidget&) -> std::unique_ptr<VideoDevice> { return std::make_unique<NoDriverDevice>(); };
}

}  // namespace vidmora
