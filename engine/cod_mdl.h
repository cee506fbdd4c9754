// TCodMdl: a code (composto) as the navigation engine keeps it, and TListaCodici, an ordered list of them.
//
// A price list may hold a million codes, so a code and all its texts are one allocation: the object is
// followed by a 64-bit mask of the fields that are not empty, the end offset (16 bits) of each of those
// and the characters. Most of the 36 fields are empty in a typical code, and the description in the base
// language is usually the description itself, kept once (a bit of the mask says so). Searches walk codes
// by the million, and one block per code is one cache miss, not two. Texts are read as string views valid
// until a field is changed; a change that no longer fits moves the texts to a buffer of their own (rare:
// edits, not restores, change fields).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/large_blocks.h"

namespace rovan {

class JsonLines;

class TCodMdl {
 public:
  // The texts of a code, in buffer order.
  enum Campo : uint8_t {
    Cod,             // the code, possibly with a "#" variant part
    Descr,           // description in the active language
    Filtro,          // filter text
    FiltroAux,       // auxiliary filter (FiltroK4)
    Azioni,
    Attributo,       // attribute string
    DescrizioneOri,  // description in the base language
    TipoBitMap,      // file extension of the picture; empty when none
    User1, User2, User3, User4, User5,
    Trad1, Trad2, Trad3, Trad4, Trad5, Trad6, Trad7, Trad8, Trad9, Trad10,
    // Technical fields, empty when not stored.
    CodProduttore, CodLavorazione, FileSat, Nota, XReale, YReale, ZReale, Prezzo, XLav, YLav, ZLav,
    NumCampi
  };
  static constexpr int kPrimoTecnico = CodProduttore;
  // The names of the technical fields, in Campo order from CodProduttore.
  static const std::array<const char*, NumCampi - kPrimoTecnico>& NomiTecnici();

  using Testi = std::array<std::string_view, NumCampi>;

  // A code of the price list idListino with the given texts (the view code follows from the code).
  static std::unique_ptr<TCodMdl> Crea(int idListino, const Testi& testi = Testi{});
  TCodMdl(const TCodMdl&) = delete;
  TCodMdl& operator=(const TCodMdl&) = delete;
  ~TCodMdl() = default;
  static void operator delete(void* p) { ::operator delete(p); }

  // The bytes a copy of this code takes, the object and its texts.
  size_t DimensioneCopia() const;
  // Builds a copy (the same price list, texts and flags) in memory of DimensioneCopia() bytes, aligned as a TCodMdl, that the caller keeps (the
  // copy owns nothing else, so the memory may go without its destructor running).
  TCodMdl* CopiaIn(void* memoria) const;

  std::string_view Get(Campo c) const;
  void Set(Campo c, std::string_view valore);

  std::string_view cod() const { return Get(Cod); }
  std::string_view descr() const { return Get(Descr); }
  std::string_view filtro() const { return Get(Filtro); }
  std::string_view filtroAux() const { return Get(FiltroAux); }
  std::string_view azioni() const { return Get(Azioni); }
  std::string_view attributo() const { return Get(Attributo); }
  std::string_view descrizioneOri() const { return Get(DescrizioneOri); }
  std::string_view tipoBitMap() const { return Get(TipoBitMap); }
  // pos 1..5 and 1..10.
  std::string_view user(int pos) const { return Get(static_cast<Campo>(User1 + pos - 1)); }
  std::string_view traduzione(int pos) const { return Get(static_cast<Campo>(Trad1 + pos - 1)); }
  // The code up to, not including, its first "#" (the whole code without one).
  std::string_view codview() const;

  int GetIdListino() const { return m_IdListino; }

  // Technical fields: a text is stored when not empty; a number when its absolute value is above 0.01,
  // written as the system writes numbers ("600", "72.5").
  void AggCampoTecnicoString(const std::string& campo, std::string_view valore);
  void AggCampoTecnicoDouble(const std::string& campo, std::optional<double> valore);
  // The text stored under a technical field's name, or nullopt.
  std::optional<std::string_view> CampoTecnico(std::string_view campo) const;
  // The text a technical number is stored as: empty when it is not stored (NULL, or 0.01 or less in
  // absolute value), else the shortest text that reads back as the same number ("600", "72.5").
  static std::string TestoTecnico(std::optional<double> valore);

  // Asks for the code's block ahead of a scan over many codes, so that its texts arrive in time.
  void Precarica() const {
    __builtin_prefetch(this);
    __builtin_prefetch(reinterpret_cast<const char*>(this) + 64);
  }
  // The same ahead of a copy: the whole block of a typical code (some 300 bytes).
  void PrecaricaTutto() const {
    for (int riga = 0; riga < 5; ++riga) __builtin_prefetch(reinterpret_cast<const char*>(this) + 64 * riga);
  }

  // Appends the code object of the JSON text of the tab tree.
  void ScriviCmpJson(JsonLines& lista) const;

