#include "Console.h"
#include "DesktopSession.h"
#include "InputSource.h"

#include <cstdio>
#include <cstring>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <memory>
#include <string>
#include <vector>

namespace {

void Usage() {
    std::fputs("usage: mvdesk [--lang en|ja] [--scene FILE] [--script FILE] [--registry FILE]\n"
               "              [--help-dir DIR] [-e COMMAND]...\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Lines end in a line feed alone, as on every system the transcripts are compared on.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    DesktopSession::Options options;
    std::string script;
    std::vector<std::string> startup;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--lang" && hasValue) {
            std::string lang = argv[++i];
            if (lang != "en" && lang != "ja") {
                std::fprintf(stderr, "mvdesk: --lang takes en or ja, not '%s'\n", lang.c_str());
                return 2;
            }
            options.japanese = lang == "ja";
        } else if (arg == "--scene" && hasValue) {
            options.scene = argv[++i];
        } else if (arg == "--script" && hasValue) {
            script = argv[++i];
        } else if (arg == "--registry" && hasValue) {
            options.registry = argv[++i];
        } else if (arg == "--help-dir" && hasValue) {
            options.helpDirectory = argv[++i];
        } else if (arg == "-e" && hasValue) {
            startup.push_back(argv[++i]);
        } else {
            Usage();
            return 2;
        }
    }

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
