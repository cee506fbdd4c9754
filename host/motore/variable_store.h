// Host variables: the records the plug-in reads and writes through IVarsFind and IVarsMake.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "host/motore/motore_host.h"
#include "plugin/ItfKalvor.h"

namespace kalvor {

// One variable record together with the texts its fields point at. The record's address never changes, and
// its name, description and text pointers are always valid zero-terminated texts.
class VarRecord {
 public:
  VarRecord(std::string_view name, const VarValue& value);
  VarRecord(const VarRecord&) = delete;
  VarRecord& operator=(const VarRecord&) = delete;

  rovan::TVarRec* record() { return &rec_; }
  // Replaces type and value in place.
  void Assign(const VarValue& value);
  void Describe(std::string_view description, int32_t flags);

 private:
  rovan::TVarRec rec_{};
  std::string name_;
  std::string description_;
  std::string text_;  // the value of a text variable
};

// The first record of a host list of variable records (items are TVarRec*) whose name equals name exactly,
// or null. This is how the host searches an object's variables.
rovan::TVarRec* FindInList(const rovan::TListaRec* list, std::string_view name);

// The global variables, and the variables the plug-in creates on scene objects.
// Owns every record it hands out until Clear.
class VariableStore {
 public:
  // Creates or overwrites a global variable; returns its record.
  rovan::TVarRec* Set(std::string_view name, const VarValue& value);
  rovan::TVarRec* Find(std::string_view name) const;
  bool Describe(std::string_view name, std::string_view description, int32_t flags);
  // Unknown from now on; the record is kept until Clear (a caller may still point at it).
  bool Remove(std::string_view name);

  // Creates or overwrites a variable of obj. A new record is linked at the head of obj's variable list
  // (obj->variabili), so it is found before any older record of the same name there.
  rovan::TVarRec* SetOnObject(rovan::TOggettoRec* obj, std::string_view name, const VarValue& value);

  // Frees every record. Objects that received variables must not be searched afterwards: their lists lead
  // into the freed records.
  void Clear();

 private:
  struct ObjectVariable {
    std::unique_ptr<VarRecord> var;
    std::unique_ptr<rovan::TListaRec> link;  // its record in the object's variable list
  };

  std::map<std::string, std::unique_ptr<VarRecord>, std::less<>> globals_;
  std::vector<std::unique_ptr<VarRecord>> removed_;
  std::map<std::pair<const rovan::TOggettoRec*, std::string>, ObjectVariable> object_vars_;
};

}  // namespace kalvor
