#include "tests/support/TemporaryFolder.h"

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace tal::test_support {

TemporaryFolder::TemporaryFolder() {
    static std::atomic<int> counter{0};
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(MAX_PATH, temp);
    // Process ids repeat between Wine sessions that run side by side, and suites find a program's
    // Linux process by its folder's name: the performance counter's reading keeps names apart.
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    path_ = std::string(temp) + "tal-test-" + std::to_string(::GetCurrentProcessId()) + "-" +
            std::to_string(counter++) + "-" + std::to_string(now.QuadPart);
    if (!::CreateDirectoryA(path_.c_str(), nullptr)) {
        throw std::runtime_error("cannot create " + path_);
    }
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TemporaryFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + file(name));
    }
}

std::string TemporaryFolder::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace tal::test_support
