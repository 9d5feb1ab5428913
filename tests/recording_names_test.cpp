// Date texts, file names and the folder walk, on real folders in a temporary home directory.
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "platform/local_file_system.h"
#include "recording/capture_file_name.h"
#include "recording/capture_folders.h"
#include "recording/date_text.h"

namespace vidmora {
namespace {

namespace fs = std::filesystem;

TEST(DateTimeTextTest, ChoosesTheShortestFormThatKeepsEveryNonZeroField) {
  struct Case {
    DateTime t;
    const char* text;
  } cases[] = {
      {{2012, 12, 17, 19, 38, 41}, "2012年12月17日19时38分41秒"},
      {{2012, 12, 17, 19, 38, 0}, "2012年12月17日19时38分"},
      {{2012, 12, 17, 19, 0, 0}, "2012年12月17日19时"},
      {{2012, 12, 17, 19, 0, 5}, "2012年12月17日19时0分5秒"},
      {{2012, 12, 17, 0, 7, 0}, "2012年12月17日0时7分"},
      {{2012, 12, 17, 0, 0, 0}, "2012年12月17日"},
      {{2013, 1, 5, 8, 5, 9}, "2013年1月5日8时5分9秒"},
  };
  for (const Case& c : cases) EXPECT_EQ(DateTimeText(c.t), c.text);
}

TEST(DateTimeTextTest, DateTextOfAnyMomentIsTheDayAlone) {
  const DateTime t{2013, 1, 5, 8, 5, 9};
  EXPECT_EQ(DateOnly(t), (DateTime{2013, 1, 5, 0, 0, 0}));
  EXPECT_EQ(DateText(t), "2013年1月5日");
  EXPECT_EQ(DateText(DateOnly(t)), DateTimeText(DateOnly(t)));
}

TEST(CaptureFileNameTest, ComposesBaseDayTagMomentAndExtension) {
  struct Case {
    std::string_view base;
    int slot;
    std::string_view extension;
    DateTime now;
    const char* path;
  } cases[] = {
      {RecordingsBase, 1, RecordingExtension, {2012, 12, 17, 19, 38, 41},
       "d:\\Vidmora\\2012年12月17日\\(1)2012年12月17日19时38分41秒.avi"},
      {RecordingsBase, 1, RecordingExtension, {2012, 12, 17, 19, 38, 0},
       "d:\\Vidmora\\2012年12月17日\\(1)2012年12月17日19时38分.avi"},
      {RecordingsBase, 1, RecordingExtension, {2012, 12, 17, 19, 0, 0},
       "d:\\Vidmora\\2012年12月17日\\(1)2012年12月17日19时.avi"},
      {RecordingsBase, 1, RecordingExtension, {2012, 12, 17, 19, 0, 5},
       "d:\\Vidmora\\2012年12月17日\\(1)2012年12月17日19时0分5秒.avi"},
      {RecordingsBase, 1, RecordingExtension, {2012, 12, 17, 0, 0, 0},
       "d:\\Vidmora\\2012年12月17日\\(1)2012年12月17日.avi"},
      {RecordingsBase, 3, RecordingExtension, {2012, 12, 17, 19, 38, 41},
       "d:\\Vidmora\\2012年12月17日\\(3)2012年12月17日19时38分41秒.avi"},
      {RecordingsBase, 1, RecordingExtension, {2013, 1, 5, 8, 5, 9},
       "d:\\Vidmora\\2013年1月5日\\(1)2013年1月5日8时5分9秒.avi"},
      {PicturesBase, 1, SnapshotExtension, {2012, 12, 17, 19, 38, 41},
       "d:\\摄像头拍照\\2012年12月17日\\(1)2012年12月17日19时38分41秒.bmp"},
      {PicturesBase, 4, SnapshotExtension, {2012, 12, 17, 0, 0, 0},
       "d:\\摄像头拍照\\2012年12月17日\\(4)2012年12月17日.bmp"},
  };
  for (const Case& c : cases) EXPECT_EQ(CaptureFileName(c.base, c.slot, c.extension, c.now), c.path);
}

// The real file system in a temporary home, with every question it is asked written down in order.
class WatchedFileSystem : public LocalFileSystem {
 public:
  bool IsDirectory(std::string_view path) const override {
    calls_.push_back("IsDirectory(" + std::string(path) + ")");
    return LocalFileSystem::IsDirectory(path);
  }
  bool MakeDirectory(std::string_view path) override {
    const bool made = LocalFileSystem::MakeDirectory(path);
    calls_.push_back("MakeDirectory(" + std::string(path) + ")" + (made ? "" : " failed"));
    return made;
  }
  std::vector<std::string>& log() { return calls_; }

 private:
  mutable std::vector<std::string> calls_;
};

class TemporaryHome : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    saved_ = qgetenv("HOME");
    qputenv("HOME", home_.path().toUtf8());
  }
  void TearDown() override { qputenv("HOME", saved_); }
  fs::path home() const { return fs::path(home_.path().toStdString()); }
  void writeFile(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }
  static std::string readFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  QTemporaryDir home_;
  QByteArray saved_;
};

