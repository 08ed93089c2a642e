#include "RegistryStore.h"

#include "platform/WinTypes.h"

// On Windows the per-user registry is the system's own: keys below HKEY_CURRENT_USER holding
// string values, exactly where the module's registry module reads and writes them.

namespace {

std::string TrimmedKey(const std::string& key) {
    size_t first = key.find_first_not_of('\\');
    size_t last = key.find_last_not_of('\\');
    return first == std::string::npos ? std::string() : key.substr(first, last - first + 1);
}

class Key {
public:
    Key(const std::string& path, bool create) {
        std::string trimmed = TrimmedKey(path);
        LONG result = create
                          ? RegCreateKeyExA(HKEY_CURRENT_USER, trimmed.c_str(), 0, nullptr, 0,
                                            KEY_READ | KEY_WRITE, nullptr, &key_, nullptr)
                          : RegOpenKeyExA(HKEY_CURRENT_USER, trimmed.c_str(), 0, KEY_READ, &key_);
        if (result != ERROR_SUCCESS)
            key_ = nullptr;
    }
    ~Key() {
        if (key_ != nullptr)
            RegCloseKey(key_);
    }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;

    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

} // namespace

RegistryStore::RegistryStore(std::string path) : path_(std::move(path)) {
    if (path_.empty())
        path_ = DefaultPath();
}

std::string RegistryStore::DefaultPath() {
    return "HKEY_CURRENT_USER";
}

bool RegistryStore::OpenKey(const std::string& key) {
    return Key(key, true).get() != nullptr;
}

bool RegistryStore::HasKey(const std::string& key) const {
    return Key(key, false).get() != nullptr;
}

bool RegistryStore::Read(const std::string& key, const std::string& name,
                         std::string& value) const {
    Key opened(key, false);
    DWORD type = 0;
    DWORD size = 0;
    if (opened.get() == nullptr ||
        RegQueryValueExA(opened.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_BINARY))
        return false;
    std::string bytes(size, '\0');
    if (RegQueryValueExA(opened.get(), name.c_str(), nullptr, &type,
                         reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS)
        return false;
    bytes.resize(size);
    // A string value is stored with its terminating zero.
    if (type == REG_SZ && !bytes.empty() && bytes.back() == '\0')
        bytes.pop_back();
    value = std::move(bytes);
    return true;
}

bool RegistryStore::Write(const std::string& key, const std::string& name,
                          const std::string& value) {
    Key opened(key, true);
    return opened.get() != nullptr &&
           RegSetValueExA(opened.get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}
