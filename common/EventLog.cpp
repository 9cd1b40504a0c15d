#include "common/EventLog.h"

#include <algorithm>

namespace tal {

namespace {

std::string FileIn(const std::string& folder) {
    if (folder.empty()) {
        return {};
    }
    return folder + (folder.back() == '\\' ? "" : "\\") + std::string(EventLog::fileName);
}

// Writes the bytes, going on after a short write while the file takes more: how many it took.
std::size_t WriteAll(platform::AppendFile& file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const std::size_t written = std::min(file.write(bytes.substr(done)), bytes.size() - done);
        if (written == 0) {
            break;
        }
        done += written;
    }
    return done;
}

// The length of the whole lines among the first `written` bytes of `lines`.
std::size_t WholeLines(const std::string& lines, std::size_t written) {
    const std::size_t lastEnd = written == 0 ? std::string::npos : lines.rfind('\n', written - 1);
    return lastEnd == std::string::npos ? 0 : lastEnd + 1;
}

}  // namespace

EventLog::EventLog(platform::LogStorage& storage, platform::Calendar& calendar,
                   std::string_view program)
    : storage_(storage), calendar_(calendar), program_(program) {}

EventLog::~EventLog() {
    flush(endWaitMilliseconds);
}

void EventLog::write(std::string_view event, std::span<const LogField> fields) noexcept {
    try {
        const std::string line =
            FormatLogLine(calendar_.localNow(), program_, event, fields, dropped_);
        if (kept_.size() + line.size() > keptLimit) {
            flush();
        }
        if (kept_.size() + line.size() > keptLimit) {
            ++dropped_;
        } else {
            kept_ += line;
            dropped_ = 0;
        }
    } catch (...) {
        // Out of memory: the line is lost.
        ++dropped_;
    }
    flush();
}

bool EventLog::flush(std::uint32_t waitMilliseconds) noexcept {
    try {
        return kept_.empty() || writeKept(waitMilliseconds);
    } catch (...) {
        // An adapter that threw: the lines stay kept for the next try.
        return false;
    }
}

bool EventLog::writeKept(std::uint32_t waitMilliseconds) {
    // Made on demand, and again after a failure: another user's process that made it first may
    // have ended since.
    if (!lock_) {
        lock_ = storage_.createLock();
    }
    if (!lock_) {
        return false;
    }
    const auto held = lock_->take(waitMilliseconds);
    if (!held) {
        return false;
    }
    const auto file = open();
    if (!file) {
        return false;
    }
    // A line that a full disk or a crash cut short is ended first, so the next is not glued to it.
    const std::string ending = file->lastByte().value_or('\n') == '\n' ? "" : "\r\n";
    const std::size_t written = WriteAll(*file, ending + kept_);
    // A line cut short goes out again whole next time, after the cut one is ended.
    kept_.erase(0, WholeLines(kept_, written > ending.size() ? written - ending.size() : 0));
    // Still holding the lock: no other process writes or rotates between these lines and the
    // rename. A rename that fails (the file is gone, or a reader holds it without sharing
    // deletion) is tried again after the next write.
    const auto size = file->size();
    if (size && *size >= rotationSize) {
        storage_.moveFile(path_, path_ + ".1");
    }
    return kept_.empty();
}

std::unique_ptr<platform::AppendFile> EventLog::open() {
    if (!path_.empty()) {
        return storage_.openForAppend(path_);
    }
    // The first file that opens decides where the log is for the rest of this run.
    std::string beside = FileIn(storage_.programFolder());
    if (!beside.empty()) {
        if (auto file = storage_.openForAppend(beside)) {
            path_ = std::move(beside);
            return file;
        }
    }
    const std::string localData = storage_.environmentVariable("LOCALAPPDATA");
    if (localData.empty()) {
        return nullptr;
    }
    const std::string folder = localData + (localData.back() == '\\' ? "TAL" : "\\TAL");
    std::string fallback = FileIn(folder);
    if (!storage_.createDirectory(folder)) {
        return nullptr;
    }
    auto file = storage_.openForAppend(fallback);
    if (file) {
        path_ = std::move(fallback);
    }
    return file;
}

}  // namespace tal
