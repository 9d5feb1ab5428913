#include "platform/hotkey_service.h"

namespace vidmora {

namespace {
constexpr int kFirstId = 33001;
}

HotkeyService::~HotkeyService() {
  if (filterInstalled_) platform_.RemoveFilter();
}

int HotkeyService::RegisterHotkey(std::uintptr_t window, std::uintptr_t targetLabel, int modifierCode, int key) {
  target_ = targetLabel;
  const int bits = ModifierBits(modifierCode);
  if (!filterInstalled_) {
    platform_.InstallFilter(window, *this);
    filterInstalled_ = true;
  }
  ++filterCount_;
  ++counter_;
  const int id = kFirstId - 1 + counter_;
  lastId_ = id;
  return platform_.Register(window, id, bits, key) ? id : 0;
}

bool HotkeyService::UnregisterHotkey(std::uintptr_t window, int id) {
  const bool unregistered = platform_.Unregister(window, id);
  --filterCount_;
  if (filterInstalled_ && filterCount_ == 0) {
    platform_.RemoveFilter();
    filterInstalled_ = false;
    return true;
  }
  return unregistered;
}

bool HotkeyService::HoldsHotkey(std::uintptr_t window, int modifierCode, int key) const {
  return heldId(window, modifierCode, key) != 0;
}

int HotkeyService::heldId(std::uintptr_t window, int modifierCode, int key) const {
  return platform_.HeldId(window, ModifierBits(modifierCode), key);
}

// The feedback runs to its end, nested here, before the key press goes on; it may register again.
void HotkeyService::OnHotkeyMessage(int id) {
  if (id >= kFirstId && id <= lastId_) platform_.SendFeedback(target_, id, 0);
}

}  // namespace vidmora
