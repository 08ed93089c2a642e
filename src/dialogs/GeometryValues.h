#pragma once

#include <array>
#include <cstdint>
#include <string>

// Absolute: desktop co-ordinates. Relative: from the origin of each pad's own parent.
enum class CoordinateMode { Absolute, Relative };

// The four values of the Geometry dialog, in the order of the Arrange flags.
enum class GeometryField { X, Y, Width, Height };

// What the Geometry dialog edits: the values last read, the co-ordinate mode, and the
// Arrange flags that say which values every pad receives.
struct GeometryValues {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    CoordinateMode mode = CoordinateMode::Absolute;
    std::array<bool, 4> arrange{};

    bool Arranged(GeometryField field) const { return arrange[static_cast<int>(field)]; }
    void SetArranged(GeometryField field, bool set) { arrange[static_cast<int>(field)] = set; }
};

// The ranges the position and size fields of the dialogs accept.
inline bool InPositionRange(std::int32_t value) {
    return value >= -16383 && value <= 16383;
}
inline bool InSizeRange(std::uint32_t value) {
    return value >= 1 && value <= 8192;
}

// The texts of the four edit fields, as the user typed them.
struct GeometryTexts {
    std::string x;
    std::string y;
    std::string width;
    std::string height;

    bool operator==(const GeometryTexts&) const = default;
};

// A field that did not read or is out of range, and the message that says so.
struct GeometryFailure {
    GeometryField field = GeometryField::X;
    unsigned messageId = 0;

    bool operator==(const GeometryFailure&) const = default;
};
