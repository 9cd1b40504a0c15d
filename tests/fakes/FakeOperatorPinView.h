#pragma once

#include <map>
#include <optional>
#include <string>

#include "settings_tool/OperatorPinView.h"

namespace tal::fakes {

// The operator PIN dialog with both fields empty; a text set to nothing holds a character that the
// code page lacks.
class FakeOperatorPinView : public OperatorPinView {
public:
    std::map<PinEntry, std::optional<std::string>> texts;
    std::optional<PinEntry> focus;
    bool removalDisabled = false;
    bool closed = false;

    std::optional<std::string> text(PinEntry entry) override {
        return texts.contains(entry) ? texts[entry] : std::string();
    }
    void clearEntries() override { texts.clear(); }
    void setFocus(PinEntry entry) override { focus = entry; }
    void disableRemoval() override { removalDisabled = true; }
    void close() override { closed = true; }
};

}  // namespace tal::fakes
