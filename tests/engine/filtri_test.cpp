#include "engine/UFiltri.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/engine/call_slot.h"

namespace rovan::test {
namespace {

// Slots of IRovanFiltri, numbered as the host calls them.
enum Slot { kAddRef = 1, kRelease = 2, kIsCaratt = 3, kCodice = 4, kDesc = 5, kCount = 6, kDammiValori = 7, kNome = 8 };

// A list of two characteristics; the first carries two values.
TRovanFiltri* DueCaratteristiche() {
  TRovanFiltri* f = TRovanFiltri::Crea();
  TRovanFiltri& colori = f->Aggiungi(1, "Colore", "Colour")->Valori();
  colori.m_iscaratt = false;
  colori.Aggiungi(10, "Rosso", "Red");
  colori.Aggiungi(11, "Verde", "Green");
  f->Aggiungi(2, "Finitura", "Finish");
  return f;
}

TEST(Filtri, SlotsByNumberWithIndexesInAndOutOfRange) {
  TRovanFiltri* f = DueCaratteristiche();
  EXPECT_EQ(CallSlot<int32_t>(f, kIsCaratt), 1);
  EXPECT_EQ(CallSlot<int32_t>(f, kCount), 2);
  struct {
    int32_t i;
    int32_t codice;
    std::string desc, nome;
    int32_t valori;  // entries of the nested list, -1 for none
  } cases[] = {{0, 1, "Colour", "Colore", 2}, {1, 2, "Finish", "Finitura", 0},
               {2, -1, "", "", -1}, {-1, -1, "", "", -1}};
  for (const auto& c : cases) {
    EXPECT_EQ(CallSlot<int32_t>(f, kCodice, c.i), c.codice) << c.i;
    EXPECT_EQ(CallSlot<const char*>(f, kDesc, c.i), c.desc) << c.i;
    EXPECT_EQ(CallSlot<const char*>(f, kNome, c.i), c.nome) << c.i;
    void* valori = CallSlot<void*>(f, kDammiValori, c.i);
    EXPECT_EQ(valori == nullptr ? -1 : CallSlot<int32_t>(valori, kCount), c.valori) << c.i;
  }
  void* colori = CallSlot<void*>(f, kDammiValori, 0);
  EXPECT_EQ(CallSlot<int32_t>(colori, kIsCaratt), 0);
  EXPECT_EQ(CallSlot<const char*>(colori, kDesc, 1), std::string("Green"));
  // A list of values hands out no nested list, even for a valid index.
  EXPECT_EQ(CallSlot<void*>(colori, kDammiValori, 0), nullptr);
  EXPECT_EQ(CallSlot<int32_t>(f, kRelease), 0);
}

TEST(Filtri, TrovaCodiceReturnsTheLaterOfEqualKeys) {
  TRovanFiltri* f = TRovanFiltri::Crea();
  f->Aggiungi(5, "Primo", "Primo");
  TCodiceCaratt* secondo = f->Aggiungi(5, "Secondo", "Secondo");
  f->Aggiungi(6, "Altro", "Altro");
  EXPECT_EQ(f->TrovaCodice(5), secondo);
  EXPECT_EQ(f->TrovaCodice(7), nullptr);
  f->Release();
}

// Under AddressSanitizer a list freed too early or never freed fails this test.
TEST(Filtri, ReferenceCountingWithNestedLists) {
  TRovanFiltri* f = DueCaratteristiche();
  EXPECT_EQ(CallSlot<int32_t>(f, kAddRef), 2);
  EXPECT_EQ(CallSlot<int32_t>(f, kRelease), 1);
  // A nested list comes without a new reference: its count is the one its entry holds.
  void* colori = CallSlot<void*>(f, kDammiValori, 0);
  EXPECT_EQ(CallSlot<int32_t>(colori, kAddRef), 2);
  EXPECT_EQ(CallSlot<int32_t>(colori, kRelease), 1);
  // A nested list the host still holds outlives the list that carried it.
  EXPECT_EQ(CallSlot<int32_t>(colori, kAddRef), 2);
  EXPECT_EQ(CallSlot<int32_t>(f, kRelease), 0);
  EXPECT_EQ(CallSlot<int32_t>(colori, kCount), 2);
  EXPECT_EQ(CallSlot<int32_t>(colori, kRelease), 0);
}

}  // namespace
}  // namespace rovan::test
