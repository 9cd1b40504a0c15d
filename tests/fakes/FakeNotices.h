#pragma once

#include <string>
#include <vector>

#include "platform/Notices.h"

namespace tal::fakes {

class FakeNotices : public platform::Notices {
public:
    struct Shown {
        std::string text;
        std::string caption;
    };
    std::vector<Shown> shown;

    void show(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption});
    }
};

}  // namespace tal::fakes
