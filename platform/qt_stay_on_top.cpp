#include "platform/qt_stay_on_top.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <QtGui/qguiapplication_platform.h>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace vidmora {
namespace {

// Keeps the other states the property holds (Qt merges its own into it when it maps the window).
void SetAbovePropertyOfUnmappedWindow(Display* display, ::Window window, Atom state, Atom above, bool on) {
  std::vector<Atom> atoms;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0, rest = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, window, state, 0, 64, False, XA_ATOM, &type, &format, &count, &rest, &data) ==
          Success &&
      data) {
    if (type == XA_ATOM && format == 32)
      atoms.assign(reinterpret_cast<Atom*>(data), reinterpret_cast<Atom*>(data) + count);
    XFree(data);
  }
  std::erase(atoms, above);
  if (on) atoms.push_back(above);
  XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                  reinterpret_cast<unsigned char*>(atoms.data()), static_cast<int>(atoms.size()));
}

// EWMH: a window that is not mapped carries the state in its own _NET_WM_STATE property, which the
// window manager reads when it takes the window on; a mapped window asks the window manager through
// a _NET_WM_STATE client message to the root window. An unmapped window gets both, so the state
// holds whichever way the race with the window manager's mapping of a just-shown window goes.
void SetAboveState(Display* display, ::Window window, bool on) {
  const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
  const Atom above = XInternAtom(display, "_NET_WM_STATE_ABOVE", False);
  XWindowAttributes attributes{};
  if (XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsUnmapped)
    SetAbovePropertyOfUnmappedWindow(display, window, state, above, on);

  XEvent message{};
  message.xclient.type = ClientMessage;
  message.xclient.window = window;
  message.xclient.message_type = state;
  message.xclient.format = 32;
  message.xclient.data.l[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD / _NET_WM_STATE_REMOVE
  message.xclient.data.l[1] = static_cast<long>(above);
  message.xclient.data.l[3] = 1;  // source: a normal application
  XSendEvent(display, DefaultRootWindow(display), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &message);
  XFlush(display);
}

}  // namespace

void SetStaysOnTop(QWidget& window, bool on) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (x11 && x11->display()) {  // the offscreen platform answers too, without a display
    SetAboveState(x11->display(), static_cast<::Window>(window.winId()), on);
    return;
  }
  // Elsewhere the toolkit's hint: set on the native window, since changing the widget's own flags
  // would hide and re-create a visible window.
  if (window.windowHandle())
    window.windowHandle()->setFlag(Qt::WindowStaysOnTopHint, on);
  else
    window.setWindowFlag(Qt::WindowStaysOnTopHint, on);
}

}  // namespace vidmora
