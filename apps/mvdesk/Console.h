#pragma once

#include "FrameTracker.h"
#include "InputSource.h"
#include "platform/NativeBackend.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class DesktopSession;
class DesktopPad;

// Reads commands line by line, runs them against the desktop and its Inspectors and prints
// what happens. Texts of the desktop are in its code page; everything printed is UTF-8.
class Console {
public:
    Console(DesktopSession& session, InputSource& input);
    ~Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    // Runs one command line; false when it asks to quit.
    bool Execute(const std::string& line);
    // Reads and runs commands to the end of input, then closes everything.
    void Run();
    void Shutdown();
    int errorCount() const { return errors_; }

    void Print(const std::string& line);
    // Prints a text of the desktop's code page.
    std::string FromCodePage(const std::string& text) const;
    std::string ToCodePage(const std::string& utf8) const;

    using Args = std::vector<std::string>;
    void Define(const std::string& name, std::string usage, std::string summary,
                std::function<void(const Args&)> run);
    void Error(const std::string& message);

    // Argument helpers; each reports its own error and gives false on failure. Texts typed
    // at the console are UTF-8.
    bool FrameArg(const Args& args, size_t index, HWND& frame);
    // A frame the user can reach: not disabled, as it is while its dialog is open.
    bool UserFrameArg(const Args& args, size_t index, HWND& frame);
    bool PadArg(const std::string& text, DesktopPad*& pad);
    // A whole number of 32 bits, or within [low, high].
    bool IntArg(const std::string& text, long& value);
    bool IntArg(const std::string& text, long& value, long low, long high);
    bool ArgCount(const Args& args, size_t least, size_t most, const char* usage);
    DesktopSession& Session() { return session_; }
    // Dispatches what the last action queued, unless a modal loop is waiting for input and
    // will dispatch it itself; then brings the active frame's toolbar up to date.
    void Pump();
    // Lets `milliseconds` of the window system's clock pass in steps of 10, dispatching what
    // falls due (timers, and on Windows painting) after each step.
    void LetTimePass(long milliseconds);
    FrameTracker& Tracker() { return tracker_; }
    // A line that only looks (`where`) runs even while a message box or a context menu waits
    // for its answer; true when it was such a line.
    bool RanAside(const std::string& line);
    // The next input line, for what asks the console (a message box's or a context menu's
    // answer): waited for (`Asking::Now`), or only if at hand already (`Waiting`).
    std::optional<InputSource::Input> Ask(const char* prompt, native::Asking asking) {
        if (asking == native::Asking::Now)
            return NextLine(prompt);
        return input_.Poll(prompt);
    }

private:
    struct Command {
        std::string usage;
        std::string summary;
        std::function<void(const Args&)> run;
    };

    void DefineCommands();
    InputSource::Input NextLine(const char* prompt);
    int AnswerMessageBox(const native::MessageBoxRequest& request);

    void CmdOpen(const Args& args);
    void CmdInspectors(const Args& args);
    void CmdRows(const Args& args);
    void CmdList(const Args& args);
    void CmdPads(const Args& args);
    void CmdWait(const Args& args);
    void CmdHelp(const Args& args);

    DesktopSession& session_;
    InputSource& input_;
    FrameTracker tracker_;
    std::map<std::string, Command> commands_;
    std::vector<std::string> order_;
    int errors_ = 0;
    int modalDepth_ = 0;
    bool shutDown_ = false;
};
