#pragma once
#include "platform/hotkey_service.h"
#include "platform/x11_hotkey_platform.h"

namespace vidmora {

// The program's hotkey service on X11. Create one, after the application object, and hand
// `service` to the handlers.
struct X11Hotkeys {
  X11HotkeyPlatform platform;
  HotkeyService service{platform};
};

}  // namespace vidmora
