// Owner of ODBC handles, and the one place where ODBC diagnostics become DatabaseError.
#pragma once

#include <sql.h>
#include <sqlext.h>

namespace rovan {

// One ODBC handle (environment, connection or statement), freed by its owner. A connection handle is
// disconnected before it is freed, rolling back a transaction left open (harmless when it never
// connected). Move-only.
class OdbcHandle {
 public:
  OdbcHandle() = default;
  // Allocates a handle of the given type under parent (SQL_NULL_HANDLE for an environment); throws
  // DatabaseError on failure.
  static OdbcHandle Allocate(SQLSMALLINT type, SQLHANDLE parent);
  ~OdbcHandle() { Reset(); }
  OdbcHandle(OdbcHandle&& other) noexcept : type_(other.type_), handle_(other.handle_) {
    other.handle_ = SQL_NULL_HANDLE;
  }
  OdbcHandle& operator=(OdbcHandle&& other) noexcept;
  OdbcHandle(const OdbcHandle&) = delete;
  OdbcHandle& operator=(const OdbcHandle&) = delete;

  SQLHANDLE get() const { return handle_; }
  SQLSMALLINT type() const { return type_; }
  explicit operator bool() const { return handle_ != SQL_NULL_HANDLE; }
  void Reset();

 private:
  OdbcHandle(SQLSMALLINT type, SQLHANDLE handle) : type_(type), handle_(handle) {}
  SQLSMALLINT type_ = 0;
  SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// Returns rc when it is a success or SQL_NO_DATA; otherwise throws DatabaseError whose message holds the
// handle's diagnostic records, "[state] text" one per line.
SQLRETURN CheckOdbc(SQLRETURN rc, const OdbcHandle& handle);

}  // namespace rovan
