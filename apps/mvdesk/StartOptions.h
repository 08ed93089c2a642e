#pragma once

#include "DesktopSession.h"

#include <string>
#include <vector>

// What mvdesk and mvdeskw are started with: mvdesk [--lang en|ja] [--scene FILE]
// [--script FILE] [--registry FILE] [--help-dir DIR] [-e COMMAND]... [--help] [--version]
struct StartOptions {
    DesktopSession::Options session;
    std::string script;
    std::vector<std::string> startup;
    // --help or --version was given: print that and leave.
    bool help = false;
    bool version = false;

    // False with `error` naming the option at fault.
    bool Parse(int argc, char** argv, std::string& error);
    static const char* Usage();
};
