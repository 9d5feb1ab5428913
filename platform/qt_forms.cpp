#include "platform/qt_forms.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <algorithm>

#include "platform/qt_controls.h"
#include "platform/qt_stay_on_top.h"
#include "platform/qt_window_frame.h"

namespace vidmora {
namespace {

constexpr int kLargestSize = 32627;
constexpr std::string_view kUntitledLabel = "标签";

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

struct QtForms::OpenWindow {
  QPointer<QtWindow> window;
  std::map<std::string, QPointer<QWidget>, std::less<>> controls;
  std::map<std::string, std::unique_ptr<VideoDevice>, std::less<>> devices;
  std::map<std::string, std::string, std::less<>> captions;  // "" is the window's own
  int outerWidth = 0, outerHeight = 0;
  QSize frame = kNominalFrame;  // the latest the window manager reported
  bool alwaysOnTop = false;
  Placement placement = Placement::Centred;

  QWidget* find(std::string_view name) const {
    if (name.empty()) return window;
    auto it = controls.find(name);
    return it == controls.end() ? nullptr : it->second.data();
  }
  template <class W>
  W* find(std::string_view name) const {
    return dynamic_cast<W*>(find(name));
  }
};

QtForms::QtForms(std::vector<const WindowDescription*> windows, std::span<const EventBinding> events,
                 DeviceFactory devices)
    : descriptions_(std::move(windows)), events_(events), devices_(std::move(devices)) {
  // The program ends only through End: a hidden main window with its help window closed is still
  // a running program, waiting for its hotkey.
  QApplication::setQuitOnLastWindowClosed(false);
  // A control's native handle must not turn its siblings into native windows too.
  QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
}

QtForms::~QtForms() {
  for (auto& [id, window] : open_) window->devices.clear();
  for (auto& [id, window] : open_) delete window->window.data();
  for (auto& window : doomed_) delete window.data();
}

QtForms::OpenWindow* QtForms::open(Window id) const {
  auto it = open_.find(id);
  return it == open_.end() ? nullptr : it->second.get();
}

const WindowDescription* QtForms::description(Window id) const {
  for (const WindowDescription* d : descriptions_)
    if (d->window == id) return d;
  return nullptr;
}

bool QtForms::isOpen(Window id) const { return open(id) != nullptr; }

QWidget* QtForms::widget(Window id, std::string_view control) const {
  OpenWindow* w = open(id);
  return w ? w->find(control) : nullptr;
}

// ---- Building, events, closing ----

bool QtForms::LoadWindow(Window id) {
  if (ended_) return false;
  if (OpenWindow* w = open(id)) {
    if (w->window->isMinimized()) w->window->showNormal();
    setVisible(id, "", true);
    return true;
  }
  const WindowDescription* d = description(id);
  if (!d) return false;
  build(*d);
  if (ended_ || !open(id)) return true;  // its created handler ended the program
  setVisible(id, "", true);
  return true;
}

void QtForms::build(const WindowDescription& d) {
  const Window id = d.window;
  auto owned = std::make_unique<OpenWindow>();
  OpenWindow& w = *owned;
  w.outerWidth = d.outerWidth;
  w.outerHeight = d.outerHeight;
  w.window = new QtWindow(d, [this, id] { close(id); }, [this, id] {
    if (OpenWindow* ow = open(id)) applySize(*ow);
  });
  w.window->setWindowIcon(QIcon(QPixmap::fromImage(DecodeJpegImage(d.icon))));
  w.captions[""] = std::string(d.caption);
  w.window->setWindowTitle(Text(d.caption));
  applySize(w);
  centre(w);

  for (const ControlDescription& c : d.controls) {
    // Nested controls move to their parent control below, once every control exists.
    QWidget* control = CreateControl(c, w.window, [this, id, name = c.name](Event e) { raise(id, name, e); });
    w.controls[std::string(c.name)] = control;
    if (auto* radio = dynamic_cast<QtRadioButton*>(control))
      QObject::connect(radio, &QAbstractButton::clicked, radio, [this, id, radio] {
        if (OpenWindow* ow = open(id)) uncheckOtherRadioButtons(*ow, radio);
      });
    if (c.kind == ControlKind::Button || c.kind == ControlKind::RadioButton || c.kind == ControlKind::Label)
      setCaptionOf(w, c.name, c.kind == ControlKind::Label && c.text.empty() ? kUntitledLabel : c.text);
    if (c.kind == ControlKind::VideoDevice) w.devices[std::string(c.name)] = devices_(*control);
  }
  // A nested control may come before its parent in the list.
  for (const ControlDescription& c : d.controls)
    if (!c.parent.empty()) {
      QWidget* control = w.find(c.name);
      control->setParent(w.find(c.parent));
      control->setGeometry(c.left, c.top, c.width, c.height);
    }
  // Lowering each in list order leaves the first on top and the last at the bottom.
  for (const ControlDescription& c : d.controls) w.find(c.name)->lower();
  for (const ControlDescription& c : d.controls) {
    w.find(c.name)->setHidden(!c.visible);
    w.find(c.name)->setEnabled(!c.disabled);
  }

  open_[id] = std::move(owned);
  raise(id, "", Event::Created);
}

void QtForms::raise(Window id, std::string_view control, Event event) {
  // A closed window's controls may still see an event before their deferred deletion.
  if (ended_ || !system_ || !open(id)) return;
  for (const EventBinding& binding : events_)
    if (binding.window == id && binding.control == control && binding.event == event) {
      binding.handler(*system_);
      return;
    }
}

void QtForms::close(Window id) {
  if (id == Window::Main) raise(id, "", Event::WillBeDestroyed);
  if (!ended_) destroy(id);
}

void QtForms::destroy(Window id) {
  auto it = open_.find(id);
  if (it == open_.end()) return;
  std::unique_ptr<OpenWindow> w = std::move(it->second);
  open_.erase(it);
  // Devices first: each ends its capture and releases its driver while its picture area still exists.
  w->devices.clear();
  if (w->window) {
    w->window->hide();
    // Deferred: this may run inside an event of the window itself.
    w->window->deleteLater();
    doomed_.emplace_back(w->window.data());
  }
}

void QtForms::End(int exitCode) {
  if (ended_) return;
  ended_ = true;
  exitCode_ = exitCode;
  destroy(Window::Help);
  destroy(Window::Main);
  QCoreApplication::exit(exitCode);
}

// ---- Property reads and writes ----

void QtForms::setCaptionOf(OpenWindow& w, std::string_view control, std::string_view text) {
  QWidget* widget = w.find(control);
  if (!widget) return;
  w.captions[std::string(control)] = std::string(text);
  if (control.empty())
    widget->setWindowTitle(Text(text));
  else if (auto* label = dynamic_cast<QtLabel*>(widget))
    label->showCaption(text);
  else if (auto* button = dynamic_cast<QAbstractButton*>(widget))
    button->setText(Text(text));
}

std::string QtForms::caption(Window id, std::string_view control) const {
  OpenWindow* w = open(id);
  if (!w) return {};
  auto it = w->captions.find(control);
  return it == w->captions.end() ? std::string() : it->second;
}

void QtForms::setCaption(Window id, std::string_view control, std::string_view text) {
  if (OpenWindow* w = open(id)) setCaptionOf(*w, control, text);
}

bool QtForms::visible(Window id, std::string_view control) const {
  QWidget* widget = this->widget(id, control);
  if (!widget) return false;
  return control.empty() ? widget->isVisible() : !widget->isHidden();
}

void QtForms::setVisible(Window id, std::string_view control, bool on) {
  OpenWindow* w = open(id);
  QWidget* widget = w ? w->find(control) : nullptr;
  if (!widget) return;
  if (!control.empty()) {
    widget->setVisible(on);
    return;
  }
  if (!on) {
    widget->hide();
    return;
  }
  const bool wasHidden = !widget->isVisible();
  widget->show();
  // The window manager forgets the topmost state of a withdrawn window: give it again as it maps.
  if (w->alwaysOnTop && wasHidden) SetStaysOnTop(*widget, true);
  widget->raise();
  widget->activateWindow();
}

bool QtForms::disabled(Window id, std::string_view control) const {
  QWidget* widget = this->widget(id, control);
  return widget && widget->testAttribute(Qt::WA_Disabled);
}

void QtForms::setDisabled(Window id, std::string_view control, bool on) {
  if (QWidget* widget = this->widget(id, control)) widget->setEnabled(!on);
}

bool QtForms::checked(Window id, std::string_view control) const {
  auto* button = dynamic_cast<QAbstractButton*>(widget(id, control));
  return button && button->isChecked();
}

void QtForms::setChecked(Window id, std::string_view control, bool on) {
  if (auto* radio = dynamic_cast<QtRadioButton*>(widget(id, control))) radio->setChecked(on);
}

void QtForms::uncheckOtherRadioButtons(OpenWindow& w, QWidget* clicked) {
  for (auto& [name, control] : w.controls)
    if (auto* radio = dynamic_cast<QtRadioButton*>(control.data()); radio && radio != clicked) radio->setChecked(false);
}

int QtForms::width(Window id) const {
  OpenWindow* w = open(id);
  return w ? w->outerWidth : 0;
}

int QtForms::height(Window id) const {
  OpenWindow* w = open(id);
  return w ? w->outerHeight : 0;
}

void QtForms::setWidth(Window id, int value) {
  if (OpenWindow* w = open(id)) {
    w->outerWidth = std::min(value, kLargestSize);
    applySize(*w);
  }
}

void QtForms::setHeight(Window id, int value) {
  if (OpenWindow* w = open(id)) {
    w->outerHeight = std::min(value, kLargestSize);
    applySize(*w);
  }
}

// Sizes are outer sizes: the client area follows from the frame, which the window manager only
// reports once it has framed the window, so this runs again whenever the frame may have changed.
void QtForms::applySize(OpenWindow& w) {
  if (auto frame = ReportedFrame(*w.window)) w.frame = *frame;
  const QSize client = ClientSize({w.outerWidth, w.outerHeight}, w.frame);
  if (client == w.window->size() && w.window->minimumSize() == client) return;
  const QPoint topLeft = w.window->pos();
  w.window->setFixedSize(client);
  if (w.window->pos() != topLeft) w.window->move(topLeft);
}

void QtForms::setPlacement(Window id, Placement placement) {
  OpenWindow* w = open(id);
  if (!w) return;
  w->placement = placement;
  if (placement != Placement::Centred || !w->window->isVisible()) return;
  if (w->window->isMinimized() || w->window->isMaximized()) w->window->showNormal();
  centre(*w);
}

void QtForms::centre(OpenWindow& w) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();  // task bar included
  w.window->move(screen.x() + (screen.width() - w.outerWidth) / 2, screen.y() + (screen.height() - w.outerHeight) / 2);
}

bool QtForms::alwaysOnTop(Window id) const {
  OpenWindow* w = open(id);
  return w && w->alwaysOnTop;
}

void QtForms::setAlwaysOnTop(Window id, bool on) {
  if (OpenWindow* w = open(id)) {
    w->alwaysOnTop = on;
    SetStaysOnTop(*w->window, on);
  }
}

int QtForms::period(Window id, std::string_view timer) const {
  auto* t = dynamic_cast<QtTimer*>(widget(id, timer));
  return t ? t->period() : 0;
}

void QtForms::setPeriod(Window id, std::string_view timer, int ms) {
  if (auto* t = dynamic_cast<QtTimer*>(widget(id, timer))) t->setPeriod(ms);
}

void QtForms::setPicture(Window id, std::string_view pictureBox, std::span<const unsigned char> jpeg) {
  if (auto* box = dynamic_cast<QtPictureBox*>(widget(id, pictureBox))) box->setPicture(DecodeJpegImage(jpeg));
}

VideoDevice& QtForms::device(Window id, std::string_view videoDevice) {
  if (OpenWindow* w = open(id)) {
    auto it = w->devices.find(videoDevice);
    if (it != w->devices.end()) return *it->second;
  }
  // After the end, or for a name that is no device: a device without a driver, failing every call.
  if (!orphanDevice_) {
    orphanArea_ = std::make_unique<QWidget>();
    orphanDevice_ = NoDriverDeviceFactory()(*orphanArea_);
  }
  return *orphanDevice_;
}

std::uintptr_t QtForms::handle(Window id, std::string_view control) const {
  QWidget* widget = this->widget(id, control);
  return widget ? static_cast<std::uintptr_t>(widget->winId()) : 0;
}

}  // namespace vidmora
