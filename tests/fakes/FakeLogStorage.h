#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/LogStorage.h"

namespace tal::fakes {

// Files in memory. An open file follows its content when it is moved, as a handle does.
class FakeLogStorage : public platform::LogStorage {
public:
    std::string folder = "C:\\Kiosk";
    std::map<std::string, std::string> environment{
        {"LOCALAPPDATA", "C:\\Users\\kiosk\\AppData\\Local"}};
    // Folders in which no file can be opened.
    std::set<std::string> readOnlyFolders;
    std::set<std::string> directories{"C:\\Kiosk", "C:\\Users\\kiosk\\AppData\\Local"};
    // The most bytes each of the next writes takes: 0 fails it, fewer cut the bytes short.
    std::deque<std::size_t> writeLimits;
    // The next this many creations of the lock fail.
    int failingLockCreations = 0;
    // The next this many takes of the lock find it held by another process.
    int busyLocks = 0;
    // The wait of every take of the lock.
    std::vector<std::uint32_t> lockWaits;
    // The next this many moves fail.
    int failingMoves = 0;
    // Runs after a write and before the size is read: another process's turn.
    std::function<void()> afterWrite;

    // The content of a file; empty when it does not exist.
    std::string text(const std::string& path) const;
    bool exists(const std::string& path) const { return files_.contains(path); }
    void put(const std::string& path, std::string content);
    int opens() const { return opens_; }

    std::string programFolder() override { return folder; }
    std::string environmentVariable(const std::string& name) override;
    bool createDirectory(const std::string& path) override;
    std::unique_ptr<platform::LogMutex> createLock() override;
    std::unique_ptr<platform::AppendFile> openForAppend(const std::string& path) override;
    bool moveFile(const std::string& from, const std::string& to) override;

private:
    class File;
    class Mutex;
    std::map<std::string, std::shared_ptr<std::string>> files_;
    int opens_ = 0;
};

// The events of the TAL lines in `text` that begin with `prefix`, without their time stamps:
// "reset trigger=button closed=0 ms=0".
std::vector<std::string> LoggedEvents(const std::string& text, const std::string& prefix = {});

}  // namespace tal::fakes
