#pragma once

#include "host/MvSimplePad.h"
#include "host/MvSlot.h"

#include <string_view>
#include <utility>

// The keys of a pad's object in a scene file, the six required ones first, in the order the
// checker asks for them. The reader and the checker both index by them.
enum PadKey : unsigned {
    kName,
    kClass,
    kX,
    kY,
    kWidth,
    kHeight,
    kId,
    kVisible,
    kOwnView,
    kPadName,
    kMemo,
    kProtection,
    kGroupDepth,
    kSelected,
    kModel,
    kSlots,
    kOutput,
    kConnect,
    kRefusesConnector,
    kStandsFor,
    kChildren,
    // How many keys a pad may have; also what the reader takes an unknown key for.
    kPadKeyCount
};

// The names a scene file gives slot types and protections; the reader, the checker and the
// writer all spell them from here.
inline constexpr std::pair<std::string_view, MvSlotType> kSlotTypeNames[] = {
    {"dictionary", kSlotDictionary}, {"boolean", kSlotBoolean}, {"number", kSlotNumber},
    {"string", kSlotString},         {"command", kSlotCommand}, {"object", kSlotObject},
};
inline constexpr std::pair<std::string_view, unsigned> kProtectionNames[] = {
    {"position", kProtectPosition}, {"size", kProtectSize},
    {"delete", kProtectDelete},     {"property", kProtectProperty},
    {"confined", kProtectConfined}, {"insertReplace", kProtectInsertReplace},
    {"tools", kProtectTools},
};

// The entry of `names` named `name`, or null.
template <typename Value, size_t count>
const std::pair<std::string_view, Value>*
FindName(const std::pair<std::string_view, Value> (&names)[count], std::string_view name) {
    for (const auto& entry : names) {
        if (entry.first == name)
            return &entry;
    }
    return nullptr;
}
