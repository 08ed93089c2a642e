#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

// A text a row caches (label, names, value), in 16 bytes: up to 15 bytes are kept inside,
// longer texts on the heap. A row holds four texts and most of them are short or empty, so
// this keeps a row small on a desktop of many pads.
class RowText {
public:
    RowText() noexcept { SetInlineLength(0); }
    RowText(std::string_view text) { Assign(text); }
    RowText(const char* text) { Assign(text != nullptr ? std::string_view(text) : ""); }
    RowText(const std::string& text) { Assign(text); }
    RowText(const RowText& other) { CopyFrom(other); }
    RowText& operator=(const RowText& other);
    RowText& operator=(std::string_view text);
    RowText& operator=(const char* text) {
        return *this = (text != nullptr ? std::string_view(text) : std::string_view());
    }
    RowText& operator=(const std::string& text) { return *this = std::string_view(text); }
    ~RowText() { Release(); }

    const char* c_str() const { return OnHeap() ? heap_.text : bytes_; }
    std::size_t size() const { return OnHeap() ? heap_.size : kInline - Tag(); }
    bool empty() const { return size() == 0; }
    std::string_view View() const { return std::string_view(c_str(), size()); }
    operator std::string_view() const { return View(); }
    std::string str() const { return std::string(View()); }
    void clear() { *this = std::string_view(); }

    friend bool operator==(const RowText& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const RowText& a, const char* b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, const RowText& text) {
        return out << text.View();
    }

private:
    static constexpr std::size_t kInline = 15;
    static constexpr unsigned char kHeapTag = 0x80;

    // The last byte tells how the text is kept: 15 minus the inline length, so that a text
    // of 15 bytes ends on it as on a terminator, or kHeapTag.
    unsigned char Tag() const { return static_cast<unsigned char>(bytes_[kInline]); }
    bool OnHeap() const { return Tag() == kHeapTag; }
    void SetInlineLength(std::size_t length) {
        bytes_[length] = '\0';
        bytes_[kInline] = static_cast<char>(kInline - length);
    }
    void Assign(std::string_view text);
    // A text kept inside is copied as it lies.
    void CopyFrom(const RowText& other);
    void Release();

    struct Heap {
        char* text;
        std::uint32_t size;
    };
    union {
        char bytes_[kInline + 1];
        Heap heap_;
    };
};
