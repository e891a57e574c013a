#include "platform/program_folder.h"

#include <QCoreApplication>
#include <QDir>

namespace pellumo {

QString ProgramFolder()
{
    QString folder = QCoreApplication::applicationDirPath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

QString ProgramFilePath(const QString &fileName)
{
    return ProgramFolder() + fileName;
}

} // namespace pellumo
