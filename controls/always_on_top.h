#pragma once
#include "platform/system.h"

namespace vidmora {

// 置顶按钮: keeps the main window above all others, or stops doing so.
void OnAlwaysOnTopClicked(System&);

}  // namespace vidmora
