#include "controls/hide_window.h"

namespace vidmora {

namespace {
constexpr int kShift = 2;  // modifier code
constexpr int kF1 = 112;   // virtual-key code

std::uintptr_t MainWindowHandle(System& sys) { return sys.ui.handle(Window::Main, ""); }
std::uintptr_t HiddenLabelHandle(System& sys) { return sys.ui.handle(Window::Main, "标签1"); }
}  // namespace

// A refused registration is normal from the second hide on: Shift+F1 is still ours under the first
// id. Only when no registration of ours holds it (another program took it first) does the window
// stay: hidden, it could never be shown again while it keeps recording.
void OnHideLabelRightPressed(System& sys) {
  const int id = sys.hotkeys.RegisterHotkey(MainWindowHandle(sys), HiddenLabelHandle(sys), kShift, kF1);
  if (id == 0 && !sys.hotkeys.HoldsHotkey(MainWindowHandle(sys), kShift, kF1)) return;
  sys.ui.setVisible(Window::Main, "", false);
  sys.ui.setCaption(Window::Main, "标签1", "1");
}

// Raised by Shift+F1. The re-registration is refused while the first one holds the combination,
// and unregistering its result (0) only balances the service's count.
void OnHiddenLabelFeedback(System& sys) {
  if (sys.ui.caption(Window::Main, "标签1") == "1") sys.ui.setVisible(Window::Main, "", true);
  const int id = sys.hotkeys.RegisterHotkey(MainWindowHandle(sys), HiddenLabelHandle(sys), kShift, kF1);
  sys.hotkeys.UnregisterHotkey(MainWindowHandle(sys), id);
}

}  // namespace vidmora
