#include "host/motore/host_config.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <variant>
#include <vector>

#include "host/motore/motore_host.h"
#include "host/text_buffer.h"
#include "platform/profile_file.h"
#include "platform/text_utils.h"

namespace kalvor {
namespace {

// The parts between separators, trimmed; empty parts are kept ("a," is "a" and "").
std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  for (size_t at = 0;;) {
    const size_t end = text.find(sep, at);
    parts.push_back(rovan::Trim(text.substr(at, end == std::string::npos ? std::string::npos : end - at)));
    if (end == std::string::npos) return parts;
    at = end + 1;
  }
}

bool ParseFloat(const std::string& text, float& value) {
  try {
    size_t used = 0;
    value = std::stof(text, &used);
    return used == text.size();
  } catch (const std::exception&) {
    return false;
  }
}

// A variable's value written as N:<number>, T:<text> or P:<x>,<y>,<z>; an error text, or empty.
std::string ParseValue(const std::string& what, const std::string& written, VarValue& value) {
  if (written.size() < 2 || written[1] != ':') return what + ": expected N:, T: or P:";
  const std::string text = written.substr(2);
  switch (written[0]) {
    case 'N': {
      float number = 0;
      if (!ParseFloat(text, number)) return what + ": not a number";
      value = number;
      return {};
    }
    case 'T':
      value = text;
      return {};
    case 'P': {
      std::vector<std::string> xyz = Split(text, ',');
      std::array<float, 3> p{};
      if (xyz.size() != 3 || !ParseFloat(xyz[0], p[0]) || !ParseFloat(xyz[1], p[1]) || !ParseFloat(xyz[2], p[2]))
        return what + ": expected three numbers";
      value = p;
      return {};
    }
    default:
      return what + ": expected N:, T: or P:";
  }
}

void SetGlobal(Host& host, const std::string& name, float value) { host.SetNumber(name, value); }
void SetGlobal(Host& host, const std::string& name, const std::string& value) { host.SetText(name, value); }
void SetGlobal(Host& host, const std::string& name, const std::array<float, 3>& p) {
  host.SetPoint(name, p[0], p[1], p[2]);
}

// Reads the scene sections: see host_config.h.
class SceneReader {
 public:
  SceneReader(const rovan::ProfileFile& ini, Host& host) : ini_(ini), host_(host) {}

  std::string Read() {
    int count = 0;
    if (!rovan::TryParseInt(ini_.ReadString("Scene", "Objects", "0"), count) || count < 0)
      return "scene: Objects expects a number of objects";
    for (int n = 1; n <= count; ++n)
      objects_.push_back(host_.AddObject(ini_.ReadString(Section(n), "Name", "Oggetto" + std::to_string(n))));
    for (int n = 1; n <= count; ++n)
      if (std::string error = ReadObject(n); !error.empty()) return error;

    std::vector<rovan::TOggettoRec*> list;
    if (std::string error = Objects("scene: Selection", ini_.ReadString("Scene", "Selection", ""), list);
        !error.empty())
      return error;
    host_.SetSelection(list);
    if (std::string error = Objects("scene: Free", ini_.ReadString("Scene", "Free", ""), list); !error.empty())
      return error;
    host_.SetFreeObjects(list);
    if (auto current = ini_.Find("Scene", "Current")) {
      if (std::string error = Objects("scene: Current", *current, list); !error.empty()) return error;
      if (list.size() > 1) return "scene: Current names one object";
      host_.SetCurrentObject(list.empty() ? nullptr : list[0]);
    }
    for (const std::string& key : ini_.ReadSection("CollectionItems")) {
      int index = 0;
      if (!rovan::TryParseInt(key, index)) return "collection item " + key + ": expected a number";
      host_.SetCollectionItem(index, ini_.ReadString("CollectionItems", key, ""));
    }
    return {};
  }

 private:
  static std::string Section(int n) { return "Object." + std::to_string(n); }

  // Object numbers separated by commas ("" is no object).
  std::string Objects(const std::string& what, const std::string& text, std::vector<rovan::TOggettoRec*>& out) {
    out.clear();
    if (rovan::Trim(text).empty()) return {};
    for (const std::string& part : Split(text, ',')) {
      int n = 0;
      if (!rovan::TryParseInt(part, n) || n < 1 || n > static_cast<int>(objects_.size()))
        return what + ": no object " + part;
      out.push_back(objects_[n - 1]);
    }
    return {};
  }

  std::string ReadEnd(const std::string& what, const std::string& text, LinkEnd& end) {
    std::vector<std::string> parts = Split(text, ',');
    std::vector<rovan::TOggettoRec*> object;
    if (parts.size() != 3 || !rovan::TryParseInt(parts[0], end.mode))
      return what + ": expected <mode>,<object>,<point>";
    if (!parts[1].empty() && parts[1] != "0") {
      if (std::string error = Objects(what, parts[1], object); !error.empty()) return error;
      end.object = object[0];
    }
    end.point = parts[2];
    return {};
  }

