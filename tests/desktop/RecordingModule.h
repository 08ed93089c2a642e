#pragma once

#include "InspectorModule.h"

#include <string>
#include <vector>

class MvSimplePad;
class MvSimpleModel;

// What a pad looked like when a notification named it, so a test can tell whether the
// notification came after the change.
struct RecordedCall {
    std::string entry; // "Position", "SlotValue", ...
    MvSimplePad* pad = nullptr;
    MvSimpleModel* model = nullptr;
    int slotIndex = -1;
    std::string ownName;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
    bool selected = false;
    bool deleteHidden = false;
    int groupDepth = 0;
    std::string slotName;
    int outputIndex = -1;
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
