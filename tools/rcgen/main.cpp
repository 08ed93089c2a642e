// Writes the Inspector module's resources as Win32 resource scripts: mvkinsp_en.rc and
// mvkinsp_ja.rc in the folder given, with their icons and bitmaps in its en and ja folders.

#include "rcgen/ImageFiles.h"
#include "rcgen/ModuleContents.h"
#include "rcgen/RcScriptWriter.h"
#include "resources/InspResources.h"

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

void WriteLanguage(const std::filesystem::path& folder, Language language,
                   const std::string& suffix) {
    const InspResources& resources = inspResources();
    RcContents contents = InspectorContents();
    RcScriptWriter writer(resources, language);
    std::string script = writer.Script(contents, suffix);
    std::filesystem::path images = folder / suffix;
    std::filesystem::create_directories(images);
    for (UINT id : contents.icons)
        WriteFile(images / RcScriptWriter::IconFileName(id),
                  IconFileBytes(*resources.FindIcon(language, id)));
    for (UINT id : contents.bitmaps)
        WriteFile(images / RcScriptWriter::BitmapFileName(id),
                  BitmapFileBytes(*resources.FindBitmap(language, id)));
    WriteFile(folder / ("mvkinsp_" + suffix + ".rc"), script);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: mvkinsp_rcgen <output folder>\n";
        return 2;
    }
    try {
        std::filesystem::path folder = argv[1];
        WriteLanguage(folder, Language::English, "en");
        WriteLanguage(folder, Language::Japanese, "ja");
    } catch (const std::exception& error) {
        std::cerr << "mvkinsp_rcgen: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
