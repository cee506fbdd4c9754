// rovan: the catalogue maker's command line. It links the core directly.
//
//   rovan COMMAND [ARGS]     (rovan help lists the commands)
#include <cstdio>
#include <exception>
#include <string>

#include "host/rovan/commands.h"

namespace {

int Usage(FILE* out) {
  std::fprintf(out, "usage: rovan COMMAND [ARGS]\n  help    this text\n");
  for (const auto& c : rovan::cli::Comandi()) std::fprintf(out, "  %s %s\n      %s\n", c.nome, c.sintassi, c.scopo);
  return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(stderr);
  const std::string name = argv[1];
  if (name == "help" || name == "--help" || name == "-h") return Usage(stdout);
  for (const auto& c : rovan::cli::Comandi()) {
    if (name != c.nome) continue;
    try {
      return c.esegui(rovan::cli::Argomenti(argv + 2, argv + argc));
    } catch (const std::exception& e) {
      std::fprintf(stderr, "rovan %s: %s\n", c.nome, e.what());
      return 1;
    }
  }
  std::fprintf(stderr, "rovan: unknown command %s\n", name.c_str());
  return Usage(stderr);
}
