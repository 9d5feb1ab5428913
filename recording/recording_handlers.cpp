#include "recording/recording_handlers.h"

#include <string>

#include "capture/camera_slots.h"
#include "recording/segment.h"

namespace vidmora {

// Record always records slot 1, whichever radio button is checked.
void OnRecordClicked(System& sys) {
  Device(sys, 1).ShowFormatDialog();
  Device(sys, 1).ShowCompressionDialog();
  sys.ui.setCaption(Window::Main, "", "正在录像");
  sys.ui.setDisabled(Window::Main, "录像按钮", true);
  sys.ui.setDisabled(Window::Main, "停止按钮", false);
  sys.ui.setDisabled(Window::Main, "拍照按钮", true);
  // In its last step the count button ends the program, and in "查看" mode the source button only
  // opens today's folder: both stay usable during a recording.
  if (sys.ui.caption(Window::Main, "摄像头数") != "退出") sys.ui.setDisabled(Window::Main, "摄像头数", true);
  if (sys.ui.caption(Window::Main, "来源按钮") != "查看") sys.ui.setDisabled(Window::Main, "来源按钮", true);
  StartSegment(sys, 1);
  sys.ui.setPeriod(Window::Main, Slot(1).timer, kSegmentTimerPeriodMs);
}

// Records every checked slot and only appends to the caption; the buttons stay as they are. A second
// click writes the same period again, which leaves the running timer's schedule alone.
void OnCameraRecordClicked(System& sys) {
  for (const CameraSlot& slot : kCameraSlots) {
    if (!sys.ui.checked(Window::Main, slot.radioButton)) continue;
    Device(sys, slot.number).ShowFormatDialog();
    Device(sys, slot.number).ShowCompressionDialog();
    StartSegment(sys, slot.number);
    sys.ui.setPeriod(Window::Main, slot.timer, kSegmentTimerPeriodMs);
    sys.ui.setCaption(Window::Main, "", sys.ui.caption(Window::Main, "") + std::string(slot.captionSuffix));
  }
}

void OnStopClicked(System& sys) {
  for (const CameraSlot& slot : kCameraSlots) Device(sys, slot.number).AbortCapture();
  for (const CameraSlot& slot : kCameraSlots) sys.ui.setPeriod(Window::Main, slot.timer, 0);
  sys.ui.setCaption(Window::Main, "", "正在预览");
  sys.ui.setDisabled(Window::Main, "录像按钮", false);
  sys.ui.setDisabled(Window::Main, "停止按钮", true);
  sys.ui.setDisabled(Window::Main, "拍照按钮", false);
  sys.ui.setDisabled(Window::Main, "来源按钮", false);
  sys.ui.setDisabled(Window::Main, "摄像头数", false);
}

// A tick only starts the slot's next segment; caption, buttons and period stay as they are.
void OnTimer1Tick(System& sys) { StartSegment(sys, 1); }
void OnTimer2Tick(System& sys) { StartSegment(sys, 2); }
void OnTimer3Tick(System& sys) { StartSegment(sys, 3); }
void OnTimer4Tick(System& sys) { StartSegment(sys, 4); }

}  // namespace vidmora
