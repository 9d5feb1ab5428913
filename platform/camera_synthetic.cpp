#include "platform/camera_synthetic.h"

#include <gst/gst.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <string>

namespace vidmora {

namespace {

std::array<std::atomic<bool>, 5> unplugged{};

int RequestedCount() {
  const char* text = std::getenv("VIDMORA_TEST_CAMERAS");
  if (!text || !*text) return 0;
  char* end = nullptr;
  long n = std::strtol(text, &end, 10);
  return (*end == '\0' && n >= 1 && n <= 4) ? int(n) : 0;
}

// Each camera shows its own pattern; the clock and running time make every frame differ.
const char* const kPatterns[] = {"smpte", "ball", "pinwheel", "checkers-8"};

std::vector<CameraMode> Modes() {
  std::vector<CameraMode> modes;
  for (auto [w, h] : {std::pair{320, 240}, {640, 480}, {1280, 720}})
    for (const char* format : {"YUY2", "MJPG"}) modes.push_back({w, h, format, 30, 1});
  return modes;
}

GstElement* MakeSource(int number, const CameraMode& mode) {
  std::string desc = "videotestsrc is-live=true pattern=" + std::string(kPatterns[number - 1]) +
                     " ! video/x-raw,width=" + std::to_string(mode.width) + ",height=" + std::to_string(mode.height) +
                     ",framerate=30/1 ! videobalance name=balance"
                     " ! clockoverlay halignment=left valignment=top time-format=\"%H:%M:%S\" font-desc=\"Sans 14\""
                     " text=\"CAM " + std::to_string(number) + "\""
                     " ! timeoverlay halignment=right valignment=bottom font-desc=\"Sans 10\" ! videoconvert";
  // A caps filter ends the bin: a caps string there would have nothing to link to.
  desc += mode.jpeg() ? " ! jpegenc quality=85" : " ! capsfilter caps=video/x-raw,format=" + mode.format;
  GError* error = nullptr;
  GstElement* bin = gst_parse_bin_from_description(desc.c_str(), TRUE, &error);
  if (error) g_error_free(error);
  if (bin) gst_element_set_name(bin, "camera");
  return bin;
}

GstElement* MakeMicrophone(int number) {
  std::string desc = "audiotestsrc is-live=true wave=sine volume=0.05 samplesperbuffer=2205 freq=" +
                     std::to_string(330 + 110 * number) + " ! capsfilter caps=audio/x-raw,format=S16LE,rate=44100,channels=1";
  GError* error = nullptr;
  GstElement* bin = gst_parse_bin_from_description(desc.c_str(), TRUE, &error);
  if (error) g_error_free(error);
  if (bin) gst_element_set_name(bin, "microphone");
  return bin;
}

}  // namespace

bool SyntheticCameraPlugged(int number) { return number >= 1 && number <= 4 && !unplugged[number]; }

void SetSyntheticCameraPlugged(int number, bool plugged) {
  if (number >= 1 && number <= 4) unplugged[number] = !plugged;
}

std::vector<Camera> SyntheticCameras() {
  std::vector<Camera> cameras;
  const int count = RequestedCount();
  for (int n = 1; n <= count; ++n) {
    if (!SyntheticCameraPlugged(n)) continue;
    Camera c;
    c.id = "test:" + std::to_string(n);
    c.name = "Test camera " + std::to_string(n);
    c.modes = Modes();
    c.defaultMode = {640, 480, "YUY2", 30, 1};
    c.makeSource = [n](const CameraMode& mode) { return MakeSource(n, mode); };
    c.microphoneId = "test-microphone:" + std::to_string(n);
    c.makeMicrophone = [n] { return MakeMicrophone(n); };
    cameras.push_back(std::move(c));
  }
  return cameras;
}

}  // namespace vidmora
