// The source, source-settings and view buttons on the real main window.
#include <QDir>
#include <gtest/gtest.h>

#include "recording/capture_file_name.h"
#include "recording/capture_folders.h"
#include "support/test_system.h"

namespace vidmora::test {
namespace {

const char* const kRadios[] = {"镜头1单选框", "镜头2单选框", "镜头3单选框", "镜头4单选框"};

class SourceButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    t.start();
    t.calls.clear();
  }
  Controls& ui() { return t.sys().ui; }
  void check(std::initializer_list<int> numbers) {
    for (int slot : numbers) ui().setChecked(Window::Main, kRadios[slot - 1], true);
  }

  TestSystem t;
};

TEST_F(SourceButtons, SourceSettingsOpensTheDialogOfTheFirstCheckedCamera) {
  struct Case {
    std::vector<int> checked;
    CallLog calls;
  } cases[] = {
      {{}, {}},
      {{1}, {"1:ShowSourceDialog()"}},
      {{3}, {"3:ShowSourceDialog()"}},
      {{4}, {"4:ShowSourceDialog()"}},
      {{4, 2}, {"2:ShowSourceDialog()"}},  // more than one mark: the lowest number wins
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.checked));
    for (const char* radio : kRadios) ui().setChecked(Window::Main, radio, false);
    for (int slot : c.checked) ui().setChecked(Window::Main, kRadios[slot - 1], true);
    t.calls.clear();

    t.click("来源设置按钮");

    EXPECT_EQ(t.calls, c.calls);
  }
}

TEST_F(SourceButtons, SourceModeOpensCameraOneWhateverRadioButtonIsChecked) {
  check({3});
  t.click("来源按钮");
  EXPECT_EQ(t.calls, CallLog{"1:ShowSourceDialog()"});
  EXPECT_EQ(ui().caption(Window::Main, "来源按钮"), "来源");
}

TEST_F(SourceButtons, ViewModeOpensTodaysRecordingsFolderWithoutCreatingIt) {
  ui().setCaption(Window::Main, "来源按钮", "查看");
  struct Case {
    DateTime now;
    std::string url;
  } cases[] = {
      {{2012, 12, 17, 19, 38, 41}, "OpenUrl(d:\\Vidmora\\2012年12月17日\\)"},
      {{2013, 1, 5, 0, 0, 0}, "OpenUrl(d:\\Vidmora\\2013年1月5日\\)"},
      {{2013, 1, 5, 23, 59, 59}, "OpenUrl(d:\\Vidmora\\2013年1月5日\\)"},
  };
  for (const Case& c : cases) {
    t.clock.now = c.now;
    t.calls.clear();
    t.click("来源按钮");
    EXPECT_EQ(t.calls, CallLog{c.url});
  }
  EXPECT_FALSE(QDir(QString::fromStdString(t.home()) + "/Vidmora").exists()) << "only recording makes folders";
}

TEST_F(SourceButtons, ViewModeOpensTheFolderThatTodaysRecordingsGoTo) {
  t.click("摄像头数");  // the first widening switches the button to its view mode
  t.calls.clear();
  t.click("来源按钮");
  const std::string recording = CaptureFileName(RecordingsBase, 1, RecordingExtension, t.clock.now);
  const std::string folder = recording.substr(0, recording.rfind('\\') + 1);
  EXPECT_EQ(t.calls, CallLog{"OpenUrl(" + folder + ")"});
}

TEST_F(SourceButtons, AnyOtherCaptionDoesNothing) {
  check({1});
  for (const char* caption : {"来源 ", "查看 ", " 查看", "", "来"}) {
    SCOPED_TRACE(caption);
    ui().setCaption(Window::Main, "来源按钮", caption);
    t.click("来源按钮");
    EXPECT_TRUE(t.calls.empty());
    EXPECT_EQ(ui().caption(Window::Main, "来源按钮"), caption);
  }
}

}  // namespace
}  // namespace vidmora::test
