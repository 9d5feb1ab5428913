// The hotkey service's bookkeeping over real key grabs on an X server.
#include <QGuiApplication>
#include <gtest/gtest.h>

#include "platform/x11_hotkeys.h"

// After gtest and Qt: Xlib defines None, Bool, Status and the like.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace vidmora {
namespace {

constexpr std::uintptr_t kWindow = 0x1234, kLabel = 0x5678;
constexpr int kShift = 2, kCtrlAlt = 5, kF1 = 112, kF2 = 113;

// A second X client; its grabs compete with ours as any other program's would.
class OtherClient {
 public:
  OtherClient() : display_(XOpenDisplay(nullptr)), keycode_(XKeysymToKeycode(display_, XK_F1)) {}
  ~OtherClient() { XCloseDisplay(display_); }
  // Whether the X server let this client grab F1 with the modifiers.
  bool grab(unsigned modifiers) {
    refused_ = false;
    XSync(display_, False);
    const XErrorHandler saved = XSetErrorHandler(&OtherClient::onError);
    XGrabKey(display_, keycode_, modifiers, DefaultRootWindow(display_), True, GrabModeAsync, GrabModeAsync);
    XSync(display_, False);
    XSetErrorHandler(saved);
    return !refused_;
  }
  void release(unsigned modifiers) {
    XUngrabKey(display_, keycode_, modifiers, DefaultRootWindow(display_));
    XSync(display_, False);
  }

 private:
  static int onError(Display*, XErrorEvent* e) {
    if (e->error_code == BadAccess) refused_ = true;
    return 0;
  }
  static inline bool refused_ = false;
  Display* display_;
  int keycode_;
};

TEST(HotkeyService, IdsCountEveryRegistrationAndTheFilterLastsWhileRegistrationsOutnumberUnregistrations) {
  X11Hotkeys hotkeys;
  HotkeyService& s = hotkeys.service;

  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kShift, kF1), 33001);
  EXPECT_TRUE(s.filterInstalled());
  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kShift, kF1), 0) << "the combination is ours already";
  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kModShift | 0x4000, kF1), 0) << "the same keys without auto-repeat";
  EXPECT_EQ(s.lastId(), 33003);
  EXPECT_EQ(s.filterCount(), 3);

  EXPECT_FALSE(s.UnregisterHotkey(kWindow, 0));
  EXPECT_FALSE(s.UnregisterHotkey(kWindow, 0));
  EXPECT_EQ(s.filterCount(), 1);
  EXPECT_TRUE(s.HoldsHotkey(kWindow, kShift, kF1));

  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kCtrlAlt, kF2), 33004);
  EXPECT_TRUE(s.UnregisterHotkey(kWindow, 33004));
  EXPECT_EQ(s.filterCount(), 1);
  EXPECT_TRUE(s.UnregisterHotkey(kWindow, 0)) << "unregistered nothing, but removing the filter answers true";
  EXPECT_EQ(s.filterCount(), 0);
  EXPECT_FALSE(s.filterInstalled());
  EXPECT_TRUE(s.HoldsHotkey(kWindow, kShift, kF1)) << "removing the filter unregisters nothing";
  EXPECT_FALSE(s.HoldsHotkey(kWindow, kCtrlAlt, kF2));

  EXPECT_TRUE(s.UnregisterHotkey(kWindow, 33001));
  EXPECT_FALSE(s.HoldsHotkey(kWindow, kShift, kF1));
  EXPECT_EQ(s.filterCount(), -1);
  EXPECT_FALSE(s.filterInstalled());

  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kShift, kF1), 33005) << "the counter never restarts";
  EXPECT_EQ(s.filterCount(), 0) << "registered, yet the count is back at 0";
  EXPECT_TRUE(s.filterInstalled());
}

TEST(HotkeyService, UnknownKeysAndModifiersAreRefusedButUseUpTheirIds) {
  X11Hotkeys hotkeys;
  HotkeyService& s = hotkeys.service;
  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kShift, 0x3A), 0);
  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, 0x100, kF1), 0);
  EXPECT_EQ(s.lastId(), 33002);
  EXPECT_EQ(s.filterCount(), 2);
}

TEST(HotkeyService, ACombinationAnotherClientHoldsIsRefusedWholly) {
  OtherClient other;
  X11Hotkeys hotkeys;
  HotkeyService& s = hotkeys.service;

  // Held by the other client only with Caps Lock on: still not ours to take.
  ASSERT_TRUE(other.grab(ShiftMask | LockMask));
  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kShift, kF1), 0);
  EXPECT_FALSE(s.HoldsHotkey(kWindow, kShift, kF1));
  EXPECT_TRUE(other.grab(ShiftMask)) << "the variants we did get were given back";
  other.release(ShiftMask);
  other.release(ShiftMask | LockMask);

  EXPECT_EQ(s.RegisterHotkey(kWindow, kLabel, kShift, kF1), 33002);
  EXPECT_FALSE(other.grab(ShiftMask)) << "now ours";
}

TEST(HotkeyService, GrabsEndWithTheService) {
  OtherClient other;
  {
    X11Hotkeys hotkeys;
    ASSERT_EQ(hotkeys.service.RegisterHotkey(kWindow, kLabel, kShift, kF1), 33001);
  }
  EXPECT_TRUE(other.grab(ShiftMask));
}

}  // namespace
}  // namespace vidmora
