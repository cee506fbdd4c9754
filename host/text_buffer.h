// Texts across the C boundary of the substitute libraries: reading a caller's text and filling a caller's
// fixed-size buffer. Shared by libmotore and libgestionale so both truncate the same way.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace kalvor {

// A caller's zero-terminated text; a null pointer reads as the empty text, as the host treats it.
inline std::string_view TextOf(const char* text) { return text ? std::string_view(text) : std::string_view(); }

// Copies text into buf of `size` bytes: at most size - 1 bytes, then a terminating zero, so the buffer is
// always a valid text even when the value is cut. Nothing is written when buf is null or size is not positive.
// The cut is by bytes, as the host's own buffers are filled.
inline void CopyToBuffer(std::string_view text, char* buf, std::ptrdiff_t size) {
  if (buf == nullptr || size <= 0) return;
  const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
  if (n > 0) std::memcpy(buf, text.data(), n);  // an empty view may have a null data pointer
  buf[n] = '\0';
}

}  // namespace kalvor
