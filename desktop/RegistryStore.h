#pragma once

#include <map>
#include <string>

// The per-user registry: keys (paths below the current user's hive) holding named byte
// strings, kept in one JSON file:
//
//   { "Software\\Korvell\\Mosvane\\4.1\\InspEnv": { "InspArg": "text",
//                                                   "Raw": { "base64": "AP8=" } } }
//
// A value that is valid UTF-8 is stored as a JSON string, any other byte string as an
// object with its bytes in base64, so every value reads back byte for byte. Keys are
// compared exactly, without leading or trailing backslashes.
//
// On Windows the store is the system's registry itself (win32/RegistryStore.cpp); the path is
// "HKEY_CURRENT_USER" and every value a string.
//
// The file is replaced atomically on every change (a temporary file in the same directory,
// flushed to disk, then renamed over it); when that fails the file and the store keep
// their old contents. A file that cannot be understood is reported once on stderr and
// treated as empty; the next successful write replaces it.
class RegistryStore {
public:
    // An empty path takes DefaultPath().
    explicit RegistryStore(std::string path = "");

    // $MVDESK_REGISTRY, else $XDG_CONFIG_HOME/mosvane/registry.json, else
    // ~/.config/mosvane/registry.json.
    static std::string DefaultPath();
    const std::string& Path() const { return path_; }

    // Creates a missing key (and tries to keep it in the file); the key is usable either way.
    bool OpenKey(const std::string& key);
    bool HasKey(const std::string& key) const;
    bool Read(const std::string& key, const std::string& name, std::string& value) const;
    // False, with nothing changed, when the file could not be written.
    bool Write(const std::string& key, const std::string& name, const std::string& value);

private:
    using Values = std::map<std::string, std::string>;
    using Keys = std::map<std::string, Values>;

    void Load();
    bool Save(const Keys& keys) const;

    std::string path_;
    Keys keys_;
};
