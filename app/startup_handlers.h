#pragma once
#include "platform/system.h"

namespace vidmora {

// MainWindow created: announcement page, camera 1 live, cameras 2-4 out of sight, HelpWindow on top.
void OnMainWindowCreated(System&);
// MainWindow will be destroyed: the program ends.
void OnMainWindowWillBeDestroyed(System&);
// HelpWindow created: stays on top and shows its two pictures.
void OnHelpWindowCreated(System&);
// A left press on either help picture opens the affiliate page.
void OnHelpPicturePressed(System&);

}  // namespace vidmora
