#include "host/kalvor/host_config.h"

#include <filesystem>
#include <sstream>
#include <vector>

#include "host/motore/motore_host.h"
#include "platform/profile_file.h"
#include "platform/text_utils.h"

namespace kalvor {
namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, sep);) parts.push_back(rovan::Trim(part));
  return parts;
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

std::string SetVariable(Host& host, const std::string& name, const std::string& spec) {
  if (spec.size() < 2 || spec[1] != ':') return "variable " + name + ": expected N:, T: or P:";
  const std::string value = spec.substr(2);
  switch (spec[0]) {
    case 'N': {
      float number = 0;
      if (!ParseFloat(value, number)) return "variable " + name + ": not a number";
      host.SetNumber(name, number);
      return {};
    }
    case 'T':
      host.SetText(name, value);
      return {};
    case 'P': {
      std::vector<std::string> xyz = Split(value, ',');
      float p[3];
      if (xyz.size() != 3 || !ParseFloat(xyz[0], p[0]) || !ParseFloat(xyz[1], p[1]) || !ParseFloat(xyz[2], p[2]))
        return "variable " + name + ": expected three numbers";
      host.SetPoint(name, p[0], p[1], p[2]);
      return {};
    }
    default:
      return "variable " + name + ": expected N:, T: or P:";
  }
}

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
    std::string error = SetVariable(host, name, ini.ReadString("Variables", name, ""));
    if (!error.empty()) return error;
  }
  for (const std::string& verb : ini.ReadSection("Commands")) {
    int result = 0;
    if (!rovan::TryParseInt(ini.ReadString("Commands", verb, ""), result))
      return "command " + verb + ": expected an integer result";
    host.SetCommandHandler(verb, [result](const std::string&) { return result; });
  }
  for (const std::string& name : ini.ReadSection("Refuse"))
    if (ini.ReadBool("Refuse", name, false)) host.Refuse(name);
  return {};
}

}  // namespace kalvor
