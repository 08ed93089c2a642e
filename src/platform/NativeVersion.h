#pragma once

// Configures what the version functions report: the system directory and the version of
// the common-controls library found there (none: the file has no version information).

#include "WinTypes.h"

#include <optional>
#include <string>

namespace native {

constexpr const char* kDefaultSystemDirectory = "C:\\WINDOWS\\SYSTEM32";

void SetSystemDirectory(const std::string& directory);
// Version as the high and low word of the file version's most significant double word.
void SetCommonControlsVersion(std::optional<std::pair<WORD, WORD>> version);
void ResetVersionInfo();

} // namespace native
