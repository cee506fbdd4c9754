// ResultSet: the rows of an open query held in memory.
//
// Layout: every row is Stride() consecutive cells in one array, row after row, so reading a column of
// the current row is one index. The first HiddenColumns() columns are the query layer's own (the rowid
// used to write edits back) and are not fields of the query.
#pragma once

#include <string_view>
#include <vector>

#include "storage/engine.h"
#include "storage/field_value.h"

namespace rovan {

class ResultSet {
 public:
  // Empties the rows and takes a new column list.
  void Reset(std::vector<ColumnInfo> columns, int hiddenColumns);
  void Clear() { Reset({}, 0); }

  const std::vector<ColumnInfo>& Columns() const { return columns_; }
  int Stride() const { return static_cast<int>(columns_.size()); }
  int HiddenColumns() const { return hidden_; }
  size_t RowCount() const { return stride() == 0 ? 0 : cells_.size() / stride(); }

  FieldValue* Row(size_t row) { return cells_.data() + row * stride(); }
  // Adds a row of NULL cells and returns it (earlier row pointers become invalid).
  FieldValue* AppendRow();
  void RemoveLastRow() { cells_.resize(cells_.size() - stride()); }

  // Absolute index of the visible column named so (letter case ignored), or -1.
  int FindColumn(std::string_view name) const;

 private:
  size_t stride() const { return columns_.size(); }

  std::vector<ColumnInfo> columns_;
  int hidden_ = 0;
  std::vector<FieldValue> cells_;  // RowCount() * Stride() cells
};

}  // namespace rovan
