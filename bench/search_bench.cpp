// search_bench [--items N] [--runs R] [--dir D]
//
// On a sample price list of N items (default 1000000): a search with a pattern that starts with "*"
// (FindCodici, every code) against a bare loop running fnmatch with case folding over the same code texts,
// in the same process; and on a sample of 100000 items, applying and removing a value filter, as a ratio to
// the restore of that price list.
#include <fnmatch.h>

#include <cstdlib>
#include <filesystem>

#include "bench/bench_util.h"
#include "engine/URovanCodici.h"
#include "engine/gestore.h"
#include "plugin/process_state.h"
#include "storage/listino_campione.h"

using namespace rovan;

namespace {

}  // namespace

int main(int argc, char** argv) {
  const bench::Opzioni opzioni(argc, argv, {1000000});
  const long long articoli = opzioni.articoli.back();
  const int runs = opzioni.runs;
  const std::string& dir = opzioni.dir;
  std::unique_ptr<TGestore> g = bench::Ripristina(bench::Campione(dir, articoli));
  std::vector<std::string> codici;
  for (const auto& p : g->primarie())
    for (const TCodMdl* cm : p->codici().items()) codici.emplace_back(cm->cod());
  // A selective search, as a designer types it, and a broad one that lists a tenth of the catalogue.
  for (const char* kImpronta : {"*-00012?", "*-bas-0?0-*"}) {
    long long trovatiNudi = 0, trovati = 0;
    const double nudo = bench::MedianMs(runs, [&] {
      trovatiNudi = 0;
      for (const std::string& c : codici) trovatiNudi += fnmatch(kImpronta, c.c_str(), FNM_CASEFOLD) == 0;
    });
    const double ricerca = bench::MedianMs(runs, [&] {
      auto* r = new TRovanCodici;  // owned by its reference count
      g->FindCodici(*r, kImpronta, false);
      trovati = r->Count();
      r->Release();
    });
    std::printf("search %lld items, pattern %s: FindCodici %.1f ms (%lld found), fnmatch %.1f ms (%lld), ratio %.2f\n",
                articoli, kImpronta, ricerca, trovati, nudo, trovatiNudi, ricerca / nudo);
  }
  {
    g.reset();
    const std::string file = bench::Campione(dir, 100000);
    const double ripristino = bench::MedianMs(runs, [&] { bench::Ripristina(file); });
    g = bench::Ripristina(file);
    const double filtro = bench::MedianMs(runs, [&] {
      g->AggAttFil(4, 401, "Finitura", "Rovere");
      g->ElAttFilCod(4, 401);
    });
    std::printf("value filter on 100000 items: apply and remove %.1f ms, restore %.1f ms, ratio %.3f\n", filtro,
                ripristino, filtro / ripristino);
  }
  return 0;
}
