// Benchmark driver: N synthetic cameras previewing and recording at once for a fixed time.
// Prints one line per camera (time to first preview frame, frame slots written, slots that repeated
// a picture because the camera was late) for bench/capture_bench.sh to combine with /usr/bin/time
// and ffprobe. Usage: capture_bench SECONDS "MODE" "COMPRESSOR" CAMERAS OUTDIR
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/camera_device.h"
#include "platform/camera_dialogs.h"
#include "platform/camera_recording.h"

using namespace vidmora;

int main(int argc, char** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: %s SECONDS MODE COMPRESSOR CAMERAS OUTDIR\n", argv[0]);
    return 2;
  }
  const int seconds = std::atoi(argv[1]);
  const QString mode = argv[2], compressor = argv[3];
  const int cameras = std::atoi(argv[4]);
  const std::string outdir = argv[5];
  setenv("VIDMORA_TEST_CAMERAS", "4", 0);
  QApplication app(argc, argv);
  QWidget window;
  window.resize(660, 530);
  window.show();

  SetCameraDialogHook([&](QDialog& d) {
    if (auto* m = d.findChild<QComboBox*>("mode")) m->setCurrentText(mode);
    if (auto* c = d.findChild<QComboBox*>("compressor")) c->setCurrentText(compressor);
    d.accept();
  });
  std::vector<std::unique_ptr<CameraDevice>> devices;
  std::vector<qint64> firstFrameMs;
  for (int i = 0; i < cameras; ++i) {
    auto* control = new QWidget(&window);
    control->setGeometry(4 + 325 * (i % 2), 40 + 245 * (i / 2), 320, 240);
    control->show();
    devices.push_back(std::make_unique<CameraDevice>(*control));
    QElapsedTimer clock;
    clock.start();
    CameraDevice& d = *devices.back();
    d.SelectSource(1);
    d.SetPreview(true, 60);
    while (d.view()->framesShown() == 0 && clock.elapsed() < 10000) QTest::qWait(1);
    firstFrameMs.push_back(clock.elapsed());
    d.ShowFormatDialog();
    d.ShowCompressionDialog();
  }
  QTest::qWait(1000);  // every camera settled in its mode
  // The home directory stands for drive d:, so the files go to OUTDIR through it.
  setenv("HOME", outdir.c_str(), 1);
  for (int i = 0; i < cameras; ++i)
    devices[i]->StartCapture(false, "d:\\(" + std::to_string(i + 1) + ")bench.avi", 66, false, false, false, -1);
  std::vector<long long> previewsBefore;
  for (auto& d : devices) previewsBefore.push_back(d->view()->framesShown());
  QTest::qWait(seconds * 1000);
  for (int i = 0; i < cameras; ++i) {
    CameraDevice& d = *devices[i];
    const CameraRecording* r = d.recording();
    std::printf("camera %d first_preview_ms %lld written %lld repeated %lld previews %lld\n", i + 1,
                (long long)firstFrameMs[i], r ? r->framesWritten() : -1, r ? r->framesRepeated() : -1,
                d.view()->framesShown() - previewsBefore[i]);
    d.AbortCapture();
  }
  for (auto& d : devices)
    while (d->finalising()) QTest::qWait(10);
  devices.clear();
  return 0;
}
