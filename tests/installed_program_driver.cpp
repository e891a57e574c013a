// Loaded into the installed program with LD_PRELOAD (tst_installation): the
// driver of installed_program_driver.h starts once the application object
// exists.

#include "installed_program_driver.h"

namespace {

void StartPreloadedDriver()
{
    // Not into the helper processes the program starts (Qt WebEngine's).
    qunsetenv("LD_PRELOAD");
    pellumo::testing::StartDriver();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartPreloadedDriver)
