#include "tests/fakes/FakeLogStorage.h"

namespace tal::fakes {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash);
}

}  // namespace

class FakeLogStorage::File : public platform::AppendFile {
public:
    File(FakeLogStorage& storage, std::shared_ptr<std::string> content)
        : storage_(storage), content_(std::move(content)) {}

    std::size_t write(std::string_view bytes) override {
        if (!storage_.writeLimits.empty()) {
            bytes = bytes.substr(0, storage_.writeLimits.front());
            storage_.writeLimits.pop_front();
        }
        content_->append(bytes);
        if (storage_.afterWrite) {
            storage_.afterWrite();
        }
        return bytes.size();
    }
    std::optional<std::uint64_t> size() override { return content_->size(); }
    std::optional<char> lastByte() override {
        return content_->empty() ? std::nullopt : std::optional<char>(content_->back());
    }

private:
    FakeLogStorage& storage_;
    std::shared_ptr<std::string> content_;
};

class FakeLogStorage::Mutex : public platform::LogMutex {
public:
    explicit Mutex(FakeLogStorage& storage) : storage_(storage) {}

    std::unique_ptr<platform::LogLock> take(std::uint32_t waitMilliseconds) override {
        storage_.lockWaits.push_back(waitMilliseconds);
        if (storage_.busyLocks > 0) {
            --storage_.busyLocks;
            return nullptr;
        }
        return std::make_unique<platform::LogLock>();
    }

private:
    FakeLogStorage& storage_;
};

std::unique_ptr<platform::LogMutex> FakeLogStorage::createLock() {
    if (failingLockCreations > 0) {
        --failingLockCreations;
        return nullptr;
    }
    return std::make_unique<Mutex>(*this);
}

std::string FakeLogStorage::text(const std::string& path) const {
    const auto at = files_.find(path);
    return at == files_.end() ? std::string{} : *at->second;
}

void FakeLogStorage::put(const std::string& path, std::string content) {
    files_[path] = std::make_shared<std::string>(std::move(content));
}

bool FakeLogStorage::moveFile(const std::string& from, const std::string& to) {
    const auto at = files_.find(from);
    if (failingMoves > 0) {
        --failingMoves;
        return false;
    }
    if (at == files_.end()) {
        return false;
    }
    const auto content = at->second;
    files_.erase(at);
    files_[to] = content;
    return true;
}

std::string FakeLogStorage::environmentVariable(const std::string& name) {
    const auto at = environment.find(name);
    return at == environment.end() ? std::string{} : at->second;
}

bool FakeLogStorage::createDirectory(const std::string& path) {
    if (!directories.contains(FolderOf(path))) {
        return false;
    }
    directories.insert(path);
    return true;
}

std::unique_ptr<platform::AppendFile> FakeLogStorage::openForAppend(const std::string& path) {
    ++opens_;
    const std::string folder = FolderOf(path);
    if (!directories.contains(folder) || readOnlyFolders.contains(folder)) {
        return nullptr;
    }
    auto& content = files_[path];
    if (!content) {
        content = std::make_shared<std::string>();
    }
    return std::make_unique<File>(*this, content);
}

std::vector<std::string> LoggedEvents(const std::string& text, const std::string& prefix) {
    std::vector<std::string> events;
    const std::string marker = " TAL " + prefix;
    for (std::size_t at = 0; (at = text.find(marker, at)) != std::string::npos;) {
        const std::size_t end = text.find("\r\n", at);
        events.push_back(text.substr(at + 5, end - at - 5));
        at = end;
    }
    return events;
}

}  // namespace tal::fakes
