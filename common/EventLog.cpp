#include "common/EventLog.h"

namespace tal {

namespace {

std::string FileIn(const std::string& folder) {
    if (folder.empty()) {
        return {};
    }
    return folder + (folder.back() == '\\' ? "" : "\\") + std::string(EventLog::fileName);
}

}  // namespace

EventLog::EventLog(platform::LogStorage& storage, platform::Calendar& calendar,
                   std::string_view program)
    : storage_(storage), calendar_(calendar), program_(program) {}

void EventLog::write(std::string_view event, std::span<const LogField> fields) noexcept {
    try {
        const std::string line =
            FormatLogLine(calendar_.localNow(), program_, event, fields, dropped_);
        if (appendAnywhere(line)) {
            dropped_ = 0;
            return;
        }
    } catch (...) {
        // Out of memory, or an adapter that threw: the line is lost like any failed write.
    }
    ++dropped_;
}

bool EventLog::appendAnywhere(const std::string& line) {
    if (!path_.empty()) {
        return append(path_, line);
    }
    // The first line that gets written decides where the log is for the rest of this run.
    const std::string beside = FileIn(storage_.programFolder());
    if (!beside.empty() && append(beside, line)) {
        path_ = beside;
        return true;
    }
    const std::string localData = storage_.environmentVariable("LOCALAPPDATA");
    if (localData.empty()) {
        return false;
    }
    const std::string folder = localData + (localData.back() == '\\' ? "TAL" : "\\TAL");
    const std::string fallback = FileIn(folder);
    if (storage_.createDirectory(folder) && append(fallback, line)) {
        path_ = fallback;
        return true;
    }
    return false;
}

bool EventLog::append(const std::string& path, const std::string& line) {
    const auto file = storage_.openForAppend(path);
    if (!file || !file->write(line)) {
        return false;
    }
    // Still holding the file, and with it the lock: no other process writes or rotates between
    // this line and the rename. A rename that fails (the file is gone, or a reader holds it without
    // sharing deletion) is tried again after the next line.
    const auto size = file->size();
    if (size && *size >= rotationSize) {
        storage_.moveFile(path, path + ".1");
    }
    return true;
}

}  // namespace tal
