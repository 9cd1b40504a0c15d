#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Process.h"

namespace tal::fakes {

class FakeProcess : public platform::Process {
public:
    std::string path = "C:\\Kiosk";
    std::vector<std::string> environment{"OS=Windows_NT", "PATH=C:\\Windows"};
    std::uint32_t id = 4242;

    std::string fileName = "TAL.exe";

    std::string applicationPath() override { return path; }
    std::string executableFileName() override { return fileName; }
    std::string environmentEntry(std::size_t index) override {
        return index >= 1 && index <= environment.size() ? environment[index - 1] : std::string{};
    }
    std::uint32_t processId() override { return id; }
};

}  // namespace tal::fakes
