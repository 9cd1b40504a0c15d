#include "win32/OwnDialogScope.h"

#include <algorithm>
#include <mutex>
#include <vector>

namespace tal::win32 {

namespace {

// The scopes alive in the process; the guard's hook procedures have no context of their own.
std::mutex scopesLock;
std::vector<OwnDialogScope*> scopes;

}  // namespace

OwnDialogScope::OwnDialogScope() : thread_(::GetCurrentThreadId()) {
    const std::lock_guard lock(scopesLock);
    scopes.push_back(this);
}

OwnDialogScope::~OwnDialogScope() {
    const std::lock_guard lock(scopesLock);
    scopes.erase(std::find(scopes.begin(), scopes.end(), this));
}

bool OwnDialogScope::claim(HWND window) {
    const DWORD thread = ::GetCurrentThreadId();
    const std::lock_guard lock(scopesLock);
    // The innermost scope of the thread: an outer one has claimed its dialog already.
    for (auto scope = scopes.rbegin(); scope != scopes.rend(); ++scope) {
        if ((*scope)->thread_ == thread) {
            if ((*scope)->dialog_ != nullptr) {
                return false;
            }
            (*scope)->dialog_ = window;
            return true;
        }
    }
    return false;
}

bool OwnDialogScope::isOwn(HWND window) {
    const std::lock_guard lock(scopesLock);
    return std::any_of(scopes.begin(), scopes.end(),
                       [window](const OwnDialogScope* scope) { return scope->dialog_ == window; });
}

void OwnDialogScope::closeAll() {
    std::vector<HWND> dialogs;
    {
        const DWORD thread = ::GetCurrentThreadId();
        const std::lock_guard lock(scopesLock);
        for (const OwnDialogScope* scope : scopes) {
            if (scope->thread_ == thread && scope->dialog_ != nullptr) {
                dialogs.push_back(scope->dialog_);
            }
        }
    }
    // Outside the lock: ending a dialog sends it messages.
    for (HWND dialog : dialogs) {
        ::EndDialog(dialog, IDCANCEL);
    }
}

}  // namespace tal::win32
