#include "export/bmp_file.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tubeline {
namespace {

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

TEST(EncodeBmp, WritesAnUncompressedTwentyFourBitBitmapBottomUp) {
    // 3 x 2 pixels: rows of 9 bytes padded to 12.
    const RgbImage image{3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0x010203, 0x000000, 0xFFFFFF}};
    const std::string bytes = EncodeBmp(image);
    ASSERT_EQ(bytes.size(), 54u + 2 * 12);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(LittleEndian(bytes, 2, 4), bytes.size());
    EXPECT_EQ(LittleEndian(bytes, 10, 4), 54u);
    EXPECT_EQ(LittleEndian(bytes, 18, 4), 3u);
    EXPECT_EQ(LittleEndian(bytes, 22, 4), 2u);
    EXPECT_EQ(LittleEndian(bytes, 28, 2), 24u);
    EXPECT_EQ(LittleEndian(bytes, 30, 4), 0u) << "no compression";
    // The bottom row comes first, blue-green-red.
    EXPECT_EQ(bytes.substr(54, 12),
              std::string("\x03\x02\x01\x00\x00\x00\xFF\xFF\xFF\x00\x00\x00", 12));
    EXPECT_EQ(bytes.substr(66, 12),
              std::string("\x00\x00\xFF\x00\xFF\x00\xFF\x00\x00\x00\x00\x00", 12));
}

TEST(EncodeBmp, RefusesAPixelCountThatDoesNotMatch) {
    EXPECT_THROW(EncodeBmp(RgbImage{2, 2, {1, 2, 3}}), std::invalid_argument);
    EXPECT_THROW(EncodeBmp(RgbImage{0, 0, {}}), std::invalid_argument);
}

}  // namespace
}  // namespace tubeline
