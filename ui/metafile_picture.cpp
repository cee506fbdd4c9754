// The two metafile formats told apart: an enhanced metafile opens with its header record (type 1)
// carrying the signature " EMF" at byte 40; anything else is tried as a Windows metafile.
#include "ui/byte_reader.h"
#include "ui/picture.h"

namespace rovan {

std::unique_ptr<Picture> LoadMetafilePicture(std::string_view bytes) {
  constexpr std::uint32_t kEmfSignature = 0x464D4520;
  const ByteReader in(bytes);
  if (in.U32(0) == 1 && in.U32(40) == kEmfSignature) return LoadEmfPicture(bytes);
  return LoadWmfPicture(bytes);
}

}  // namespace rovan
