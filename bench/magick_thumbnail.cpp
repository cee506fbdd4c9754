#include "bench/magick_thumbnail.h"

#include <wand/MagickWand.h>

#include <algorithm>
#include <memory>

namespace rovan::bench {
namespace {

struct DistruggiWand {
  void operator()(MagickWand* w) const { DestroyMagickWand(w); }
};
struct RilasciaMemoria {
  void operator()(unsigned char* p) const { MagickRelinquishMemory(p); }
};

}  // namespace

MiniaturaMagick::MiniaturaMagick() {
  MagickWandGenesis();
  MagickSetResourceLimit(ThreadResource, 1);
}

MiniaturaMagick::~MiniaturaMagick() { MagickWandTerminus(); }

std::size_t MiniaturaMagick::Png(std::string_view immagine, int w, int h) const {
  std::unique_ptr<MagickWand, DistruggiWand> wand(NewMagickWand());
  if (MagickReadImageBlob(wand.get(), immagine.data(), immagine.size()) == MagickFalse) return 0;
  const auto larghezza = static_cast<double>(MagickGetImageWidth(wand.get()));
  const auto altezza = static_cast<double>(MagickGetImageHeight(wand.get()));
  if (larghezza <= 0 || altezza <= 0) return 0;
  const double scala = std::min(w / larghezza, h / altezza);
  const auto lato = [](double v) { return static_cast<size_t>(std::max(1.0, v + 0.5)); };
  if (MagickThumbnailImage(wand.get(), lato(larghezza * scala), lato(altezza * scala)) == MagickFalse) return 0;
  if (MagickSetImageFormat(wand.get(), "PNG") == MagickFalse) return 0;
  std::size_t lunghezza = 0;
  std::unique_ptr<unsigned char, RilasciaMemoria> png(MagickGetImageBlob(wand.get(), &lunghezza));
  return png ? lunghezza : 0;
}

}  // namespace rovan::bench
