// The camera-count button on the real main window: four clicks from one camera to the end.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/test_system.h"

namespace vidmora::test {
namespace {

const char* const kRadios[] = {"镜头1单选框", "镜头2单选框", "镜头3单选框", "镜头4单选框"};
const char* const kDevices[] = {"视频设备1", "视频设备2", "视频设备3", "视频设备4"};

QPoint CentredTopLeft(int width, int height) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {(screen.width() - width) / 2, (screen.height() - height) / 2};
}

// The client area shows the frames of the cameras in view whole: the left frames end at x = 324,
// the right ones at x = 649, the upper ones at y = 280 and the lower ones at y = 525.
void ExpectClientAreaShows(const QWidget& window, int cameras) {
  EXPECT_GE(window.width(), cameras >= 2 ? 650 : 325);
  EXPECT_GE(window.height(), cameras >= 3 ? 526 : 281);
}

class CameraCount : public ::testing::Test {
 protected:
  void SetUp() override {
    t.start();
    t.calls.clear();
  }
  Controls& ui() { return t.sys().ui; }
  QWidget& window() { return *t.widget(Window::Main, ""); }
  std::string count() { return ui().caption(Window::Main, "摄像头数"); }

  TestSystem t;
};

// One row per click: what the window looks like afterwards and which capture calls it made, in order.
struct Step {
  const char* captionAfter;
  int width, height;
  int camerasShown;  // video devices 1..n shown, radio buttons 1..n shown (none at start-up)
  std::vector<std::string> calls;
};

TEST_F(CameraCount, ThreeClicksBringInTheCamerasOneByOne) {
  const Step steps[] = {
      {"3摄像头", 660, 316, 2, {"2:SelectSource(1)", "2:SetPreview(true,60)", "2:ShowSourceDialog()"}},
      {"4摄像头", 660, 562, 3, {"3:SelectSource(1)", "3:ShowSourceDialog()", "3:SetPreview(true,60)"}},
      {"退出", 660, 562, 4, {"4:SelectSource(1)", "4:ShowSourceDialog()", "4:SetPreview(true,60)"}},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.captionAfter);
    t.calls.clear();
    t.click("摄像头数");

    EXPECT_EQ(count(), step.captionAfter);
    EXPECT_EQ(t.calls, step.calls);
    EXPECT_EQ(ui().width(Window::Main), step.width);
    EXPECT_EQ(ui().height(Window::Main), step.height);
    EXPECT_EQ(window().frameGeometry().topLeft(), CentredTopLeft(step.width, step.height));
    ExpectClientAreaShows(window(), step.camerasShown);
    EXPECT_TRUE(window().isVisible());
    for (int slot = 1; slot <= 4; ++slot) {
      EXPECT_EQ(ui().visible(Window::Main, kDevices[slot - 1]), slot <= step.camerasShown) << "device " << slot;
      EXPECT_EQ(ui().visible(Window::Main, kRadios[slot - 1]), slot <= step.camerasShown) << "radio " << slot;
      EXPECT_EQ(ui().checked(Window::Main, kRadios[slot - 1]), slot == 1) << "radio " << slot;
    }
    // The first click switches these; nothing switches them back.
    EXPECT_EQ(ui().caption(Window::Main, "来源按钮"), "查看");
    EXPECT_TRUE(ui().disabled(Window::Main, "录像按钮"));
    EXPECT_FALSE(ui().disabled(Window::Main, "摄像头数"));
  }
  EXPECT_EQ(t.exitCode(), -1000) << "the program runs on until the exit click";
}

TEST_F(CameraCount, ExitClickAbortsEveryCaptureAndEndsWithCodeZero) {
  for (int i = 0; i < 3; ++i) t.click("摄像头数");
  ASSERT_EQ(count(), "退出");
  t.calls.clear();

  t.click("摄像头数");

  EXPECT_EQ(t.calls, (CallLog{"3:AbortCapture()", "4:AbortCapture()", "2:AbortCapture()", "1:AbortCapture()"}));
  EXPECT_EQ(t.exitCode(), 0);
}

