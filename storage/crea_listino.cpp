#include "storage/crea_listino.h"

#include <filesystem>

#include "plugin/reporting.h"
#include "storage/qor_connection.h"
#include "storage/qor_query.h"
#include "storage/schema.h"

namespace rovan {

bool CreaListinoSQLite(const std::string& percorso, bool soloStruttura) {
  std::error_code ignored;
  if (std::filesystem::exists(percorso, ignored)) {
    MostraMessaggio(percorso + " file già presente");
    return false;
  }
  TQorConnection db;
  db.SetConnectionString("provider=sqlite;Database=" + percorso);
  if (!db.ConnettiConProvider()) return true;  // the open error was shown by the connection
  std::string batch = schema::ScriptCreazioneSQLite();
  if (!soloStruttura) batch += schema::RigheIniziali();
  try {
    db.BeginTrans();
    std::unique_ptr<TQorQuery2> q = db.GetQuery();
    q->SetParamCheck(false);
    // The script is ours: its statements hold no ";" inside literals, so the batch splits at each ";".
    for (size_t inizio = 0; inizio < batch.size();) {
      size_t fine = batch.find(';', inizio);
      if (fine == std::string::npos) fine = batch.size();
      const std::string istruzione = batch.substr(inizio, fine - inizio);
      inizio = fine + 1;
      if (istruzione.find_first_not_of(" \r\n\t") == std::string::npos) continue;
      q->SQL().SetText(istruzione);
      if (!q->EseguiSQL(true)) break;
    }
    db.CommitTrans();
  } catch (const std::exception& e) {
    MostraMessaggio(e.what());
  }
  db.SetConnected(false);
  return true;
}

}  // namespace rovan
