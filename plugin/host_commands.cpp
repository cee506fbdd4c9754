#include "plugin/host_commands.h"

namespace rovan::comandi {
namespace {

std::string Quoted(const std::string& text) { return '"' + text + '"'; }

}  // namespace

std::string RecCmp(const std::string& file, const std::string& codice) {
  return "rec_cmp " + Quoted(file) + " " + Quoted(codice);
}

std::string RecIt(const std::string& file) { return "rec_it " + file; }

std::string TPrint(const std::string& file, const std::string& preset) {
  return "TPRINT CMD GO ORVEL BATCH RND_OUTFILE " + Quoted(file) + " RND_PRESET " + Quoted(preset);
}

}  // namespace rovan::comandi
