// rovan find CONNECTION PATTERN [--descrizioni] [--max N]: the codes a search finds, in the order found,
// one a line: code, tab id and description separated by tabs.
#include <cstdio>

#include "engine/URovanCodici.h"
#include "host/rovan/commands.h"
#include "host/rovan/engine_argument.h"
#include "platform/text_utils.h"
#include "plugin/process_state.h"

namespace rovan::cli {
namespace {

int Find(const Argomenti& args) {
  std::vector<std::string> posizionali;
  bool suDescrizioni = false;
  int massimo = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--descrizioni") suDescrizioni = true;
    else if (args[i] == "--max" && i + 1 < args.size() && TryParseInt(args[i + 1], massimo)) ++i;
    else posizionali.push_back(args[i]);
  }
  if (posizionali.size() != 2) {
    std::fprintf(stderr, "usage: rovan find CONNECTION PATTERN [--descrizioni] [--max N]\n");
    return 2;
  }
  std::unique_ptr<TGestore> g = RipristinaMotore(posizionali[0]);
  Processo().massimoRicerca = massimo;
  auto* trovati = new TRovanCodici;  // owned by its reference count
  try {
    g->FindCodici(*trovati, posizionali[1], suDescrizioni);
  } catch (...) {
    trovati->Release();
    throw;
  }
  for (int32_t i = 0; i < trovati->Count(); ++i) {
    const TCodiceListino* e = trovati->CodiceListino(i);
    std::printf("%s\t%d\t%s\n", std::string(e->codice()).c_str(), e->m_IdLinguetta, std::string(e->descrizione()).c_str());
  }
  trovati->Release();
  return 0;
}

}  // namespace

extern const Comando kComandoFind{"find", "CONNECTION PATTERN [--descrizioni] [--max N]",
                                  "the codes (or descriptions) matching a pattern with *, ? and [sets]", Find};

}  // namespace rovan::cli
