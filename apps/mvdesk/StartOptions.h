#pragma once

#include "DesktopSession.h"

#include <string>
#include <vector>

// What mvdesk and mvdeskw are started with: mvdesk [--lang en|ja] [--scene FILE]
// [--script FILE] [--registry FILE] [--help-dir DIR] [-e COMMAND]...
struct StartOptions {
    DesktopSession::Options session;
    std::string script;
    std::vector<std::string> startup;

    // False with `error` saying why; an empty error asks for the usage text.
    bool Parse(int argc, char** argv, std::string& error);
    static const char* Usage();
};
