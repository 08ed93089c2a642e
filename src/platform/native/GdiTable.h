#pragma once

#include "platform/ResourceModule.h"
#include "platform/Win.h"

#include <map>

namespace native {

// Drawing objects: solid brushes, the stock fonts, the fonts made for dialogs and the device
// contexts handed out by GetDC. Text is measured by font metrics only; nothing is ever drawn.
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

    // A stock font's metrics, or a made font's, which are the same in every language.
    bool Metrics(HFONT font, Language language, TEXTMETRICA& metrics) const;
    // A font of the given height and average character width.
    HFONT MakeFont(HFONT handle, LONG height, LONG averageWidth);

    std::map<HBRUSH, COLORREF> brushes;
    std::map<HDC, DeviceContext> contexts;
    std::map<HFONT, TEXTMETRICA> fonts;

    void Clear();
};

} // namespace native
