// What a press of "はじめに戻る" leaves of a visit in the browser's stores, seen by other
// processes. Under Wine the cookie store, the URL cache, the profile's folders and
// HKEY_CURRENT_USER are the prefix's, shared by every process of the session, as on Windows they
// are the user's.
#include <windows.h>
// After <windows.h>, which they need.
#include <shlobj.h>
#include <wininet.h>

#include <array>
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/Deadline.h"
#include "tests/support/KioskDriver.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/UserRegistry.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32InternetSession.h"

namespace tal {
namespace {

using namespace std::chrono_literals;

constexpr int cookieFound = 1;
constexpr int pageFound = 2;
constexpr int storageFound = 4;
constexpr int formsFound = 8;
constexpr int everything = cookieFound | pageFound | storageFound | formsFound;

const std::array<std::string, 2> formKeys{
    "Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage1",
    "Software\\Microsoft\\Internet Explorer\\IntelliForms\\Storage2"};

std::wstring LocalAppData() {
    wchar_t folder[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder);
    return folder;
}

int WipeLines(const test_support::KioskDriver& kiosk) {
    const std::string log = kiosk.log();
    int count = 0;
    for (auto at = log.find(" TAL wipe "); at != std::string::npos;
         at = log.find(" TAL wipe ", at + 1)) {
        ++count;
    }
    return count;
}

class ClearSessionTest : public testing::Test {
protected:
    void TearDown() override {
        // Whatever the kiosk left goes, so that the stores do not grow from run to run.
        win32::Win32InternetSession session;
        for (const std::string& name : session.findUrlCacheEntries(std::nullopt)) {
            if (name.find(host) != std::string::npos) {
                session.deleteUrlCacheEntry(name);
            }
        }
        // Deepest first, each file's folder after it.
        for (const std::wstring& file : storageFiles) {
            ::SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileW(file.c_str());
            ::RemoveDirectoryW(file.substr(0, file.rfind(L'\\')).c_str());
        }
        for (const std::string& key : formKeys) {
            test_support::DeleteUserValue(key, host);
        }
    }

    // The visitor's traces, planted after the kiosk's start-up wipe: a persistent cookie, a
    // cached page, web storage (a read-only file among them) and a form entry with a password.
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
        for (const std::wstring& stored : storageFiles) {
            const std::wstring folder = stored.substr(0, stored.rfind(L'\\'));
            ::SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
            const win32::UniqueHandle storage(::CreateFileW(stored.c_str(), GENERIC_WRITE, 0,
                                                            nullptr, CREATE_ALWAYS,
                                                            FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(::WriteFile(storage.get(), "login=visitor", 13, &written, nullptr));
        }
        ASSERT_TRUE(::SetFileAttributesW(storageFiles[0].c_str(), FILE_ATTRIBUTE_READONLY));
        for (const std::string& key : formKeys) {
            test_support::WriteUserValue(key, host, REG_BINARY, {1, 2, 3});
        }
    }

    // What the browser's stores hold of the visit, seen from outside the kiosk.
    int traces() const {
        int found = probe();
        for (const std::wstring& file : storageFiles) {
            if (::GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) {
                found |= storageFound;
            }
        }
        for (const std::string& key : formKeys) {
            if (test_support::ReadUserValue(key, host)) {
                found |= formsFound;
            }
        }
        return found;
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

    // Starts a kiosk, plants a visit, presses the button and waits for the wipe it leads to.
    void visitAndPress(const std::string& clearSession) {
        const std::string settings =
            "[CONFIG]\r\nStartPage=about:blank\r\nInitButton=on\r\n"
            "ClearSession=" +
            clearSession + "\r\n";
        test_support::KioskDriver kiosk(&settings);
        HWND button = kiosk.waitForReturnButton();
        ASSERT_NE(button, nullptr);
        const int wipes = clearSession == "on" ? 1 : 0;
        ASSERT_TRUE(test_support::WaitFor([&] { return WipeLines(kiosk) == wipes; }, 20s))
            << kiosk.log();
        ASSERT_NO_FATAL_FAILURE(plantVisit());
        ASSERT_EQ(traces(), everything) << "other processes see the visit";
        ASSERT_TRUE(test_support::PressReturnButton(button));
        EXPECT_TRUE(test_support::WaitFor([&] { return WipeLines(kiosk) == 2 * wipes; }, 20s))
            << kiosk.log();
        EXPECT_TRUE(kiosk.close());
    }

    const std::string host = "visit-" + std::to_string(::GetCurrentProcessId()) + ".example";
    const std::string site = "http://" + host + "/";
    const std::string page = site + "page.html";
    const std::array<std::wstring, 3> storageFiles{
        LocalAppData() + L"\\Microsoft\\Internet Explorer\\DOMStore\\TAL" +
            std::to_wstring(::GetCurrentProcessId()) + L"\\deeper\\visit[2].xml",
        LocalAppData() + L"\\Microsoft\\Internet Explorer\\DOMStore\\TAL" +
            std::to_wstring(::GetCurrentProcessId()) + L"\\visit[1].xml",
        LocalAppData() + L"\\Microsoft\\Internet Explorer\\Indexed DB\\TAL" +
            std::to_wstring(::GetCurrentProcessId()) + L"\\visit.edb"};
};

TEST_F(ClearSessionTest, OnAPressLeavesNoCookieCachedPageWebStorageOrFormEntry) {
    ASSERT_NO_FATAL_FAILURE(visitAndPress("on"));
    EXPECT_EQ(traces(), 0);
}

TEST_F(ClearSessionTest, OffAPressKeepsThemAll) {
    ASSERT_NO_FATAL_FAILURE(visitAndPress("off"));
    EXPECT_EQ(traces(), everything);
}

}  // namespace
}  // namespace tal
