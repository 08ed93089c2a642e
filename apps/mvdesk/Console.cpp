#include "Console.h"

#include "CommandLine.h"
#include "Desktop.h"
#include "DesktopCommands.h"
#include "DesktopHost.h"
#include "DesktopPad.h"
#include "DesktopSession.h"
#include "DialogCommands.h"
#include "FaultCommands.h"
#include "FrameCommands.h"
#include "HelpLine.h"
#include "InspectorModule.h"
#include "ListDescription.h"
#include "MenuCommands.h"
#include "MouseCommands.h"
#include "PadCommands.h"
#include "ShowCommand.h"
#include "WhereCommand.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "platform/CodePage.h"
#include "platform/NativeMenu.h"
#include "service/InspectorProbe.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <utility>

Console::Console(DesktopSession& session, InputSource& input)
    : session_(session), input_(input), tracker_([this](const std::string& line) { Print(line); }) {
    native::SetMessageBoxHandler(
        [this](const native::MessageBoxRequest& request) { return AnswerMessageBox(request); });
    // A modal loop waiting for input runs the next command line, unless the window system
    // has a message for it first.
    native::SetInputWaiter([this]() {
        InputSource::Input input = input_.Await("modal> ");
        if (input.kind == InputSource::Input::End)
            return false;
        if (input.kind == InputSource::Input::Line) {
            ++modalDepth_;
            Execute(input.line);
            --modalDepth_;
        }
        return true;
    });
    DefineCommands();
    session_.Host().SetHelpListener(
        [this](const HelpCall& call) { Print(DescribeHelpCall(call, *this)); });
    session_.Host().SetLineListener([this](const std::string& line, bool error) {
        if (error)
            Error(line);
        else
            Print(line);
    });
}

Console::~Console() {
    if (session_.Running()) {
        session_.Host().SetHelpListener({});
        session_.Host().SetLineListener({});
        session_.Host().Faults().SetObserver({});
    }
    native::SetInputWaiter({});
    native::SetPopupMenuHandler({});
    native::SetMessageBoxHandler({});
}

