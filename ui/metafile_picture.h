// What both metafile formats keep of a loaded file: its bytes, where its records lie, its size and its
// object count. Each format plays the records in its own Draw.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/picture.h"

namespace rovan {

struct MetafileRecord {
  std::uint32_t type;  // the record's type (function number in Windows metafiles)
  std::size_t params;  // offset of its parameters
  std::size_t size;    // bytes of parameters
};

class MetafilePicture : public Picture {
 public:
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 protected:
  MetafilePicture(std::string_view bytes, std::vector<MetafileRecord> records, int width, int height,
                  std::size_t objects)
      : bytes_(bytes), records_(std::move(records)), width_(width), height_(height), objects_(objects) {}

  const std::string bytes_;
  const std::vector<MetafileRecord> records_;
  const int width_;
  const int height_;
  const std::size_t objects_;  // slots of the object table the header announces
};

}  // namespace rovan
