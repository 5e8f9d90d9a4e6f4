#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tubeline {

// An image as 0xRRGGBB pixels, row by row from the top.
struct RgbImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// The bytes of an uncompressed 24-bit Windows bitmap of the image.
std::string EncodeBmp(const RgbImage& image);

}  // namespace tubeline
