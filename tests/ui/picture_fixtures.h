// Pictures made in the tests: plain images in every raster format, and Windows and enhanced
// metafiles written record by record.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/rgba_image.h"

namespace rovan::test {

// An image whose left half is one colour and right half another (0xRRGGBBAA each).
inline RgbaImage Halves(int width, int height, std::uint32_t left, std::uint32_t right) {
  RgbaImage image(width, height, left);
  const RgbaImage other(1, 1, right);
  for (int y = 0; y < height; ++y) {
    for (int x = width / 2; x < width; ++x) {
      for (int c = 0; c < 4; ++c) image.Pixel(x, y)[c] = other.Pixel(0, 0)[c];
    }
  }
  return image;
}

// The pixel as 0xRRGGBBAA.
inline std::uint32_t Rgba(const RgbaImage& image, int x, int y) {
  const std::uint8_t* p = image.Pixel(x, y);
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

inline void PutLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A placeable Windows metafile: records of 16-bit words after the two headers, closed by the end record.
class WmfBuilder {
 public:
  WmfBuilder(std::int16_t left, std::int16_t top, std::int16_t right, std::int16_t bottom, std::uint16_t inch)
      : box_{left, top, right, bottom}, inch_(inch) {}

  WmfBuilder& Record(std::uint16_t function, std::initializer_list<std::uint16_t> words) {
    PutLE(records_, static_cast<std::uint32_t>(3 + words.size()), 4);
    PutLE(records_, function, 2);
    for (std::uint16_t w : words) PutLE(records_, w, 2);
    return *this;
  }

  std::string Bytes() const {
    std::string placeable;
    PutLE(placeable, 0x9AC6CDD7u, 4);
    PutLE(placeable, 0, 2);
    for (std::int16_t v : box_) PutLE(placeable, static_cast<std::uint16_t>(v), 2);
    PutLE(placeable, inch_, 2);
    PutLE(placeable, 0, 4);
    std::uint16_t checksum = 0;
    for (std::size_t i = 0; i < placeable.size(); i += 2) {
      checksum ^= static_cast<std::uint16_t>(static_cast<std::uint8_t>(placeable[i]) |
                                             static_cast<std::uint8_t>(placeable[i + 1]) << 8);
    }
    PutLE(placeable, checksum, 2);
    const std::string body = records_ + std::string("\x03\x00\x00\x00\x00\x00", 6);  // the end record
    std::string header;
    PutLE(header, 1, 2);       // in memory
    PutLE(header, 9, 2);       // header words
    PutLE(header, 0x0300, 2);  // version
    PutLE(header, static_cast<std::uint32_t>((18 + body.size()) / 2), 4);
    PutLE(header, 8, 2);  // objects
    PutLE(header, 0, 4);
    PutLE(header, 0, 2);
    return placeable + header + body;
  }

 private:
  std::int16_t box_[4];
  std::uint16_t inch_;
  std::string records_;
};

// An enhanced metafile on a 96-dot-per-inch reference device, its frame width x height pixels.
class EmfBuilder {
 public:
  EmfBuilder(int width, int height) : width_(width), height_(height) {}

  // Parameters are 32-bit words, signed or not.
  EmfBuilder& Record(std::uint32_t type, std::initializer_list<std::int64_t> params) {
    PutLE(records_, type, 4);
    PutLE(records_, static_cast<std::uint32_t>(8 + 4 * params.size()), 4);
    for (std::int64_t v : params) PutLE(records_, static_cast<std::uint32_t>(v), 4);
    ++count_;
    return *this;
  }

  std::string Bytes() const {
    std::string end;
    PutLE(end, 14, 4);
    PutLE(end, 20, 4);
    PutLE(end, 0, 4);
    PutLE(end, 16, 4);
    PutLE(end, 20, 4);
    std::string header;
    PutLE(header, 1, 4);
    PutLE(header, 88, 4);
    for (int v : {0, 0, width_ - 1, height_ - 1}) PutLE(header, static_cast<std::uint32_t>(v), 4);  // bounds
    for (int v : {0, 0, width_ * 2540 / 96, height_ * 2540 / 96}) PutLE(header, static_cast<std::uint32_t>(v), 4);
    PutLE(header, 0x464D4520, 4);  // " EMF"
    PutLE(header, 0x10000, 4);
    PutLE(header, static_cast<std::uint32_t>(88 + records_.size() + end.size()), 4);
    PutLE(header, static_cast<std::uint32_t>(count_ + 2), 4);
    PutLE(header, 8, 2);  // handles
    PutLE(header, 0, 2);
    for (int i = 0; i < 3; ++i) PutLE(header, 0, 4);  // description, palette
    for (int v : {960, 960, 254, 254}) PutLE(header, static_cast<std::uint32_t>(v), 4);  // 96 dpi device
    return header + records_ + end;
  }

 private:
  int width_;
  int height_;
  std::string records_;
  int count_ = 0;
};

}  // namespace rovan::test
