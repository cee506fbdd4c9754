#include "storage/item_objects.h"

#include <filesystem>
#include <memory>

#include "storage/dm_statements.h"
#include "storage/sql_quote.h"

namespace rovan {

bool ImportaOggettoDaFile(TDMMain& dm, const std::string& codice, const std::string& nome, std::string& errore,
                          const std::string& file) {
  if (!std::filesystem::is_regular_file(file)) {
    errore = "File non presente";
    return false;
  }
  std::unique_ptr<TQorQuery2> elimina = QueryDelModulo(dm);
  elimina->SQL().SetText("delete from oggetti where Codice=" + QuoteLiteral(codice) +
                         " and NomeOggetto=" + QuoteLiteral(nome));
  elimina->EseguiSQL(false);
  TQorQuery2& q = Preparata(dm.QueryInsertOggetto());
  q.SetParamByName("Codice", codice, ftString);
  q.SetParamByName("Modello", std::string("_"), ftString);
  q.SetParamByName("NomeOggetto", nome, ftString);
  q.SetParamByName("TipoOggetto", std::filesystem::path(file).extension().string(), ftString);
  q.SetParamByNameFile("Oggetto", file, ftBlob);
  if (q.EseguiSQL(false)) return true;
  errore = "Impossibile inserire l'oggetto " + nome + " del codice " + codice;
  return false;
}

}  // namespace rovan
