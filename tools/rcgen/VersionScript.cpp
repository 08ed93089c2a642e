#include "rcgen/VersionScript.h"

#include "rcgen/RcScriptWriter.h"

#include <sstream>

namespace version {

std::string Block(const BinaryInfo& binary) {
    std::string numbers = std::to_string(kMajor) + "," + std::to_string(kMinor) + "," +
                          std::to_string(kPatch) + "," + std::to_string(kBuild);
    std::string dotted = std::to_string(kMajor) + "." + std::to_string(kMinor) + "." +
                         std::to_string(kPatch) + "." + std::to_string(kBuild);
    std::string internal = binary.fileName.substr(0, binary.fileName.find('.'));
    std::ostringstream out;
    out << "LANGUAGE 0x00, 0x00\n\n"
        << "1 VERSIONINFO\n"
        << "FILEVERSION " << numbers << "\n"
        << "PRODUCTVERSION " << numbers << "\n"
        << "FILEFLAGSMASK 0x3F\n"
        << "FILEFLAGS 0x0\n"
        << "FILEOS 0x40004\n" // VOS_NT_WINDOWS32
        << "FILETYPE " << (binary.program ? "0x1" : "0x2") << "\n"
        << "FILESUBTYPE 0x0\n"
        << "BEGIN\n"
        << "    BLOCK \"StringFileInfo\"\n"
        << "    BEGIN\n"
        << "        BLOCK \"040904E4\"\n"
        << "        BEGIN\n";
    const std::pair<const char*, std::string> values[] = {
        {"CompanyName", "Korvell"},
        {"FileDescription", binary.description},
        {"FileVersion", dotted},
        {"InternalName", internal},
        {"OriginalFilename", binary.fileName},
        {"ProductName", "Mosvane"},
        {"ProductVersion", std::to_string(kMajor) + "." + std::to_string(kMinor)},
    };
    for (const auto& [name, value] : values)
        out << "            VALUE \"" << name << "\", " << RcScriptWriter::Quote(value) << "\n";
    out << "        END\n"
        << "    END\n"
        << "    BLOCK \"VarFileInfo\"\n"
        << "    BEGIN\n"
        << "        VALUE \"Translation\", 0x409, 1252\n"
        << "    END\n"
        << "END\n";
    return out.str();
}

std::string Script(const BinaryInfo& binary, const std::string& icon) {
    std::ostringstream out;
    out << "// Resources of " << binary.fileName << ", written by mvkinsp_rcgen.\n\n"
        << "#pragma code_page(65001)\n\n"
        << Block(binary);
    if (binary.program && !icon.empty())
        out << "\n1 ICON " << RcScriptWriter::Quote(icon) << "\n";
    return out.str();
}

std::vector<BinaryInfo> OtherBinaries() {
    return {
        {"mvdesk.exe", "Mosvane Desktop (console)", true},
        {"mvdeskw.exe", "Mosvane Desktop", true},
        {"mvplatform.dll", "Mosvane application framework", false},
        {"mvkhost.dll", "Mosvane host interface", false},
    };
}

} // namespace version
