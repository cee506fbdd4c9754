#include "ui/jpeg_codec.h"

// libjpeg's header needs the standard I/O declarations first.
#include <cstdio>
#include <csetjmp>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>

namespace rovan {
namespace {

constexpr JDIMENSION kMaxSide = 1u << 15;

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to the
// setjmp of the function driving the codec. Warnings (corrupt or truncated data) are counted by the
// library and checked afterwards; nothing is printed.
struct JpegErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;

  JpegErrors() {
    jpeg_std_error(&mgr);
    mgr.error_exit = [](j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); };
    mgr.output_message = [](j_common_ptr) {};
  }
};

class Decompressor {
 public:
  Decompressor() {
    info.err = &errors.mgr;
    jpeg_create_decompress(&info);
  }
  ~Decompressor() { jpeg_destroy_decompress(&info); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  JpegErrors errors;
  jpeg_decompress_struct info;
};

class Compressor {
 public:
  Compressor() {
    info.err = &errors.mgr;
    jpeg_create_compress(&info);
  }
  ~Compressor() { jpeg_destroy_compress(&info); }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  JpegErrors errors;
  jpeg_compress_struct info;
};

// CMYK as Adobe writes it (inverted) or plain, to RGB in place.
void CmykToRgb(RgbaImage& image, bool adobeInverted) {
  for (std::size_t i = 0; i < image.pixels.size(); i += 4) {
    std::uint8_t* p = &image.pixels[i];
    const unsigned k = adobeInverted ? p[3] : 255u - p[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned ink = adobeInverted ? p[c] : 255u - p[c];
      p[c] = static_cast<std::uint8_t>(ink * k / 255);
    }
    p[3] = 255;
  }
}

// The libjpeg calls of a decode. Only objects without destructors live in this frame, so the jump
// back from error_exit skips none; the results go to objects owned by the caller.
bool RunDecode(Decompressor& d, std::string_view bytes, int scaleEighths, JpegDecoded& out) {
  if (setjmp(d.errors.jump)) return false;
  jpeg_mem_src(&d.info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
  if (jpeg_read_header(&d.info, TRUE) != JPEG_HEADER_OK) return false;
  if (d.info.image_width == 0 || d.info.image_height == 0 || d.info.image_width > kMaxSide ||
      d.info.image_height > kMaxSide) {
    return false;
  }
  const bool cmyk = d.info.jpeg_color_space == JCS_CMYK || d.info.jpeg_color_space == JCS_YCCK;
  d.info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_RGBA;
  d.info.scale_num = static_cast<unsigned>(scaleEighths);
  d.info.scale_denom = 8;
  if (!jpeg_start_decompress(&d.info)) return false;
  out.width = static_cast<int>(d.info.image_width);
  out.height = static_cast<int>(d.info.image_height);
  out.image = RgbaImage(static_cast<int>(d.info.output_width), static_cast<int>(d.info.output_height), 0);
  while (d.info.output_scanline < d.info.output_height) {
    JSAMPROW row = out.image.Pixel(0, static_cast<int>(d.info.output_scanline));
    if (jpeg_read_scanlines(&d.info, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(&d.info);
  if (d.errors.mgr.num_warnings != 0) return false;
  if (cmyk) CmykToRgb(out.image, d.info.saw_Adobe_marker);
  return true;
}

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};

// As RunDecode: no destructors in this frame. libjpeg allocates the output buffer with malloc.
bool RunEncode(Compressor& c, const RgbaImage& image, int quality, unsigned char** buffer, unsigned long* size) {
  if (setjmp(c.errors.jump)) return false;
  jpeg_mem_dest(&c.info, buffer, size);
  c.info.image_width = static_cast<JDIMENSION>(image.width);
  c.info.image_height = static_cast<JDIMENSION>(image.height);
  c.info.input_components = 4;
  c.info.in_color_space = JCS_EXT_RGBA;
  jpeg_set_defaults(&c.info);
  jpeg_set_quality(&c.info, quality, TRUE);
  jpeg_start_compress(&c.info, TRUE);
  while (c.info.next_scanline < c.info.image_height) {
    JSAMPROW row = const_cast<std::uint8_t*>(image.Pixel(0, static_cast<int>(c.info.next_scanline)));
    jpeg_write_scanlines(&c.info, &row, 1);
  }
  jpeg_finish_compress(&c.info);
  return true;
}

}  // namespace

std::optional<JpegDecoded> DecodeJpeg(std::string_view bytes, int scaleEighths) {
  if (scaleEighths < 1 || scaleEighths > 8) return std::nullopt;
  Decompressor decompressor;
  JpegDecoded decoded;
  if (!RunDecode(decompressor, bytes, scaleEighths, decoded)) return std::nullopt;
  return decoded;
}

int JpegScaleFor(int width, int height, int targetWidth, int targetHeight) {
  for (int n = 1; n < 8; ++n) {
    // libjpeg rounds scaled sizes up.
    const long long w = (static_cast<long long>(width) * n + 7) / 8;
    const long long h = (static_cast<long long>(height) * n + 7) / 8;
    if (w >= targetWidth && h >= targetHeight) return n;
  }
  return 8;
}

std::string EncodeJpeg(const RgbaImage& image, int quality) {
  if (image.width <= 0 || image.height <= 0) return {};
  Compressor compressor;
  unsigned char* raw = nullptr;
  unsigned long size = 0;
  const bool ok = RunEncode(compressor, image, quality, &raw, &size);
  const std::unique_ptr<unsigned char, FreeDeleter> buffer(raw);
  if (!ok) return {};
  return std::string(reinterpret_cast<const char*>(buffer.get()), size);
}

}  // namespace rovan
