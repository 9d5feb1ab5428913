#include "platform/x11_hotkey_platform.h"

#include <QGuiApplication>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xproto.h>

#include <algorithm>

#include "platform/label_feedback.h"
#include "platform/x11_key_codes.h"

namespace vidmora {

namespace {

Display* QtDisplay() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->display() : nullptr;
}

// Catches the X errors of the requests between construction and finish(), instead of the
// installed handler (Xlib's default one would end the process on a refused grab).
class ErrorTrap {
 public:
  explicit ErrorTrap(Display* display) : display_(display) {
    XSync(display_, False);
    trapped_ = display_;
    error_ = Success;
    saved_ = XSetErrorHandler(&ErrorTrap::Handle);
  }
  ~ErrorTrap() { finish(); }
  // Waits until the server has answered every request so far; returns the first error code.
  int finish() {
    if (!trapped_) return error_;
    XSync(display_, False);
    XSetErrorHandler(saved_);
    trapped_ = nullptr;
    return error_;
  }

 private:
  static int Handle(Display* display, XErrorEvent* event) {
    if (display == trapped_ && error_ == Success) error_ = event->error_code;
    return 0;
  }
  static inline Display* trapped_ = nullptr;
  static inline int error_ = Success;
  Display* display_;
  XErrorHandler saved_;
};

// The modifier bit that Num Lock sets on this keyboard, 0 when it has none.
unsigned NumLockMask(Display* display) {
  const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
  if (numLock == 0) return 0;
  XModifierKeymap* map = XGetModifierMapping(display);
  unsigned mask = 0;
  for (int modifier = 0; modifier < 8 && !mask; ++modifier)
    for (int i = 0; i < map->max_keypermod; ++i)
      if (map->modifiermap[modifier * map->max_keypermod + i] == numLock) mask = 1u << modifier;
  XFreeModifiermap(map);
  return mask;
}

constexpr unsigned kModifierMasks = ShiftMask | LockMask | ControlMask | Mod1Mask | Mod2Mask | Mod3Mask |
                                    Mod4Mask | Mod5Mask;

}  // namespace

X11HotkeyPlatform::X11HotkeyPlatform() : display_(QtDisplay()) {
  if (!display_) return;
  root_ = DefaultRootWindow(display_);
  qGuiApp->installNativeEventFilter(this);
}

X11HotkeyPlatform::~X11HotkeyPlatform() {
  if (!display_) return;
  for (const Grab& grab : grabs_) ungrab(grab);
  XSync(display_, False);
}

bool X11HotkeyPlatform::Register(std::uintptr_t window, int id, int modifierBits, int key) {
  if (!display_) return false;
  const unsigned long keysym = KeysymForVirtualKey(key);
  const std::optional<unsigned> mask = X11ModifierMask(modifierBits);
  const unsigned keycode = keysym == NoSymbol ? 0 : XKeysymToKeycode(display_, keysym);
  if (!mask || keycode == 0) return false;
  // The X server lets a client grab its own combination again, so our own registrations are
  // refused here.
  const bool ours = std::any_of(grabs_.begin(), grabs_.end(),
                                [&](const Grab& g) { return g.keycode == keycode && g.mask == *mask; });
  if (ours) return false;

  Grab grab{window, id, modifierBits, key, keycode, *mask, lockVariants(*mask)};
  ErrorTrap trap(display_);
  // Not owner_events: the press is reported on the root window even while one of our windows has the focus.
  for (unsigned variant : grab.variants)
    XGrabKey(display_, int(keycode), variant, root_, False, GrabModeAsync, GrabModeAsync);
  if (trap.finish() != Success) {
    // Another client holds the combination (in at least one lock variant): give back the rest.
    ErrorTrap release(display_);
    ungrab(grab);
    return false;
  }
  grabs_.push_back(std::move(grab));
  return true;
}

bool X11HotkeyPlatform::Unregister(std::uintptr_t window, int id) {
  const auto it = std::find_if(grabs_.begin(), grabs_.end(),
                               [&](const Grab& g) { return g.window == window && g.id == id; });
  if (it == grabs_.end()) return false;
  ungrab(*it);
  XFlush(display_);
  grabs_.erase(it);
  return true;
}

int X11HotkeyPlatform::HeldId(std::uintptr_t window, int modifierBits, int key) const {
  for (const Grab& g : grabs_)
    if (g.window == window && g.modifierBits == modifierBits && g.key == key) return g.id;
  return 0;
}

void X11HotkeyPlatform::InstallFilter(std::uintptr_t window, HotkeyFilter& filter) {
  filterWindow_ = window;
  filter_ = &filter;
}

void X11HotkeyPlatform::RemoveFilter() {
  filterWindow_ = 0;
  filter_ = nullptr;
}

void X11HotkeyPlatform::SendFeedback(std::uintptr_t label, long a, long b) { SendLabelFeedback(label, a, b); }

std::vector<unsigned> X11HotkeyPlatform::lockVariants(unsigned mask) const {
  const unsigned numLock = NumLockMask(display_);
  std::vector<unsigned> variants{mask, mask | LockMask};
  if (numLock && numLock != LockMask) {
    variants.push_back(mask | numLock);
    variants.push_back(mask | numLock | LockMask);
  }
  return variants;
}

void X11HotkeyPlatform::ungrab(const Grab& grab) {
  for (unsigned variant : grab.variants) XUngrabKey(display_, int(grab.keycode), variant, root_);
}

// A grabbed combination arrives as a key press on the root window. It goes on to Qt afterwards
// (which has no window for it), as a hotkey message goes on to its window.
bool X11HotkeyPlatform::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != XCB_KEY_PRESS) return false;
  const auto* press = static_cast<const xcb_key_press_event_t*>(message);
  if (press->root != root_ || press->event != root_) return false;
  const unsigned state = press->state & kModifierMasks;
  const auto grab = std::find_if(grabs_.begin(), grabs_.end(), [&](const Grab& g) {
    return g.keycode == press->detail && std::find(g.variants.begin(), g.variants.end(), state) != g.variants.end();
  });
  // The filter may register and unregister again, so nothing of grabs_ is used after it.
  if (grab != grabs_.end() && filter_ && grab->window == filterWindow_) filter_->OnHotkeyMessage(grab->id);
  return false;
}

}  // namespace vidmora
