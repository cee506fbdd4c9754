// TQorQuery2: one SQL statement or result set on a TQorConnection, the same on both engines.
//
// Building and running. Callers build the text line by line in SQL() and set ":name" parameters by
// name (SetParamByName, letter case ignored) or by position (SetParam). EseguiSQL runs a statement that
// returns no rows; Open runs a query and reads the whole result into memory, so that First, Next,
// Prior, MoveBy, Locate and RecordCount work on both engines. OpenForwardOnly instead reads one row at a
// time for long sequential reads: only Next (and MoveBy forward) moves, RecordCount is -1, and the
// statement stays open on the connection until Close.
//
// Fields. FieldByName returns a TQorField bound to the column's position; reading it (or reading a
// column by position) is one index into the current row. A field handle stays valid until the query is
// closed or opened again.
//
// Editing. Edit/Append, SetFieldValue (or TQorField::SetValue), then Post writes the changed columns
// back to their base table: an UPDATE found by the table's primary key (the rowid when the table has no
// key among the columns and the database is SQLite), or an INSERT. Cancel, and Close, drop the changes.
// Moving the cursor while editing posts changed values first (and cancels when nothing changed).
//
// Errors, per engine (the engine is fixed when the query is created):
//   - SQLite (tcExpress): Open, preparaQuery0, preparaQuery0Msg and all row operations throw
//     DatabaseError.
//   - ODBC (tcAdo): preparaQuery0 and preparaQuery0Msg turn a DatabaseError into false.
//   - Both: EseguiSQL turns a DatabaseError into false, showing its text in a message box when asked.
//   - Both: an unknown field or parameter name, or an edit outside edit mode, throws DatabaseError.
// Parameter rules that apply on the ODBC engine only: ftWideString turns an empty text into NULL;
// ftFmtMemo stores a text as its ANSI bytes followed by one zero byte, as a blob.
//
// Ownership: created by TQorConnection::GetQuery, owned by the caller, destroyed before the connection.
// Thread rule: the thread of its connection.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "storage/engine.h"
#include "storage/field_type.h"
#include "storage/field_value.h"
#include "storage/qor_connection.h"
#include "storage/result_set.h"
#include "storage/sql_lines.h"
#include "storage/sql_params.h"

namespace rovan {

enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
// ODBC only: ltReadOnly refuses Edit and Append; the others allow them.
enum TLockType { ltUnspecified, ltReadOnly, ltPessimistic, ltOptimistic, ltBatchOptimistic };
// Locate options, combined with |.
enum TLocateOption : unsigned { loCaseInsensitive = 1, loPartialKey = 2 };

class TQorQuery2;

// A column of an open query: reads the current row's cell, and writes it in edit or insert state.
class TQorField {
 public:
  const std::string& FieldName() const;
  // The current row's value (NULL when there is no current row).
  const FieldValue& Value() const;
  bool IsNull() const { return Value().IsNull(); }
  std::string AsString() const { return Value().AsString(); }
  int64_t AsInteger() const { return Value().AsInteger(); }
  double AsFloat() const { return Value().AsFloat(); }
  bool AsBoolean() const { return Value().AsBoolean(); }
  // Throws DatabaseError unless the query is in edit or insert state.
  void SetValue(FieldValue value) const;

 private:
  friend class TQorQuery2;
  TQorField(TQorQuery2* query, int column) : query_(query), column_(column) {}
  TQorQuery2* query_;  // not owned
  int column_;         // position in the result's row, hidden columns included
};

class TQorQuery2 {
 public:
  ~TQorQuery2();
  TQorQuery2(const TQorQuery2&) = delete;
  TQorQuery2& operator=(const TQorQuery2&) = delete;

  TipoConnessione Tipo() const { return tipo_; }

  // --- SQL text and parameters
  SqlLines& SQL() { return sql_; }
  // ODBC only: whether ":name" markers are parameters (default true). SQLite always parses them.
  bool ParamCheck() const { return paramCheck_; }
  void SetParamCheck(bool value);
  TLockType LockType() const { return lockType_; }
  void SetLockType(TLockType value) { lockType_ = value; }
  // ODBC only: query time-out in seconds (0: none).
  void SetTimeout(int seconds) { timeoutSeconds_ = seconds; }

  // The parameters of the current text (parsed again after the text changes).
  const SqlParams& Params();
  // Sets a named parameter; dataType ftUnknown leaves its type unchanged. Throws DatabaseError
  // "Parameter 'name' not found".
  void SetParamByName(const std::string& name, const FieldValue& value, TFieldType dataType = ftUnknown);
  void SetParamByNameNull(const std::string& name);
  // Loads the parameter with the bytes of a file; throws DatabaseError when the file cannot be read.
  void SetParamByNameFile(const std::string& name, const std::string& fileName, TFieldType dataType = ftBlob);
  // Sets the parameter at a zero-based position (distinct names in order of first occurrence).
  void SetParam(size_t index, const FieldValue& value);
  // Removes all parameters; they come back when the text changes.
  void ClearParams();

