#pragma once
#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <vector>

#include "platform/hotkey_platform.h"

typedef struct _XDisplay Display;

namespace vidmora {

// Hotkeys as passive key grabs on the X root window, through Qt's own X connection. A grab that
// another client holds is refused on the spot (the server's BadAccess, caught after a sync), so
// Register answers truthfully. Each combination is grabbed with and without Caps Lock and Num
// Lock, so the hotkey works with either on. Off X11 (Qt's offscreen platform) every registration
// is refused. Grabs are released when the object ends.
class X11HotkeyPlatform : public HotkeyPlatform, private QAbstractNativeEventFilter {
 public:
  X11HotkeyPlatform();
  ~X11HotkeyPlatform() override;
  X11HotkeyPlatform(const X11HotkeyPlatform&) = delete;
  X11HotkeyPlatform& operator=(const X11HotkeyPlatform&) = delete;

  bool Register(std::uintptr_t window, int id, int modifierBits, int key) override;
  bool Unregister(std::uintptr_t window, int id) override;
  int HeldId(std::uintptr_t window, int modifierBits, int key) const override;
  void InstallFilter(std::uintptr_t window, HotkeyFilter& filter) override;
  void RemoveFilter() override;
  void SendFeedback(std::uintptr_t label, long a, long b) override;

 private:
  struct Grab {
    std::uintptr_t window;
    int id, modifierBits, key;
    unsigned keycode, mask;
    std::vector<unsigned> variants;  // mask with each combination of Caps Lock and Num Lock
  };

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
  std::vector<unsigned> lockVariants(unsigned mask) const;
  void ungrab(const Grab&);

  Display* display_ = nullptr;
  unsigned long root_ = 0;
  std::vector<Grab> grabs_;
  std::uintptr_t filterWindow_ = 0;
  HotkeyFilter* filter_ = nullptr;
};

}  // namespace vidmora
