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

    bool write(std::string_view bytes) override {
        if (storage_.failingWrites > 0) {
            --storage_.failingWrites;
            return false;
        }
        content_->append(bytes);
        if (storage_.afterWrite) {
            storage_.afterWrite();
        }
        return true;
    }
    std::optional<std::uint64_t> size() override { return content_->size(); }

private:
    FakeLogStorage& storage_;
    std::shared_ptr<std::string> content_;
};

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

}  // namespace tal::fakes
