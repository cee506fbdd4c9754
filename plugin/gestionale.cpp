#include "plugin/gestionale.h"

#include <array>

#include "platform/code_page.h"
#include "platform/text_utils.h"
#include "plugin/host_link.h"

namespace rovan {
namespace {
constexpr int32_t kDesSize = 256;
constexpr int32_t kFiltroSize = 10001;
}  // namespace

Gestionale& Gestionale::Get() {
  static Gestionale g;
  return g;
}

bool Gestionale::Disponibile() {
  if (state_ == NonProvato && HostLink::Get().available()) {
    state_ = NonDisponibile;
    std::optional<std::string> name = HostLink::Get().ReadText("InOutDll");
    if (name && !name->empty()) library_ = DynamicLibrary::Open(*name);
    if (library_) {
      if ((des_ = library_->Function<DesArticolo>("dammiDesArticolo_UTF8")) != nullptr)
        state_ = DisponibileUtf8;
      else if ((des_ = library_->Function<DesArticolo>("dammiDesArticolo")) != nullptr)
        state_ = DisponibileAnsi;
      if (state_ != NonDisponibile) {
        des2_ = library_->Function<DesArticolo2>("dammiDesArticolo2_UTF8");
        if (des2_ == nullptr) {
          des2_ = library_->Function<DesArticolo2>("dammiDesArticolo2");
          if (des2_ != nullptr) state_ = DisponibileAnsi;
        }
        isCod_ = library_->Function<IsCod>("IsCodGestionale");
        filtro_ = library_->Function<Filtro>("dammiFiltroArticolo");
      }
    }
  }
  return state_ == DisponibileAnsi || state_ == DisponibileUtf8;
}

std::string Gestionale::Decodifica(const char* buf) const {
  return Trim(state_ == DisponibileUtf8 ? std::string(buf) : AnsiToUtf8(buf));
}

std::string Gestionale::DescrizioneArticolo(const std::string& codice) {
  if (!Disponibile()) return {};
  std::array<char, kDesSize + 1> buf{};
  if (des_(Utf8ToAnsi(codice).c_str(), buf.data()) == 0) return {};
  return Decodifica(buf.data());
}

std::string Gestionale::DescrizioneArticoloLingua(const std::string& codice, const std::string& codiceLingua) {
  if (!Disponibile() || des2_ == nullptr) return {};
  std::array<char, kDesSize + 1> buf{};
  if (des2_(Utf8ToAnsi(codice).c_str(), Utf8ToAnsi(codiceLingua).c_str(), buf.data()) == 0) return {};
  return Decodifica(buf.data());
}

bool Gestionale::DescrizioniArticoloLingue(const std::string& codice,
                                           const std::vector<std::string>& codiciLingua,
                                           std::vector<std::string>& lista) {
  lista.clear();
  bool trovata = false;
  for (const std::string& lingua : codiciLingua) {
    lista.push_back(DescrizioneArticoloLingua(codice, lingua));
    trovata = trovata || !lista.back().empty();
  }
  return trovata;
}

bool Gestionale::IsCodGestionale(const std::string& codice) {
  return Disponibile() && isCod_ != nullptr && isCod_(Utf8ToAnsi(codice).c_str()) != 0;
}

std::string Gestionale::FiltroArticolo(const std::string& codice) {
  if (!Disponibile() || filtro_ == nullptr) return {};
  std::array<char, kFiltroSize + 1> buf{};
  if (filtro_(Utf8ToAnsi(codice).c_str(), kFiltroSize, buf.data()) == 0) return {};
  return std::string(buf.data());
}

void Gestionale::Scarica() {
  des_ = nullptr;
  des2_ = nullptr;
  isCod_ = nullptr;
  filtro_ = nullptr;
  library_.reset();
  state_ = NonProvato;
}

}  // namespace rovan
