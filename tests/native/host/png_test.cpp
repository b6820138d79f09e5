#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "host/core/png.h"

namespace host::png {
namespace {

std::uint32_t BigEndian(const std::uint8_t* p) {
  return (std::uint32_t{p[0]} << 24) | (std::uint32_t{p[1]} << 16) | (std::uint32_t{p[2]} << 8) | p[3];
}

struct Decoded {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
  std::vector<std::string> chunks;
  int storedBlocks = 0;
};

// Reads back what EncodeRgb writes (stored blocks, filter 0), checking every
// checksum on the way; failures are reported through gtest.
Decoded Decode(const std::vector<std::uint8_t>& file) {
  Decoded d;
  const std::uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_EQ(std::memcmp(file.data(), signature, 8), 0);
  std::vector<std::uint8_t> zlib;
  for (std::size_t at = 8; at + 12 <= file.size();) {
    std::uint32_t length = BigEndian(&file[at]);
    std::string type(file.begin() + static_cast<long>(at) + 4, file.begin() + static_cast<long>(at) + 8);
    const std::uint8_t* data = &file[at + 8];
    EXPECT_EQ(BigEndian(data + length), Crc32(&file[at + 4], length + 4)) << type;
    d.chunks.push_back(type);
    if (type == "IHDR") {
      d.width = static_cast<int>(BigEndian(data));
      d.height = static_cast<int>(BigEndian(data + 4));
      EXPECT_EQ(std::vector<std::uint8_t>(data + 8, data + 13), (std::vector<std::uint8_t>{8, 2, 0, 0, 0}));
    }
    if (type == "IDAT") zlib.insert(zlib.end(), data, data + length);
    at += 12 + length;
  }
  EXPECT_EQ((zlib[0] * 256 + zlib[1]) % 31, 0);
  std::vector<std::uint8_t> raw;
  std::size_t at = 2;
  for (bool last = false; !last;) {
    last = zlib[at] & 1;
    EXPECT_EQ(zlib[at] & 6, 0);  // stored
    std::size_t len = zlib[at + 1] | (zlib[at + 2] << 8);
    std::size_t nlen = zlib[at + 3] | (zlib[at + 4] << 8);
    EXPECT_EQ(len ^ 0xFFFF, nlen);
    raw.insert(raw.end(), zlib.begin() + static_cast<long>(at) + 5,
               zlib.begin() + static_cast<long>(at + 5 + len));
    at += 5 + len;
    ++d.storedBlocks;
  }
  EXPECT_EQ(BigEndian(&zlib[at]), Adler32(raw.data(), raw.size()));
  EXPECT_EQ(at + 4, zlib.size());
  std::size_t stride = 1 + 3 * static_cast<std::size_t>(d.width);
  EXPECT_EQ(raw.size(), stride * static_cast<std::size_t>(d.height));
  for (int y = 0; y < d.height; ++y) {
    const std::uint8_t* row = &raw[static_cast<std::size_t>(y) * stride];
    EXPECT_EQ(row[0], 0);
    for (int x = 0; x < d.width; ++x) {
      const std::uint8_t* p = row + 1 + 3 * x;
      d.pixels.push_back((std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2]);
    }
  }
  return d;
}

TEST(Png, ChecksumsOfKnownInputs) {
  auto bytes = [](const char* s) { return reinterpret_cast<const std::uint8_t*>(s); };
  EXPECT_EQ(Crc32(bytes("123456789"), 9), 0xCBF43926u);
  EXPECT_EQ(Crc32(bytes("IEND"), 4), 0xAE426082u);
  EXPECT_EQ(Adler32(bytes("Wikipedia"), 9), 0x11E60398u);
  EXPECT_EQ(Adler32(nullptr, 0), 1u);
  // Running sums continue across pieces.
  EXPECT_EQ(Crc32(bytes("6789"), 4, Crc32(bytes("12345"), 5)), 0xCBF43926u);
}

TEST(Png, RoundTripsPixels) {
  struct Case {
    int width, height;
    int blocks;  // stored blocks of at most 65535 bytes
  } cases[] = {{1, 1, 1}, {3, 2, 1}, {200, 120, 2}, {28, 771, 1} /* 771 rows of 85 bytes: 65535 */, {28, 772, 2}, {21845, 1, 2}};
  for (const Case& c : cases) {
    std::vector<std::uint32_t> pixels;
    for (int i = 0; i < c.width * c.height; ++i) pixels.push_back((static_cast<std::uint32_t>(i) * 2654435761u) & 0xFFFFFF);
    Decoded d = Decode(EncodeRgb(c.width, c.height, pixels));
    EXPECT_EQ(d.width, c.width);
    EXPECT_EQ(d.height, c.height);
    EXPECT_EQ(d.pixels, pixels) << c.width << "x" << c.height;
    EXPECT_EQ(d.storedBlocks, c.blocks) << c.width << "x" << c.height;
    EXPECT_EQ(d.chunks, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  }
}

TEST(Png, RefusesSizesThatDoNotFit) {
  EXPECT_THROW(EncodeRgb(0, 1, {}), std::invalid_argument);
  EXPECT_THROW(EncodeRgb(2, 2, {1, 2, 3}), std::invalid_argument);
}

}  // namespace
}  // namespace host::png
