// Small helpers shared by the benchmark programs.
#pragma once

#include <malloc.h>
#include <sqlite3.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "storage/dm_main.h"
#include "storage/listino_campione.h"
#include "storage/sqlite_engine.h"
#include "storage/sqlite_handles.h"

namespace rovan::bench {

// The command line of a benchmark: "--name value" pairs. --items may come more than once (the sizes, in
// order), --runs and --dir have defaults, any other pair is kept by name for the program to read.
struct Opzioni {
  std::vector<long long> articoli;
  int runs = 3;
  std::string dir = "/tmp/rovan-bench";
  std::map<std::string, std::string> altre;  // by name without the dashes

  Opzioni(int argc, char** argv, std::vector<long long> predefiniti) {
    for (int i = 1; i + 1 < argc; i += 2) {
      const std::string nome = argv[i];
      if (nome == "--items") articoli.push_back(std::atoll(argv[i + 1]));
      else if (nome == "--runs") runs = std::max(1, std::atoi(argv[i + 1]));
      else if (nome == "--dir") dir = argv[i + 1];
      else if (nome.rfind("--", 0) == 0) altre[nome.substr(2)] = argv[i + 1];
    }
    if (articoli.empty()) articoli = std::move(predefiniti);
  }
  // The value of another option, or def.
  std::string Altra(const std::string& nome, const std::string& def) const {
    auto it = altre.find(nome);
    return it == altre.end() ? def : it->second;
  }
};

// The median time in milliseconds of runs calls of action. prepare, when given, runs untimed before each
// call: the reset a run needs so that the next one does the whole work again.
inline double MedianMs(int runs, const std::function<void()>& action, const std::function<void()>& prepare = {}) {
  std::vector<double> tempi;
  for (int i = 0; i < runs; ++i) {
    if (prepare) prepare();
    const auto inizio = std::chrono::steady_clock::now();
    action();
    tempi.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - inizio).count());
  }
  std::sort(tempi.begin(), tempi.end());
  return tempi[tempi.size() / 2];
}

// Bytes of the heap in use now.
inline long long HeapInUse() { return static_cast<long long>(mallinfo2().uordblks); }

// The peak resident memory of the process so far, in bytes.
inline long long PeakRssBytes() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<long long>(u.ru_maxrss) * 1024;
}

// A size line of /proc/self/status ("VmHWM", "RssAnon", "RssFile", ...) in bytes; 0 when absent.
inline long long StatoProcessoBytes(const std::string& campo) {
  std::ifstream status("/proc/self/status");
  const std::string inizio = campo + ":";
  for (std::string riga; std::getline(status, riga);)
    if (riga.rfind(inizio, 0) == 0) return std::atoll(riga.c_str() + inizio.size()) * 1024;
  return 0;
}

// The peak resident memory of this process image, in bytes (VmHWM): unlike ru_maxrss it starts again at
// an exec, so a program run again for each size sees only that size.
inline long long PeakRssSinceExecBytes() { return StatoProcessoBytes("VmHWM"); }

// The highest resident anonymous memory (RssAnon) seen between construction and Ferma, sampled every
// millisecond on a thread of its own: the kernel keeps a peak only of all resident memory, which counts
// the pages of memory-mapped files too.
class PiccoAnonimo {
 public:
  PiccoAnonimo()
      : filo_([this] {
          while (!fine_) {
            Osserva();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
          }
        }) {}
  ~PiccoAnonimo() { Ferma(); }
  PiccoAnonimo(const PiccoAnonimo&) = delete;
  PiccoAnonimo& operator=(const PiccoAnonimo&) = delete;

  // Stops sampling and gives the peak in bytes.
  long long Ferma() {
    fine_ = true;
    if (filo_.joinable()) filo_.join();
    Osserva();
    return picco_;
  }

 private:
  void Osserva() { picco_ = std::max(picco_.load(), StatoProcessoBytes("RssAnon")); }

  std::atomic<bool> fine_{false};
  std::atomic<long long> picco_{0};
  std::thread filo_;
};

// The connection string of an SQLite price list.
inline std::string Connessione(const std::string& file) { return "provider=sqlite;Database=" + file; }

// The sample price list of that many items in dir, written on first need.
inline std::string Campione(const std::string& dir, long long articoli) {
  std::filesystem::create_directories(dir);
  const std::string file = dir + "/sample-" + std::to_string(articoli) + ".sqlite";
  if (!std::filesystem::exists(file)) {
    OpzioniCampione o;
    o.articoli = articoli;
    std::fprintf(stderr, "writing %s\n", file.c_str());
    ScriviListinoCampione(file, o);
  }
  return file;
}

// The engine of one SQLite price list, restored as a container restores it in container mode.
inline std::unique_ptr<TGestore> Ripristina(const std::string& file) {
  Processo().containerMode = true;
  Processo().listinoAperto = Connessione(file);
  auto g = std::make_unique<TGestore>(true);
  g->ripristina_da_database();
  return g;
}

// The text of the restore's primary query on an SQLite price list, as the engine composes it.
inline std::string SqlPrimarie(const std::string& file) {
  TDMMain dm;
  dm.SettaConnessione(Connessione(file), 0);
  dm.Connetti();
  TGestore vuoto(true);
  return vuoto.ComponiSqlPrimarie(dm);
}

// A read-only connection to an SQLite file with the settings of the engine's own connections, for bare
// reads; null when the file cannot be opened.
inline SqliteDb ApriInLettura(const std::string& file) {
  sqlite3* raw = nullptr;
  const int rc = sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr);
  SqliteDb db(raw);  // sqlite3_open_v2 may hand out a handle even when it fails: it is closed either way
  if (rc != SQLITE_OK) return nullptr;
  SqliteEngine::ApplyReadSettings(db.get());
  return db;
}

// The bare query: every row stepped, every column read as the engine would read it. Returns the bytes of
// the text and blob columns plus one for each non-zero number.
inline long long QueryNuda(const std::string& file, const std::string& sql) {
  SqliteDb db = ApriInLettura(file);
  if (!db) return 0;
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

}  // namespace rovan::bench
