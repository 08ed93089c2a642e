#include "rcgen/ImageFiles.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace {

const std::array<COLORREF, 16> kVgaPalette = {
    RGB(0, 0, 0),       RGB(128, 0, 0),   RGB(0, 128, 0),   RGB(128, 128, 0),
    RGB(0, 0, 128),     RGB(128, 0, 128), RGB(0, 128, 128), RGB(192, 192, 192),
    RGB(128, 128, 128), RGB(255, 0, 0),   RGB(0, 255, 0),   RGB(255, 255, 0),
    RGB(0, 0, 255),     RGB(255, 0, 255), RGB(0, 255, 255), RGB(255, 255, 255),
};

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPaletteSize = 16 * 4;

void Put16(std::string& out, uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Rows of a device-independent bitmap are padded to whole 32-bit words.
uint32_t RowBytes(int width, int bitsPerPixel) {
    return static_cast<uint32_t>((width * bitsPerPixel + 31) / 32 * 4);
}

void PutInfoHeader(std::string& out, const ImageResource& image, int storedHeight,
                   uint32_t imageBytes) {
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(image.width));
    Put32(out, static_cast<uint32_t>(storedHeight));
    Put16(out, 1); // planes
    Put16(out, 4); // bits per pixel
    Put32(out, 0); // no compression
    Put32(out, imageBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16); // colours used
    Put32(out, 0);
}

void PutPalette(std::string& out) {
    for (COLORREF colour : kVgaPalette) {
        out += static_cast<char>((colour >> 16) & 0xFF); // blue
        out += static_cast<char>((colour >> 8) & 0xFF);  // green
        out += static_cast<char>(colour & 0xFF);         // red
        out += '\0';
    }
}

// The colour plane, bottom row first. Masked pixels of an icon are written black so that
// the mask alone decides what shows through.
void PutColourPlane(std::string& out, const ImageResource& image, bool maskedBlack) {
    uint32_t rowBytes = RowBytes(image.width, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < image.width; ++x) {
            COLORREF colour = maskedBlack && image.Transparent(x, y) ? 0 : image.Pixel(x, y);
            int index = VgaPaletteIndex(colour);
            if (index < 0)
                throw std::invalid_argument("image " + std::to_string(image.id) +
                                            " has a colour outside the palette");
            auto& byte = row[static_cast<size_t>(x / 2)];
            byte = static_cast<char>(byte | (x % 2 == 0 ? index << 4 : index));
        }
        out += row;
    }
}

void PutMaskPlane(std::string& out, const ImageResource& image) {
    uint32_t rowBytes = RowBytes(image.width, 1);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < image.width; ++x) {
            if (image.Transparent(x, y))
                row[static_cast<size_t>(x / 8)] |= static_cast<char>(0x80 >> (x % 8));
        }
        out += row;
    }
}

} // namespace

int VgaPaletteIndex(COLORREF colour) {
    for (size_t i = 0; i < kVgaPalette.size(); ++i) {
        if (kVgaPalette[i] == colour)
            return static_cast<int>(i);
    }
    return -1;
}

std::string IconFileBytes(const ImageResource& image) {
    return IconFileBytes(std::vector<ImageResource>{image});
}

std::string IconFileBytes(const std::vector<ImageResource>& images) {
    constexpr uint32_t kDirectoryEntry = 16;
    std::string directory;
    std::string data;
    Put16(directory, 0);
    Put16(directory, 1); // an icon
    Put16(directory, static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + kDirectoryEntry * static_cast<uint32_t>(images.size());
    for (const ImageResource& image : images) {
        uint32_t colourBytes = RowBytes(image.width, 4) * static_cast<uint32_t>(image.height);
        uint32_t maskBytes = RowBytes(image.width, 1) * static_cast<uint32_t>(image.height);
        uint32_t imageBytes = kInfoHeaderSize + kPaletteSize + colourBytes + maskBytes;
        directory += static_cast<char>(image.width);
        directory += static_cast<char>(image.height);
        directory += static_cast<char>(16); // colours
        directory += '\0';
        Put16(directory, 1); // planes
        Put16(directory, 4); // bits per pixel
        Put32(directory, imageBytes);
        Put32(directory, offset + static_cast<uint32_t>(data.size()));
        // An icon's stored height counts the colour plane and the mask.
        PutInfoHeader(data, image, 2 * image.height, colourBytes + maskBytes);
        PutPalette(data);
        PutColourPlane(data, image, true);
        PutMaskPlane(data, image);
    }
    return directory + data;
}

ImageResource DoubledImage(const ImageResource& image) {
    ImageResource doubled;
    doubled.id = image.id;
    doubled.width = image.width * 2;
    doubled.height = image.height * 2;
    doubled.transparentColor = image.transparentColor;
    for (int y = 0; y < doubled.height; ++y) {
        for (int x = 0; x < doubled.width; ++x) {
            doubled.pixels.push_back(image.Pixel(x / 2, y / 2));
            doubled.mask.push_back(image.Transparent(x / 2, y / 2) ? 1 : 0);
        }
    }
    return doubled;
}

std::string BitmapFileBytes(const ImageResource& image) {
    uint32_t pixelBytes = RowBytes(image.width, 4) * static_cast<uint32_t>(image.height);
    uint32_t offset = 14 + kInfoHeaderSize + kPaletteSize;
    std::string out = "BM";
    Put32(out, offset + pixelBytes);
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, image, image.height, pixelBytes);
    PutPalette(out);
    PutColourPlane(out, image, false);
    return out;
}
