// Record, per-camera record, Stop and the segment timers on the real main window, with cameras
// that record every call and real folders in a temporary home.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "support/test_system.h"

namespace vidmora {
namespace {

namespace fs = std::filesystem;
using test::CallLog;
using test::TestSystem;

const char* const kButtons[] = {"录像按钮", "停止按钮", "拍照按钮", "来源按钮", "摄像头数"};
const char* const kTimers[] = {"时钟1", "时钟2", "时钟3", "时钟4"};

std::string StartCapture(int slot, const std::string& name) {
  return std::to_string(slot) + ":StartCapture(false," + name + ",66,false,false,false,1200)";
}

std::string SegmentName(int slot, const std::string& day, const std::string& moment) {
  return "d:\\Vidmora\\" + day + "\\(" + std::to_string(slot) + ")" + moment + ".avi";
}

const std::string kDay = "2012年12月17日";
const std::string kNow = "2012年12月17日19时38分41秒";  // the fixed clock's reading

class RecordingHandlersTest : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }

  Controls& ui() { return app.sys().ui; }
  std::string caption() { return ui().caption(Window::Main, ""); }
  std::vector<bool> buttonsDisabled() {
    std::vector<bool> flags;
    for (const char* button : kButtons) flags.push_back(ui().disabled(Window::Main, button));
    return flags;
  }
  std::vector<int> periods() {
    std::vector<int> ms;
    for (const char* timer : kTimers) ms.push_back(ui().period(Window::Main, timer));
    return ms;
  }
  // The calls made since the last look.
  CallLog newCalls() {
    CallLog recent(app.calls.begin() + seen_, app.calls.end());
    seen_ = app.calls.size();
    return recent;
  }
  // The state the camera-count button leaves with k cameras in view; its handler is not needed here.
  void showCameras(int k) {
    const char* counts[] = {"2摄像头", "3摄像头", "4摄像头", "退出"};
    ui().setWidth(Window::Main, k > 1 ? 660 : 333);
    ui().setHeight(Window::Main, k > 2 ? 562 : 316);
    for (int slot = 1; slot <= 4; ++slot)
      ui().setVisible(Window::Main, "镜头" + std::to_string(slot) + "单选框", k > 1 && slot <= k);
    ui().setCaption(Window::Main, "摄像头数", counts[k - 1]);
    ui().setCaption(Window::Main, "来源按钮", k > 1 ? "查看" : "来源");
  }
  fs::path home() const { return fs::path(app.home()); }

  TestSystem app;

 private:
  std::size_t seen_ = 0;
};

TEST_F(RecordingHandlersTest, RecordRecordsSlotOneWhicheverRadioButtonIsChecked) {
  showCameras(3);
  ui().setChecked(Window::Main, "镜头3单选框", true);
  newCalls();

  app.click("录像按钮");

  EXPECT_EQ(newCalls(), (CallLog{"1:ShowFormatDialog()", "1:ShowCompressionDialog()",
                                 StartCapture(1, SegmentName(1, kDay, kNow))}));
  EXPECT_EQ(caption(), "正在录像");
  EXPECT_EQ(periods(), (std::vector<int>{1201000, 0, 0, 0}));
  EXPECT_TRUE(fs::is_directory(home() / "Vidmora" / kDay));
}

TEST_F(RecordingHandlersTest, RecordKeepsTheCountAndSourceButtonsUsableOnlyInTheirLastModes) {
  struct Case {
    const char* count;
    const char* source;
    std::vector<bool> disabled;  // 录像, 停止, 拍照, 来源, 摄像头数
  } cases[] = {
      {"2摄像头", "来源", {true, false, true, true, true}},
      {"3摄像头", "查看", {true, false, true, false, true}},
      {"退出", "查看", {true, false, true, false, false}},
      {"退出 ", "查看 ", {true, false, true, true, true}},  // a trailing blank is another caption
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    app.click("停止按钮");
    ui().setCaption(Window::Main, "摄像头数", c.count);
    ui().setCaption(Window::Main, "来源按钮", c.source);
    app.click("录像按钮");
    EXPECT_EQ(buttonsDisabled(), c.disabled);
  }
}

