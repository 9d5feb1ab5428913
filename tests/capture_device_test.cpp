// The video device on synthetic cameras: binding, preview, dialogs and saved frames.
#include <QComboBox>
#include <QImage>
#include <QSlider>
#include <QSpinBox>

#include "platform/camera_view.h"
#include "tests/capture_fixture.h"

namespace vidmora::test {
namespace {

using DeviceTest = CaptureTest;

TEST_F(DeviceTest, UnboundDeviceRefusesEverythingButTheCompressionDialog) {
  CameraDevice& d = device();
  answerDialogs([](QDialog& dialog) { dialog.reject(); });
  EXPECT_FALSE(d.ShowSourceDialog());
  EXPECT_FALSE(d.ShowFormatDialog());
  EXPECT_EQ(dialogsOpened, 0);
  EXPECT_TRUE(d.ShowCompressionDialog());
  EXPECT_EQ(dialogsOpened, 1);
  EXPECT_FALSE(d.SetPreview(true, 60));
  EXPECT_FALSE(d.SaveFrame("d:\\Vidmora\\day\\a.bmp"));
  EXPECT_FALSE(Record(d, "a.avi"));
  EXPECT_FALSE(d.capturing());
  EXPECT_FALSE(fs::exists(recording("a.avi")));
  EXPECT_FALSE(d.failureText().empty());
  // A recording that cannot start says so on the picture.
  EXPECT_FALSE(d.shownFailure().empty());
  EXPECT_TRUE(d.AbortCapture());
  EXPECT_EQ(d.source(), 0);
}

TEST_F(DeviceTest, WalksFromUnboundThroughPreviewAndCaptureBackToPreview) {
  CameraDevice& d = device();
  EXPECT_FALSE(d.bound());
  ASSERT_TRUE(d.SelectSource(1));
  EXPECT_TRUE(d.bound());
  EXPECT_EQ(d.source(), 1);
  EXPECT_EQ(d.view()->framesShown(), 0);  // bound, but no preview yet
  ASSERT_TRUE(d.SetPreview(true, 60));
  ASSERT_TRUE(WaitFor([&] { return d.view()->framesShown() > 2; }));
  ASSERT_TRUE(Record(d, "a.avi"));
  EXPECT_TRUE(d.capturing());
  // The picture keeps moving while the capture runs.
  const long long before = d.view()->framesShown();
  EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > before + 3; }));
  EXPECT_TRUE(d.AbortCapture());
  EXPECT_FALSE(d.capturing());
  const long long after = d.view()->framesShown();
  EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > after + 3; }));
  EXPECT_TRUE(d.AbortCapture());  // idle: nothing happens
}

TEST_F(DeviceTest, SourceNumbersOutsideOneToElevenChangeNothing) {
  CameraDevice& d = previewing();
  const std::string camera = d.camera();
  for (int n : {0, 12, -1, 1000}) {
    SCOPED_TRACE(n);
    EXPECT_FALSE(d.SelectSource(n));
    EXPECT_TRUE(d.bound());
    EXPECT_EQ(d.source(), 1);
    EXPECT_EQ(d.camera(), camera);
  }
  // The picture still moves: the binding and its preview were never touched.
  const long long shown = d.view()->framesShown();
  EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > shown + 2; }));
}

TEST_F(DeviceTest, FailedBindingLeavesTheDeviceUnboundWithItsOldSourceNumber) {
  for (int n : {2, 7, 11}) {
    SCOPED_TRACE(n);
    CameraDevice& d = previewing();
    EXPECT_FALSE(d.SelectSource(n));
    EXPECT_FALSE(d.bound());
    EXPECT_EQ(d.source(), 1);
    EXPECT_FALSE(d.SaveFrame("d:\\Vidmora\\day\\x.bmp"));
    EXPECT_TRUE(d.SelectSource(1));  // driver 1 binds again
    destroy(d);
  }
}

