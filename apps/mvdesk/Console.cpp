#include "Console.h"

#include "CommandHelp.h"
#include "CommandLine.h"
#include "Completion.h"
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
#include "NameMatch.h"
#include "PadCommands.h"
#include "ShowCommand.h"
#include "WaitInterrupt.h"
#include "WhereCommand.h"
#include "platform/Afx.h"
#include "platform/CFrameWnd.h"
#include "platform/CodePage.h"
#include "platform/CommCtrl.h"
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
    // has a message for it first. `quit` there ends the loop as the end of input does, which
    // cancels its dialog.
    native::SetInputWaiter([this]() {
        if (quitting_)
            return false;
        InputSource::Input input = input_.Await("modal> ");
        if (input.kind == InputSource::Input::End)
            return false;
        if (input.kind == InputSource::Input::Line) {
            ++modalDepth_;
            bool goOn = Execute(input.line);
            --modalDepth_;
            return goOn;
        }
        return true;
    });
    DefineCommands();
    input_.SetCompleter([this](const std::string& before, const std::string& word) {
        return CompleteWord(*this, before, word);
    });
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
    Define("help", "help [WORD]", "list the commands, or tell how WORD is used",
           [this](const Args& a) { CmdHelp(a); });
    Define("quit", "quit", "close everything and leave", [](const Args&) {});
}

bool Console::Execute(const std::string& line) {
    if (std::string fault = LineFault(line); !fault.empty()) {
        Error(fault);
        return !quitting_;
    }
    std::vector<bool> quoted;
    Args words = SplitWords(line, &quoted);
    if (words.empty())
        return !quitting_;
    std::string name = words.front();
    if (name == "quit" || name == "exit") {
        quitting_ = true;
        return false;
    }
    auto it = commands_.find(name);
    if (it == commands_.end()) {
        NameMatch match = MatchName(name, order_);
        Error("unknown command '" + name + "'" + DidYouMean(match, order_) + " (try help)");
        return !quitting_;
    }
    Args args(words.begin() + 1, words.end());
    // A command may run others in a modal loop; each sees its own words' quotes.
    const std::vector<bool>* outer = std::exchange(quoted_, &quoted);
    it->second.run(args);
    quoted_ = outer;
    Pump();
    return !quitting_;
}

std::optional<InputSource::Input> Console::Ask(const char* prompt, native::Asking asking) {
    if (quitting_)
        return InputSource::Input{};
    if (asking == native::Asking::Now)
        return NextLine(prompt);
    return input_.Poll(prompt);
}

