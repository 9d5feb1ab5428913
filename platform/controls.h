#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/video_device.h"
#include "platform/window_id.h"

namespace vidmora {

// The window's position property.
enum class Placement { Normal = 0, Centred = 1, Minimised = 2, Maximised = 3 };

// Property reads and writes on the controls of the open windows, by window and control name.
// The empty control name addresses the window itself. Texts are UTF-8. Every write has exactly
// the effect the windowing layer documents for it (a timer keeps its phase when given its current
// period again, a width above 32627 counts as 32627, and so on).
class Controls {
 public:
  virtual ~Controls() = default;

  virtual std::string caption(Window, std::string_view control) const = 0;
  virtual void setCaption(Window, std::string_view control, std::string_view text) = 0;

  virtual bool visible(Window, std::string_view control) const = 0;
  virtual void setVisible(Window, std::string_view control, bool) = 0;

  virtual bool disabled(Window, std::string_view control) const = 0;
  virtual void setDisabled(Window, std::string_view control, bool) = 0;

  virtual bool checked(Window, std::string_view control) const = 0;
  virtual void setChecked(Window, std::string_view control, bool) = 0;

  // Outer size of a window, frame and title bar included.
  virtual int width(Window) const = 0;
  virtual int height(Window) const = 0;
  virtual void setWidth(Window, int) = 0;
  virtual void setHeight(Window, int) = 0;
  virtual void setPlacement(Window, Placement) = 0;

  virtual bool alwaysOnTop(Window) const = 0;
  virtual void setAlwaysOnTop(Window, bool) = 0;

  // Timer period in milliseconds; 0 means stopped.
  virtual int period(Window, std::string_view timer) const = 0;
  virtual void setPeriod(Window, std::string_view timer, int ms) = 0;

  // The bytes of a JPEG file.
  virtual void setPicture(Window, std::string_view pictureBox, std::span<const unsigned char> jpeg) = 0;

  virtual VideoDevice& device(Window, std::string_view videoDevice) = 0;

  // The platform's native window id of a window or control.
  virtual std::uintptr_t handle(Window, std::string_view control) const = 0;
};

}  // namespace vidmora
