#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "common/LogLine.h"
#include "platform/Calendar.h"
#include "platform/LogStorage.h"

namespace tal {

// TAL.log, the event log that the three programs share: one line per event, appended whole. It
// lives beside TAL.ini, or in %LOCALAPPDATA%\TAL when that folder cannot be written; at 1 MB it
// becomes TAL.log.1 and a new file starts.
//
//     EventLog log(storage, calendar, "TAL");
//     log.write("reset", {{"trigger", "button"}, {"closed", 2}, {"ms", 12}});
//
// Writing never throws or shows anything, and waits for another process only as long as that one
// takes to write a line (at most 1 s): a line that cannot be written is dropped and counted in
// the next line that can. Use one object from one thread.
class EventLog {
public:
    static constexpr std::uint64_t rotationSize = 1024 * 1024;
    static constexpr std::string_view fileName = "TAL.log";

    EventLog(platform::LogStorage& storage, platform::Calendar& calendar, std::string_view program);

    void write(std::string_view event, std::initializer_list<LogField> fields = {}) noexcept {
        write(event, std::span<const LogField>(fields.begin(), fields.size()));
    }
    void write(std::string_view event, std::span<const LogField> fields) noexcept;

    // Lines lost since the last one written.
    std::uint64_t dropped() const { return dropped_; }
    // The file written to, once a line has been written; empty before.
    const std::string& path() const { return path_; }

private:
    bool append(const std::string& path, const std::string& line);
    bool appendAnywhere(const std::string& line);

    platform::LogStorage& storage_;
    platform::Calendar& calendar_;
    std::string program_;
    std::string path_;
    std::uint64_t dropped_ = 0;
};

}  // namespace tal
