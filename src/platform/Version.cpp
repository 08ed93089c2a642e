#include "Version.h"

#include "NativeVersion.h"

#include <cstring>
#include <strings.h>

namespace {

struct VersionConfig {
    std::string systemDirectory = native::kDefaultSystemDirectory;
    std::optional<std::pair<WORD, WORD>> comctl = std::make_pair(WORD{5}, WORD{82});
};

VersionConfig& Config() {
    static VersionConfig config;
    return config;
}

bool IsCommonControls(const char* fileName) {
    std::string expected = Config().systemDirectory + "\\COMCTL32.dll";
    return fileName != nullptr && strcasecmp(fileName, expected.c_str()) == 0;
}

} // namespace

namespace native {

void SetSystemDirectory(const std::string& directory) {
    Config().systemDirectory = directory;
}

void SetCommonControlsVersion(std::optional<std::pair<WORD, WORD>> version) {
    Config().comctl = version;
}

void ResetVersionInfo() {
    Config() = VersionConfig{};
}

} // namespace native

UINT GetSystemDirectoryA(char* buffer, UINT size) {
    const std::string& directory = Config().systemDirectory;
    UINT length = static_cast<UINT>(directory.size());
    if (buffer == nullptr || size <= length)
        return length + 1; // the size the buffer needs
    std::memcpy(buffer, directory.c_str(), length + 1);
    return length;
}

DWORD GetFileVersionInfoSizeA(const char* fileName, DWORD* handle) {
    if (handle != nullptr)
        *handle = 0;
    if (!IsCommonControls(fileName) || !Config().comctl)
        return 0;
    return sizeof(VS_FIXEDFILEINFO);
}

BOOL GetFileVersionInfoA(const char* fileName, DWORD, DWORD size, void* data) {
    if (!IsCommonControls(fileName) || !Config().comctl || size < sizeof(VS_FIXEDFILEINFO))
        return FALSE;
    VS_FIXEDFILEINFO info;
    info.dwFileVersionMS = MAKELONG(Config().comctl->second, Config().comctl->first);
    std::memcpy(data, &info, sizeof info);
    return TRUE;
}

BOOL VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length) {
    if (block == nullptr || subBlock == nullptr || std::strcmp(subBlock, "\\") != 0)
        return FALSE;
    *buffer = const_cast<void*>(block);
    *length = sizeof(VS_FIXEDFILEINFO);
    return TRUE;
}
