#include "host/motore/variable_store.h"

#include <cstring>

namespace kalvor {

namespace {

template <class... Fs>
struct Overloaded : Fs... {
  using Fs::operator()...;
};

}  // namespace

VarRecord::VarRecord(std::string_view name, const VarValue& value) : name_(name) {
  rec_.nome = name_.data();
  rec_.descrizione = description_.data();
  Assign(value);
}

void VarRecord::Assign(const VarValue& value) {
  std::visit(Overloaded{
                 [this](float number) {
                   rec_.tipo = rovan::VAR_NUMERO;
                   rec_.valore.numero = number;
                 },
                 [this](const std::string& text) {
                   text_ = text;
                   rec_.tipo = rovan::VAR_TESTO;
                   rec_.valore.testo = text_.data();
                 },
                 [this](const std::array<float, 3>& point) {
                   rec_.tipo = rovan::VAR_PUNTO;
                   std::memcpy(rec_.valore.punto, point.data(), sizeof rec_.valore.punto);
                 },
             },
             value);
}

void VarRecord::Describe(std::string_view description, int32_t flags) {
  description_ = description;
  rec_.descrizione = description_.data();
  rec_.flags = flags;
}

rovan::TVarRec* FindInList(const rovan::TListaRec* list, std::string_view name) {
  for (; list != nullptr; list = list->next) {
    auto* var = static_cast<rovan::TVarRec*>(list->item);
    if (var != nullptr && var->nome != nullptr && name == var->nome) return var;
  }
  return nullptr;
}

rovan::TVarRec* VariableStore::Set(std::string_view name, const VarValue& value) {
  if (auto it = globals_.find(name); it != globals_.end()) {
    it->second->Assign(value);
    return it->second->record();
  }
  auto& slot = globals_[std::string(name)];
  slot = std::make_unique<VarRecord>(name, value);
  return slot->record();
}

rovan::TVarRec* VariableStore::Find(std::string_view name) const {
  auto it = globals_.find(name);
  return it == globals_.end() ? nullptr : it->second->record();
}

bool VariableStore::Describe(std::string_view name, std::string_view description, int32_t flags) {
  auto it = globals_.find(name);
  if (it == globals_.end()) return false;
  it->second->Describe(description, flags);
  return true;
}

bool VariableStore::Remove(std::string_view name) {
  auto it = globals_.find(name);
  if (it == globals_.end()) return false;
  removed_.push_back(std::move(it->second));
  globals_.erase(it);
  return true;
}

rovan::TVarRec* VariableStore::SetOnObject(rovan::TOggettoRec* obj, std::string_view name,
                                           const VarValue& value) {
  auto key = std::make_pair(static_cast<const rovan::TOggettoRec*>(obj), std::string(name));
  if (auto it = object_vars_.find(key); it != object_vars_.end()) {
    it->second.var->Assign(value);
    return it->second.var->record();
  }
  ObjectVariable entry{std::make_unique<VarRecord>(name, value), std::make_unique<rovan::TListaRec>()};
  entry.link->next = obj->variabili;
  entry.link->item = entry.var->record();
  obj->variabili = entry.link.get();
  rovan::TVarRec* rec = entry.var->record();
  object_vars_.emplace(std::move(key), std::move(entry));
  return rec;
}

void VariableStore::Clear() {
  globals_.clear();
  removed_.clear();
  object_vars_.clear();
}

}  // namespace kalvor