TEST_F(CameraCount, ResizingClicksCentreAMovedWindowAndTheFourthCameraDoesNot) {
  window().move(5, 7);
  t.click("摄像头数");
  EXPECT_EQ(window().frameGeometry().topLeft(), CentredTopLeft(660, 316));

  window().move(5, 7);
  t.click("摄像头数");
  EXPECT_EQ(window().frameGeometry().topLeft(), CentredTopLeft(660, 562));

  window().move(5, 7);
  t.click("摄像头数");
  EXPECT_EQ(count(), "退出");
  EXPECT_EQ(window().frameGeometry().topLeft(), QPoint(5, 7));
  EXPECT_EQ(ui().height(Window::Main), 562);
}

TEST_F(CameraCount, AnyOtherCaptionDoesNothing) {
  for (const char* caption : {"2摄像头 ", "3摄像头 ", "退出 ", "", "2摄像"}) {
    SCOPED_TRACE(caption);
    ui().setCaption(Window::Main, "摄像头数", caption);
    const QRect before = window().frameGeometry();
    t.click("摄像头数");
    EXPECT_EQ(count(), caption);
    EXPECT_TRUE(t.calls.empty());
    EXPECT_EQ(window().frameGeometry(), before);
    EXPECT_EQ(ui().caption(Window::Main, "来源按钮"), "来源");
    EXPECT_FALSE(ui().disabled(Window::Main, "录像按钮"));
    EXPECT_EQ(t.exitCode(), -1000);
  }
}

// A camera that notes what the window showed while its source dialog was open.
class DialogWitness : public RecordingDevice {
 public:
  DialogWitness(CallLog& log, int slot, TestSystem*& system, std::vector<std::string>& seen)
      : RecordingDevice(log, slot), slot_(slot), system_(system), seen_(seen) {}
  bool ShowSourceDialog() override {
    Controls& ui = system_->sys().ui;
    seen_.push_back(ui.caption(Window::Main, "摄像头数") + " " + std::to_string(ui.width(Window::Main)) + "x" +
                    std::to_string(ui.height(Window::Main)) + " slot " + std::to_string(slot_) +
                    (ui.visible(Window::Main, kDevices[slot_ - 1]) ? " shown" : " hidden"));
    return RecordingDevice::ShowSourceDialog();
  }

 private:
  int slot_;
  TestSystem*& system_;
  std::vector<std::string>& seen_;
};

TEST(CameraCountDialog, WhileADialogIsOpenTheWindowIsLaidOutButTheCaptionHasNotMoved) {
  CallLog log;
  std::vector<std::string> seen;
  TestSystem* system = nullptr;
  TestSystemOptions options;
  options.devices = [&](QWidget& control) {
    const int slot = control.objectName().back().digitValue();  // 视频设备1 .. 视频设备4
    return std::make_unique<DialogWitness>(log, slot, system, seen);
  };
  TestSystem t(options);
  system = &t;
  t.start();

  for (int i = 0; i < 3; ++i) t.click("摄像头数");

  EXPECT_EQ(seen, (std::vector<std::string>{"2摄像头 660x316 slot 2 shown", "3摄像头 660x562 slot 3 shown",
                                            "4摄像头 660x562 slot 4 shown"}));
}

// Without any camera driver no dialog opens, yet the window still grows and the exit still ends it.
TEST(CameraCountWithoutCameras, ClicksStillLayOutTheWindowAndEndTheProgram) {
  TestSystemOptions options;
  options.devices = NoDriverDeviceFactory();
  TestSystem t(options);
  t.start();
  Controls& ui = t.sys().ui;

  const char* const expected[] = {"3摄像头", "4摄像头", "退出"};
  for (const char* caption : expected) {
    t.click("摄像头数");
    EXPECT_EQ(ui.caption(Window::Main, "摄像头数"), caption);
  }
  EXPECT_EQ(ui.height(Window::Main), 562);
  EXPECT_TRUE(ui.visible(Window::Main, "视频设备4"));

  t.click("摄像头数");
  EXPECT_EQ(t.exitCode(), 0);
}

}  // namespace
}  // namespace vidmora::test
