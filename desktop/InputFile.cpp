#include "InputFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* KindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a FIFO";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
#ifdef S_ISSOCK
    if (S_ISSOCK(mode))
        return "a socket";
#endif
    return nullptr;
}

#ifdef _WIN32
// Read as bytes; Windows opens no FIFO or terminal by a file name, nor waits for a writer.
constexpr int kOpenFlags = O_RDONLY | O_BINARY;
#else
// Non-blocking, so that opening a FIFO does not wait for a writer.
constexpr int kOpenFlags = O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
#endif

struct FileCloser {
    int fd;
    ~FileCloser() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

std::string SizeText(std::size_t bytes) {
    if (bytes >= (std::size_t{1} << 20) && bytes % (std::size_t{1} << 20) == 0)
        return std::to_string(bytes >> 20) + " MiB";
    return std::to_string(bytes) + " bytes";
}

bool ReadInputFile(const std::string& path, std::size_t limit, std::string& text,
                   std::string& error, bool* missing) {
    if (missing != nullptr)
        *missing = false;
    FileCloser file{::open(path.c_str(), kOpenFlags)};
    if (file.fd < 0) {
        int reason = errno;
        if (missing != nullptr)
            *missing = reason == ENOENT;
        // Windows refuses to open a directory at all: say what it is, as elsewhere.
        struct stat status {};
        const char* kind = ::stat(path.c_str(), &status) == 0 ? KindOf(status.st_mode) : nullptr;
        error = kind ? std::string("not a regular file but ") + kind
                     : std::string("cannot open: ") + std::strerror(reason);
        return false;
    }
    struct stat status {};
    if (::fstat(file.fd, &status) != 0) {
        error = std::string("cannot read: ") + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(status.st_mode)) {
        const char* kind = KindOf(status.st_mode);
        error = kind ? std::string("not a regular file but ") + kind : "not a regular file";
        return false;
    }
    auto tooLarge = [&error, limit]() {
        error = "larger than the limit of " + SizeText(limit);
        return false;
    };
    if (static_cast<unsigned long long>(status.st_size) > limit)
        return tooLarge();
    text.clear();
    text.reserve(static_cast<std::size_t>(status.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t got = ::read(file.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            error = std::string("cannot read: ") + std::strerror(errno);
            return false;
        }
        if (got == 0)
            return true;
        // The file may grow while it is read.
        if (text.size() + static_cast<std::size_t>(got) > limit)
            return tooLarge();
        text.append(buffer, static_cast<std::size_t>(got));
    }
}
