// Small helpers shared by the benchmark programs.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <malloc.h>
#include <sys/resource.h>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "storage/listino_campione.h"

namespace rovan::bench {

// The median time in milliseconds of runs calls of action.
inline double MedianMs(int runs, const std::function<void()>& action) {
  std::vector<double> tempi;
  for (int i = 0; i < runs; ++i) {
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
  Processo().listinoAperto = "provider=sqlite;Database=" + file;
  auto g = std::make_unique<TGestore>(true);
  g->ripristina_da_database();
  return g;
}

}  // namespace rovan::bench