using EnsureDateFolderTest = TemporaryHome;

const DateTime kEvening{2012, 12, 17, 19, 38, 41};
const std::string kBase = "d:\\Vidmora";
const std::string kDay = "d:\\Vidmora\\2012年12月17日";

TEST_F(EnsureDateFolderTest, CreatesTheMissingLevelsOneByOneAndLeavesPresentOnesAlone) {
  struct Case {
    const char* name;
    bool basePresent, dayPresent;
    std::vector<std::string> calls;
  } cases[] = {
      {"base missing", false, false,
       {"IsDirectory(" + kBase + ")", "MakeDirectory(" + kBase + ")", "IsDirectory(" + kDay + ")",
        "MakeDirectory(" + kDay + ")"}},
      {"day missing", true, false,
       {"IsDirectory(" + kBase + ")", "IsDirectory(" + kDay + ")", "MakeDirectory(" + kDay + ")"}},
      {"both present", true, true, {"IsDirectory(" + kBase + ")", "IsDirectory(" + kDay + ")"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(home() / "Vidmora");
    if (c.basePresent) fs::create_directory(home() / "Vidmora");
    if (c.dayPresent) {
      fs::create_directory(home() / "Vidmora" / "2012年12月17日");
      writeFile(home() / "Vidmora" / "2012年12月17日" / "earlier.avi", "kept");
    }
    WatchedFileSystem files;
    EnsureDateFolder(files, RecordingsBase, kEvening);
    EXPECT_EQ(files.log(), c.calls);
    EXPECT_TRUE(fs::is_directory(home() / "Vidmora" / "2012年12月17日"));
    if (c.dayPresent) {
      EXPECT_EQ(readFile(home() / "Vidmora" / "2012年12月17日" / "earlier.avi"), "kept");
    }
  }
}

TEST_F(EnsureDateFolderTest, PicturesGoUnderTheirOwnBaseWithUtf8Names) {
  LocalFileSystem files;
  EnsureDateFolder(files, PicturesBase, {2013, 1, 5, 0, 0, 0});
  EXPECT_TRUE(fs::is_directory(home() / "摄像头拍照" / "2013年1月5日"));
}

TEST_F(EnsureDateFolderTest, APlainFileInTheWayStopsTheWalkAndIsLeftUntouched) {
  struct Case {
    const char* name;
    fs::path blocker;
    std::vector<std::string> calls;
  } cases[] = {
      {"at the base", "Vidmora", {"IsDirectory(" + kBase + ")", "MakeDirectory(" + kBase + ") failed"}},
      {"at the day",
       fs::path("Vidmora") / "2012年12月17日",
       {"IsDirectory(" + kBase + ")", "IsDirectory(" + kDay + ")", "MakeDirectory(" + kDay + ") failed"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(home() / "Vidmora");
    fs::create_directories((home() / c.blocker).parent_path());
    writeFile(home() / c.blocker, "user's file");
    WatchedFileSystem files;
    EnsureDateFolder(files, RecordingsBase, kEvening);
    EXPECT_EQ(files.log(), c.calls);
    EXPECT_TRUE(fs::is_regular_file(home() / c.blocker));
    EXPECT_EQ(readFile(home() / c.blocker), "user's file");
  }
}

using FirstFreeNameTest = TemporaryHome;

TEST_F(FirstFreeNameTest, NeverHandsOutANameThatIsTaken) {
  LocalFileSystem files;
  const fs::path day = home() / "摄像头拍照" / "2012年12月17日";
  fs::create_directories(day);
  const std::string name = "d:\\摄像头拍照\\2012年12月17日\\(1)2012年12月17日19时38分41秒.bmp";

  EXPECT_EQ(FirstFreeName(files, name), name) << "the first file keeps the exact name";
  writeFile(day / "(1)2012年12月17日19时38分41秒.bmp", "first");
  EXPECT_EQ(FirstFreeName(files, name), "d:\\摄像头拍照\\2012年12月17日\\(1)2012年12月17日19时38分41秒_2.bmp");
  writeFile(day / "(1)2012年12月17日19时38分41秒_2.bmp", "second");
  fs::create_directory(day / "(1)2012年12月17日19时38分41秒_3.bmp");  // a folder takes the name as well
  EXPECT_EQ(FirstFreeName(files, name), "d:\\摄像头拍照\\2012年12月17日\\(1)2012年12月17日19时38分41秒_4.bmp");
}

TEST_F(FirstFreeNameTest, ANameWithoutExtensionGetsTheNumberAtItsEnd) {
  LocalFileSystem files;
  fs::create_directories(home() / "a.b");
  writeFile(home() / "a.b" / "plain", "");
  EXPECT_EQ(FirstFreeName(files, "d:\\a.b\\plain"), "d:\\a.b\\plain_2");
}

TEST_F(FirstFreeNameTest, AMissingFolderLeavesTheNameAsItIs) {
  LocalFileSystem files;
  const std::string name = "d:\\Vidmora\\2012年12月17日\\(1)2012年12月17日.avi";
  EXPECT_EQ(FirstFreeName(files, name), name);
}

}  // namespace
}  // namespace vidmora
