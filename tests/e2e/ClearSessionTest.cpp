// What a press of "はじめに戻る" leaves of a visit in the browser's stores, seen by a new process.
// Under Wine the cookie store and the URL cache are the prefix's, shared by every process of the
// session, as on Windows they are the user's.
#include <windows.h>
// After <windows.h>, which it needs.
#include <wininet.h>

#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/KioskDriver.h"
#include "tests/support/ProgramUnderTest.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32InternetSession.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

constexpr int cookieFound = 1;
constexpr int pageFound = 2;

class ClearSessionTest : public testing::Test {
protected:
    void TearDown() override {
        // Whatever the kiosk left goes, so that the cache does not grow from run to run.
        win32::Win32InternetSession session;
        for (const std::string& name : session.findUrlCacheEntries(std::nullopt)) {
            if (name.find(host) != std::string::npos) {
                session.deleteUrlCacheEntry(name);
            }
        }
    }

    // The visitor's traces, planted after the kiosk's start-up wipe: a persistent cookie and a
    // cached page.
    void plantVisit() const {
        ASSERT_TRUE(::InternetSetCookieA(site.c_str(), nullptr,
                                         "visitor=1; expires=Fri, 01-Jan-2100 00:00:00 GMT"));
        char file[MAX_PATH] = {};
        ASSERT_TRUE(::CreateUrlCacheEntryA(page.c_str(), 0, "html", file, 0));
        const win32::UniqueHandle handle(::CreateFileA(
            file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(handle.get(), "<p>visit</p>", 12, &written, nullptr));
        FILETIME never{};
        ASSERT_TRUE(::CommitUrlCacheEntryA(page.c_str(), file, never, never, NORMAL_CACHE_ENTRY,
                                           nullptr, 0, nullptr, nullptr));
    }

    // What a new process finds: cookieFound and pageFound or'ed together.
    int probe() const {
        std::string commandLine =
            "\"" + test_support::WindowsPathOf(TAL_CACHE_PROBE_EXE) + "\" " + site + " " + page;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &startup, &info)) {
            return -1;
        }
        const win32::UniqueHandle process(info.hProcess);
        const win32::UniqueHandle thread(info.hThread);
        DWORD code = 0;
        if (::WaitForSingleObject(process.get(), 20000) != WAIT_OBJECT_0 ||
            !::GetExitCodeProcess(process.get(), &code)) {
            return -1;
        }
        return static_cast<int>(code);
    }

    // Starts a kiosk, plants a visit and presses the button.
    void visitAndPress(const std::string& clearSession) {
        const std::string settings =
            "[CONFIG]\r\nStartPage=about:blank\r\nInitButton=on\r\n"
            "ClearSession=" +
            clearSession + "\r\n";
        test_support::KioskDriver kiosk(&settings);
        HWND button = kiosk.waitForReturnButton();
        ASSERT_NE(button, nullptr);
        ASSERT_NO_FATAL_FAILURE(plantVisit());
        ASSERT_EQ(probe(), cookieFound | pageFound) << "a new process sees the visit";
        ASSERT_TRUE(test_support::PressReturnButton(button));
        EXPECT_TRUE(kiosk.close());
    }

    const std::string host = "visit-" + std::to_string(::GetCurrentProcessId()) + ".example";
    const std::string site = "http://" + host + "/";
    const std::string page = site + "page.html";
};

TEST_F(ClearSessionTest, OnAPressLeavesTheNextProcessNoCookieAndNoCachedPage) {
    ASSERT_NO_FATAL_FAILURE(visitAndPress("on"));
    EXPECT_EQ(probe(), 0);
}

TEST_F(ClearSessionTest, OffAPressKeepsTheCookieAndTheCachedPage) {
    ASSERT_NO_FATAL_FAILURE(visitAndPress("off"));
    EXPECT_EQ(probe(), cookieFound | pageFound);
}

}  // namespace
}  // namespace tal
