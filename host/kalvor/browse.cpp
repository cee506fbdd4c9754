#include "host/kalvor/browse.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <optional>

#include "platform/code_page.h"
#include "platform/text_utils.h"
#include "plugin/interface_ref.h"

namespace kalvor {
namespace {

using rovan::IBlob;
using rovan::IRovanCodici;
using rovan::IRovanContainer;
using rovan::IRovanTree;

using Codici = rovan::Rif<IRovanCodici>;
using Blob = rovan::Rif<IBlob>;

int Numero(const std::string& testo) {
  int n = 0;
  if (!rovan::TryParseInt(testo, n)) throw std::invalid_argument("not a number: " + testo);
  return n;
}

void StampaNodo(IRovanTree* n, int livello) {
  int32_t tot = 0, filtrati = 0;
  const int32_t conta = n->ContaCodiciNodo(&tot, &filtrati);
  const std::string descrizione = n->GetDescrNodo();
  std::printf("%*s%d\t%s\t%s\t", livello * 2, "", n->GetIdNodo(), descrizione.c_str(), n->GetTipoNodo());
  if (conta < 0) std::printf("%d tabs\n", n->GetNumFigli());
  else std::printf("%d codes (%d after filters)\n", tot, filtrati);
  for (IRovanTree* f = n->PrimoFiglio(); f != nullptr; f = n->ProssimoFiglio()) StampaNodo(f, livello + 1);
}

void StampaCodici(IRovanCodici& l) {
  for (int32_t i = 0; i < l.Count(); ++i) {
    std::string flag;
    if (l.HaScheda(i)) flag += "S";
    if (l.HaFoto(i)) flag += "F";
    if (l.IsGenerico(i)) flag += "G";
    if (!l.IsAttivoInModello(i)) flag += "-";
    // A text handed out stays valid only until the next call on the list: each is copied at once.
    const std::string codice = rovan::AnsiToUtf8(l.Codice(i));
    const std::string vista = rovan::AnsiToUtf8(l.CodiceView(i));
    const std::string descrizione = l.Desc(i);
    std::printf("%s\t%s\t%s\t%d\t%s\n", codice.c_str(), vista.c_str(), descrizione.c_str(), l.IdLinguetta(i), flag.c_str());
  }
}

// The codes of a tab (idSec negative: idPri names any tab), printed; the exit status.
int ElencaCodici(IRovanContainer& c, int idPri, int idSec) {
  Codici l(static_cast<IRovanCodici*>(c.GetRovanCodici(idPri, idSec)));
  if (!l) return 1;
  StampaCodici(*l);
  return 0;
}

// The tab of a path, found as a host finds it: "setta_cartella PATH" answers with event 5 and the tab id
// (-1 when no tab has that path).
std::optional<int> IdPerPath(IRovanContainer& c, EventSink& eventi, const std::string& path) {
  eventi.Clear();
  c.Command(rovan::Utf8ToAnsi("setta_cartella " + path).c_str());
  const std::optional<std::string> risposta = eventi.Last(5);
  int id = -1;
  if (!risposta || !rovan::TryParseInt(*risposta, id) || id < 0) return std::nullopt;
  return id;
}

}  // namespace

int Sfoglia(IRovanContainer& c, EventSink& eventi, const std::string& comando, const std::vector<std::string>& args) {
  auto* radice = static_cast<IRovanTree*>(c.GetRovanTree());
  if (comando == "tree") {
    if (radice == nullptr) return 1;
    for (IRovanTree* f = radice->PrimoFiglio(); f != nullptr; f = radice->ProssimoFiglio()) StampaNodo(f, 0);
    return 0;
  }
  if (comando == "codes" && (args.size() == 1 || args.size() == 2))
    return ElencaCodici(c, Numero(args[0]), args.size() == 2 ? Numero(args[1]) : -1);
  if (comando == "codes-path" && args.size() == 1) {
    const std::optional<int> id = IdPerPath(c, eventi, args[0]);
    if (!id) {
      std::fprintf(stderr, "kalvor: no tab has the path %s\n", args[0].c_str());
      return 1;
    }
    return ElencaCodici(c, *id, -1);
  }
  if (comando == "find" && !args.empty()) {
    const bool suDescrizioni = args.size() > 1 && args[1] == "--descrizioni";
    Codici l(static_cast<IRovanCodici*>(c.FindCodici(args[0].c_str(), suDescrizioni ? 1 : 0)));
    if (!l) return 1;
    StampaCodici(*l);
    return 0;
  }
  if (comando == "item" && (args.size() == 1 || args.size() == 2)) {
    const std::string codice = rovan::Utf8ToAnsi(args[0]);
    if (args.size() == 2) return c.getCompostoDB(codice.c_str(), rovan::Utf8ToAnsi(args[1]).c_str()) == 1 ? 0 : 1;
    Blob b(static_cast<IBlob*>(c.getCompostoDBBlob(codice.c_str())));
    if (!b) return 1;
    const std::string testo = rovan::TestoBlob(*b);
    std::fwrite(testo.data(), 1, testo.size(), stdout);
    return 0;
  }
  if (comando == "image" && (args.size() == 2 || args.size() == 4)) {
    const int w = args.size() == 4 ? Numero(args[2]) : 128, h = args.size() == 4 ? Numero(args[3]) : 96;
    Blob b(static_cast<IBlob*>(c.getImmagineDBBlobTipo(2, h, w, rovan::Utf8ToAnsi(args[0]).c_str())));
    if (!b) return 1;
    std::ofstream(args[1], std::ios::binary).write(static_cast<const char*>(b->Data()), b->Size());
    std::printf("%s: %u bytes of PNG, %dx%d\n", args[1].c_str(), b->Size(), w, h);
    return 0;
  }
  if (comando == "json") {
    Blob b(static_cast<IBlob*>(c.GetRovanTreeJson()));
    if (!b) return 1;
    const std::string testo = rovan::TestoBlob(*b);
    std::fwrite(testo.data(), 1, testo.size(), stdout);
    return 0;
  }
  if (comando == "command" && args.size() == 1) {
    eventi.Clear();
    const int32_t esito = c.Command(rovan::Utf8ToAnsi(args[0]).c_str());
    for (const EventSink::Event& e : eventi.events()) std::printf("event %d: %s\n", e.type, e.text.c_str());
    std::printf("%d\n", esito);
    return 0;
  }
  std::fprintf(stderr, "kalvor: unknown command or arguments: %s\n", comando.c_str());
  return 2;
}

}  // namespace kalvor
