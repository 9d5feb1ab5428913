#pragma once
#include <cstdint>

namespace vidmora {

// Modifier bits of a hotkey registration, as the desktop takes them.
inline constexpr int kModAlt = 1;
inline constexpr int kModControl = 2;
inline constexpr int kModShift = 4;
inline constexpr int kModWin = 8;

// Receives the hotkey messages that reach the window it is installed on.
class HotkeyFilter {
 public:
  virtual ~HotkeyFilter() = default;
  // A registered combination was pressed: `id` is the id it was registered under. Runs before the
  // message goes on to the window.
  virtual void OnHotkeyMessage(int id) = 0;
};

// What the desktop offers the hotkey service: system-wide key registrations, a hook on one
// window's hotkey messages, and the synchronous feedback message to a label.
class HotkeyPlatform {
 public:
  virtual ~HotkeyPlatform() = default;
  // Refused when the combination is taken, by this program under another id or by anyone else,
  // or when the desktop cannot express it.
  virtual bool Register(std::uintptr_t window, int id, int modifierBits, int key) = 0;
  virtual bool Unregister(std::uintptr_t window, int id) = 0;
  // The id under which this program holds the combination for `window`; 0 when it holds none.
  virtual int HeldId(std::uintptr_t window, int modifierBits, int key) const = 0;
  // From now on the hotkey messages of `window` pass through `filter` first.
  virtual void InstallFilter(std::uintptr_t window, HotkeyFilter& filter) = 0;
  virtual void RemoveFilter() = 0;
  virtual void SendFeedback(std::uintptr_t label, long a, long b) = 0;
};

}  // namespace vidmora
