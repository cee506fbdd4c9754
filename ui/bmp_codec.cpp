#include "ui/bmp_codec.h"

#include <bit>
#include <cstdint>
#include <cstdlib>

#include "ui/byte_reader.h"

namespace rovan {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr int kMaxSide = 1 << 15;  // larger bitmaps are refused rather than allocated

// One channel of a bit-field pixel scaled to 8 bits.
std::uint8_t Channel(std::uint32_t pixel, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const int bits = std::popcount(mask >> shift);
  const std::uint32_t value = (pixel & mask) >> shift;
  const std::uint32_t max = (bits >= 32) ? 0xFFFFFFFFu : ((1u << bits) - 1);
  return static_cast<std::uint8_t>((static_cast<std::uint64_t>(value) * 255 + max / 2) / max);
}

void PutLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::optional<RgbaImage> DecodeBmp(std::string_view bytes) {
  ByteReader file(bytes);
  if (bytes.size() < 26 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const std::uint32_t dataOffset = file.U32(10);
  const std::uint32_t headerSize = file.U32(14);
  std::int64_t width = 0, height = 0;
  std::uint32_t bitCount = 0, compression = kBiRgb, colours = 0;
  std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
  std::size_t paletteEntry = 4;
  if (headerSize == 12) {  // the OS/2 core header: 16-bit sizes, 3-byte palette entries
    width = file.U16(18);
    height = file.U16(20);
    bitCount = file.U16(24);
    paletteEntry = 3;
  } else if (headerSize >= 40 && file.Has(14, 40)) {
    width = file.I32(18);
    height = file.I32(22);
    bitCount = file.U16(28);
    compression = file.U32(30);
    colours = file.U32(46);
  } else {
    return std::nullopt;
  }
  const bool topDown = height < 0;
  height = std::llabs(height);
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
  if (bitCount == 16) {  // 5-5-5 unless masks say otherwise
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  }
  if (compression == kBiBitfields || compression == kBiAlphaBitfields) {
    if (bitCount != 16 && bitCount != 32) return std::nullopt;
    // The masks follow a 40-byte header; later headers hold them inside.
    if (!file.Has(54, 12)) return std::nullopt;
    for (int i = 0; i < 3; ++i) masks[i] = file.U32(54 + 4 * static_cast<std::size_t>(i));
  } else if (compression != kBiRgb) {
    return std::nullopt;
  }
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32) {
    return std::nullopt;
  }

  std::vector<std::uint32_t> palette;
  if (bitCount <= 8) {
    const std::size_t count = colours != 0 && colours <= (1u << bitCount) ? colours : (1u << bitCount);
    const std::size_t start = 14 + headerSize;
    if (!file.Has(start, count * paletteEntry)) return std::nullopt;
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t at = start + i * paletteEntry;  // blue, green, red
      palette.push_back(static_cast<std::uint32_t>(file.U8(at + 2)) << 16 |
                        static_cast<std::uint32_t>(file.U8(at + 1)) << 8 | file.U8(at));
    }
  }

  const std::size_t stride = ((static_cast<std::size_t>(width) * bitCount + 31) / 32) * 4;
  if (!file.Has(dataOffset, stride * static_cast<std::size_t>(height))) return std::nullopt;
  RgbaImage image(static_cast<int>(width), static_cast<int>(height));
  for (int y = 0; y < image.height; ++y) {
    const int fileRow = topDown ? y : image.height - 1 - y;
    const std::size_t row = dataOffset + static_cast<std::size_t>(fileRow) * stride;
    for (int x = 0; x < image.width; ++x) {
      std::uint8_t* out = image.Pixel(x, y);
      const auto ux = static_cast<std::size_t>(x);
      if (bitCount <= 8) {
        const std::size_t bit = ux * bitCount;
        const unsigned index = (file.U8(row + bit / 8) >> (8 - bitCount - bit % 8)) & ((1u << bitCount) - 1);
        if (index >= palette.size()) return std::nullopt;
        out[0] = static_cast<std::uint8_t>(palette[index] >> 16);
        out[1] = static_cast<std::uint8_t>(palette[index] >> 8);
        out[2] = static_cast<std::uint8_t>(palette[index]);
      } else if (bitCount == 24) {
        out[0] = file.U8(row + ux * 3 + 2);
        out[1] = file.U8(row + ux * 3 + 1);
        out[2] = file.U8(row + ux * 3);
      } else {
        const std::uint32_t pixel = bitCount == 16 ? file.U16(row + ux * 2) : file.U32(row + ux * 4);
        for (int c = 0; c < 3; ++c) out[c] = Channel(pixel, masks[c]);
      }
    }
  }
  return image;
}

std::string EncodeBmp(const RgbaImage& image) {
  const std::size_t stride = (static_cast<std::size_t>(image.width) * 3 + 3) / 4 * 4;
  const std::size_t dataSize = stride * static_cast<std::size_t>(image.height);
  std::string out;
  out.reserve(54 + dataSize);
  out += "BM";
  PutLE(out, static_cast<std::uint32_t>(54 + dataSize), 4);
  PutLE(out, 0, 4);
  PutLE(out, 54, 4);
  PutLE(out, 40, 4);
  PutLE(out, static_cast<std::uint32_t>(image.width), 4);
  PutLE(out, static_cast<std::uint32_t>(image.height), 4);
  PutLE(out, 1, 2);
  PutLE(out, 24, 2);
  PutLE(out, kBiRgb, 4);
  PutLE(out, static_cast<std::uint32_t>(dataSize), 4);
  PutLE(out, 3780, 4);  // 96 dots per inch, in dots per metre
  PutLE(out, 3780, 4);
  PutLE(out, 0, 4);
  PutLE(out, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* p = image.Pixel(x, y);
      out.push_back(static_cast<char>(p[2]));
      out.push_back(static_cast<char>(p[1]));
      out.push_back(static_cast<char>(p[0]));
    }
    out.append(stride - static_cast<std::size_t>(image.width) * 3, '\0');
  }
  return out;
}

}  // namespace rovan
