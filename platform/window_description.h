#pragma once
#include <span>
#include <string_view>

#include "platform/system.h"
#include "platform/window_id.h"

namespace vidmora {

// The kinds of control a window description can hold.
enum class ControlKind { Button, RadioButton, Label, PictureBox, Timer, VideoDevice };

enum class Border { None, SingleLine, Raised };

// One control of a window, as laid out at design time. Place and size are in pixels, relative to
// the client area of the window (or to the parent control, for a nested one).
struct ControlDescription {
  std::string_view name;
  ControlKind kind;
  int left, top, width, height;
  std::string_view parent;  // empty: the window itself
  bool visible;
  bool disabled;
  std::string_view text;  // caption; a label without one shows "标签"
  Border border = Border::None;
  int period = 0;  // timers only; 0 is stopped
  bool wrap = false;  // labels: wraps at word boundaries from the top left, else one line centred vertically
};

// A top-level window: its own settings, then its controls in stacking order, the first on top.
struct WindowDescription {
  Window window;
  std::string_view name;
  int outerWidth, outerHeight;  // frame and title bar included
  bool minimiseButton;
  std::string_view caption;
  std::span<const unsigned char> icon;  // JPEG bytes
  std::span<const ControlDescription> controls;
};

// The events a handler can be bound to.
enum class Event { Created, WillBeDestroyed, Clicked, Tick, RightPress, Feedback, LeftPress };

// (window, control, event) -> handler; the empty control name is the window itself.
struct EventBinding {
  Window window;
  std::string_view control;
  Event event;
  Handler handler;
};

}  // namespace vidmora
