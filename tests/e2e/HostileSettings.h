#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tal::test_support {

// What the settings dialog shows for a file; nothing where the shown text is the system's choice
// (text that is not valid in the ANSI code page).
struct DialogView {
    std::optional<std::string> startPage;
    std::optional<std::string> hour;
    std::optional<std::string> minute;
    bool backButton = true;
    bool taskBar = true;
    bool contextMenu = true;
    bool toolBar = true;
};

// What the kiosk does with a file.
struct KioskOutcome {
    // False when the start-up wait outlasts the test: the window must not have appeared yet.
    bool windowAppears = true;
    bool taskBarHidden = false;
    bool contextMenuPolicy = false;
    bool toolbarLayout = false;
};

// A hostile TAL.ini and how both programs take it.
struct HostileSettings {
    std::string name;  // a test name: letters and digits
    std::string bytes;
    DialogView dialog;
    KioskOutcome kiosk;
};

// The corpus, built in code: every file is the same on every run.
std::vector<HostileSettings> HostileSettingsCorpus();

// The dialog of a settings tool that found no usable settings.
DialogView DefaultDialog();

}  // namespace tal::test_support
