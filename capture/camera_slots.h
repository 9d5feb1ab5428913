#pragma once
#include <array>
#include <string_view>

#include "platform/system.h"

namespace vidmora {

// One of the four fixed camera positions in the main window.
struct CameraSlot {
  int number;                      // 1 to 4
  std::string_view device;         // video device control
  std::string_view frame;          // picture box that frames the preview
  std::string_view radioButton;
  std::string_view radioText;
  std::string_view timer;          // starts the slot's next recording segment
  std::string_view fileTag;        // opens every file name of the slot, separator included
  std::string_view captionSuffix;  // appended to the window caption when the slot starts recording
};

inline constexpr std::array<CameraSlot, 4> kCameraSlots{{
    {1, "视频设备1", "图片框1", "镜头1单选框", "镜头1", "时钟1", "\\(1)", "  镜头1正在录像"},
    {2, "视频设备2", "图片框2", "镜头2单选框", "镜头2", "时钟2", "\\(2)", "  镜头2正在录像"},
    {3, "视频设备3", "图片框6", "镜头3单选框", "镜头3", "时钟3", "\\(3)", "  镜头3正在录像"},
    {4, "视频设备4", "图片框4", "镜头4单选框", "镜头4", "时钟4", "\\(4)", "  镜头4正在录像"},
}};

// Slot numbers count from 1.
inline const CameraSlot& Slot(int number) { return kCameraSlots.at(number - 1); }

// The video device of a slot; every capture operation goes through it.
inline VideoDevice& Device(System& sys, int slot) { return sys.ui.device(Window::Main, Slot(slot).device); }

}  // namespace vidmora
