#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/camera_compression.h"
#include "platform/camera_mode.h"
#include "platform/camera_view.h"
#include "platform/video_device.h"

class QWidget;

namespace vidmora {

class CameraRecording;
class LiveFeed;

// The capture settings a device keeps between captures; StartCapture changes seven of them.
struct CaptureSettings {
  long long microSecPerFrame = 66667;
  bool confirmFirst = false;
  bool background = false;  // captures always run in the background here; kept as set
  bool abortLeftMouse = true;
  bool abortRightMouse = true;
  bool limitEnabled = false;
  int timeLimit = 0;         // seconds
  bool captureAudio = true;  // used when the camera has a microphone
};

// A video device on GStreamer: binds capture driver 1 (all cameras), shows the chosen camera's
// live picture in its control, records AVI files in the background and saves BMP frames.
class CameraDevice : public VideoDevice {
 public:
  explicit CameraDevice(QWidget& control);
  ~CameraDevice() override;

  bool SelectSource(int n) override;
  bool ShowSourceDialog() override;
  bool ShowFormatDialog() override;
  bool ShowCompressionDialog() override;
  bool SetPreview(bool on, int rateMs) override;
  bool StartCapture(bool useDefaults, const std::string& file, int framePeriodMs, bool confirmFirst,
                    bool leftButtonStops, bool rightButtonStops, int limitSeconds) override;
  bool SaveFrame(const std::string& file) override;
  bool AbortCapture() override;
  int source() const override { return source_; }
  std::string failureText() const override { return failure_; }

  // For tests and the benchmark.
  bool bound() const { return feed_ != nullptr; }
  bool capturing() const { return capture_ != nullptr; }
  bool finalising() const { return !finishing_.empty(); }
  const CameraRecording* recording() const { return capture_.get(); }
  std::string camera() const { return cameraId_; }
  const CaptureSettings& captureSettings() const { return settings_; }
  const Compression& compression() const { return compression_; }
  CameraView* view() const { return view_; }
  std::string shownFailure() const { return shownFailure_; }

 private:
  bool fail(const std::string& text, bool showOnPicture = false);
  bool bind(const std::string& cameraId);
  void release();
  bool startStreaming();
  void endCapture();
  void retire(CameraRecording* recording, const std::string& failure);
  void forget(CameraRecording* recording);

  QPointer<CameraView> view_;
  QObject context_;  // queued work and timers that die with the device
  QTimer limit_;     // ends the capture when its time limit has passed
  int source_ = 0;
  std::string cameraId_;  // the camera shown, remembered across bindings
  std::shared_ptr<LiveFeed> feed_;
  std::shared_ptr<LiveFeed> microphone_;
  bool preview_ = false;
  int previewRateMs_ = 66;
  std::map<std::string, CameraMode> modes_;  // the format chosen for each camera
  Compression compression_;
  std::string captureFile_;
  CaptureSettings settings_;
  std::unique_ptr<CameraRecording> capture_;
  std::vector<std::unique_ptr<CameraRecording>> finishing_;  // stopped, file still being completed
  std::string failure_;
  std::string shownFailure_;
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vidmora
