#include "platform/native/ClassTable.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace native {

namespace {

// Resource names and atoms travel as integers below 0x10000 cast to a string pointer.
bool IsIntegerName(const char* name) {
    return reinterpret_cast<std::uintptr_t>(name) < 0x10000;
}

std::string KeyOf(const char* name) {
    std::string key(name);
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return key;
}

} // namespace

UINT ClassTable::Register(const WNDCLASSA& wc) {
    if (IsIntegerName(wc.lpszClassName) || *wc.lpszClassName == '\0') {
        return 0;
    }
    auto [it, inserted] = entries.try_emplace(KeyOf(wc.lpszClassName));
    if (!inserted) {
        return 0;
    }
    Entry& entry = it->second;
    entry.info = wc;
    entry.name = wc.lpszClassName;
    entry.info.lpszClassName = entry.name.c_str();
    if (!IsIntegerName(wc.lpszMenuName)) {
        entry.menuName = wc.lpszMenuName;
        entry.info.lpszMenuName = entry.menuName.c_str();
    }
    entry.atom = nextAtom++;
    return entry.atom;
}

ClassTable::Entry* ClassTable::Find(const char* name) {
    if (name == nullptr) {
        return nullptr;
    }
    if (IsIntegerName(name)) {
        auto atom = static_cast<UINT>(reinterpret_cast<std::uintptr_t>(name));
        for (auto& [key, entry] : entries) {
            if (entry.atom == atom) {
                return &entry;
            }
        }
        return nullptr;
    }
    auto it = entries.find(KeyOf(name));
    return it == entries.end() ? nullptr : &it->second;
}

void ClassTable::Clear() {
    entries.clear();
}

} // namespace native
