#include "engine/URovanCodici.h"

#include <gtest/gtest.h>

#include <cstring>

#include "engine/UFiltri.h"
#include "engine/UGenerici.h"
#include "engine/cod_mdl.h"
#include "plugin/process_state.h"
#include "tests/engine/call_slot.h"
#include "tests/storage/listino_fixture.h"

namespace rovan::test {
namespace {

std::unique_ptr<TCodMdl> Codice(const char* cod) {
  TCodMdl::Testi t{};
  t[TCodMdl::Cod] = cod;
  t[TCodMdl::Descr] = "Base";
  t[TCodMdl::DescrizioneOri] = "Base ori";
  t[TCodMdl::Trad2] = "Unterschrank";
  t[TCodMdl::User3] = "u3";
  t[TCodMdl::Azioni] = "AB";
  t[TCodMdl::Filtro] = "F=1";
  t[TCodMdl::Attributo] = "#3:NEW";
  auto cm = TCodMdl::Crea(2, t);
  cm->ha_foto = true;
  cm->m_isgenerico = true;
  return cm;
}

class RovanCodiciTest : public ListinoTest {};

TEST_F(RovanCodiciTest, SlotsByNumber) {
  auto* lista = new TRovanCodici([] { return std::optional<int>(2); });  // owned by its count
  lista->Aggiungi(*Codice("AB#2"), nullptr);
  void* o = static_cast<IRovanCodici*>(lista);
  EXPECT_EQ(CallSlot<int32_t>(o, 5), 1);
  struct TextCase {
    int slot;
    int32_t i;
    const char* atteso;
  } testi[] = {
      {3, 0, "AB#2"}, {4, 0, "Base"}, {6, 0, ""},  {7, 0, ""},    {12, 0, "AB"}, {13, 0, "AB"},
      {17, 0, "#3:NEW"}, {22, 0, "F=1"}, {3, 1, ""}, {4, -1, ""}, {12, 1, ""},   {22, 5, ""},
  };
  for (const TextCase& c : testi) EXPECT_STREQ(CallSlot<const char*>(o, c.slot, c.i), c.atteso) << c.slot;
  struct IntCase {
    int slot;
    int32_t i;
    int32_t atteso;
  } interi[] = {{8, 0, 0}, {9, 0, 1}, {10, 0, 1}, {14, 0, 2}, {15, 0, -1}, {18, 0, 1}, {21, 0, 0},
                {9, 1, 0}, {10, -1, 0}, {14, 1, -1}, {15, 1, -1}};
  for (const IntCase& c : interi) EXPECT_EQ(CallSlot<int32_t>(o, c.slot, c.i), c.atteso) << c.slot;
  EXPECT_STREQ(CallSlot<const char*>(o, 11, 0, 3), "u3");
  EXPECT_STREQ(CallSlot<const char*>(o, 11, 0, 6), "");
  EXPECT_STREQ(CallSlot<const char*>(o, 16, 0, 0), "Base ori");
  EXPECT_STREQ(CallSlot<const char*>(o, 16, 0, 2), "Unterschrank");
  EXPECT_STREQ(CallSlot<const char*>(o, 16, 0, 11), "");
  CallSlot<void>(o, 20, 0, 12.5);
  CallSlot<void>(o, 20, 3, 99.0);  // out of range: no effect
  EXPECT_DOUBLE_EQ(CallSlot<double>(o, 19, 0), 12.5);
  EXPECT_DOUBLE_EQ(CallSlot<double>(o, 19, 1), 0);

  // In container mode the description is the translation of the active language, when there is one.
  Processo().containerMode = true;
  EXPECT_STREQ(CallSlot<const char*>(o, 4, 0), "Unterschrank");
  // With the hide-codes option the view code is empty while the code is still given.
  Processo().switches.nascondiCodici = true;
  EXPECT_STREQ(CallSlot<const char*>(o, 12, 0), "");
  EXPECT_STREQ(CallSlot<const char*>(o, 3, 0), "AB#2");

  EXPECT_EQ(CallSlot<int32_t>(o, 1), 2);
  EXPECT_EQ(CallSlot<int32_t>(o, 2), 1);
  EXPECT_EQ(CallSlot<int32_t>(o, 2), 0);  // destroyed: ASan reports a leak or a second free
}

// A list longer than one chunk of entries and one block of copies reads back every entry; lists sharing a
// reserve reuse the memory of those released, and a later list never sees an earlier one's entries.
TEST(RovanCodiciListaTest, LongListsThroughAReserve) {
  auto riserva = std::make_shared<RiservaBlocchi>(size_t{8} << 20);
  std::vector<std::unique_ptr<TCodMdl>> codici;
  for (int i = 0; i < 5000; ++i) codici.push_back(Codice(("C" + std::to_string(i)).c_str()));
  for (int giro = 0; giro < 2; ++giro) {
    auto* lista = new TRovanCodici({}, riserva);
    const int n = giro == 0 ? 5000 : 3000;
    for (int i = 0; i < n; ++i) lista->Aggiungi(*codici[static_cast<size_t>(i)], nullptr).m_IdLinguetta = i + giro;
    ASSERT_EQ(lista->Count(), n);
    for (int i = 0; i < n; i += 7) {
      ASSERT_STREQ(lista->Codice(i), ("C" + std::to_string(i)).c_str());
      ASSERT_EQ(lista->IdLinguetta(i), i + giro);
      ASSERT_STREQ(lista->GetUserData(i, 3), "u3");
    }
    EXPECT_EQ(lista->Codice(n), std::string());
    lista->Release();
    EXPECT_GT(riserva->Tenuti(), 0u);
  }
}

TEST_F(RovanCodiciTest, LongTextsAreCutToTheBuffer) {
  auto* lista = new TRovanCodici;
  std::string lungo(300, 'x');
  auto cm = Codice(("K" + lungo).c_str());
  cm->Set(TCodMdl::DescrizioneOri, lungo);
  lista->Aggiungi(*cm, nullptr);
  EXPECT_EQ(std::strlen(lista->Traduzione(0, 0)), 255u);
  EXPECT_EQ(std::strlen(lista->CodiceView(0)), 255u);
  EXPECT_EQ(std::strlen(lista->Codice(0)), 301u);
  lista->Release();
}

TEST_F(RovanCodiciTest, GenericCharacteristics) {
  const std::string file = NuovoListino("g.sqlite", {
      "insert into gruppi (Codice, Descrizione) values (9, 'GENERICI')",
      "insert into caratt (Codice, Descrizione, Gruppo, Descr1) values (7, 'Elettrodomestico', 9, 'Appliance')",
      "insert into valori (Codice, Descrizione, Caratt, Descr1) values (701, 'Forno', 7, 'Oven'), (702, 'Frigo', 7, NULL)",
  });
  auto dm = Apri("provider=sqlite;Database=" + file);
  dm->SetIdLingua(0);
  auto* lista = new TRovanCodiciGenerici;
  lista->Aggiungi(*Codice("GEN-1"), dm.get());
  lista->Aggiungi(*Codice("SPEC-1"), nullptr);
  TNavCaratt* c = lista->CodiceListino(0)->FiltriGenerici()->AddCaratt(7);
  ASSERT_NE(c, nullptr);
  c->AddValore(701);
  c->AddValore(702);
  void* o = static_cast<IRovanCodiciGenerici*>(lista);
  EXPECT_EQ(CallSlot<int32_t>(o, 23, 0), 1);
  EXPECT_EQ(CallSlot<int32_t>(o, 23, 1), 0);  // no data module: no generic data
  EXPECT_EQ(CallSlot<int32_t>(o, 24, 0, 0), 2);
  EXPECT_EQ(CallSlot<int32_t>(o, 24, 0, 1), 0);
  EXPECT_STREQ(CallSlot<const char*>(o, 25, 0, 0, 0), "Elettrodomestico");
  EXPECT_STREQ(CallSlot<const char*>(o, 26, 0, 0, 1, 0), "Frigo");
  EXPECT_STREQ(CallSlot<const char*>(o, 26, 0, 0, 2, 0), "");
  EXPECT_STREQ(CallSlot<const char*>(o, 25, 5, 0, 0), "");
  // The filter list: one reference of its own and one held by the code list.
  auto* filtri = CallSlot<IRovanFiltri*>(o, 27);
  ASSERT_NE(filtri, nullptr);
  EXPECT_EQ(filtri->AddRef(), 3);
  EXPECT_EQ(filtri->Release(), 2);
  EXPECT_EQ(lista->Release(), 0);
}

}  // namespace
}  // namespace rovan::test
