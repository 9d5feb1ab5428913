// The window controls under a real window manager (Xvfb + openbox): frames, centring and the
// manager's above state, read back from the X server by a separate client.
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/test_system.h"

// After gtest and Qt: Xlib defines None, Bool, Status and the like.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace vidmora::test {
namespace {

// Gives the X server and the window manager time to catch up; QTRY_* would return silently
// from a GoogleTest body on failure, so the check after this does the judging.
template <typename Condition>
bool Eventually(Condition condition) {
  return QTest::qWaitFor(condition, 5000);
}

// Whether the window manager lists _NET_WM_STATE_ABOVE on the window, as any pager would see it.
bool HasAboveState(QWidget& window) {
  Display* display = XOpenDisplay(nullptr);
  const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
  Atom type;
  int format;
  unsigned long count = 0, rest;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(display, window.winId(), state, 0, 64, False, XA_ATOM, &type, &format, &count, &rest,
                         &data) == Success &&
      data) {
    const Atom* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count; ++i) found = found || atoms[i] == above;
    XFree(data);
  }
  XCloseDisplay(display);
  return found;
}

QPoint CentredTopLeft(QSize size) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {(screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2};
}

class WindowControls : public ::testing::Test {
 protected:
  void SetUp() override {
    t.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    QTest::qWait(300);  // let the window manager finish framing it
  }
  QWidget& window() { return *t.widget(Window::Main, ""); }

  TestSystem t;
};

TEST_F(WindowControls, AlwaysOnTopSetsAndClearsTheWindowManagersAboveState) {
  const QRect place = window().frameGeometry();
  QWidget& help = *t.widget(Window::Help, "");
  const bool helpAbove = HasAboveState(help);
  ASSERT_FALSE(HasAboveState(window()));

  t.click("置顶按钮");
  EXPECT_TRUE(Eventually([&] { return HasAboveState(window()); }));
  t.click("置顶按钮");
  EXPECT_TRUE(Eventually([&] { return !HasAboveState(window()); }));

  QTest::qWait(300);
  EXPECT_TRUE(window().isVisible());
  EXPECT_EQ(window().frameGeometry(), place) << "neither moved nor resized";
  EXPECT_EQ(HasAboveState(help), helpAbove) << "the help window keeps its own state";
}

// Outer sizes are the window's own; the client area is what the layouts need, whatever frame the
// window manager draws around it; centring places the outer rectangle.
TEST_F(WindowControls, CameraCountCentresTheWindowAndShowsTheCamerasInView) {
  struct Step {
    QSize outer, minClient;  // the client area holds every frame in view whole
  } steps[] = {
      {{660, 316}, {650, 281}},
      {{660, 562}, {650, 526}},
  };
  for (const Step& step : steps) {
    window().move(10, 10);
    QTest::qWait(200);
    t.click("摄像头数");
    const QPoint centred = CentredTopLeft(step.outer);
    Eventually([&] { return window().frameGeometry().topLeft() == centred; });
    EXPECT_EQ(window().frameGeometry().topLeft(), centred);
    EXPECT_EQ(t.sys().ui.width(Window::Main), step.outer.width());
    EXPECT_EQ(t.sys().ui.height(Window::Main), step.outer.height());
    EXPECT_GE(window().width(), step.minClient.width());
    EXPECT_GE(window().height(), step.minClient.height());
  }
}

}  // namespace
}  // namespace vidmora::test
