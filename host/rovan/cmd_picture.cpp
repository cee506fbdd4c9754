// rovan picture FILE [W H OUT.png]: what the picture control makes of a file, and optionally its PNG
// thumbnail.
#include <cstdio>
#include <string>

#include "host/rovan/commands.h"
#include "platform/text_utils.h"
#include "ui/ImageDB.h"
#include "ui/file_bytes.h"

namespace rovan::cli {
namespace {

int EseguiPicture(const Argomenti& args) {
  int width = 0, height = 0;
  if (args.size() != 1 && args.size() != 4) {
    std::fprintf(stderr, "usage: rovan picture FILE [W H OUT.png]\n");
    return 2;
  }
  if (args.size() == 4 && (!TryParseInt(args[1], width) || !TryParseInt(args[2], height) || width <= 0 || height <= 0)) {
    std::fprintf(stderr, "rovan picture: the size must be two positive integers\n");
    return 2;
  }
  TImageDB image;
  if (!image.LoadFromFileDis(args[0])) {
    std::printf("%s\n", TTypeImageDBName(imdbNone));
    return 1;
  }
  std::printf("%s %dx%d\n", TTypeImageDBName(image.tipo()), image.PictureWidth(), image.PictureHeight());
  if (args.size() == 1) return 0;
  std::string png;
  if (!image.GetPngStream(height, width, png) || !WriteFileBytes(args[3], png)) {
    std::fprintf(stderr, "rovan picture: cannot write %s\n", args[3].c_str());
    return 1;
  }
  return 0;
}

}  // namespace

const Comando kComandoPicture = {"picture", "FILE [W H OUT.png]",
                                 "the kind and size of a picture file; with a size, its PNG thumbnail",
                                 EseguiPicture};

}  // namespace rovan::cli