  // --- Running
  // Runs the query and reads its rows; nothing when already open. Throws DatabaseError, also when the
  // statement returns no result set.
  void Open();
  // Like Open, but rows are read one at a time as Next moves (see above).
  void OpenForwardOnly();
  void Close();
  bool Active() const { return active_; }
  // True closes and opens again (the statement runs again); false closes.
  void SetActive(bool value);
  // Runs the query again, the cursor back on the first row.
  void Requery();
  // ODBC: closes, opens (false on error). SQLite: opens unless open (errors propagate). True when at
  // least one row came back.
  bool preparaQuery0();
  // As preparaQuery0, but true whenever the open succeeded.
  bool preparaQuery0Msg();
  // Runs a statement that returns no rows (ODBC closes the query first). False on a DatabaseError,
  // shown in a message box when conMessaggio; true on success.
  bool EseguiSQL(bool conMessaggio);

  // --- Cursor (all throw DatabaseError on a closed query, forward-only ones on a backward move)
  void First();
  void Next();
  void Prior();
  // Moves by a signed number of rows, stopping at either end; returns the rows actually moved.
  int MoveBy(int distance);
  // The key columns ("A;B") equal to the values, from the first row on. True: the cursor is on the row
  // found; false: the cursor did not move.
  bool Locate(const std::string& keyFields, const std::vector<FieldValue>& keyValues, unsigned options = 0);
  bool Eof() const { return !active_ || eof_; }
  bool Bof() const { return !active_ || bof_; }
  bool isEmpty() const { return !active_ || rows_.RowCount() == 0; }
  // Rows of the result (0 when closed, -1 when forward-only).
  int RecordCount() const;

  // --- Fields
  int FieldCount() const { return active_ ? rows_.Stride() - rows_.HiddenColumns() : 0; }
  // The field at a zero-based position; throws DatabaseError when out of range.
  TQorField Fields(int index);
  // The field named so (letter case ignored); throws DatabaseError "Field 'name' not found".
  TQorField FieldByName(const std::string& name);
  FieldValue GetFieldValue(const std::string& name) { return FieldByName(name).Value(); }
  void SetFieldValue(const std::string& name, FieldValue value) { FieldByName(name).SetValue(std::move(value)); }

  // --- Editing
  void Edit();
  void Append();
  // Writes the changes back and returns to browse state; throws DatabaseError when the table or its
  // row cannot be identified, or the engine refuses (the query stays in edit or insert state).
  void Post();
  void Cancel();
  TDataSetState State() const { return state_; }

  // --- Transactions on the query's engine
  void BeginTrans() { engine_.BeginTrans(); }
  void CommitTrans() { engine_.CommitTrans(); }
  void RollbackTrans() { engine_.RollbackTrans(); }

 private:
  friend class TQorConnection;
  friend class TQorField;
  TQorQuery2(Engine& engine, TipoConnessione tipo) : engine_(engine), tipo_(tipo) {}

  StatementOptions Options() const { return StatementOptions{paramCheck_, timeoutSeconds_}; }
  void SyncParams();
  void RunOpen(bool forwardOnly);
  // The open of preparaQuery0 and preparaQuery0Msg: ODBC closes first and answers false on an error;
  // SQLite opens unless open and lets errors through.
  bool OpenForPrepara();
  void CheckActive() const;
  void CheckBackward() const;
  void CheckEditable() const;
  void BrowseMode();  // ends an edit: Post when something changed, else Cancel
  void SyncCurrent();
  void WriteBack();
  const std::vector<std::string>& KeyColumns(const std::string& table);
  int ColumnOf(const std::string& table, const std::string& baseColumn) const;
  void SetCell(int column, FieldValue value);
  const FieldValue& Cell(int column) const;

  Engine& engine_;  // owned by the connection, which outlives the query
  TipoConnessione tipo_;
  SqlLines sql_;
  uint64_t parsedVersion_ = UINT64_MAX;  // SQL version the parameters were parsed from
  SqlParams params_;
  bool paramCheck_ = true;
  TLockType lockType_ = ltOptimistic;
  int timeoutSeconds_ = 0;

  bool active_ = false;
  bool forwardOnly_ = false;
  std::unique_ptr<EngineStatement> stream_;  // forward-only: the statement still reading
  ResultSet rows_;                           // forward-only: the current row only
  size_t row_ = 0;                           // current row
  bool eof_ = true, bof_ = true;
  const FieldValue* current_ = nullptr;      // cells of the current row (edit buffer while editing)

  TDataSetState state_ = dsInactive;
  std::vector<FieldValue> editRow_;  // edit and insert state: the row being changed
  std::vector<bool> changed_;        // per column of editRow_

  std::string keyTable_;             // table whose key KeyColumns last read
  std::vector<std::string> keyColumns_;
};

}  // namespace rovan
