#include "controls/always_on_top.h"

namespace vidmora {

void OnAlwaysOnTopClicked(System& sys) {
  auto caption = [&] { return sys.ui.caption(Window::Main, "置顶按钮"); };

  if (caption() == "置顶") {
    sys.ui.setAlwaysOnTop(Window::Main, true);
    sys.ui.setCaption(Window::Main, "置顶按钮", "不置顶");
  } else if (caption() == "不置顶") {
    sys.ui.setAlwaysOnTop(Window::Main, false);
    sys.ui.setCaption(Window::Main, "置顶按钮", "置顶");
  }
}

}  // namespace vidmora
