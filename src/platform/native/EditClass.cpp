// The Edit class: single-line and multi-line edit fields.
//
// The window system makes no WM_CHAR from keystrokes but Space's, so the keys that edit
// (Backspace, Delete, Return) act on WM_KEYDOWN and WM_CHAR brings only characters; a double-byte
// character comes as two WM_CHAR messages, lead byte first, or whole as one WM_IME_CHAR from
// an input method. Line breaks are CR LF.

#include "platform/native/ControlSupport.h"
#include "platform/native/SystemClasses.h"

#include <algorithm>

namespace native {

namespace {

constexpr std::size_t defaultLimit = 30000;
constexpr std::size_t largestLimit = 0x7FFFFFFE;
// Room the border and margins take from the text's width and height.
constexpr int margin = 4;

struct EditState {
    std::size_t anchor = 0;
    std::size_t caret = 0;
    std::size_t limit = defaultLimit;
    bool modified = false;
    int pendingLead = -1;

    std::size_t Start() const { return std::min(anchor, caret); }
    std::size_t End() const { return std::max(anchor, caret); }
};

DWORD StyleOf(HWND hwnd) {
    return static_cast<DWORD>(GetWindowLongPtrA(hwnd, GWL_STYLE));
}

bool MultiLine(HWND hwnd) {
    return (StyleOf(hwnd) & ES_MULTILINE) != 0;
}

std::string TextOf(HWND hwnd) {
    return GetWindowTextOf(hwnd);
}

// Offsets where characters start; a CR LF pair counts as one character.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size();) {
        starts.push_back(i);
        bool pair = (IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ||
                    (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        i += pair ? 2 : 1;
    }
    starts.push_back(text.size());
    return starts;
}

// The start of the character at `offset`, or of the text's end.
std::size_t SnapToCharacter(const std::string& text, std::size_t offset) {
    std::vector<std::size_t> starts = CharacterStarts(text);
    return *(std::upper_bound(starts.begin(), starts.end(), std::min(offset, text.size())) - 1);
}

std::size_t NextCharacter(const std::string& text, std::size_t offset) {
    std::vector<std::size_t> starts = CharacterStarts(text);
    auto it = std::upper_bound(starts.begin(), starts.end(), offset);
    return it == starts.end() ? text.size() : *it;
}

std::size_t PreviousCharacter(const std::string& text, std::size_t offset) {
    std::vector<std::size_t> starts = CharacterStarts(text);
    auto it = std::lower_bound(starts.begin(), starts.end(), offset);
    return it == starts.begin() ? 0 : *(it - 1);
}

int VisibleLines(HWND hwnd, const std::string& text, const TEXTMETRICA& font, int width) {
    bool wraps = (StyleOf(hwnd) & ES_AUTOHSCROLL) == 0;
    int lines = 0;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find("\r\n", start);
        std::string_view line(text.data() + start,
                              (end == std::string::npos ? text.size() : end) - start);
        int lineWidth = TextWidth(line, font);
        lines += wraps && width > 0 && lineWidth > width ? (lineWidth + width - 1) / width : 1;
        if (end == std::string::npos) {
            return lines;
        }
        start = end + 2;
    }
}

// Whether the field can hold the text: within its limit and, without the automatic scroll
// styles, within what it shows.
bool Fits(HWND hwnd, const EditState& state, const std::string& text) {
    if (text.size() > state.limit) {
        return false;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    TEXTMETRICA font = ControlFont(hwnd);
    DWORD style = StyleOf(hwnd);
    if (!MultiLine(hwnd)) {
        return (style & ES_AUTOHSCROLL) != 0 || TextWidth(text, font) <= client.right - margin;
    }
    if ((style & ES_AUTOVSCROLL) != 0) {
        return true;
    }
    return VisibleLines(hwnd, text, font, client.right - margin) * font.tmHeight <=
           std::max<int>(client.bottom - margin, font.tmHeight);
}

void Store(HWND hwnd, const std::string& text) {
    DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Changed(HWND hwnd, EditState& state) {
    state.modified = true;
    NotifyParent(hwnd, EN_UPDATE);
    NotifyParent(hwnd, EN_CHANGE);
}

// Puts `insert` in place of the selection, as much of it as fits; true when anything changed.
bool Replace(HWND hwnd, EditState& state, const std::string& insert) {
    std::string text = TextOf(hwnd);
    std::size_t start = state.Start();
    std::size_t end = state.End();
    std::string kept = insert;
    std::string next = text.substr(0, start) + kept + text.substr(end);
    while (!kept.empty() && !Fits(hwnd, state, next)) {
        kept.resize(PreviousCharacter(kept, kept.size()));
        next = text.substr(0, start) + kept + text.substr(end);
    }
    if (kept.size() < insert.size()) {
        NotifyParent(hwnd, EN_MAXTEXT);
    }
    if (kept.empty() && start == end) {
        return false;
    }
    Store(hwnd, next);
    state.anchor = state.caret = start + kept.size();
    Changed(hwnd, state);
    return true;
}

bool ReadOnly(HWND hwnd) {
    return (StyleOf(hwnd) & ES_READONLY) != 0;
}

void Erase(HWND hwnd, EditState& state, bool forward) {
    if (ReadOnly(hwnd)) {
        return;
    }
    std::string text = TextOf(hwnd);
    if (state.anchor == state.caret) {
        state.caret =
            forward ? NextCharacter(text, state.caret) : PreviousCharacter(text, state.caret);
    }
    Replace(hwnd, state, "");
}

void MoveCaret(HWND hwnd, EditState& state, std::size_t to) {
    state.caret = SnapToCharacter(TextOf(hwnd), to);
    if (!ShiftDown()) {
        state.anchor = state.caret;
    }
}

bool KeyDown(HWND hwnd, EditState& state, WPARAM key) {
    std::string text = TextOf(hwnd);
    state.pendingLead = -1;
    switch (key) {
    case VK_BACK:
    case VK_DELETE:
        Erase(hwnd, state, key == VK_DELETE);
        return true;
    case VK_RETURN:
        if (MultiLine(hwnd) && !ReadOnly(hwnd)) {
            Replace(hwnd, state, "\r\n");
        }
        return true;
    case VK_LEFT:
        MoveCaret(hwnd, state, PreviousCharacter(text, state.caret));
        return true;
    case VK_RIGHT:
        MoveCaret(hwnd, state, NextCharacter(text, state.caret));
        return true;
    case VK_HOME:
        MoveCaret(hwnd, state, 0);
        return true;
    case VK_END:
        MoveCaret(hwnd, state, text.size());
        return true;
    case 'A':
        if (CtrlDown()) {
            state.anchor = 0;
            state.caret = text.size();
            return true;
        }
        return false;
    default:
        return false;
    }
}

void Character(HWND hwnd, EditState& state, WPARAM code) {
    auto byte = static_cast<unsigned char>(code & 0xFF);
    if (ReadOnly(hwnd) || (byte < 0x20 && state.pendingLead < 0)) {
        return;
    }
    if (state.pendingLead >= 0) {
        std::string pair{static_cast<char>(state.pendingLead), static_cast<char>(byte)};
        state.pendingLead = -1;
        Replace(hwnd, state, pair);
    } else if (IsLeadByte(byte)) {
        state.pendingLead = byte;
    } else {
        Replace(hwnd, state, std::string(1, static_cast<char>(byte)));
    }
}

// A character an input method delivers whole: a double-byte one has its lead byte in the
// high byte.
void InputMethodCharacter(HWND hwnd, EditState& state, WPARAM code) {
    auto lead = static_cast<unsigned char>((code >> 8) & 0xFF);
    auto byte = static_cast<unsigned char>(code & 0xFF);
    state.pendingLead = -1;
    if (lead == 0) {
        Character(hwnd, state, byte);
    } else if (!ReadOnly(hwnd)) {
        Replace(hwnd, state, std::string{static_cast<char>(lead), static_cast<char>(byte)});
    }
}

// A click puts the caret at the character under the pointer.
void Click(HWND hwnd, EditState& state, POINT point) {
    FocusByClick(hwnd);
    std::string text = TextOf(hwnd);
    std::size_t at = text.size();
    if (!MultiLine(hwnd)) {
        TEXTMETRICA font = ControlFont(hwnd);
        std::vector<std::size_t> starts = CharacterStarts(text);
        for (std::size_t i = 0; i + 1 < starts.size(); ++i) {
            std::string_view before(text.data(), starts[i + 1]);
            if (TextWidth(before, font) + margin / 2 > point.x) {
                at = starts[i];
                break;
            }
        }
    }
    state.anchor = state.caret = at;
}

LRESULT DialogCode(HWND hwnd, LPARAM lParam) {
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN &&
        (StyleOf(hwnd) & (ES_MULTILINE | ES_WANTRETURN)) == (ES_MULTILINE | ES_WANTRETURN)) {
        code |= DLGC_WANTALLKEYS;
    }
    return code;
}

void SetSelection(HWND hwnd, EditState& state, WPARAM wParam, LPARAM lParam) {
    std::string text = TextOf(hwnd);
    auto start = static_cast<int>(wParam);
    auto end = static_cast<int>(lParam);
    if (start < 0) {
        state.anchor = state.caret;
        return;
    }
    auto clamp = [&](int offset) {
        std::size_t at = offset < 0 ? text.size() : std::min<std::size_t>(offset, text.size());
        return SnapToCharacter(text, at);
    };
    state.anchor = clamp(start);
    state.caret = clamp(end);
}

std::optional<LRESULT> EditMessage(HWND hwnd, EditState& state, UINT msg, WPARAM wParam,
                                   LPARAM lParam) {
    switch (msg) {
    case EM_GETSEL: {
        auto start = static_cast<DWORD>(state.Start());
        auto end = static_cast<DWORD>(state.End());
        if (auto* out = reinterpret_cast<DWORD*>(wParam)) {
            *out = start;
        }
        if (auto* out = reinterpret_cast<DWORD*>(lParam)) {
            *out = end;
        }
        return MAKELONG(static_cast<WORD>(std::min<DWORD>(start, 0xFFFF)),
                        static_cast<WORD>(std::min<DWORD>(end, 0xFFFF)));
    }
    case EM_SETSEL:
        SetSelection(hwnd, state, wParam, lParam);
        return 0;
    case EM_REPLACESEL:
        Replace(hwnd, state, lParam != 0 ? reinterpret_cast<const char*>(lParam) : "");
        return 0;
    case EM_SETREADONLY: {
        DWORD style = StyleOf(hwnd);
        style = wParam != 0 ? style | ES_READONLY : style & ~ES_READONLY;
        SetWindowLongPtrA(hwnd, GWL_STYLE, static_cast<std::intptr_t>(style));
        return TRUE;
    }
    case EM_LIMITTEXT:
        state.limit = wParam == 0 ? largestLimit : static_cast<std::size_t>(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(state.limit);
    case EM_GETMODIFY:
        return state.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        state.modified = wParam != 0;
        return 0;
    case EM_GETLINECOUNT: {
        std::string text = TextOf(hwnd);
        LRESULT lines = 1;
        for (std::size_t at = text.find("\r\n"); MultiLine(hwnd) && at != std::string::npos;
             at = text.find("\r\n", at + 2)) {
            ++lines;
        }
        return lines;
    }
    default:
        return std::nullopt;
    }
}

std::optional<LRESULT> Handle(HWND hwnd, EditState& state, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (std::optional<LRESULT> result = EditMessage(hwnd, state, msg, wParam, lParam)) {
        return result;
    }
    switch (msg) {
    case WM_SETTEXT:
        DefWindowProcA(hwnd, msg, wParam, lParam);
        state.anchor = state.caret = 0;
        state.modified = false;
        // As on the original platform, setting a multi-line field's text is no change notice.
        if (!MultiLine(hwnd)) {
            NotifyParent(hwnd, EN_UPDATE);
            NotifyParent(hwnd, EN_CHANGE);
        }
        return TRUE;
    case WM_GETDLGCODE:
        return DialogCode(hwnd, lParam);
    case WM_KEYDOWN:
        return KeyDown(hwnd, state, wParam) ? std::optional<LRESULT>(0) : std::nullopt;
    case WM_CHAR:
        Character(hwnd, state, wParam);
        return 0;
    case WM_IME_CHAR:
        InputMethodCharacter(hwnd, state, wParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Click(hwnd, state, PointOf(lParam));
        return 0;
    default:
        return FocusNotice(hwnd, msg, EN_SETFOCUS, EN_KILLFOCUS);
    }
}

} // namespace

LRESULT EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    return ControlProc<EditState>(hwnd, msg, wParam, lParam, Handle);
}

} // namespace native
