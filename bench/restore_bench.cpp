// restore_bench [--items N]... [--runs R] [--dir D]
//
// For sample price lists of each size (default 100000 and 1000000 items, written once into D, default
// /tmp/rovan-bench): the median time of the bare primary query of the tab-tree restore through sqlite3
// with every column read, the median time of the whole restore, their ratio, and the memory the restored
// engine holds per code against the bytes of the texts it keeps.
#include <cstdlib>
#include <filesystem>

#include "bench/bench_util.h"
#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "storage/listino_campione.h"

using namespace rovan;

namespace {

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
  const bench::Opzioni opzioni(argc, argv, {100000, 1000000});
  const int runs = opzioni.runs;

  std::printf("%-10s %12s %12s %8s %12s %12s %10s %10s\n", "items", "query ms", "restore ms", "ratio",
              "bytes/code", "text/code", "mem ratio", "peak MB");
  for (long long n : opzioni.articoli) {
    const std::string file = bench::Campione(opzioni.dir, n);
    const std::string sql = bench::SqlPrimarie(file);
    bench::QueryNuda(file, sql);  // warms the page cache for both

    // Memory first, in a process that has not yet freed a restored tree.
    const long long prima = bench::HeapInUse();
    std::unique_ptr<TGestore> g = bench::Ripristina(file);
    const long long dopo = bench::HeapInUse();
    const long long picco = bench::PeakRssBytes();
    long long codici = 0, testo = 0;
    ContaCodici(*g, codici, testo);
    g.reset();

    const double nuda = bench::MedianMs(runs, [&] { bench::QueryNuda(file, sql); });
    const double ripristino = bench::MedianMs(runs, [&] { bench::Ripristina(file); });
    const double perCodice = codici ? static_cast<double>(dopo - prima) / static_cast<double>(codici) : 0;
    const double testoPerCodice = codici ? static_cast<double>(testo) / static_cast<double>(codici) : 0;
    std::printf("%-10lld %12.1f %12.1f %8.2f %12.1f %12.1f %10.2f %10.1f\n", n, nuda, ripristino, ripristino / nuda,
                perCodice, testoPerCodice, testoPerCodice > 0 ? perCodice / testoPerCodice : 0, picco / 1048576.0);
  }
  return 0;
}
