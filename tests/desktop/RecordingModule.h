#pragma once

#include "InspectorModule.h"

#include <string>
#include <vector>

class MvSimplePad;
class MvSimpleModel;

// A notification as it was made: the pad's name and child count are read when it is reported,
// so that a pad reported as it goes is read before it is freed.
struct RecordedCall {
    std::string entry; // "Position", "SlotValue", ...
    MvSimplePad* pad = nullptr;
    MvSimpleModel* model = nullptr;
    int slotIndex = -1;
    std::string ownName;
    int childCount = 0;
    // SlotValue: the slot's value as text when it was reported.
    std::string slotValue;
};

// An InspectorModule whose notification entry points record their calls. One at a time.
class RecordingModule {
public:
    RecordingModule();
    ~RecordingModule();
    RecordingModule(const RecordingModule&) = delete;
    RecordingModule& operator=(const RecordingModule&) = delete;

    InspectorModule module;
    std::vector<RecordedCall> calls;

    std::vector<std::string> Entries() const;
    void Clear() { calls.clear(); }
};
