// The host's named value lists (ICollezione slot 6): a chain of TTabellaValori, each with its chain of
// TVoceValore entries, in the order they were added.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/motore/motore_host.h"

namespace kalvor {

class ValueTables {
 public:
  // Appends a table at the end of the chain. The name fills the 12-byte field, zero-padded, cut to 12.
  void Add(std::string_view name, const ValueEntries& entries);
  // The first table, or null.
  rovan::TTabellaValori* First() const;
  void Clear();

 private:
  // One table with the entries and names its records point at; built once, never changed, so the
  // pointers into the vectors stay valid.
  struct Table {
    rovan::TTabellaValori rec{};
    std::vector<std::string> names;
    std::vector<rovan::TVoceValore> entries;
  };
  std::vector<std::unique_ptr<Table>> tables_;
};

}  // namespace kalvor
