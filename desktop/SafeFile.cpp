#include "SafeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
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

std::string Reason() {
    return std::strerror(errno);
}

} // namespace

std::string TemporaryPrefix(const std::string& file) {
    return "." + file + ".mvdesk-save-";
}

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

bool ReplaceFileContents(const std::string& path, const std::string& data, std::string& error,
                         bool privateIfNew) {
    std::string target = FollowLinks(path);
    fs::path directory = fs::path(target).parent_path();
    if (directory.empty())
        directory = ".";
    struct stat old {};
    bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
        error = "not a regular file";
        return false;
    }
    std::string pattern =
        (directory / TemporaryPrefix(fs::path(target).filename().string())).string() + "XXXXXX";
    std::vector<char> temporary(pattern.begin(), pattern.end());
    temporary.push_back('\0');
    int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        error = Reason();
        return false;
    }
    bool ok = true;
    if (existed) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
        // Only the superuser can give the file back to its owner; anyone else owns it anyway.
        if (::geteuid() == 0)
            ok = ok && ::fchown(fd, old.st_uid, old.st_gid) == 0;
    } else if (!privateIfNew) {
        // A new file gets the mode a plain create would give it, not mkstemp's 0600.
        mode_t mask = ::umask(0);
        ::umask(mask);
        ok = ::fchmod(fd, 0666 & ~mask) == 0;
    }
    ok = ok && WriteAll(fd, data) && ::fsync(fd) == 0;
    if (!ok)
        error = Reason();
    if (::close(fd) != 0 && ok) {
        error = Reason();
        ok = false;
    }
    if (ok && ::rename(temporary.data(), target.c_str()) != 0) {
        error = Reason();
        ok = false;
    }
    if (!ok) {
        ::unlink(temporary.data());
        return false;
    }
    // The rename itself must reach the disk too.
    int dirFd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}
