// libmotore: a substitute for the engine library of the Kalvor design application, so that the plug-in can be
// loaded, driven and checked without the real host.
//
// The library exports get_InstanceByName, through which the plug-in obtains the host's interfaces (the 18 of
// rovan::kHostInterfaceNames, and "IRecRelativo" and "IStringList" on demand), and the class kalvor::Host
// below, through which a test or the command-line host configures what those interfaces answer and reads back
// what the plug-in did with them. Everything else in the library is hidden.
//
// Thread rule: single-threaded, like the real host, which calls the plug-in and is called back on its
// user-interface thread. Neither the interfaces nor Host may be used from two threads at once.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "plugin/ItfKalvor.h"

#ifndef KALVOR_API
#define KALVOR_API __attribute__((visibility("default")))
#endif

// The host's lookup function, as the plug-in finds it with dlsym.
//   name: an interface name, compared exactly (case-sensitive).
//   obj:  receives the interface pointer, or null; always written when not null.
// Returns 0 when an interface is handed out, -1 when the name is unknown or refused (Host::Refuse).
// Each interface handed out carries one reference for the caller, given back with Release. The 18 named
// interfaces and "IRecRelativo" are single objects owned by the host; "IStringList" is a new empty list on
// every request, destroyed when its last reference is released.
ROVAN_EXPORT int32_t get_InstanceByName(const char* name, void** obj);

namespace kalvor {

struct HostState;

// Answers a recorded command line (IStatus slot 3); its result is the slot's result (non-zero: the host
// reports an error in the command).
using CommandHandler = std::function<int32_t(const std::string& line)>;

// One line of the host log (ILogBase slot 9).
struct LogLine {
  int32_t level;     // as passed; the plug-in writes level 7
  std::string text;
};

// Entries of a named value list, in list order: (number, name).
using ValueEntries = std::vector<std::pair<float, std::string>>;

// A value of one of the three variable types: number, text, point (x, y, z).
using VarValue = std::variant<float, std::string, std::array<float, 3>>;

// One end of a link between scene objects.
struct LinkEnd {
  int32_t mode = 0;
  rovan::TOggettoRec* object = nullptr;
  std::string point;  // the end's point name
};

// How a scene object hangs on another (rovan::TLinkRec).
struct ObjectLink {
  int32_t kind = 0;             // 0, 1 or 2
  int32_t collectionIndex = 0;  // the item of ICollezione slot 9 the link refers to
  // The two names ITopologiaUtils slot 22 gives for this link's topology handle.
  std::string topologyPoint1, topologyPoint2;
  LinkEnd first, second;
};

// The configuration and observation side of the substitute host: one per process, never destroyed (the
// plug-in may give back its interfaces while the process exits). Every getter returns a reference that stays
// valid until the next call that changes that item or Reset.
class KALVOR_API Host {
 public:
  // The single host of this process.
  static Host& Instance();

  Host(const Host&) = delete;
  Host& operator=(const Host&) = delete;

  // Back to a fresh host: no variables, no recorded calls, only the built-in command handlers, no value
  // tables, an empty scene, no refusals, no advised sinks, reference counts of the host's interface objects
  // at 0, default paths, an empty collection name and the default definition text. Records handed out
  // before (variable records, value tables, scene objects and lists, object variable list records) are
  // freed, so it is meant for between tests, while the plug-in holds none of them. Advised sinks
  // are forgotten without Release, since their code may already be unloaded. String lists still referenced
  // stay alive and are freed by their last Release.
  void Reset();

  // ---- Host variables ---------------------------------------------------------------------------------
  // Global variables as the plug-in finds them (IVarsFind slot 10) and creates them (IVarsMake slots 4, 12,
  // 13). Names are compared exactly. Setting an existing variable overwrites its type and value in the same
  // record, so a record pointer the plug-in keeps stays valid and sees the new value. Each setter returns the
  // record, owned by the host until Remove or Reset.
  const rovan::TVarRec* SetNumber(std::string_view name, float value);
  const rovan::TVarRec* SetText(std::string_view name, std::string_view text);
  const rovan::TVarRec* SetPoint(std::string_view name, float x, float y, float z);
  // Sets the description and the flag word of an existing variable; false when there is none of that name.
  bool Describe(std::string_view name, std::string_view description, int32_t flags);
  // Makes a variable unknown; false when there is none. Its record stays readable until Reset, so a pointer
  // the plug-in still holds never dangles.
  bool Remove(std::string_view name);
  // The record of a global variable, or null.
  const rovan::TVarRec* Find(std::string_view name) const;

  // ---- Command lines ----------------------------------------------------------------------------------
  // Every line passed to IStatus slot 3, in order.
  const std::vector<std::string>& commands() const;
  // Answers lines whose first word (blank-separated, compared exactly) is verb; an empty handler removes it.
  // A line without handler is answered 0. The line is recorded before its handler runs, and a handler may
  // use this class (set variables, write files).
  void SetCommandHandler(std::string verb, CommandHandler handler);

  // ---- What the plug-in reported ------------------------------------------------------------------------
  const std::vector<LogLine>& log() const;                 // ILogBase slot 9
  const std::vector<std::string>& statusTexts() const;     // IStatus slot 29
  const std::vector<std::string>& events() const;          // IStatus slot 46, event names
  const std::vector<std::string>& messageFiles() const;    // IDMessage slot 3, file names

