// Start-up, the help window and the end of the program, on the real windows with recording
// stand-ins for the browser and the cameras.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "app/help_text.h"
#include "app/web_addresses.h"
#include "platform/qt_controls.h"
#include "platform/qt_forms.h"
#include "tests/support/test_system.h"

namespace vidmora::test {
namespace {

const std::string kAnnouncement = "OpenUrl(http://www.example.com//gonggao/taoke.html)";
const std::string kAffiliate = "OpenUrl(" + std::string(kAffiliatePage) + ")";

// Notes the moment each window is first shown, and what the main window shows at that moment.
class ShowWatcher : public QObject {
 public:
  ShowWatcher(TestSystem& system) : system_(system) { qApp->installEventFilter(this); }
  ~ShowWatcher() override { qApp->removeEventFilter(this); }
  std::vector<std::string> shown;
  std::vector<bool> devicesVisibleAtMainShow;
  std::size_t callsAtMainShow = 0;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(object);
    if (event->type() == QEvent::Show && widget && widget->isWindow()) {
      shown.push_back(widget->objectName().toStdString());
      if (widget->objectName() == "MainWindow") {
        for (const char* device : {"视频设备1", "视频设备2", "视频设备3", "视频设备4"})
          devicesVisibleAtMainShow.push_back(system_.forms->visible(Window::Main, device));
        callsAtMainShow = system_.calls.size();
      }
    }
    return false;
  }

 private:
  TestSystem& system_;
};

TEST(StartUp, AnnouncesBindsCameraOneHidesTheOthersThenShowsHelpBeforeMain) {
  TestSystem system;
  ShowWatcher watcher(system);
  system.start();

  const CallLog expected{kAnnouncement, "1:SelectSource(1)", "1:SetPreview(true,60)"};
  EXPECT_EQ(system.calls, expected);
  EXPECT_EQ(watcher.callsAtMainShow, expected.size());
  EXPECT_EQ(watcher.shown, (std::vector<std::string>{"HelpWindow", "MainWindow"}));
  EXPECT_EQ(watcher.devicesVisibleAtMainShow, (std::vector<bool>{true, false, false, false}));

  EXPECT_TRUE(system.forms->alwaysOnTop(Window::Help));
  EXPECT_FALSE(system.forms->alwaysOnTop(Window::Main));
  EXPECT_TRUE(system.forms->visible(Window::Main, ""));
  EXPECT_TRUE(system.forms->visible(Window::Help, ""));
  EXPECT_TRUE(QTest::qWaitForWindowActive(system.widget(Window::Main, "")));  // the keyboard goes to MainWindow
  EXPECT_EQ(system.exitCode(), -1000);
}

TEST(StartUp, HelpWindowShowsItsTextAndBothPictures) {
  TestSystem system;
  system.start();
  EXPECT_EQ(system.forms->caption(Window::Help, "标签1"), kHelpText);
  EXPECT_EQ(kHelpText.substr(kHelpText.size() - 2), "\r\n");
  // Lines 6 and 11 as the user reads them: six blanks, then full-width or ASCII punctuation.
  EXPECT_NE(kHelpText.find("\r\n      （D:\\摄像头拍照\\当前日期\\当前时间.bmp）\r\n"), std::string_view::npos);
  EXPECT_NE(kHelpText.find("\r\n      视频格式:选择 320X240 其它默认\r\n"), std::string_view::npos);

  for (auto [box, size] : {std::pair{"图片框1", QSize(100, 100)}, std::pair{"图片框2", QSize(180, 100)}}) {
    auto* picture = dynamic_cast<QtPictureBox*>(system.widget(Window::Help, box));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->picture().size(), size) << box;
    // Drawn from the inner top left at its own size: the box shows the picture's own pixels there.
    const QImage shown = picture->grab().toImage();
    const QPoint inner = picture->contentsRect().topLeft();
    const QColor expected = picture->picture().pixelColor(10, 10), actual = shown.pixelColor(inner + QPoint(10, 10));
    EXPECT_NEAR(actual.red(), expected.red(), 3) << box;
    EXPECT_NEAR(actual.blue(), expected.blue(), 3) << box;
  }
}

TEST(StartUp, EachPressOnAHelpPictureOpensTheAffiliatePage) {
  TestSystem system;
  system.start();
  system.calls.clear();
  QTest::mousePress(system.widget(Window::Help, "图片框1"), Qt::LeftButton);
  QTest::mousePress(system.widget(Window::Help, "图片框1"), Qt::LeftButton);
  QTest::mousePress(system.widget(Window::Help, "图片框2"), Qt::LeftButton);
  QTest::mousePress(system.widget(Window::Help, "图片框2"), Qt::RightButton);
  EXPECT_EQ(system.calls, (CallLog{kAffiliate, kAffiliate, kAffiliate}));
}

TEST(Closing, EscInHelpClosesOnlyTheHelpWindow) {
  TestSystem system;
  system.start();
  QTest::keyClick(system.widget(Window::Help, ""), Qt::Key_Escape);
  EXPECT_FALSE(system.forms->isOpen(Window::Help));
  EXPECT_TRUE(system.forms->visible(Window::Main, ""));
  EXPECT_EQ(system.exitCode(), -1000);
  // Nothing else changed: camera 1 keeps its binding, and the program still runs with the main
  // window hidden (it waits for its hotkey then).
  EXPECT_EQ(system.device(1).source(), 1);
  system.forms->setVisible(Window::Main, "", false);
  QApplication::processEvents();
  EXPECT_EQ(system.exitCode(), -1000);
}

// A device that notes when it is destroyed, as a real one ends its capture then.
class NotingDevice : public RecordingDevice {
 public:
  NotingDevice(CallLog& log, int slot) : RecordingDevice(log, slot), log_(log), slot_(slot) {}
  ~NotingDevice() override { log_.push_back(std::to_string(slot_) + ":destroyed"); }

 private:
  CallLog& log_;
  int slot_;
};

TEST(Closing, EscOrTheCloseButtonInMainEndsTheProgramWithCodeZero) {
  for (bool byEsc : {true, false}) {
    SCOPED_TRACE(byEsc ? "Esc" : "close button");
    CallLog devices;
    TestSystem system({.devices = [&devices](QWidget& control) -> std::unique_ptr<VideoDevice> {
      return std::make_unique<NotingDevice>(devices, control.objectName().right(1).toInt());
    }});
    system.start();
    QWidget* main = system.widget(Window::Main, "");
    if (byEsc)
      QTest::keyClick(system.widget(Window::Main, "录像按钮"), Qt::Key_Escape);  // from the focused button up
    else
      main->close();
    EXPECT_EQ(system.exitCode(), 0);
    EXPECT_FALSE(system.forms->isOpen(Window::Main));
    EXPECT_FALSE(system.forms->isOpen(Window::Help));
    int destroyed = 0;
    for (const std::string& call : devices) destroyed += call.ends_with(":destroyed");
    EXPECT_EQ(destroyed, 4);  // before the program's loop ends, not at process exit
    // Events after the end reach no handler, and the windows go away with the next loop turn.
    QPointer<QWidget> gone = main;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
  }
}

TEST(Closing, AMainWindowThatCannotBeBuiltIsReported) {
  // Without its description the main window cannot be built; the program's entry then shows a
  // message box and exits with -1.
  QtForms forms({}, {}, NoDriverDeviceFactory());
  EXPECT_FALSE(forms.LoadWindow(Window::Main));
}

}  // namespace
}  // namespace vidmora::test
