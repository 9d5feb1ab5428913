#pragma once
#include "platform/system.h"

namespace vidmora {

// 来源按钮 (source dialog of camera 1, or today's recordings folder) and 来源设置按钮 (source dialog of the selected camera).
void OnSourceClicked(System&);
void OnSourceSettingsClicked(System&);

}  // namespace vidmora
