#include "platform/qt_controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QFontInfo>

#include "platform/jpeg_decoder.h"
#include "platform/label_feedback.h"
#include "platform/time_scale.h"

namespace vidmora {

QtWindow::QtWindow(const WindowDescription& description, std::function<void()> onClose,
                   std::function<void()> onFrameMayHaveChanged)
    : onClose_(std::move(onClose)), onFrameMayHaveChanged_(std::move(onFrameMayHaveChanged)) {
  // Title bar with system menu and close button, minimise where the window wants it, never maximise.
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint;
  if (description.minimiseButton) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setObjectName(QString::fromUtf8(description.name.data(), description.name.size()));
  // The controls are laid out for a 12-pixel GUI font (9 points at 96 dpi): the help text's 15
  // lines fill its 184-pixel label at that size.
  QFont font = this->font();
  font.setPixelSize(12);
  setFont(font);
}

void QtWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  onClose_();
}

void QtWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  onFrameMayHaveChanged_();
}

void QtWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  onFrameMayHaveChanged_();
}

void QtWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

QtLabel::QtLabel(QWidget* parent, bool wrap, EventSink sink) : QLabel(parent), sink_(std::move(sink)) {
  setTextFormat(Qt::PlainText);
  setWordWrap(wrap);
  setAlignment(wrap ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignLeft | Qt::AlignVCenter);
  setAutoFillBackground(true);
}

void QtLabel::showCaption(std::string_view caption) {
  QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  setText(text);
}

void QtLabel::paintEvent(QPaintEvent* event) {
  if (!wordWrap()) return QLabel::paintEvent(event);
  // Wrapped text runs at one line per font size, as the layout of the help window assumes; the
  // toolkit's own line spacing would push the last lines out of the label.
  QTextDocument document;
  document.setDocumentMargin(0);
  document.setDefaultFont(font());
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  document.setDefaultTextOption(option);
  document.setPlainText(text());
  document.setTextWidth(width());
  QTextCursor cursor(&document);
  cursor.select(QTextCursor::Document);
  QTextBlockFormat lines;
  lines.setLineHeight(QFontInfo(font()).pixelSize(), QTextBlockFormat::FixedHeight);
  cursor.mergeBlockFormat(lines);
  QPainter painter(this);
  painter.setClipRect(rect());
  document.drawContents(&painter, rect());
}

void QtLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return QLabel::mousePressEvent(event);
  event->accept();
  sink_(Event::RightPress);
}

bool QtLabel::event(QEvent* event) {
  if (event->type() != static_cast<QEvent::Type>(kLabelFeedbackMessage)) return QLabel::event(event);
  sink_(Event::Feedback);
  return true;
}

QtPictureBox::QtPictureBox(QWidget* parent, Border border, EventSink sink) : QFrame(parent), sink_(std::move(sink)) {
  if (border == Border::SingleLine) {
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
  } else if (border == Border::Raised) {
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
  }
  // Opaque, so that what lies below (标签2 under the preview frames) never shows through.
  setAutoFillBackground(true);
}

void QtPictureBox::setPicture(QImage picture) {
  picture_ = std::move(picture);
  update();
}

void QtPictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.setClipRect(contentsRect());
  painter.drawImage(contentsRect().topLeft(), picture_);
}

void QtPictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QFrame::mousePressEvent(event);
  event->accept();
  sink_(Event::LeftPress);
}

QtRadioButton::QtRadioButton(QWidget* parent) : QRadioButton(parent) {
  setAutoExclusive(false);
  setAutoFillBackground(true);
}

QtTimer::QtTimer(QWidget* parent, EventSink sink) : QWidget(parent), sink_(std::move(sink)) {
  // A coarse timer may be 5 % late, a minute on a 20-minute period: recording relies on its
  // timer firing about one second after the capture limit.
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { sink_(Event::Tick); });
}

void QtTimer::setPeriod(int ms) {
  if (ms < 0) ms = 0;
  if (ms == period_) return;  // a running timer keeps its phase
  period_ = ms;
  timer_.stop();
  if (ms > 0) timer_.start(ScaledMilliseconds(ms));
}

QtVideoArea::QtVideoArea(QWidget* parent) : QWidget(parent) {
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));  // dark, yet apart from its black frame
  setPalette(palette);
  setAutoFillBackground(true);
}

QWidget* CreateControl(const ControlDescription& c, QWidget* parent, EventSink sink) {
  QWidget* control = nullptr;
  switch (c.kind) {
    case ControlKind::Button: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);  // no default button: Enter clicks nothing
      QObject::connect(button, &QPushButton::clicked, button, [sink] { sink(Event::Clicked); });
      control = button;
      break;
    }
    case ControlKind::RadioButton:
      control = new QtRadioButton(parent);
      break;
    case ControlKind::Label:
      control = new QtLabel(parent, c.wrap, std::move(sink));
      break;
    case ControlKind::PictureBox:
      control = new QtPictureBox(parent, c.border, std::move(sink));
      break;
    case ControlKind::Timer: {
      auto* timer = new QtTimer(parent, std::move(sink));
      timer->setPeriod(c.period);
      control = timer;
      break;
    }
    case ControlKind::VideoDevice:
      control = new QtVideoArea(parent);
      break;
  }
  control->setObjectName(QString::fromUtf8(c.name.data(), static_cast<qsizetype>(c.name.size())));
  control->setGeometry(c.left, c.top, c.width, c.height);
  return control;
}

QImage DecodeJpegImage(std::span<const unsigned char> jpeg) {
  std::optional<RgbImage> decoded = DecodeJpeg(jpeg);
  if (!decoded) return {};
  return QImage(decoded->rgb.data(), decoded->width, decoded->height, decoded->width * 3, QImage::Format_RGB888)
      .copy();
}

}  // namespace vidmora
