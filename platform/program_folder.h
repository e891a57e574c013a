#pragma once

#include <QString>

namespace pellumo {

// The folder of the program file, with its final separator, whatever the
// current directory is. The settings files live here.
QString ProgramFolder();

// ProgramFolder() followed directly by fileName.
QString ProgramFilePath(const QString &fileName);

} // namespace pellumo
