#pragma once
#include <cstdint>

#include "platform/hotkey_platform.h"
#include "platform/hotkeys.h"

namespace vidmora {

// Modifier code of a registration (1 Ctrl, 2 Shift, 3 Ctrl+Shift, 4 Alt, 5 Ctrl+Alt, 6 Shift+Alt)
// as modifier bits; any other code is taken as bits already.
constexpr int ModifierBits(int code) {
  switch (code) {
    case 1: return kModControl;
    case 2: return kModShift;
    case 3: return kModControl | kModShift;
    case 4: return kModAlt;
    case 5: return kModControl | kModAlt;
    case 6: return kModShift | kModAlt;
    default: return code;
  }
}

// The program's one hotkey service. Ids are 33000 + the number of registrations so far; an id is
// used up even when the desktop refuses it. Every press of a combination registered under an id
// between 33001 and the last id raises the feedback of the latest caller's label with (id, 0).
// The filter on the window of the first registration stays while registrations outnumber
// unregistrations, so re-registering an already held combination and unregistering the refused
// id 0 leave the first registration working.
class HotkeyService : public Hotkeys, private HotkeyFilter {
 public:
  explicit HotkeyService(HotkeyPlatform& platform) : platform_(platform) {}
  ~HotkeyService() override;

  int RegisterHotkey(std::uintptr_t window, std::uintptr_t targetLabel, int modifierCode, int key) override;
  bool UnregisterHotkey(std::uintptr_t window, int id) override;
  bool HoldsHotkey(std::uintptr_t window, int modifierCode, int key) const override;

  int counter() const { return counter_; }
  int lastId() const { return lastId_; }
  int filterCount() const { return filterCount_; }
  bool filterInstalled() const { return filterInstalled_; }
  // The id under which the combination is registered for `window`; 0 when it is not.
  int heldId(std::uintptr_t window, int modifierCode, int key) const;

 private:
  void OnHotkeyMessage(int id) override;

  HotkeyPlatform& platform_;
  int counter_ = 0;
  int lastId_ = 0;
  std::uintptr_t target_ = 0;
  bool filterInstalled_ = false;
  int filterCount_ = 0;
};

}  // namespace vidmora
