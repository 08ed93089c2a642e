#pragma once

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
