#include "storage/odbc_handles.h"

#include <string>

#include "storage/database_error.h"

namespace rovan {

OdbcHandle OdbcHandle::Allocate(SQLSMALLINT type, SQLHANDLE parent) {
  SQLHANDLE h = SQL_NULL_HANDLE;
  SQLRETURN rc = SQLAllocHandle(type, parent, &h);
  if (!SQL_SUCCEEDED(rc)) throw DatabaseError("ODBC handle allocation failed (type " + std::to_string(type) + ")");
  return OdbcHandle(type, h);
}

OdbcHandle& OdbcHandle::operator=(OdbcHandle&& other) noexcept {
  if (this != &other) {
    Reset();
    type_ = other.type_;
    handle_ = other.handle_;
    other.handle_ = SQL_NULL_HANDLE;
  }
  return *this;
}

void OdbcHandle::Reset() {
  if (handle_ == SQL_NULL_HANDLE) return;
  if (type_ == SQL_HANDLE_DBC) {
    // A driver refuses to disconnect inside a transaction, and a connection still connected cannot be freed.
    SQLEndTran(SQL_HANDLE_DBC, handle_, SQL_ROLLBACK);
    SQLDisconnect(handle_);
  }
  SQLFreeHandle(type_, handle_);
  handle_ = SQL_NULL_HANDLE;
}

SQLRETURN CheckOdbc(SQLRETURN rc, const OdbcHandle& handle) {
  if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return rc;
  std::string message;
  SQLCHAR state[6];
  SQLCHAR text[SQL_MAX_MESSAGE_LENGTH];
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  for (SQLSMALLINT i = 1; SQL_SUCCEEDED(SQLGetDiagRec(handle.type(), handle.get(), i, state, &native, text,
                                                      sizeof text, &length));
       ++i) {
    if (!message.empty()) message += '\n';
    message += "[" + std::string(reinterpret_cast<char*>(state)) + "] " + reinterpret_cast<char*>(text);
  }
  if (message.empty()) message = "ODBC error " + std::to_string(rc);
  throw DatabaseError(message);
}

}  // namespace rovan
