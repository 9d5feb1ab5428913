// Which event reaches which handler: the program's event table, and how the windowing layer
// delivers each kind of event (observed with handlers that only note that they ran).
#include <QTest>
#include <gtest/gtest.h>

#include "app/event_table.h"
#include "app/startup_handlers.h"
#include "app/window_descriptions.h"
#include "controls/always_on_top.h"
#include "controls/camera_count.h"
#include "controls/hide_window.h"
#include "controls/source_buttons.h"
#include "platform/label_feedback.h"
#include "platform/local_file_system.h"
#include "platform/qt_controls.h"
#include "platform/qt_forms.h"
#include "recording/recording_handlers.h"
#include "recording/snapshot_handler.h"
#include "tests/support/test_system.h"

namespace vidmora::test {
namespace {

TEST(EventTable, BindsEveryHandledEventAndNothingElse) {
  struct Row {
    Window window;
    const char* control;
    Event event;
    Handler handler;
  };
  const Row expected[] = {
      {Window::Main, "", Event::Created, OnMainWindowCreated},
      {Window::Main, "", Event::WillBeDestroyed, OnMainWindowWillBeDestroyed},
      {Window::Main, "摄像头数", Event::Clicked, OnCameraCountClicked},
      {Window::Main, "录像按钮", Event::Clicked, OnRecordClicked},
      {Window::Main, "录像按钮1", Event::Clicked, OnCameraRecordClicked},
      {Window::Main, "停止按钮", Event::Clicked, OnStopClicked},
      {Window::Main, "时钟1", Event::Tick, OnTimer1Tick},
      {Window::Main, "时钟2", Event::Tick, OnTimer2Tick},
      {Window::Main, "时钟3", Event::Tick, OnTimer3Tick},
      {Window::Main, "时钟4", Event::Tick, OnTimer4Tick},
      {Window::Main, "拍照按钮", Event::Clicked, OnSnapshotClicked},
      {Window::Main, "来源按钮", Event::Clicked, OnSourceClicked},
      {Window::Main, "来源设置按钮", Event::Clicked, OnSourceSettingsClicked},
      {Window::Main, "置顶按钮", Event::Clicked, OnAlwaysOnTopClicked},
      {Window::Main, "标签2", Event::RightPress, OnHideLabelRightPressed},
      {Window::Main, "标签1", Event::Feedback, OnHiddenLabelFeedback},
      {Window::Help, "", Event::Created, OnHelpWindowCreated},
      {Window::Help, "图片框1", Event::LeftPress, OnHelpPicturePressed},
      {Window::Help, "图片框2", Event::LeftPress, OnHelpPicturePressed},
  };
  const auto table = EventTable();
  ASSERT_EQ(table.size(), std::size(expected));
  for (const Row& row : expected) {
    int found = 0;
    for (const EventBinding& b : table)
      found += b.window == row.window && b.control == row.control && b.event == row.event && b.handler == row.handler;
    EXPECT_EQ(found, 1) << row.control << " event " << static_cast<int>(row.event);
  }
}

// ---- Delivery, with handlers that only note what reached them ----

std::vector<std::string> reached;

template <const char* what>
void Note(System&) {
  reached.push_back(what);
}
constexpr char kMainCreated[] = "main created", kClicked[] = "摄像头数 clicked", kTick[] = "时钟3 tick",
               kRight[] = "标签2 right press", kFeedback[] = "标签1 feedback", kPicture[] = "图片框2 left press",
               kHelpCreated[] = "help created", kWillBeDestroyed[] = "main will be destroyed";

constexpr EventBinding kNotingEvents[] = {
    {Window::Main, "", Event::Created, Note<kMainCreated>},
    {Window::Main, "", Event::WillBeDestroyed, Note<kWillBeDestroyed>},
    {Window::Main, "摄像头数", Event::Clicked, Note<kClicked>},
    {Window::Main, "时钟3", Event::Tick, Note<kTick>},
    {Window::Main, "标签2", Event::RightPress, Note<kRight>},
    {Window::Main, "标签1", Event::Feedback, Note<kFeedback>},
    {Window::Help, "", Event::Created, Note<kHelpCreated>},
    {Window::Help, "图片框2", Event::LeftPress, Note<kPicture>},
};

class Delivery : public ::testing::Test {
 protected:
  void SetUp() override {
    reached.clear();
    forms.attach(system);
    ASSERT_TRUE(forms.LoadWindow(Window::Main));
    ASSERT_TRUE(forms.LoadWindow(Window::Help));
  }
  void TearDown() override { reached.clear(); }
  void rightPress(QPoint p) {
    QWindow* window = forms.widget(Window::Main, "")->windowHandle();
    QTest::mousePress(window, Qt::RightButton, Qt::NoModifier, p);
    QTest::mouseRelease(window, Qt::RightButton, Qt::NoModifier, p);
  }

