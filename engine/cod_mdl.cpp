#include "engine/cod_mdl.h"

#include <algorithm>
#include <cmath>
#include <charconv>
#include <cstring>
#include <stdexcept>

#include "engine/json_writer.h"

namespace rovan {
const std::array<const char*, TCodMdl::NumCampi - TCodMdl::kPrimoTecnico>& TCodMdl::NomiTecnici() {
  static const std::array<const char*, NumCampi - kPrimoTecnico> nomi = {
      "CodProduttore", "CodLavorazione", "FileSat", "Nota", "XReale", "YReale",
      "ZReale",        "Prezzo",         "XLav",    "YLav", "ZLav"};
  return nomi;
}

std::unique_ptr<TCodMdl> TCodMdl::Crea(int idListino, const Testi& testi) {
  const size_t dimensione = Dimensione(testi);
  std::unique_ptr<TCodMdl> cm(new (dimensione) TCodMdl(idListino, dimensione));
  Scrivi(testi, reinterpret_cast<char*>(cm.get() + 1));
  return cm;
}

namespace {

uint64_t MascheraDi(const char* dati) {
  uint64_t maschera;
  std::memcpy(&maschera, dati, sizeof maschera);
  return maschera;
}

// The bits set (without the processor's instruction, which the baseline x86-64 target lacks: the library
// call was a visible part of a search).
int Contati(uint64_t x) {
  x -= (x >> 1) & 0x5555555555555555ull;
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0full;
  return static_cast<int>((x * 0x0101010101010101ull) >> 56);
}

}  // namespace

size_t TCodMdl::DimensioneCopia() const {
  const char* dati = Dati();
  const int campi = Memorizzati(MascheraDi(dati));
  uint16_t testo = 0;  // the end of the last stored field is the length of all the characters
  if (campi > 0) std::memcpy(&testo, dati + kMaschera + sizeof(uint16_t) * (campi - 1), sizeof testo);
  return sizeof(TCodMdl) + kMaschera + sizeof(uint16_t) * campi + testo;
}

TCodMdl* TCodMdl::CopiaIn(void* memoria) const {
  const size_t dimensione = DimensioneCopia() - sizeof(TCodMdl);
  TCodMdl* cm = ::new (memoria) TCodMdl(m_IdListino, dimensione);
  std::memcpy(reinterpret_cast<char*>(cm + 1), Dati(), dimensione);
  cm->m_IdOrdine = m_IdOrdine;
  cm->ha_foto = ha_foto;
  cm->ha_scheda = ha_scheda;
  cm->m_Visible = m_Visible;
  cm->m_isgenerico = m_isgenerico;
  cm->m_isfendrix = m_isfendrix;
  return cm;
}

uint64_t TCodMdl::Maschera(const Testi& testi) {
  static_assert(NumCampi <= kPrimoBitConteggio, "the fields' bits overlap the count");
  uint64_t maschera = 0;
  for (int i = 0; i < NumCampi; ++i)
    if (!testi[static_cast<size_t>(i)].empty()) maschera |= uint64_t{1} << i;
  if (!testi[DescrizioneOri].empty() && testi[DescrizioneOri] == testi[Descr])
    maschera = (maschera & ~(uint64_t{1} << DescrizioneOri)) | kOriComeDescr;
  return maschera | static_cast<uint64_t>(Contati(maschera & kBitCampi)) << kPrimoBitConteggio;
}

size_t TCodMdl::Dimensione(const Testi& testi) {
  const uint64_t maschera = Maschera(testi);
  size_t totale = kMaschera;
  for (int i = 0; i < NumCampi; ++i)
    if (maschera & (uint64_t{1} << i)) totale += sizeof(uint16_t) + testi[static_cast<size_t>(i)].size();
  if (totale > UINT16_MAX) throw std::length_error("code texts too long");
  return totale;
}

void TCodMdl::Scrivi(const Testi& testi, char* dati) {
  const uint64_t maschera = Maschera(testi);
  std::memcpy(dati, &maschera, sizeof maschera);
  char* fine = dati + kMaschera;
  char* testo = fine + sizeof(uint16_t) * Memorizzati(maschera);
  size_t pos = 0;
  for (int i = 0; i < NumCampi; ++i) {
    if (!(maschera & (uint64_t{1} << i))) continue;
    const std::string_view t = testi[static_cast<size_t>(i)];
    std::memcpy(testo + pos, t.data(), t.size());
    pos += t.size();
    const auto f = static_cast<uint16_t>(pos);
    std::memcpy(fine, &f, sizeof f);
    fine += sizeof f;
  }
}

std::string_view TCodMdl::Get(Campo c) const {
  const char* dati = Dati();
  const uint64_t maschera = MascheraDi(dati);
  if (c == DescrizioneOri && (maschera & kOriComeDescr)) c = Descr;
  const uint64_t bit = uint64_t{1} << c;
  if (!(maschera & bit)) return {};
  const int prima = c == Cod ? 0 : Contati(maschera & (bit - 1));  // stored fields before this one
  const char* fine = dati + kMaschera;
  uint16_t inizio = 0, termine = 0;
  if (prima > 0) std::memcpy(&inizio, fine + sizeof(uint16_t) * (prima - 1), sizeof inizio);
  std::memcpy(&termine, fine + sizeof(uint16_t) * prima, sizeof termine);
  return std::string_view(fine + sizeof(uint16_t) * Memorizzati(maschera) + inizio, termine - inizio);
}

void TCodMdl::Set(Campo c, std::string_view valore) {
  // Copies first: valore may point into this code's own texts, which are rewritten.
  std::array<std::string, NumCampi> copie;
  Testi testi;
  for (int i = 0; i < NumCampi; ++i) {
    copie[static_cast<size_t>(i)] = i == c ? std::string(valore) : std::string(Get(static_cast<Campo>(i)));
    testi[static_cast<size_t>(i)] = copie[static_cast<size_t>(i)];
  }
  const size_t dimensione = Dimensione(testi);
  if (dimensione <= capacita_) {
    esterni_.reset();
    Scrivi(testi, reinterpret_cast<char*>(this + 1));
  } else {
    auto nuovi = std::make_unique<char[]>(dimensione);
    Scrivi(testi, nuovi.get());
    esterni_ = std::move(nuovi);
  }
}

std::string_view TCodMdl::codview() const {
  std::string_view c = cod();
  return c.substr(0, c.find('#'));
}

std::optional<TCodMdl::Campo> TCodMdl::CampoTecnicoPerNome(std::string_view campo) {
  const auto& nomi = NomiTecnici();
  for (size_t i = 0; i < nomi.size(); ++i)
    if (campo == nomi[i]) return static_cast<Campo>(kPrimoTecnico + i);
  return std::nullopt;
}

void TCodMdl::AggCampoTecnicoString(const std::string& campo, std::string_view valore) {
  std::optional<Campo> c = CampoTecnicoPerNome(campo);
  if (!c) throw std::invalid_argument("unknown technical field " + campo);
  if (!valore.empty()) Set(*c, valore);
}

void TCodMdl::AggCampoTecnicoDouble(const std::string& campo, std::optional<double> valore) {
  AggCampoTecnicoString(campo, TestoTecnico(valore));
}

std::string TCodMdl::TestoTecnico(std::optional<double> valore) {
  if (!valore || std::fabs(*valore) <= 0.01) return {};
  char buf[40];
  auto [fine, errore] = std::to_chars(buf, buf + sizeof buf, *valore);
  return std::string(buf, errore == std::errc() ? fine : buf);
}

std::optional<std::string_view> TCodMdl::CampoTecnico(std::string_view campo) const {
  std::optional<Campo> c = CampoTecnicoPerNome(campo);
  if (!c || Get(*c).empty()) return std::nullopt;
  return Get(*c);
}

void TCodMdl::ScriviCmpJson(JsonLines& lista) const {
  lista.Riga("{");
  lista.Riga("   \"codice\" : \"", Json(cod()), "\",");
  lista.Riga("   \"descrizione\" : \"", Json(descr()), "\",");
  if (!filtro().empty()) lista.Riga("   \"filtro\" : \"", Json(filtro()), "\",");
  if (!filtroAux().empty()) lista.Riga("   \"filtroAux\" : \"", Json(filtroAux()), "\",");
  lista.Riga("   \"ha_foto\" : ", ha_foto ? "true" : "false", ",");
  lista.Riga("   \"ha_scheda\" : ", ha_scheda ? "true" : "false", ",");
  lista.Riga("   \"azioni\" : \"", Json(azioni()), "\",");
  if (!attributo().empty()) lista.Riga("   \"attributo\" : \"", Json(attributo()), "\",");
  lista.Riga("   \"NomeImmagine\" : \"", Json(cod()), ".", Json(tipoBitMap().empty() ? "dis" : tipoBitMap()), "\",");
  ScriviTraduzioni(lista, [this](int i) { return traduzione(i); });
  lista.Riga("  }");
  lista.Riga("}");
}

// ---- TListaCodici -------------------------------------------------------------------------------------

TCodMdl* TListaCodici::Aggiungi(std::unique_ptr<TCodMdl> cm) {
  if (!m_IsPri) throw std::logic_error("a referencing code list owns no codes");
  items_.push_back(cm.get());  // may throw: the code is still cm's
  return cm.release();
}

void TListaCodici::Accoda(TListaCodici& altra) {
  if (!m_IsPri || !altra.m_IsPri) throw std::logic_error("a referencing code list owns no codes");
  items_.insert(items_.end(), altra.items_.begin(), altra.items_.end());
  altra.items_.clear();
}

void TListaCodici::AggiungiRiferimento(TCodMdl* cm) { items_.push_back(cm); }

void TListaCodici::Clear() {
  if (m_IsPri)
    for (TCodMdl* cm : items_) delete cm;
  items_.clear();
}

TCodMdl* TListaCodici::DammiElemento(int i) const {
  if (i < 0 || i >= Count()) return nullptr;
  return items_[static_cast<size_t>(i)];
}

TCodMdl* TListaCodici::TrovaPerCodice(std::string_view cod) const {
  for (TCodMdl* cm : items_)
    if (cm->cod() == cod) return cm;
  return nullptr;
}

void TListaCodici::VisTutti(bool visibile) {
  for (TCodMdl* cm : items_) cm->m_Visible = visibile;
}

void TListaCodici::NacondiNonPresenti(const std::vector<std::string>& presenti) {
  for (TCodMdl* cm : items_) {
    if (!cm->m_Visible) continue;
    const std::string_view c = cm->cod();
    cm->m_Visible = std::binary_search(presenti.begin(), presenti.end(), c,
                                       [](std::string_view a, std::string_view b) { return a < b; });
  }
}

void TListaCodici::OrdinaPerIndice() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const TCodMdl* a, const TCodMdl* b) { return a->m_IdOrdine < b->m_IdOrdine; });
}

