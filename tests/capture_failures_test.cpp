// Captures that end badly: the camera is unplugged, the disk fills up. Nothing is lost that was
// recorded, nothing crashes, the slot shows what happened and the preview goes on.
#include <QComboBox>
#include <sys/mount.h>
#include <unistd.h>

#include "platform/camera_failures.h"
#include "platform/camera_view.h"
#include "tests/capture_fixture.h"

namespace vidmora::test {
namespace {

using FailureTest = CaptureTest;

bool Finished(const CameraDevice& d) { return !d.capturing() && !d.finalising(); }

TEST_F(FailureTest, AnUnpluggedCameraEndsTheCaptureWithACompleteFileAndComesBackByItself) {
  CameraDevice& d = previewing();
  ASSERT_EQ(d.camera(), "test:1");
  ASSERT_TRUE(Record(d, "(1)a.avi"));
  QTest::qWait(700);
  SetTestCameraPlugged(1, false);
  ASSERT_TRUE(WaitFor([&] { return Finished(d); }));
  EXPECT_EQ(d.shownFailure(), kFailureCameraLost);
  EXPECT_TRUE(WaitFor([&] { return d.view()->showsCameraGone(); }));
  Probe p = ProbeFile(recording("(1)a.avi"));
  EXPECT_TRUE(p.readable);
  EXPECT_GE(p.videoFrames, 5);

  // While it is away nothing can be recorded or saved, and nothing breaks.
  EXPECT_FALSE(Record(d, "(1)b.avi"));
  EXPECT_FALSE(fs::exists(recording("(1)b.avi")));
  EXPECT_FALSE(d.SaveFrame("d:\\Vidmora\\day\\x.bmp"));
  EXPECT_TRUE(d.bound());

  SetTestCameraPlugged(1, true);
  const long long shown = d.view()->framesShown();
  EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > shown + 3; }));
  EXPECT_FALSE(d.view()->showsCameraGone());
  // The next segment records again and clears the failure line.
  ASSERT_TRUE(Record(d, "(1)c.avi"));
  EXPECT_TRUE(d.shownFailure().empty());
  QTest::qWait(300);
  d.AbortCapture();
  ASSERT_TRUE(WaitFor([&] { return Finished(d); }));
  EXPECT_TRUE(ProbeFile(recording("(1)c.avi")).readable);
}

TEST_F(FailureTest, AnotherSlotOnTheSameCameraKeepsRecordingWhenOneAborts) {
  CameraDevice& a = previewing();
  CameraDevice& b = previewing();
  SetCameraDialogHook([](QDialog& dialog) {
    dialog.findChild<QComboBox*>("camera")->setCurrentIndex(0);
    dialog.accept();
  });
  ASSERT_TRUE(b.ShowSourceDialog());
  ASSERT_EQ(b.camera(), a.camera());
  ASSERT_TRUE(Record(a, "(1)a.avi"));
  ASSERT_TRUE(Record(b, "(2)a.avi"));
  QTest::qWait(400);
  a.AbortCapture();
  QTest::qWait(400);
  EXPECT_TRUE(b.capturing());
  b.AbortCapture();
  ASSERT_TRUE(WaitFor([&] { return Finished(a) && Finished(b); }));
  EXPECT_GT(ProbeFile(recording("(2)a.avi")).videoFrames, ProbeFile(recording("(1)a.avi")).videoFrames);
}

// The disk-full case needs a small file system of its own: a tmpfs mounted in a private mount
// namespace. The test runs itself again inside one; without the privileges for that it is skipped.
constexpr const char* kSmallDiskHome = "VIDMORA_SMALL_DISK_HOME";

TEST_F(FailureTest, AFullDiskEndsTheCaptureWithACompleteFileWhileThePreviewGoesOn) {
  const char* smallHome = std::getenv(kSmallDiskHome);
  if (!smallHome) {
    if (std::system("unshare -m --propagation private true > /dev/null 2>&1") != 0)
      GTEST_SKIP() << "no private mount namespace here (needs root or CAP_SYS_ADMIN)";
    QTemporaryDir mountPoint;
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string command =
        "unshare -m --propagation private sh -c 'mount -t tmpfs -o size=24m vidmora-small-disk \"$0\" || exit 77; " +
        std::string(kSmallDiskHome) + "=\"$0\" exec \"$1\" --gtest_filter=FailureTest.AFullDisk*' '" +
        mountPoint.path().toStdString() + "' '" + self + "'";
    const int status = std::system(command.c_str());
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77) GTEST_SKIP() << "cannot mount a tmpfs here";
    EXPECT_EQ(status, 0) << "the run on the small disk failed; its output is above";
    return;
  }

  qputenv("HOME", smallHome);
  fs::create_directories(fs::path(smallHome) / "Vidmora" / "day");
  CameraDevice& d = previewing();
  SetCameraDialogHook([](QDialog& dialog) {
    if (auto* mode = dialog.findChild<QComboBox*>("mode")) mode->setCurrentText("320x240 YUY2 30 fps");
    if (auto* compressor = dialog.findChild<QComboBox*>("compressor"))
      compressor->setCurrentText("Full Frames (uncompressed)");  // about 3.5 MB/s
    dialog.accept();
  });
  d.ShowFormatDialog();
  d.ShowCompressionDialog();
  ASSERT_TRUE(WaitFor([&] { return d.SaveFrame("d:\\Vidmora\\day\\first.bmp"); }));
  ASSERT_TRUE(Record(d, "(1)full.avi"));
  ASSERT_TRUE(WaitFor([&] { return !d.capturing(); }, 20000));
  ASSERT_TRUE(WaitFor([&] { return Finished(d); }));
  EXPECT_EQ(d.shownFailure(), kFailureDiskFull);

  Probe p = ProbeFile(fs::path(smallHome) / "Vidmora" / "day" / "(1)full.avi");
  EXPECT_TRUE(p.readable);
  EXPECT_GE(p.videoFrames, 15);
  EXPECT_EQ(p.videoFrames, p.videoPackets);
  const long long shown = d.view()->framesShown();
  EXPECT_TRUE(WaitFor([&] { return d.view()->framesShown() > shown + 3; }));
}

}  // namespace
}  // namespace vidmora::test
