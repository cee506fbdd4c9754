#include "storage/qor_connection.h"

#include <filesystem>
#include <system_error>

#include "platform/system_paths.h"
#include "platform/text_utils.h"
#include "plugin/reporting.h"
#include "storage/database_error.h"
#include "storage/odbc_engine.h"
#include "storage/qor_query.h"
#include "storage/sqlite_engine.h"

namespace rovan {

namespace {

constexpr std::string_view kSqlitePrefix = "provider=sqlite;";
constexpr size_t kSqlitePathStart = 25;  // "provider=sqlite;" + "database="
constexpr size_t kSqlitePathMax = 1000;

constexpr const char* kServerProviders[] = {"SQLNCLI11", "SQLNCLI10", "SQLNCLI", "SQLOLEDB"};
constexpr const char* kAccessProviders[] = {"Microsoft.ACE.OLEDB.12.0", "Microsoft.Jet.OLEDB.4.0"};

bool NamesAccessFile(const std::string& connectionString) {
  return LowerAscii(connectionString).find(".mdb") != std::string::npos;
}

}  // namespace

TQorConnection::TQorConnection() { SetLogSink(nullptr); }

TQorConnection::~TQorConnection() = default;

void TQorConnection::SetLogSink(LogSink sink) { log_ = sink ? std::move(sink) : LogSink(ScriviLog); }

std::string TQorConnection::SostituisciProvider(const std::string& connectionString, const std::string& provider) {
  static constexpr std::string_view kKey = "provider=";
  size_t at = LowerAscii(connectionString).find(kKey);
  if (at == std::string::npos) return connectionString;
  size_t valueStart = at + kKey.size();
  size_t semi = connectionString.find(';', valueStart);
  return connectionString.substr(0, valueStart) + provider +
         (semi == std::string::npos ? std::string() : connectionString.substr(semi));
}

void TQorConnection::PreparaConnessione() {
  desDBListino_.clear();
  if (LowerAscii(connectionString_).starts_with(kSqlitePrefix)) {
    tipo_ = tcExpress;
    if (!sqlite_) sqlite_ = std::make_unique<SqliteEngine>();
    sqlitePath_ = connectionString_.size() > kSqlitePathStart
                      ? connectionString_.substr(kSqlitePathStart, kSqlitePathMax)
                      : std::string();
    desDBListino_ = "SQLITE:" + sqlitePath_;
    return;
  }
  tipo_ = tcAdo;
  if (!ado_) ado_ = std::make_unique<OdbcEngine>();
  static constexpr std::string_view kCatalog = "initial catalog=";
  size_t at = LowerAscii(connectionString_).find(kCatalog);
  if (at == std::string::npos) {
    desDBListino_ = "SQLSERVER:" + connectionString_;
  } else {
    size_t start = at + kCatalog.size();
    desDBListino_ = "SQLSERVER:" + connectionString_.substr(start, connectionString_.find(';', start) - start);
  }
}

bool TQorConnection::ProvaConnessione(const std::string& candidate) {
  std::error_code ignored;  // a missing file is the usual case
  std::filesystem::remove(ExecutableFolder() + "system.mdb", ignored);
  try {
    ado_->Open(candidate);
  } catch (const DatabaseError&) {
    ado_->Close();  // the caller learns only the result
  }
  return ado_->Connected();
}

bool TQorConnection::ConnettiConProvider() {
  PreparaConnessione();
  if (tipo_ == tcExpress) {
    try {
      sqlite_->Open(sqlitePath_);
    } catch (const DatabaseError& e) {
      MostraMessaggio(e.what());
    }
    return sqlite_->Connected();
  }
  if (ProvaConnessione(connectionString_)) return true;
  log_("Rovan cs" + connectionString_);
  if (NamesAccessFile(connectionString_)) {
    for (const char* provider : kAccessProviders)
      if (ProvaConnessione(SostituisciProvider(connectionString_, provider))) return true;
  } else {
    for (const char* provider : kServerProviders)
      if (ProvaConnessione(SostituisciProvider(connectionString_, provider))) return true;
  }
  return false;
}

Engine* TQorConnection::ActiveEngine() const {
  switch (tipo_) {
    case tcAdo: return ado_.get();
    case tcExpress: return sqlite_.get();
    case tcNone: break;
  }
  return nullptr;
}

bool TQorConnection::Connected() const {
  Engine* engine = ActiveEngine();
  return engine != nullptr && engine->Connected();
}

void TQorConnection::SetConnected(bool value) {
  if (value) {
    ConnettiConProvider();
  } else if (Engine* engine = ActiveEngine()) {
    engine->Close();
  }
}

std::unique_ptr<TQorQuery2> TQorConnection::GetQuery() {
  Engine* engine = ActiveEngine();
  if (engine == nullptr) return nullptr;
  return std::unique_ptr<TQorQuery2>(new TQorQuery2(*engine, tipo_));
}

std::string TQorConnection::GetInfo() const {
  Engine* engine = ActiveEngine();
  return engine != nullptr ? engine->Info() : std::string();
}

TTipoListino TQorConnection::GetTipoListino() const {
  if (tipo_ == tcExpress) return TL_SQLITE;
  return NamesAccessFile(connectionString_) ? TL_ACCESS : TL_SQLSERVER;
}

std::string TQorConnection::PathDatabase() const { return tipo_ == tcExpress ? sqlitePath_ : std::string(); }

std::string TQorConnection::AdoConnectionString() const {
  return tipo_ == tcAdo ? ado_->ConnectionString() : std::string();
}

void TQorConnection::ForEachConnectedEngine(void (Engine::*operation)()) {
  for (Engine* engine : {static_cast<Engine*>(ado_.get()), static_cast<Engine*>(sqlite_.get())})
    if (engine != nullptr && engine->Connected()) (engine->*operation)();
}

void TQorConnection::BeginTrans() { ForEachConnectedEngine(&Engine::BeginTrans); }
void TQorConnection::CommitTrans() { ForEachConnectedEngine(&Engine::CommitTrans); }
void TQorConnection::RollbackTrans() { ForEachConnectedEngine(&Engine::RollbackTrans); }

}  // namespace rovan
