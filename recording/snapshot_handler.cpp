#include "recording/snapshot_handler.h"

#include <string_view>

#include "capture/camera_slots.h"
#include "recording/capture_file_name.h"
#include "recording/capture_folders.h"
#include "recording/date_text.h"

namespace vidmora {
namespace {

// The count button names its next step, one ahead of the cameras in view.
struct CountStep {
  std::string_view caption;
  int camerasShown;
};
constexpr CountStep kCountSteps[] = {{"2摄像头", 1}, {"3摄像头", 2}, {"4摄像头", 3}, {"退出", 4}};

int CamerasShown(const std::string& countCaption) {
  for (const CountStep& step : kCountSteps)
    if (countCaption == step.caption) return step.camerasShown;
  return 0;
}

}  // namespace

// Saves the picture of slots 1 up to the number in view. One clock reading names the folder and
// every picture of the click.
void OnSnapshotClicked(System& sys) {
  const DateTime now = CurrentTime(sys);
  EnsureDateFolder(sys.fs, PicturesBase, now);
  const int shown = CamerasShown(sys.ui.caption(Window::Main, "摄像头数"));
  for (int slot = 1; slot <= shown; ++slot)
    Device(sys, slot).SaveFrame(FirstFreeName(sys.fs, CaptureFileName(PicturesBase, slot, SnapshotExtension, now)));
}

}  // namespace vidmora
