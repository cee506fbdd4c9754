#include "host/rovan/engine_argument.h"

#include "host/rovan/connection_argument.h"
#include "plugin/process_state.h"

namespace rovan::cli {

std::unique_ptr<TGestore> RipristinaMotore(const std::string& argomento) {
  ProcessState& p = Processo();
  p.containerMode = true;
  p.listinoAperto = Connessione(argomento);
  auto g = std::make_unique<TGestore>(true);
  g->ripristina_da_database();
  return g;
}

}  // namespace rovan::cli
