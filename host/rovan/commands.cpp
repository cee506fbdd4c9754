#include "host/rovan/commands.h"

namespace rovan::cli {

const std::vector<Comando>& Comandi() {
  static const std::vector<Comando> comandi = {
      kComandoFind,
      kComandoInfo,
      kComandoJson,
      kComandoPicture,
      kComandoSample,
      kComandoTree,
  };
  return comandi;
}

}  // namespace rovan::cli
