#include "FrameTracker.h"

#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "platform/CodePage.h"
#include "platform/NativeBackend.h"

#include <algorithm>

namespace {

// The class name of dialogs (Win32's WC_DIALOG is an atom, not this name).
constexpr char kDialogClass[] = "#32770";

} // namespace

std::string QuotedTitle(HWND hwnd) {
    return "\"" + codepage::ToUtf8(native::GetWindowTextOf(hwnd), native::ActiveCodePage()) + "\"";
}

FrameTracker::FrameTracker(Printer print) : print_(std::move(print)) {
    native::WindowObserver observer;
    observer.created = [this](HWND hwnd) { Created(hwnd); };
    observer.destroyed = [this](HWND hwnd) { Destroyed(hwnd); };
    observer.textChanged = [this](HWND hwnd) { TextChanged(hwnd); };
    native::SetWindowObserver(observer);
}

FrameTracker::~FrameTracker() {
    native::SetWindowObserver({});
}

HWND FrameTracker::Frame(int number) const {
    auto it = frames_.find(number);
    return it == frames_.end() ? nullptr : it->second;
}

int FrameTracker::Number(HWND frame) const {
    for (const auto& [number, hwnd] : frames_) {
        if (hwnd == frame)
            return number;
    }
    return 0;
}

void FrameTracker::Created(HWND hwnd) {
    if (native::GetClassNameOf(hwnd) == kDialogClass) {
        dialogs_.push_back(hwnd);
        print_("dialog " + std::to_string(native::DialogTemplateId(hwnd)) + " " +
               QuotedTitle(hwnd));
        return;
    }
    // A frame has made its view by the time its creation returns; tool windows have none.
    if (dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(hwnd)) == nullptr ||
        GetDlgItem(hwnd, AFX_IDW_PANE_FIRST) == nullptr)
        return;
    int number = nextNumber_++;
    frames_[number] = hwnd;
    print_("opened " + std::to_string(number) + " " + QuotedTitle(hwnd));
}

void FrameTracker::Destroyed(HWND hwnd) {
    if (auto it = std::find(dialogs_.begin(), dialogs_.end(), hwnd); it != dialogs_.end()) {
        dialogs_.erase(it);
        print_("dialog closed " + std::to_string(native::DialogTemplateId(hwnd)));
        return;
    }
    int number = Number(hwnd);
    if (number == 0)
        return;
    frames_.erase(number);
    print_("closed " + std::to_string(number));
}

void FrameTracker::TextChanged(HWND hwnd) {
    int number = Number(hwnd);
    if (number != 0)
        print_("title " + std::to_string(number) + " " + QuotedTitle(hwnd));
}
