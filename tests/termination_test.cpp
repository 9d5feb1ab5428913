// The real program asked to terminate (logout, shutdown, Ctrl+C) ends the orderly way, as if its
// main window had been closed: exit code 0, devices destroyed first.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

TEST(Termination, SignalsEndTheProgramLikeClosingTheMainWindow) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    QTemporaryDir home;
    // The announcement page goes to this stand-in dispatcher: once it was asked, start-up is done.
    QFile dispatcher(home.filePath("xdg-open"));
    ASSERT_TRUE(dispatcher.open(QIODevice::WriteOnly));
    dispatcher.write("#!/bin/sh\ntouch \"$HOME/started\"\n");
    dispatcher.close();
    dispatcher.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("PATH", home.path() + ":/usr/bin:/bin");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(VIDMORA_BINARY, {});
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(home.filePath("started")); }, 15000));

    ::kill(static_cast<pid_t>(program.processId()), signal);
    ASSERT_TRUE(program.waitForFinished(15000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
  }
}

}  // namespace
