// Captures on synthetic cameras: time limit, frame timing, sound, abort, refusals and parallel captures.
#include <QComboBox>
#include <QSpinBox>

#include "platform/camera_recording.h"
#include "platform/camera_view.h"
#include "tests/capture_fixture.h"

namespace vidmora::test {
namespace {

using RecordingTest = CaptureTest;

// The first value of the first JPEG quantisation table in a file: small for high JPEG quality.
int FirstJpegQuantiser(const fs::path& file) {
  const std::string bytes = ReadFile(file);
  const auto at = bytes.find("\xFF\xDB");
  return at == std::string::npos || at + 5 >= bytes.size() ? -1 : static_cast<unsigned char>(bytes[at + 5]);
}

bool Finished(const CameraDevice& d) { return !d.capturing() && !d.finalising(); }

void ChooseCompressor(CaptureTest& t, CameraDevice& d, const char* compressor) {
  SetCameraDialogHook([compressor](QDialog& dialog) {
    dialog.findChild<QComboBox*>("compressor")->setCurrentText(compressor);
    dialog.findChild<QSpinBox*>("quality")->setValue(5);  // far below the camera's own JPEG quality
    dialog.accept();
  });
  d.ShowCompressionDialog();
  SetCameraDialogHook({});
  (void)t;
}

void ChooseMode(CameraDevice& d, const char* mode) {
  SetCameraDialogHook([mode](QDialog& dialog) {
    dialog.findChild<QComboBox*>("mode")->setCurrentText(mode);
    dialog.accept();
  });
  d.ShowFormatDialog();
  SetCameraDialogHook({});
}

TEST_F(RecordingTest, TheTimeLimitEndsTheCaptureWithAFileOf66000MicrosecondFramesAndSound) {
  // 1200 s scaled down 600 times: a 2-second segment, started with the program's own arguments.
  qputenv("VIDMORA_TIME_SCALE", "600");
  CameraDevice& d = previewing();
  ASSERT_TRUE(Record(d, "(1)a.avi"));
  EXPECT_TRUE(d.captureSettings().background);
  EXPECT_FALSE(d.captureSettings().confirmFirst);
  EXPECT_EQ(d.captureSettings().microSecPerFrame, 66000);
  ASSERT_TRUE(WaitFor([&] { return !d.capturing(); }, 5000));
  ASSERT_TRUE(WaitFor([&] { return Finished(d); }));
  EXPECT_TRUE(d.shownFailure().empty());

  Probe p = ProbeFile(recording("(1)a.avi"));
  ASSERT_TRUE(p.readable);
  EXPECT_EQ(p.videoCodec, "mpeg4");
  EXPECT_EQ(p.videoTag, "XVID");
  EXPECT_EQ(p.audioCodec, "pcm_s16le");
  EXPECT_EQ(p.width, 640);
  EXPECT_EQ(AviMicroSecPerFrame(recording("(1)a.avi")), 66000);
  // 2000 ms at 66 ms a frame: frames at 0, 66, ..., 1980 ms.
  EXPECT_NEAR(p.videoFrames, 31, 1);
  std::string durations = CommandOutput("ffprobe -v error -select_streams a:0 -show_entries packet=duration_time -of csv=p=0 '" +
                                recording("(1)a.avi").string() + "'");
  double seconds = 0;
  for (size_t pos = 0; pos < durations.size();) {
    size_t end = durations.find('\n', pos);
    if (end == std::string::npos) end = durations.size();
    if (end > pos) seconds += std::atof(durations.substr(pos, end - pos).c_str());
    pos = end + 1;
  }
  // The sound lasts as long as the pictures, give or take the last microphone buffer or two.
  EXPECT_GT(seconds, 1.75);
  EXPECT_LT(seconds, 2.1);
}

TEST_F(RecordingTest, AbortEndsTheCaptureAtOnceAndLeavesACompleteFile) {
  CameraDevice& d = previewing();
  ASSERT_TRUE(Record(d, "(1)b.avi"));
  QTest::qWait(700);
  EXPECT_TRUE(d.AbortCapture());
  EXPECT_FALSE(d.capturing());
  ASSERT_TRUE(WaitFor([&] { return Finished(d); }));
  Probe p = ProbeFile(recording("(1)b.avi"));
  ASSERT_TRUE(p.readable);
  EXPECT_GE(p.videoFrames, 5);
  EXPECT_FALSE(p.audioCodec.empty());
  // The device records again right away, into a new file.
  EXPECT_TRUE(Record(d, "(1)c.avi"));
  d.AbortCapture();
}

// Stop pressed right after Record: no new frame has reached the capture yet, and the file must
// still play, with the picture the camera showed when the capture started.
TEST_F(RecordingTest, AnAbortRightAfterTheStartStillLeavesAPlayableFile) {
  CameraDevice& d = previewing();
  ASSERT_TRUE(Record(d, "(1)quick.avi"));
  d.AbortCapture();
  ASSERT_TRUE(WaitFor([&] { return Finished(d); }));
  Probe p = ProbeFile(recording("(1)quick.avi"));
  ASSERT_TRUE(p.readable);
  EXPECT_GE(p.videoFrames, 1);
  EXPECT_EQ(p.audioCodec, "pcm_s16le");
  EXPECT_TRUE(d.shownFailure().empty());
}

// At exit without the windows' destruction (the display connection broke), running recordings
// are still closed into complete files.
TEST_F(RecordingTest, FinishingAllRecordingsCompletesTheirFilesWhileTheDevicesStillExist) {
  CameraDevice& first = previewing();
  CameraDevice& second = previewing();
  ASSERT_TRUE(Record(first, "(1)exit.avi"));
  ASSERT_TRUE(Record(second, "(2)exit.avi"));
  QTest::qWait(600);
  CameraRecording::FinishAll();
  for (const char* name : {"(1)exit.avi", "(2)exit.avi"}) {
    Probe p = ProbeFile(recording(name));
    ASSERT_TRUE(p.readable) << name;
    EXPECT_GE(p.videoFrames, 5) << name;
    EXPECT_EQ(p.videoTag, "XVID") << name;
  }
}

TEST_F(RecordingTest, AStartWhileCapturingIsRefusedAndTheRunningFileGoesOn) {
  CameraDevice& d = previewing();
  ASSERT_TRUE(Record(d, "(1)a.avi"));
  const CameraRecording* running = d.recording();
  EXPECT_FALSE(Record(d, "(1)b.avi"));
  EXPECT_EQ(d.recording(), running);
  EXPECT_FALSE(fs::exists(recording("(1)b.avi")));
  EXPECT_TRUE(d.shownFailure().empty());  // the running capture is fine
  QTest::qWait(500);
  d.AbortCapture();
  ASSERT_TRUE(WaitFor([&] { return Finished(d); }));
  EXPECT_TRUE(ProbeFile(recording("(1)a.avi")).readable);
}

TEST_F(RecordingTest, FailedStartsLeaveFilesAloneShowTheFailureAndKeepThePreview) {
  CameraDevice& d = previewing();
  const fs::path existing = recording("(1)old.avi");
  { std::ofstream(existing) << "an earlier recording"; }
  EXPECT_FALSE(Record(d, "(1)old.avi"));
  EXPECT_EQ(ReadFile(existing), "an earlier recording");
  EXPECT_FALSE(d.shownFailure().empty());

  EXPECT_FALSE(d.StartCapture(false, "d:\\Vidmora\\missing\\(1)x.avi", 66, false, false, false, 1200));
  EXPECT_FALSE(fs::exists(home() / "Vidmora" / "missing"));
  EXPECT_FALSE(d.capturing());
  // The failure is written over the picture, and the picture goes on moving.
  const long long shown = d.view()->framesShown();
  EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > shown + 3; }));
  auto redPixelsInBottomLine = [&] {
    QImage picture = d.view()->grab().toImage();
    int red = 0;
    for (int y = picture.height() - 22; y < picture.height(); ++y)
      for (int x = 0; x < picture.width(); ++x) {
        QColor c = picture.pixelColor(x, y);
        red += c.red() > 150 && c.green() < 110 && c.blue() < 110;
      }
    return red;
  };
  EXPECT_GT(redPixelsInBottomLine(), 30);
  // The next successful start clears it.
  ASSERT_TRUE(Record(d, "(1)new.avi"));
  EXPECT_TRUE(d.shownFailure().empty());
  EXPECT_EQ(redPixelsInBottomLine(), 0);
  d.AbortCapture();
}

