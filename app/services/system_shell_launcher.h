#pragma once

#include "app/services/shell_launcher.h"

namespace pellumo {

// The real shell: a web address goes to the user's default browser, anything
// else is taken as the path of a program and started on its own. Neither
// waits for the launch, and a launch that cannot be carried out is silent.
class SystemShellLauncher : public ShellLauncher
{
public:
    void open(const QString &target) override;
};

}  // namespace pellumo
