#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "common/LogLine.h"
#include "platform/Calendar.h"
#include "platform/LogStorage.h"

namespace tal {

// TAL.log, the event log that the three programs share: one line per event, appended whole. It
// lives beside TAL.ini, or in %LOCALAPPDATA%\TAL when the file cannot be opened there; at 1 MB it
// becomes TAL.log.1 and a new file starts.
//
//     EventLog log(storage, calendar, "TAL");
//     log.write("reset", {{"trigger", "button"}, {"closed", 2}, {"ms", 12}});
//
// Writing never throws, shows anything or waits for another process. A line that cannot be
// written at once (another program holds the log's lock, the lock cannot be made yet, the file
// cannot be opened or the disk takes only part of it) is kept and goes out first with the next
// write() or flush(), so the lines of one program keep their order. Kept rather than handed to a
// writer thread: the programs stay single-threaded and their order plain, and another program
// holds the lock only for one write of its own lines. Beyond `keptLimit` bytes kept, new lines
// are dropped and counted in the next line kept. At its end the log writes what it still keeps,
// waiting at most `endWaitMilliseconds` for the lock. Use one object from one thread.
class EventLog {
public:
    static constexpr std::uint64_t rotationSize = 1024 * 1024;
    static constexpr std::size_t keptLimit = 256 * 1024;
    // Long enough for a writer that the system paused under load, short enough for a program
    // that is ending when another froze while holding the lock.
    static constexpr std::uint32_t endWaitMilliseconds = 1000;
    static constexpr std::string_view fileName = "TAL.log";

    EventLog(platform::LogStorage& storage, platform::Calendar& calendar, std::string_view program);
    ~EventLog();
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    void write(std::string_view event, std::initializer_list<LogField> fields = {}) noexcept {
        write(event, std::span<const LogField>(fields.begin(), fields.size()));
    }
    void write(std::string_view event, std::span<const LogField> fields) noexcept;
    // Writes the kept lines, waiting at most `waitMilliseconds` for another program's write:
    // true when none are kept afterwards.
    bool flush(std::uint32_t waitMilliseconds = 0) noexcept;

    // Lines lost since the last one kept or written.
    std::uint64_t dropped() const { return dropped_; }
    // The file written to, once one has been opened; empty before.
    const std::string& path() const { return path_; }

private:
    bool writeKept(std::uint32_t waitMilliseconds);
    std::unique_ptr<platform::AppendFile> open();

    platform::LogStorage& storage_;
    platform::Calendar& calendar_;
    std::string program_;
    std::string path_;
    std::unique_ptr<platform::LogMutex> lock_;
    // Whole lines, each ending in CR LF, not yet in the file.
    std::string kept_;
    std::uint64_t dropped_ = 0;
};

}  // namespace tal
