#include "app/services/system_calculator.h"

#include "app/services/shell_launcher.h"

#include <QStandardPaths>

namespace pellumo {

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

void OpenSystemCalculator(ShellLauncher &shell)
{
    const QString calculator = SystemCalculator();
    if (!calculator.isEmpty())
        shell.startProgram(calculator);
}

} // namespace pellumo
