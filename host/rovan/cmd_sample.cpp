// rovan sample FILE [--items N] [--seed S]: writes a sample price list as an SQLite file.
#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "host/rovan/commands.h"
#include "platform/text_utils.h"
#include "storage/listino_campione.h"

namespace rovan::cli {
namespace {

int Sample(const Argomenti& args) {
  OpzioniCampione opzioni;
  std::string file;
  for (size_t i = 0; i < args.size(); ++i) {
    int n = 0;
    if ((args[i] == "--items" || args[i] == "--seed") && i + 1 < args.size() && TryParseInt(args[i + 1], n) && n >= 0) {
      if (args[i] == "--items") opzioni.articoli = n;
      else opzioni.seme = static_cast<uint64_t>(n);
      ++i;
    } else if (file.empty() && args[i].rfind("--", 0) != 0) {
      file = args[i];
    } else {
      file.clear();
      break;
    }
  }
  if (file.empty()) {
    std::fprintf(stderr, "usage: rovan sample FILE [--items N] [--seed S]\n");
    return 2;
  }
  const bool terminale = isatty(STDERR_FILENO) != 0;
  opzioni.avanzamento = [terminale](int64_t fatti, int64_t totale) {
    if (terminale) std::fprintf(stderr, "\r%lld / %lld items", static_cast<long long>(fatti), static_cast<long long>(totale));
  };
  const auto inizio = std::chrono::steady_clock::now();
  ScriviListinoCampione(file, opzioni);
  const double secondi = std::chrono::duration<double>(std::chrono::steady_clock::now() - inizio).count();
  if (terminale) std::fprintf(stderr, "\n");
  std::printf("%s: %lld items in %.1f s\n", file.c_str(), static_cast<long long>(opzioni.articoli), secondi);
  return 0;
}

}  // namespace

extern const Comando kComandoSample{"sample", "FILE [--items N] [--seed S]",
                                    "writes a deterministic sample price list (default 1000 items) as an SQLite file",
                                    Sample};

}  // namespace rovan::cli
