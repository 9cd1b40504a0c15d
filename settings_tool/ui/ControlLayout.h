#pragma once

#include <span>
#include <string_view>

namespace tal::settings_dialog {

enum class ControlKind {
    label,
    textBox,
    // A PIN: digits only, shown as dots.
    pinBox,
    comboBox,
    dropDownList,
    multiLineText,
    checkBox,
    pushButton
};

// One control; geometry in twips. Creation order is the tab order.
struct ControlLayout {
    int id;
    ControlKind kind;
    std::string_view caption;  // UTF-8
    int left;
    int top;
    int width;
    int height;
};

// A dialog's client area in twips and its controls.
struct DialogDesign {
    int clientWidth;
    int clientHeight;
    std::span<const ControlLayout> controls;
};

}  // namespace tal::settings_dialog
