#pragma once

#include <string>

namespace tal::platform {

// A message box that the program does not wait for: it stays on screen while the program goes
// on with its work. Text and caption are UTF-8.
class Notices {
public:
    virtual ~Notices() = default;

    virtual void show(const std::string& text, const std::string& caption) = 0;
};

}  // namespace tal::platform
