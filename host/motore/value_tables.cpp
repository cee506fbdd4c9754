#include "host/motore/value_tables.h"

#include <algorithm>
#include <cstring>

namespace kalvor {

void ValueTables::Add(std::string_view name, const ValueEntries& entries) {
  auto table = std::make_unique<Table>();
  std::memcpy(table->rec.nome, name.data(), std::min(name.size(), sizeof table->rec.nome));

  table->names.reserve(entries.size());
  for (const auto& entry : entries) table->names.push_back(entry.second);
  table->entries.resize(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    rovan::TVoceValore& voce = table->entries[i];
    voce.next = i + 1 < entries.size() ? &table->entries[i + 1] : nullptr;
    voce.valore = entries[i].first;
    voce.nome = table->names[i].data();
  }
  table->rec.voci = table->entries.empty() ? nullptr : table->entries.data();

  if (!tables_.empty()) tables_.back()->rec.next = &table->rec;
  tables_.push_back(std::move(table));
}

rovan::TTabellaValori* ValueTables::First() const { return tables_.empty() ? nullptr : &tables_.front()->rec; }

void ValueTables::Clear() { tables_.clear(); }

}  // namespace kalvor
