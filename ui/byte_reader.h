// Bounds-checked little-endian reads from a byte buffer, for the hand-written decoders of files that
// come from anywhere. A read outside the buffer gives 0; Has() tells the caller beforehand.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace rovan {

class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

  std::size_t size() const { return bytes_.size(); }
  // Whether count bytes from offset lie inside the buffer (overflow-safe).
  bool Has(std::size_t offset, std::size_t count) const {
    return offset <= bytes_.size() && count <= bytes_.size() - offset;
  }

  std::uint8_t U8(std::size_t at) const { return Has(at, 1) ? static_cast<std::uint8_t>(bytes_[at]) : 0; }
  std::uint16_t U16(std::size_t at) const { return static_cast<std::uint16_t>(U8(at) | U8(at + 1) << 8); }
  std::uint32_t U32(std::size_t at) const { return U16(at) | static_cast<std::uint32_t>(U16(at + 2)) << 16; }
  std::int16_t I16(std::size_t at) const { return static_cast<std::int16_t>(U16(at)); }
  std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

 private:
  std::string_view bytes_;
};

}  // namespace rovan
