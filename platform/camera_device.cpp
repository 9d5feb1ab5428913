#include "platform/camera_device.h"

#include <algorithm>
#include <filesystem>

#include "platform/camera_bitmap.h"
#include "platform/camera_catalog.h"
#include "platform/camera_dialogs.h"
#include "platform/camera_failures.h"
#include "platform/camera_feed.h"
#include "platform/camera_recording.h"
#include "platform/camera_view.h"
#include "platform/native_path.h"
#include "platform/time_scale.h"

#include <gst/gst.h>

namespace vidmora {

namespace {

// The one capture driver lists every camera; its number is 1.
constexpr int kCameraDriver = 1;
constexpr int kLastDriver = 11;

// A camera for a new binding: the one shown before, else the first that no device shows yet.
std::string CameraFor(const std::vector<Camera>& cameras, const std::string& previous) {
  for (const Camera& c : cameras)
    if (c.id == previous) return c.id;
  for (const Camera& c : cameras)
    if (LiveFeed::ViewersOf(c.id) == 0) return c.id;
  return cameras.front().id;
}

LiveFeed::Maker CameraMaker(const std::string& id) {
  return [id](const CameraMode& mode) -> GstElement* {
    auto camera = FindCamera(id);
    return camera ? camera->makeSource(mode) : nullptr;
  };
}

LiveFeed::Maker MicrophoneMaker(const std::string& id) {
  return [id](const CameraMode&) -> GstElement* {
    for (const Camera& c : ListCameras())
      if (c.microphoneId == id) return c.makeMicrophone();
    return nullptr;
  };
}

}  // namespace

CameraDevice::CameraDevice(QWidget& control) : view_(new CameraView(control)) {
  limit_.setSingleShot(true);
  limit_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&limit_, &QTimer::timeout, &context_, [this] {
    if (capture_) capture_->stopAtLimit();
    endCapture();
  });
  view_->onMousePress = [this](Qt::MouseButton button) {
    if (capture_ && ((button == Qt::LeftButton && settings_.abortLeftMouse) ||
                     (button == Qt::RightButton && settings_.abortRightMouse)))
      endCapture();
  };
}

CameraDevice::~CameraDevice() {
  *alive_ = false;
  limit_.stop();
  // Each recording completes its file before it goes, waiting a bounded time.
  capture_.reset();
  finishing_.clear();
  release();
  if (view_) delete view_.data();
}

bool CameraDevice::fail(const std::string& text, bool showOnPicture) {
  failure_ = text;
  if (showOnPicture) {
    shownFailure_ = text;
    if (view_) view_->setFailure(text);
  }
  return false;
}

bool CameraDevice::SelectSource(int n) {
  if (!view_ || n < 1 || n > kLastDriver) return fail(kFailureBadSource);
  release();
  std::vector<Camera> cameras = n == kCameraDriver ? ListCameras() : std::vector<Camera>{};
  if (cameras.empty()) return fail(kFailureNoCamera);
  if (!bind(CameraFor(cameras, cameraId_))) return fail(kFailureNoCamera);
  view_->setScaled(true);
  source_ = n;
  return true;
}

bool CameraDevice::bind(const std::string& cameraId) {
  auto camera = FindCamera(cameraId);
  if (!camera) return false;  // unplugged in the meantime
  cameraId_ = cameraId;
  auto chosen = modes_.find(cameraId);
  feed_ = LiveFeed::Acquire(cameraId, CameraMaker(cameraId),
                            chosen != modes_.end() ? chosen->second : camera->defaultMode, true);
  if (chosen != modes_.end()) feed_->setMode(chosen->second);
  ++feed_->viewers;
  microphone_ = camera->microphoneId.empty()
                    ? nullptr
                    : LiveFeed::Acquire(camera->microphoneId, MicrophoneMaker(camera->microphoneId), {}, false);
  if (view_) view_->display(feed_);
  return true;
}

void CameraDevice::release() {
  // A running capture keeps its own hold on the camera and finishes on its own.
  if (feed_) --feed_->viewers;
  feed_ = nullptr;
  microphone_ = nullptr;
  preview_ = false;
  if (view_) {
    view_->setPreview(false, -1);
    view_->display(nullptr);
  }
}

bool CameraDevice::ShowSourceDialog() {
  if (!view_ || !feed_) return fail(kFailureNoDialog);
  std::vector<Camera> cameras = ListCameras();
  std::vector<std::string> names;
  int current = -1, unshown = -1;
  for (const Camera& c : cameras) {
    if (c.id == cameraId_) current = int(names.size());
    const int others = LiveFeed::ViewersOf(c.id) - (c.id == cameraId_ ? 1 : 0);
    if (unshown < 0 && others == 0) unshown = int(names.size());
    names.push_back(c.name);
  }
  if (names.empty()) return fail(kFailureNoCamera);
  int chosen = unshown >= 0 ? unshown : std::max(current, 0);
  GstElement* controls = feed_->imageControls();
  auto alive = alive_;
  const bool accepted = RunSourceDialog(view_, names, chosen, controls);
  if (controls) gst_object_unref(controls);
  if (!*alive) return false;  // the device went away while its dialog was open
  if (accepted && feed_ && chosen >= 0 && chosen < int(cameras.size()) && cameras[chosen].id != cameraId_) {
    const bool preview = preview_;
    release();
    bind(cameras[chosen].id);
    SetPreview(preview, -1);
  }
  return true;
}

