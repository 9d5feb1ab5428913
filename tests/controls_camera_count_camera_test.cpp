// Camera count on a synthetic camera with its real source dialogs: they keep a recording rotating,
// cancelling them holds nothing up, and the exit click leaves every file playable (temporary home).
// VIDMORA_TIME_SCALE=400 turns the 1201 s segment timer into about 3 s.
#include <QDialog>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

#include "platform/camera_device_factory.h"
#include "platform/camera_dialogs.h"
#include "support/file_checks.h"
#include "support/test_system.h"

namespace vidmora::test {
namespace {

namespace fs = std::filesystem;


class CameraCountOnACamera : public ::testing::Test {
 protected:
  static TestSystemOptions SyntheticCamera() {
    qputenv("VIDMORA_TEST_CAMERAS", "1");
    qputenv("VIDMORA_TIME_SCALE", "400");
    TestSystemOptions options;
    options.devices = CameraDeviceFactory();
    return options;
  }
  void TearDown() override {
    SetCameraDialogHook({});
    qunsetenv("VIDMORA_TIME_SCALE");
  }
  fs::path segment(const std::string& moment) const {
    return fs::path(t.home()) / "Vidmora" / "2012年12月17日" / ("(1)2012年12月17日" + moment + ".avi");
  }

  TestSystem t{SyntheticCamera()};
};

TEST_F(CameraCountOnACamera, SourceDialogsLetTheRecordingRotateAndTheExitFinalisesEveryFile) {
  const fs::path first = segment("19时38分41秒"), second = segment("19时58分41秒");
  bool rotatedDuringDialog = false;
  SetCameraDialogHook([&](QDialog& dialog) {
    // Slot 3's source dialog stays open until slot 1's timer has started its next segment.
    if (dialog.objectName() == "cameraSourceDialog" && t.sys().ui.caption(Window::Main, "摄像头数") == "3摄像头") {
      t.clock.now.minute += 20;
      rotatedDuringDialog = QTest::qWaitFor([&] { return fs::exists(second); }, 10000);
    }
    dialog.accept();
  });
  t.start();

  t.click("摄像头数");   // two cameras; 镜头1单选框 checked
  t.click("录像按钮1");  // records the checked slot 1
  ASSERT_TRUE(QTest::qWaitFor([&] { return fs::exists(first); }, 10000));
  t.click("摄像头数");   // three cameras: the dialog above
  EXPECT_TRUE(rotatedDuringDialog);
  EXPECT_EQ(t.sys().ui.caption(Window::Main, "摄像头数"), "4摄像头");
  t.click("摄像头数");   // four cameras
  QTest::qWait(1000);    // the running segment records a while

  t.click("摄像头数");   // exit
  EXPECT_EQ(t.exitCode(), 0);
  for (const fs::path& file : {first, second}) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return DecodedFrames(file) > 0; }, 10000)) << file << " is not playable";
  }
}

TEST_F(CameraCountOnACamera, CancelledSourceDialogsStillBringTheCamerasIn) {
  int cancelled = 0;
  SetCameraDialogHook([&](QDialog& dialog) {
    ++cancelled;
    dialog.reject();
  });
  t.start();
  Controls& ui = t.sys().ui;

  for (const char* next : {"3摄像头", "4摄像头", "退出"}) {
    t.click("摄像头数");
    EXPECT_EQ(ui.caption(Window::Main, "摄像头数"), next);
  }
  EXPECT_EQ(cancelled, 3);
  for (const char* device : {"视频设备2", "视频设备3", "视频设备4"}) EXPECT_TRUE(ui.visible(Window::Main, device));
  t.click("摄像头数");
  EXPECT_EQ(t.exitCode(), 0);
}

}  // namespace
}  // namespace vidmora::test
