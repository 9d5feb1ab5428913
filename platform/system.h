#pragma once
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/file_system.h"
#include "platform/hotkeys.h"
#include "platform/program.h"
#include "platform/shell.h"

namespace vidmora {

// Everything an event handler may reach. Handlers keep no state of their own: what the program
// remembers lives in the controls.
struct System {
  Controls& ui;
  Shell& shell;
  FileSystem& fs;
  Clock& clock;
  Hotkeys& hotkeys;
  Program& program;
};

// An event handler: runs on the GUI thread, one at a time.
using Handler = void (*)(System&);

}  // namespace vidmora
