#pragma once
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace vidmora {

class LiveFeed;

// The picture of a video device: fills its control and follows its size, shows the newest preview
// frame at most once per preview period, and writes the last capture failure in red along the
// bottom edge. Everything here runs on the GUI thread.
class CameraView : public QWidget {
  Q_OBJECT

 public:
  explicit CameraView(QWidget& control);

  void display(std::shared_ptr<LiveFeed> feed);  // null: shows nothing
  void setPreview(bool on, int rateMs);
  void setScaled(bool scaled);
  void setFailure(const std::string& text);

  // A mouse press on the picture, for the capture's stop-on-click settings.
  std::function<void(Qt::MouseButton)> onMousePress;

  long long framesShown() const { return framesShown_; }  // for tests and the benchmark
  const QImage& picture() const { return picture_; }
  bool showsCameraGone() const { return cameraGone_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void nextFrame();

  std::shared_ptr<LiveFeed> feed_;
  QTimer timer_;
  QImage picture_;
  unsigned long long serial_ = 0;
  bool scaled_ = false;
  bool previewing_ = false;
  bool cameraGone_ = false;
  QString failure_;
  long long framesShown_ = 0;
};

}  // namespace vidmora