TEST_F(DeviceTest, WithoutCamerasDriverOneDoesNotBind) {
  qunsetenv("VIDMORA_TEST_CAMERAS");
  CameraDevice& d = device();
  EXPECT_FALSE(d.SelectSource(1));
  EXPECT_FALSE(d.bound());
  EXPECT_EQ(d.source(), 0);
}

TEST_F(DeviceTest, EachNewlyBoundDeviceGetsACameraNoOtherDeviceShows) {
  CameraDevice& a = previewing();
  CameraDevice& b = previewing();
  CameraDevice& c = previewing();
  EXPECT_EQ(a.camera(), "test:1");
  EXPECT_EQ(b.camera(), "test:2");
  EXPECT_EQ(c.camera(), "test:3");
}

TEST_F(DeviceTest, SourceDialogOffersAnUnshownCameraAndCancelChangesNothing) {
  CameraDevice& a = previewing();
  CameraDevice& b = previewing();
  ASSERT_EQ(b.camera(), "test:2");
  // Pre-selected: the first camera no other device shows; a cancel keeps camera 2.
  int preselected = -1;
  answerDialogs([&](QDialog& dialog) {
    preselected = dialog.findChild<QComboBox*>("camera")->currentIndex();
    dialog.findChild<QComboBox*>("camera")->setCurrentIndex(3);
    dialog.reject();
  });
  EXPECT_TRUE(a.ShowSourceDialog());
  EXPECT_EQ(preselected, 0);  // camera 1 is a's own
  EXPECT_TRUE(b.ShowSourceDialog());
  EXPECT_EQ(preselected, 1);
  EXPECT_EQ(b.camera(), "test:2");

  // OK switches to the chosen camera, with the image controls applied, and the preview goes on.
  answerDialogs([&](QDialog& dialog) {
    dialog.findChild<QComboBox*>("camera")->setCurrentIndex(0);
    dialog.accept();
  });
  EXPECT_TRUE(b.ShowSourceDialog());
  EXPECT_EQ(b.camera(), "test:1");  // two devices may show the same camera
  const long long shown = b.view()->framesShown();
  EXPECT_TRUE(WaitFor([&] { return b.view()->framesShown() > shown + 2; }));

  int sliderValue = 0;
  answerDialogs([&](QDialog& dialog) {
    auto* brightness = dialog.findChild<QSlider*>("brightness");
    ASSERT_NE(brightness, nullptr);
    brightness->setValue(brightness->maximum());
    sliderValue = brightness->value();
    dialog.accept();
  });
  EXPECT_TRUE(b.ShowSourceDialog());
  answerDialogs([&](QDialog& dialog) {
    EXPECT_EQ(dialog.findChild<QSlider*>("brightness")->value(), sliderValue);
    dialog.reject();
  });
  EXPECT_TRUE(a.ShowSourceDialog());  // same camera, same controls
}

TEST_F(DeviceTest, FormatAndCompressionChoicesHoldForLaterCaptures) {
  CameraDevice& d = previewing();
  QStringList modes;
  answerDialogs([&](QDialog& dialog) {
    auto* list = dialog.findChild<QComboBox*>("mode");
    for (int i = 0; i < list->count(); ++i) modes << list->itemText(i);
    EXPECT_EQ(list->currentText(), "640x480 YUY2 30 fps");
    list->setCurrentText("320x240 MJPG 30 fps");
    dialog.accept();
  });
  ASSERT_TRUE(d.ShowFormatDialog());
  EXPECT_EQ(modes.size(), 6);
  EXPECT_TRUE(modes.contains("1280x720 YUY2 30 fps"));

  answerDialogs([&](QDialog& dialog) {
    auto* list = dialog.findChild<QComboBox*>("compressor");
    EXPECT_EQ(list->currentText(), "Xvid MPEG-4 Codec");  // the default
    list->setCurrentText("Motion JPEG");
    dialog.findChild<QSpinBox*>("quality")->setValue(50);
    dialog.accept();
  });
  ASSERT_TRUE(d.ShowCompressionDialog());
  EXPECT_EQ(d.compression().kind, Compression::MotionJpeg);
  EXPECT_EQ(d.compression().jpegQuality, 50);

  // Cancel keeps both choices.
  answerDialogs([&](QDialog& dialog) {
    if (auto* list = dialog.findChild<QComboBox*>("compressor")) list->setCurrentIndex(0);
    if (auto* list = dialog.findChild<QComboBox*>("mode")) list->setCurrentIndex(0);
    dialog.reject();
  });
  d.ShowFormatDialog();
  d.ShowCompressionDialog();
  EXPECT_EQ(d.compression().kind, Compression::MotionJpeg);

  ASSERT_TRUE(WaitFor([&] { return d.view()->framesShown() > 0; }));
  ASSERT_TRUE(Record(d, "small.avi", 1));
  ASSERT_TRUE(WaitFor([&] { return !d.capturing() && !d.finalising(); }));
  Probe p = ProbeFile(recording("small.avi"));
  EXPECT_TRUE(p.readable);
  EXPECT_EQ(p.videoCodec, "mjpeg");
  EXPECT_EQ(p.width, 320);
  EXPECT_EQ(p.height, 240);
}

