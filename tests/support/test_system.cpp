#include "tests/support/test_system.h"

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/event_table.h"
#include "app/window_descriptions.h"
#include "capture/camera_slots.h"
#include "platform/local_file_system.h"
#include "platform/qt_controls.h"
#include "platform/qt_forms.h"

namespace vidmora::test {
namespace {

std::string Flag(bool b) { return b ? "true" : "false"; }

}  // namespace

// ---- Recording stand-ins ----

bool RecordingDevice::record(std::string call) {
  log_.push_back(std::to_string(slot_) + ":" + std::move(call));
  return !fails;
}

bool RecordingDevice::SelectSource(int n) {
  bool ok = record("SelectSource(" + std::to_string(n) + ")");
  if (ok) source_ = n;
  return ok;
}
bool RecordingDevice::ShowSourceDialog() { return record("ShowSourceDialog()"); }
bool RecordingDevice::ShowFormatDialog() { return record("ShowFormatDialog()"); }
bool RecordingDevice::ShowCompressionDialog() { return record("ShowCompressionDialog()"); }
bool RecordingDevice::SetPreview(bool on, int rateMs) {
  return record("SetPreview(" + Flag(on) + "," + std::to_string(rateMs) + ")");
}
bool RecordingDevice::StartCapture(bool useDefaults, const std::string& file, int framePeriodMs, bool confirmFirst,
                                   bool leftButtonStops, bool rightButtonStops, int limitSeconds) {
  return record("StartCapture(" + Flag(useDefaults) + "," + file + "," + std::to_string(framePeriodMs) + "," +
                Flag(confirmFirst) + "," + Flag(leftButtonStops) + "," + Flag(rightButtonStops) + "," +
                std::to_string(limitSeconds) + ")");
}
bool RecordingDevice::SaveFrame(const std::string& file) { return record("SaveFrame(" + file + ")"); }
bool RecordingDevice::AbortCapture() { return record("AbortCapture()"); }

bool RecordingShell::OpenUrl(std::string_view text) {
  log_.push_back("OpenUrl(" + std::string(text) + ")");
  return true;
}

// The real service refuses a combination that is already registered: only the first
// registration is accepted, and every call uses up an id.
int RecordingHotkeys::RegisterHotkey(std::uintptr_t, std::uintptr_t, int modifierCode, int key) {
  log_.push_back("RegisterHotkey(" + std::to_string(modifierCode) + "," + std::to_string(key) + ")");
  ++counter_;
  return counter_ == 1 ? 33000 + counter_ : 0;
}

bool RecordingHotkeys::UnregisterHotkey(std::uintptr_t, int id) {
  log_.push_back("UnregisterHotkey(" + std::to_string(id) + ")");
  return id != 0;
}

// ---- The running program ----

struct TestSystem::Parts {
  explicit Parts(CallLog& log, Hotkeys* hotkeys)
      : shell(log), recordingHotkeys(log), hotkeys(hotkeys ? *hotkeys : recordingHotkeys) {}
  RecordingShell shell;
  LocalFileSystem files;
  RecordingHotkeys recordingHotkeys;
  Hotkeys& hotkeys;
  std::unique_ptr<System> system;
};

TestSystem::TestSystem(TestSystemOptions options) : savedHome_(qgetenv("HOME")) {
  qputenv("HOME", home_.path().toUtf8());
  parts_ = std::make_unique<Parts>(calls, options.hotkeys);
  DeviceFactory devices = options.devices;
  if (!devices) {
    devices = [this](QWidget& control) -> std::unique_ptr<VideoDevice> {
      const int slot = control.objectName().right(1).toInt();  // 视频设备N
      return std::make_unique<RecordingDevice>(calls, slot);
    };
  }
  forms = std::make_unique<QtForms>(std::vector{&MainWindowDescription(), &HelpWindowDescription()}, EventTable(),
                                    std::move(devices));
  parts_->system = std::make_unique<System>(
      System{*forms, parts_->shell, parts_->files, clock, parts_->hotkeys, *forms});
  forms->attach(*parts_->system);
}

TestSystem::~TestSystem() {
  forms.reset();  // devices end first, while the temporary home still exists
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (savedHome_.isNull())
    qunsetenv("HOME");
  else
    qputenv("HOME", savedHome_);
}

System& TestSystem::sys() { return *parts_->system; }

void TestSystem::start() { forms->LoadWindow(Window::Main); }

QWidget* TestSystem::widget(Window window, std::string_view control) { return forms->widget(window, control); }

void TestSystem::click(std::string_view control) {
  QWidget* button = widget(Window::Main, control);
  if (!button) ADD_FAILURE() << "no control " << control;
  if (button) QTest::mouseClick(button, Qt::LeftButton);
}

void TestSystem::tick(std::string_view timer) {
  auto* t = dynamic_cast<QtTimer*>(widget(Window::Main, timer));
  if (!t) ADD_FAILURE() << "no timer " << timer;
  if (t && t->running()) t->fire();
}

void TestSystem::rightPress(int x, int y) {
  QWidget* window = widget(Window::Main, "");
  if (!window) return;
  // Through the window, so the toolkit picks the control under the pointer as for a real press.
  const QPoint point(x, y);
  if (window->windowHandle() && window->isVisible()) {
    QTest::mousePress(window->windowHandle(), Qt::RightButton, Qt::NoModifier, point);
    QTest::mouseRelease(window->windowHandle(), Qt::RightButton, Qt::NoModifier, point);
    return;
  }
  QWidget* target = window->childAt(point);
  if (!target) target = window;
  QTest::mousePress(target, Qt::RightButton, Qt::NoModifier, target->mapFrom(window, point));
}

RecordingDevice& TestSystem::device(int slot) {
  return dynamic_cast<RecordingDevice&>(forms->device(Window::Main, Slot(slot).device));
}

std::string TestSystem::home() const { return home_.path().toStdString(); }

int TestSystem::exitCode() const { return forms && forms->ended() ? forms->exitCode() : -1000; }

}  // namespace vidmora::test
