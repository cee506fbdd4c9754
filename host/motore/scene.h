// The host's scene: objects with their variables, own variable records, flag word and link records; the
// current object list, the current object, the free objects and the children of each object; the items of
// the current collection. The records are laid out as rovan::TOggettoRec and rovan::TLinkRec describe and
// keep their addresses until Clear.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/motore/motore_host.h"
#include "host/motore/variable_store.h"

namespace kalvor {

class Scene {
 public:
  Scene() = default;
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  // A new object with that name, no variables, flag word 0 and no link.
  rovan::TOggettoRec* AddObject(std::string_view name);
  // Whether obj is an object of this scene.
  bool Owns(const rovan::TOggettoRec* obj) const;

  // Appends an own variable record (the list at obj->proprie, written one per line by the plug-in).
  void AddOwnVariable(rovan::TOggettoRec* obj, std::string_view name, const VarValue& value);
  // Gives obj a link record (replacing any earlier one); its topology handle names link.topologyPoints.
  void SetLink(rovan::TOggettoRec* obj, const ObjectLink& link);

  // Setters taking objects throw std::invalid_argument for a pointer that is not one of this scene's
  // objects (null is allowed only as the current object and as a link end).
  void SetSelection(const std::vector<rovan::TOggettoRec*>& objects);
  // The current object list: a chain kept by the scene (the plug-in never releases it), or null.
  rovan::TListaRec* Selection() const { return Chain(selection_); }
  void SetCurrent(rovan::TOggettoRec* obj);
  rovan::TOggettoRec* Current() const { return current_; }

  void SetFreeObjects(const std::vector<rovan::TOggettoRec*>& objects);
  void SetChildren(rovan::TOggettoRec* obj, const std::vector<rovan::TOggettoRec*>& children);

  // A new chain of the free objects, respectively of obj's children, handed to the caller until
  // ReleaseList; null for an empty list.
  rovan::TListaRec* HandOutFreeObjects() { return HandOut(free_); }
  rovan::TListaRec* HandOutChildren(const rovan::TOggettoRec* obj);
  // Frees a chain handed out before; false for anything else (null included).
  bool ReleaseList(const rovan::TListaRec* head);
  std::size_t liveLists() const { return handed_out_.size(); }

  // The two point names of a topology handle of one of this scene's links; false for any other handle.
  bool TopologyPoints(const void* handle, std::string& first, std::string& second) const;

  void SetCollectionItem(int32_t index, std::string elementName);
  // The collection item of that index (an opaque host record), or null.
  void* CollectionItem(int32_t index);
  // The element name of an item handed out by CollectionItem, or null for anything else.
  const char* CollectionItemName(const void* item) const;

  void Clear();

 private:
  struct Link {
    rovan::TLinkRec rec{};
    ObjectLink given;  // holds the texts rec points at; rec.topologia points at this Link
  };
  struct Object {
    rovan::TOggettoRec rec{};  // first, so the record's address is the object's
    std::string name;
    char* namePointer = nullptr;  // rec.nome points here
    std::vector<std::unique_ptr<VarRecord>> own;
    std::vector<std::unique_ptr<rovan::TListaRec>> ownLinks;
    std::unique_ptr<Link> link;
    std::vector<rovan::TOggettoRec*> children;
  };
  struct CollectionEntry {
    std::string elementName;
  };
  using ChainRecords = std::vector<std::unique_ptr<rovan::TListaRec>>;

  Object& Of(const rovan::TOggettoRec* obj);
  void Check(const std::vector<rovan::TOggettoRec*>& objects);
  static ChainRecords Build(const std::vector<rovan::TOggettoRec*>& objects);
  static rovan::TListaRec* Chain(const ChainRecords& records) { return records.empty() ? nullptr : records[0].get(); }
  rovan::TListaRec* HandOut(const std::vector<rovan::TOggettoRec*>& objects);

  std::map<const rovan::TOggettoRec*, std::unique_ptr<Object>> objects_;
  ChainRecords selection_;
  rovan::TOggettoRec* current_ = nullptr;
  std::vector<rovan::TOggettoRec*> free_;
  std::map<const rovan::TListaRec*, ChainRecords> handed_out_;
  std::map<int32_t, std::unique_ptr<CollectionEntry>> collection_;
};

}  // namespace kalvor