  std::string ReadObject(int n) {
    const std::string section = Section(n);
    const std::string what = "object " + std::to_string(n);
    rovan::TOggettoRec* obj = objects_[n - 1];
    if (auto flags = ini_.Find(section, "Flags")) {
      int value = 0;
      if (!rovan::TryParseInt(*flags, value)) return what + ": Flags expects an integer";
      obj->flags = static_cast<uint32_t>(value);
    }
    std::vector<rovan::TOggettoRec*> children;
    if (std::string error = Objects(what + ": Children", ini_.ReadString(section, "Children", ""), children);
        !error.empty())
      return error;
    host_.SetChildren(obj, children);
    if (std::string error = ReadLink(section, what, obj); !error.empty()) return error;

    std::vector<std::string> relative;
    for (const std::string& key : ini_.ReadSection(section)) {
      const std::string value = ini_.ReadString(section, key, "");
      const std::string lower = rovan::LowerAscii(key);
      if (lower.starts_with("relative.")) {
        relative.push_back(value);
        continue;
      }
      const bool own = lower.starts_with("own.");
      if (!own && !lower.starts_with("var.")) continue;
      const std::string name = key.substr(4);  // after "Own." or "Var."
      VarValue v;
      if (std::string error = ParseValue(what + " variable " + name, value, v); !error.empty()) return error;
      if (own) host_.AddOwnVariable(obj, name, v);
      else host_.SetObjectVariable(obj, name, v);
    }
    if (!relative.empty()) host_.SetRelativeRecords(obj, relative);
    return {};
  }

  std::string ReadLink(const std::string& section, const std::string& what, rovan::TOggettoRec* obj) {
    auto kind = ini_.Find(section, "Link");
    if (!kind) return {};
    ObjectLink link;
    std::vector<std::string> parts = Split(*kind, ',');
    if (parts.empty() || parts.size() > 2 || !rovan::TryParseInt(parts[0], link.kind) ||
        (parts.size() == 2 && !rovan::TryParseInt(parts[1], link.collectionIndex)))
      return what + ": Link expects <kind>[,<collection index>]";
    std::vector<std::string> points = Split(ini_.ReadString(section, "LinkPoints", ","), ',');
    if (points.size() != 2) return what + ": LinkPoints expects <name>,<name>";
    link.topologyPoint1 = points[0];
    link.topologyPoint2 = points[1];
    if (auto end = ini_.Find(section, "LinkEnd1"))
      if (std::string error = ReadEnd(what + ": LinkEnd1", *end, link.first); !error.empty()) return error;
    if (auto end = ini_.Find(section, "LinkEnd2"))
      if (std::string error = ReadEnd(what + ": LinkEnd2", *end, link.second); !error.empty()) return error;
    host_.SetLink(obj, link);
    return {};
  }

  const rovan::ProfileFile& ini_;
  Host& host_;
  std::vector<rovan::TOggettoRec*> objects_;
};

}  // namespace

std::string ConfigureHost(const std::string& fileName) {
  if (!std::filesystem::is_regular_file(fileName)) return "no such file: " + fileName;
  const rovan::ProfileFile ini(fileName);
  Host& host = Host::Instance();

  if (auto v = ini.Find("Paths", "Base")) host.SetBasePath(*v);
  if (auto v = ini.Find("Paths", "DocRoot")) host.SetDocRoot(*v);
  if (auto v = ini.Find("Paths", "IniFile")) host.SetIniFile(*v);
  if (auto v = ini.Find("Collection", "Name")) host.SetCollectionName(*v);

  for (const std::string& table : ini.ReadSection("ValueTables")) {
    ValueEntries entries;
    for (const std::string& entry : Split(ini.ReadString("ValueTables", table, ""), ';')) {
      if (entry.empty()) continue;
      size_t colon = entry.find(':');
      float number = 0;
      if (colon == std::string::npos || !ParseFloat(entry.substr(0, colon), number))
        return "value table " + table + ": expected <number>:<label>";
      entries.push_back({number, entry.substr(colon + 1)});
    }
    host.AddValueTable(table, entries);
  }
  for (const std::string& name : ini.ReadSection("Variables")) {
    VarValue value;
    std::string error = ParseValue("variable " + name, ini.ReadString("Variables", name, ""), value);
    if (!error.empty()) return error;
    std::visit([&](const auto& v) { SetGlobal(host, name, v); }, value);
  }
  for (const std::string& verb : ini.ReadSection("Commands")) {
    int result = 0;
    if (!rovan::TryParseInt(ini.ReadString("Commands", verb, ""), result))
      return "command " + verb + ": expected an integer result";
    host.SetCommandHandler(verb, [result](const std::string&) { return result; });
  }
  for (const std::string& name : ini.ReadSection("Refuse"))
    if (ini.ReadBool("Refuse", name, false)) host.Refuse(name);
  if (auto definition = ini.Find("Definition", "File")) {
    std::ifstream in(*definition, std::ios::binary);
    if (!in) return "definition: cannot read " + *definition;
    host.SetDefinitionText({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
  }
  return SceneReader(ini, host).Read();
}

}  // namespace kalvor

int32_t kalvor_configure_host(const char* file_name, char* error, int32_t error_size) {
  std::string wrong;
  try {
    wrong = kalvor::ConfigureHost(std::string(kalvor::TextOf(file_name)));
  } catch (const std::exception& e) {  // no exception crosses into a C caller
    wrong = e.what();
  }
  kalvor::CopyToBuffer(wrong, error, error_size);
  return wrong.empty() ? 0 : -1;
}