bool CameraDevice::ShowFormatDialog() {
  auto camera = feed_ ? FindCamera(cameraId_) : std::nullopt;
  if (!view_ || !camera) return fail(kFailureNoDialog);
  auto chosen = modes_.find(cameraId_);
  CameraMode mode = chosen != modes_.end() ? chosen->second : feed_->mode();
  auto alive = alive_;
  const bool accepted = RunFormatDialog(view_, camera->modes, mode);
  if (!*alive) return false;
  if (accepted) {
    modes_[camera->id] = mode;
    // While a recording takes this camera's frames, the new format waits for the next capture.
    if (feed_ && feed_->id() == camera->id) feed_->setMode(mode);
  }
  return true;
}

bool CameraDevice::ShowCompressionDialog() {
  auto alive = alive_;
  Compression chosen = compression_;
  const bool accepted = RunCompressionDialog(view_, chosen);
  if (!*alive) return false;
  if (accepted) compression_ = chosen;
  return true;
}

bool CameraDevice::SetPreview(bool on, int rateMs) {
  if (!view_) return fail(kFailureNoWindow);
  if (rateMs != -1) previewRateMs_ = rateMs;
  if (!feed_) return fail(kFailureNoCamera);
  preview_ = on;
  view_->setPreview(on, previewRateMs_);
  return true;
}

bool CameraDevice::StartCapture(bool useDefaults, const std::string& file, int framePeriodMs, bool confirmFirst,
                                bool leftButtonStops, bool rightButtonStops, int limitSeconds) {
  if (!view_) return fail(kFailureNoWindow, true);
  if (!file.empty()) {
    std::error_code ec;
    if (!std::filesystem::is_directory(NativePath(file).parent_path(), ec)) return fail(kFailureCannotCreate, true);
    captureFile_ = file;
  }
  if (!useDefaults) {
    CaptureSettings s = settings_;
    s.microSecPerFrame = framePeriodMs * 1000LL;
    s.confirmFirst = confirmFirst;
    s.background = true;
    s.abortLeftMouse = leftButtonStops;
    s.abortRightMouse = rightButtonStops;
    s.limitEnabled = limitSeconds != -1;
    s.timeLimit = limitSeconds;
    settings_ = s;
  }
  return startStreaming();
}

bool CameraDevice::startStreaming() {
  // Refused, not shown: the running capture goes on untouched.
  if (capture_) return fail(kFailureCaptureRunning);
  if (!feed_ || feed_->lost()) return fail(kFailureNoCamera, true);
  if (captureFile_.empty()) return fail(kFailureCannotCreate, true);
  if (settings_.microSecPerFrame <= 0) return fail(kFailureRecorder + std::string("frame period"), true);
  if (settings_.confirmFirst) {
    auto alive = alive_;
    const bool ok = RunConfirmCaptureDialog(view_);
    if (!*alive) return false;
    if (!ok) return fail(kFailureCancelled);
    if (capture_) return fail(kFailureCaptureRunning);
    if (!feed_) return fail(kFailureNoCamera, true);
  }
  if (auto chosen = modes_.find(cameraId_); chosen != modes_.end()) feed_->setMode(chosen->second);

  const long long limitMs = settings_.limitEnabled ? ScaledMilliseconds(settings_.timeLimit * 1000LL) : -1;
  CameraRecording::Settings recording{NativePath(captureFile_), settings_.microSecPerFrame,
                                      limitMs < 0 ? -1 : limitMs * 1000000LL, compression_};
  // Events name their recording, so a late event from an older file cannot end a newer capture.
  auto which = std::make_shared<CameraRecording*>(nullptr);
  CameraRecording::Events events;
  events.stopped = [this, which](const std::string& failure) { retire(*which, failure); };
  events.closed = [this, which](const std::string& failure) {
    retire(*which, failure);
    forget(*which);
  };
  std::string failure;
  capture_ = CameraRecording::Start(recording, feed_, settings_.captureAudio ? microphone_ : nullptr,
                                    std::move(events), failure);
  if (!capture_) return fail(failure, true);
  *which = capture_.get();
  shownFailure_.clear();
  view_->setFailure({});
  if (limitMs >= 0) limit_.start(int(limitMs));
  return true;
}

void CameraDevice::endCapture() {
  if (!capture_) return;
  limit_.stop();
  capture_->stop();
  finishing_.push_back(std::move(capture_));
}

void CameraDevice::retire(CameraRecording* recording, const std::string& failure) {
  if (capture_.get() == recording) endCapture();
  if (!failure.empty()) fail(failure, true);
}

void CameraDevice::forget(CameraRecording* recording) {
  // Deleted later: the recording is still inside its own event when it reports.
  QMetaObject::invokeMethod(
      &context_,
      [this, recording] {
        auto it = std::find_if(finishing_.begin(), finishing_.end(), [&](auto& r) { return r.get() == recording; });
        if (it != finishing_.end()) finishing_.erase(it);
      },
      Qt::QueuedConnection);
}

bool CameraDevice::SaveFrame(const std::string& file) {
  if (!view_) return fail(kFailureNoWindow);
  GstSample* frame = feed_ ? feed_->latestSample() : nullptr;
  if (!frame) return fail(kFailureNoFrame);
  const bool saved = SaveFrameAsBitmap(frame, NativePath(file));
  gst_sample_unref(frame);
  return saved ? true : fail(kFailureCannotSave);
}

bool CameraDevice::AbortCapture() {
  if (!view_) return fail(kFailureNoWindow);
  endCapture();
  return true;
}

}  // namespace vidmora
