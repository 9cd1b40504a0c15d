#include "kiosk/WindowGuard.h"

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

WindowGuard::WindowGuard(platform::Desktop& desktop, std::uint32_t kioskProcessId,
                         platform::SessionSnapshot* kept)
    : desktop_(desktop), kioskProcessId_(kioskProcessId), kept_(kept) {}

std::string WindowGuard::windowTitle(platform::WindowHandle window) {
    const std::size_t length = desktop_.getWindowTextLength(window);
    const std::string text = desktop_.getWindowText(window, length + 1);
    return text.substr(0, text.find('\0'));
}

bool WindowGuard::isQualifying(platform::WindowHandle window) {
    // Visible first: most hidden windows need no title read at all.
    return desktop_.isWindowVisible(window) && !windowTitle(window).empty();
}

void WindowGuard::takeSnapshot() {
    closeClassNames_ = Split(closeClassList, ',');
    if (kept_ != nullptr) {
        if (auto windows = kept_->published()) {
            snapshot_ = std::move(*windows);
            std::sort(snapshot_.begin(), snapshot_.end());
            return;
        }
    }
    // Two passes: the first counts, the second fills at most that many. A window that began to
    // qualify after the counting pass finds the snapshot full and stays out of it.
    std::size_t count = 0;
    desktop_.enumWindows([this, &count](platform::WindowHandle window) {
        count += isQualifying(window) ? 1 : 0;
        return true;
    });
    snapshot_.clear();
    snapshot_.reserve(count);
    desktop_.enumWindows([this, count](platform::WindowHandle window) {
        if (snapshot_.size() < count && isQualifying(window)) {
            snapshot_.push_back(window);
        }
        return true;
    });
    std::sort(snapshot_.begin(), snapshot_.end());
    if (kept_ != nullptr) {
        kept_->publish(snapshot_);
    }
}

bool WindowGuard::isInSnapshot(platform::WindowHandle window) const {
    return std::binary_search(snapshot_.begin(), snapshot_.end(), window);
}

std::size_t WindowGuard::closeForeignWindows() {
    std::size_t asked = 0;
    desktop_.enumWindows([this, &asked](platform::WindowHandle window) {
        asked += closeIfForeign(window) ? 1 : 0;
        return true;
    });
    return asked;
}

bool WindowGuard::closeIfForeign(platform::WindowHandle window) {
    // Every one of these tests only spares the window, so the cheap ones come first: the
    // snapshot is in memory, and reading a title can mean a message to the window's thread.
    if (isInSnapshot(window) || !desktop_.isWindowVisible(window)) {
        return false;
    }
    const std::string title = windowTitle(window);
    if (title.empty() || std::find(ownTitles.begin(), ownTitles.end(), title) != ownTitles.end()) {
        return false;
    }
    const std::string className = desktop_.getClassName(window, classNameBuffer);
    const bool listed = std::find(closeClassNames_.begin(), closeClassNames_.end(), className) !=
                        closeClassNames_.end();
    // WM_QUIT to a window of the kiosk's own thread would end the kiosk itself.
    const bool ownProcess = desktop_.windowProcessId(window) == kioskProcessId_;
    desktop_.postMessage(window, listed || ownProcess ? platform::window_message::close
                                                      : platform::window_message::quit);
    return true;
}

}  // namespace tal
