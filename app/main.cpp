// Vidmora: watch and record up to four USB cameras.
#include <QApplication>
#include <QMessageBox>

#include "app/event_table.h"
#include "app/window_descriptions.h"
#include "platform/desktop_shell.h"
#include "platform/camera_device_factory.h"
#include "platform/local_file_system.h"
#include "platform/qt_forms.h"
#include "platform/qt_termination.h"
#include "platform/system_clock.h"
#include "platform/x11_hotkeys.h"

int main(int argc, char** argv) {
  using namespace vidmora;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("vidmora"));

  QtForms forms({&MainWindowDescription(), &HelpWindowDescription()}, EventTable(), CameraDeviceFactory());
  DesktopShell shell;
  LocalFileSystem files;
  SystemClock clock;
  X11Hotkeys hotkeys;
  System system{forms, shell, files, clock, hotkeys.service, forms};
  forms.attach(system);
  OnTerminationRequest([&forms] { forms.End(0); });

  if (!forms.LoadWindow(Window::Main)) {
    QMessageBox::critical(nullptr, QString::fromUtf8(kProductTitle.data(), kProductTitle.size()),
                          QStringLiteral("The main window could not be built."));
    return -1;
  }
  if (forms.ended()) return forms.exitCode();
  return app.exec();
}
