#pragma once

// Reproducible garbage for the settings files of the bad-input suites: the same seed gives the
// same bytes on every run, so a failure can be replayed.
#include <cstddef>
#include <string>

namespace tal::test_support {

inline std::string PseudoRandomBytes(std::size_t size, unsigned seed) {
    std::string bytes(size, '\0');
    unsigned state = seed;
    for (char& c : bytes) {
        state = state * 1103515245U + 12345U;
        c = static_cast<char>(state >> 16);
    }
    return bytes;
}

}  // namespace tal::test_support
