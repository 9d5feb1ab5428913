#pragma once
#include "platform/system.h"

namespace vidmora {

// Snapshot (拍照按钮): one picture of every camera in view.
void OnSnapshotClicked(System&);

}  // namespace vidmora
