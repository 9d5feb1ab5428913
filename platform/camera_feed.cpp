#include "platform/camera_feed.h"

#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/video/colorbalance.h>

#include "platform/gst_init.h"

namespace vidmora {

namespace {

// Feeds by id, so that a camera is opened once. GUI thread only.
std::map<std::string, std::weak_ptr<LiveFeed>>& Registry() {
  static auto* registry = new std::map<std::string, std::weak_ptr<LiveFeed>>;
  return *registry;
}

constexpr int kRetryMs = 500;

// Everything behind the source; the mode's caps pin the camera to the chosen mode.
std::string Tail(const CameraMode& mode, bool preview) {
  if (!preview) return "appsink name=frames sync=false max-buffers=16 drop=true";
  std::string tail =
      "capsfilter name=mode ! tee name=t"
      " t. ! queue leaky=downstream max-size-buffers=4 max-size-bytes=0 max-size-time=0"
      " ! appsink name=frames sync=false max-buffers=4 drop=true"
      " t. ! queue leaky=downstream max-size-buffers=1 max-size-bytes=0 max-size-time=0 ! ";
  if (mode.jpeg()) tail += "jpegdec ! ";
  tail += "videoconvert ! videoscale ! video/x-raw,format=BGRx,width=" + std::to_string(LiveFeed::kPreviewWidth) +
          ",height=" + std::to_string(LiveFeed::kPreviewHeight) +
          ",pixel-aspect-ratio=1/1 ! appsink name=preview sync=false max-buffers=1 drop=true";
  return tail;
}

}  // namespace

std::shared_ptr<LiveFeed> LiveFeed::Acquire(const std::string& id, Maker maker, const CameraMode& mode, bool preview) {
  EnsureGstreamer();
  auto& registry = Registry();
  if (auto it = registry.find(id); it != registry.end())
    if (auto feed = it->second.lock()) return feed;
  std::shared_ptr<LiveFeed> feed(new LiveFeed(id, std::move(maker), mode, preview));
  registry[id] = feed;
  feed->open();
  return feed;
}

LiveFeed::LiveFeed(std::string id, Maker maker, CameraMode mode, bool preview)
    : id_(std::move(id)), maker_(std::move(maker)), mode_(std::move(mode)), preview_(preview) {
  retry_.setInterval(kRetryMs);
  QObject::connect(&retry_, &QTimer::timeout, &gui_, [this] { open(); });
}

LiveFeed::~LiveFeed() {
  close();
  auto& registry = Registry();
  if (auto it = registry.find(id_); it != registry.end() && it->second.expired()) registry.erase(it);
  std::lock_guard lock(mutex_);
  if (latest_) gst_sample_unref(latest_);
}

void LiveFeed::open() {
  close();
  GstElement* source = maker_(mode_);
  if (!source) {  // not plugged in (yet)
    lost_ = true;
    retry_.start();
    return;
  }
  GError* error = nullptr;
  GstElement* tail = gst_parse_bin_from_description(Tail(mode_, preview_).c_str(), TRUE, &error);
  if (error) g_error_free(error);
  pipeline_ = gst_pipeline_new(nullptr);
  // Every pipeline runs on the monotonic system clock, so a camera's and a microphone's capture
  // times can be compared in a recording.
  GstClock* clock = gst_system_clock_obtain();
  gst_pipeline_use_clock(GST_PIPELINE(pipeline_), clock);
  gst_object_unref(clock);
  gst_bin_add(GST_BIN(pipeline_), source);
  if (tail) gst_bin_add(GST_BIN(pipeline_), tail);
  if (GstElement* filter = gst_bin_get_by_name(GST_BIN(pipeline_), "mode")) {
    GstCaps* caps = mode_.caps();
    g_object_set(filter, "caps", caps, nullptr);
    gst_caps_unref(caps);
    gst_object_unref(filter);
  }
  GstBus* bus = gst_element_get_bus(pipeline_);
  gst_bus_set_sync_handler(bus, reinterpret_cast<GstBusSyncHandler>(&LiveFeed::BusMessage), this, nullptr);
  gst_object_unref(bus);

  auto connect = [this](const char* name, GstFlowReturn (*fn)(GstAppSink*, gpointer)) {
    GstElement* sink = gst_bin_get_by_name(GST_BIN(pipeline_), name);
    if (!sink) return;
    GstAppSinkCallbacks callbacks{};
    callbacks.new_sample = fn;
    gst_app_sink_set_callbacks(GST_APP_SINK(sink), &callbacks, this, nullptr);
    gst_object_unref(sink);
  };
  connect("frames", [](GstAppSink* s, gpointer self) {
    static_cast<LiveFeed*>(self)->onFrame(s);
    return GST_FLOW_OK;
  });
  connect("preview", [](GstAppSink* s, gpointer self) {
    static_cast<LiveFeed*>(self)->onPreview(s);
    return GST_FLOW_OK;
  });

  if (!tail || !gst_element_link(source, tail) ||
      gst_element_set_state(pipeline_, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
    close();
    lost_ = true;
    retry_.start();
    return;
  }
  lost_ = false;
  retry_.stop();
}

void LiveFeed::close() {
  if (!pipeline_) return;
  // Joins the streaming threads: no frame or bus callback runs after this.
  gst_element_set_state(pipeline_, GST_STATE_NULL);
  GstBus* bus = gst_element_get_bus(pipeline_);
  gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
  gst_object_unref(bus);
  gst_object_unref(pipeline_);
  pipeline_ = nullptr;
}

bool LiveFeed::setMode(const CameraMode& mode) {
  if (mode == mode_) return true;
  if (hasListeners()) return false;
  mode_ = mode;
  {
    std::lock_guard lock(mutex_);
    if (latest_) gst_sample_unref(latest_);
    latest_ = nullptr;
  }
  open();
  return true;
}

int LiveFeed::BusMessage(void*, GstMessage* message, void* data) {
  auto* self = static_cast<LiveFeed*>(data);
  if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
    GError* error = nullptr;
    gst_message_parse_error(message, &error, nullptr);
    std::string text = error ? error->message : "source failed";
    if (error) g_error_free(error);
    QMetaObject::invokeMethod(&self->gui_, [self, text] { self->onError(text); }, Qt::QueuedConnection);
  }
  gst_message_unref(message);
  return GST_BUS_DROP;
}

void LiveFeed::onError(const std::string&) {
  if (!pipeline_ || lost_) return;
  close();
  lost_ = true;
  std::vector<std::function<void()>> lost;
  {
    std::lock_guard lock(mutex_);
    for (auto& [id, l] : listeners_)
      if (l.onLost) lost.push_back(l.onLost);
  }
  for (auto& fn : lost) fn();
  retry_.start();
}

void LiveFeed::fail(const std::string& why) {
  if (!pipeline_) return;
  GError* error = g_error_new_literal(GST_RESOURCE_ERROR, GST_RESOURCE_ERROR_READ, why.c_str());
  gst_element_post_message(pipeline_, gst_message_new_error(GST_OBJECT(pipeline_), error, why.c_str()));
  g_error_free(error);
}

int LiveFeed::ViewersOf(const std::string& id) {
  auto& registry = Registry();
  auto it = registry.find(id);
  auto feed = it == registry.end() ? nullptr : it->second.lock();
  return feed ? feed->viewers : 0;
}

void FailLiveFeed(const std::string& id, const std::string& why) {
  auto& registry = Registry();
  if (auto it = registry.find(id); it != registry.end())
    if (auto feed = it->second.lock()) feed->fail(why);
}

void LiveFeed::onFrame(GstAppSink* sink) {
  GstSample* sample = gst_app_sink_pull_sample(sink);
  if (!sample) return;
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  unsigned long long captured = GST_CLOCK_TIME_NONE;
  if (buffer && GST_BUFFER_PTS_IS_VALID(buffer)) {
    GstClockTime running =
        gst_segment_to_running_time(gst_sample_get_segment(sample), GST_FORMAT_TIME, GST_BUFFER_PTS(buffer));
    if (GST_CLOCK_TIME_IS_VALID(running)) captured = running + gst_element_get_base_time(GST_ELEMENT(sink));
  }
  std::lock_guard lock(mutex_);
  if (latest_) gst_sample_unref(latest_);
  latest_ = sample;
  if (captured != GST_CLOCK_TIME_NONE)
    for (auto& [id, l] : listeners_) l.onFrame(sample, captured);
}

void LiveFeed::onPreview(GstAppSink* sink) {
  GstSample* sample = gst_app_sink_pull_sample(sink);
  if (!sample) return;
  GstBuffer* buffer = gst_sample_get_buffer(sample);
  GstMapInfo map;
  if (buffer && gst_buffer_map(buffer, &map, GST_MAP_READ)) {
    // BGRx in memory is Qt's RGB32 on a little-endian machine.
    QImage picture = QImage(map.data, kPreviewWidth, kPreviewHeight, kPreviewWidth * 4, QImage::Format_RGB32).copy();
    gst_buffer_unmap(buffer, &map);
    std::lock_guard lock(mutex_);
    preview_picture_ = std::move(picture);
    ++previewSerial_;
  }
  gst_sample_unref(sample);
}

int LiveFeed::addListener(FrameListener onFrame, std::function<void()> onLost) {
  std::lock_guard lock(mutex_);
  listeners_[nextListener_] = {std::move(onFrame), std::move(onLost)};
  return nextListener_++;
}

void LiveFeed::removeListener(int id) {
  std::lock_guard lock(mutex_);
  listeners_.erase(id);
}

bool LiveFeed::hasListeners() const {
  std::lock_guard lock(mutex_);
  return !listeners_.empty();
}

GstSample* LiveFeed::latestSample() const {
  std::lock_guard lock(mutex_);
  return (latest_ && !lost_) ? gst_sample_ref(latest_) : nullptr;
}

bool LiveFeed::takePreview(QImage& picture, unsigned long long& serial) const {
  std::lock_guard lock(mutex_);
  if (previewSerial_ == serial || preview_picture_.isNull()) return false;
  picture = preview_picture_;
  serial = previewSerial_;
  return true;
}

GstElement* LiveFeed::imageControls() const {
  if (!pipeline_) return nullptr;
  return gst_bin_get_by_interface(GST_BIN(pipeline_), GST_TYPE_COLOR_BALANCE);
}

}  // namespace vidmora
