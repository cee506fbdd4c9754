#include "storage/sample_pictures.h"

#include <cstdint>

#include "ui/bmp_codec.h"
#include "ui/jpeg_codec.h"
#include "ui/png_codec.h"
#include "ui/rgba_image.h"

namespace rovan {
namespace {

constexpr int kLarghezza = 48;
constexpr int kAltezza = 32;

struct Colore {
  uint8_t r, g, b;
};

Colore ColoreDi(int variante) {
  return Colore{static_cast<uint8_t>(60 + (variante * 53) % 180), static_cast<uint8_t>(60 + (variante * 97) % 180),
                static_cast<uint8_t>(60 + (variante * 31) % 180)};
}

// A panel of the variant's colour with a white frame.
RgbaImage Pannello(int variante) {
  const Colore c = ColoreDi(variante);
  RgbaImage img(kLarghezza, kAltezza);
  for (int y = 3; y < kAltezza - 3; ++y) {
    for (int x = 3; x < kLarghezza - 3; ++x) {
      uint8_t* p = img.Pixel(x, y);
      p[0] = c.r;
      p[1] = c.g;
      p[2] = c.b;
    }
  }
  return img;
}

void Le16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Le32(std::string& out, uint32_t v) {
  Le16(out, v & 0xFFFF);
  Le16(out, v >> 16);
}

// A record of a Windows metafile: size in 16-bit words, function, parameters.
void RecordWmf(std::string& out, uint16_t funzione, std::initializer_list<int16_t> parametri) {
  Le32(out, static_cast<uint32_t>(3 + parametri.size()));
  Le16(out, funzione);
  for (int16_t p : parametri) Le16(out, static_cast<uint16_t>(p));
}

// A placeable metafile: header, a brush of the variant's colour, a rectangle and an ellipse.
std::string Wmf(int variante) {
  const Colore c = ColoreDi(variante);
  std::string corpo;
  RecordWmf(corpo, 0x020B, {0, 0});                       // SetWindowOrg
  RecordWmf(corpo, 0x020C, {kAltezza * 10, kLarghezza * 10});  // SetWindowExt (y, x)
  // CreateBrushIndirect: style 0 (solid), colour, hatch.
  RecordWmf(corpo, 0x02FC, {0, static_cast<int16_t>(c.r | (c.g << 8)), static_cast<int16_t>(c.b), 0});
  RecordWmf(corpo, 0x012D, {0});                          // SelectObject 0
  RecordWmf(corpo, 0x041B, {kAltezza * 10 - 10, kLarghezza * 10 - 10, 10, 10});  // Rectangle (b, r, t, l)
  RecordWmf(corpo, 0x0418, {kAltezza * 8, kLarghezza * 8, kAltezza * 2, kLarghezza * 2});  // Ellipse
  RecordWmf(corpo, 0x0000, {});                           // EOF

  std::string out;
  Le32(out, 0x9AC6CDD7);  // placeable signature
  Le16(out, 0);
  Le16(out, 0);
  Le16(out, 0);
  Le16(out, kLarghezza * 10);
  Le16(out, kAltezza * 10);
  Le16(out, 1440);  // units per inch
  Le32(out, 0);
  uint16_t checksum = 0;
  for (size_t i = 0; i + 1 < out.size(); i += 2)
    checksum ^= static_cast<uint16_t>(static_cast<uint8_t>(out[i]) | (static_cast<uint8_t>(out[i + 1]) << 8));
  Le16(out, checksum);
  // Standard header: type 1 (memory), 9 words, version 0x300, size in words, one object, largest record.
  Le16(out, 1);
  Le16(out, 9);
  Le16(out, 0x0300);
  Le32(out, static_cast<uint32_t>((18 + corpo.size()) / 2));
  Le16(out, 1);
  Le32(out, 7);
  Le16(out, 0);
  return out + corpo;
}

void RecordEmf(std::string& out, uint32_t tipo, std::initializer_list<uint32_t> parametri) {
  Le32(out, tipo);
  Le32(out, static_cast<uint32_t>(8 + 4 * parametri.size()));
  for (uint32_t p : parametri) Le32(out, p);
}

// An enhanced metafile: header, a brush of the variant's colour, a rectangle and an ellipse.
std::string Emf(int variante) {
  const Colore c = ColoreDi(variante);
  std::string corpo;
  RecordEmf(corpo, 39, {1, 0, static_cast<uint32_t>(c.r | (c.g << 8) | (c.b << 16)), 0});  // CREATEBRUSHINDIRECT
  RecordEmf(corpo, 37, {1});                                                              // SELECTOBJECT
  RecordEmf(corpo, 43, {2, 2, kLarghezza - 3, kAltezza - 3});                             // RECTANGLE
  RecordEmf(corpo, 42, {kLarghezza / 4, kAltezza / 4, kLarghezza * 3 / 4, kAltezza * 3 / 4});  // ELLIPSE
  RecordEmf(corpo, 14, {0, 16, 20});                                                      // EOF
  std::string header;
  const uint32_t dimHeader = 88;
  Le32(header, 1);  // EMR_HEADER
  Le32(header, dimHeader);
  for (uint32_t v : {0u, 0u, static_cast<uint32_t>(kLarghezza - 1), static_cast<uint32_t>(kAltezza - 1)})
    Le32(header, v);  // bounds in pixels
  for (uint32_t v : {0u, 0u, static_cast<uint32_t>(kLarghezza * 26), static_cast<uint32_t>(kAltezza * 26)})
    Le32(header, v);  // frame in 0.01 mm
  Le32(header, 0x464D4520);  // " EMF"
  Le32(header, 0x00010000);
  Le32(header, static_cast<uint32_t>(dimHeader + corpo.size()));
  Le32(header, 6);  // records
  Le16(header, 2);  // handles
  Le16(header, 0);
  for (uint32_t v : {0u, 0u, 0u, 1024u, 768u, 320u, 240u}) Le32(header, v);  // description, palette, device
  return header + corpo;
}

}  // namespace

std::string ImmagineCampione(const std::string& tipo, int variante) {
  if (tipo == "bmp") return EncodeBmp(Pannello(variante));
  if (tipo == "jpg") return EncodeJpeg(Pannello(variante), 85);
  if (tipo == "png") return EncodePng(Pannello(variante));
  if (tipo == "wmf" || tipo == "dis") return Wmf(variante);
  if (tipo == "emf") return Emf(variante);
  return {};
}

}  // namespace rovan
