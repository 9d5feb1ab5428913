#include "controls/camera_count.h"

namespace vidmora {

void OnCameraCountClicked(System&) {}

}  // namespace vidmora
