#pragma once
#include <QObject>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/camera_compression.h"

typedef struct _GstElement GstElement;
typedef struct _GstSample GstSample;
typedef struct _GstBuffer GstBuffer;
typedef struct _GstMessage GstMessage;

namespace vidmora {

class LiveFeed;

// One capture into one AVI file: its own pipeline (frames in, compressor, AVI muxer with OpenDML,
// file), fed from the camera's and the microphone's live feeds, so that a failing file never
// stops a preview. Frames are stamped at the requested period from 0, taking for each slot the
// first camera frame at or after it; sound keeps the capture times, so both stay in step.
class CameraRecording {
 public:
  struct Settings {
    std::filesystem::path file;
    long long framePeriodUs = 66000;
    long long limitNs = -1;  // -1: no time limit
    Compression compression;
  };
  // Both run on the GUI thread, once each: `stopped` when the recording takes no more frames
  // (stop, time limit, disk full, camera lost), `closed` when the file is complete. The text is
  // empty unless the recording failed.
  struct Events {
    std::function<void(const std::string& failure)> stopped;
    std::function<void(const std::string& failure)> closed;
  };

  // Creates the file (never over an existing one) and starts; null with `failure` set when it cannot.
  static std::unique_ptr<CameraRecording> Start(const Settings& settings, std::shared_ptr<LiveFeed> camera,
                                                std::shared_ptr<LiveFeed> microphone, Events events,
                                                std::string& failure);
  // A recording that still runs is ended and its file finalised, waiting a bounded time.
  ~CameraRecording();

  // Ends every recording that still runs and waits (a bounded time) until its file is complete.
  // Runs at exit: when the display connection breaks, the toolkit ends the process without
  // destroying the windows, and the recordings would be cut off without their index.
  static void FinishAll();

  // Ends the recording now; the file is finalised in the background.
  void stop(const std::string& failure = {});
  // Ends it at its time limit: the file lasts exactly as long as the limit, even when the GUI's
  // timer fired a little early or late.
  void stopAtLimit();
  bool closed() const { return closed_; }
  const std::filesystem::path& file() const { return settings_.file; }

  // For the benchmark: frame slots written, and those that repeated a picture because the camera was late.
  long long framesWritten() const { return written_; }
  long long framesRepeated() const { return repeated_; }

 private:
  CameraRecording(Settings settings, std::shared_ptr<LiveFeed> camera, std::shared_ptr<LiveFeed> microphone,
                  Events events, int fd);
  bool build(std::string& failure);
  void onVideo(GstSample* sample, unsigned long long capturedNs);
  void onAudio(GstSample* sample, unsigned long long capturedNs);
  // Take the stream formats (and, for the picture, the newest frame) from a sample; mutex_ held.
  void adoptVideo(GstSample* sample);
  bool adoptAudioCaps(GstSample* sample);
  // Gives the file its picture and sound formats before the first new frame arrives, so that a
  // capture stopped at once still makes a playable file.
  void primeFromNewestSamples();
  void onWritten(unsigned long long bytes);
  void pushSlotsUntil(long long endNs, bool inclusive);
  void endLocked(long long endNs, const std::string& failure);
  void onStopped();
  void onBusEnd(const std::string& error);
  void unsubscribe();
  // Ends the recording and waits, a bounded time, until its file is complete.
  void finishNow();
  long long slotTime(long long slot) const { return slot * settings_.framePeriodUs * 1000; }
  static int BusMessage(void* bus, GstMessage* message, void* self);

  const Settings settings_;
  std::shared_ptr<LiveFeed> camera_;
  std::shared_ptr<LiveFeed> microphone_;
  Events events_;
  int fd_;
  GstElement* pipeline_ = nullptr;
  GstElement* video_ = nullptr;  // appsrc
  GstElement* audio_ = nullptr;  // appsrc, null without a microphone
  unsigned long long startNs_ = 0;
  int cameraListener_ = 0;
  int microphoneListener_ = 0;
  bool closed_ = false;
  bool stoppedReported_ = false;
  QObject gui_;

  std::mutex mutex_;  // guards the frame state below
  bool stopped_ = false;
  std::string failure_;
  bool videoCaps_ = false;
  bool audioCaps_ = false;
  int audioBytesPerFrame_ = 0;
  int audioRate_ = 0;
  GstBuffer* last_ = nullptr;
  bool lastFresh_ = false;
  long long nextSlot_ = 0;
  unsigned long long chunks_ = 0;
  unsigned long long largestChunk_ = 0;
  std::atomic<long long> written_{0};
  std::atomic<long long> repeated_{0};

  std::mutex doneMutex_;
  std::condition_variable doneChanged_;
  bool done_ = false;         // EOS or error reached the end of the pipeline
  bool completed_ = false;    // it was EOS: the file is complete
};

}  // namespace vidmora
