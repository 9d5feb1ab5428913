#include "platform/camera_recording.h"

#include <gst/app/gstappsrc.h>
#include <gst/audio/audio.h>
#include <gst/gst.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <numeric>
#include <set>

#include "platform/camera_avi_fourcc.h"
#include "platform/camera_failures.h"
#include "platform/camera_feed.h"
#include "platform/camera_files.h"
#include "platform/gst_init.h"

namespace vidmora {

namespace {

// Room kept free on the disk so that the muxer can still write its index when a recording ends
// because the disk is filling up: a fixed margin, the frames still on their way, and 32 bytes of
// index per chunk written so far.
constexpr unsigned long long kReserveBytes = 4ull << 20;
constexpr int kFramesInFlight = 40;
constexpr auto kCloseWait = std::chrono::seconds(5);

unsigned long long Now() {
  GstClock* clock = gst_system_clock_obtain();
  GstClockTime now = gst_clock_get_time(clock);
  gst_object_unref(clock);
  return now;
}

std::string Description(const CameraRecording::Settings& s, bool cameraSendsJpeg, bool sound, int fd) {
  const std::string queue = " ! queue max-size-time=1000000000 max-size-bytes=0 max-size-buffers=0";
  // Frames a busy machine drops never shorten the file: videorate and audiorate fill the gaps, so
  // pictures and sound stay in step. Pads are named explicitly: with pass-through frames the
  // muxer cannot tell video from sound by caps yet.
  std::string d = "avimux name=mux bigfile=true ! fdsink name=sink sync=false fd=" + std::to_string(fd) +
                  " appsrc name=video format=time is-live=true block=false leaky-type=upstream max-buffers=0 "
                  "max-bytes=0 max-time=2000000000 ! videorate ! " + s.compression.chain(cameraSendsJpeg) + queue + " ! mux.video_%u";
  if (sound)
    d += " appsrc name=audio format=time is-live=true block=false leaky-type=upstream max-buffers=0 max-bytes=0 "
         "max-time=2000000000 ! audiorate ! audioconvert ! audio/x-raw,format=S16LE" + queue + " ! mux.audio_%u";
  return d;
}

// The recordings that have started and not been destroyed yet, for FinishAll.
std::mutex liveMutex;
std::set<CameraRecording*> live;

}  // namespace

void CameraRecording::FinishAll() {
  std::set<CameraRecording*> running;
  {
    std::lock_guard lock(liveMutex);
    running = live;
  }
  for (CameraRecording* r : running) r->finishNow();
}

std::unique_ptr<CameraRecording> CameraRecording::Start(const Settings& settings, std::shared_ptr<LiveFeed> camera,
                                                        std::shared_ptr<LiveFeed> microphone, Events events,
                                                        std::string& failure) {
  EnsureGstreamer();
  if (!camera || camera->lost()) {
    failure = kFailureNoCamera;
    return nullptr;
  }
  int fd = CreateNewFile(settings.file);
  if (fd < 0) {
    failure = errno == EEXIST ? kFailureFileExists : kFailureCannotCreate;
    return nullptr;
  }
  if (FreeBytes(fd) < 2 * kReserveBytes) {
    ::close(fd);
    ::unlink(settings.file.c_str());
    failure = kFailureDiskFull;
    return nullptr;
  }
  if (microphone && microphone->lost()) microphone = nullptr;
  std::unique_ptr<CameraRecording> r(
      new CameraRecording(settings, std::move(camera), std::move(microphone), std::move(events), fd));
  if (!r->build(failure)) {
    r->closed_ = true;  // nothing to finalise: no frame was taken
    r.reset();          // closes the pipeline and the descriptor
    ::unlink(settings.file.c_str());
    return nullptr;
  }
  static std::once_flag atExit;
  std::call_once(atExit, [] { std::atexit(&CameraRecording::FinishAll); });
  std::lock_guard lock(liveMutex);
  live.insert(r.get());
  return r;
}

CameraRecording::CameraRecording(Settings settings, std::shared_ptr<LiveFeed> camera,
                                 std::shared_ptr<LiveFeed> microphone, Events events, int fd)
    : settings_(std::move(settings)),
      camera_(std::move(camera)),
      microphone_(std::move(microphone)),
      events_(std::move(events)),
      fd_(fd) {}

bool CameraRecording::build(std::string& failure) {
  GError* error = nullptr;
  pipeline_ = gst_parse_launch(Description(settings_, camera_->mode().jpeg(), microphone_ != nullptr, fd_).c_str(),
                               &error);
  if (error) {
    failure = std::string(kFailureRecorder) + error->message;
    g_error_free(error);
    if (pipeline_) gst_object_unref(pipeline_);
    pipeline_ = nullptr;
    return false;
  }
  GstClock* clock = gst_system_clock_obtain();
  gst_pipeline_use_clock(GST_PIPELINE(pipeline_), clock);
  gst_object_unref(clock);
  video_ = gst_bin_get_by_name(GST_BIN(pipeline_), "video");
  audio_ = gst_bin_get_by_name(GST_BIN(pipeline_), "audio");

  GstBus* bus = gst_element_get_bus(pipeline_);
  gst_bus_set_sync_handler(bus, reinterpret_cast<GstBusSyncHandler>(&CameraRecording::BusMessage), this, nullptr);
  gst_object_unref(bus);

  GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline_), "sink");
  GstPad* pad = gst_element_get_static_pad(sink, "sink");
  gst_pad_add_probe(
      pad, GST_PAD_PROBE_TYPE_BUFFER,
      [](GstPad*, GstPadProbeInfo* info, gpointer self) {
        static_cast<CameraRecording*>(self)->onWritten(gst_buffer_get_size(GST_PAD_PROBE_INFO_BUFFER(info)));
        return GST_PAD_PROBE_OK;
      },
      this, nullptr);
  gst_object_unref(pad);
  gst_object_unref(sink);

  startNs_ = Now();
  if (gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
    failure = std::string(kFailureRecorder) + "pipeline did not start";
    return false;
  }
  primeFromNewestSamples();
  cameraListener_ = camera_->addListener([this](GstSample* s, unsigned long long t) { onVideo(s, t); },
                                         [this] { stop(kFailureCameraLost); });
  if (microphone_)
    microphoneListener_ = microphone_->addListener(
        [this](GstSample* s, unsigned long long t) { onAudio(s, t); },
        // Without its microphone the recording goes on with pictures only.
        [this] {
          std::lock_guard lock(mutex_);
          if (!stopped_) gst_app_src_end_of_stream(GST_APP_SRC(audio_));
        });
  return true;
}

