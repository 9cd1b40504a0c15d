#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"
#include "tests/fakes/CallLog.h"

namespace tal::fakes {

struct ShownMessageBox {
    std::string text;
    std::string caption;
    std::uint32_t style = 0;
    friend bool operator==(const ShownMessageBox&, const ShownMessageBox&) = default;
};

class FakeMessageBoxes : public platform::MessageBoxes {
public:
    explicit FakeMessageBoxes(CallLog& log) : log_(log) {}

    std::vector<ShownMessageBox> shown;
    // Runs while a box is open, as the modal loop would dispatch messages.
    std::function<void()> whileOpen;

    void show(const std::string& text, const std::string& caption, std::uint32_t style) override {
        log_.add("MessageBox " + text + " | " + caption);
        shown.push_back({text, caption, style});
        if (whileOpen) {
            whileOpen();
        }
    }

private:
    CallLog& log_;
};

}  // namespace tal::fakes
