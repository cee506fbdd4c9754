// The picture control's model: item pictures loaded from database fields or files in any stored
// format, recognised by content, fitted into a box, and rendered as thumbnails (RGBA bitmaps, BMP and
// PNG streams, files). No toolkit here: a window shows the control from its bounds and renderings.
//
// Kinds: BMP (by hand), JPEG (libjpeg-turbo, decoded at render time with DCT scaling), PNG (libpng),
// Windows and enhanced metafiles (our own players of the common drawing records; text is not drawn).
// Loading never throws for a bad picture: it reports failure and leaves the control empty.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ui/rgba_image.h"

namespace rovan {

class Picture;

enum TTypeImageDB { imdbNone = 0, imdbMetafile = 1, imdbBMP = 2, imdbJPEG = 3, imdbPNG = 4 };

// "imdbNone", "imdbMetafile", ...
const char* TTypeImageDBName(TTypeImageDB kind);

// The kind of a picture from its first 64 bytes: bytes below 48 or from 250 upward count as blanks;
// then, in order: nothing -> none; "JFIF" or "Exif" -> JPEG; starting "BM" -> BMP; "EMF" or "WMF", or
// starting D7 CD C6 9A (a placeable metafile) -> metafile; "PNG" -> PNG; else none.
TTypeImageDB DetectImageType(std::string_view bytes);

class TImageDB {
 public:
  // The bounds the control is created with; fitting centres pictures in them.
  TImageDB(int left = 0, int top = 0, int width = 0, int height = 0);
  ~TImageDB();
  TImageDB(const TImageDB&) = delete;
  TImageDB& operator=(const TImageDB&) = delete;

  // The remembered bounds.
  int OrigLeft, OrigTop, OrigWidth, OrigHeight;
  // The control's current bounds (changed by fitting).
  int Left, Top, Width, Height;

  TTypeImageDB tipo() const { return ftipo; }
  bool Loaded() const { return picture_ != nullptr; }
  // The loaded picture's size; 0 when empty.
  int PictureWidth() const;
  int PictureHeight() const;

  // A field's bytes (nullopt for a null field). Shorter than 64 bytes or of no known kind stays
  // empty. True when a picture was loaded.
  bool LoadFromField(const std::optional<std::string>& field);
  // As LoadFromField, then the control takes the picture's size scaled to fit the remembered bounds
  // without stretching, centred in them. An empty result leaves the bounds as they are.
  bool CaricaNoStretch(const std::optional<std::string>& campo);

  // A picture file. Extensions bmp, jpg, wmf, emf and png (the second dot-separated part of the file
  // name, any case) load as that kind. Other files are recognised by content and loaded through a
  // copy beside them named after the first part of the name with the kind's extension, deleted
  // afterwards; an existing file of that name is never overwritten (the picture is then read from
  // the original). False for a missing file or an invalid picture, which leave the control empty.
  bool LoadFromFileDis(const std::string& fileName);
  // As LoadFromFileDis, then fitted as CaricaNoStretch does.
  bool CaricaFileNoStretch(const std::string& nome);

  // Renderings: a W x H image with the picture drawn W wide (when at least as wide as tall) or H
  // tall, keeping its proportions (integer division), centred on the other axis (offset truncated);
  // white outside the drawn rectangle. All false, writing nothing, when no picture is loaded, when it
  // has no width or height, or when W or H is not positive.
  //
  // Opaque bitmap: transparent parts of a PNG are blended over white.
  bool GetBitmapBmp(int H, int W, RgbaImage& bitmap);
  // That bitmap as a 24-bit BMP file, appended to stream.
  bool GetBitmapBmpStream(int H, int W, std::string& stream);
  // The rendering as a PNG file appended to stream; a PNG picture keeps its own transparency inside
  // the drawn rectangle.
  bool GetPngStream(int H, int W, std::string& stream);
  // Deletes NomeFileOut, then writes the rendering there: PNG for ".png" (as GetPngStream), JPEG for
  // ".jpg" or ".jpeg", a BMP file otherwise. True when the file exists afterwards.
  bool GetBitmap(int H, int W, const std::string& NomeFileOut);
  // TipoRichiesto 0: the loaded picture's own bytes; 1: GetBitmapBmpStream; 2: GetPngStream; other
  // kinds write nothing and give false.
  bool GetStream(int TipoRichiesto, int H, std::string& stream, int W);

  // Clears the picture and frees its memory.
  void Libera();

 private:
  bool LoadBytes(TTypeImageDB kind, std::string bytes);
  // The rendering, alpha kept (PNG sources) or blended over white.
  std::optional<RgbaImage> Render(int H, int W, bool keepAlpha);
  void Fit();

  TTypeImageDB ftipo = imdbNone;
  std::unique_ptr<Picture> picture_;
  std::string bytes_;  // as loaded, for GetStream kind 0
};

}  // namespace rovan
