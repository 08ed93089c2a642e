#include "SafeFile.h"

#include "platform/WinTypes.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

// On Windows a file is replaced by the system's own means: the new contents are written to a
// temporary file beside it and flushed to the disk, then MoveFileEx puts it in the old file's
// place in one step.

namespace {

// The reasons a person meets most are worded as the C library words them, so that a
// message reads the same on every system.
std::string Reason(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_DIRECTORY: // what GetTempFileName says of a missing directory
        return std::strerror(ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        return std::strerror(EACCES);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return std::strerror(ENOSPC);
    default:
        break;
    }
    char* text = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string reason = length > 0 && text != nullptr ? std::string(text, length)
                                                       : "system error " + std::to_string(code);
    if (text != nullptr)
        LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == '.' || reason.back() == ' '))
        reason.pop_back();
    return reason;
}

// The folder of the file as a full path, which GetTempFileName needs.
std::string DirectoryOf(const std::string& path) {
    char full[MAX_PATH];
    char* name = nullptr;
    DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, &name);
    if (length == 0 || length >= MAX_PATH || name == nullptr)
        return ".";
    return std::string(full, static_cast<size_t>(name - full));
}

} // namespace

std::string FollowLinks(const std::string& path) {
    return path;
}

bool ReplaceFileContents(const std::string& path, const std::string& data, std::string& error,
                         bool) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    bool existed = attributes != INVALID_FILE_ATTRIBUTES;
    if (existed && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        error = "not a regular file";
        return false;
    }
    char temporary[MAX_PATH];
    if (GetTempFileNameA(DirectoryOf(path).c_str(), "mvs", 0, temporary) == 0) {
        error = Reason(GetLastError());
        return false;
    }
    HANDLE file = CreateFileA(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = Reason(GetLastError());
        DeleteFileA(temporary);
        return false;
    }
    bool ok = true;
    size_t done = 0;
    while (ok && done < data.size()) {
        DWORD written = 0;
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(data.size() - done, 1u << 20));
        ok = WriteFile(file, data.data() + done, chunk, &written, nullptr) != FALSE;
        done += written;
    }
    ok = ok && FlushFileBuffers(file) != FALSE;
    DWORD failure = ok ? 0 : GetLastError();
    CloseHandle(file);
    if (ok) {
        // A read-only file is not replaced: the move is refused as access denied.
        ok = MoveFileExA(temporary, path.c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        failure = ok ? 0 : GetLastError();
    }
    if (!ok) {
        DeleteFileA(temporary);
        error = Reason(failure);
    }
    return ok;
}
