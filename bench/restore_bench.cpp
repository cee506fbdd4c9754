// restore_bench [--items N]... [--runs R] [--dir D]
//
// For sample price lists of each size (default 100000 and 1000000 items, written once into D, default
// /tmp/rovan-bench): the median time of the bare primary query of the tab-tree restore through sqlite3
// with every column read, the median time of the whole restore, their ratio, and the memory the restored
// engine holds per code against the bytes of the texts it keeps.
#include <sqlite3.h>

#include <cstdlib>
#include <filesystem>

#include "bench/bench_util.h"
#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "storage/listino_campione.h"
#include "storage/sqlite_engine.h"
#include "storage/sqlite_handles.h"

using namespace rovan;

namespace {

// The bare query: every row stepped, every column read as the engine would read it.
long long QueryNuda(const std::string& file, const std::string& sql) {
  sqlite3* raw = nullptr;
  sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  SqliteDb db(raw);
  SqliteEngine::ApplyReadSettings(db.get());  // the settings of the engine's own connections
  SqliteStmt stmt = PrepareSqlite(db.get(), sql);
  long long byte = 0;
  const int colonne = sqlite3_column_count(stmt.get());
  while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
    for (int c = 0; c < colonne; ++c) {
      switch (sqlite3_column_type(stmt.get(), c)) {
        case SQLITE_INTEGER: byte += sqlite3_column_int64(stmt.get(), c) != 0; break;
        case SQLITE_FLOAT: byte += sqlite3_column_double(stmt.get(), c) != 0; break;
        case SQLITE_NULL: break;
        default:
          sqlite3_column_text(stmt.get(), c);
          byte += sqlite3_column_bytes(stmt.get(), c);
      }
    }
  }
  return byte;
}

// Codes held by the engine and the bytes of their texts.
void ContaCodici(const TGestore& g, long long& codici, long long& byte) {
  codici = byte = 0;
  for (const auto& p : g.primarie()) {
    for (const TCodMdl* cm : p->codici().items()) {
      ++codici;
      for (int c = 0; c < TCodMdl::NumCampi; ++c) byte += static_cast<long long>(cm->Get(static_cast<TCodMdl::Campo>(c)).size());
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<long long> dimensioni;
  int runs = 3;
  std::string dir = "/tmp/rovan-bench";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--items") dimensioni.push_back(std::atoll(argv[i + 1]));
    else if (a == "--runs") runs = std::atoi(argv[i + 1]);
    else if (a == "--dir") dir = argv[i + 1];
  }
  if (dimensioni.empty()) dimensioni = {100000, 1000000};

  std::printf("%-10s %12s %12s %8s %12s %12s %10s %10s\n", "items", "query ms", "restore ms", "ratio",
              "bytes/code", "text/code", "mem ratio", "peak MB");
  for (long long n : dimensioni) {
    const std::string file = bench::Campione(dir, n);
    std::string sql;
    {
      TDMMain dm;
      dm.SettaConnessione("provider=sqlite;Database=" + file, 0);
      dm.Connetti();
      TGestore vuoto(true);
      sql = vuoto.ComponiSqlPrimarie(dm);
    }
    QueryNuda(file, sql);  // warms the page cache for both

    // Memory first, in a process that has not yet freed a restored tree.
    const long long prima = bench::HeapInUse();
    std::unique_ptr<TGestore> g = bench::Ripristina(file);
    const long long dopo = bench::HeapInUse();
    const long long picco = bench::PeakRssBytes();
    long long codici = 0, testo = 0;
    ContaCodici(*g, codici, testo);
    g.reset();

    const double nuda = bench::MedianMs(runs, [&] { QueryNuda(file, sql); });
    const double ripristino = bench::MedianMs(runs, [&] { bench::Ripristina(file); });
    const double perCodice = codici ? static_cast<double>(dopo - prima) / static_cast<double>(codici) : 0;
    const double testoPerCodice = codici ? static_cast<double>(testo) / static_cast<double>(codici) : 0;
    std::printf("%-10lld %12.1f %12.1f %8.2f %12.1f %12.1f %10.2f %10.1f\n", n, nuda, ripristino, ripristino / nuda,
                perCodice, testoPerCodice, testoPerCodice > 0 ? perCodice / testoPerCodice : 0, picco / 1048576.0);
  }
  return 0;
}
