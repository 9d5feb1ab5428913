#include "controls/source_buttons.h"

namespace vidmora {

void OnSourceClicked(System&) {}
void OnSourceSettingsClicked(System&) {}

}  // namespace vidmora
