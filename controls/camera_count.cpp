#include "controls/camera_count.h"

#include "capture/camera_slots.h"

namespace vidmora {

namespace {
constexpr int kWideWidth = 660;
constexpr int kTallHeight = 562;
constexpr int kNewSlotSource = 1;
constexpr int kPreviewRateMs = 60;
}  // namespace

// The caption names what this click does; each step below is one property write or one capture
// operation, in the order the user sees them. The source dialogs are modal: the handler waits in
// them while timers keep ticking, so the caption only moves on once the dialog is closed.
void OnCameraCountClicked(System& sys) {
  auto caption = [&] { return sys.ui.caption(Window::Main, "摄像头数"); };

  if (caption() == "2摄像头") {
    sys.ui.setWidth(Window::Main, kWideWidth);
    sys.ui.setPlacement(Window::Main, Placement::Centred);
    sys.ui.setVisible(Window::Main, "镜头1单选框", true);
    sys.ui.setVisible(Window::Main, "镜头2单选框", true);
    sys.ui.setVisible(Window::Main, "视频设备2", true);
    Device(sys, 2).SelectSource(kNewSlotSource);
    Device(sys, 2).SetPreview(true, kPreviewRateMs);
    Device(sys, 2).ShowSourceDialog();
    sys.ui.setCaption(Window::Main, "摄像头数", "3摄像头");
    sys.ui.setCaption(Window::Main, "来源按钮", "查看");
    sys.ui.setDisabled(Window::Main, "录像按钮", true);
    sys.ui.setChecked(Window::Main, "镜头1单选框", true);
  } else if (caption() == "3摄像头") {
    sys.ui.setHeight(Window::Main, kTallHeight);
    sys.ui.setPlacement(Window::Main, Placement::Centred);
    sys.ui.setVisible(Window::Main, "镜头3单选框", true);
    sys.ui.setVisible(Window::Main, "视频设备3", true);
    Device(sys, 3).SelectSource(kNewSlotSource);
    Device(sys, 3).ShowSourceDialog();
    Device(sys, 3).SetPreview(true, kPreviewRateMs);
    sys.ui.setCaption(Window::Main, "摄像头数", "4摄像头");
  } else if (caption() == "4摄像头") {
    sys.ui.setVisible(Window::Main, "视频设备4", true);
    sys.ui.setVisible(Window::Main, "镜头4单选框", true);
    Device(sys, 4).SelectSource(kNewSlotSource);
    Device(sys, 4).ShowSourceDialog();
    Device(sys, 4).SetPreview(true, kPreviewRateMs);
    sys.ui.setCaption(Window::Main, "摄像头数", "退出");
  } else if (caption() == "退出") {
    for (int slot : {3, 4, 2, 1}) Device(sys, slot).AbortCapture();
    sys.program.End(0);
  }
}

}  // namespace vidmora
