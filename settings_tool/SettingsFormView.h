#pragma once

#include <optional>
#include <string>

namespace tal {

// The controls of the settings dialog that hold text: a text box and two editable drop-downs.
enum class TextControl { startPage, shutdownHour, shutdownMinute };

enum class CheckControl { returnButton, taskBar, contextMenu, toolBar };

// What the settings dialog can be told and asked. Texts are in the ANSI code page, as they come
// from and go to the settings file.
class SettingsFormView {
public:
    virtual ~SettingsFormView() = default;

    // Nothing when the entry holds a character that the code page lacks.
    virtual std::optional<std::string> text(TextControl control) = 0;
    virtual void setText(TextControl control, const std::string& text) = 0;
    virtual bool isChecked(CheckControl control) = 0;
    virtual void setChecked(CheckControl control, bool checked) = 0;
    virtual void setFocus(TextControl control) = 0;
    // The control shows a value that Group Policy sets: it cannot be changed here.
    virtual void disable(TextControl control) = 0;
    virtual void disable(CheckControl control) = 0;
    // Tells the operator, in the title, that some values are managed by policy.
    virtual void showManagedByPolicy() = 0;
    // Closes the dialog, which ends the program.
    virtual void close() = 0;
};

}  // namespace tal
