#pragma once

class QWidget;

namespace vidmora {

// Puts a top-level window into the desktop's topmost band or takes it out, without activating,
// moving, resizing or re-creating it. Safe on a hidden window; call again after each show, since
// the window manager forgets the state of a window that was withdrawn.
void SetStaysOnTop(QWidget& window, bool on);

}  // namespace vidmora
