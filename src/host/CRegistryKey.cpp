#include "CRegistryKey.h"

#include "MvHostServices.h"

int CRegistryKey::Open(HKEY hive, const char* path) {
    Close();
    MvHostServices* host = MvGetHostServices();
    if (hive != HKEY_CURRENT_USER || path == nullptr || host == nullptr)
        return 1;
    if (!host->RegistryOpenKey(path))
        return 1;
    path_ = path;
    open_ = true;
    return 0;
}

int CRegistryKey::Read(const char* name, std::string& text) {
    MvHostServices* host = MvGetHostServices();
    if (!open_ || name == nullptr || host == nullptr)
        return 1;
    return host->RegistryRead(path_, name, text) ? 0 : 1;
}

int CRegistryKey::Write(const char* name, const char* text) {
    MvHostServices* host = MvGetHostServices();
    if (!open_ || name == nullptr || text == nullptr || host == nullptr)
        return 1;
    return host->RegistryWrite(path_, name, text) ? 0 : 1;
}

void CRegistryKey::Close() {
    open_ = false;
    path_.clear();
}
