#pragma once

#include "PadRect.h"

#include <optional>

class MvSimplePad;

// Fits `rect`, the place `pad` is to take on `owner`, into the area the pad must stay in.
// The area is `bounds` when there is no owner, or when owner and pad are the same pad and
// bounds are given; otherwise it is the owner's region. A pad not confined to its parent
// (0x400) is fitted only into given bounds, and never when it is its own owner.
// Returns 0 when nothing had to change, 1 when `rect` was changed in place.
int AreaFit(MvSimplePad* owner, MvSimplePad* pad, PadRect& rect,
            const std::optional<PadRect>& bounds = std::nullopt);
