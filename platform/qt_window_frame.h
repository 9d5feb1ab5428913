#pragma once
#include <QSize>
#include <optional>

class QWidget;

namespace vidmora {

// The frame assumed around a window until the window manager reports one (no window manager,
// a window not framed yet): 4-pixel borders and a 31-pixel title bar.
inline constexpr QSize kNominalFrame(8, 35);

// The frame (left + right, top + bottom) the window manager reports for a top-level window now;
// nothing while it reports none, as between a hide and the next framing.
std::optional<QSize> ReportedFrame(const QWidget& window);

// The client area of a window of the given outer size (frame and title bar included) in the given
// frame. A frame thicker than the nominal one never takes more than it: the layouts are made for at
// least the nominal client area.
QSize ClientSize(QSize outer, QSize frame);

}  // namespace vidmora
