#pragma once

#include <string>
#include <vector>

// The version resource every binary of the Windows build carries, as Explorer's Properties
// and a host's installer read it, and the scripts of the binaries whose only resources
// these are (the desktop's programs also carry the Inspector's frame icon as their own).
struct BinaryInfo {
    std::string fileName; // "mvkinsp.dll"
    std::string description;
    bool program = false;
};

namespace version {

constexpr int kMajor = 4;
constexpr int kMinor = 1;
constexpr int kPatch = 0;
constexpr int kBuild = 0;

// A VERSIONINFO resource, in the neutral language, for the binary.
std::string Block(const BinaryInfo& binary);
// A whole resource script holding the version resource, and for a program the icon file
// `icon` (relative to the script) as its first icon.
std::string Script(const BinaryInfo& binary, const std::string& icon);
// The binaries besides the module that get a script of their own.
std::vector<BinaryInfo> OtherBinaries();

} // namespace version
