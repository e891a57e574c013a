#include "app/services/system_shell_launcher.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace pellumo {
namespace {

bool IsWebAddress(const QString &target)
{
    const QUrl url(target, QUrl::StrictMode);
    return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

}  // namespace

void SystemShellLauncher::open(const QString &target)
{
    if (IsWebAddress(target))
        QDesktopServices::openUrl(QUrl(target));
    else
        QProcess::startDetached(target, {});
}

}  // namespace pellumo
