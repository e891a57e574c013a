#pragma once

#include "app/services/shell_launcher.h"

namespace pellumo {

// The real shell: web addresses go to the user's default browser, programs
// are started on their own by their path.
class SystemShellLauncher : public ShellLauncher
{
public:
    void openWebAddress(const QUrl &address) override;
    void startProgram(const QString &path) override;
};

}  // namespace pellumo
