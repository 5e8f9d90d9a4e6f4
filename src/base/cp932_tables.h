#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tubeline {

// The Windows Japanese code page as tables, for a C library without it; generated from the
// build machine's converter by generate_cp932_tables.py.

// A character above ASCII and its bytes: one byte (below 0x100) or a lead and a trail byte.
struct Cp932Encoding {
    std::uint32_t CodePoint;
    std::uint16_t Bytes;
};
// By rising code point.
std::span<const Cp932Encoding> Cp932Encodings();

// Lead bytes 0x81..0x9F and 0xE0..0xFC; trail bytes 0x40..0xFC without 0x7F.
inline constexpr int kCp932TrailCount = 188;
inline constexpr int kCp932LeadCount = 60;
// The code point of each single byte 0x80..0xFF, then of each lead and trail pair, lead by
// lead; 0 where the code page has none.
inline constexpr std::size_t kCp932DecodedCount = 128 + kCp932LeadCount * kCp932TrailCount;
extern const std::array<std::uint16_t, kCp932DecodedCount> kCp932Decoded;

}  // namespace tubeline
