#pragma once
// The Qt widgets behind each kind of control. They raise their events through an EventSink and
// keep only what the toolkit itself shows (texts, marks, pictures, the running timer).
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "platform/window_description.h"

namespace vidmora {

using EventSink = std::function<void(Event)>;

// A top-level window: fixed size, Esc closes it like the close button. Tells when the window
// manager may have framed it anew (shown, moved), since its client area depends on that frame.
class QtWindow : public QWidget {
 public:
  QtWindow(const WindowDescription&, std::function<void()> onClose, std::function<void()> onFrameMayHaveChanged);

 protected:
  void closeEvent(QCloseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void showEvent(QShowEvent*) override;
  void moveEvent(QMoveEvent*) override;

 private:
  std::function<void()> onClose_;
  std::function<void()> onFrameMayHaveChanged_;
};

// A label: right presses and the feedback message 32885 become events.
class QtLabel : public QLabel {
 public:
  QtLabel(QWidget* parent, bool wrap, EventSink sink);
  void showCaption(std::string_view caption);  // CR LF line ends break lines

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  bool event(QEvent*) override;

 private:
  EventSink sink_;
};

// A picture box: a border, and a picture at its own size from the top left of the inner area,
// cut off where that area ends. Left presses become events.
class QtPictureBox : public QFrame {
 public:
  QtPictureBox(QWidget* parent, Border border, EventSink sink);
  void setPicture(QImage picture);
  const QImage& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent*) override;

 private:
  QImage picture_;
  EventSink sink_;
};

// A radio button that only the window's group logic clears: a program write of checked sets this
// mark alone, a user's click checks it (never unchecks it) and then the window clears the others.
class QtRadioButton : public QRadioButton {
 public:
  explicit QtRadioButton(QWidget* parent);

 protected:
  void nextCheckState() override { setChecked(true); }
};

// A timer: no visible presence; ticks every period milliseconds while the period is positive.
class QtTimer : public QWidget {
 public:
  QtTimer(QWidget* parent, EventSink sink);
  int period() const { return period_; }
  void setPeriod(int ms);
  bool running() const { return timer_.isActive(); }
  int runningInterval() const { return timer_.isActive() ? timer_.interval() : 0; }  // ms, after time scaling
  int remainingTime() const { return timer_.remainingTime(); }
  void fire() { sink_(Event::Tick); }

 private:
  QTimer timer_;
  int period_ = 0;
  EventSink sink_;
};

// The area in which a video device draws its camera's picture; dark grey while it has none.
class QtVideoArea : public QWidget {
 public:
  explicit QtVideoArea(QWidget* parent);
};

// The widget of a control of the given kind, at its place and named after it, its events raised
// through `sink`. Its caption, visibility and stacking are the caller's.
QWidget* CreateControl(const ControlDescription&, QWidget* parent, EventSink sink);

// Converts decoded JPEG bytes to an image; a null image when they are not a JPEG.
QImage DecodeJpegImage(std::span<const unsigned char> jpeg);

}  // namespace vidmora
