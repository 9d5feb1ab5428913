// What each property write does, on the built windows (no handlers attached, so only the writes
// under test change anything).
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "app/event_table.h"
#include "app/pictures.h"
#include "app/window_descriptions.h"
#include "platform/qt_controls.h"
#include "platform/qt_forms.h"

namespace vidmora {
namespace {

class PropertyWrites : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(forms.LoadWindow(Window::Main)); }
  QWidget* window() { return forms.widget(Window::Main, ""); }
  QtTimer* timer(const char* name) { return dynamic_cast<QtTimer*>(forms.widget(Window::Main, name)); }
  QPoint centred(int width, int height) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    return {(screen.width() - width) / 2, (screen.height() - height) / 2};
  }

  QtForms forms{{&MainWindowDescription(), &HelpWindowDescription()}, EventTable(), NoDriverDeviceFactory()};
};

// Timer periods: what a write leaves behind (read back, running or not, the real interval).
TEST_F(PropertyWrites, TimerPeriods) {
  struct Case {
    int before, written, period;
    bool running;
  };
  const Case cases[] = {
      {0, 1201000, 1201000, true}, {0, -5, 0, false},     {5000, -1, 0, false},
      {5000, 0, 0, false},         {5000, 7000, 7000, true}, {0, 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.before) + " -> " + std::to_string(c.written));
    forms.setPeriod(Window::Main, "时钟2", c.before);
    forms.setPeriod(Window::Main, "时钟2", c.written);
    EXPECT_EQ(forms.period(Window::Main, "时钟2"), c.period);
    EXPECT_EQ(timer("时钟2")->running(), c.running);
    EXPECT_EQ(timer("时钟2")->runningInterval(), c.period);
  }
}

TEST_F(PropertyWrites, TheCurrentPeriodAgainKeepsThePhaseAnotherOneRestarts) {
  forms.setPeriod(Window::Main, "时钟1", 60000);
  QTest::qWait(300);
  const int remaining = timer("时钟1")->remainingTime();
  EXPECT_LE(remaining, 59800);
  forms.setPeriod(Window::Main, "时钟1", 60000);
  EXPECT_LE(timer("时钟1")->remainingTime(), remaining);  // same phase: not restarted
  forms.setPeriod(Window::Main, "时钟1", 60001);
  EXPECT_GT(timer("时钟1")->remainingTime(), remaining + 200);  // restarted from the write
}

TEST_F(PropertyWrites, SizeAndPlacement) {
  // Sizes are outer sizes: the frame's rectangle is what is sized and centred.
  auto outer = [&] { return window()->frameGeometry(); };
  const QPoint start = outer().topLeft();
  EXPECT_EQ(outer(), QRect(centred(333, 316), QSize(333, 316)));
  EXPECT_GE(window()->width(), 325);  // the one-camera layout fits
  EXPECT_GE(window()->height(), 281);

  forms.setWidth(Window::Main, 660);  // widening keeps the top-left corner
  EXPECT_EQ(forms.width(Window::Main), 660);
  EXPECT_EQ(outer(), QRect(start, QSize(660, 316)));

  forms.setPlacement(Window::Main, Placement::Centred);  // centres the outer rectangle again
  EXPECT_EQ(outer(), QRect(centred(660, 316), QSize(660, 316)));

  forms.setHeight(Window::Main, 562);
  EXPECT_EQ(outer(), QRect(centred(660, 316), QSize(660, 562)));
  EXPECT_GE(window()->width(), 650);  // the four-camera layout fits
  EXPECT_GE(window()->height(), 526);
  forms.setPlacement(Window::Main, Placement::Centred);
  EXPECT_EQ(outer().topLeft(), centred(660, 562));

  forms.setWidth(Window::Main, 40000);  // above 32627 counts as 32627
  EXPECT_EQ(forms.width(Window::Main), 32627);
  EXPECT_EQ(outer().width(), 32627);
  forms.setWidth(Window::Main, 333);

  window()->showMinimized();
  forms.setPlacement(Window::Main, Placement::Centred);  // a minimised window comes back first
  EXPECT_FALSE(window()->isMinimized());
  EXPECT_EQ(outer().topLeft(), centred(333, 562));
}

TEST_F(PropertyWrites, ACentredWriteOnAHiddenWindowIsOnlyStored) {
  forms.setVisible(Window::Main, "", false);
  window()->move(10, 20);
  forms.setPlacement(Window::Main, Placement::Centred);
  EXPECT_EQ(window()->pos(), QPoint(10, 20));
}