  // ---- Paths (IKalvorPaths) -----------------------------------------------------------------------------
  // Defaults after Reset: the base folder is the current directory at the time of Reset, the document root
  // is the base folder, the settings file is "kalvor.ini" in the base folder. Values are handed out as set.
  // Slot 8 replaces every "%BASE%" and "%DOC%" (exact case) by the base folder, respectively the document
  // root, without a trailing "/", copies everything else unchanged, and cuts the result to its 1025 bytes.
  void SetBasePath(std::string path);   // slot 3; also replaces "%BASE%" in slot 8
  void SetDocRoot(std::string path);    // slot 5; also replaces "%DOC%" in slot 8
  void SetIniFile(std::string file);    // slot 7
  const std::string& basePath() const;
  const std::string& docRoot() const;
  const std::string& iniFile() const;

  // ---- Current collection (ICollezione) -----------------------------------------------------------------
  void SetCollectionName(std::string name);  // slot 3; empty after Reset
  // Appends a named value list to the chain of slot 6. The name fills the 12-byte field, zero-padded; a name
  // of 12 characters or more is cut to 12 and then has no terminating zero, as in the host's record.
  void AddValueTable(std::string_view name, const ValueEntries& entries);
  int32_t prepareCalls() const;  // how many times slot 27 was called
  // The lines IRecRelativo slot 6 adds to the list for obj (none unless set).
  void SetRelativeRecords(const rovan::TOggettoRec* obj, std::vector<std::string> lines);
  // How many string lists handed out by the lookup function are still alive.
  std::size_t liveStringLists() const;

  // ---- Scene --------------------------------------------------------------------------------------------
  // Objects are rovan::TOggettoRec records owned by the host until Reset; their plain fields (the flag word)
  // may be written directly. Functions taking an object throw std::invalid_argument for a pointer that is
  // not one of AddObject's.
  rovan::TOggettoRec* AddObject(std::string_view name);
  // A variable of obj, searched by name (IVarsFind slot 12, the list at obj->variabili): created at the head
  // of the list, or overwritten in place, as IVarsMake slot 6 does.
  void SetObjectVariable(rovan::TOggettoRec* obj, std::string_view name, const VarValue& value);
  // Appends an own variable record (the list at obj->proprie).
  void AddOwnVariable(rovan::TOggettoRec* obj, std::string_view name, const VarValue& value);
  // Gives obj a link record, replacing any earlier one.
  void SetLink(rovan::TOggettoRec* obj, const ObjectLink& link);
  // The current object list (IStatus slot 4, kept by the host) and the current object (slot 10).
  void SetSelection(const std::vector<rovan::TOggettoRec*>& objects);
  void SetCurrentObject(rovan::TOggettoRec* obj);
  // The free objects (ITopologiaUtils slot 23) and the children of obj (slot 18). Each call of those slots
  // hands out a new list, to be given back with ILinkFunction slot 7; an empty list is null.
  void SetFreeObjects(const std::vector<rovan::TOggettoRec*>& objects);
  void SetChildren(rovan::TOggettoRec* obj, const std::vector<rovan::TOggettoRec*>& children);
  // Lists handed out by slots 18 and 23 and not given back yet.
  std::size_t liveSceneLists() const;
  // The collection item of that index (ICollezione slot 9) and the element name it stands for
  // (ILinkFunction slot 8). Other indexes give null.
  void SetCollectionItem(int32_t index, std::string elementName);

  // ---- Files the commands produce -------------------------------------------------------------------------
  // Built-in handlers, installed again by Reset and replaceable with SetCommandHandler:
  //   rec_cmp "<file>" "<code>"   writes the definition text to file, every "%CODE%" replaced by code;
  //                               1 (an error) when a value is missing or the file cannot be written
  //   K4_PRINT ...                writes a 1x1 PNG image "k4print.png" in the base folder and sets key
  //                               ultimoDis of section SettaggiStampa in the host's settings file to its name
  //   TPRINT ... RND_OUTFILE "<file>" ...   writes the same image to file; 1 without RND_OUTFILE or on error
  // The definition text after Reset is kDefaultDefinition.
  static constexpr const char* kDefaultDefinition = "COMPONENDO 1\r\nELEMENTO \"%CODE%\"\r\nCOMPONENDO 0\r\n";
  void SetDefinitionText(std::string text);

  // ---- Interfaces ---------------------------------------------------------------------------------------
  // From now on the lookup function answers name with null and -1, as a host without that interface would.
  void Refuse(std::string name);
  // References callers currently hold on the host-owned interface object of that name (one of the 18,
  // or "IRecRelativo"); -1 for another name. A fresh host starts at 0; a count below 0 means a caller
  // released more often than it acquired.
  int32_t ReferenceCount(std::string_view name) const;
  // References held on the single connection point (handed out by IConnectionPointContainer slot 4).
  int32_t connectionPointReferences() const;
  // Sinks currently advised on the connection point.
  std::size_t AdvisedSinks() const;
  // Calls IStatusNotify::OnStatusChange(action, null) on every advised sink, in the order they were advised.
  void NotifyStatus(int32_t action);

 private:
  explicit Host(HostState& state);
  HostState& state_;
};

// A settings file describes all of this for the command-line host and for hosts written in C: see
// host/motore/host_config.h.

}  // namespace kalvor
