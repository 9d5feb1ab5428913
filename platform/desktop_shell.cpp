#include "platform/desktop_shell.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "platform/native_path.h"

namespace vidmora {
namespace {

bool IsProgramPath(std::string_view text) {
  return text.size() >= 2 && text[1] == ':' && (text[0] == 'd' || text[0] == 'D');
}

}  // namespace

bool DesktopShell::OpenUrl(std::string_view text) {
  if (text.empty()) return false;
  const QString target = IsProgramPath(text)
                             ? QUrl::fromLocalFile(QString::fromStdString(NativePath(text).string())).toString()
                             : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  // xdg-open is the desktop's own dispatcher; started detached, so a slow or missing browser never
  // holds up the program. QDesktopServices would do the same on X11 but does nothing on headless
  // platforms such as the offscreen one. Its complaints (no browser, no network) go nowhere.
  QProcess dispatcher;
  dispatcher.setProgram(QStringLiteral("xdg-open"));
  dispatcher.setArguments({target});
  dispatcher.setStandardOutputFile(QProcess::nullDevice());
  dispatcher.setStandardErrorFile(QProcess::nullDevice());
  return dispatcher.startDetached();
}

}  // namespace vidmora
