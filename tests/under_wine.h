#pragma once

// Wine stands in for Windows in the cross build's tests. Where Wine lacks a
// part of Windows a test needs, the test skips under Wine alone and says
// which part; on Windows itself it runs.

#include <QtGlobal>
#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace pellumo::testing {

// Wine's ntdll exports wine_get_version; Windows's does not.
inline bool UnderWine()
{
#ifdef Q_OS_WIN
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

} // namespace pellumo::testing
