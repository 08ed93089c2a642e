#pragma once

// A framework object held in a slot of type 10; its text is what print() gives.
class MvBasicObject {
public:
    virtual ~MvBasicObject() = default;
    virtual const char* print() = 0;
};
