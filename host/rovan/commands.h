// The commands of the rovan command line. Each command lives in its own file and registers itself in
// Comandi() (commands.cpp).
#pragma once

#include <string>
#include <vector>

namespace rovan::cli {

using Argomenti = std::vector<std::string>;

struct Comando {
  const char* nome;     // as typed
  const char* sintassi; // arguments, for the usage text
  const char* scopo;    // one line
  int (*esegui)(const Argomenti& args);  // args after the command name; the exit status
};

// The commands, each defined in its own file.
extern const Comando kComandoFind;
extern const Comando kComandoInfo;
extern const Comando kComandoJson;
extern const Comando kComandoPicture;
extern const Comando kComandoSample;
extern const Comando kComandoTree;

// Every command, in the order of the usage text.
const std::vector<Comando>& Comandi();

}  // namespace rovan::cli
