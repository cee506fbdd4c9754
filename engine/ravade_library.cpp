#include "engine/ravade_library.h"

#include "platform/dynamic_library.h"

namespace rovan {
namespace {

struct Ravade {
  std::unique_ptr<DynamicLibrary> libreria;
  IRodedovaRavade* istanza = nullptr;  // the held reference
};

Ravade& R() {
  static Ravade r;
  return r;
}

}  // namespace

RavadeRef DammiRavade() {
  Ravade& r = R();
  if (r.istanza == nullptr) {
    r.libreria = DynamicLibrary::Open("RodedovaRavade.dll");
    const auto get = r.libreria ? r.libreria->Function<TGetInstanceByName>("get_InstanceByName") : nullptr;
    if (get == nullptr) {
      r.libreria.reset();
      return nullptr;
    }
    void* obj = nullptr;
    get("IRodedovaRavade", &obj);
    r.istanza = static_cast<IRodedovaRavade*>(obj);
  }
  if (r.istanza != nullptr) r.istanza->AddRef();
  return RavadeRef(r.istanza);
}

void RilasciaRavade() {
  Ravade& r = R();
  // The interface's code lives in the library: release it before closing.
  if (r.istanza != nullptr) r.istanza->Release();
  r.istanza = nullptr;
  r.libreria.reset();
}

}  // namespace rovan
