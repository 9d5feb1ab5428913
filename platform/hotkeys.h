#pragma once
#include <cstdint>

namespace vidmora {

// The process-wide global hotkey service. A press of a registered combination raises the
// feedback event of the target label with (id, 0).
class Hotkeys {
 public:
  virtual ~Hotkeys() = default;
  // Returns the new id (33001, 33002, ...) or 0 when the platform refused the combination.
  virtual int RegisterHotkey(std::uintptr_t window, std::uintptr_t targetLabel, int modifierCode, int key) = 0;
  virtual bool UnregisterHotkey(std::uintptr_t window, int id) = 0;
  // Whether a registration of this program holds the combination for the window now. A service
  // that cannot tell answers true, so that callers go on as if the combination were theirs.
  virtual bool HoldsHotkey(std::uintptr_t /*window*/, int /*modifierCode*/, int /*key*/) const { return true; }
};

}  // namespace vidmora
