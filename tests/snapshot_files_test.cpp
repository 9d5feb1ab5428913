// Snapshots end to end: the real window, synthetic cameras, real BMP files in a temporary home.
#include <QDialog>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <fstream>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iterator>
#include <memory>
#include <string>

#include "capture/camera_slots.h"
#include "platform/camera_device.h"
#include "platform/camera_device_factory.h"
#include "platform/camera_dialogs.h"
#include "support/file_checks.h"
#include "support/test_system.h"

namespace vidmora {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TestSystem;
using test::WaitFor;
using ::testing::StartsWith;

// What ffprobe makes of a picture: "bmp,640,480", or its complaint.
std::string ProbePicture(const fs::path& file) {
  std::string out = test::CommandOutput("ffprobe -v error -show_entries stream=codec_name,width,height -of csv=p=0 '" +
                                        file.string() + "' 2>&1");
  while (!out.empty() && out.back() == '\n') out.pop_back();
  return out;
}

TestSystem* StartOnSyntheticCameras() {
  qputenv("VIDMORA_TEST_CAMERAS", "2");
  SetCameraDialogHook([](QDialog& dialog) { dialog.accept(); });
  test::TestSystemOptions options;
  options.devices = CameraDeviceFactory();
  return new TestSystem(options);
}

class SnapshotFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app->start();
    waitForPicture(1);
  }
  void TearDown() override {
    app.reset();
    SetCameraDialogHook({});
  }
  void waitForPicture(int slot) {
    auto* camera = dynamic_cast<CameraDevice*>(&Device(app->sys(), slot));
    ASSERT_NE(camera, nullptr);
    ASSERT_TRUE(WaitFor([&] { return camera->view() && camera->view()->framesShown() > 0; }, 10000));
  }
  fs::path picture(const std::string& name) const {
    return fs::path(app->home()) / "摄像头拍照" / "2012年12月17日" / name;
  }

  std::unique_ptr<TestSystem> app{StartOnSyntheticCameras()};
};

TEST_F(SnapshotFilesTest, TwoClicksInOneSecondKeepBothPictures) {
  const fs::path first = picture("(1)2012年12月17日19时38分41秒.bmp");
  app->click("拍照按钮");
  const std::string firstBytes = ReadFile(first);
  app->click("拍照按钮");

  EXPECT_THAT(ProbePicture(first), StartsWith("bmp,"));
  EXPECT_EQ(ReadFile(first), firstBytes) << "the second click wrote over the first picture";
  EXPECT_THAT(ProbePicture(picture("(1)2012年12月17日19时38分41秒_2.bmp")), StartsWith("bmp,"));
}

TEST_F(SnapshotFilesTest, TheWidenedWindowSavesBothCamerasInView) {
  app->click("摄像头数");  // brings in slot 2
  waitForPicture(2);
  app->clock.now.second = 50;
  app->click("拍照按钮");

  EXPECT_THAT(ProbePicture(picture("(1)2012年12月17日19时38分50秒.bmp")), StartsWith("bmp,"));
  EXPECT_THAT(ProbePicture(picture("(2)2012年12月17日19时38分50秒.bmp")), StartsWith("bmp,"));
}

}  // namespace
}  // namespace vidmora
