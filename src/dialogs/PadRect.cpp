#include "PadRect.h"

#include "host/MvPadView.h"
#include "host/MvSimplePad.h"

std::optional<PadRect> PadRegion(MvSimplePad* pad) {
    MvPadView* view = pad ? pad->get_view() : nullptr;
    if (view == nullptr)
        return std::nullopt;
    MwRectangle region = view->GetRegion();
    return PadRect{region.X(), region.Y(), static_cast<std::uint32_t>(region.Width()),
                   static_cast<std::uint32_t>(region.Height())};
}
