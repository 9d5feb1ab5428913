// The windowing layer under a real window manager (Xvfb + openbox): the topmost state as the
// window manager keeps it, across hiding and showing, and without taking the keyboard.
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/qt_forms.h"
#include "tests/support/test_system.h"

// After gtest and Qt: Xlib defines None, Bool, Status and the like.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace vidmora::test {
namespace {

std::vector<unsigned long> RootProperty(Display* d, const char* name, Atom type, ::Window w = 0) {
  Atom actual;
  int format;
  unsigned long count = 0, rest;
  unsigned char* data = nullptr;
  std::vector<unsigned long> values;
  if (XGetWindowProperty(d, w ? w : DefaultRootWindow(d), XInternAtom(d, name, False), 0, 1024, False, type, &actual,
                         &format, &count, &rest, &data) == Success && data) {
    values.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
    XFree(data);
  }
  return values;
}

class Topmost : public ::testing::Test {
 protected:
  void SetUp() override {
    display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    t.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main()));
    QTest::qWait(300);
  }
  void TearDown() override {
    if (display) XCloseDisplay(display);
  }
  QWidget* main() { return t.widget(Window::Main, ""); }
  QWidget* help() { return t.widget(Window::Help, ""); }
  bool above(QWidget* w) {
    const Atom a = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
    for (unsigned long s : RootProperty(display, "_NET_WM_STATE", XA_ATOM, w->winId()))
      if (s == a) return true;
    return false;
  }
  unsigned long active() {
    auto a = RootProperty(display, "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return a.empty() ? 0 : a[0];
  }
  bool eventually(std::function<bool()> condition) { return QTest::qWaitFor(condition, 5000); }

  Display* display = nullptr;
  TestSystem t;
};

TEST_F(Topmost, HoldsAcrossHideAndShowWithoutMovingOrActivating) {
  EXPECT_TRUE(above(help()));
  EXPECT_FALSE(above(main()));
  help()->activateWindow();
  ASSERT_TRUE(eventually([&] { return active() == help()->winId(); }));
  const QRect place = main()->frameGeometry();
  const WId native = main()->winId();

  t.forms->setAlwaysOnTop(Window::Main, true);
  EXPECT_TRUE(eventually([&] { return above(main()); }));
  QTest::qWait(200);
  EXPECT_EQ(active(), help()->winId()) << "the help window keeps the keyboard";
  EXPECT_EQ(main()->frameGeometry(), place);
  EXPECT_EQ(main()->winId(), native);
  EXPECT_TRUE(main()->isVisible());

  t.forms->setVisible(Window::Main, "", false);
  EXPECT_TRUE(eventually([&] { return !main()->isVisible(); }));
  QTest::qWait(200);
  t.forms->setVisible(Window::Main, "", true);
  EXPECT_TRUE(eventually([&] { return above(main()) && active() == main()->winId(); }))
      << "shown again on top, and activated";
  EXPECT_EQ(main()->frameGeometry(), place);

  t.forms->setAlwaysOnTop(Window::Main, false);
  EXPECT_TRUE(eventually([&] { return !above(main()); }));
  EXPECT_TRUE(above(help())) << "the help window keeps its own state";
}

}  // namespace
}  // namespace vidmora::test
