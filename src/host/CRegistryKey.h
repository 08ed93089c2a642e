#pragma once

#include "platform/WinTypes.h"

#include <string>

// The registry module's key wrapper. Open and Read give 0 on success.
class CRegistryKey {
public:
    int Open(HKEY hive, const char* path);
    int Read(const char* name, std::string& text);
    int Write(const char* name, const char* text);
    void Close();

private:
    std::string path_;
    bool open_ = false;
};
