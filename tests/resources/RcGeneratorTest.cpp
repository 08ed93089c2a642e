#include "ResourceTest.h"
#include "rcgen/ImageFiles.h"
#include "rcgen/ModuleContents.h"
#include "rcgen/RcScriptWriter.h"
#include "rcgen/VersionScript.h"
#include "resources/ImageTable.h"
#include "resources/ResourceIds.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

namespace {

// Reads a resource-script string literal back, the way the resource compiler does.
std::string Unquote(const std::string& literal) {
    std::string text;
    for (size_t i = 1; i + 1 < literal.size(); ++i) {
        if (literal[i] == '"') {
            text += literal[++i];
        } else if (literal[i] == '\\') {
            char e = literal[++i];
            text += e == 'n' ? '\n' : e == 't' ? '\t' : e;
        } else {
            text += literal[i];
        }
    }
    return text;
}

uint32_t Read32(const std::string& bytes, size_t at) {
    auto b = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i]));
    };
    return b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
}

// The colour of a pixel of a 4-bit image stored bottom row first after its palette.
COLORREF PixelOf(const std::string& bytes, size_t palette, size_t plane, int width, int height,
                 int x, int y) {
    size_t rowBytes = static_cast<size_t>((width * 4 + 31) / 32 * 4);
    auto byte = static_cast<unsigned char>(
        bytes[plane + static_cast<size_t>(height - 1 - y) * rowBytes + static_cast<size_t>(x / 2)]);
    size_t index = x % 2 == 0 ? byte >> 4 : byte & 0x0F;
    size_t entry = palette + 4 * index;
    return RGB(static_cast<BYTE>(bytes[entry + 2]), static_cast<BYTE>(bytes[entry + 1]),
               static_cast<BYTE>(bytes[entry]));
}

class RcGeneratorTest : public ResourceTest {
protected:
    std::string Block(Language language) {
        return RcScriptWriter(inspResources(), language).Block(InspectorContents(), "images");
    }
};

TEST_F(RcGeneratorTest, QuotingEscapesWhatTheCompilerWouldRead) {
    const std::pair<std::string, std::string> cases[] = {
        {"Pad P&roperties", "\"Pad P&roperties\""},
        {"The \"From\" pad", "\"The \"\"From\"\" pad\""},
        {"a\\b", "\"a\\\\b\""},
        {"line\nnext", "\"line\\nnext\""},
        // In Shift-JIS the second byte of 表 is a backslash; in UTF-8 nothing needs escaping.
        {"表示\\", "\"表示\\\\\""},
    };
    for (const auto& [text, quoted] : cases) {
        EXPECT_EQ(RcScriptWriter::Quote(text), quoted) << text;
        EXPECT_EQ(Unquote(quoted), text);
    }
}

TEST_F(RcGeneratorTest, ScriptsHoldEveryResourceOfTheirLanguage) {
    RcContents contents = InspectorContents();
    for (Language language : kLanguages) {
        std::string script = Block(language);
        auto has = [&](const std::string& line) {
            return script.find("\n" + line) != std::string::npos;
        };
        for (UINT id : contents.menus)
            EXPECT_TRUE(has(std::to_string(id) + " MENU\n")) << id;
        for (UINT id : contents.accelerators)
            EXPECT_TRUE(has(std::to_string(id) + " ACCELERATORS\n")) << id;
        for (UINT id : contents.dialogs) {
            EXPECT_TRUE(has(std::to_string(id) + " DIALOGEX ")) << id;
            for (const DialogItemTemplate& item : inspResources().FindDialog(language, id)->items)
                EXPECT_NE(script.find(", " + std::to_string(item.id) + ", \"" + item.className),
                          std::string::npos)
                    << item.id;
        }
        for (UINT id : contents.toolbars)
            EXPECT_TRUE(has(std::to_string(id) + " TOOLBAR 16, 15\n")) << id;
        for (UINT id : contents.icons)
            EXPECT_TRUE(has(std::to_string(id) + " ICON \"images/icon" + std::to_string(id))) << id;
        for (UINT id : contents.bitmaps)
            EXPECT_TRUE(has(std::to_string(id) + " BITMAP \"images/bitmap")) << id;
        if (language == Language::English) {
            EXPECT_TRUE(has("    POPUP \"&Help\", HELP\n"));
        }
        EXPECT_TRUE(has("    0x41, 32830, VIRTKEY, CONTROL, NOINVERT\n"));
        EXPECT_TRUE(has("    0x70, 57669, VIRTKEY, SHIFT, NOINVERT\n"));
    }
}

