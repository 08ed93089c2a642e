#include "RowText.h"

#include <cstring>

static_assert(sizeof(RowText) == 16, "a row text takes two words");

RowText& RowText::operator=(const RowText& other) {
    if (this != &other) {
        Release();
        CopyFrom(other);
    }
    return *this;
}

void RowText::CopyFrom(const RowText& other) {
    if (other.OnHeap())
        Assign(other.View());
    else
        std::memcpy(static_cast<void*>(this), static_cast<const void*>(&other), sizeof *this);
}

RowText& RowText::operator=(std::string_view text) {
    // The text may lie inside this one; it is copied before the old one goes.
    RowText copy(text);
    Release();
    std::memcpy(static_cast<void*>(this), static_cast<const void*>(&copy), sizeof *this);
    copy.SetInlineLength(0);
    return *this;
}

void RowText::Assign(std::string_view text) {
    if (text.size() <= kInline) {
        if (!text.empty())
            std::memcpy(bytes_, text.data(), text.size());
        SetInlineLength(text.size());
        return;
    }
    heap_.text = new char[text.size() + 1];
    std::memcpy(heap_.text, text.data(), text.size());
    heap_.text[text.size()] = '\0';
    heap_.size = static_cast<std::uint32_t>(text.size());
    bytes_[kInline] = static_cast<char>(kHeapTag);
}

void RowText::Release() {
    if (OnHeap())
        delete[] heap_.text;
    SetInlineLength(0);
}
