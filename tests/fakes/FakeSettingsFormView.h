#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>

#include "settings_tool/SettingsFormView.h"

namespace tal::fakes {

// The settings dialog as its controls start: every text empty, every box unchecked. A text set to
// nothing holds a character that the code page lacks.
class FakeSettingsFormView : public SettingsFormView {
public:
    std::map<TextControl, std::optional<std::string>> texts;
    std::map<CheckControl, bool> checks;
    std::optional<TextControl> focus;
    std::set<TextControl> disabledTexts;
    std::set<CheckControl> disabledChecks;
    bool managedByPolicy = false;
    bool closed = false;

    std::optional<std::string> text(TextControl control) override {
        const auto found = texts.find(control);
        return found == texts.end() ? std::string() : found->second;
    }
    void setText(TextControl control, const std::string& text) override { texts[control] = text; }
    bool isChecked(CheckControl control) override { return checks[control]; }
    void setChecked(CheckControl control, bool checked) override { checks[control] = checked; }
    void setFocus(TextControl control) override { focus = control; }
    void disable(TextControl control) override { disabledTexts.insert(control); }
    void disable(CheckControl control) override { disabledChecks.insert(control); }
    void showManagedByPolicy() override { managedByPolicy = true; }
    void close() override { closed = true; }
};

}  // namespace tal::fakes