// Every string reads back from the script as the module hands it out.
TEST_F(RcGeneratorTest, StringTableReadsBackExactly) {
    for (Language language : kLanguages) {
        std::istringstream script(Block(language));
        std::string line;
        while (std::getline(script, line) && line != "STRINGTABLE") {
        }
        std::getline(script, line); // BEGIN
        size_t count = 0;
        while (std::getline(script, line) && line != "END") {
            size_t comma = line.find(", ");
            UINT id = static_cast<UINT>(std::stoul(line.substr(4, comma - 4)));
            EXPECT_EQ(Unquote(line.substr(comma + 2)),
                      Utf8(inspResources().FindString(language, id), language))
                << id;
            ++count;
        }
        EXPECT_EQ(count, InspectorContents().strings.size());
    }
}

TEST_F(RcGeneratorTest, ScriptIsUtf8WithABlockPerLanguage) {
    std::string script = RcScriptWriter::Script(inspResources(), InspectorContents());
    size_t english = script.find("\nLANGUAGE 0x09, 0x01\n");
    size_t japanese = script.find("\nLANGUAGE 0x11, 0x01\n");
    ASSERT_NE(english, std::string::npos);
    ASSERT_NE(japanese, std::string::npos);
    EXPECT_LT(script.find("#pragma code_page(65001)\n"), english);
    const char* const japaneseLines[] = {
        "    32741, \"階層情報を表示することができません\"\n",
        "        MENUITEM \"選択(&E)\", 32705\n",
        "    POPUP \"ﾍﾙﾌﾟ(&H)\", HELP\n",
        "FONT 9, \"ＭＳ Ｐゴシック\", 0, 0, 0x80\n",
        "106 ICON \"ja/icon106.ico\"\n",
    };
    for (const char* line : japaneseLines)
        EXPECT_GT(script.find(line), japanese) << line;
    EXPECT_GT(script.find("106 ICON \"en/icon106.ico\"\n"), english);
}

TEST_F(RcGeneratorTest, MissingResourceIsAnError) {
    RcContents contents;
    contents.menus = {999};
    RcScriptWriter writer(inspResources(), Language::English);
    EXPECT_THROW(writer.Block(contents, "images"), std::runtime_error);
}

TEST_F(RcGeneratorTest, IconFilesKeepPixelsAndMask) {
    for (const ImageResource& icon : IconImages()) {
        std::string file = IconFileBytes(icon);
        ASSERT_EQ(Read32(file, 0), 0x00010000u); // reserved 0, type 1 (icon)
        size_t header = Read32(file, 18);
        size_t palette = header + 40, colours = palette + 64, mask = colours + 16 * 8;
        ASSERT_EQ(file.size(), mask + 16 * 4);
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                auto maskByte = static_cast<unsigned char>(
                    file[mask + static_cast<size_t>(15 - y) * 4 + x / 8]);
                bool transparent = (maskByte & (0x80 >> (x % 8))) != 0;
                ASSERT_EQ(transparent, icon.Transparent(x, y)) << icon.id << " " << x << "," << y;
                if (!transparent) {
                    ASSERT_EQ(PixelOf(file, palette, colours, 16, 16, x, y), icon.Pixel(x, y));
                }
            }
        }
    }
}

