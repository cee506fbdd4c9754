// rovan json CONNECTION [FILE]: the JSON text of the tab tree, to FILE or to the standard output.
#include <cstdio>
#include <fstream>

#include "engine/json_writer.h"
#include "host/rovan/commands.h"
#include "host/rovan/engine_argument.h"

namespace rovan::cli {
namespace {

int Json(const Argomenti& args) {
  if (args.empty() || args.size() > 2) {
    std::fprintf(stderr, "usage: rovan json CONNECTION [FILE]\n");
    return 2;
  }
  std::unique_ptr<TGestore> g = RipristinaMotore(args[0]);
  JsonLines testo;
  g->ScriviGestJson(testo);
  if (args.size() == 1) {
    std::fwrite(testo.testo().data(), 1, testo.testo().size(), stdout);
    return 0;
  }
  std::ofstream out(args[1], std::ios::binary);
  out << testo.testo();
  if (!out) {
    std::fprintf(stderr, "rovan json: cannot write %s\n", args[1].c_str());
    return 1;
  }
  return 0;
}

}  // namespace

extern const Comando kComandoJson{"json", "CONNECTION [FILE]", "the JSON text of the tab tree of a price list", Json};

}  // namespace rovan::cli