TEST_F(PropertyWrites, RadioButtons) {
  for (const char* name : {"镜头1单选框", "镜头2单选框", "镜头3单选框", "镜头4单选框"})
    forms.setVisible(Window::Main, name, true);
  auto marks = [&] {
    std::string s;
    for (const char* name : {"镜头1单选框", "镜头2单选框", "镜头3单选框", "镜头4单选框"})
      s += forms.checked(Window::Main, name) ? "x" : ".";
    return s;
  };
  forms.setChecked(Window::Main, "镜头2单选框", true);
  forms.setChecked(Window::Main, "镜头1单选框", true);  // a write sets this mark only
  EXPECT_EQ(marks(), "xx..");
  forms.setChecked(Window::Main, "镜头2单选框", false);
  EXPECT_EQ(marks(), "x...");
  forms.setChecked(Window::Main, "镜头4单选框", true);
  QTest::mouseClick(forms.widget(Window::Main, "镜头3单选框"), Qt::LeftButton);  // a click clears the others
  EXPECT_EQ(marks(), "..x.");
  QTest::mouseClick(forms.widget(Window::Main, "镜头3单选框"), Qt::LeftButton);  // and never unchecks itself
  EXPECT_EQ(marks(), "..x.");
  forms.setVisible(Window::Main, "镜头3单选框", false);
  EXPECT_FALSE(forms.visible(Window::Main, "镜头3单选框"));
}

TEST_F(PropertyWrites, DisabledButtonsTakeNoClicks) {
  auto* button = dynamic_cast<QPushButton*>(forms.widget(Window::Main, "停止按钮"));
  QSignalSpy clicks(button, &QPushButton::clicked);
  forms.setDisabled(Window::Main, "停止按钮", true);
  EXPECT_TRUE(forms.disabled(Window::Main, "停止按钮"));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 0);
  forms.setDisabled(Window::Main, "停止按钮", false);
  EXPECT_FALSE(forms.disabled(Window::Main, "停止按钮"));
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(PropertyWrites, CaptionsReadBackByteForByte) {
  struct Case {
    const char* control;
    std::string text;
  };
  const Case cases[] = {
      {"摄像头数", "2摄像头 "},  // the trailing blank stays: this is not "2摄像头"
      {"", "正在录像  镜头1正在录像  镜头3正在录像"},
      {"标签1", "1"},
      {"来源按钮", "查看"},
      {"标签2", "a\r\nb"},
      {"", ""},
  };
  for (const Case& c : cases) {
    forms.setCaption(Window::Main, c.control, c.text);
    EXPECT_EQ(forms.caption(Window::Main, c.control), c.text) << c.control;
  }
  EXPECT_NE(forms.caption(Window::Main, "摄像头数"), "2摄像头");
  forms.setCaption(Window::Main, "", "正在预览");
  EXPECT_EQ(window()->windowTitle(), QString::fromUtf8("正在预览"));
  EXPECT_EQ(dynamic_cast<QPushButton*>(forms.widget(Window::Main, "来源按钮"))->text(), QString::fromUtf8("查看"));
}

TEST_F(PropertyWrites, WindowVisibilityAndAlwaysOnTopLeaveThePlaceAlone) {
  const QRect place = window()->geometry();
  const WId native = window()->winId();
  forms.setAlwaysOnTop(Window::Main, true);
  EXPECT_TRUE(forms.alwaysOnTop(Window::Main));
  EXPECT_TRUE(window()->isVisible());
  EXPECT_EQ(window()->geometry(), place);
  EXPECT_EQ(window()->winId(), native);  // not re-created
  forms.setVisible(Window::Main, "", false);
  EXPECT_FALSE(forms.visible(Window::Main, ""));
  forms.setVisible(Window::Main, "", true);
  EXPECT_TRUE(forms.visible(Window::Main, ""));
  EXPECT_TRUE(forms.alwaysOnTop(Window::Main));
  EXPECT_EQ(window()->geometry(), place);
  forms.setAlwaysOnTop(Window::Main, false);
  EXPECT_FALSE(forms.alwaysOnTop(Window::Main));
}

TEST_F(PropertyWrites, PicturesShowAtTheirOwnSizeAndBadBytesShowNothing) {
  forms.setPicture(Window::Main, "图片框1", SecondHelpPicture());
  auto* box = dynamic_cast<QtPictureBox*>(forms.widget(Window::Main, "图片框1"));
  EXPECT_EQ(box->picture().size(), QSize(180, 100));  // not scaled to the box
  const unsigned char broken[] = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0};
  forms.setPicture(Window::Main, "图片框1", broken);
  EXPECT_TRUE(box->picture().isNull());
  forms.setPicture(Window::Main, "图片框1", {});
  EXPECT_TRUE(box->picture().isNull());
  box->grab();  // and painting it is fine
}

TEST_F(PropertyWrites, VideoDeviceVisibilityAndSource) {
  forms.setVisible(Window::Main, "视频设备2", false);
  EXPECT_FALSE(forms.visible(Window::Main, "视频设备2"));
  forms.setVisible(Window::Main, "视频设备2", true);
  EXPECT_TRUE(forms.visible(Window::Main, "视频设备2"));
  // Without a driver the source write fails and leaves a reason.
  VideoDevice& device = forms.device(Window::Main, "视频设备2");
  EXPECT_FALSE(device.SelectSource(1));
  EXPECT_EQ(device.source(), 0);
  EXPECT_FALSE(device.failureText().empty());
}

}  // namespace
}  // namespace vidmora