std::string Console::Usage(const std::string& name) const {
    auto it = commands_.find(name);
    return it == commands_.end() ? "" : it->second.usage;
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

bool Console::LetTimePass(long milliseconds) {
    WaitInterrupt interrupt(input_);
    for (long waited = 0; waited < milliseconds; waited += 10) {
        if (interrupt.Ended()) {
            bool interrupted = interrupt.Interrupted();
            Print(std::string(interrupted ? "interrupted" : "input ended") + " after " +
                  std::to_string(waited) + " ms");
            // A script cut short has failed; at a terminal the next line is read.
            if (interrupted && !input_.interactive()) {
                quitting_ = true;
                ++errors_;
            }
            return false;
        }
        native::AdvanceClock(static_cast<DWORD>(std::min(10L, milliseconds - waited)));
        AfxPumpPending();
    }
    return true;
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
    // Settings that could not be saved fail a script as an error does.
    if (session_.Host().Registry().FailedSaves() > 0)
        ++errors_;
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
    // A button answers to its word and to its captions, English and Japanese, in any case.
    struct Choice {
        const char* word;
        int id;
        std::vector<std::string> captions;
    };
    const Choice yes{"yes", IDYES, {"Yes", "\xE3\x81\xAF\xE3\x81\x84", "&Yes"}};
    const Choice no{"no", IDNO, {"No", "\xE3\x81\x84\xE3\x81\x84\xE3\x81\x88", "&No"}};
    const Choice ok{"ok", IDOK, {"OK"}};
    const Choice cancel{"cancel",
                        IDCANCEL,
                        {"Cancel", "\xE3\x82\xAD\xE3\x83\xA3\xE3\x83\xB3\xE3\x82\xBB\xE3\x83\xAB"}};
    std::vector<Choice> choices;
    if (buttons == MB_YESNO || buttons == MB_YESNOCANCEL)
        choices = {yes, no};
    else
        choices = {ok};
    if (buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL)
        choices.push_back(cancel);
    std::string listed;
    for (const Choice& choice : choices)
        listed += (listed.empty() ? "" : ", ") + std::string(choice.word);
    // Closing the box: Cancel where it has one, No for Yes/No (which has no close button),
    // else OK.
    int closed = buttons == MB_OKCANCEL || buttons == MB_YESNOCANCEL ? IDCANCEL
                 : buttons == MB_YESNO                               ? IDNO
                                                                     : IDOK;
    // Like a person at the box, the console waits until one of its buttons is chosen; a box
    // that stays live meanwhile may be answered by the user first.
    for (;;) {
        std::optional<InputSource::Input> answer = Ask("answer> ", request.asking);
        if (!answer)
            return 0;
        if (answer->kind == InputSource::Input::End)
            return quitting_ ? closed : fallback;
        if (RanAside(answer->line))
            continue;
        if (answer->line == "quit" || answer->line == "exit") {
            quitting_ = true;
            return closed;
        }
        std::string folded = FoldName(answer->line);
        for (const Choice& choice : choices) {
            if (answer->line == choice.word)
                return choice.id;
            for (const std::string& caption : choice.captions) {
                if (FoldName(caption) == folded)
                    return choice.id;
            }
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

bool Console::IsNumber(const Args& args, size_t index) const {
    return index < args.size() && !Quoted(index) && IsNumberWord(args[index]);
}

bool Console::PickName(const std::string& wanted, const std::string& what,
                       const std::vector<std::string>& names, size_t& index,
                       const std::vector<std::string>& shown) {
    NameMatch match = MatchName(wanted, names);
    if (match.hits.size() == 1) {
        index = match.hits.front();
        return true;
    }
    const std::vector<std::string>& named = shown.empty() ? names : shown;
    if (match.hits.empty()) {
        Error("no " + what + " '" + wanted + "'" + DidYouMean(match, names));
        return false;
    }
    std::string listed;
    for (size_t hit : match.hits) {
        listed += listed.empty() ? "" : ", ";
        listed += shown.empty() ? "'" + named[hit] + "'" : named[hit];
    }
    Error("'" + wanted + "' names " + std::to_string(match.hits.size()) + " " + what +
          "s: " + listed);
    return false;
}

std::vector<std::string> Console::RowLabels(HWND frame) {
    HWND list = GetDlgItem(frame, AFX_IDW_PANE_FIRST);
    int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> labels;
    labels.reserve(static_cast<size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i) {
        char text[512] = "";
        LVITEMA item{};
        item.iSubItem = 0;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
        std::string label = text;
        label.erase(0, label.find_first_not_of(" -"));
        labels.push_back(FromCodePage(label));
    }
    return labels;
}

bool Console::RowArg(const Args& args, size_t index, HWND frame, long& row) {
    if (IsNumber(args, index))
        return IntArg(args[index], row);
    std::vector<std::string> labels = RowLabels(frame);
    std::vector<std::string> shown;
    for (size_t i = 0; i < labels.size(); ++i)
        shown.push_back("'" + labels[i] + "' (row " + std::to_string(i) + ")");
    size_t found = 0;
    if (!PickName(args[index], "row", labels, found, shown))
        return false;
    row = static_cast<long>(found);
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
        if (pad == nullptr)
            return PadByName(text, pad);
    }
    if (pad == nullptr || !desktop.IsLive(pad)) {
        Error("no pad '" + text + "'");
        return false;
    }
    return true;
}

bool Console::PadByName(const std::string& text, DesktopPad*& pad) {
    Desktop& desktop = session_.GetDesktop();
    std::vector<DesktopPad*> pads = desktop.AllPads();
    std::vector<std::string> paths;
    paths.reserve(pads.size());
    for (DesktopPad* each : pads)
        paths.push_back(FromCodePage(desktop.PathOf(each)));
    std::string wanted = text.size() > 1 && text.front() == '/' ? text.substr(1) : text;
    NameMatch match = MatchName(wanted, paths);
    if (match.hits.size() == 1) {
        pad = pads[match.hits.front()];
        return true;
    }
    if (match.hits.empty()) {
        // A pad named by its own name alone is most likely the one a person meant.
        std::string last = FoldName(wanted.substr(wanted.rfind('/') + 1));
        std::vector<size_t> named;
        for (size_t i = 0; i < paths.size() && named.size() < 2; ++i) {
            if (FoldName(paths[i].substr(paths[i].rfind('/') + 1)) == last)
                named.push_back(i);
        }
        if (!named.empty())
            match.nearest = named;
    }
    if (match.hits.empty()) {
        Error("no pad '" + text + "'" + DidYouMean(match, paths));
        return false;
    }
    size_t index = 0;
    PickName(wanted, "pad", paths, index);
    return false;
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
    if (!ArgCount(args, 1, 1, "wait MS") || !IntArg(args[0], milliseconds, 0, kLongestWait))
        return;
    LetTimePass(milliseconds);
}

void Console::CmdPads(const Args&) {
    session_.DescribePads([this](const std::string& line) { Print(FromCodePage(line)); });
}

void Console::CmdHelp(const Args& args) {
    if (args.empty()) {
        // The words by group, each group in the order the words were defined; words of no
        // group last.
        std::vector<std::string> groups(HelpGroups().begin(), HelpGroups().end());
        groups.push_back("other");
        for (const std::string& group : groups) {
            std::vector<std::string> words;
            for (const std::string& name : order_) {
                const CommandHelp* help = FindCommandHelp(name);
                if ((help != nullptr ? help->group : "other") == group)
                    words.push_back(name);
            }
            if (words.empty())
                continue;
            std::sort(words.begin(), words.end());
            Print(group + ":");
            for (const std::string& name : words)
                Print(commands_[name].usage + "\t" + commands_[name].summary);
        }
        Print("help WORD tells more of one command");
        return;
    }
    if (!ArgCount(args, 1, 1, "help [WORD]"))
        return;
    auto it = commands_.find(args[0]);
    if (it == commands_.end()) {
        Error("no command '" + args[0] + "'" + DidYouMean(MatchName(args[0], order_), order_));
        return;
    }
    Print("usage: " + it->second.usage);
    Print(it->second.summary);
    if (const CommandHelp* help = FindCommandHelp(args[0])) {
        Print(std::string("prints: ") + help->prints);
        Print(std::string("example: ") + help->example);
    }
}
