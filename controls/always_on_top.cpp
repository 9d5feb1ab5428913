#include "controls/always_on_top.h"

namespace vidmora {

void OnAlwaysOnTopClicked(System&) {}

}  // namespace vidmora
