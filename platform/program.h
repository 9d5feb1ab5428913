#pragma once
#include "platform/window_id.h"

namespace vidmora {

// Loading windows and ending the program.
class Program {
 public:
  virtual ~Program() = default;
  // Builds the window (running its created handler) and shows it, not modal, without parent.
  // On a window that is already open it only activates it.
  virtual bool LoadWindow(Window) = 0;
  // Destroys every open window (video devices end their captures) and ends the program with the code.
  // The handler that calls this must do nothing after it.
  virtual void End(int exitCode) = 0;
};

}  // namespace vidmora
