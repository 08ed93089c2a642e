#include "StartOptions.h"

bool StartOptions::Parse(int argc, char** argv, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        bool takesValue = arg == "--lang" || arg == "--scene" || arg == "--script" ||
                          arg == "--registry" || arg == "--help-dir" || arg == "-e";
        if (arg == "--help") {
            help = true;
        } else if (arg == "--version") {
            version = true;
        } else if (takesValue && !hasValue) {
            error = arg + " needs a value";
            return false;
        } else if (arg == "--lang") {
            std::string lang = argv[++i];
            if (lang != "en" && lang != "ja") {
                error = "--lang takes en or ja, not '" + lang + "'";
                return false;
            }
            session.japanese = lang == "ja";
        } else if (arg == "--scene") {
            session.scene = argv[++i];
        } else if (arg == "--script") {
            script = argv[++i];
        } else if (arg == "--registry") {
            session.registry = argv[++i];
        } else if (arg == "--help-dir") {
            session.helpDirectory = argv[++i];
        } else if (arg == "-e") {
            startup.push_back(argv[++i]);
        } else {
            error = "unknown option '" + arg + "'";
            return false;
        }
    }
    return true;
}

const char* StartOptions::Usage() {
    return "usage: mvdesk [--lang en|ja] [--scene FILE] [--script FILE] [--registry FILE]\n"
           "              [--help-dir DIR] [-e COMMAND]... [--help] [--version]\n";
}