TEST_F(DeviceTest, SaveFrameWritesA24BitBitmapAtCaptureSizeAndNeverReplacesAFile) {
  CameraDevice& d = previewing();
  ASSERT_TRUE(d.SaveFrame("d:\\Vidmora\\day\\(1)a.bmp"));
  const fs::path file = recording("(1)a.bmp");
  std::string bytes = ReadFile(file);
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(bytes[28], 24);  // bits per pixel
  QImage picture(QString::fromStdString(file.string()));
  EXPECT_EQ(picture.size(), QSize(640, 480));

  // The same name again: refused, the first picture stays as it was.
  EXPECT_FALSE(d.SaveFrame("d:\\Vidmora\\day\\(1)a.bmp"));
  EXPECT_EQ(ReadFile(file), bytes);
  // No folder is made, and nothing is left behind.
  EXPECT_FALSE(d.SaveFrame("d:\\Vidmora\\missing\\(1)a.bmp"));
  EXPECT_FALSE(fs::exists(home() / "Vidmora" / "missing"));
  EXPECT_EQ(std::distance(fs::directory_iterator(home() / "Vidmora" / "day"), fs::directory_iterator{}), 1);
}

TEST_F(DeviceTest, SaveFrameFromAMotionJpegCamera) {
  CameraDevice& d = previewing();
  answerDialogs([](QDialog& dialog) {
    dialog.findChild<QComboBox*>("mode")->setCurrentText("1280x720 MJPG 30 fps");
    dialog.accept();
  });
  ASSERT_TRUE(d.ShowFormatDialog());
  ASSERT_TRUE(WaitFor([&] { return d.SaveFrame("d:\\Vidmora\\day\\hd.bmp"); }));
  EXPECT_EQ(QImage(QString::fromStdString(recording("hd.bmp").string())).size(), QSize(1280, 720));
}

TEST_F(DeviceTest, PreviewShowsAtMostOneFramePerPeriodScaledToTheControl) {
  CameraDevice& d = previewing();
  d.SetPreview(true, 200);
  const long long before = d.view()->framesShown();
  const auto start = std::chrono::steady_clock::now();
  QTest::qWait(1000);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start);
  EXPECT_LE(d.view()->framesShown() - before, ms.count() / 200 + 1);
  // -1 keeps the rate.
  d.SetPreview(true, -1);
  EXPECT_EQ(d.view()->picture().size(), QSize(320, 240));
  QImage shown = d.view()->grab().toImage();
  EXPECT_EQ(shown.size(), QSize(320, 240));
  EXPECT_NE(shown.pixel(160, 120), QColor(Qt::black).rgb());
}

TEST_F(DeviceTest, ThePictureFollowsTheControlsSize) {
  CameraDevice& d = previewing();
  auto* control = d.view()->parentWidget();
  control->resize(160, 120);
  EXPECT_EQ(d.view()->size(), QSize(160, 120));
}

}  // namespace
}  // namespace vidmora::test
