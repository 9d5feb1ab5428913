#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "platform/label_feedback.h"
#include "platform/qt_controls.h"

namespace vidmora {
namespace {

// The feedback message as a Qt event; the label raises its feedback event on it.
class LabelFeedbackEvent : public QEvent {
 public:
  LabelFeedbackEvent(long a, long b) : QEvent(static_cast<QEvent::Type>(kLabelFeedbackMessage)), a(a), b(b) {}
  long a, b;
};

}  // namespace

bool SendLabelFeedback(std::uintptr_t labelHandle, long a, long b) {
  auto* label = dynamic_cast<QtLabel*>(QWidget::find(static_cast<WId>(labelHandle)));
  if (!label) return false;
  LabelFeedbackEvent event(a, b);
  QCoreApplication::sendEvent(label, &event);  // synchronous: the handler has run when this returns
  return true;
}

}  // namespace vidmora
