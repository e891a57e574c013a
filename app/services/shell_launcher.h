#pragma once

#include <QString>
#include <QUrl>

namespace pellumo {

// What may leave the program for the default web browser: an absolute http
// or https address with a host. Anything else a page could supply (file:,
// data:, javascript:, a bare path) is refused, so that no address ever
// becomes a program start.
inline bool IsWebAddress(const QUrl &address)
{
    return address.isValid() && !address.host().isEmpty() &&
           (address.scheme() == QLatin1String("http") || address.scheme() == QLatin1String("https"));
}

// The system shell's two jobs, kept apart: a web address opens in the user's
// default browser; a program starts only from a path the program itself
// found (the calculator), never from an address. Neither waits, and a launch
// that cannot be carried out is silent.
class ShellLauncher
{
public:
    virtual ~ShellLauncher() = default;
    // Refuses, silently, whatever is not a web address (IsWebAddress).
    virtual void openWebAddress(const QUrl &address) = 0;
    virtual void startProgram(const QString &path) = 0;
};

} // namespace pellumo
