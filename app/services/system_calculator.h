#pragma once

#include <QString>

namespace pellumo {

class ShellLauncher;

// The calculator of the system: on Windows at its fixed place; elsewhere the
// first of the common desktop calculators found on the PATH, or none (empty).
QString SystemCalculator();

// Both calculator icons of the fee pages. Without a calculator on this
// system nothing is handed to the shell, so nothing at all happens. The
// path is the one found here: nothing a page or a file supplies is started.
void OpenSystemCalculator(ShellLauncher &shell);

} // namespace pellumo
