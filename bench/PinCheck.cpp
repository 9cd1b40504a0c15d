// Measures, under the real system, one check of the operator's PIN as the kiosk makes it: PBKDF2-
// HMAC-SHA256 with the settings tool's iteration count through the system's bcrypt, and the
// comparison. Prints one "name value" line per figure.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "common/PinHash.h"
#include "win32/Win32Cryptography.h"

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    tal::win32::Win32Cryptography crypto;
    const std::optional<tal::PinHash> stored = tal::HashPin("20261208", crypto);
    if (!stored) {
        std::fprintf(stderr, "no hash: status 0x%08X\n", crypto.lastStatus());
        return 1;
    }
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto started = std::chrono::steady_clock::now();
        // A wrong PIN costs the same as the right one: all of it is the derivation.
        if (tal::CheckPin("20261209", *stored, crypto) != tal::PinCheck::differs) {
            return 1;
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - started)
                .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("pin_iterations %u\n", stored->iterationCount);
    std::printf("pin_check_median_ms %.1f\n", times[times.size() / 2]);
    std::printf("pin_check_max_ms %.1f\n", times.back());
    return 0;
}
