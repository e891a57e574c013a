#pragma once

#include <QString>

namespace pellumo {

// Hands a web address or a program path to the system shell ("open"),
// without waiting and without reporting failure to the user.
class ShellLauncher
{
public:
    virtual ~ShellLauncher() = default;
    virtual void open(const QString &target) = 0;
};

} // namespace pellumo
