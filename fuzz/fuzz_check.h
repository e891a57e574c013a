#pragma once

// A property a fuzz target asserts: when it fails, the input is reported as
// a crash and kept by libFuzzer, with the reason on standard error.

#include <cstdio>
#include <cstdlib>

namespace pellumo::fuzz {

inline void Check(bool holds, const char *property)
{
    if (!holds) {
        std::fprintf(stderr, "property failed: %s\n", property);
        std::abort();
    }
}

} // namespace pellumo::fuzz
