#include "plugin/host_script.h"

#include <algorithm>

#include "platform/text_utils.h"
#include "plugin/process_state.h"

namespace rovan {
namespace {

std::string SetName(const std::string& codice) { return "SET_NAME \"" + codice + "\""; }

}  // namespace

void ImpostaNomeComposto(std::vector<std::string>& lista, const std::string& codice, bool isGenerico,
                         const std::string& desListino) {
  if (Processo().switches.escludiSist) return;
  const std::string generico = "SET_STATO Generico";

  auto nome = std::find_if(lista.begin(), lista.end(), [](const std::string& riga) {
    return UpperAscii(TrimView(riga)).starts_with("SET_NAME");
  });
  if (nome != lista.end()) {
    *nome = SetName(codice);
    if (isGenerico) lista.insert(nome, generico);
    return;
  }

  auto fine = std::find_if(lista.begin(), lista.end(), [](const std::string& riga) {
    return UpperAscii(riga).find("COMPONENDO 0") != std::string::npos;
  });
  if (fine == lista.end()) return;
  std::vector<std::string> righe;
  if (isGenerico) righe.push_back(generico);
  righe.push_back("VAR_SET cmp_listino=\"" + desListino + "\"");
  righe.push_back(SetName(codice));
  lista.insert(fine, righe.begin(), righe.end());
}

void ScriptCompostoVuoto(std::vector<std::string>& lista) {
  const std::string righe[] = {"// creazione da Listino",
                               "PATH 1",
                               "PUSH",
                               "COMPONENDO 1",
                               "ELEMENTO " + Processo().switches.nonGraficato,
                               "STRUTTURA",
                               "Set_s \\0",
                               "SET_NAME 'TTT' ",
                               "COMPONENDO 0",
                               "POP"};
  lista.insert(lista.end(), std::begin(righe), std::end(righe));
}

}  // namespace rovan
