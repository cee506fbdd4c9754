#include "storage/qor_query.h"

#include <fstream>
#include <iterator>

#include "platform/code_page.h"
#include "platform/text_utils.h"
#include "plugin/reporting.h"
#include "storage/database_error.h"
#include "storage/write_back.h"

namespace rovan {

namespace {

const FieldValue kNull;

// The one table every column with a base table comes from; empty when there are none or several.
std::string SingleBaseTable(const std::vector<ColumnInfo>& columns) {
  std::string table;
  for (const ColumnInfo& c : columns) {
    if (c.baseTable.empty()) continue;
    if (!table.empty() && !EqualsNoCase(table, c.baseTable)) return {};
    table = c.baseTable;
  }
  return table;
}

bool IsNumeric(const FieldValue& v) {
  auto k = v.kind();
  return k == FieldValue::Kind::Integer || k == FieldValue::Kind::Float || k == FieldValue::Kind::Boolean;
}

bool Matches(const FieldValue& cell, const FieldValue& key, unsigned options) {
  if (key.IsNull() || cell.IsNull()) return key.IsNull() && cell.IsNull();
  if (IsNumeric(cell) && IsNumeric(key) && !(options & loPartialKey)) return cell.AsFloat() == key.AsFloat();
  std::string a = cell.AsString(), b = key.AsString();
  if (options & loCaseInsensitive) {
    a = LowerAscii(a);
    b = LowerAscii(b);
  }
  return (options & loPartialKey) ? a.starts_with(b) : a == b;
}

std::vector<std::string> SplitFieldList(const std::string& list) {
  std::vector<std::string> names;
  size_t start = 0;
  for (;;) {
    size_t semi = list.find(';', start);
    std::string name = Trim(std::string_view(list).substr(start, semi - start));
    if (!name.empty()) names.push_back(std::move(name));
    if (semi == std::string::npos) return names;
    start = semi + 1;
  }
}

}  // namespace

// --- TQorField

const std::string& TQorField::FieldName() const { return query_->rows_.Columns()[column_].name; }
const FieldValue& TQorField::Value() const { return query_->Cell(column_); }
void TQorField::SetValue(FieldValue value) const { query_->SetCell(column_, std::move(value)); }

// --- Parameters

TQorQuery2::~TQorQuery2() = default;

void TQorQuery2::SetParamCheck(bool value) {
  paramCheck_ = value;
  parsedVersion_ = UINT64_MAX;
}

void TQorQuery2::SyncParams() {
  if (parsedVersion_ == sql_.version()) return;
  parsedVersion_ = sql_.version();
  if (tipo_ == tcAdo && !paramCheck_) {
    params_.Clear();
  } else {
    params_.Rebuild(ParseSqlParams(sql_.Text()).occurrences);
  }
}

const SqlParams& TQorQuery2::Params() {
  SyncParams();
  return params_;
}

void TQorQuery2::SetParamByName(const std::string& name, const FieldValue& value, TFieldType dataType) {
  SyncParams();
  SqlParam& p = params_.ByName(name);
  if (tipo_ == tcAdo && dataType == ftWideString && value.AsString().empty()) {
    p.type = ftWideString;
    p.value = FieldValue();
    return;
  }
  if (tipo_ == tcAdo && dataType == ftFmtMemo) {
    // Text kept in a binary column (composite scripts): ANSI bytes and a terminating zero.
    p.type = ftBlob;
    p.value = value.IsNull() ? FieldValue() : FieldValue(Blob{Utf8ToAnsi(value.AsString()) + '\0'});
    return;
  }
  if (dataType != ftUnknown) p.type = dataType;
  p.value = value;
}

void TQorQuery2::SetParamByNameNull(const std::string& name) {
  SyncParams();
  params_.ByName(name).value = FieldValue();
}

void TQorQuery2::SetParamByNameFile(const std::string& name, const std::string& fileName, TFieldType dataType) {
  SyncParams();
  SqlParam& p = params_.ByName(name);
  std::ifstream in(fileName, std::ios::binary);
  if (!in) throw DatabaseError("Cannot open file \"" + fileName + "\"");
  std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (dataType != ftUnknown) p.type = dataType;
  p.value = Blob{std::move(bytes)};
}

void TQorQuery2::SetParam(size_t index, const FieldValue& value) {
  SyncParams();
  params_.At(index).value = value;
}

void TQorQuery2::ClearParams() {
  SyncParams();
  params_.Clear();
}

// --- Running

void TQorQuery2::RunOpen(bool forwardOnly) {
  SyncParams();
  std::string text = sql_.Text();
  std::unique_ptr<EngineStatement> stmt = engine_.Prepare(text, params_, Options());
  int hidden = 0;
  if (!forwardOnly && engine_.SupportsRowid() && !SingleBaseTable(stmt->Columns()).empty()) {
    // With the rowid at hand, rows of a table without a key can be written back too.
    if (std::optional<std::string> withRowid = WithRowidColumn(text)) {
      try {
        stmt = engine_.Prepare(*withRowid, params_, Options());
        hidden = 1;
      } catch (const DatabaseError&) {
        // DISTINCT, compound selects, joins naming several rowids: rows are then found by key only.
      }
    }
  }
  stmt->Execute();
  if (stmt->Columns().empty()) throw DatabaseError("The statement returns no result set");
  rows_.Reset(stmt->Columns(), hidden);
  if (forwardOnly) {
    if (!stmt->Fetch(rows_.AppendRow())) rows_.RemoveLastRow();
    stream_ = std::move(stmt);
  } else {
    while (stmt->Fetch(rows_.AppendRow())) {
    }
    rows_.RemoveLastRow();
  }
  active_ = true;
  forwardOnly_ = forwardOnly;
  state_ = dsBrowse;
  row_ = 0;
  eof_ = rows_.RowCount() == 0;
  bof_ = true;
  keyTable_.clear();
  SyncCurrent();
}

void TQorQuery2::Open() {
  if (!active_) RunOpen(false);
}

void TQorQuery2::OpenForwardOnly() {
  if (!active_) RunOpen(true);
}

void TQorQuery2::Close() {
  stream_.reset();
  rows_.Clear();
  editRow_.clear();
  changed_.clear();
  active_ = false;
  forwardOnly_ = false;
  state_ = dsInactive;
  eof_ = bof_ = true;
  SyncCurrent();
}

void TQorQuery2::SetActive(bool value) {
  bool forwardOnly = forwardOnly_;
  Close();
  if (value) RunOpen(forwardOnly);
}

void TQorQuery2::Requery() { SetActive(true); }

bool TQorQuery2::OpenForPrepara() {
  if (tipo_ != tcAdo) {
    Open();
    return true;
  }
  Close();
  try {
    Open();
  } catch (const DatabaseError&) {
    return false;
  }
  return true;
}

bool TQorQuery2::preparaQuery0() { return OpenForPrepara() && !isEmpty(); }

bool TQorQuery2::preparaQuery0Msg() { return OpenForPrepara(); }

bool TQorQuery2::EseguiSQL(bool conMessaggio) {
  if (tipo_ == tcAdo) Close();
  try {
    SyncParams();
    engine_.Prepare(sql_.Text(), params_, Options())->Execute();
    return true;
  } catch (const DatabaseError& e) {
    if (conMessaggio) MostraMessaggio(e.what());
    return false;
  }
}

// --- Cursor

void TQorQuery2::CheckActive() const {
  if (!active_) throw DatabaseError("Cannot perform this operation on a closed dataset");
}

void TQorQuery2::CheckBackward() const {
  CheckActive();
  if (forwardOnly_) throw DatabaseError("Operation not allowed on a forward-only dataset");
}

void TQorQuery2::SyncCurrent() {
  if (state_ == dsEdit || state_ == dsInsert) {
    current_ = editRow_.data();
  } else if (active_ && rows_.RowCount() > 0) {
    current_ = rows_.Row(row_);
  } else {
    current_ = nullptr;
  }
}

void TQorQuery2::First() {
  CheckActive();
  BrowseMode();
  if (forwardOnly_ && !bof_) throw DatabaseError("Operation not allowed on a forward-only dataset");
  row_ = 0;
  eof_ = rows_.RowCount() == 0;
  bof_ = true;
  SyncCurrent();
}

void TQorQuery2::Next() {
  CheckActive();
  BrowseMode();
  if (forwardOnly_) {
    if (!eof_ && !stream_->Fetch(rows_.Row(0))) eof_ = true;
  } else if (row_ + 1 < rows_.RowCount()) {
    ++row_;
  } else {
    eof_ = true;
  }
  bof_ = rows_.RowCount() == 0;
  SyncCurrent();
}

void TQorQuery2::Prior() {
  CheckBackward();
  BrowseMode();
  if (row_ > 0) {
    --row_;
    bof_ = false;
  } else {
    bof_ = true;
  }
  eof_ = rows_.RowCount() == 0;
  SyncCurrent();
}

int TQorQuery2::MoveBy(int distance) {
  CheckActive();
  int moved = 0;
  for (; distance > 0 && !Eof(); --distance) {
    Next();
    if (!eof_) ++moved;
  }
  for (; distance < 0 && !Bof(); ++distance) {
    Prior();
    if (!bof_) --moved;
  }
  return moved;
}

bool TQorQuery2::Locate(const std::string& keyFields, const std::vector<FieldValue>& keyValues, unsigned options) {
  CheckBackward();
  BrowseMode();
  std::vector<int> columns;
  for (const std::string& name : SplitFieldList(keyFields)) columns.push_back(FieldByName(name).column_);
  if (columns.size() != keyValues.size())
    throw DatabaseError("Locate: " + std::to_string(columns.size()) + " key fields, " +
                        std::to_string(keyValues.size()) + " values");
  for (size_t r = 0; r < rows_.RowCount(); ++r) {
    const FieldValue* cells = rows_.Row(r);
    bool all = true;
    for (size_t k = 0; all && k < columns.size(); ++k) all = Matches(cells[columns[k]], keyValues[k], options);
    if (!all) continue;
    row_ = r;
    eof_ = bof_ = false;
    SyncCurrent();
    return true;
  }
  return false;
}

int TQorQuery2::RecordCount() const {
  if (!active_) return 0;
  return forwardOnly_ ? -1 : static_cast<int>(rows_.RowCount());
}

// --- Fields

TQorField TQorQuery2::Fields(int index) {
  if (index < 0 || index >= FieldCount()) throw DatabaseError("Field index " + std::to_string(index) + " out of range");
  return TQorField(this, index + rows_.HiddenColumns());
}

TQorField TQorQuery2::FieldByName(const std::string& name) {
  int column = active_ ? rows_.FindColumn(name) : -1;
  if (column < 0) throw DatabaseError("Field '" + name + "' not found");
  return TQorField(this, column);
}

const FieldValue& TQorQuery2::Cell(int column) const { return current_ != nullptr ? current_[column] : kNull; }

void TQorQuery2::SetCell(int column, FieldValue value) {
  if (state_ != dsEdit && state_ != dsInsert) throw DatabaseError("Dataset not in edit or insert mode");
  editRow_[column] = std::move(value);
  changed_[column] = true;
}

// --- Editing

void TQorQuery2::CheckEditable() const {
  CheckBackward();
  if (tipo_ == tcAdo && lockType_ == ltReadOnly) throw DatabaseError("The dataset is read-only");
}

void TQorQuery2::Edit() {
  CheckEditable();
  if (state_ == dsEdit || state_ == dsInsert) return;
  if (rows_.RowCount() == 0) {
    Append();
    return;
  }
  const FieldValue* row = rows_.Row(row_);
  editRow_.assign(row, row + rows_.Stride());
  changed_.assign(rows_.Stride(), false);
  state_ = dsEdit;
  SyncCurrent();
}

void TQorQuery2::Append() {
  CheckEditable();
  BrowseMode();
  editRow_.assign(rows_.Stride(), FieldValue());
  changed_.assign(rows_.Stride(), false);
  state_ = dsInsert;
  SyncCurrent();
}

void TQorQuery2::Cancel() {
  if (state_ != dsEdit && state_ != dsInsert) return;
  editRow_.clear();
  changed_.clear();
  state_ = dsBrowse;
  SyncCurrent();
}

void TQorQuery2::BrowseMode() {
  if (state_ != dsEdit && state_ != dsInsert) return;
  bool anyChange = false;
  for (bool c : changed_) anyChange = anyChange || c;
  if (anyChange) {
    Post();
  } else {
    Cancel();
  }
}

void TQorQuery2::Post() {
  if (state_ != dsEdit && state_ != dsInsert) throw DatabaseError("Dataset not in edit or insert mode");
  WriteBack();
  if (state_ == dsInsert) {
    FieldValue* row = rows_.AppendRow();
    std::move(editRow_.begin(), editRow_.end(), row);
    row_ = rows_.RowCount() - 1;
  } else {
    std::move(editRow_.begin(), editRow_.end(), rows_.Row(row_));
  }
  eof_ = bof_ = false;
  editRow_.clear();
  changed_.clear();
  state_ = dsBrowse;
  SyncCurrent();
}

const std::vector<std::string>& TQorQuery2::KeyColumns(const std::string& table) {
  if (!EqualsNoCase(keyTable_, table)) {
    keyColumns_ = engine_.PrimaryKey(table);
    keyTable_ = table;
  }
  return keyColumns_;
}

int TQorQuery2::ColumnOf(const std::string& table, const std::string& baseColumn) const {
  const std::vector<ColumnInfo>& columns = rows_.Columns();
  for (int c = rows_.HiddenColumns(); c < rows_.Stride(); ++c)
    if (EqualsNoCase(columns[c].baseTable, table) && EqualsNoCase(columns[c].baseColumn, baseColumn)) return c;
  return -1;
}

void TQorQuery2::WriteBack() {
  const std::vector<ColumnInfo>& columns = rows_.Columns();
  std::string table = SingleBaseTable(columns);
  ColumnValues values;
  for (int c = rows_.HiddenColumns(); c < rows_.Stride(); ++c) {
    if (!changed_[c]) continue;
    if (columns[c].baseTable.empty() || columns[c].baseColumn.empty() ||
        (!table.empty() && !EqualsNoCase(columns[c].baseTable, table)))
      throw DatabaseError("Field '" + columns[c].name + "' cannot be modified");
    table = columns[c].baseTable;
    values.emplace_back(columns[c].baseColumn, editRow_[c]);
  }
  if (state_ == dsEdit && values.empty()) return;
  if (table.empty()) throw DatabaseError("The query has no base table to write to");
  const std::vector<std::string>& keys = KeyColumns(table);

  if (state_ == dsInsert) {
    WriteBackStatement wb = BuildInsert(table, values);
    engine_.Prepare(wb.sql, wb.params, StatementOptions{true, timeoutSeconds_})->Execute();
    // The new row's identity, for a later edit of it: its rowid, and an integer key left to the database.
    std::optional<int64_t> rowid = engine_.LastInsertRowid();
    if (!rowid) return;
    if (rows_.HiddenColumns() > 0) editRow_[0] = static_cast<long long>(*rowid);
    int keyColumn = keys.size() == 1 ? ColumnOf(table, keys[0]) : -1;
    if (keyColumn >= 0 && editRow_[keyColumn].IsNull()) editRow_[keyColumn] = static_cast<long long>(*rowid);
    return;
  }

  const FieldValue* original = rows_.Row(row_);
  ColumnValues key;
  for (const std::string& k : keys) {
    int c = ColumnOf(table, k);
    if (c < 0) break;
    key.emplace_back(k, original[c]);
  }
  if (keys.empty() || key.size() != keys.size()) {
    if (rows_.HiddenColumns() == 0)
      throw DatabaseError("Table '" + table + "' has no key among the query's columns: the row cannot be updated");
    key.assign(1, {kRowidKey, original[0]});
  }
  WriteBackStatement wb = BuildUpdate(table, values, key);
  engine_.Prepare(wb.sql, wb.params, StatementOptions{true, timeoutSeconds_})->Execute();
}

}  // namespace rovan