  int32_t m_IdListino;
  int32_t m_IdOrdine = 0;       // order index
  bool ha_foto = false;
  bool ha_scheda = false;
  bool m_Visible = true;        // not hidden by value filters
  bool m_isgenerico = false;
  bool m_isfendrix = false;

 private:
  TCodMdl(int idListino, size_t dimensione) : m_IdListino(idListino), capacita_(static_cast<uint16_t>(dimensione)) {}
  // Room for the object and extra bytes after it; only Crea allocates codes.
  static void* operator new(size_t size, size_t extra) { return ::operator new(size + extra); }
  static void operator delete(void* p, size_t) { ::operator delete(p); }

  // The mask: bit i for field i when stored; bits 56 to 62, how many are stored (the size of the table of
  // ends); bit 63, DescrizioneOri is the same text as Descr and is not stored.
  static constexpr uint64_t kBitCampi = (uint64_t{1} << NumCampi) - 1;
  static constexpr int kPrimoBitConteggio = 56;
  static constexpr uint64_t kOriComeDescr = uint64_t{1} << 63;
  static int Memorizzati(uint64_t maschera) { return static_cast<int>((maschera >> kPrimoBitConteggio) & 0x7F); }
  static constexpr size_t kMaschera = sizeof(uint64_t);
  static uint64_t Maschera(const Testi& testi);
  // The bytes the texts take: the mask, the table of ends and the characters.
  static size_t Dimensione(const Testi& testi);
  // Writes testi as [uint64_t mask][uint16_t fine[stored fields]][characters] into dati; fine[i] is the end
  // of the i-th stored field.
  static void Scrivi(const Testi& testi, char* dati);
  static std::optional<Campo> CampoTecnicoPerNome(std::string_view campo);
  const char* Dati() const { return esterni_ ? esterni_.get() : reinterpret_cast<const char*>(this + 1); }

  uint16_t capacita_;                // bytes after the object
  std::unique_ptr<char[]> esterni_;  // the texts once they outgrew the bytes after the object
};

// An ordered list of codes; owning (primary views, the invisible codes) or referencing (secondary views).
class TListaCodici {
 public:
  explicit TListaCodici(bool isPri) : m_IsPri(isPri) {}
  TListaCodici(const TListaCodici&) = delete;
  TListaCodici& operator=(const TListaCodici&) = delete;
  ~TListaCodici() { Clear(); }

  // Appends a code to an owning list, which takes it over (a referencing list throws std::logic_error).
  TCodMdl* Aggiungi(std::unique_ptr<TCodMdl> cm);
  // Moves every code of the owning list altra to the end of this owning one, leaving altra empty.
  void Accoda(TListaCodici& altra);
  // Appends a reference to a code owned by another list (the owner outlives this list).
  void AggiungiRiferimento(TCodMdl* cm);
  void Clear();
  // Gives back the room a list grown one code at a time keeps beyond its codes (a restore's lists are
  // final once it ends).
  void Compatta() { items_.shrink_to_fit(); }
  int Count() const { return static_cast<int>(items_.size()); }
  // The i-th code, or null outside 0..Count-1.
  TCodMdl* DammiElemento(int i) const;
  // The first code whose code equals cod exactly, or null.
  TCodMdl* TrovaPerCodice(std::string_view cod) const;
  // Sets m_Visible of every code.
  void VisTutti(bool visibile = true);
  // Keeps a code visible only when it is visible and present in the sorted list.
  void NacondiNonPresenti(const std::vector<std::string>& presenti);
  // Stable sort by m_IdOrdine.
  void OrdinaPerIndice();
  void ScriviListaCmpJson(JsonLines& lista) const;

  bool IsPri() const { return m_IsPri; }
  const std::vector<TCodMdl*>& items() const { return items_; }

 private:
  bool m_IsPri;
  // In display order. An owning list owns these codes (deleted by Clear): a second vector of owners would
  // cost a pointer per code of a million-code price list.
  std::vector<TCodMdl*> items_;
};

// Copies of codes packed into large blocks: the code lists handed to the host take a snapshot of thousands of
// codes at a time, and one allocation per code would cost more than the copying. Copies live as long as
// the store; its blocks come from, and go back to, the reserve it is given.
class TCopieCodici {
 public:
  explicit TCopieCodici(std::shared_ptr<RiservaBlocchi> riserva = nullptr) : blocchi_(std::move(riserva)) {}
  TCopieCodici(const TCopieCodici&) = delete;
  TCopieCodici& operator=(const TCopieCodici&) = delete;

  const TCodMdl& Copia(const TCodMdl& cm);

 private:
  // Blocks double from 64 KB up to a huge page: short lists stay small, long ones fault once per block.
  static constexpr size_t kPrimoBlocco = 64 * 1024;
  BlocchiPresi blocchi_;
  char* ultimo_ = nullptr;  // the last block
  size_t dimensione_ = 0;   // of the last block
  size_t usati_ = 0;        // bytes taken in the last block
};

}  // namespace rovan
