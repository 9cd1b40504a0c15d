#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings_tool/ui/ControlLayout.h"
#include "win32/UniqueHandle.h"

namespace tal::settings_dialog {

// A dialog's controls as its design has them: created once in tab order, laid out for a DPI
// whenever the dialog's DPI is known or changes, and reached by their identifiers. The controls
// belong to the dialog window, the font to this.
class DialogControls {
public:
    explicit DialogControls(const DialogDesign& design) : design_(design) {}

    void create(HWND dialog, HINSTANCE instance);
    // Sizes the dialog's client area and places and sizes every control for `dpi`.
    void layOut(UINT dpi);

    HWND operator[](int id) const { return ::GetDlgItem(dialog_, id); }
    // Texts in the ANSI code page, as the settings file holds them; nothing for a text with a
    // character that the code page lacks.
    std::optional<std::string> text(int id) const;
    void setText(int id, const std::string& text);
    // A label's or a button's own text (UTF-8).
    void setCaption(int id, std::string_view utf8);
    bool isChecked(int id) const;
    void setChecked(int id, bool checked);
    // A drop-down's items (UTF-8), replacing those it had.
    void setItems(int id, const std::vector<std::string>& items);
    void select(int id, std::size_t index);
    // The selected item's position; 0 when none is selected.
    std::size_t selection(int id) const;
    void disable(int id);
    void focus(int id);

private:
    DialogDesign design_;
    HWND dialog_ = nullptr;
    win32::UniqueFont font_;
};

}  // namespace tal::settings_dialog