void Console::Print(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string Console::FromCodePage(const std::string& text) const {
    return codepage::ToUtf8(text, native::ActiveCodePage());
}

std::string Console::ToCodePage(const std::string& utf8) const {
    return codepage::FromUtf8(utf8, native::ActiveCodePage());
}

void Console::Error(const std::string& message) {
    ++errors_;
    Print("error: " + message);
}

void Console::Define(const std::string& name, std::string usage, std::string summary,
                     std::function<void(const Args&)> run) {
    commands_[name] = {std::move(usage), std::move(summary), std::move(run)};
    order_.push_back(name);
}

void Console::DefineCommands() {
    Define("open", "open [PAD]", "open an Inspector on PAD, or on the desktop",
           [this](const Args& a) { CmdOpen(a); });
    Define("inspectors", "inspectors", "list the open Inspectors, newest first",
           [this](const Args& a) { CmdInspectors(a); });
    Define("rows", "rows N", "print the row tree of frame N",
           [this](const Args& a) { CmdRows(a); });
    Define("list", "list N", "print the list control of frame N",
           [this](const Args& a) { CmdList(a); });
    Define("pads", "pads", "print the desktop's pad tree", [this](const Args& a) { CmdPads(a); });
    Define("closeall", "closeall", "close every Inspector",
           [this](const Args&) { session_.Module().AlldeleteInspector(); });
    Define("wait", "wait MS", "let MS milliseconds of the window system's clock pass",
           [this](const Args& a) { CmdWait(a); });
    Define("echo", "echo TEXT", "print TEXT, e.g. to mark a place in a session",
           [this](const Args& a) {
               std::string text;
               for (const std::string& word : a)
                   text += (text.empty() ? "" : " ") + word;
               Print(text);
           });
    RegisterPadCommands(*this);
    RegisterDesktopCommands(*this);
    RegisterMouseCommands(*this);
    RegisterFrameCommands(*this);
    RegisterMenuCommands(*this);
    RegisterShowCommand(*this);
    RegisterDialogCommands(*this);
    RegisterFaultCommands(*this);
    RegisterWhereCommand(*this);
    Define("help", "help", "list the commands", [this](const Args& a) { CmdHelp(a); });
    Define("quit", "quit", "close everything and leave", [](const Args&) {});
}

bool Console::Execute(const std::string& line) {
    Args words = SplitWords(line);
    if (words.empty())
        return true;
    std::string name = words.front();
    if (name == "quit" || name == "exit")
        return false;
    auto it = commands_.find(name);
    if (it == commands_.end()) {
        Error("unknown command '" + name + "' (try help)");
        return true;
    }
    Args args(words.begin() + 1, words.end());
    it->second.run(args);
    Pump();
    return true;
}

void Console::Pump() {
    if (modalDepth_ == 0) {
        AfxPumpPending();
        // The active frame's bars follow every command; another frame's are brought up to
        // date when a command reads them (show, button), so that a command costs the same
        // however many frames are open.
        if (auto* active = dynamic_cast<CFrameWnd*>(CWnd::FromHandlePermanent(GetActiveWindow())))
            AfxIdleUpdate(active);
        AfxIdleCleanup();
    }
}

void Console::LetTimePass(long milliseconds) {
    for (long waited = 0; waited < milliseconds; waited += 10) {
        native::AdvanceClock(static_cast<DWORD>(std::min(10L, milliseconds - waited)));
        AfxPumpPending();
    }
}

void Console::Run() {
    // The windows take their messages, the user's input among them, whenever the console
    // waits for its next line. File > Exit and closing the desktop window end the session as
    // `quit` does.
    while (!session_.Host().QuitRequested()) {
        InputSource::Input input = input_.Await("mvdesk> ");
        if (input.kind == InputSource::Input::Message) {
            MSG msg;
            if (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
                break;
            Pump();
            continue;
        }
        if (input.kind == InputSource::Input::End || !Execute(input.line))
            break;
    }
    Shutdown();
}

void Console::Shutdown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    session_.Module().AlldeleteInspector();
    AfxPumpPending();
    AfxIdleCleanup();
    session_.Close();
}

bool Console::RanAside(const std::string& line) {
    Args words = SplitWords(line);
    if (words.empty() || words.front() != "where")
        return false;
    // Run without pumping: the loop of the box or menu is to take what is queued.
    commands_["where"].run(Args(words.begin() + 1, words.end()));
    return true;
}

InputSource::Input Console::NextLine(const char* prompt) {
    auto line = input_.Next(prompt);
    return line ? InputSource::Input{InputSource::Input::Line, std::move(*line)}
                : InputSource::Input{};
}

int Console::AnswerMessageBox(const native::MessageBoxRequest& request) {
    UINT buttons = request.style & MB_TYPEMASK;
    const char* names = buttons == MB_OKCANCEL      ? "OKCANCEL"
                        : buttons == MB_YESNO       ? "YESNO"
                        : buttons == MB_YESNOCANCEL ? "YESNOCANCEL"
                                                    : "OK";
    std::string text = FromCodePage(request.text);
    std::string shown;
    for (char c : text)
        shown += c == '\n' ? std::string("\\n") : std::string(1, c);
    if (request.asking != native::Asking::Waiting)
        Print("msgbox " + std::to_string(request.stringId) + " " + names + ": " + shown);
    if (request.asking == native::Asking::Shown)
        return 0;

    int fallback = buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDYES : IDOK;
    if (request.style & MB_DEFBUTTON2)
        fallback = buttons == MB_OKCANCEL ? IDCANCEL : buttons == MB_OK ? IDOK : IDNO;
    std::vector<std::pair<const char*, int>> choices;
    if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL)
        choices = {{"yes", IDYES}, {"no", IDNO}};
    else
        choices = {{"ok", IDOK}};
    if (buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL)
        choices.push_back({"cancel", IDCANCEL});
    std::string listed;
    for (const auto& [word, id] : choices)
        listed += (listed.empty() ? "" : ", ") + std::string(word);
    // Like a person at the box, the console waits until one of its buttons is chosen; a box
    // that stays live meanwhile may be answered by the user first.
    for (;;) {
        std::optional<InputSource::Input> answer = Ask("answer> ", request.asking);
        if (!answer)
            return 0;
        if (answer->kind == InputSource::Input::End)
            return fallback;
        if (RanAside(answer->line))
            continue;
        for (const auto& [word, id] : choices) {
            if (answer->line == word)
                return id;
        }
        Error("'" + answer->line + "' is not a button of this message box (" + listed + ")");
    }
}

