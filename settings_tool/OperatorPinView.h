#pragma once

#include <optional>
#include <string>

namespace tal {

// The operator PIN dialog's two password fields: the PIN and the same again.
enum class PinEntry { pin, confirmation };

// What the operator PIN dialog can be told and asked. Texts are in the ANSI code page.
class OperatorPinView {
public:
    virtual ~OperatorPinView() = default;

    // Nothing when the entry holds a character that the code page lacks.
    virtual std::optional<std::string> text(PinEntry entry) = 0;
    // Empties both fields, so that a refused PIN is typed afresh.
    virtual void clearEntries() = 0;
    virtual void setFocus(PinEntry entry) = 0;
    // "PIN を削除" cannot be pressed: there is no PIN to remove.
    virtual void disableRemoval() = 0;
    // Closes the dialog.
    virtual void close() = 0;
};

}  // namespace tal
