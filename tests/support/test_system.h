#pragma once
// A running program for tests: the real windows and controls (Qt widgets on the offscreen
// platform unless DISPLAY/QT_QPA_PLATFORM say otherwise), real files in a temporary home
// directory, a fixed clock, and recording stand-ins only where the real thing cannot run here:
// the browser/file manager (Shell), the physical cameras (RecordingDevice) and the global hotkey.
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/device_factory.h"
#include "platform/system.h"

class QWidget;

namespace vidmora {
class QtForms;
}

namespace vidmora::test {

// Every call made on the recording stand-ins, in order, one text per call:
//   "1:SelectSource(1)", "2:SetPreview(true,60)", "1:ShowFormatDialog()", "1:ShowCompressionDialog()",
//   "1:StartCapture(false,d:\Vidmora\2012年12月17日\(1)2012年12月17日19时38分41秒.avi,66,false,false,false,1200)",
//   "3:SaveFrame(d:\摄像头拍照\...)", "4:AbortCapture()", "OpenUrl(http://...)",
//   "RegisterHotkey(2,112)", "UnregisterHotkey(0)".
// The leading digit is the slot whose device was called.
using CallLog = std::vector<std::string>;

// Stands in for a camera: records each call; every operation succeeds unless `fails` is set.
class RecordingDevice : public VideoDevice {
 public:
  RecordingDevice(CallLog& log, int slot) : log_(log), slot_(slot) {}
  bool fails = false;
  bool SelectSource(int n) override;
  bool ShowSourceDialog() override;
  bool ShowFormatDialog() override;
  bool ShowCompressionDialog() override;
  bool SetPreview(bool on, int rateMs) override;
  bool StartCapture(bool useDefaults, const std::string& file, int framePeriodMs, bool confirmFirst,
                    bool leftButtonStops, bool rightButtonStops, int limitSeconds) override;
  bool SaveFrame(const std::string& file) override;
  bool AbortCapture() override;
  int source() const override { return source_; }
  std::string failureText() const override { return {}; }

 private:
  bool record(std::string call);
  CallLog& log_;
  int slot_;
  int source_ = 0;
};

class RecordingShell : public Shell {
 public:
  explicit RecordingShell(CallLog& log) : log_(log) {}
  bool OpenUrl(std::string_view text) override;

 private:
  CallLog& log_;
};

class FixedClock : public Clock {
 public:
  DateTime now{2012, 12, 17, 19, 38, 41};
  DateTime Now() const override { return now; }
};

// Hands out ids as the real service does, but registers nothing with the X server.
class RecordingHotkeys : public Hotkeys {
 public:
  explicit RecordingHotkeys(CallLog& log) : log_(log) {}
  int RegisterHotkey(std::uintptr_t window, std::uintptr_t target, int modifierCode, int key) override;
  bool UnregisterHotkey(std::uintptr_t window, int id) override;

 private:
  CallLog& log_;
  int counter_ = 0;
};

struct TestSystemOptions {
  // Default: RecordingDevice per slot, logging into the system's CallLog.
  // Give CameraDeviceFactory() (or another) to run on real/synthetic cameras.
  DeviceFactory devices;
  Hotkeys* hotkeys = nullptr;  // default: RecordingHotkeys
};

class TestSystem {
 public:
  explicit TestSystem(TestSystemOptions options = {});
  ~TestSystem();

  // Loads MainWindow as the program's start does (its created handler runs, HelpWindow opens).
  void start();

  // User actions on real widgets: a left click on a push button or radio button (nothing happens on a
  // disabled one), a timer's tick (nothing happens on a stopped timer), a right press at a point of
  // the client area (it reaches the topmost visible control there, as a real press does; a point
  // outside the client area reaches nothing).
  void click(std::string_view control);
  void tick(std::string_view timer);
  void rightPress(int x, int y);

  QWidget* widget(Window, std::string_view control);
  RecordingDevice& device(int slot);  // only with the default devices
  std::string home() const;           // the temporary home directory that "d:" maps to
  int exitCode() const;               // -1000 while the program has not ended

  CallLog calls;
  FixedClock clock;
  std::unique_ptr<QtForms> forms;
  System& sys();

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
  QTemporaryDir home_;
  QByteArray savedHome_;
};

}  // namespace vidmora::test
