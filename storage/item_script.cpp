#include "storage/item_script.h"

#include <memory>

#include "platform/code_page.h"
#include "storage/database_error.h"
#include "storage/dm_statements.h"
#include "storage/schema.h"
#include "storage/sql_lines.h"
#include "storage/sql_quote.h"

namespace rovan {

int LeggiBlobNew(TDMMain& dm, const std::string& cod, std::vector<std::string>& lis, bool& isGenerico) {
  lis.clear();
  const bool generici = schema::IsGenericiEnabled(dm.GetVersioneTabelle());
  std::unique_ptr<TQorQuery2> q = QueryDelModulo(dm);
  q->SQL().SetText(std::string("select CmpBlob") + (generici ? ", Generico " : "") +
                   " from composti Where Codice = " + QuoteLiteral(cod));
  q->OpenForwardOnly();  // read once: no second statement to learn how rows would be written back
  if (q->isEmpty()) return 0;
  try {
    // A script splits into lines the way SQL text does: at CR LF, LF or CR, no entry after a final break.
    SqlLines righe;
    righe.SetText(q->FieldByName("CmpBlob").AsString());
    for (size_t i = 0; i < righe.Count(); ++i) lis.push_back(righe[i]);
    isGenerico = generici && q->FieldByName("Generico").AsInteger() != 0;
  } catch (const DatabaseError&) {
    // An unreadable column counts as what was read before it.
  }
  return lis.empty() ? 1 : 2;
}

bool SalvaBlobConn(TDMMain& dm, const std::string& cod, const std::vector<std::string>& lis) {
  if (lis.empty()) return false;
  std::string testo;
  for (const std::string& riga : lis) testo += riga + "\r\n";
  TQorQuery2& q = Preparata(dm.QueryInsertComp());
  // Characters the host's code page lacks become "?" here, as they would when the host reads the script.
  q.SetParamByName("CB", AnsiToUtf8(Utf8ToAnsi(testo)), ftMemo);
  q.SetParamByName("Codice", cod, ftString);
  return q.EseguiSQL(true);
}

}  // namespace rovan
