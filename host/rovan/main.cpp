// rovan: the catalogue maker's command line. It links the core directly.
//
//   rovan help       this text
// Commands for price lists arrive with the storage layer.
#include <cstdio>
#include <string>

namespace {

int Usage(FILE* out) {
  std::fprintf(out,
               "usage: rovan COMMAND [ARGS]\n"
               "  help       this text\n");
  return out == stdout ? 0 : 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage(stderr);
  const std::string command = argv[1];
  if (command == "help" || command == "--help" || command == "-h") return Usage(stdout);
  std::fprintf(stderr, "rovan: unknown command %s\n", command.c_str());
  return Usage(stderr);
}
