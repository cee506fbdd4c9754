// make_picture FOLDER: the files the rovan picture tests read: x.dis (a 400 x 100 PNG under another
// extension) and garbage.dis.
#include <cstdio>
#include <string>

#include "ui/file_bytes.h"
#include "ui/png_codec.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_picture FOLDER\n");
    return 2;
  }
  const std::string folder = argv[1];
  const bool ok = rovan::WriteFileBytes(folder + "/x.dis", rovan::EncodePng(rovan::RgbaImage(400, 100, 0x336699FF))) &&
                  rovan::WriteFileBytes(folder + "/garbage.dis", std::string(200, 'g'));
  return ok ? 0 : 1;
}
