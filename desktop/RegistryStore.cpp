#include "RegistryStore.h"

#include "InputFile.h"
#include "PadLimits.h"
#include "SafeFile.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
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

// The names mkstemp gives the temporary files of a save: the file's name and six characters.
bool IsTemporaryOf(const std::string& name, const std::string& file) {
    constexpr size_t kSuffix = 6;
    if (name.size() != file.size() + 1 + kSuffix || name.compare(0, file.size(), file) != 0 ||
        name[file.size()] != '.')
        return false;
    for (size_t i = file.size() + 1; i < name.size(); ++i) {
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
    Save([&key](RegistryDocument& document) { document.OpenKey(key); });
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
    if (!lock.Held())
        return false;
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
    if (!Replace(data))
        return false;
    keys_ = document.Contents();
    return true;
}

bool RegistryStore::Replace(const std::string& data) {
    std::string error;
    return ReplaceFileContents(target_, data, error, true);
}

// Called under the lock: no save is under way, so every temporary file is a killed one's.
void RegistryStore::RemoveStaleTemporaries() const {
    fs::path directory = DirectoryOf(target_);
    std::string file = fs::path(target_).filename().string();
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code ignored;
        if (IsTemporaryOf(it->path().filename().string(), file) &&
            it->symlink_status(ignored).type() == fs::file_type::regular)
            fs::remove(it->path(), ignored);
    }
}
