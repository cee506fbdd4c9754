#include "storage/result_set.h"

#include "platform/text_utils.h"

namespace rovan {

void ResultSet::Reset(std::vector<ColumnInfo> columns, int hiddenColumns) {
  columns_ = std::move(columns);
  hidden_ = hiddenColumns;
  cells_.clear();
}

FieldValue* ResultSet::AppendRow() {
  cells_.resize(cells_.size() + stride());
  return Row(RowCount() - 1);
}

int ResultSet::FindColumn(std::string_view name) const {
  for (int i = hidden_; i < Stride(); ++i)
    if (EqualsNoCase(columns_[i].name, name)) return i;
  return -1;
}

}  // namespace rovan
