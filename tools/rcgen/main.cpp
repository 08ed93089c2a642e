// Writes the Inspector module's resources as a Win32 resource script: mvkinsp.rc in the
// folder given, with its icons and bitmaps in the folder's en and ja folders; and the
// scripts of the build's other binaries (their version resources, the programs' icon).

#include "rcgen/ImageFiles.h"
#include "rcgen/ModuleContents.h"
#include "rcgen/RcScriptWriter.h"
#include "rcgen/VersionScript.h"
#include "resources/InspResources.h"
#include "resources/ResourceIds.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

void WriteImages(const std::filesystem::path& folder, Language language,
                 const RcContents& contents) {
    const InspResources& resources = inspResources();
    std::filesystem::path images = folder / RcScriptWriter::ImageFolder(language);
    std::filesystem::create_directories(images);
    for (UINT id : contents.icons) {
        const ImageResource& icon = *resources.FindIcon(language, id);
        // The frame icon also at 32x32, for the task switcher and Explorer.
        WriteFile(images / RcScriptWriter::IconFileName(id),
                  id == IDR_MAINFRAME ? IconFileBytes({icon, DoubledImage(icon)})
                                      : IconFileBytes(icon));
    }
    for (UINT id : contents.bitmaps)
        WriteFile(images / RcScriptWriter::BitmapFileName(id),
                  BitmapFileBytes(*resources.FindBitmap(language, id)));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mvkinsp_rcgen <output folder>\n";
        return 2;
    }
    try {
        std::filesystem::path folder = argv[1];
        RcContents contents = InspectorContents();
        std::string script = RcScriptWriter::Script(inspResources(), contents);
        WriteImages(folder, Language::English, contents);
        WriteImages(folder, Language::Japanese, contents);
        WriteFile(folder / "mvkinsp.rc", script);
        std::string frameIcon = RcScriptWriter::ImageFolder(Language::English) + "/" +
                                RcScriptWriter::IconFileName(IDR_MAINFRAME);
        for (const BinaryInfo& binary : version::OtherBinaries()) {
            std::string name = binary.fileName.substr(0, binary.fileName.find('.'));
            WriteFile(folder / (name + ".rc"), version::Script(binary, frameIcon));
        }
    } catch (const std::exception& error) {
        std::cerr << "mvkinsp_rcgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
