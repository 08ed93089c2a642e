#include "Console.h"
#include "DesktopSession.h"
#include "InputSource.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <memory>
#include <string>
#include <vector>

namespace {

const char* const kUsage =
    "usage: mvdesk [--lang en|ja] [--scene FILE] [--script FILE] [--registry FILE]\n"
    "              [--help-dir DIR] [-e COMMAND]... [--help] [--version]\n";

void Usage() {
    std::fputs(kUsage, stderr);
}

void Help() {
    std::fputs(kUsage, stdout);
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
    DesktopSession::Options options;
    std::string script;
    std::vector<std::string> startup;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        bool takesValue = arg == "--lang" || arg == "--scene" || arg == "--script" ||
                          arg == "--registry" || arg == "--help-dir" || arg == "-e";
        if (arg == "--help") {
            Help();
            return 0;
        } else if (arg == "--version") {
            std::printf("mvdesk %s\n", MV_VERSION);
            return 0;
        } else if (takesValue && !hasValue) {
            std::fprintf(stderr, "mvdesk: %s needs a value\n", arg.c_str());
            Usage();
            return 2;
        } else if (arg == "--lang") {
            std::string lang = argv[++i];
            if (lang != "en" && lang != "ja") {
                std::fprintf(stderr, "mvdesk: --lang takes en or ja, not '%s'\n", lang.c_str());
                return 2;
            }
            options.japanese = lang == "ja";
        } else if (arg == "--scene") {
            options.scene = argv[++i];
        } else if (arg == "--script") {
            script = argv[++i];
        } else if (arg == "--registry") {
            options.registry = argv[++i];
        } else if (arg == "--help-dir") {
            options.helpDirectory = argv[++i];
        } else if (arg == "-e") {
            startup.push_back(argv[++i]);
        } else {
            std::fprintf(stderr, "mvdesk: unknown option '%s'\n", arg.c_str());
            Usage();
            return 2;
        }
    }
    // A person at a terminal is shown the desktop; a script or a pipe sees only what it asks.
    bool demoStart = script.empty() && startup.empty() && isatty(STDIN_FILENO) != 0;
    if (demoStart)
        startup = {"pads", "open", "show 1"};

    DesktopSession session;
    std::string error;
    if (!session.Start(options, argv[0], error)) {
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
