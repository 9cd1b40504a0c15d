// The event log's file adapter and clock against the real file system and time zone.
#include <windows.h>

#include <cstdint>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "common/EventLog.h"
#include "tests/support/ProgramUnderTest.h"
#include "tests/support/TemporaryFolder.h"
#include "win32/TextConversion.h"
#include "win32/UniqueHandle.h"
#include "win32/Win32Calendar.h"
#include "win32/Win32LogStorage.h"

namespace tal {
namespace {

std::vector<std::string> Lines(const std::string& text, std::string& rest) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    for (std::size_t end; (end = text.find("\r\n", begin)) != std::string::npos; begin = end + 2) {
        lines.push_back(text.substr(begin, end - begin));
    }
    rest = text.substr(begin);
    return lines;
}

win32::UniqueHandle StartAppender(const std::string& executable, const std::string& arguments) {
    std::wstring commandLine =
        L"\"" + win32::AnsiToWide(executable) + L"\" " + win32::AnsiToWide(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        return {};
    }
    ::CloseHandle(info.hThread);
    return win32::UniqueHandle(info.hProcess);
}

TEST(EventLogFileTest, TwoProcessesAppendingTenThousandLinesEachLeaveTwentyThousandWholeLines) {
    const test_support::TemporaryFolder folder;
    const std::string appender = folder.file("appender.exe");
    ASSERT_TRUE(::CopyFileA(test_support::WindowsPathOf(TAL_LOG_APPENDER_EXE).c_str(),
                            appender.c_str(), FALSE));
    const auto first = StartAppender(appender, "first 10000");
    const auto second = StartAppender(appender, "second 10000");
    ASSERT_TRUE(first && second);
    for (HANDLE process : {first.get(), second.get()}) {
        ASSERT_EQ(::WaitForSingleObject(process, 120'000), WAIT_OBJECT_0);
        DWORD code = 99;
        ::GetExitCodeProcess(process, &code);
        EXPECT_EQ(code, 0U) << "no line was dropped";
    }

    // About 1.6 MB in all: the file was rotated once on the way.
    const std::string rotated = folder.read("TAL.log.1");
    const std::string current = folder.read("TAL.log");
    EXPECT_GE(rotated.size(), EventLog::rotationSize);
    EXPECT_LT(current.size(), EventLog::rotationSize);

    std::set<long> seen[2];
    std::size_t lines = 0;
    for (const std::string* text : {&rotated, &current}) {
        std::string rest;
        for (const std::string& line : Lines(*text, rest)) {
            ++lines;
            const std::size_t program = line.find(' ') + 1;
            const std::size_t event = line.find(' ', program) + 1;
            const std::string name = line.substr(program, event - program - 1);
            const std::string tail = " text=\"the same length for every line\"";
            ASSERT_TRUE(line.ends_with(tail)) << line;
            ASSERT_EQ(line.compare(event, 7, "line n="), 0) << line;
            ASSERT_TRUE(name == "first" || name == "second") << line;
            const std::string number =
                line.substr(event + 7, line.size() - tail.size() - event - 7);
            ASSERT_EQ(number.find_first_not_of("0123456789"), std::string::npos) << line;
            EXPECT_TRUE(seen[name == "second"].insert(std::stol(number)).second)
                << "twice: " << line;
        }
        EXPECT_EQ(rest, "") << "a part line at the end";
    }
    EXPECT_EQ(lines, 20'000U);
    for (const auto& numbers : seen) {
        ASSERT_EQ(numbers.size(), 10'000U);
        EXPECT_EQ(*numbers.begin(), 0);
        EXPECT_EQ(*numbers.rbegin(), 9'999);
    }
}

TEST(EventLogFileTest, TheRotationMovesTheFileWhileItIsOpenAndReplacesTheOlderOne) {
    const test_support::TemporaryFolder folder;
    folder.write("TAL.log.1", "older\r\n");
    win32::Win32LogStorage storage;
    {
        const auto file = storage.openForAppend(folder.file("TAL.log"));
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->lastByte(), std::nullopt);
        EXPECT_EQ(file->write("one\r\n"), 5U);
        EXPECT_EQ(file->lastByte(), '\n');
        EXPECT_EQ(file->size(), 5U);
        EXPECT_TRUE(storage.moveFile(folder.file("TAL.log"), folder.file("TAL.log.1")));
        EXPECT_EQ(file->write("two\r\n"), 5U) << "the open file goes with its name";
    }
    EXPECT_EQ(folder.read("TAL.log.1"), "one\r\ntwo\r\n");
    EXPECT_EQ(::GetFileAttributesA(folder.file("TAL.log").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(storage.moveFile(folder.file("TAL.log"), folder.file("TAL.log.1")))
        << "rotated already";
}

TEST(EventLogFileTest, TheLockThatOneWriterHoldsIsBusyAtOnceForAnotherUntilLetGo) {
    // Suites running beside this one write lines of their own: their turn may come first.
    constexpr std::uint32_t theirTurn = 30'000;
    const auto lock = win32::Win32LogStorage().createLock();
    ASSERT_NE(lock, nullptr);
    auto held = lock->take(theirTurn);
    ASSERT_NE(held, nullptr);
    // Another writer, as another process would be: the lock belongs to a thread.
    const auto otherTakes = [](std::uint32_t wait) {
        bool taken = false;
        std::thread([&] {
            const auto otherLock = win32::Win32LogStorage().createLock();
            taken = otherLock && otherLock->take(wait);
        }).join();
        return taken;
    };
    EXPECT_FALSE(otherTakes(0));
    held.reset();
    EXPECT_TRUE(otherTakes(theirTurn));
}

TEST(EventLogFileTest, AReaderThatSharesWritingLetsLinesInOneThatDoesNotMakesThemFail) {
    const test_support::TemporaryFolder folder;
    folder.write("TAL.log", "");
    win32::Win32LogStorage storage;
    {
        const win32::UniqueHandle viewer(
            ::CreateFileA(folder.file("TAL.log").c_str(), GENERIC_READ,
                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(viewer.get(), INVALID_HANDLE_VALUE);
        const auto file = storage.openForAppend(folder.file("TAL.log"));
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->write("line\r\n"), 6U);
    }
    const win32::UniqueHandle locker(::CreateFileA(folder.file("TAL.log").c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                                                   nullptr));
    ASSERT_NE(locker.get(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(storage.openForAppend(folder.file("TAL.log")), nullptr);
    EXPECT_EQ(folder.read("TAL.log"), "line\r\n");
}

TEST(EventLogFileTest, FoldersOutsideTheAnsiCodePageWork) {
    const test_support::TemporaryFolder folder;
    win32::Win32LogStorage storage;
    // Korean and Greek have no place in code page 932.
    const std::string foreign = win32::WideToUtf8(win32::AnsiToWide(folder.path())) + "\\로그αβ";
    ASSERT_TRUE(storage.createDirectory(foreign));
    EXPECT_TRUE(storage.createDirectory(foreign)) << "an existing folder is fine";
    const auto file = storage.openForAppend(foreign + "\\TAL.log");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->write("x\r\n"), 3U);
    EXPECT_NE(::GetFileAttributesW(win32::Utf8ToWide(foreign + "\\TAL.log").c_str()),
              INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(storage.createDirectory(foreign + "\\no\\such\\parent"));
}

TEST(EventLogFileTest, TheEnvironmentAndTheProgramFolderComeThroughTheWideApi) {
    win32::Win32LogStorage storage;
    ASSERT_TRUE(::SetEnvironmentVariableW(L"TAL_LOG_TEST", L"C:\\ユーザー"));
    EXPECT_EQ(storage.environmentVariable("TAL_LOG_TEST"), "C:\\ユーザー");
    ::SetEnvironmentVariableW(L"TAL_LOG_TEST", nullptr);
    EXPECT_EQ(storage.environmentVariable("TAL_LOG_TEST"), "");
    EXPECT_EQ(storage.programFolder() + "\\tal_wine_log_tests.exe",
              win32::WideToUtf8(win32::AnsiToWide(test_support::WindowsPathOf(TAL_TEST_EXE))));
}

// The suite runs with TZ=Asia/Tokyo: nine hours ahead, no daylight saving.
TEST(CalendarTest, GivesTheLocalTimeAndItsOffsetOfOneInstant) {
    SYSTEMTIME before{};
    ::GetSystemTime(&before);
    const platform::LocalDateTime now = win32::Win32Calendar().localNow();
    EXPECT_EQ(now.utcOffsetMinutes, 540);
    // The same minute as the system's own clock, nine hours on (unless a minute just turned).
    EXPECT_TRUE(now.hour == (before.wHour + 9) % 24 || now.second == 0) << now.hour;
    EXPECT_TRUE(now.minute == before.wMinute || now.second == 0) << now.minute;
    EXPECT_GE(now.year, 2024);
}

}  // namespace
}  // namespace tal