  CallLog calls;
  RecordingShell shell{calls};
  LocalFileSystem files;
  FixedClock clock;
  RecordingHotkeys hotkeys{calls};
  QtForms forms{{&MainWindowDescription(), &HelpWindowDescription()}, kNotingEvents, NoDriverDeviceFactory()};
  System system{forms, shell, files, clock, hotkeys, forms};
};

TEST_F(Delivery, ClicksTicksPressesAndFeedbackReachTheirHandlers) {
  EXPECT_EQ(reached, (std::vector<std::string>{kMainCreated, kHelpCreated}));
  reached.clear();

  QTest::mouseClick(forms.widget(Window::Main, "摄像头数"), Qt::LeftButton);
  QTest::mouseClick(forms.widget(Window::Main, "录像按钮"), Qt::LeftButton);  // no handler: nothing
  forms.setPeriod(Window::Main, "时钟3", 1);
  EXPECT_TRUE(QTest::qWaitFor([] { return reached.back() == kTick; }, 5000));
  forms.setPeriod(Window::Main, "时钟3", 0);
  reached.erase(std::remove(reached.begin(), reached.end(), std::string(kTick)), reached.end());

  EXPECT_TRUE(SendLabelFeedback(forms.handle(Window::Main, "标签1"), 33001, 0));  // runs before it returns
  EXPECT_FALSE(SendLabelFeedback(forms.handle(Window::Main, ""), 33001, 0));  // not a label
  QTest::mousePress(forms.widget(Window::Help, "图片框2"), Qt::LeftButton);
  QTest::mousePress(forms.widget(Window::Help, "图片框1"), Qt::LeftButton);  // no handler here
  EXPECT_EQ(reached, (std::vector<std::string>{kClicked, kFeedback, kPicture}));
}

TEST_F(Delivery, RightPressesReachTheLabelOnlyOnItsUncoveredStrips) {
  forms.setWidth(Window::Main, 660);  // the strips lie inside the client area from two cameras on
  forms.setHeight(Window::Main, 562);
  reached.clear();
  struct Case {
    QPoint at;
    bool reachesLabel;
  };
  const Case cases[] = {
      {{326, 260}, true},   // column between the left and right frames
      {{325, 300}, true},   // its first pixel
      {{327, 250}, true},   // its last pixel
      {{300, 282}, true},   // row between the upper and lower frames
      {{360, 283}, true},   // right of the column, still the row
      {{300, 260}, false},  // the preview of camera 1 lies over it
      {{324, 260}, false},  // the right edge of camera 1's frame
      {{328, 260}, false},  // the left edge of camera 2's frame
      {{300, 284}, false},  // the top edge of camera 3's frame (camera 3 itself hidden or not)
      {{340, 300}, false},  // camera 4's preview
      {{326, 320}, false},  // below the label
  };
  for (const Case& c : cases) {
    reached.clear();
    rightPress(c.at);
    EXPECT_EQ(reached == std::vector<std::string>{kRight}, c.reachesLabel) << c.at.x() << "," << c.at.y();
  }
}

TEST_F(Delivery, ClosingMainRaisesWillBeDestroyedOnceAndHelpRaisesNothing) {
  reached.clear();
  forms.widget(Window::Help, "")->close();
  EXPECT_TRUE(reached.empty());
  EXPECT_TRUE(forms.isOpen(Window::Main));
  forms.widget(Window::Main, "")->close();
  EXPECT_EQ(reached, (std::vector<std::string>{kWillBeDestroyed}));
  // Its handler here does not end the program: the window is gone all the same.
  EXPECT_FALSE(forms.isOpen(Window::Main));
  EXPECT_FALSE(forms.ended());
}

TEST_F(Delivery, NothingReachesAHandlerAfterTheEnd) {
  reached.clear();
  QWidget* button = forms.widget(Window::Main, "摄像头数");
  forms.End(3);
  EXPECT_TRUE(forms.ended());
  EXPECT_EQ(forms.exitCode(), 3);
  QTest::mouseClick(button, Qt::LeftButton);  // the windows are gone on the next loop turn
  EXPECT_TRUE(reached.empty());
  // Reads and device calls after the end are harmless.
  EXPECT_EQ(forms.caption(Window::Main, "摄像头数"), "");
  EXPECT_FALSE(forms.device(Window::Main, "视频设备1").AbortCapture());
}

// The same through the program's own handlers and the harness, as the user would do it.
TEST(RightPress, OnTheStripHidesTheWindowOnThePreviewNot) {
  TestSystem system;
  system.start();
  system.forms->setWidth(Window::Main, 660);
  system.forms->setHeight(Window::Main, 562);
  system.calls.clear();
  system.rightPress(300, 260);
  EXPECT_TRUE(system.calls.empty());
  EXPECT_TRUE(system.forms->visible(Window::Main, ""));
  system.rightPress(326, 260);
  EXPECT_EQ(system.calls, CallLog{"RegisterHotkey(2,112)"});
}

}  // namespace
}  // namespace vidmora::test
