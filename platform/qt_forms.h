#pragma once
#include <QPointer>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/device_factory.h"
#include "platform/program.h"
#include "platform/window_description.h"

class QWidget;

namespace vidmora {

class QtWindow;

// The windowing layer over Qt Widgets: builds windows from their descriptions, carries out every
// property read and write, and routes each event to its handler. All on the GUI thread.
class QtForms : public Controls, public Program {
 public:
  QtForms(std::vector<const WindowDescription*> windows, std::span<const EventBinding> events, DeviceFactory devices);
  ~QtForms() override;

  // The handlers' view of the program; events reach no handler before this is given.
  void attach(System& system) { system_ = &system; }

  // Controls
  std::string caption(Window, std::string_view control) const override;
  void setCaption(Window, std::string_view control, std::string_view text) override;
  bool visible(Window, std::string_view control) const override;
  void setVisible(Window, std::string_view control, bool) override;
  bool disabled(Window, std::string_view control) const override;
  void setDisabled(Window, std::string_view control, bool) override;
  bool checked(Window, std::string_view control) const override;
  void setChecked(Window, std::string_view control, bool) override;
  int width(Window) const override;
  int height(Window) const override;
  void setWidth(Window, int) override;
  void setHeight(Window, int) override;
  void setPlacement(Window, Placement) override;
  bool alwaysOnTop(Window) const override;
  void setAlwaysOnTop(Window, bool) override;
  int period(Window, std::string_view timer) const override;
  void setPeriod(Window, std::string_view timer, int ms) override;
  void setPicture(Window, std::string_view pictureBox, std::span<const unsigned char> jpeg) override;
  VideoDevice& device(Window, std::string_view videoDevice) override;
  std::uintptr_t handle(Window, std::string_view control) const override;

  // Program
  bool LoadWindow(Window) override;
  void End(int exitCode) override;

  // For the program's entry and for tests.
  bool isOpen(Window) const;
  QWidget* widget(Window, std::string_view control) const;  // nullptr when not open / unknown
  bool ended() const { return ended_; }
  int exitCode() const { return exitCode_; }

 private:
  struct OpenWindow;
  OpenWindow* open(Window) const;
  const WindowDescription* description(Window) const;
  void build(const WindowDescription&);
  void raise(Window, std::string_view control, Event);
  void close(Window);
  void destroy(Window);
  void applySize(OpenWindow&);
  void centre(OpenWindow&);
  void uncheckOtherRadioButtons(OpenWindow&, QWidget* clicked);
  void setCaptionOf(OpenWindow&, std::string_view control, std::string_view text);

  std::vector<const WindowDescription*> descriptions_;
  std::span<const EventBinding> events_;
  DeviceFactory devices_;
  System* system_ = nullptr;
  std::map<Window, std::unique_ptr<OpenWindow>> open_;
  std::vector<QPointer<QWidget>> doomed_;  // closed windows awaiting their deferred deletion
  std::unique_ptr<QWidget> orphanArea_;
  std::unique_ptr<VideoDevice> orphanDevice_;
  bool ended_ = false;
  int exitCode_ = 0;
};

}  // namespace vidmora
