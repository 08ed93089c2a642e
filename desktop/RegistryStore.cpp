#include "RegistryStore.h"

#include "InputFile.h"
#include "PadLimits.h"

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

bool WriteAll(int fd, const std::string& data) {
    size_t done = 0;
    while (done < data.size()) {
        ssize_t written = ::write(fd, data.data() + done, data.size() - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(written);
    }
    return true;
}

// Where a path leads through symbolic links; a dangling link leads to where it points.
std::string FollowLinks(const std::string& path) {
    constexpr int kMostLinks = 40;
    fs::path current(path);
    for (int hops = 0; hops < kMostLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)))
            break;
        fs::path link = fs::read_symlink(current, error);
        if (error)
            break;
        current = link.is_absolute() ? link : current.parent_path() / link;
    }
    return current.string();
}

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

// A save writes into a hidden file beside the registry file whose name carries this marker
// and ends in the six characters mkstemp picks: ".registry.json.mvdesk-save-a1B2c3". No user
// names a file so, and only such files of our own are ever removed.
constexpr std::string_view kTemporaryMarker = ".mvdesk-save-";
constexpr size_t kTemporarySuffix = 6;

std::string TemporaryPrefix(const std::string& file) {
    return "." + file + std::string(kTemporaryMarker);
}

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
    fs::path directory = DirectoryOf(target_);
    struct stat old {};
    bool existed = ::stat(target_.c_str(), &old) == 0;
    std::string pattern =
        (directory / TemporaryPrefix(fs::path(target_).filename().string())).string() + "XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        return std::strerror(errno);
    bool ok = true;
    if (existed) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
        // Only the superuser can give the file back to its owner; anyone else owns it anyway.
        if (::geteuid() == 0)
            ok = ok && ::fchown(fd, old.st_uid, old.st_gid) == 0;
    }
    ok = ok && WriteAll(fd, data) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temporary.data(), target_.c_str()) == 0;
    if (!ok) {
        error = error != 0 ? error : errno;
        ::unlink(temporary.data());
        return std::strerror(error);
    }
    // The rename itself must reach the disk too.
    int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
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
