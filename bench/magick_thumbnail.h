// Thumbnails through ImageMagick's MagickWand, in process: the bare limit of the plug-in's thumbnails.
#pragma once

#include <cstddef>
#include <string_view>

namespace rovan::bench {

// ImageMagick set up for this process, on one thread as the plug-in renders (the library would otherwise
// spread a resize over every core). One at a time in a process.
class MiniaturaMagick {
 public:
  MiniaturaMagick();
  ~MiniaturaMagick();
  MiniaturaMagick(const MiniaturaMagick&) = delete;
  MiniaturaMagick& operator=(const MiniaturaMagick&) = delete;

  // The picture's bytes read, scaled as "-thumbnail WxH" does (fitted into w x h, proportions kept) and
  // written as PNG; the PNG's length, or 0 when ImageMagick cannot read the picture.
  std::size_t Png(std::string_view immagine, int w, int h) const;
};

}  // namespace rovan::bench
