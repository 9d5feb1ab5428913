// The real program under a real X server and window manager (Xvfb + openbox), with a temporary
// home directory, observed from outside as a desktop would see it. Screenshots are kept under the
// build directory in test-artefacts/.
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// After gtest and Qt: Xlib defines None, Bool, Status and the like.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// What a pager or a window manager knows about the program's windows.
class Desktop {
 public:
  Desktop() : display_(XOpenDisplay(nullptr)) {}
  ~Desktop() {
    if (display_) XCloseDisplay(display_);
  }
  bool ok() const { return display_ != nullptr; }

  // The managed windows of a process, bottom of the stack first.
  std::vector<::Window> windowsOf(qint64 pid) {
    std::vector<::Window> result;
    for (unsigned long w : property(DefaultRootWindow(display_), "_NET_CLIENT_LIST_STACKING", XA_WINDOW))
      if (auto p = property(w, "_NET_WM_PID", XA_CARDINAL); !p.empty() && static_cast<qint64>(p[0]) == pid)
        result.push_back(w);
    return result;
  }
  std::optional<::Window> windowNamed(qint64 pid, const std::string& name) {
    for (::Window w : windowsOf(pid))
      if (this->name(w) == name) return w;
    return std::nullopt;
  }
  std::string name(::Window w) {
    Atom type;
    int format;
    unsigned long count = 0, rest;
    unsigned char* data = nullptr;
    std::string text;
    if (XGetWindowProperty(display_, w, atom("_NET_WM_NAME"), 0, 1024, False, atom("UTF8_STRING"), &type, &format,
                           &count, &rest, &data) == Success && data) {
      text.assign(reinterpret_cast<char*>(data), count);
      XFree(data);
    }
    return text;
  }
  QRect clientRect(::Window w) {
    XWindowAttributes a{};
    XGetWindowAttributes(display_, w, &a);
    int x = 0, y = 0;
    ::Window child;
    XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
    return {x, y, a.width, a.height};
  }
  QMargins frameExtents(::Window w) {
    auto e = property(w, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    return e.size() == 4 ? QMargins(int(e[0]), int(e[2]), int(e[1]), int(e[3])) : QMargins();
  }
  QRect frameRect(::Window w) { return clientRect(w).marginsAdded(frameExtents(w)); }
  bool above(::Window w) {
    for (unsigned long s : property(w, "_NET_WM_STATE", XA_ATOM))
      if (s == atom("_NET_WM_STATE_ABOVE")) return true;
    return false;
  }
  ::Window active() {
    auto a = property(DefaultRootWindow(display_), "_NET_ACTIVE_WINDOW", XA_WINDOW);
    return a.empty() ? 0 : a[0];
  }

 private:
  Atom atom(const char* name) { return XInternAtom(display_, name, False); }
  std::vector<unsigned long> property(::Window w, const char* name, Atom type) {
    Atom actual;
    int format;
    unsigned long count = 0, rest;
    unsigned char* data = nullptr;
    std::vector<unsigned long> values;
    XSync(display_, False);
    if (XGetWindowProperty(display_, w, atom(name), 0, 1024, False, type, &actual, &format, &count, &rest, &data) ==
            Success && data) {
      if (format == 32) values.assign(reinterpret_cast<unsigned long*>(data), reinterpret_cast<unsigned long*>(data) + count);
      XFree(data);
    }
    return values;
  }
  Display* display_;
};

// Keys as the user types them, into the window that has the keyboard.
void PressKeys(::Window w, const char* keys) {
  QProcess::execute("xdotool", {"windowactivate", "--sync", QString::number(w)});
  QTest::qWait(200);
  QProcess::execute("xdotool", {"key", "--clearmodifiers", keys});
}

QPoint Centred(QSize size) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {(screen.width() - size.width()) / 2, (screen.height() - size.height()) / 2};
}

