#include "bmp_file.h"

#include <stdexcept>

namespace tubeline {
namespace {

constexpr int kFileHeaderBytes = 14;
constexpr int kInfoHeaderBytes = 40;
constexpr int kBitsPerPixel = 24;
constexpr std::int32_t kPixelsPerMetreAt96Dpi = 3780;

void PutLittleEndian(std::string& bytes, std::uint32_t value, int width) {
    for (int i = 0; i < width; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

std::string EncodeBmp(const RgbImage& image) {
    if (image.Width <= 0 || image.Height <= 0 ||
        image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height) {
        throw std::invalid_argument("EncodeBmp: pixel count does not match the size");
    }
    // Rows are stored bottom-up, each padded to a multiple of four bytes.
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.Width) * 3 + 3) & ~3u;
    const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.Height);
    const std::uint32_t offset = kFileHeaderBytes + kInfoHeaderBytes;

    std::string bytes;
    bytes.reserve(offset + pixelBytes);
    bytes += "BM";
    PutLittleEndian(bytes, offset + pixelBytes, 4);
    PutLittleEndian(bytes, 0, 4);  // reserved
    PutLittleEndian(bytes, offset, 4);

    PutLittleEndian(bytes, kInfoHeaderBytes, 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(image.Width), 4);
    PutLittleEndian(bytes, static_cast<std::uint32_t>(image.Height), 4);
    PutLittleEndian(bytes, 1, 2);  // planes
    PutLittleEndian(bytes, kBitsPerPixel, 2);
    PutLittleEndian(bytes, 0, 4);  // no compression
    PutLittleEndian(bytes, pixelBytes, 4);
    PutLittleEndian(bytes, kPixelsPerMetreAt96Dpi, 4);
    PutLittleEndian(bytes, kPixelsPerMetreAt96Dpi, 4);
    PutLittleEndian(bytes, 0, 4);  // colours used: all
    PutLittleEndian(bytes, 0, 4);  // important colours: all

    for (int y = image.Height - 1; y >= 0; --y) {
        const std::size_t rowStart = static_cast<std::size_t>(y) * image.Width;
        for (int x = 0; x < image.Width; ++x) {
            const std::uint32_t rgb = image.Pixels[rowStart + x];
            bytes.push_back(static_cast<char>(rgb & 0xFF));          // blue
            bytes.push_back(static_cast<char>((rgb >> 8) & 0xFF));   // green
            bytes.push_back(static_cast<char>((rgb >> 16) & 0xFF));  // red
        }
        bytes.append(rowBytes - static_cast<std::uint32_t>(image.Width) * 3, '\0');
    }
    return bytes;
}

}  // namespace tubeline
