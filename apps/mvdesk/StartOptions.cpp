#include "StartOptions.h"

bool StartOptions::Parse(int argc, char** argv, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--lang" && hasValue) {
            std::string lang = argv[++i];
            if (lang != "en" && lang != "ja") {
                error = "--lang takes en or ja, not '" + lang + "'";
                return false;
            }
            session.japanese = lang == "ja";
        } else if (arg == "--scene" && hasValue) {
            session.scene = argv[++i];
        } else if (arg == "--script" && hasValue) {
            script = argv[++i];
        } else if (arg == "--registry" && hasValue) {
            session.registry = argv[++i];
        } else if (arg == "--help-dir" && hasValue) {
            session.helpDirectory = argv[++i];
        } else if (arg == "-e" && hasValue) {
            startup.push_back(argv[++i]);
        } else {
            error.clear();
            return false;
        }
    }
    return true;
}

const char* StartOptions::Usage() {
    return "usage: mvdesk [--lang en|ja] [--scene FILE] [--script FILE] [--registry FILE]\n"
           "              [--help-dir DIR] [-e COMMAND]...\n";
}
