// Lists of codes handed to the host: TCodiceListino (a snapshot of one code) and TRovanCodici (the list,
// interface IRovanCodici, reference counted: created with the one reference the host receives and
// destroyed by its last Release). Entries do not change when the tree changes.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/cod_mdl.h"
#include "engine/shared_types.h"
#include "platform/large_blocks.h"
#include "plugin/ItfRovan.h"

namespace rovan {

class TDMMain;
class TListaCarattGenerici;

class TCodiceListino {
 public:
  // An entry on testi, a copy of an engine code that outlives the entry (its list keeps it). No tab (-1), not
  // found outside the model filter. With a data module the entry gets an empty list of generic
  // characteristics.
  TCodiceListino(const TCodMdl& testi, TDMMain* dm);
  ~TCodiceListino();
  TCodiceListino(const TCodiceListino&) = delete;
  TCodiceListino& operator=(const TCodiceListino&) = delete;

  std::string_view codice() const;
  std::string_view descrizione() const;     // in the active language
  std::string_view descrizioneOri() const;  // in the base language
  std::string_view user(int pos) const;     // 1 to 5
  std::string_view azioni() const;
  std::string_view filtro() const;
  std::string_view traduzione(int pos) const;  // 1 to 10
  std::string_view attributo() const;

  int32_t m_IdLinguetta = -1;         // the tab where a search found the code
  int32_t m_carpri_old = -1, m_valpri_old = -1, m_carsec_old = -1, m_valsec_old = -1;
  bool m_ha_scheda = false;
  bool m_ha_foto = false;
  bool m_is_attivo_in_modello = true;
  int32_t m_id_listino;
  bool m_isgenerico = false;
  bool m_isfendrix = false;
  double m_prezzo = 0;

  // The generic characteristics of the code: null when no data module was given. The list is read on
  // first use (it looks up the group "GENERICI"), so that long code lists cost no query per entry.
  TListaCarattGenerici* FiltriGenerici();

 private:
  const TCodMdl* m_testi;                                   // the copy of the code, kept by the list
  TDMMain* m_dm;                                            // not owned; outlives the entry
  std::unique_ptr<TListaCarattGenerici> m_FiltriGenerici;  // created by FiltriGenerici()
};

// The slots 3 to 22 of a code list, for the plain list and for the list with generic data.
// The entries of a code list, in chunks of a fixed size taken from the list's reserve: appending never
// moves the entries already made, and a long list costs no copying as it grows.
class TVociListino {
 public:
  explicit TVociListino(std::shared_ptr<RiservaBlocchi> riserva) : pezzi_(std::move(riserva)) {}
  ~TVociListino();
  TVociListino(const TVociListino&) = delete;
  TVociListino& operator=(const TVociListino&) = delete;

  TCodiceListino& Aggiungi(const TCodMdl& testi, TDMMain* dm);
  size_t size() const { return n_; }
  TCodiceListino& operator[](size_t i) const {
    return reinterpret_cast<TCodiceListino*>(pezzi_[i / kPerPezzo])[i % kPerPezzo];
  }

 private:
  static constexpr size_t kPerPezzo = 1024;
  BlocchiPresi pezzi_;
  size_t n_ = 0;
};

template <typename Interfaccia>
class TRovanCodiciBase : public Interfaccia {
 public:
  // linguaAttiva: in container mode, the language position active on the principal price list (nullopt
  // when unknown); Desc then prefers that translation. riserva: where the list's memory comes from and goes
  // back to (none: the system).
  explicit TRovanCodiciBase(std::function<std::optional<int>()> linguaAttiva = {},
                            std::shared_ptr<RiservaBlocchi> riserva = nullptr);
  TRovanCodiciBase(const TRovanCodiciBase&) = delete;
  TRovanCodiciBase& operator=(const TRovanCodiciBase&) = delete;

  HRESULT ROVAN_STDCALL QueryInterface(const TGUID*, void**) override { return 0; }
  int32_t ROVAN_STDCALL AddRef() override { return ++m_ref; }
  int32_t ROVAN_STDCALL Release() override;

