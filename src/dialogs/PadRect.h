#pragma once

#include <cstdint>
#include <optional>

class MvSimplePad;

// A rectangle in desktop pixels: signed position, unsigned size, as the paste and geometry
// rules compute with them.
struct PadRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::uint32_t width = 0;
    std::uint32_t height = 0;

    bool operator==(const PadRect&) const = default;
};

// The region of the pad's view; none for a null pad or a pad without a view.
std::optional<PadRect> PadRegion(MvSimplePad* pad);
