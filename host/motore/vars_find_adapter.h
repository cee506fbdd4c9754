// IVarsFind: variable lookup by name.
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/variable_store.h"
#include "host/text_buffer.h"

namespace kalvor {

// The kind argument does not filter: a record is returned whenever the name exists, whatever its type,
// because the plug-in checks the record's type itself and treats a mismatch as its own case.
class VarsFindAdapter final : public HostInterface<rovan::IVarsFind> {
 public:
  explicit VarsFindAdapter(const VariableStore& variables) : variables_(variables) {}

  ROVAN_INERT_SLOT(3) ROVAN_INERT_SLOT(4) ROVAN_INERT_SLOT(5) ROVAN_INERT_SLOT(6)
  ROVAN_INERT_SLOT(7) ROVAN_INERT_SLOT(8) ROVAN_INERT_SLOT(9)
  // obj is always 0 from the plug-in; only global variables are searched.
  rovan::TVarRec* ROVAN_STDCALL TrovaVar(void*, const char* nome, int32_t) override {
    return variables_.Find(TextOf(nome));
  }
  ROVAN_INERT_SLOT(11)
  rovan::TVarRec* ROVAN_STDCALL TrovaVarOggetto(rovan::TOggettoRec* obj, const char* nome, int32_t) override {
    return obj == nullptr ? nullptr : FindInList(obj->variabili, TextOf(nome));
  }

 private:
  const VariableStore& variables_;
};

}  // namespace kalvor
