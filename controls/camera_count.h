#pragma once
#include "platform/system.h"

namespace vidmora {

// The camera-count button 摄像头数: brings in the next camera, or ends the program.
void OnCameraCountClicked(System&);

}  // namespace vidmora
