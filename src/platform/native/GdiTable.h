#pragma once

#include "platform/ResourceModule.h"
#include "platform/Win.h"

#include <map>

namespace native {

// Drawing objects: solid brushes, the stock fonts and the device contexts handed out by
// GetDC. Text is measured by font metrics only; nothing is ever drawn.
class GdiTable {
public:
    struct DeviceContext {
        HWND window = nullptr;
        HFONT font = nullptr;
    };

    // The handle of a stock object; null for an index the system does not have.
    static HGDIOBJ StockObject(int index);
    // The metrics of a stock font as the language's fonts measure; false for another handle.
    static bool FontMetrics(HFONT font, Language language, TEXTMETRICA& metrics);

    std::map<HBRUSH, COLORREF> brushes;
    std::map<HDC, DeviceContext> contexts;

    void Clear();
};

} // namespace native
