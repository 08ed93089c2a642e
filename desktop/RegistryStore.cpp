#include "RegistryStore.h"

#include "InputFile.h"
#include "PadLimits.h"
#include "SafeFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path DirectoryOf(const std::string& file) {
    fs::path parent = fs::path(file).parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// Saves of every desktop using a file in this directory take turns.
class DirectoryLock {
public:
    explicit DirectoryLock(const fs::path& directory)
        : fd_(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0 && ::flock(fd_, LOCK_EX) != 0) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~DirectoryLock() {
        if (fd_ >= 0)
            ::close(fd_); // closing releases the lock
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    int Descriptor() const { return fd_; }

private:
    int fd_;
};

// A save writes into a hidden file beside the registry file (TemporaryPrefix) whose name
// ends in the six characters mkstemp picks; only such files of our own are ever removed.
constexpr size_t kTemporarySuffix = 6;

bool IsTemporaryOf(const std::string& name, const std::string& file) {
    std::string prefix = TemporaryPrefix(file);
    if (name.size() != prefix.size() + kTemporarySuffix ||
        name.compare(0, prefix.size(), prefix) != 0)
        return false;
    for (size_t i = prefix.size(); i < name.size(); ++i) {
        if (!std::isalnum(static_cast<unsigned char>(name[i])))
            return false;
    }
    return true;
}

} // namespace

RegistryStore::RegistryStore(std::string path)
    : path_(path.empty() ? DefaultPath() : path), target_(FollowLinks(path_)) {
    RegistryDocument document;
    if (ReadFile(document))
        keys_ = document.Contents();
    std::error_code error;
    if (fs::is_directory(DirectoryOf(target_), error)) {
        DirectoryLock lock(DirectoryOf(target_));
        if (lock.Held())
            RemoveStaleTemporaries();
    }
}

std::string RegistryStore::DefaultPath() {
    if (const char* explicitPath = std::getenv("MVDESK_REGISTRY"); explicitPath && *explicitPath)
        return explicitPath;
    fs::path base;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        base = config;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = fs::path(home) / ".config";
    else
        base = ".config";
    return (base / "mosvane" / "registry.json").string();
}

bool RegistryStore::OpenKey(const std::string& key) {
    std::string normal = RegistryDocument::NormalKey(key);
    if (keys_.count(normal) != 0)
        return true;
    quiet_ = true;
    Save([&key](RegistryDocument& document) { document.OpenKey(key); });
    quiet_ = false;
    keys_[normal];
    return true;
}

bool RegistryStore::HasKey(const std::string& key) const {
    return keys_.count(RegistryDocument::NormalKey(key)) != 0;
}

bool RegistryStore::Read(const std::string& key, const std::string& name,
                         std::string& value) const {
    auto values = keys_.find(RegistryDocument::NormalKey(key));
    if (values == keys_.end())
        return false;
    auto found = values->second.find(name);
    if (found == values->second.end())
        return false;
    value = found->second;
    return true;
}

bool RegistryStore::Write(const std::string& key, const std::string& name,
                          const std::string& value) {
    return Save([&](RegistryDocument& document) { document.Set(key, name, value); });
}

void RegistryStore::Report(const std::string& problem) {
    if (reported_.insert(problem).second)
        std::fprintf(stderr, "registry: %s: %s\n", path_.c_str(), problem.c_str());
}

void RegistryStore::FailedSave(const std::string& why) {
    // A key that could not be kept in the file is kept in memory all the same; the value
    // written to it next says whether it was saved.
    if (quiet_)
        return;
    ++failedSaves_;
    std::fprintf(stderr, "registry: %s: %s; settings are not saved\n", path_.c_str(), why.c_str());
}

void RegistryStore::Refuse(const std::string& why) {
    refusal_ = why;
    Report(why + "; settings are not saved and the file is left as it is");
}

bool RegistryStore::ReadFile(RegistryDocument& document) {
    std::string text;
    std::string error;
    bool missing = false;
    if (!ReadInputFile(target_, kRegistryFileLimit, text, error, &missing)) {
        if (missing)
            return true;
        Refuse("cannot be read (" + error + ")");
        return false;
    }
    if (!document.Parse(text, error)) {
        Refuse("is not a registry file (" + error + ")");
        return false;
    }
    for (const std::string& problem : document.Problems())
        Report(problem + "; it is skipped and kept in the file");
    return true;
}

bool RegistryStore::Save(const std::function<void(RegistryDocument&)>& change) {
    if (!refusal_.empty())
        return false;
    fs::path directory = DirectoryOf(target_);
    std::error_code ignored;
    fs::create_directories(directory, ignored);
    DirectoryLock lock(directory);
    if (!lock.Held()) {
        FailedSave("cannot be locked (" + std::string(std::strerror(errno)) + ")");
        return false;
    }
    RemoveStaleTemporaries();
    // Another desktop may have changed other values meanwhile: they are kept.
    RegistryDocument document;
    if (!ReadFile(document))
        return false;
    struct stat status {};
    if (::stat(target_.c_str(), &status) == 0 &&
        ((status.st_mode & 0222) == 0 || ::access(target_.c_str(), W_OK) != 0)) {
        Report("is read-only; settings are not saved");
        return false;
    }
    change(document);
    std::string data = document.Text();
    if (data.size() > kRegistryFileLimit) {
        Report("would grow beyond " + SizeText(kRegistryFileLimit) + "; settings are not saved");
        return false;
    }
    if (std::string why = Replace(data); !why.empty()) {
        FailedSave("cannot be written (" + why + ")");
        return false;
    }
    keys_ = document.Contents();
    return true;
}

std::string RegistryStore::Replace(const std::string& data) {
    std::string error;
    ReplaceFileContents(target_, data, error, true);
    return error;
}

// Called under the lock: no save is under way, so every temporary file is a killed one's.
void RegistryStore::RemoveStaleTemporaries() const {
    fs::path directory = DirectoryOf(target_);
    std::string file = fs::path(target_).filename().string();
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        if (!IsTemporaryOf(it->path().filename().string(), file))
            continue;
        // Ours: a regular file (no link followed) that this user owns.
        struct stat status {};
        if (::lstat(it->path().c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
            status.st_uid == ::geteuid())
            ::unlink(it->path().c_str());
    }
}