void SaveScreenshot(const QString& name) {
  const QString dir = QFileInfo(VIDMORA_BINARY).absolutePath() + "/test-artefacts";
  QDir().mkpath(dir);
  EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/" + name)) << "screenshot " << name.toStdString();
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(desktop.ok()) << "needs the X server of scripts/with-x-server.sh";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("VIDMORA_TEST_CAMERAS", "1");  // a synthetic camera, so the preview shows a picture
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(VIDMORA_BINARY, {});
    ASSERT_TRUE(program.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] { return desktop.windowsOf(program.processId()).size() == 2; }, 15000))
        << "the main window and the help window";
    QTest::qWait(500);  // the window manager finishes framing and stacking
    pid = program.processId();
    main = desktop.windowNamed(pid, "Vidmora").value_or(0);
    ASSERT_NE(main, 0u);
    for (::Window w : desktop.windowsOf(pid))
      if (w != main) help = w;
  }
  void TearDown() override {
    if (program.state() != QProcess::NotRunning) {
      program.kill();
      program.waitForFinished();
    }
  }
  bool ends() { return program.waitForFinished(10000); }

  Desktop desktop;
  QTemporaryDir home;
  QProcess program;
  qint64 pid = 0;
  ::Window main = 0, help = 0;
};

TEST_F(Program, StartsCentredWithHelpOnTopAndEndsWithEsc) {
  // Both outer rectangles are centred on the screen; the client areas are what the frames leave.
  EXPECT_EQ(desktop.frameRect(main), QRect(Centred({333, 316}), QSize(333, 316)));
  EXPECT_EQ(desktop.frameRect(help), QRect(Centred({309, 339}), QSize(309, 339)));
  const QRect client = desktop.clientRect(main);
  EXPECT_GE(client.width(), 325);
  EXPECT_GE(client.height(), 281);
  EXPECT_TRUE(client.width() <= 333 - 2 && client.height() <= 316 - 2) << "inside a frame";

  // The help window stays above the main window, which has the keyboard.
  EXPECT_TRUE(desktop.above(help));
  EXPECT_FALSE(desktop.above(main));
  const auto stack = desktop.windowsOf(pid);
  EXPECT_EQ(stack.back(), help);
  EXPECT_EQ(desktop.active(), main);
  SaveScreenshot("start-up.png");

  // Esc in the help window closes only that one.
  PressKeys(help, "Escape");
  EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.windowsOf(pid).size() == 1; }, 5000));
  EXPECT_EQ(program.state(), QProcess::Running);
  EXPECT_EQ(desktop.windowsOf(pid), std::vector<::Window>{main});
  QTest::qWait(300);
  SaveScreenshot("main-window.png");

  // Esc in the main window ends the program with exit code 0.
  PressKeys(main, "Escape");
  ASSERT_TRUE(ends());
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(Program, ClosingTheMainWindowWithTheHelpWindowOpenEndsBoth) {
  PressKeys(main, "alt+F4");  // the window manager's close command
  ASSERT_TRUE(ends());
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(Program, TheHelpWindowStaysAboveWhenTheMainWindowIsClicked) {
  const QRect client = desktop.clientRect(main);
  QProcess::execute("xdotool", {"mousemove", QString::number(client.left() + 4), QString::number(client.top() + 150),  // beside the help window
                                "click", "1"});
  QTest::qWait(300);
  EXPECT_EQ(desktop.windowsOf(pid).back(), help);
  EXPECT_TRUE(desktop.above(help));
}

TEST_F(Program, ARightPressHidesTheWindowOnlyOnTheUncoveredStripOfTheSmallLabel) {
  const QRect client = desktop.clientRect(main);
  auto rightClick = [&](int x, int y) {
    QProcess::execute("xdotool", {"mousemove", QString::number(client.left() + x), QString::number(client.top() + y),
                                  "click", "3"});
    QTest::qWait(500);
  };
  // Points right of the help window, which covers the middle of the main window.
  rightClick(322, 260);  // camera 1's preview
  rightClick(324, 260);  // its frame
  EXPECT_EQ(desktop.windowsOf(pid).size(), 2u) << "both windows still shown";
  rightClick(326, 260);  // the column between the left and right frames, 标签2 beneath
  EXPECT_TRUE(QTest::qWaitFor([&] { return desktop.windowsOf(pid) == std::vector<::Window>{help}; }, 5000))
      << "the main window is hidden";
  EXPECT_EQ(program.state(), QProcess::Running);
}

}  // namespace
