#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tal {

// The advanced dialog's number fields, its field for the allowed sites and the one for the
// kiosk's daily restart.
enum class AdvancedText {
    idleReset,
    idleWarning,
    hangSeconds,
    offlineRetry,
    allowedSites,
    restartTime
};
// Its check boxes. Checked means: forget the visitor, allow printing, lock the system keys,
// switch the Task Manager off.
enum class AdvancedCheck { clearSession, printing, keyLock, taskManagerOff };
// Its drop-down lists, each holding the names of its key's words.
enum class AdvancedChoice { browserMode, newWindows };
// Its buttons that stand for a key: "管理者 PIN..." opens the operator PIN dialog.
enum class AdvancedButton { operatorPin };

// What the advanced settings dialog can be told and asked. Texts are in the ANSI code page, as
// they come from and go to the settings file; the names in the lists are UTF-8.
class AdvancedSettingsView {
public:
    virtual ~AdvancedSettingsView() = default;

    // Nothing when the entry holds a character that the code page lacks.
    virtual std::optional<std::string> text(AdvancedText control) = 0;
    virtual void setText(AdvancedText control, const std::string& text) = 0;
    virtual bool isChecked(AdvancedCheck control) = 0;
    virtual void setChecked(AdvancedCheck control, bool checked) = 0;
    // Fills the list with `names` and selects the one at `selected`.
    virtual void setChoices(AdvancedChoice control, const std::vector<std::string>& names,
                            std::size_t selected) = 0;
    // Where the selected name stands in the list.
    virtual std::size_t choice(AdvancedChoice control) = 0;
    virtual void setFocus(AdvancedText control) = 0;
    virtual void disable(AdvancedText control) = 0;
    virtual void disable(AdvancedCheck control) = 0;
    virtual void disable(AdvancedChoice control) = 0;
    virtual void disable(AdvancedButton control) = 0;
    // Says beside "管理者 PIN..." whether a PIN is set (UTF-8).
    virtual void showPinStatus(const std::string& text) = 0;
    // Closes the dialog.
    virtual void close() = 0;
};

}  // namespace tal
