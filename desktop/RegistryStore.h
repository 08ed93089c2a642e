#pragma once

#include "RegistryDocument.h"

#include <functional>
#include <set>
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
// No data is lost. A file that cannot be read or is not a registry file at all is never
// written: the store says so once on stderr and runs with what it has (nothing, at first).
// A value that does not decode is reported and skipped; it stays in the file. Each change
// re-reads the file under an advisory lock on its directory, changes only its own value and
// replaces the file atomically (a temporary file in the same directory, flushed to disk,
// then renamed over it), keeping the file's mode and a symbolic link's target; temporary
// files a killed save left behind are removed then. A read-only file is not written. A value
// that cannot be saved (a full disk, a size limit) is reported on stderr, one line each time.
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

    // Why the file is left alone for good; empty while changes may be written.
    const std::string& Refusal() const { return refusal_; }
    // How many saves failed (and said so) since the store was made.
    int FailedSaves() const { return failedSaves_; }

private:
    // Reads the file into `document`; false when it must not be written.
    bool ReadFile(RegistryDocument& document);
    bool Save(const std::function<void(RegistryDocument&)>& change);
    // Empty when the file was replaced, else why not.
    std::string Replace(const std::string& data);
    void RemoveStaleTemporaries() const;
    void Report(const std::string& problem);
    void Refuse(const std::string& why);
    void FailedSave(const std::string& why);

    std::string path_;
    // Where the data lives: the path with symbolic links followed.
    std::string target_;
    RegistryDocument::Keys keys_;
    std::string refusal_;
    std::set<std::string> reported_;
    // Set while a failed save is no loss and goes unsaid.
    bool quiet_ = false;
    int failedSaves_ = 0;
};
