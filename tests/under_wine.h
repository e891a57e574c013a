#pragma once

// Wine stands in for Windows in the cross build's tests. Where Wine lacks a
// part of Windows a test needs, the test skips under Wine alone and says
// which part; on Windows itself it runs.

#include <QLibrary>

namespace pellumo::testing {

// Wine's ntdll exports wine_get_version; Windows's does not, and other
// systems have no ntdll to load.
inline bool UnderWine()
{
    return QLibrary::resolve(QStringLiteral("ntdll"), "wine_get_version") != nullptr;
}

} // namespace pellumo::testing
