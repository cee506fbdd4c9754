// Translation of an ADO/OLE DB connection string into the ODBC string the driver manager understands.
//
// The string is a list of "key=value" pairs separated by ";". Keys are matched without regard to case
// and rewritten; the other keys pass unchanged and the order is kept:
//
//   Provider=X         ->  Driver={X}      (the provider name is an ODBC driver name in odbcinst.ini)
//   Data Source=V      ->  Database=V      when V names a file: it contains "/" or ends in ".mdb",
//                                          ".accdb", ".db", ".db3", ".sqlite" or ".sqlite3"
//                          Server=V        otherwise (a host name, "host\instance", an address)
//   Initial Catalog=V  ->  Database=V
//   User ID=V          ->  UID=V
//   Password=V         ->  PWD=V
//
// Example: "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/data/listino.mdb;Persist Security Info=False"
// becomes "Driver={Microsoft.ACE.OLEDB.12.0};Database=/data/listino.mdb;Persist Security Info=False".
// A value holding ";" is written in braces. Empty pairs are dropped.
#pragma once

#include <string>

namespace rovan {

std::string AdoToOdbcConnectionString(const std::string& ado);

// The value of Provider= in an ADO string (empty when absent).
std::string AdoProviderName(const std::string& ado);

}  // namespace rovan
