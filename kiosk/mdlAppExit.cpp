#include "kiosk/mdlAppExit.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tal {

namespace {

constexpr std::string_view closeClassList =
    "IEFrame,CabinetWClass,ExploreWClass,ConsoleWindowClass,tty";

// The kiosk's own titles: its message boxes, its main window and two helper windows.
constexpr std::array<std::string_view, 4> ownTitles{"TAL", "Varnolt", "Form2", "msime98toolbar"};

// Class names are read into a buffer of this many characters, terminator included.
constexpr std::size_t classNameBuffer = 30;

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> pieces;
    for (;;) {
        const std::size_t at = text.find(separator);
        pieces.emplace_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return pieces;
        }
        text.remove_prefix(at + 1);
    }
}

}  // namespace

mdlAppExit::mdlAppExit(platform::Desktop& desktop, std::uint32_t kioskProcessId)
    : desktop_(desktop), kioskProcessId_(kioskProcessId) {}

std::string mdlAppExit::WindowTitle(platform::WindowHandle window) {
    const std::size_t length = desktop_.getWindowTextLength(window);
    const std::string text = desktop_.getWindowText(window, length + 1);
    return text.substr(0, text.find('\0'));
}

bool mdlAppExit::IsQualifying(platform::WindowHandle window) {
    // Visible first: most hidden windows need no title read at all.
    return desktop_.isWindowVisible(window) && !WindowTitle(window).empty();
}

void mdlAppExit::TakeWindowSnapshot() {
    CloseClassNames = Split(closeClassList, ',');
    desktop_.enumWindows([this](platform::WindowHandle w) { return CountWindowsProc(w); });
    StartupWindows.assign(StartupWindowCount, 0);
    desktop_.enumWindows([this](platform::WindowHandle w) { return SnapshotWindowsProc(w); });
    sortedSnapshot_ = StartupWindows;
    std::sort(sortedSnapshot_.begin(), sortedSnapshot_.end());
}

bool mdlAppExit::CountWindowsProc(platform::WindowHandle window) {
    if (IsQualifying(window)) {
        ++StartupWindowCount;
    }
    return true;
}

bool mdlAppExit::SnapshotWindowsProc(platform::WindowHandle window) {
    // A window that began to qualify after the counting pass finds the snapshot full and stays
    // out of it.
    if (StartupWindowIndex < StartupWindows.size() && IsQualifying(window)) {
        StartupWindows[StartupWindowIndex++] = window;
    }
    return true;
}

bool mdlAppExit::IsInSnapshot(platform::WindowHandle window) const {
    return std::binary_search(sortedSnapshot_.begin(), sortedSnapshot_.end(), window);
}

void mdlAppExit::CloseForeignWindows() {
    desktop_.enumWindows([this](platform::WindowHandle w) { return CloseWindowsProc(w); });
}

bool mdlAppExit::CloseWindowsProc(platform::WindowHandle window) {
    // Every one of these tests only spares the window, so the cheap ones come first: the
    // snapshot is in memory, and reading a title can mean a message to the window's thread.
    if (IsInSnapshot(window) || !desktop_.isWindowVisible(window)) {
        return true;
    }
    const std::string title = WindowTitle(window);
    if (title.empty() || std::find(ownTitles.begin(), ownTitles.end(), title) != ownTitles.end()) {
        return true;
    }
    const std::string className = desktop_.getClassName(window, classNameBuffer);
    const bool listed = std::find(CloseClassNames.begin(), CloseClassNames.end(), className) !=
                        CloseClassNames.end();
    // WM_QUIT to a window of the kiosk's own thread would end the kiosk itself.
    const bool ownProcess = desktop_.windowProcessId(window) == kioskProcessId_;
    desktop_.postMessage(window, listed || ownProcess ? platform::window_message::close
                                                      : platform::window_message::quit);
    return true;
}

}  // namespace tal
