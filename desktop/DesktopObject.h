#pragma once

#include "host/MvBasicObject.h"

#include <string>

// An object held in a slot; it prints as a fixed text.
class DesktopObject : public MvBasicObject {
public:
    explicit DesktopObject(std::string text) : text_(std::move(text)) {}
    const char* print() override { return text_.c_str(); }

private:
    std::string text_;
};
