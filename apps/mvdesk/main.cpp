#include "Console.h"
#include "DesktopSession.h"
#include "InputSource.h"
#include "StartOptions.h"
#include "Terminal.h"

#include <csignal>
#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <memory>
#include <string>
#include <vector>

namespace {

void Usage() {
    std::fputs(StartOptions::Usage(), stderr);
}

void Help() {
    std::fputs(StartOptions::Usage(), stdout);
    std::fputs("\n"
               "  --lang en|ja      English (the default) or Japanese resources and texts\n"
               "  --scene FILE      start on the desktop in FILE instead of the demo scene\n"
               "  --script FILE     read the commands from FILE instead of standard input\n"
               "  --registry FILE   keep the settings in FILE\n"
               "  --help-dir DIR    the desktop's help directory\n"
               "  -e COMMAND        run COMMAND first; may be given more than once\n"
               "  --help            print this and leave\n"
               "  --version         print the version and leave\n"
               "\n"
               "At a terminal, without --script or -e, mvdesk starts as ./run does: the pads, an\n"
               "Inspector on the desktop and what it shows. Type help for the commands.\n",
               stdout);
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Lines end in a line feed alone, as on every system the transcripts are compared on.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#else
    // A file-size limit makes a write fail with EFBIG instead of ending the program: the
    // registry store says the save failed and the session goes on.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    StartOptions start;
    std::string error;
    if (!start.Parse(argc, argv, error)) {
        std::fprintf(stderr, "mvdesk: %s\n", error.c_str());
        Usage();
        return 2;
    }
    if (start.help) {
        Help();
        return 0;
    }
    if (start.version) {
        std::printf("mvdesk %s\n", MV_VERSION);
        return 0;
    }
    const std::string& script = start.script;
    std::vector<std::string>& startup = start.startup;
    // A person at a terminal is shown the desktop; a script or a pipe sees only what it asks.
    bool demoStart = script.empty() && startup.empty() && IsTerminal(fileno(stdin));
    if (demoStart)
        startup = {"pads", "open", "show 1"};

    DesktopSession session;
    if (!session.Start(start.session, argv[0], error)) {
        std::fprintf(stderr, "mvdesk: %s\n", error.c_str());
        return 1;
    }
    std::unique_ptr<InputSource> input =
        script.empty() ? std::make_unique<InputSource>() : std::make_unique<InputSource>(script);
    if (!input->ok()) {
        std::fprintf(stderr, "mvdesk: cannot read script '%s'\n", script.c_str());
        return 1;
    }
    Console console(session, *input);
    if (demoStart)
        console.Print("help lists the commands, help WORD tells more; Tab completes a word");
    bool goOn = true;
    for (const std::string& line : startup) {
        if (!(goOn = console.Execute(line)))
            break;
    }
    if (goOn)
        console.Run();
    console.Shutdown();
    bool failed = console.errorCount() > 0 || input->overlong();
    return failed && !input->interactive() ? 1 : 0;
}
