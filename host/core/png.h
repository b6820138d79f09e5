#pragma once
// A small PNG writer for screenshots and captures: 8-bit RGB, no filtering,
// the image data in stored (uncompressed) deflate blocks.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace host::png {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

// pixels: 0x00RRGGBB, top row first, width * height of them.
std::vector<std::uint8_t> EncodeRgb(int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace host::png