  const char* ROVAN_STDCALL Codice(int32_t i) override;
  const char* ROVAN_STDCALL Desc(int32_t i) override;
  int32_t ROVAN_STDCALL Count() override { return static_cast<int32_t>(m_listaCodici.size()); }
  const char* ROVAN_STDCALL DesPri(int32_t i) override;
  const char* ROVAN_STDCALL DesSec(int32_t i) override;
  int32_t ROVAN_STDCALL HaScheda(int32_t i) override;
  int32_t ROVAN_STDCALL HaFoto(int32_t i) override;
  int32_t ROVAN_STDCALL IsAttivoInModello(int32_t i) override;
  const char* ROVAN_STDCALL GetUserData(int32_t i, int32_t quale) override;
  const char* ROVAN_STDCALL CodiceView(int32_t i) override;
  const char* ROVAN_STDCALL Azioni(int32_t i) override;
  int32_t ROVAN_STDCALL IdListino(int32_t i) override;
  int32_t ROVAN_STDCALL IdLinguetta(int32_t i) override;
  const char* ROVAN_STDCALL Traduzione(int32_t i, int32_t IdLingua) override;
  const char* ROVAN_STDCALL Attributo(int32_t i) override;
  int32_t ROVAN_STDCALL IsGenerico(int32_t i) override;
  double ROVAN_STDCALL Prezzo(int32_t i) override;
  void ROVAN_STDCALL SettaPrezzo(int32_t i, double prz) override;
  int32_t ROVAN_STDCALL IsFendrix(int32_t i) override;
  const char* ROVAN_STDCALL Filtro(int32_t i) override;

  // Engine side.
  // Appends a snapshot of the engine code cm (its texts and flags as they are now).
  TCodiceListino& Aggiungi(const TCodMdl& cm, TDMMain* dm) { return m_listaCodici.Aggiungi(m_copie.Copia(cm), dm); }
  // The entry, or null.
  TCodiceListino* CodiceListino(int32_t i);

 protected:
  virtual ~TRovanCodiciBase();  // only Release destroys
  // Copies text into the 256-byte buffer (255 bytes and a terminating zero) and returns it.
  const char* NelBuffer(std::string_view testo);
  // Texts held until the next text call: an 8-bit field in the ANSI code page, or UTF-8 as is.
  const char* Ansi(std::string_view testo);
  const char* Utf8(std::string_view testo);

 private:
  TCopieCodici m_copie;  // the codes' texts, copied into large blocks
  TVociListino m_listaCodici;
  int32_t m_ref = 1;
  char m_buff[256] = {};
  std::string m_testo;
  std::function<std::optional<int>()> m_linguaAttiva;
};

// A list of codes handed to the host (IRovanCodici).
class TRovanCodici final : public TRovanCodiciBase<IRovanCodici> {
 public:
  using TRovanCodiciBase::TRovanCodiciBase;
};

class TRovanFiltri;

// A list of codes with their generic characteristics (IRovanCodiciGenerici). It holds a filter list with
// two references, both given back when it is destroyed; GetFiltri hands the list out without a new
// reference (a host that wants it longer takes one).
class TRovanCodiciGenerici final : public TRovanCodiciBase<IRovanCodiciGenerici> {
 public:
  explicit TRovanCodiciGenerici(std::function<std::optional<int>()> linguaAttiva = {});

  int32_t ROVAN_STDCALL ContaCarattGen(int32_t IdCodice) override;
  int32_t ROVAN_STDCALL ContaValoriGen(int32_t IdCodice, int32_t IdCaratt) override;
  const char* ROVAN_STDCALL DescrizioneCarattGen(int32_t IdCodice, int32_t IdCaratt, int32_t IdTraduzione) override;
  const char* ROVAN_STDCALL DescrizioneValoreGen(int32_t IdCodice, int32_t IdCaratt, int32_t IdValore,
                                                 int32_t IdTraduzione) override;
  IRovanFiltri* ROVAN_STDCALL GetFiltri() override;

  TRovanFiltri& filtri() { return *m_rovanfiltri; }

 private:
  ~TRovanCodiciGenerici() override;
  TRovanFiltri* m_rovanfiltri;  // counted references, see above
};

}  // namespace rovan
