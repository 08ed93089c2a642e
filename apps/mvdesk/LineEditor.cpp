#include "LineEditor.h"

#include <cstdlib>
#include <filesystem>

std::string DefaultHistoryFile() {
    std::filesystem::path base;
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data == '/')
        base = data;
    else if (const char* home = std::getenv("HOME"); home && *home)
        base = std::filesystem::path(home) / ".local" / "share";
    else
        return "";
    return (base / "mosvane" / "mvdesk_history").string();
}