void CameraRecording::finishNow() {
  if (!pipeline_ || closed_) return;
  {
    std::lock_guard lock(mutex_);
    if (!stopped_) endLocked(Now() - startNs_, {});
  }
  unsubscribe();
  std::unique_lock lock(doneMutex_);
  doneChanged_.wait_for(lock, kCloseWait, [this] { return done_; });
  if (completed_ && settings_.compression.kind == Compression::Mpeg4) LabelMpeg4AsXvid(fd_);
}

CameraRecording::~CameraRecording() {
  {
    std::lock_guard lock(liveMutex);
    live.erase(this);
  }
  finishNow();
  unsubscribe();
  if (pipeline_) {
    gst_element_set_state(pipeline_, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(pipeline_);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
  }
  if (video_) gst_object_unref(video_);
  if (audio_) gst_object_unref(audio_);
  if (pipeline_) gst_object_unref(pipeline_);
  if (last_) gst_buffer_unref(last_);
  if (fd_ >= 0) ::close(fd_);
}

void CameraRecording::unsubscribe() {
  if (cameraListener_) camera_->removeListener(cameraListener_);
  if (microphoneListener_) microphone_->removeListener(microphoneListener_);
  cameraListener_ = microphoneListener_ = 0;
}

void CameraRecording::stop(const std::string& failure) {
  {
    std::lock_guard lock(mutex_);
    if (!stopped_) endLocked(Now() - startNs_, failure);
  }
  unsubscribe();
}

void CameraRecording::stopAtLimit() {
  {
    std::lock_guard lock(mutex_);
    if (!stopped_) endLocked(settings_.limitNs >= 0 ? settings_.limitNs : Now() - startNs_, {});
  }
  unsubscribe();
}

void CameraRecording::onVideo(GstSample* sample, unsigned long long capturedNs) {
  std::lock_guard lock(mutex_);
  if (stopped_) return;
  long long t = (long long)(capturedNs - startNs_);
  if (capturedNs < startNs_) return;  // taken before the capture started
  adoptVideo(sample);
  pushSlotsUntil(t, true);
  if (settings_.limitNs >= 0 && slotTime(nextSlot_) >= settings_.limitNs) {
    endLocked(settings_.limitNs, {});
  }
}

void CameraRecording::adoptVideo(GstSample* sample) {
  if (!videoCaps_) {
    GstCaps* caps = gst_caps_copy(gst_sample_get_caps(sample));
    long long g = std::gcd(1000000ll, settings_.framePeriodUs);
    gst_caps_set_simple(caps, "framerate", GST_TYPE_FRACTION, int(1000000 / g), int(settings_.framePeriodUs / g),
                        nullptr);
    gst_app_src_set_caps(GST_APP_SRC(video_), caps);
    gst_caps_unref(caps);
    videoCaps_ = true;
  }
  if (last_) gst_buffer_unref(last_);
  last_ = gst_buffer_ref(gst_sample_get_buffer(sample));
  lastFresh_ = true;
}

bool CameraRecording::adoptAudioCaps(GstSample* sample) {
  if (audioCaps_) return true;
  GstAudioInfo info;
  if (!gst_audio_info_from_caps(&info, gst_sample_get_caps(sample))) return false;
  audioBytesPerFrame_ = GST_AUDIO_INFO_BPF(&info);
  audioRate_ = GST_AUDIO_INFO_RATE(&info);
  gst_app_src_set_caps(GST_APP_SRC(audio_), gst_sample_get_caps(sample));
  audioCaps_ = true;
  return true;
}

void CameraRecording::primeFromNewestSamples() {
  // Called before the listeners are added: the feeds call them under their own lock, so their
  // newest samples are fetched here rather than while this recording's lock is held.
  GstSample* picture = camera_->latestSample();
  GstSample* sound = microphone_ ? microphone_->latestSample() : nullptr;
  std::lock_guard lock(mutex_);
  if (picture) adoptVideo(picture);
  if (sound && audio_) adoptAudioCaps(sound);
  if (picture) gst_sample_unref(picture);
  if (sound) gst_sample_unref(sound);
}

void CameraRecording::pushSlotsUntil(long long endNs, bool inclusive) {
  while (last_ && (inclusive ? slotTime(nextSlot_) <= endNs : slotTime(nextSlot_) < endNs) &&
         (settings_.limitNs < 0 || slotTime(nextSlot_) < settings_.limitNs)) {
    GstBuffer* copy = gst_buffer_copy(last_);
    GST_BUFFER_PTS(copy) = slotTime(nextSlot_);
    GST_BUFFER_DTS(copy) = GST_CLOCK_TIME_NONE;
    GST_BUFFER_DURATION(copy) = settings_.framePeriodUs * 1000;
    gst_app_src_push_buffer(GST_APP_SRC(video_), copy);
    if (!lastFresh_) ++repeated_;
    lastFresh_ = false;
    ++written_;
    ++nextSlot_;
  }
}

void CameraRecording::onAudio(GstSample* sample, unsigned long long capturedNs) {
  std::lock_guard lock(mutex_);
  if (stopped_) return;
  if (!adoptAudioCaps(sample)) return;
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  const long long t = (long long)capturedNs - (long long)startNs_;
  const gsize size = gst_buffer_get_size(buffer);
  const long long duration = (long long)(size / audioBytesPerFrame_) * GST_SECOND / audioRate_;
  if (t + duration <= 0) return;
  if (settings_.limitNs >= 0 && t >= settings_.limitNs) return;
  gsize skip = 0;
  if (t < 0) skip = gsize((-t) * audioRate_ / (long long)GST_SECOND) * audioBytesPerFrame_;  // sound from before the start
  if (skip >= size) return;
  GstBuffer* part = gst_buffer_copy_region(buffer, GST_BUFFER_COPY_ALL, skip, size - skip);
  GST_BUFFER_PTS(part) = t < 0 ? 0 : t;
  GST_BUFFER_DTS(part) = GST_CLOCK_TIME_NONE;
  GST_BUFFER_DURATION(part) = (long long)((size - skip) / audioBytesPerFrame_) * GST_SECOND / audioRate_;
  gst_app_src_push_buffer(GST_APP_SRC(audio_), part);
}

void CameraRecording::onWritten(unsigned long long bytes) {
  std::lock_guard lock(mutex_);
  ++chunks_;
  largestChunk_ = std::max(largestChunk_, bytes);
  if (stopped_) return;
  const unsigned long long reserve = kReserveBytes + kFramesInFlight * largestChunk_ + 32 * chunks_;
  if (FreeBytes(fd_) < reserve) endLocked(Now() - startNs_, kFailureDiskFull);
}

void CameraRecording::endLocked(long long endNs, const std::string& failure) {
  stopped_ = true;
  if (failure_.empty()) failure_ = failure;
  // The last picture fills the slots up to the end, so the file lasts as long as the capture did.
  pushSlotsUntil(endNs, false);
  gst_app_src_end_of_stream(GST_APP_SRC(video_));
  if (audio_) gst_app_src_end_of_stream(GST_APP_SRC(audio_));
  QMetaObject::invokeMethod(&gui_, [this] { onStopped(); }, Qt::QueuedConnection);
}

void CameraRecording::onStopped() {
  unsubscribe();
  if (stoppedReported_) return;
  stoppedReported_ = true;
  std::string failure;
  {
    std::lock_guard lock(mutex_);
    failure = failure_;
  }
  if (events_.stopped) events_.stopped(failure);
}

int CameraRecording::BusMessage(void*, GstMessage* message, void* data) {
  auto* self = static_cast<CameraRecording*>(data);
  const auto type = GST_MESSAGE_TYPE(message);
  if (type == GST_MESSAGE_EOS || type == GST_MESSAGE_ERROR) {
    std::string error;
    if (type == GST_MESSAGE_ERROR) {
      GError* e = nullptr;
      gst_message_parse_error(message, &e, nullptr);
      error = e ? e->message : "error";
      if (e) g_error_free(e);
    }
    {
      std::lock_guard lock(self->doneMutex_);
      self->done_ = true;
      self->completed_ = type == GST_MESSAGE_EOS;
    }
    self->doneChanged_.notify_all();
    QMetaObject::invokeMethod(&self->gui_, [self, error] { self->onBusEnd(error); }, Qt::QueuedConnection);
  }
  gst_message_unref(message);
  return GST_BUS_DROP;
}

void CameraRecording::onBusEnd(const std::string& error) {
  if (closed_) return;
  std::string failure;
  {
    std::lock_guard lock(mutex_);
    if (!error.empty() && failure_.empty()) failure_ = kFailureRecorder + error;
    if (!stopped_) endLocked(Now() - startNs_, failure_);
    failure = failure_;
  }
  unsubscribe();
  gst_element_set_state(pipeline_, GST_STATE_NULL);
  if (error.empty() && settings_.compression.kind == Compression::Mpeg4) LabelMpeg4AsXvid(fd_);
  ::close(fd_);
  fd_ = -1;
  closed_ = true;
  if (events_.closed) events_.closed(failure);
}

}  // namespace vidmora
