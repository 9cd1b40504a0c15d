#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "settings_tool/AdvancedSettingsView.h"

namespace tal::fakes {

// The advanced dialog as its controls start: every text empty, every box unchecked, every list
// empty with its first item selected. A text set to nothing holds a character that the code page
// lacks.
class FakeAdvancedSettingsView : public AdvancedSettingsView {
public:
    std::map<AdvancedText, std::optional<std::string>> texts;
    std::map<AdvancedCheck, bool> checks;
    std::map<AdvancedChoice, std::vector<std::string>> lists;
    std::map<AdvancedChoice, std::size_t> selected;
    std::optional<AdvancedText> focus;
    std::string pinStatus;
    std::set<int> disabled;
    bool closed = false;

    std::optional<std::string> text(AdvancedText control) override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(AdvancedText control, const std::string& text) override { texts[control] = text; }
    bool isChecked(AdvancedCheck control) override { return checks[control]; }
    void setChecked(AdvancedCheck control, bool checked) override { checks[control] = checked; }
    void setChoices(AdvancedChoice control, const std::vector<std::string>& names,
                    std::size_t index) override {
        lists[control] = names;
        selected[control] = index;
    }
    std::size_t choice(AdvancedChoice control) override { return selected[control]; }
    void setFocus(AdvancedText control) override { focus = control; }
    // Texts count from 0, check boxes from 100, lists from 200, buttons from 300.
    void disable(AdvancedText control) override { disabled.insert(static_cast<int>(control)); }
    void disable(AdvancedCheck control) override {
        disabled.insert(100 + static_cast<int>(control));
    }
    void disable(AdvancedChoice control) override {
        disabled.insert(200 + static_cast<int>(control));
    }
    void disable(AdvancedButton control) override {
        disabled.insert(300 + static_cast<int>(control));
    }
    void showPinStatus(const std::string& text) override { pinStatus = text; }
    void close() override { closed = true; }
};

}  // namespace tal::fakes
