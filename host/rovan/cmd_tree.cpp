// rovan tree CONNECTION: the tab tree, one tab a line, indented by level:
// id, path, base description and number of codes, separated by tabs.
#include <cstdio>

#include "host/rovan/commands.h"
#include "host/rovan/engine_argument.h"

namespace rovan::cli {
namespace {

void Stampa(const TVista& v, const std::string& path, int livello) {
  std::printf("%*s%d\t%s\t%s\t%d\n", livello * 2, "", v.id(), path.c_str(), v.getDesOri().c_str(), v.codici().Count());
  for (const auto& s : v.figli()) Stampa(*s, path + "\\" + std::to_string(s->val()), livello + 1);
}

int Tree(const Argomenti& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: rovan tree CONNECTION\n");
    return 2;
  }
  std::unique_ptr<TGestore> g = RipristinaMotore(args[0]);
  for (const auto& p : g->primarie()) Stampa(*p, std::to_string(p->val()), 0);
  return 0;
}

}  // namespace

extern const Comando kComandoTree{"tree", "CONNECTION",
                                  "the tab tree of a price list: id, path, description and number of codes", Tree};

}  // namespace rovan::cli
