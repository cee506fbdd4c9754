// The statements the record operations run on a data module: a fresh query or one of the module's
// prepared statements, refused with a DatabaseError while the module is not connected (instead of a
// null query reaching the operation).
#pragma once

#include <memory>

#include "storage/dm_main.h"
#include "storage/qor_query.h"

namespace rovan {

// A new query on the module's connection, owned by the caller. Throws DatabaseError "no connection"
// while the module is not connected.
std::unique_ptr<TQorQuery2> QueryDelModulo(TDMMain& dm);

// One of the module's prepared statements (dm.qrAddLegame() and the like), closed and ready for new
// parameters. Throws DatabaseError "no connection" when it is null (module disconnected).
TQorQuery2& Preparata(TQorQuery2* statement);

}  // namespace rovan
