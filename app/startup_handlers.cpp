#include "app/startup_handlers.h"

#include "app/pictures.h"
#include "app/web_addresses.h"
#include "capture/camera_slots.h"

namespace vidmora {

void OnMainWindowCreated(System& sys) {
  sys.shell.OpenUrl(kAnnouncementPage);
  Device(sys, 1).SelectSource(1);
  Device(sys, 1).SetPreview(true, 60);
  sys.ui.setVisible(Window::Main, Slot(3).device, false);
  sys.ui.setVisible(Window::Main, Slot(4).device, false);
  sys.ui.setVisible(Window::Main, Slot(2).device, false);
  sys.program.LoadWindow(Window::Help);
}

void OnMainWindowWillBeDestroyed(System& sys) { sys.program.End(0); }

void OnHelpWindowCreated(System& sys) {
  sys.ui.setAlwaysOnTop(Window::Help, true);
  sys.ui.setPicture(Window::Help, "图片框1", FirstHelpPicture());
  sys.ui.setPicture(Window::Help, "图片框2", SecondHelpPicture());
}

void OnHelpPicturePressed(System& sys) { sys.shell.OpenUrl(kAffiliatePage); }

}  // namespace vidmora
