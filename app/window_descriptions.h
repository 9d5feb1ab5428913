#pragma once
#include "platform/window_description.h"

namespace vidmora {

// The program's two windows as laid out at design time.
const WindowDescription& MainWindowDescription();
const WindowDescription& HelpWindowDescription();
const WindowDescription& Description(Window);

// The product title: MainWindow's caption at start-up.
inline constexpr std::string_view kProductTitle = "Vidmora";

}  // namespace vidmora
