#include "plugin/Ingombs.h"

#include <charconv>

#include "platform/text_utils.h"
#include "plugin/reporting.h"
#include "plugin/value_menus.h"

namespace rovan {
namespace {

TIngomb* aperto = nullptr;

struct Asse {
  const char* tabella;
  std::string TIngomb::*reale;
  std::string TIngomb::*nominale;
};
constexpr Asse kAssi[] = {{"MenuX_pcf", &TIngomb::X, &TIngomb::XN},
                          {"MenuY_pcf", &TIngomb::Y, &TIngomb::YN},
                          {"MenuZ_pcf", &TIngomb::Z, &TIngomb::ZN}};

// The whole text, trimmed, as a number with "." as decimal separator.
bool LeggiNumero(std::string_view testo, double& valore) {
  testo = TrimView(testo);
  const auto [fine, errore] = std::from_chars(testo.data(), testo.data() + testo.size(), valore);
  return !testo.empty() && errore == std::errc() && fine == testo.data() + testo.size();
}

// The host's entries are 32-bit numbers: written as the shortest text that reads back as the same one.
std::string ScriviNumero(double valore) {
  char buf[32];
  const auto [fine, errore] = std::to_chars(buf, buf + sizeof buf, static_cast<float>(valore));
  return errore == std::errc() ? std::string(buf, fine) : std::string();
}

}  // namespace

void TIngomb::Real2Nom() {
  for (const Asse& a : kAssi) {
    this->*a.nominale = this->*a.reale;
    double misura = 0;
    if (!LeggiNumero(this->*a.reale, misura)) continue;
    if (auto nome = ValoreMenuPerMisura(a.tabella, misura)) this->*a.nominale = *nome;
  }
}

void TIngomb::Nom2Real() {
  for (const Asse& a : kAssi) {
    if ((this->*a.nominale).empty()) continue;
    if (auto misura = MisuraPerValoreMenu(a.tabella, this->*a.nominale)) this->*a.reale = ScriviNumero(*misura);
  }
}

bool TIngomb::Ok() {
  for (const Asse& a : kAssi) {
    if ((this->*a.nominale).empty()) continue;
    auto misura = MisuraPerValoreMenu(a.tabella, this->*a.nominale);
    if (misura && ScriviNumero(*misura) != this->*a.reale) {
      MostraMessaggio("Situazione non Allineata");
      return false;
    }
  }
  return true;
}

ModalResult TIngomb::ShowModal() {
  // Restores the previous dialog even when the face throws, so Aperto() never dangles.
  struct Apertura {
    TIngomb* precedente;
    explicit Apertura(TIngomb* d) : precedente(aperto) { aperto = d; }
    ~Apertura() { aperto = precedente; }
  } apertura(this);
  return Ui().ShowModal(kNomeDialogo);
}

TIngomb* TIngomb::Aperto() { return aperto; }

}  // namespace rovan
