#include "platform/native/GdiTable.h"

#include <cstdint>

namespace native {

namespace {

// Stock handles lie below the first handle the window manager hands out.
constexpr std::uintptr_t kStockBase = 0x100;

struct StockFont {
    int index;
    Language language;
    LONG height;
    LONG ascent;
    LONG internalLeading;
    LONG aveCharWidth;
    LONG maxCharWidth;
    BYTE charSet;
};

// The system font and the font of bars and dialogs, as the English and the Japanese system
// measure them; the Japanese fonts' widest characters are the double-byte ones.
constexpr StockFont kStockFonts[] = {
    {SYSTEM_FONT, Language::English, 16, 13, 3, 7, 14, 0},
    {SYSTEM_FONT, Language::Japanese, 16, 14, 2, 8, 16, 128},
    {DEFAULT_GUI_FONT, Language::English, 13, 11, 0, 5, 11, 0},
    {DEFAULT_GUI_FONT, Language::Japanese, 12, 10, 0, 6, 12, 128},
};

TEXTMETRICA Measures(const StockFont& font) {
    TEXTMETRICA metrics;
    metrics.tmHeight = font.height;
    metrics.tmAscent = font.ascent;
    metrics.tmDescent = font.height - font.ascent;
    metrics.tmInternalLeading = font.internalLeading;
    metrics.tmAveCharWidth = font.aveCharWidth;
    metrics.tmMaxCharWidth = font.maxCharWidth;
    metrics.tmWeight = 400;
    metrics.tmDigitizedAspectX = 96;
    metrics.tmDigitizedAspectY = 96;
    metrics.tmFirstChar = 0x20;
    metrics.tmLastChar = 0xFF;
    metrics.tmDefaultChar = '?';
    metrics.tmBreakChar = ' ';
    metrics.tmCharSet = font.charSet;
    return metrics;
}

} // namespace

HGDIOBJ GdiTable::StockObject(int index) {
    if (index != SYSTEM_FONT && index != DEFAULT_GUI_FONT) {
        return nullptr;
    }
    return reinterpret_cast<HGDIOBJ>(kStockBase + static_cast<std::uintptr_t>(index));
}

bool GdiTable::FontMetrics(HFONT font, Language language, TEXTMETRICA& metrics) {
    for (const StockFont& stock : kStockFonts) {
        if (StockObject(stock.index) == font && stock.language == language) {
            metrics = Measures(stock);
            return true;
        }
    }
    return false;
}

bool GdiTable::Metrics(HFONT font, Language language, TEXTMETRICA& metrics) const {
    auto it = fonts.find(font);
    if (it == fonts.end()) {
        return FontMetrics(font, language, metrics);
    }
    metrics = it->second;
    return true;
}

HFONT GdiTable::MakeFont(HFONT handle, LONG height, LONG averageWidth) {
    StockFont measures{0, Language::English, height,           height * 4 / 5,
                       2, averageWidth,      2 * averageWidth, 0};
    fonts[handle] = Measures(measures);
    return handle;
}

void GdiTable::Clear() {
    brushes.clear();
    contexts.clear();
    fonts.clear();
}

} // namespace native
