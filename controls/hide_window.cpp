#include "controls/hide_window.h"

namespace vidmora {

void OnHideLabelRightPressed(System&) {}
void OnHiddenLabelFeedback(System&) {}

}  // namespace vidmora