TEST_F(RecordingHandlersTest, StopAbortsEverySlotStopsEveryTimerAndReturnsToPreview) {
  // Stop leaves the same window whether anything recorded or not.
  for (bool recording : {false, true}) {
    SCOPED_TRACE(recording ? "after a recording" : "nothing recording");
    showCameras(4);
    if (recording) {
      app.click("录像按钮");
      ui().setChecked(Window::Main, "镜头4单选框", true);
      app.click("录像按钮1");
      ui().setChecked(Window::Main, "镜头4单选框", false);
    }
    newCalls();

    app.click("停止按钮");

    EXPECT_EQ(newCalls(), (CallLog{"1:AbortCapture()", "2:AbortCapture()", "3:AbortCapture()", "4:AbortCapture()"}));
    EXPECT_EQ(periods(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(caption(), "正在预览");
    EXPECT_EQ(buttonsDisabled(), (std::vector<bool>{false, true, false, false, false}));
  }
}

TEST_F(RecordingHandlersTest, CameraRecordStartsEveryCheckedSlotInOrderAndOnlyAppendsToTheCaption) {
  showCameras(4);
  app.click("停止按钮");
  ui().setChecked(Window::Main, "镜头3单选框", true);
  ui().setChecked(Window::Main, "镜头1单选框", true);  // a written mark leaves the other in place
  const std::vector<bool> buttons = buttonsDisabled();
  newCalls();

  app.click("录像按钮1");

  EXPECT_EQ(newCalls(), (CallLog{"1:ShowFormatDialog()", "1:ShowCompressionDialog()",
                                 StartCapture(1, SegmentName(1, kDay, kNow)), "3:ShowFormatDialog()",
                                 "3:ShowCompressionDialog()", StartCapture(3, SegmentName(3, kDay, kNow))}));
  EXPECT_EQ(caption(), "正在预览  镜头1正在录像  镜头3正在录像");
  EXPECT_EQ(periods(), (std::vector<int>{1201000, 0, 1201000, 0}));
  EXPECT_EQ(buttonsDisabled(), buttons) << "Stop stays disabled until Record is clicked";
}

TEST_F(RecordingHandlersTest, CameraRecordWithNothingCheckedDoesNothing) {
  showCameras(2);
  const std::string before = caption();
  const std::vector<bool> buttons = buttonsDisabled();
  newCalls();

  app.click("录像按钮1");

  EXPECT_EQ(newCalls(), CallLog{});
  EXPECT_EQ(caption(), before);
  EXPECT_EQ(buttonsDisabled(), buttons);
  EXPECT_EQ(periods(), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_FALSE(fs::exists(home() / "Vidmora"));
}

TEST_F(RecordingHandlersTest, CameraRecordAppendsItsSuffixOnEveryClick) {
  showCameras(2);
  app.click("停止按钮");
  ui().setChecked(Window::Main, "镜头2单选框", true);
  app.click("录像按钮1");
  app.clock.now.second = 42;
  app.click("录像按钮1");

  EXPECT_EQ(caption(), "正在预览  镜头2正在录像  镜头2正在录像");
  EXPECT_EQ(periods(), (std::vector<int>{0, 1201000, 0, 0}));
  const CallLog calls = newCalls();
  EXPECT_EQ(calls.back(), StartCapture(2, SegmentName(2, kDay, "2012年12月17日19时38分42秒")));
}

TEST_F(RecordingHandlersTest, RecordThenCameraRecordRotatesBothSlots) {
  showCameras(2);
  app.click("停止按钮");
  app.click("录像按钮");
  ui().setChecked(Window::Main, "镜头1单选框", false);
  ui().setChecked(Window::Main, "镜头2单选框", true);
  app.click("录像按钮1");

  EXPECT_EQ(caption(), "正在录像  镜头2正在录像");
  EXPECT_EQ(periods(), (std::vector<int>{1201000, 1201000, 0, 0}));
}

TEST_F(RecordingHandlersTest, ATickStartsOnlyItsOwnSlotsNextSegment) {
  showCameras(4);
  app.click("录像按钮");
  for (const char* radio : {"镜头2单选框", "镜头3单选框", "镜头4单选框"}) ui().setChecked(Window::Main, radio, true);
  app.click("录像按钮1");
  const std::string captionBefore = caption();
  const std::vector<bool> buttons = buttonsDisabled();
  const std::vector<int> timers = periods();
  app.clock.now = {2012, 12, 17, 19, 58, 42};
  for (int slot = 1; slot <= 4; ++slot) {
    newCalls();
    app.tick(kTimers[slot - 1]);
    EXPECT_EQ(newCalls(), CallLog{StartCapture(slot, SegmentName(slot, kDay, "2012年12月17日19时58分42秒"))});
  }
  EXPECT_EQ(caption(), captionBefore);
  EXPECT_EQ(buttonsDisabled(), buttons);
  EXPECT_EQ(periods(), timers);
}

TEST_F(RecordingHandlersTest, TheFirstSegmentAfterMidnightGoesIntoTheNewDaysFolder) {
  app.clock.now = {2012, 12, 31, 23, 59, 59};
  app.click("录像按钮");
  app.clock.now = {2013, 1, 1, 0, 0, 0};
  newCalls();

  app.tick("时钟1");

  EXPECT_EQ(newCalls(), CallLog{StartCapture(1, SegmentName(1, "2013年1月1日", "2013年1月1日"))});
  EXPECT_TRUE(fs::is_directory(home() / "Vidmora" / "2012年12月31日"));
  EXPECT_TRUE(fs::is_directory(home() / "Vidmora" / "2013年1月1日"));
}

TEST_F(RecordingHandlersTest, AFolderThatCannotBeMadeStillStartsTheCaptureAndKeepsRotating) {
  std::ofstream(home() / "Vidmora") << "in the way";
  newCalls();

  app.click("录像按钮");
  app.tick("时钟1");

  const std::string name = SegmentName(1, kDay, kNow);
  EXPECT_EQ(newCalls(), (CallLog{"1:ShowFormatDialog()", "1:ShowCompressionDialog()", StartCapture(1, name),
                                 StartCapture(1, name)}));
  EXPECT_EQ(caption(), "正在录像");
  EXPECT_EQ(periods()[0], 1201000);
  EXPECT_TRUE(fs::is_regular_file(home() / "Vidmora"));

  fs::remove(home() / "Vidmora");
  app.tick("时钟1");
  EXPECT_TRUE(fs::is_directory(home() / "Vidmora" / kDay)) << "the next tick makes the folders";
}

TEST_F(RecordingHandlersTest, ASegmentNeverTakesTheNameOfAFileThatIsThere) {
  // The clock set back, or the hour repeated at the end of daylight saving.
  fs::create_directories(home() / "Vidmora" / kDay);
  std::ofstream(home() / "Vidmora" / kDay / ("(1)" + kNow + ".avi")) << "earlier recording";
  newCalls();

  app.click("录像按钮");

  EXPECT_EQ(newCalls().back(), StartCapture(1, SegmentName(1, kDay, kNow + "_2")));
}

}  // namespace
}  // namespace vidmora
