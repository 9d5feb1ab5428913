// Hiding the main window with a right press on 标签2 and showing it again through 标签1's feedback.
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/label_feedback.h"
#include "platform/x11_hotkeys.h"
#include "support/test_system.h"

namespace vidmora::test {
namespace {

class HideWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    t.start();
    // Two cameras high: the strips of 标签2 between the frames lie in the client area only once
    // the window has grown past its start-up size.
    t.click("摄像头数");
    t.click("摄像头数");
    t.calls.clear();
  }
  Controls& ui() { return t.sys().ui; }
  bool shown() { return ui().visible(Window::Main, ""); }
  std::string flag() { return ui().caption(Window::Main, "标签1"); }
  void hotkeyPressed() { SendLabelFeedback(ui().handle(Window::Main, "标签1"), 33001, 0); }

  TestSystem t;
};

TEST_F(HideWindow, RightPressOnTheUncoveredStripsHidesTheWindow) {
  // The column between the left and right frames, and the row between the upper and lower ones.
  for (QPoint strip : {QPoint(326, 260), QPoint(300, 282)}) {
    SCOPED_TRACE(strip.x());
    ui().setVisible(Window::Main, "", true);
    t.calls.clear();
    t.rightPress(strip.x(), strip.y());
    EXPECT_FALSE(shown());
    EXPECT_EQ(flag(), "1");
    EXPECT_EQ(t.calls, CallLog{"RegisterHotkey(2,112)"});
  }
}

TEST_F(HideWindow, RightPressOnAPreviewOrFrameNextToTheLabelDoesNothing) {
  for (QPoint covered : {QPoint(300, 260), QPoint(324, 260), QPoint(100, 100)}) {
    t.rightPress(covered.x(), covered.y());
    EXPECT_TRUE(shown()) << covered.x() << "," << covered.y();
  }
  EXPECT_TRUE(t.calls.empty());
  EXPECT_EQ(flag(), "标签");
}

TEST_F(HideWindow, FeedbackShowsTheWindowAgainAtItsPlace) {
  QWidget& window = *t.widget(Window::Main, "");
  window.move(40, 50);  // restoring does not centre
  const QRect place = window.frameGeometry();
  t.rightPress(326, 260);
  t.calls.clear();

  hotkeyPressed();

  EXPECT_TRUE(shown());
  EXPECT_EQ(window.frameGeometry(), place);
  EXPECT_EQ(flag(), "1");
  EXPECT_EQ(t.calls, (CallLog{"RegisterHotkey(2,112)", "UnregisterHotkey(0)"}));

  hotkeyPressed();  // again, on the shown window: it stays, no caption changes
  EXPECT_TRUE(shown());
  EXPECT_EQ(flag(), "1");
}

TEST_F(HideWindow, FeedbackBeforeTheFirstHideTakesTheKeyOnlyForAMoment) {
  hotkeyPressed();
  EXPECT_TRUE(shown());
  EXPECT_EQ(flag(), "标签");
  EXPECT_EQ(t.calls, (CallLog{"RegisterHotkey(2,112)", "UnregisterHotkey(33001)"}));
}

// Where Shift+F1 cannot be had (here: no X server at all), hiding would lose the window for good.
TEST(HideWindowWithoutHotkey, TheWindowStaysWhenShiftF1CannotBeOurs) {
  X11Hotkeys hotkeys;
  TestSystemOptions options;
  options.hotkeys = &hotkeys.service;
  TestSystem t(options);
  t.start();
  t.click("摄像头数");

  t.rightPress(326, 260);

  EXPECT_TRUE(t.sys().ui.visible(Window::Main, ""));
  EXPECT_EQ(t.sys().ui.caption(Window::Main, "标签1"), "标签");
  EXPECT_EQ(hotkeys.service.lastId(), 33001) << "the refused id is used up all the same";
  EXPECT_EQ(hotkeys.service.filterCount(), 1);
}

}  // namespace
}  // namespace vidmora::test
