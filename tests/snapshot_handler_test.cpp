// The Snapshot button on the real main window, with cameras that record every call and real
// folders in a temporary home.
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

const std::string kDay = "2012年12月17日";

std::string SaveFrame(int slot, const std::string& moment) {
  return std::to_string(slot) + ":SaveFrame(d:\\摄像头拍照\\" + kDay + "\\(" + std::to_string(slot) + ")" + moment +
         ".bmp)";
}

class SnapshotHandlerTest : public ::testing::Test {
 protected:
  void SetUp() override { app.start(); }
  Controls& ui() { return app.sys().ui; }
  CallLog clickSnapshot() {
    const std::size_t before = app.calls.size();
    app.click("拍照按钮");
    return CallLog(app.calls.begin() + before, app.calls.end());
  }
  fs::path home() const { return fs::path(app.home()); }
  TestSystem app;
};

TEST_F(SnapshotHandlerTest, SavesSlotsOneUpToTheCamerasInViewInOrder) {
  const std::string m = "2012年12月17日19时38分41秒";
  struct Case {
    const char* count;
    CallLog saves;
  } cases[] = {
      {"2摄像头", {SaveFrame(1, m)}},
      {"3摄像头", {SaveFrame(1, m), SaveFrame(2, m)}},
      {"4摄像头", {SaveFrame(1, m), SaveFrame(2, m), SaveFrame(3, m)}},
      {"退出", {SaveFrame(1, m), SaveFrame(2, m), SaveFrame(3, m), SaveFrame(4, m)}},
      {"退出 ", {}},  // a trailing blank is another caption
      {"", {}},
  };
  ui().setChecked(Window::Main, "镜头4单选框", true);  // radio buttons play no part
  for (const Case& c : cases) {
    SCOPED_TRACE(c.count);
    fs::remove_all(home() / "摄像头拍照");
    ui().setCaption(Window::Main, "摄像头数", c.count);
    EXPECT_EQ(clickSnapshot(), c.saves);
    EXPECT_TRUE(fs::is_directory(home() / "摄像头拍照" / kDay)) << "the walk comes first, whatever is saved";
  }
}

TEST_F(SnapshotHandlerTest, AtMidnightTheNameRepeatsTheFoldersDate) {
  app.clock.now = {2012, 12, 17, 0, 0, 0};
  EXPECT_EQ(clickSnapshot(), CallLog{SaveFrame(1, kDay)});
}

TEST_F(SnapshotHandlerTest, ChangesNoCaptionFlagOrTimer) {
  ui().setCaption(Window::Main, "摄像头数", "退出");
  ui().setPeriod(Window::Main, "时钟2", 1201000);
  const std::string caption = ui().caption(Window::Main, "");
  clickSnapshot();
  EXPECT_EQ(ui().caption(Window::Main, ""), caption);
  EXPECT_EQ(ui().caption(Window::Main, "摄像头数"), "退出");
  EXPECT_EQ(ui().period(Window::Main, "时钟2"), 1201000);
  for (const char* button : {"录像按钮", "停止按钮", "拍照按钮", "来源按钮", "摄像头数"})
    EXPECT_FALSE(ui().disabled(Window::Main, button)) << button;
}

TEST_F(SnapshotHandlerTest, APictureAlreadyThereIsNeverWrittenOver) {
  // What the first click of this second saved.
  fs::create_directories(home() / "摄像头拍照" / kDay);
  std::ofstream(home() / "摄像头拍照" / kDay / "(1)2012年12月17日19时38分41秒.bmp") << "first picture";
  EXPECT_EQ(clickSnapshot(), CallLog{SaveFrame(1, "2012年12月17日19时38分41秒_2")});
}

TEST_F(SnapshotHandlerTest, AFolderThatCannotBeMadeStillAttemptsEverySave) {
  std::ofstream(home() / "摄像头拍照") << "in the way";
  ui().setCaption(Window::Main, "摄像头数", "3摄像头");
  const std::string m = "2012年12月17日19时38分41秒";
  EXPECT_EQ(clickSnapshot(), (CallLog{SaveFrame(1, m), SaveFrame(2, m)}));
  EXPECT_TRUE(fs::is_regular_file(home() / "摄像头拍照"));
}

}  // namespace
}  // namespace vidmora