TEST_F(RecordingTest, MouseClicksDoNotStopACaptureStartedWithTheProgramsArguments) {
  CameraDevice& d = previewing();
  ASSERT_TRUE(Record(d, "(1)a.avi"));
  QTest::mouseClick(d.view(), Qt::LeftButton);
  QTest::mouseClick(d.view(), Qt::RightButton);
  EXPECT_TRUE(d.capturing());
  d.AbortCapture();
  // With the stop-on-click settings a left click ends it.
  ASSERT_TRUE(d.StartCapture(false, "d:\\Vidmora\\day\\(1)b.avi", 66, false, true, false, -1));
  QTest::mouseClick(d.view(), Qt::LeftButton);
  EXPECT_FALSE(d.capturing());
}

TEST_F(RecordingTest, DestroyingTheDeviceMidCaptureCompletesTheFile) {
  CameraDevice& d = previewing();
  ASSERT_TRUE(Record(d, "(1)a.avi"));
  QTest::qWait(600);
  destroy(d);
  Probe p = ProbeFile(recording("(1)a.avi"));
  EXPECT_TRUE(p.readable);
  EXPECT_GE(p.videoFrames, 3);
  EXPECT_EQ(p.videoTag, "XVID");
}

TEST_F(RecordingTest, FourCamerasRecordAtOnceWithEachCompressor) {
  qputenv("VIDMORA_TIME_SCALE", "600");
  struct Case {
    const char* mode;
    const char* compressor;
    const char* codec;
  };
  const Case cases[] = {
      {"320x240 YUY2 30 fps", "Full Frames (uncompressed)", "rawvideo"},
      {"320x240 MJPG 30 fps", "Motion JPEG", "mjpeg"},  // passed through as the camera sends it
      {"320x240 YUY2 30 fps", "Motion JPEG", "mjpeg"},
      {"320x240 MJPG 30 fps", "Xvid MPEG-4 Codec", "mpeg4"},
  };
  std::vector<CameraDevice*> devices;
  for (const Case& c : cases) {
    CameraDevice& d = previewing();
    ChooseMode(d, c.mode);
    ChooseCompressor(*this, d, c.compressor);
    devices.push_back(&d);
  }
  for (size_t i = 0; i < devices.size(); ++i) {
    ASSERT_TRUE(WaitFor([&] { return devices[i]->SaveFrame("d:\\Vidmora\\day\\warm" + std::to_string(i) + ".bmp"); }));
    ASSERT_TRUE(Record(*devices[i], "(" + std::to_string(i + 1) + ")a.avi"));
  }
  for (CameraDevice* d : devices) ASSERT_TRUE(WaitFor([&] { return Finished(*d); }, 8000));
  for (size_t i = 0; i < devices.size(); ++i) {
    SCOPED_TRACE(cases[i].compressor);
    Probe p = ProbeFile(recording("(" + std::to_string(i + 1) + ")a.avi"));
    EXPECT_TRUE(p.readable);
    EXPECT_EQ(p.videoCodec, cases[i].codec);
    EXPECT_EQ(p.width, 320);
    EXPECT_NEAR(p.videoFrames, 31, 1) << p.videoPackets;
    EXPECT_FALSE(p.audioCodec.empty());
    EXPECT_EQ(devices[i]->camera(), "test:" + std::to_string(i + 1));
  }
  // The camera's own JPEG frames (quality 85) went into the file untouched; frames compressed here
  // carry the quantiser of quality 5.
  EXPECT_LT(FirstJpegQuantiser(recording("(2)a.avi")), 20);
  EXPECT_GT(FirstJpegQuantiser(recording("(3)a.avi")), 100);
}

}  // namespace
}  // namespace vidmora::test
