// IVarsMake: creating and overwriting variables.
#pragma once

#include <string>

#include "host/motore/host_interface.h"
#include "host/motore/variable_store.h"
#include "host/text_buffer.h"

namespace kalvor {

// Texts are copied: the host owns its variables' values. A null name creates nothing.
class VarsMakeAdapter final : public HostInterface<rovan::IVarsMake> {
 public:
  explicit VarsMakeAdapter(VariableStore& variables) : variables_(variables) {}

  ROVAN_INERT_SLOT(3)
  // With an object (not used by the plug-in) the text variable goes to that object.
  rovan::TVarRec* ROVAN_STDCALL CreaVarTesto(void* obj, const char* nome, const char* testo) override {
    if (nome == nullptr) return nullptr;
    return NoThrow<rovan::TVarRec*>(nullptr, [&] {
      const VarValue value{std::string(TextOf(testo))};
      return obj == nullptr ? variables_.Set(nome, value)
                            : variables_.SetOnObject(static_cast<rovan::TOggettoRec*>(obj), nome, value);
    });
  }
  ROVAN_INERT_SLOT(5)
  void ROVAN_STDCALL CreaVarNumOggetto(rovan::TOggettoRec* obj, const char* nome, double valore) override {
    if (obj == nullptr || nome == nullptr) return;
    NoThrow<rovan::TVarRec*>(nullptr, [&] { return variables_.SetOnObject(obj, nome, static_cast<float>(valore)); });
  }
  ROVAN_INERT_SLOT(7) ROVAN_INERT_SLOT(8) ROVAN_INERT_SLOT(9) ROVAN_INERT_SLOT(10) ROVAN_INERT_SLOT(11)
  void ROVAN_STDCALL SettaVarNum(const char* nome, double valore) override {
    if (nome == nullptr) return;
    NoThrow<rovan::TVarRec*>(nullptr, [&] { return variables_.Set(nome, static_cast<float>(valore)); });
  }
  void ROVAN_STDCALL SettaVarTesto(const char* nome, const char* testo) override {
    if (nome == nullptr) return;
    NoThrow<rovan::TVarRec*>(nullptr, [&] { return variables_.Set(nome, std::string(TextOf(testo))); });
  }

 private:
  VariableStore& variables_;
};

}  // namespace kalvor
