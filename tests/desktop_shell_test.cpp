// OpenUrl hands its text to the desktop's dispatcher (xdg-open) and never waits for it. The
// dispatcher here is a stand-in script on PATH that notes what it was asked.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/desktop_shell.h"

namespace vidmora {
namespace {

class DesktopShellTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedPath = qgetenv("PATH");
    savedHome = qgetenv("HOME");
    qputenv("HOME", dir.path().toUtf8());
    QFile script(dir.filePath("xdg-open"));
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    // Notes its argument, then takes its time like a browser starting up.
    script.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$HOME/asked.tmp\" && mv \"$HOME/asked.tmp\" \"$HOME/asked\"\n"
                 "sleep 1\ntouch \"$HOME/finished\"\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", (dir.path() + ":/usr/bin:/bin").toUtf8());
  }
  void TearDown() override {
    qputenv("PATH", savedPath);
    qputenv("HOME", savedHome);
  }
  std::string asked() {
    QFile file(dir.filePath("asked"));
    if (!QTest::qWaitFor([&] { return file.exists(); }, 5000)) return "<nothing>";
    file.open(QIODevice::ReadOnly);
    return file.readAll().toStdString();
  }

  QTemporaryDir dir;
  QByteArray savedPath, savedHome;
  DesktopShell shell;
};

TEST_F(DesktopShellTest, WebAddressesGoAsTheyAreWithoutWaiting) {
  EXPECT_TRUE(shell.OpenUrl("http://www.example.com//gonggao/taoke.html"));
  EXPECT_FALSE(QFile::exists(dir.filePath("finished"))) << "returned before the dispatcher finished";
  EXPECT_EQ(asked(), "http://www.example.com//gonggao/taoke.html");
}

TEST_F(DesktopShellTest, ProgramPathsOpenTheFolderInTheHomeDirectory) {
  EXPECT_TRUE(shell.OpenUrl("d:\\Vidmora\\2012年12月17日"));
  EXPECT_EQ(asked(), "file://" + dir.path().toStdString() + "/Vidmora/2012年12月17日");
}

TEST_F(DesktopShellTest, ADesktopWithoutDispatcherIsAQuietFailure) {
  qputenv("PATH", dir.filePath("nowhere").toUtf8());
  EXPECT_FALSE(shell.OpenUrl("http://www.example.com//gonggao/taoke.html"));
  EXPECT_FALSE(shell.OpenUrl(""));
}

}  // namespace
}  // namespace vidmora
