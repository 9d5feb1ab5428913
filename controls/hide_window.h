#pragma once
#include "platform/system.h"

namespace vidmora {

// A right press on 标签2 hides the main window behind Shift+F1; the hotkey's feedback on 标签1 shows it again.
void OnHideLabelRightPressed(System&);
void OnHiddenLabelFeedback(System&);

}  // namespace vidmora
