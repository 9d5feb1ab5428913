#pragma once
#include <QImage>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "platform/camera_mode.h"

typedef struct _GstElement GstElement;
typedef struct _GstSample GstSample;
typedef struct _GstMessage GstMessage;
typedef struct _GstAppSink GstAppSink;

namespace vidmora {

// One live source (a camera or a microphone), opened once and shared by every device and recording
// that uses it: source ! tee, with one branch handing every frame to the recordings and keeping the
// newest for snapshots, and, for cameras, one branch scaling pictures for the previews. When the
// source fails (unplugged), the feed reports itself lost and opens the source again as soon as it
// is back.
class LiveFeed {
 public:
  // Makes the source element for `mode`, or returns null while the source is not present.
  using Maker = std::function<GstElement*(const CameraMode& mode)>;
  // Called on a streaming thread with every frame and the monotonic clock time it was captured.
  using FrameListener = std::function<void(GstSample* sample, unsigned long long capturedNs)>;

  static constexpr int kPreviewWidth = 320;
  static constexpr int kPreviewHeight = 240;

  // The open feed of `id`, or a new one. `mode` only matters for cameras (`preview` true).
  static std::shared_ptr<LiveFeed> Acquire(const std::string& id, Maker maker, const CameraMode& mode, bool preview);
  ~LiveFeed();
  LiveFeed(const LiveFeed&) = delete;
  LiveFeed& operator=(const LiveFeed&) = delete;

  const std::string& id() const { return id_; }
  CameraMode mode() const { return mode_; }
  // Reopens the camera in another mode; refused (false) while a recording takes its frames.
  bool setMode(const CameraMode& mode);
  bool lost() const { return lost_; }

  // `onLost` runs on the GUI thread when the source fails. After removeListener returns, the
  // listener is never called again.
  int addListener(FrameListener onFrame, std::function<void()> onLost);
  void removeListener(int id);
  bool hasListeners() const;

  GstSample* latestSample() const;  // a new reference, or null before the first frame
  // The newest preview picture, if it is newer than `serial` (which it then updates).
  bool takePreview(QImage& picture, unsigned long long& serial) const;
  // The element with the camera's image controls (brightness, contrast, ...), or null; a new reference.
  GstElement* imageControls() const;

  int viewers = 0;  // devices showing this feed; GUI thread only
  static int ViewersOf(const std::string& id);

  // Makes the running source fail as an unplugged device does (tests).
  void fail(const std::string& why);

 private:
  LiveFeed(std::string id, Maker maker, CameraMode mode, bool preview);
  void open();
  void close();
  void onError(const std::string& text);
  void onFrame(GstAppSink* sink);
  void onPreview(GstAppSink* sink);
  static int BusMessage(void* bus, GstMessage* message, void* self);

  const std::string id_;
  const Maker maker_;
  CameraMode mode_;
  const bool preview_;
  GstElement* pipeline_ = nullptr;
  std::atomic<bool> lost_{false};
  QObject gui_;         // queued hand-overs to the GUI thread; dropped once the feed is gone
  QTimer retry_;        // while lost: looks for the source again

  mutable std::mutex mutex_;  // guards everything below
  struct Listener {
    FrameListener onFrame;
    std::function<void()> onLost;
  };
  std::map<int, Listener> listeners_;
  int nextListener_ = 1;
  GstSample* latest_ = nullptr;
  QImage preview_picture_;
  unsigned long long previewSerial_ = 0;
};

// Makes the open feed `id`, if any, fail as if its device were unplugged (tests).
void FailLiveFeed(const std::string& id, const std::string& why);

}  // namespace vidmora
