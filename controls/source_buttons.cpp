#include "controls/source_buttons.h"

#include <string>

#include "capture/camera_slots.h"
#include "recording/capture_folders.h"
#include "recording/date_text.h"

namespace vidmora {

// "来源" opens camera 1's source dialog whatever radio button is checked. "查看" opens the folder
// that recording fills today; it neither creates nor tests it, the file manager says if it is missing.
void OnSourceClicked(System& sys) {
  auto caption = [&] { return sys.ui.caption(Window::Main, "来源按钮"); };

  if (caption() == "来源") {
    Device(sys, 1).ShowSourceDialog();
  } else if (caption() == "查看") {
    const DateTime today = DateOnly(CurrentTime(sys));
    sys.shell.OpenUrl(std::string(RecordingsBase) + DateText(today) + "\\");
  }
}

// The first checked radio button, in slot order, chooses the camera.
void OnSourceSettingsClicked(System& sys) {
  for (const CameraSlot& slot : kCameraSlots) {
    if (sys.ui.checked(Window::Main, slot.radioButton)) {
      Device(sys, slot.number).ShowSourceDialog();
      return;
    }
  }
}

}  // namespace vidmora
