// The always-on-top button on the real main window.
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/label_feedback.h"
#include "support/test_system.h"

namespace vidmora::test {
namespace {

class AlwaysOnTop : public ::testing::Test {
 protected:
  void SetUp() override { t.start(); }
  Controls& ui() { return t.sys().ui; }
  std::string caption() { return ui().caption(Window::Main, "置顶按钮"); }

  TestSystem t;
};

TEST_F(AlwaysOnTop, TwoClicksRestoreCaptionAndState) {
  QWidget& window = *t.widget(Window::Main, "");
  const QRect place = window.frameGeometry();
  const bool helpOnTop = ui().alwaysOnTop(Window::Help);
  ASSERT_FALSE(ui().alwaysOnTop(Window::Main));

  t.click("置顶按钮");
  EXPECT_TRUE(ui().alwaysOnTop(Window::Main));
  EXPECT_EQ(caption(), "不置顶");

  t.click("置顶按钮");
  EXPECT_FALSE(ui().alwaysOnTop(Window::Main));
  EXPECT_EQ(caption(), "置顶");

  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.frameGeometry(), place);
  EXPECT_EQ(ui().alwaysOnTop(Window::Help), helpOnTop) << "the help window keeps its own state";
}

TEST_F(AlwaysOnTop, AnyOtherCaptionDoesNothing) {
  for (const char* other : {"置顶 ", "不置顶 ", ""}) {
    ui().setCaption(Window::Main, "置顶按钮", other);
    t.click("置顶按钮");
    EXPECT_FALSE(ui().alwaysOnTop(Window::Main)) << other;
    EXPECT_EQ(caption(), other);
  }
}

TEST_F(AlwaysOnTop, HidingAndShowingAgainKeepsTheWindowOnTop) {
  t.click("置顶按钮");
  t.click("摄像头数");
  t.rightPress(326, 260);  // the uncovered strip of 标签2 between the left and right frames
  ASSERT_FALSE(ui().visible(Window::Main, ""));
  EXPECT_TRUE(ui().alwaysOnTop(Window::Main));

  SendLabelFeedback(ui().handle(Window::Main, "标签1"), 33001, 0);
  EXPECT_TRUE(ui().visible(Window::Main, ""));
  EXPECT_TRUE(ui().alwaysOnTop(Window::Main));
  EXPECT_EQ(caption(), "不置顶");
}

}  // namespace
}  // namespace vidmora::test
