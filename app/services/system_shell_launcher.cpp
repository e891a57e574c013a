#include "app/services/system_shell_launcher.h"

#include <QDesktopServices>
#include <QProcess>

namespace pellumo {

void SystemShellLauncher::openWebAddress(const QUrl &address)
{
    // The desktop's opener would start a program for a file: address.
    if (IsWebAddress(address))
        QDesktopServices::openUrl(address);
}

void SystemShellLauncher::startProgram(const QString &path)
{
    QProcess::startDetached(path, {});
}

}  // namespace pellumo