void TListaCodici::ScriviListaCmpJson(JsonLines& lista) const {
  lista.Riga("\"Codici\":");
  lista.Riga("[");
  constexpr size_t kAvanti = 4;  // codes lie scattered over the heap: ask for them ahead
  for (size_t i = 0; i < items_.size(); ++i) {
    if (i + kAvanti < items_.size()) items_[i + kAvanti]->Precarica();
    if (i > 0) lista.Riga(",");
    items_[i]->ScriviCmpJson(lista);
  }
  lista.Riga("]");
}

// ---- TCopieCodici ------------------------------------------------------------------------------------

const TCodMdl& TCopieCodici::Copia(const TCodMdl& cm) {
  constexpr size_t kAllineamento = alignof(TCodMdl);
  const size_t dimensione = (cm.DimensioneCopia() + kAllineamento - 1) / kAllineamento * kAllineamento;
  if (usati_ + dimensione > dimensione_) {
    // A code longer than the next block gets a block of its own size.
    const size_t prossimo = dimensione_ == 0 ? kPrimoBlocco : std::min(dimensione_ * 2, kBloccoGrande);
    const size_t nuova = std::max(dimensione, prossimo);
    ultimo_ = blocchi_.Prendi(nuova);
    dimensione_ = nuova;
    usati_ = 0;
  }
  TCodMdl* copia = cm.CopiaIn(ultimo_ + usati_);
  usati_ += dimensione;
  return *copia;
}

}  // namespace rovan
