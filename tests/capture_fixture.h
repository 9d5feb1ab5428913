#pragma once
// Shared by the capture tests: a temporary home directory, four synthetic cameras, a plain widget
// standing for each video device control, ffprobe, and answers for the driver dialogs.
#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "platform/camera_catalog.h"
#include "platform/camera_device.h"
#include "platform/camera_dialogs.h"
#include "platform/camera_device_factory.h"
#include "tests/support/file_checks.h"

namespace vidmora::test {

namespace fs = std::filesystem;


// What ffprobe finds when it reads a file to its end.
struct Probe {
  bool readable = false;
  long videoFrames = -1;
  long videoPackets = -1;  // chunks in the file, decodable or not
  std::string videoCodec, videoTag, audioCodec;
  int width = 0, height = 0;
};

// key=value lines of ffprobe for one stream kind ("v" or "a"), read through the whole file.
inline std::map<std::string, std::string> ProbeStream(const fs::path& file, const char* kind) {
  std::string out = CommandOutput(std::string("ffprobe -v error -count_frames -count_packets -select_streams ") + kind +
                        ":0 -show_entries stream=codec_name,codec_tag_string,width,height,nb_read_frames,nb_read_packets "
                        "-of default=noprint_wrappers=1 '" + file.string() + "' 2>&1");
  std::map<std::string, std::string> values;
  size_t pos = 0;
  while (pos < out.size()) {
    size_t end = out.find('\n', pos);
    if (end == std::string::npos) end = out.size();
    std::string line = out.substr(pos, end - pos);
    pos = end + 1;
    auto eq = line.find('=');
    if (eq == std::string::npos)
      values["error"] += line;
    else
      values[line.substr(0, eq)] = line.substr(eq + 1);
  }
  return values;
}

inline Probe ProbeFile(const fs::path& file) {
  Probe p;
  auto v = ProbeStream(file, "v");
  auto a = ProbeStream(file, "a");
  p.readable = !v.count("error") && !a.count("error") && v.count("codec_name");
  p.videoCodec = v["codec_name"];
  p.videoTag = v["codec_tag_string"];
  p.audioCodec = a["codec_name"];
  p.width = std::atoi(v["width"].c_str());
  p.height = std::atoi(v["height"].c_str());
  p.videoFrames = v.count("nb_read_frames") ? std::atol(v["nb_read_frames"].c_str()) : -1;
  p.videoPackets = v.count("nb_read_packets") ? std::atol(v["nb_read_packets"].c_str()) : -1;
  return p;
}

// The frame period in microseconds that the AVI main header states.
inline long AviMicroSecPerFrame(const fs::path& file) {
  std::string bytes = ReadFile(file);
  auto at = bytes.find("avih");
  if (at == std::string::npos || at + 12 > bytes.size()) return -1;
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at + 8);
  return long(p[0] | p[1] << 8 | p[2] << 16 | unsigned(p[3]) << 24);
}

// A temporary home directory, four synthetic cameras and up to four device controls.
class CaptureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    savedHome_ = qgetenv("HOME");
    qputenv("HOME", home_.path().toUtf8());
    qputenv("VIDMORA_TEST_CAMERAS", "4");
    qunsetenv("VIDMORA_TIME_SCALE");
    fs::create_directories(home() / "Vidmora" / "day");
    window_.resize(700, 600);
    window_.show();
  }
  void TearDown() override {
    SetCameraDialogHook({});
    devices_.clear();
    for (int n = 1; n <= 4; ++n) SetTestCameraPlugged(n, true);
    qputenv("HOME", savedHome_);
  }

  fs::path home() const { return fs::path(home_.path().toStdString()); }

  // A new device on its own 320x240 control, as the main window places them.
  CameraDevice& device() {
    auto* control = new QWidget(&window_);
    control->setGeometry(4 + 325 * int(devices_.size() % 2), 40 + 245 * int(devices_.size() / 2), 320, 240);
    control->show();
    controls_.push_back(control);
    devices_.push_back(CameraDeviceFactory()(*control));
    return static_cast<CameraDevice&>(*devices_.back());
  }
  // Bound to driver 1 and previewing at the program's rate.
  CameraDevice& previewing() {
    CameraDevice& d = device();
    EXPECT_TRUE(d.SelectSource(1));
    EXPECT_TRUE(d.SetPreview(true, 60));
    EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > 0; }));
    return d;
  }
  void destroy(CameraDevice& d) {
    for (auto& p : devices_)
      if (p.get() == &d) p.reset();
  }

  // The program's own arguments, on a file in the day folder.
  static bool Record(CameraDevice& d, const std::string& name, int limitSeconds = 1200) {
    return d.StartCapture(false, "d:\\Vidmora\\day\\" + name, 66, false, false, false, limitSeconds);
  }
  fs::path recording(const std::string& name) const { return home() / "Vidmora" / "day" / name; }

  // Every dialog that opens from now on gets `answer`; `opened` counts them.
  void answerDialogs(std::function<void(QDialog&)> answer) {
    SetCameraDialogHook([this, answer](QDialog& d) {
      ++dialogsOpened;
      answer(d);
    });
  }
  int dialogsOpened = 0;

  QWidget window_;

 private:
  QTemporaryDir home_;
  QByteArray savedHome_;
  std::vector<QWidget*> controls_;
  std::vector<std::unique_ptr<VideoDevice>> devices_;
};

}  // namespace vidmora::test
