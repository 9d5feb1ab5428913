// Recording end to end: the real window, a synthetic camera, real AVI files in a temporary home.
// VIDMORA_TIME_SCALE=400 turns a 1200 s segment into 3 s and the 1201 s timer into 3.0025 s.
#include <QDialog>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "capture/camera_slots.h"
#include "platform/camera_device.h"
#include "platform/camera_device_factory.h"
#include "platform/camera_dialogs.h"
#include "support/file_checks.h"
#include "support/test_system.h"

namespace vidmora {
namespace {

namespace fs = std::filesystem;
using test::DecodedFrames;
using test::ReadFile;
using test::TestSystem;
using test::WaitFor;



std::vector<std::string> FilesUnder(const fs::path& folder) {
  std::vector<std::string> names;
  if (fs::is_directory(folder))
    for (const auto& entry : fs::recursive_directory_iterator(folder))
      if (entry.is_regular_file()) names.push_back(fs::relative(entry.path(), folder).string());
  return names;
}

TestSystem* StartOnSyntheticCamera() {
  qputenv("VIDMORA_TEST_CAMERAS", "1");
  qputenv("VIDMORA_TIME_SCALE", "400");
  SetCameraDialogHook([](QDialog& dialog) { dialog.accept(); });
  test::TestSystemOptions options;
  options.devices = CameraDeviceFactory();
  return new TestSystem(options);
}

class RecordingRotationTest : public ::testing::Test {
 protected:
  void SetUp() override { app->start(); }
  void TearDown() override {
    app.reset();
    SetCameraDialogHook({});
    qunsetenv("VIDMORA_TIME_SCALE");
  }
  fs::path home() const { return fs::path(app->home()); }
  fs::path segment(const std::string& day, const std::string& moment) const {
    return home() / "Vidmora" / day / ("(1)" + moment + ".avi");
  }

  std::unique_ptr<TestSystem> app{StartOnSyntheticCamera()};
};

TEST_F(RecordingRotationTest, EachTickStartsANewFileNamedByItsOwnStartEvenAcrossMidnight) {
  const std::vector<std::pair<DateTime, fs::path>> segments = {
      {{2012, 12, 17, 23, 19, 58}, segment("2012年12月17日", "2012年12月17日23时19分58秒")},
      {{2012, 12, 17, 23, 39, 59}, segment("2012年12月17日", "2012年12月17日23时39分59秒")},
      {{2012, 12, 18, 0, 0, 0}, segment("2012年12月18日", "2012年12月18日")},
  };
  app->clock.now = segments[0].first;
  app->click("录像按钮");
  // Each segment is named by the clock when it starts; the clock moves on once its file is there.
  for (std::size_t k = 0; k < segments.size(); ++k) {
    ASSERT_TRUE(WaitFor([&] { return fs::exists(segments[k].second); }, 10000)) << segments[k].second;
    if (k + 1 < segments.size()) app->clock.now = segments[k + 1].first;
  }
  QTest::qWait(1000);  // the last segment records a while before Stop ends it
  app->click("停止按钮");

  for (const auto& [start, file] : segments)
    EXPECT_TRUE(WaitFor([&] { return DecodedFrames(file) > 0; }, 10000)) << file << " is not a playable AVI";
  EXPECT_EQ(FilesUnder(home() / "Vidmora").size(), 3u) << "one file per segment, no more";
  EXPECT_EQ(app->sys().ui.period(Window::Main, "时钟1"), 0);
}

TEST_F(RecordingRotationTest, APlainFileInTheWayLosesNothingAndRecordingResumesOnceItIsGone) {
  std::ofstream(home() / "Vidmora") << "the user's file";
  app->click("录像按钮");
  VideoDevice& camera = Device(app->sys(), 1);
  // Two rotations pass without a folder: nothing is written and the slot tells why.
  QTest::qWait(6500);
  EXPECT_FALSE(camera.failureText().empty());
  EXPECT_FALSE(dynamic_cast<CameraDevice&>(camera).shownFailure().empty()) << "the picture tells the user";
  EXPECT_TRUE(fs::is_regular_file(home() / "Vidmora"));
  EXPECT_EQ(app->sys().ui.period(Window::Main, "时钟1"), 1201000);
  EXPECT_EQ(app->sys().ui.caption(Window::Main, ""), "正在录像");

  fs::remove(home() / "Vidmora");
  app->clock.now.minute += 20;
  const fs::path resumed = segment("2012年12月17日", "2012年12月17日19时58分41秒");
  ASSERT_TRUE(WaitFor([&] { return fs::exists(resumed); }, 10000));
  QTest::qWait(1000);
  app->click("停止按钮");
  EXPECT_TRUE(WaitFor([&] { return DecodedFrames(resumed) > 0; }, 10000)) << resumed;
  EXPECT_EQ(FilesUnder(home() / "Vidmora"), std::vector<std::string>{"2012年12月17日/(1)2012年12月17日19时58分41秒.avi"});
}

}  // namespace
}  // namespace vidmora
