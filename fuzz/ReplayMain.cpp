// Runs a fuzz target once over each file of the folders or files given, without libFuzzer: the
// sanitizer build replays the seeds this way as ordinary tests. A broken invariant aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                          std::istreambuf_iterator<char>()};
    // libFuzzer never passes a null pointer, not even for an empty input.
    static const std::uint8_t empty = 0;
    LLVMFuzzerTestOneInput(bytes.empty() ? &empty : bytes.data(), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    std::size_t inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given(argv[i]);
        if (std::filesystem::is_directory(given)) {
            for (const auto& entry : std::filesystem::directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    Replay(entry.path());
                    ++inputs;
                }
            }
        } else {
            Replay(given);
            ++inputs;
        }
    }
    std::printf("%zu inputs replayed\n", inputs);
    // A folder without seeds is a mistake in the test, not a pass.
    return inputs > 0 ? 0 : 1;
}
