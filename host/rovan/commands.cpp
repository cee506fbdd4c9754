#include "host/rovan/commands.h"

namespace rovan::cli {

extern const Comando kComandoInfo;
extern const Comando kComandoSample;

const std::vector<Comando>& Comandi() {
  static const std::vector<Comando> comandi = {
      kComandoInfo,
      kComandoSample,
  };
  return comandi;
}

}  // namespace rovan::cli
