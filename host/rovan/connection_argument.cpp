#include "host/rovan/connection_argument.h"

namespace rovan::cli {

std::string Connessione(const std::string& argomento) {
  if (argomento.find('=') != std::string::npos) return argomento;
  return "provider=sqlite;Database=" + argomento;
}

}  // namespace rovan::cli
