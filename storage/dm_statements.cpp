#include "storage/dm_statements.h"

#include "storage/database_error.h"

namespace rovan {

std::unique_ptr<TQorQuery2> QueryDelModulo(TDMMain& dm) {
  std::unique_ptr<TQorQuery2> q = dm.Database.Connected() ? dm.GetQuery() : nullptr;
  if (!q) throw DatabaseError("no connection");
  return q;
}

TQorQuery2& Preparata(TQorQuery2* statement) {
  if (statement == nullptr) throw DatabaseError("no connection");
  statement->Close();
  return *statement;
}

}  // namespace rovan
