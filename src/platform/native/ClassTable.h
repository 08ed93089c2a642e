#pragma once

#include "platform/Win.h"

#include <map>
#include <string>

namespace native {

// The registered window classes. Names compare without regard to case, and the instance
// plays no part in the lookup.
class ClassTable {
public:
    struct Entry {
        WNDCLASSA info;
        std::string name;
        std::string menuName;
        UINT atom = 0;
    };

    // The class atom, 0 when the name is missing or already taken.
    UINT Register(const WNDCLASSA& wc);
    // Takes a name or an atom passed as a small integer in place of the name pointer.
    Entry* Find(const char* name);
    void Clear();

private:
    std::map<std::string, Entry> entries;
    UINT nextAtom = 0xC000;
};

} // namespace native
