#pragma once
#include "platform/shell.h"

namespace vidmora {

// The desktop's default handlers: web addresses go to the browser, a program path ("d:\...") to the
// file manager. Never waits, never asks the user anything; a failure is only the false result.
class DesktopShell : public Shell {
 public:
  bool OpenUrl(std::string_view text) override;
};

}  // namespace vidmora
