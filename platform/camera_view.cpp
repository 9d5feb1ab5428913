#include "platform/camera_view.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/camera_failures.h"
#include "platform/camera_feed.h"

namespace vidmora {

CameraView::CameraView(QWidget& control) : QWidget(&control) {
  setObjectName("视频窗口");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setGeometry(0, 0, control.width(), control.height());
  control.installEventFilter(this);
  timer_.setInterval(66);
  connect(&timer_, &QTimer::timeout, this, &CameraView::nextFrame);
  show();
}

bool CameraView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == parent() && event->type() == QEvent::Resize)
    resize(static_cast<QResizeEvent*>(event)->size());
  return false;
}

void CameraView::display(std::shared_ptr<LiveFeed> feed) {
  feed_ = std::move(feed);
  picture_ = {};
  serial_ = 0;
  cameraGone_ = false;
  timer_.stop();
  if (feed_ && previewing_) timer_.start();
  update();
}

void CameraView::setPreview(bool on, int rateMs) {
  if (rateMs != -1) timer_.setInterval(std::max(1, rateMs));
  previewing_ = on;
  if (on && feed_) {
    if (!timer_.isActive()) timer_.start();
  } else {
    timer_.stop();
  }
  update();
}

void CameraView::setScaled(bool scaled) {
  scaled_ = scaled;
  update();
}

void CameraView::setFailure(const std::string& text) {
  failure_ = QString::fromStdString(text);
  update();
}

void CameraView::nextFrame() {
  if (!feed_) return;
  if (feed_->lost() != cameraGone_) {
    cameraGone_ = feed_->lost();
    update();
  }
  if (feed_->takePreview(picture_, serial_)) {
    ++framesShown_;
    update();
  }
}

void CameraView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (previewing_ && !picture_.isNull()) {
    if (scaled_)
      p.drawImage(rect(), picture_);
    else
      p.drawImage(QPoint(0, 0), picture_);
  }
  if (previewing_ && cameraGone_) {
    p.fillRect(rect(), QColor(0, 0, 0, 160));
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, QString::fromUtf8(kCameraGone));
  }
  if (!failure_.isEmpty()) {
    QRect line(0, height() - 22, width(), 22);
    p.fillRect(line, QColor(0, 0, 0, 190));
    p.setPen(QColor(255, 60, 60));
    p.drawText(line.adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, failure_);
  }
}

void CameraView::mousePressEvent(QMouseEvent* event) {
  // Presses on the picture stay with it: they neither hide the window nor reach the controls behind.
  event->accept();
  if (onMousePress) onMousePress(event->button());
}

}  // namespace vidmora
