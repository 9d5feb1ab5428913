// The capture devices inside the running program: four synthetic cameras, the real windows and
// handlers, real files in a temporary home.
#include <QDialog>

#include "capture/camera_slots.h"
#include "platform/camera_view.h"
#include "support/test_system.h"
#include "tests/capture_fixture.h"

namespace vidmora::test {
namespace {

CameraDevice& SlotDevice(TestSystem& app, int slot) {
  return dynamic_cast<CameraDevice&>(Device(app.sys(), slot));
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    qputenv("VIDMORA_TEST_CAMERAS", "4");
    SetCameraDialogHook([](QDialog& dialog) { dialog.accept(); });
    TestSystemOptions options;
    options.devices = CameraDeviceFactory();
    app = std::make_unique<TestSystem>(options);
    app->start();
  }
  void TearDown() override {
    app.reset();
    SetCameraDialogHook({});
  }
  std::unique_ptr<TestSystem> app;
};

TEST_F(ProgramTest, EachRevealedSlotShowsItsOwnMovingCamera) {
  CameraDevice& one = SlotDevice(*app, 1);
  ASSERT_TRUE(WaitFor([&] { return one.view()->framesShown() > 2; }));
  for (int i = 0; i < 3; ++i) app->click("摄像头数");
  for (int slot = 1; slot <= 4; ++slot) {
    SCOPED_TRACE(slot);
    CameraDevice& d = SlotDevice(*app, slot);
    EXPECT_EQ(d.camera(), "test:" + std::to_string(slot));
    const long long shown = d.view()->framesShown();
    EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > shown + 2; }));
  }
}

TEST_F(ProgramTest, EndingTheProgramWhileRecordingLeavesACompleteFile) {
  for (int i = 0; i < 3; ++i) app->click("摄像头数");  // all four in view; the button reads "退出"
  app->click("停止按钮");                              // enables Record again
  app->click("录像按钮");
  CameraDevice& one = SlotDevice(*app, 1);
  ASSERT_TRUE(one.capturing());
  QTest::qWait(800);
  app->click("摄像头数");  // "退出": aborts 3, 4, 2, 1 and ends the program
  EXPECT_EQ(app->exitCode(), 0);
  const fs::path file = fs::path(app->home()) / "Vidmora" / "2012年12月17日" / "(1)2012年12月17日19时38分41秒.avi";
  // The devices are gone with the windows; their files were completed on the way.
  Probe p = ProbeFile(file);
  EXPECT_TRUE(p.readable);
  EXPECT_GE(p.videoFrames, 5);
  EXPECT_FALSE(p.audioCodec.empty());
}

}  // namespace
}  // namespace vidmora::test
