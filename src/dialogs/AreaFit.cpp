#include "AreaFit.h"

#include "host/MvSimplePad.h"

#include <cstdint>

namespace {

bool IsConfined(MvSimplePad* pad) {
    return pad != nullptr && pad->isProtected(kProtectConfined) != 0;
}

// Far edges are unsigned 32-bit sums: they wrap instead of overflowing, and a wrapped edge
// is compared as the large unsigned number it became.
std::uint32_t FarEdge(std::int32_t position, std::uint32_t extent) {
    return static_cast<std::uint32_t>(position) + extent;
}

bool Inside(const PadRect& rect, const PadRect& area) {
    return area.x <= rect.x && area.y <= rect.y &&
           FarEdge(rect.x, rect.width) <= FarEdge(area.x, area.width) &&
           FarEdge(rect.y, rect.height) <= FarEdge(area.y, area.height);
}

void FitAxis(std::int32_t& position, std::uint32_t& extent, std::int32_t areaPosition,
             std::uint32_t areaExtent) {
    if (extent > areaExtent)
        extent = areaExtent;
    if (position < areaPosition)
        position = areaPosition;
    else if (FarEdge(position, extent) > FarEdge(areaPosition, areaExtent))
        position = static_cast<std::int32_t>(FarEdge(areaPosition, areaExtent) - extent);
}

} // namespace

int AreaFit(MvSimplePad* owner, MvSimplePad* pad, PadRect& rect,
            const std::optional<PadRect>& bounds) {
    const bool ownOwner = owner != nullptr && owner == pad;
    if (ownOwner ? !IsConfined(pad) : !IsConfined(pad) && !bounds)
        return 0;
    std::optional<PadRect> area =
        owner == nullptr || (ownOwner && bounds) ? bounds : PadRegion(owner);
    // No owner and no bounds, or an owner without a view: nothing to stay inside.
    if (!area || Inside(rect, *area))
        return 0;
    FitAxis(rect.x, rect.width, area->x, area->width);
    FitAxis(rect.y, rect.height, area->y, area->height);
    return 1;
}
