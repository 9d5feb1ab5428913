#include "platform/qt_window_frame.h"

#include <QWidget>
#include <QWindow>

namespace vidmora {

std::optional<QSize> ReportedFrame(const QWidget& window) {
  const QWindow* native = window.windowHandle();
  if (!native || !window.isVisible()) return std::nullopt;
  const QMargins m = native->frameMargins();
  if (m.isNull()) return std::nullopt;
  return QSize(m.left() + m.right(), m.top() + m.bottom());
}

QSize ClientSize(QSize outer, QSize frame) { return (outer - frame.boundedTo(kNominalFrame)).expandedTo(QSize(1, 1)); }

}  // namespace vidmora
