#include "host/rovan/commands.h"

namespace rovan::cli {

const std::vector<Comando>& Comandi() {
  static const std::vector<Comando> comandi = {
      kComandoPicture,
  };
  return comandi;
}

}  // namespace rovan::cli
