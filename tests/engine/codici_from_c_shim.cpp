// Builds the code lists that tests/engine/codici_from_c_test.c reads by slot number.
#include "engine/URovanCodici.h"
#include "engine/cod_mdl.h"

extern "C" void* CreaListaDiProva(int generici) {
  rovan::TCodMdl::Testi t{};
  t[rovan::TCodMdl::Cod] = "AB#7";
  t[rovan::TCodMdl::Descr] = "Base";
  t[rovan::TCodMdl::DescrizioneOri] = "Base";
  t[rovan::TCodMdl::User1] = "u1";
  auto cm = rovan::TCodMdl::Crea(4, t);
  cm->ha_scheda = true;
  if (generici != 0) {
    auto* lista = new rovan::TRovanCodiciGenerici;  // owned by its reference count
    lista->Aggiungi(*cm, nullptr);
    return static_cast<rovan::IRovanCodiciGenerici*>(lista);
  }
  auto* lista = new rovan::TRovanCodici;  // owned by its reference count
  lista->Aggiungi(*cm, nullptr);
  return static_cast<rovan::IRovanCodici*>(lista);
}
