#pragma once

#include <cstdio>
#include <cstdlib>

namespace tal::fuzz {

// Ends the run on a broken invariant; libFuzzer keeps the input that broke it.
inline void Require(bool holds, const char* invariant, const char* file, int line) {
    if (!holds) {
        std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, invariant);
        std::abort();
    }
}

}  // namespace tal::fuzz

#define TAL_REQUIRE(invariant) ::tal::fuzz::Require((invariant), #invariant, __FILE__, __LINE__)
