// Brushes, stock fonts, device contexts and text metrics.

#include "platform/native/WindowManager.h"

using native::GdiTable;
using native::WindowManager;

namespace {

WindowManager& Manager() {
    return WindowManager::Instance();
}

GdiTable& Gdi() {
    return Manager().gdi;
}

bool IsFont(HGDIOBJ object) {
    TEXTMETRICA unused;
    return Gdi().Metrics(static_cast<HFONT>(object), Language::English, unused);
}

} // namespace

HBRUSH CreateSolidBrush(COLORREF color) {
    auto brush = reinterpret_cast<HBRUSH>(Manager().NewHandleValue());
    Gdi().brushes[brush] = color;
    return brush;
}

BOOL DeleteObject(HGDIOBJ object) {
    auto font = static_cast<HFONT>(object);
    for (const auto& [dc, context] : Gdi().contexts) {
        if (context.font == font) {
            return FALSE;
        }
    }
    bool deleted =
        Gdi().brushes.erase(static_cast<HBRUSH>(object)) != 0 || Gdi().fonts.erase(font) != 0;
    return deleted ? TRUE : FALSE;
}

BOOL GetBrushColor(HBRUSH brush, COLORREF* color) {
    auto it = Gdi().brushes.find(brush);
    if (it == Gdi().brushes.end()) {
        return FALSE;
    }
    if (color != nullptr) {
        *color = it->second;
    }
    return TRUE;
}

HGDIOBJ GetStockObject(int index) {
    return GdiTable::StockObject(index);
}

HDC GetDC(HWND hwnd) {
    if (hwnd != nullptr && Manager().Find(hwnd) == nullptr) {
        return nullptr;
    }
    auto dc = reinterpret_cast<HDC>(Manager().NewHandleValue());
    Gdi().contexts[dc] = {hwnd, static_cast<HFONT>(GetStockObject(SYSTEM_FONT))};
    return dc;
}

int ReleaseDC(HWND hwnd, HDC dc) {
    auto it = Gdi().contexts.find(dc);
    if (it == Gdi().contexts.end() || it->second.window != hwnd) {
        return 0;
    }
    Gdi().contexts.erase(it);
    return 1;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    auto it = Gdi().contexts.find(dc);
    if (it == Gdi().contexts.end() || !IsFont(object)) {
        return nullptr;
    }
    HFONT previous = it->second.font;
    it->second.font = static_cast<HFONT>(object);
    return previous;
}

BOOL GetTextMetricsA(HDC dc, TEXTMETRICA* metrics) {
    auto it = Gdi().contexts.find(dc);
    if (it == Gdi().contexts.end() || metrics == nullptr) {
        return FALSE;
    }
    return Gdi().Metrics(it->second.font, Manager().settings.language, *metrics) ? TRUE : FALSE;
}
