// Hide and Shift+F1 on a real X server: the program's hotkey service grabs the key on the root
// window, and xdotool presses it as a user would.
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/x11_hotkeys.h"
#include "support/test_system.h"

// After gtest and Qt: Xlib defines None, Bool, Status and the like.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace vidmora::test {
namespace {

// Gives the X server and the window manager time to catch up; QTRY_* would return silently
// from a GoogleTest body on failure, so the check after this does the judging.
template <typename Condition>
bool Eventually(Condition condition) {
  return QTest::qWaitFor(condition, 5000);
}

constexpr int kShift = 2, kF1 = 112;

void PressKeys(const char* keys) {
  ASSERT_EQ(QProcess::execute("xdotool", {"key", keys}), 0) << keys;
}

// Lets the X server's answer to a key press arrive: a press that reaches nobody here leaves
// nothing to wait for, so give it a moment.
void Settle() { QTest::qWait(300); }

// Where the X server has the window's client area, as any other client sees it.
QPoint ServerPosition(QWidget& window) {
  Display* display = XOpenDisplay(nullptr);
  int x = 0, y = 0;
  ::Window child;
  XTranslateCoordinates(display, window.winId(), DefaultRootWindow(display), 0, 0, &x, &y, &child);
  XCloseDisplay(display);
  return {x, y};
}

// Another X client holding Shift+F1 on the root window.
class OtherClient {
 public:
  OtherClient() : display_(XOpenDisplay(nullptr)) {
    keycode_ = XKeysymToKeycode(display_, XK_F1);
    XGrabKey(display_, keycode_, ShiftMask, DefaultRootWindow(display_), True, GrabModeAsync, GrabModeAsync);
    XSync(display_, False);
  }
  ~OtherClient() { XCloseDisplay(display_); }

 private:
  Display* display_;
  int keycode_;
};

class HotkeyHide : public ::testing::Test {
 protected:
  void SetUp() override {
    t.start();
    t.click("摄像头数");  // at start-up the frames cover all of 标签2 that lies in the client area
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    QTest::qWait(300);  // let the window manager settle the new size and place
  }
  QWidget& window() { return *t.widget(Window::Main, ""); }
  bool shown() { return t.sys().ui.visible(Window::Main, ""); }
  std::string flag() { return t.sys().ui.caption(Window::Main, "标签1"); }
  HotkeyService& service() { return hotkeys.service; }
  std::uintptr_t mainHandle() { return t.sys().ui.handle(Window::Main, ""); }
  void hide() { t.rightPress(326, 260); }  // the strip between the left and right frames

  X11Hotkeys hotkeys;
  TestSystem t{[this] {
    TestSystemOptions options;
    options.hotkeys = &hotkeys.service;
    return options;
  }()};
};

TEST_F(HotkeyHide, ShiftF1BeforeTheFirstHideDoesNothing) {
  PressKeys("shift+F1");
  Settle();
  EXPECT_TRUE(shown());
  EXPECT_EQ(flag(), "标签");
  EXPECT_EQ(service().counter(), 0);
  EXPECT_FALSE(service().filterInstalled());
}

TEST_F(HotkeyHide, HideAndShiftF1TwiceKeepTheFirstRegistration) {
  const QRect place = window().frameGeometry();
  const QPoint onScreen = ServerPosition(window());

  hide();
  EXPECT_FALSE(shown());
  EXPECT_EQ(flag(), "1");
  EXPECT_EQ(service().heldId(mainHandle(), kShift, kF1), 33001);
  EXPECT_EQ(service().filterCount(), 1);

  PressKeys("shift+F1");
  EXPECT_TRUE(Eventually([&] { return shown(); }));
  EXPECT_EQ(service().lastId(), 33002) << "the restore's re-registration was refused, its id used up";
  EXPECT_EQ(service().filterCount(), 1);

  hide();
  EXPECT_FALSE(shown());
  EXPECT_EQ(service().filterCount(), 2);

  PressKeys("shift+F1");
  EXPECT_TRUE(Eventually([&] { return shown(); }));
  EXPECT_TRUE(Eventually([&] { return window().isActiveWindow(); }));
  EXPECT_EQ(service().heldId(mainHandle(), kShift, kF1), 33001);
  EXPECT_EQ(service().lastId(), 33004);
  EXPECT_EQ(service().filterCount(), 2);
  EXPECT_TRUE(service().filterInstalled());
  EXPECT_EQ(flag(), "1");
  Eventually([&] { return window().frameGeometry() == place && ServerPosition(window()) == onScreen; });
  EXPECT_EQ(window().frameGeometry(), place);
  EXPECT_EQ(ServerPosition(window()), onScreen) << "shown again where it was";

  // Pressed on the shown window: it stays shown, and one more id is used up.
  PressKeys("shift+F1");
  Eventually([&] { return service().lastId() == 33005; });
  EXPECT_EQ(service().lastId(), 33005);
  EXPECT_TRUE(shown());
  EXPECT_EQ(flag(), "1");
}

TEST_F(HotkeyHide, ShiftF1WorksWithCapsLockAndNumLockOn) {
  hide();
  PressKeys("Caps_Lock");
  PressKeys("Num_Lock");
  PressKeys("shift+F1");
  const bool restored = QTest::qWaitFor([&] { return shown(); }, 5000);
  PressKeys("Caps_Lock");
  PressKeys("Num_Lock");
  EXPECT_TRUE(restored);
}

TEST_F(HotkeyHide, WhenAnotherClientHoldsShiftF1TheWindowIsNotHidden) {
  {
    OtherClient other;
    hide();
    EXPECT_TRUE(shown()) << "hidden without the hotkey, nothing could show it again";
    EXPECT_EQ(flag(), "标签");
    EXPECT_EQ(service().lastId(), 33001) << "the refused id is used up";
    EXPECT_EQ(service().filterCount(), 1);
    EXPECT_EQ(service().heldId(mainHandle(), kShift, kF1), 0);

    PressKeys("shift+F1");  // goes to the other client
    Settle();
    EXPECT_TRUE(shown());
    EXPECT_EQ(service().lastId(), 33001);
  }

  // Once the other client has let go, the next hide takes the key and works as usual.
  hide();
  EXPECT_FALSE(shown());
  EXPECT_EQ(service().heldId(mainHandle(), kShift, kF1), 33002);
  PressKeys("shift+F1");
  EXPECT_TRUE(Eventually([&] { return shown(); }));
}

}  // namespace
}  // namespace vidmora::test
