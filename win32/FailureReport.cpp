#include "win32/FailureReport.h"

#include <windows.h>

#include <exception>
#include <string>

#include "win32/Failure.h"
#include "win32/OwnDialogScope.h"
#include "win32/TextConversion.h"

namespace tal::win32 {

namespace {

constexpr char unexpected[] = "予期しないエラーが発生しました。";

void ShowErrorBox(const std::string& text) noexcept {
    try {
        // Windows destroyed on the way here may have asked the message loop to end; the box's own
        // loop would take that request and close the box at once.
        MSG quit{};
        while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        const OwnDialogScope own;
        ::MessageBoxW(nullptr, Utf8ToWide(text).c_str(), L"エラー",
                      MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    } catch (...) {
        ::OutputDebugStringW(L"TAL: cannot show the error box\n");
    }
}

}  // namespace

int RunReportingFailures(const std::function<int()>& body,
                         const std::function<void(const std::string& text)>& record,
                         int failureCode) noexcept {
    std::string text;
    try {
        return body();
    } catch (const Failure& failure) {
        text = failure.what();
    } catch (const std::exception& exception) {
        text = std::string(unexpected) + "(" + exception.what() + ")";
    } catch (...) {
        text = unexpected;
    }
    try {
        if (record) {
            record(text);
        }
    } catch (...) {
        // The box matters more than the record of it.
    }
    ShowErrorBox(text);
    return failureCode;
}

}  // namespace tal::win32
