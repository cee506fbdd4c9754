#include "host/motore/scene.h"

#include <stdexcept>

namespace kalvor {

rovan::TOggettoRec* Scene::AddObject(std::string_view name) {
  auto object = std::make_unique<Object>();
  object->name = name;
  object->namePointer = object->name.data();
  object->rec.nome = &object->namePointer;
  rovan::TOggettoRec* rec = &object->rec;
  objects_.emplace(rec, std::move(object));
  return rec;
}

bool Scene::Owns(const rovan::TOggettoRec* obj) const { return objects_.contains(obj); }

Scene::Object& Scene::Of(const rovan::TOggettoRec* obj) {
  auto it = objects_.find(obj);
  if (it == objects_.end()) throw std::invalid_argument("not an object of the scene");
  return *it->second;
}

void Scene::Check(const std::vector<rovan::TOggettoRec*>& objects) {
  for (const rovan::TOggettoRec* obj : objects) Of(obj);
}

void Scene::AddOwnVariable(rovan::TOggettoRec* obj, std::string_view name, const VarValue& value) {
  Object& object = Of(obj);
  auto var = std::make_unique<VarRecord>(name, value);
  auto link = std::make_unique<rovan::TListaRec>();
  link->item = var->record();
  if (object.ownLinks.empty()) object.rec.proprie = link.get();
  else object.ownLinks.back()->next = link.get();
  object.own.push_back(std::move(var));
  object.ownLinks.push_back(std::move(link));
}

void Scene::SetLink(rovan::TOggettoRec* obj, const ObjectLink& given) {
  Object& object = Of(obj);
  for (const rovan::TOggettoRec* end : {given.first.object, given.second.object})
    if (end != nullptr) Of(end);
  auto link = std::make_unique<Link>();
  link->given = given;
  rovan::TLinkRec& rec = link->rec;
  rec.indiceCollezione = given.collectionIndex;
  rec.tipo = given.kind;
  rec.topologia = link.get();
  rec.modo1 = given.first.mode;
  rec.oggetto1 = given.first.object;
  rec.punto1 = link->given.first.point.data();
  rec.modo2 = given.second.mode;
  rec.oggetto2 = given.second.object;
  rec.punto2 = link->given.second.point.data();
  object.link = std::move(link);
  object.rec.link = &object.link->rec;
}

Scene::ChainRecords Scene::Build(const std::vector<rovan::TOggettoRec*>& objects) {
  ChainRecords records;
  for (rovan::TOggettoRec* obj : objects) {
    records.push_back(std::make_unique<rovan::TListaRec>());
    records.back()->item = obj;
    if (records.size() > 1) records[records.size() - 2]->next = records.back().get();
  }
  return records;
}

void Scene::SetSelection(const std::vector<rovan::TOggettoRec*>& objects) {
  Check(objects);
  selection_ = Build(objects);
}

void Scene::SetCurrent(rovan::TOggettoRec* obj) {
  if (obj != nullptr) Of(obj);
  current_ = obj;
}

void Scene::SetFreeObjects(const std::vector<rovan::TOggettoRec*>& objects) {
  Check(objects);
  free_ = objects;
}

void Scene::SetChildren(rovan::TOggettoRec* obj, const std::vector<rovan::TOggettoRec*>& children) {
  Check(children);
  Of(obj).children = children;
}

rovan::TListaRec* Scene::HandOut(const std::vector<rovan::TOggettoRec*>& objects) {
  ChainRecords records = Build(objects);
  rovan::TListaRec* head = Chain(records);
  if (head != nullptr) handed_out_.emplace(head, std::move(records));
  return head;
}

rovan::TListaRec* Scene::HandOutChildren(const rovan::TOggettoRec* obj) {
  auto it = objects_.find(obj);
  return it == objects_.end() ? nullptr : HandOut(it->second->children);
}

bool Scene::ReleaseList(const rovan::TListaRec* head) { return handed_out_.erase(head) > 0; }

bool Scene::TopologyPoints(const void* handle, std::string& first, std::string& second) const {
  for (const auto& [rec, object] : objects_) {
    if (object->link != nullptr && object->link.get() == handle) {
      first = object->link->given.topologyPoint1;
      second = object->link->given.topologyPoint2;
      return true;
    }
  }
  return false;
}

void Scene::SetCollectionItem(int32_t index, std::string elementName) {
  collection_[index] = std::make_unique<CollectionEntry>(CollectionEntry{std::move(elementName)});
}

void* Scene::CollectionItem(int32_t index) {
  auto it = collection_.find(index);
  return it == collection_.end() ? nullptr : it->second.get();
}

const char* Scene::CollectionItemName(const void* item) const {
  for (const auto& [index, entry] : collection_)
    if (entry.get() == item) return entry->elementName.c_str();
  return nullptr;
}

void Scene::Clear() {
  objects_.clear();
  selection_.clear();
  free_.clear();
  handed_out_.clear();
  collection_.clear();
  current_ = nullptr;
}

}  // namespace kalvor