bool Console::IntArg(const std::string& text, long& value) {
    return IntArg(text, value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

bool Console::IntArg(const std::string& text, long& value, long low, long high) {
    ParsedNumber parsed = ParseInteger(text, low, high);
    if (parsed.result == ParsedNumber::NotANumber) {
        Error("'" + text + "' is not a number");
        return false;
    }
    if (parsed.result == ParsedNumber::OutOfRange) {
        Error("'" + text + "' is out of range (" + std::to_string(low) + " to " +
              std::to_string(high) + ")");
        return false;
    }
    value = static_cast<long>(parsed.value);
    return true;
}

bool Console::ArgCount(const Args& args, size_t least, size_t most, const char* usage) {
    if (args.size() >= least && args.size() <= most)
        return true;
    Error(std::string("usage: ") + usage);
    return false;
}

bool Console::FrameArg(const Args& args, size_t index, HWND& frame) {
    if (args.size() <= index) {
        Error("a frame number is missing");
        return false;
    }
    long number = 0;
    if (!IntArg(args[index], number))
        return false;
    frame = tracker_.Frame(static_cast<int>(number));
    if (frame == nullptr) {
        Error("no frame " + args[index] + " is open");
        return false;
    }
    return true;
}

bool Console::UserFrameArg(const Args& args, size_t index, HWND& frame) {
    if (!FrameArg(args, index, frame))
        return false;
    if (IsWindowEnabled(frame))
        return true;
    Error("frame " + args[index] + " is disabled");
    return false;
}

bool Console::PadArg(const std::string& text, DesktopPad*& pad) {
    Desktop& desktop = session_.GetDesktop();
    if (text.size() > 1 && text[0] == '#') {
        constexpr long long kHighestId = 0xFFFFFFFF;
        ParsedNumber id = ParseInteger(text.substr(1), 1, kHighestId);
        if (id.result != ParsedNumber::Ok) {
            Error("'" + text + "' is not a pad ID (#1 to #" + std::to_string(kHighestId) + ")");
            return false;
        }
        pad = desktop.FindById(static_cast<unsigned>(id.value));
    } else {
        pad = desktop.FindByPath(text);
    }
    if (pad == nullptr || !desktop.IsLive(pad)) {
        Error("no pad '" + text + "'");
        return false;
    }
    return true;
}

void Console::CmdOpen(const Args& args) {
    DesktopPad* pad = nullptr;
    if (!args.empty() && !PadArg(args[0], pad))
        return;
    int result = session_.Module().openInspector(session_.MainWindow(), pad);
    if (result == 0)
        Print("open refused");
}

void Console::CmdInspectors(const Args&) {
    InspectorModule& module = session_.Module();
    int count = module.inspectorGetInspectorCount();
    Print(std::to_string(count) + " open");
    for (int i = 0; i < count; ++i) {
        CFrameWnd* frame = module.inspectorGetInspector(i);
        HWND hwnd = frame ? frame->m_hWnd : nullptr;
        Print(std::to_string(i) + "\t" + std::to_string(tracker_.Number(hwnd)) + "\t" +
              QuotedTitle(hwnd));
    }
}

void Console::CmdRows(const Args& args) {
    HWND frame = nullptr;
    if (!FrameArg(args, 0, frame))
        return;
    HWND view = GetDlgItem(frame, AFX_IDW_PANE_FIRST);
    std::string rows;
    SendMessageA(view, WM_INSP_DESCRIBEROWS, 0, reinterpret_cast<LPARAM>(&rows));
    std::istringstream lines(rows);
    for (std::string line; std::getline(lines, line);)
        Print(FromCodePage(line));
}

void Console::CmdList(const Args& args) {
    HWND frame = nullptr;
    if (!FrameArg(args, 0, frame))
        return;
    for (const std::string& line : DescribeList(GetDlgItem(frame, AFX_IDW_PANE_FIRST)))
        Print(FromCodePage(line));
}

void Console::CmdWait(const Args& args) {
    long milliseconds = 0;
    if (!ArgCount(args, 1, 1, "wait MS") || !IntArg(args[0], milliseconds))
        return;
    if (milliseconds < 0) {
        Error("wait takes a number of milliseconds, 0 or more");
        return;
    }
    LetTimePass(milliseconds);
}

void Console::CmdPads(const Args&) {
    session_.DescribePads([this](const std::string& line) { Print(FromCodePage(line)); });
}

void Console::CmdHelp(const Args&) {
    for (const std::string& name : order_) {
        const Command& command = commands_[name];
        Print(command.usage + "\t" + command.summary);
    }
}