TEST_F(RcGeneratorTest, TheFrameIconHoldsItsPictureAt16And32Pixels) {
    const ImageResource& icon = *FindIconImage(IDR_MAINFRAME);
    std::string file = IconFileBytes({icon, DoubledImage(icon)});
    ASSERT_EQ(Read32(file, 4) & 0xFFFF, 2u); // two images
    for (int image = 0; image < 2; ++image) {
        size_t entry = 6 + 16 * static_cast<size_t>(image);
        int size = 16 << image;
        ASSERT_EQ(static_cast<unsigned char>(file[entry]), size);
        size_t header = Read32(file, entry + 12);
        ASSERT_EQ(static_cast<int>(Read32(file, header + 4)), size);
        size_t palette = header + 40, colours = palette + 64;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                if (icon.Transparent(x >> image, y >> image))
                    continue;
                ASSERT_EQ(PixelOf(file, palette, colours, size, size, x, y),
                          icon.Pixel(x >> image, y >> image))
                    << size << ": " << x << "," << y;
            }
        }
    }
}

TEST_F(RcGeneratorTest, EveryBinaryCarriesItsVersion) {
    std::string script = RcScriptWriter::Script(inspResources(), InspectorContents());
    EXPECT_NE(script.find("VALUE \"OriginalFilename\", \"mvkinsp.dll\""), std::string::npos);
    EXPECT_NE(script.find("FILETYPE 0x2\n"), std::string::npos);
    for (const BinaryInfo& binary : version::OtherBinaries()) {
        std::string other = version::Script(binary, "en/icon2.ico");
        EXPECT_NE(other.find("VALUE \"OriginalFilename\", \"" + binary.fileName + "\""),
                  std::string::npos);
        EXPECT_EQ(other.find("1 ICON \"en/icon2.ico\"") != std::string::npos, binary.program)
            << binary.fileName;
    }
}

TEST_F(RcGeneratorTest, BitmapFilesKeepPixels) {
    for (const ImageResource& bitmap : BitmapImages()) {
        std::string file = BitmapFileBytes(bitmap);
        ASSERT_EQ(file.substr(0, 2), "BM");
        ASSERT_EQ(Read32(file, 2), file.size());
        ASSERT_EQ(static_cast<int>(Read32(file, 18)), bitmap.width);
        for (int y = 0; y < bitmap.height; ++y) {
            for (int x = 0; x < bitmap.width; ++x)
                ASSERT_EQ(PixelOf(file, 54, Read32(file, 10), bitmap.width, bitmap.height, x, y),
                          bitmap.Pixel(x, y))
                    << bitmap.id << " " << x << "," << y;
        }
    }
    ImageResource odd = BitmapImages()[0];
    odd.pixels[0] = RGB(1, 2, 3);
    EXPECT_THROW(BitmapFileBytes(odd), std::invalid_argument);
}

TEST_F(RcGeneratorTest, GeneratorWritesScriptsAndImages) {
    std::filesystem::path folder = std::filesystem::temp_directory_path() / "mvkinsp_rcgen_test";
    std::filesystem::remove_all(folder);
    std::string command = std::string(MV_BUILD_BIN_DIR) + "/mvkinsp_rcgen " + folder.string();
    ASSERT_EQ(std::system(command.c_str()), 0);
    auto read = [](const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    RcContents contents = InspectorContents();
    EXPECT_EQ(read(folder / "mvkinsp.rc"), RcScriptWriter::Script(inspResources(), contents));
    for (Language language : kLanguages) {
        std::string images = RcScriptWriter::ImageFolder(language);
        for (UINT id : contents.icons) {
            const ImageResource& icon = *inspResources().FindIcon(language, id);
            EXPECT_EQ(read(folder / images / RcScriptWriter::IconFileName(id)),
                      id == IDR_MAINFRAME ? IconFileBytes({icon, DoubledImage(icon)})
                                          : IconFileBytes(icon));
        }
        for (UINT id : contents.bitmaps)
            EXPECT_EQ(read(folder / images / RcScriptWriter::BitmapFileName(id)),
                      BitmapFileBytes(*inspResources().FindBitmap(language, id)));
    }
    for (const BinaryInfo& binary : version::OtherBinaries()) {
        std::string name = binary.fileName.substr(0, binary.fileName.find('.'));
        EXPECT_EQ(read(folder / (name + ".rc")), version::Script(binary, "en/icon2.ico")) << name;
    }
    std::filesystem::remove_all(folder);
}

} // namespace
