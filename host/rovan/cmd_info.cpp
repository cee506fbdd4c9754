// rovan info CONNECTION: what a price list is and holds.
#include <cstdio>

#include "host/rovan/commands.h"
#include "host/rovan/connection_argument.h"
#include "storage/dm_main.h"
#include "storage/schema.h"

namespace rovan::cli {
namespace {

const char* NomeTipo(TTipoListino t) {
  switch (t) {
    case TL_SQLSERVER: return "TL_SQLSERVER";
    case TL_ACCESS: return "TL_ACCESS";
    case TL_WEB: return "TL_WEB";
    case TL_SQLITE: return "TL_SQLITE";
  }
  return "?";
}

int Info(const Argomenti& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: rovan info CONNECTION\n");
    return 2;
  }
  TDMMain dm;
  dm.SettaConnessione(Connessione(args[0]), 0);
  if (dm.GetTipoListino() == TL_WEB || !dm.Connetti()) {
    std::fprintf(stderr, "rovan info: cannot open %s\n", args[0].c_str());
    return 1;
  }
  std::printf("kind: %s\n", NomeTipo(dm.GetTipoListino()));
  std::printf("DesDBListino: %s\n", dm.DesDBListino().c_str());
  std::printf("table version: %d\n", dm.GetVersioneTabelle());
  std::printf("primary characteristic: %d\n", dm.GetIdxPrimaria());
  std::string lingue;
  for (const TLingua& l : dm.lingue().lingue())
    lingue += (lingue.empty() ? "" : ", ") + l.m_codice + "=" + std::to_string(l.m_posizione) + " " + l.m_descrizione;
  std::printf("languages: %s\n", lingue.c_str());
  for (const std::string& tabella : schema::Tabelle()) {
    std::unique_ptr<TQorQuery2> q = dm.GetQuery();
    q->SQL().SetText("select count(*) from " + tabella);
    try {
      q->Open();
      std::printf("%s: %lld\n", tabella.c_str(), static_cast<long long>(q->Fields(0).AsInteger()));
    } catch (const std::exception&) {
      std::printf("%s: missing\n", tabella.c_str());
    }
  }
  return 0;
}

}  // namespace

extern const Comando kComandoInfo{"info", "CONNECTION",
                                  "the kind, label, table version, primary characteristic, languages and the "
                                  "rows of each table of a price list (a connection string, or an SQLite file)",
                                  Info};

}  // namespace rovan::cli
