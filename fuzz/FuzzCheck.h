// Stops a fuzz run on a broken expectation, naming it, so that libFuzzer
// keeps the input that showed it.
#pragma once

#include <cstdio>
#include <cstdlib>

namespace orbfuzz {

inline void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken expectation: %s\n", what);
        std::abort();
    }
}

}  // namespace orbfuzz
