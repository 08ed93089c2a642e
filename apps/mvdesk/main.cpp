#include "Console.h"
#include "DesktopSession.h"
#include "InputSource.h"
#include "StartOptions.h"

#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <memory>
#include <string>

int main(int argc, char** argv) {
#ifdef _WIN32
    // Lines end in a line feed alone, as on every system the transcripts are compared on.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    StartOptions start;
    std::string error;
    if (!start.Parse(argc, argv, error)) {
        if (error.empty())
            std::fputs(StartOptions::Usage(), stderr);
        else
            std::fprintf(stderr, "mvdesk: %s\n", error.c_str());
        return 2;
    }
    const std::string& script = start.script;

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
    bool goOn = true;
    for (const std::string& line : start.startup) {
        if (!(goOn = console.Execute(line)))
            break;
    }
    if (goOn)
        console.Run();
    console.Shutdown();
    bool failed = console.errorCount() > 0 || input->overlong();
    return failed && !input->interactive() ? 1 : 0;
}
