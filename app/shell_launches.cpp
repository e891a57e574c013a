// The clickable elements that hand a target to the system shell: the static
// banner picture, the site banner of the about page, the site link of the
// status bar and the two calculator icons of the fee pages. The shell's
// result is never looked at; a launch that fails shows nothing.

#include "app/main_window.h"

#include "app/shell_launcher.h"
#include "app/site_address.h"

#include "ui_status_bar.h"

#include <QStandardPaths>

namespace pellumo {
namespace {

// The calculator of the system: on Windows at its fixed place; elsewhere the
// first of the common desktop calculators found on the PATH, or none.
QString SystemCalculator()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\WINDOWS\\system32\\calc.exe");
#else
    static const char *const candidates[] = {"gnome-calculator", "kcalc",         "mate-calc",
                                             "galculator",       "qalculate-gtk", "xcalc"};
    for (const char *name : candidates) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
#endif
}

}  // namespace

void TForm1::ShellOpen(const QString &target)
{
    m_services.shellLauncher->open(target);
}

void TForm1::Image2Click()
{
    ShellOpen(SiteAddress());
}

void TForm1::Image3Click()
{
    ShellOpen(SiteAddress());
}

// The hidden label holds the address; it is read at the click, not at start.
void TForm1::Label32Click()
{
    ShellOpen(m_statusBar->Labelhttp->text());
}

// Both calculator icons. Without a calculator on this system nothing is
// handed to the shell, so nothing at all happens.
void TForm1::Image4Click()
{
    const QString calculator = SystemCalculator();
    if (!calculator.isEmpty())
        ShellOpen(calculator);
}

}  // namespace pellumo
