// Interfaces and records of the host design application, as far as the plug-in uses them.
//
// The host hands these out through its own exported get_InstanceByName(name, &obj), by the names of
// kHostInterfaceNames. Slots the plug-in never calls are kept as placeholders (ROVAN_UNUSED_SLOT) so the
// numbering of the others is right. The substitute host in host/ implements this same header.
//
// Records are owned by the host. The byte offsets in the comments are those of the 32-bit host; on 64-bit
// the same fields, in the same order, take their natural alignment.
#pragma once

#include <cstdint>

#include "plugin/ItfCommon.h"

namespace rovan {

// ---- Records --------------------------------------------------------------------------------------

enum TTipoVar : int32_t { VAR_NUMERO = 0, VAR_TESTO = 1, VAR_PUNTO = 2 };

// A host variable.
struct TVarRec {
  char* nome;           // 0: name
  char* descrizione;    // 4: description
  int32_t flags;        // 8: flag word
  int32_t riservato;    // 12: not used by the plug-in
  int32_t tipo;         // 16: TTipoVar
  union {               // 20: value
    float numero;       //     VAR_NUMERO
    char* testo;        //     VAR_TESTO
    float punto[3];     //     VAR_PUNTO: x, y, z
  } valore;
};

// A record of one of the host's linked lists (object lists, children, free objects, variable lists).
struct TListaRec {
  TListaRec* next;  // 0: next record or null
  void* item;       // 4: the object (or variable record)
};

struct TLinkRec;

// A scene object.
struct TOggettoRec {
  void* riservato0[4];       // 0..15
  char** nome;               // 16: pointer to the object's name
  TListaRec* variabili;      // 20: its variables (items are TVarRec*), searched by name
  TListaRec* proprie;        // 24: its own variable records (items are TVarRec*), written one per line
  void* riservato28[3];      // 28..39
  TLinkRec* link;            // 40: how it hangs on another object, or null
  int32_t riservato44[16];   // 44..107
  uint32_t flags;            // 108: flag word; bit 23 (0x800000) marks an object that is not a composite
};

// How an object hangs on another.
struct TLinkRec {
  int32_t riservato0[3];   // 0..11
  int32_t indiceCollezione;  // 12: collection index
  int32_t tipo;            // 16: link kind 0, 1 or 2
  void* topologia;         // 20: topology handle
  int32_t modo1;           // 24: mode of the first end
  TOggettoRec* oggetto1;   // 28: first end's object
  int32_t riservato32[3];  // 32..43
  char* punto1;            // 44: first end's point name
  int32_t riservato48;     // 48
  int32_t modo2;           // 52: mode of the second end
  TOggettoRec* oggetto2;   // 56: second end's object
  int32_t riservato60[3];  // 60..71
  char* punto2;            // 72: second end's point name
};

// An entry of a named value list ("MenuX_pcf", ...).
struct TVoceValore {
  TVoceValore* next;  // 0
  float valore;       // 4
  char* nome;         // 8
};

// A named value list.
struct TTabellaValori {
  char nome[12];          // 0: name, zero-padded
  TTabellaValori* next;   // 12
  TVoceValore* voci;      // 16: first entry
};

// ---- Interfaces -----------------------------------------------------------------------------------

// Buffer size the plug-in passes for paths.
inline constexpr int32_t kHostPathSize = 1025;

struct IKalvorPaths : IUnknownRovan {
  virtual void ROVAN_STDCALL GetBasePath(int32_t size, char* buf) = 0;      // 3: the host's base folder
  ROVAN_UNUSED_SLOT(4)
  virtual void ROVAN_STDCALL GetDocRoot(int32_t size, char* buf) = 0;       // 5: the document root
  ROVAN_UNUSED_SLOT(6)
  virtual void ROVAN_STDCALL GetIniFile(int32_t size, char* buf) = 0;       // 7: the host's settings file
  virtual void ROVAN_STDCALL EspandiPath(const char* src, char* dst) = 0;   // 8: dst has kHostPathSize bytes
};

struct IVarsFind : IUnknownRovan {
  ROVAN_UNUSED_SLOT(3) ROVAN_UNUSED_SLOT(4) ROVAN_UNUSED_SLOT(5) ROVAN_UNUSED_SLOT(6)
  ROVAN_UNUSED_SLOT(7) ROVAN_UNUSED_SLOT(8) ROVAN_UNUSED_SLOT(9)
  // 10: a global variable (obj is 0); kind 0 number, 1 text. Null when missing.
  virtual TVarRec* ROVAN_STDCALL TrovaVar(void* obj, const char* nome, int32_t tipo) = 0;
  ROVAN_UNUSED_SLOT(11)
  // 12: a variable of one scene object. Null when missing.
  virtual TVarRec* ROVAN_STDCALL TrovaVarOggetto(TOggettoRec* obj, const char* nome, int32_t tipo) = 0;
};

struct IVarsMake : IUnknownRovan {
  ROVAN_UNUSED_SLOT(3)
  // 4: creates or overwrites a text variable (obj is 0).
  virtual TVarRec* ROVAN_STDCALL CreaVarTesto(void* obj, const char* nome, const char* testo) = 0;
  ROVAN_UNUSED_SLOT(5)
  // 6: creates or overwrites a numeric variable of a scene object.
  virtual void ROVAN_STDCALL CreaVarNumOggetto(TOggettoRec* obj, const char* nome, double valore) = 0;
  ROVAN_UNUSED_SLOT(7) ROVAN_UNUSED_SLOT(8) ROVAN_UNUSED_SLOT(9) ROVAN_UNUSED_SLOT(10) ROVAN_UNUSED_SLOT(11)
  // 12 and 13: create or overwrite a global numeric or text variable.
  virtual void ROVAN_STDCALL SettaVarNum(const char* nome, double valore) = 0;
  virtual void ROVAN_STDCALL SettaVarTesto(const char* nome, const char* testo) = 0;
};

struct IStrutturaFunctions : IUnknownRovan {};

struct IStatus : IUnknownRovan {
  // 3: runs one command line; non-zero when the host reports an error in it.
  virtual int32_t ROVAN_STDCALL Comando(const char* comando) = 0;
  // 4: first record of the current object list (items are TOggettoRec*), or null.
  virtual TListaRec* ROVAN_STDCALL ListaCorrente() = 0;
  ROVAN_UNUSED_SLOT(5) ROVAN_UNUSED_SLOT(6) ROVAN_UNUSED_SLOT(7) ROVAN_UNUSED_SLOT(8) ROVAN_UNUSED_SLOT(9)
  // 10: the current object, or null.
  virtual TOggettoRec* ROVAN_STDCALL OggettoCorrente() = 0;
  ROVAN_UNUSED_SLOT(11) ROVAN_UNUSED_SLOT(12) ROVAN_UNUSED_SLOT(13) ROVAN_UNUSED_SLOT(14)
  ROVAN_UNUSED_SLOT(15) ROVAN_UNUSED_SLOT(16) ROVAN_UNUSED_SLOT(17) ROVAN_UNUSED_SLOT(18)
  ROVAN_UNUSED_SLOT(19) ROVAN_UNUSED_SLOT(20) ROVAN_UNUSED_SLOT(21) ROVAN_UNUSED_SLOT(22)
  ROVAN_UNUSED_SLOT(23) ROVAN_UNUSED_SLOT(24) ROVAN_UNUSED_SLOT(25) ROVAN_UNUSED_SLOT(26)
  ROVAN_UNUSED_SLOT(27) ROVAN_UNUSED_SLOT(28)
  // 29: shows a progress text on the host's splash or status line.
  virtual void ROVAN_STDCALL TestoStato(const char* testo) = 0;
  ROVAN_UNUSED_SLOT(30) ROVAN_UNUSED_SLOT(31) ROVAN_UNUSED_SLOT(32) ROVAN_UNUSED_SLOT(33)
  ROVAN_UNUSED_SLOT(34) ROVAN_UNUSED_SLOT(35) ROVAN_UNUSED_SLOT(36) ROVAN_UNUSED_SLOT(37)
  // 38: the host's main window handle (argument 0).
  virtual void* ROVAN_STDCALL FinestraHost(int32_t riservato) = 0;
  ROVAN_UNUSED_SLOT(39) ROVAN_UNUSED_SLOT(40) ROVAN_UNUSED_SLOT(41) ROVAN_UNUSED_SLOT(42)
  ROVAN_UNUSED_SLOT(43) ROVAN_UNUSED_SLOT(44) ROVAN_UNUSED_SLOT(45)
  // 46: fires a host event by name (first argument 0).
  virtual void ROVAN_STDCALL LanciaEvento(int32_t riservato, const char* evento) = 0;
};

struct ICollezione : IUnknownRovan {
  virtual const char* ROVAN_STDCALL NomeCollezione() = 0;  // 3: name of the current collection
  ROVAN_UNUSED_SLOT(4) ROVAN_UNUSED_SLOT(5)
  virtual TTabellaValori* ROVAN_STDCALL PrimaTabella() = 0;  // 6: first named value list
  ROVAN_UNUSED_SLOT(7) ROVAN_UNUSED_SLOT(8)
  virtual void* ROVAN_STDCALL Elemento(int32_t indice) = 0;  // 9: collection item by index
  ROVAN_UNUSED_SLOT(10) ROVAN_UNUSED_SLOT(11) ROVAN_UNUSED_SLOT(12) ROVAN_UNUSED_SLOT(13)
  ROVAN_UNUSED_SLOT(14) ROVAN_UNUSED_SLOT(15) ROVAN_UNUSED_SLOT(16) ROVAN_UNUSED_SLOT(17)
  ROVAN_UNUSED_SLOT(18) ROVAN_UNUSED_SLOT(19) ROVAN_UNUSED_SLOT(20) ROVAN_UNUSED_SLOT(21)
  ROVAN_UNUSED_SLOT(22) ROVAN_UNUSED_SLOT(23) ROVAN_UNUSED_SLOT(24) ROVAN_UNUSED_SLOT(25)
  ROVAN_UNUSED_SLOT(26)
  virtual void ROVAN_STDCALL Prepara(int32_t riservato) = 0;  // 27: prepares the collection (argument 0)
};

struct IIOInterface : IUnknownRovan {};
struct IVarsDel : IUnknownRovan {};

struct ILogBase : IUnknownRovan {
  ROVAN_UNUSED_SLOT(3) ROVAN_UNUSED_SLOT(4) ROVAN_UNUSED_SLOT(5) ROVAN_UNUSED_SLOT(6)
  ROVAN_UNUSED_SLOT(7) ROVAN_UNUSED_SLOT(8)
  virtual void ROVAN_STDCALL Log(int32_t livello, const char* testo) = 0;  // 9: the plug-in uses level 7
};

struct IVarFactory : IUnknownRovan {};
struct IDrawStruttura : IUnknownRovan {};

struct ITopologiaUtils : IUnknownRovan {
  ROVAN_UNUSED_SLOT(3) ROVAN_UNUSED_SLOT(4) ROVAN_UNUSED_SLOT(5) ROVAN_UNUSED_SLOT(6)
  ROVAN_UNUSED_SLOT(7) ROVAN_UNUSED_SLOT(8) ROVAN_UNUSED_SLOT(9) ROVAN_UNUSED_SLOT(10)
  ROVAN_UNUSED_SLOT(11) ROVAN_UNUSED_SLOT(12) ROVAN_UNUSED_SLOT(13) ROVAN_UNUSED_SLOT(14)
  ROVAN_UNUSED_SLOT(15) ROVAN_UNUSED_SLOT(16) ROVAN_UNUSED_SLOT(17)
  // 18: the children of an object (items are TOggettoRec*); released with ILinkFunction slot 7.
  virtual TListaRec* ROVAN_STDCALL Figli(TOggettoRec* obj) = 0;
  ROVAN_UNUSED_SLOT(19) ROVAN_UNUSED_SLOT(20) ROVAN_UNUSED_SLOT(21)
  // 22: the two point names (64 bytes each) of a topology handle.
  virtual void ROVAN_STDCALL NomiPunti(void* topologia, char* nome1, char* nome2) = 0;
  // 23: the free objects of the topology; released with ILinkFunction slot 7.
  virtual TListaRec* ROVAN_STDCALL OggettiLiberi() = 0;
  // 24: loads a definition file into the scene (second argument 0).
  virtual int32_t ROVAN_STDCALL CaricaFile(const char* file, int32_t modo) = 0;
};

struct ILinkFunction : IUnknownRovan {
  ROVAN_UNUSED_SLOT(3) ROVAN_UNUSED_SLOT(4) ROVAN_UNUSED_SLOT(5) ROVAN_UNUSED_SLOT(6)
  // 7: releases a list handed out by ITopologiaUtils (second argument 0).
  virtual void ROVAN_STDCALL RilasciaLista(TListaRec* lista, int32_t riservato) = 0;
  // 8: the name of the element a collection item stands for.
  virtual const char* ROVAN_STDCALL NomeElemento(void* item) = 0;
};

struct IDatiXGestionale : IUnknownRovan {};
struct ICfgData : IUnknownRovan {};
struct IVarsBase : IUnknownRovan {};

struct IDMessage : IUnknownRovan {
  virtual int32_t ROVAN_STDCALL CaricaMessaggi(const char* nomeFile) = 0;  // 3: loads a message file
};

struct IConnectionPointContainer;

// Standard COM connection point.
struct IConnectionPoint : IUnknownRovan {
  virtual HRESULT ROVAN_STDCALL GetConnectionInterface(TGUID* iid) = 0;                       // 3
  virtual HRESULT ROVAN_STDCALL GetConnectionPointContainer(IConnectionPointContainer** c) = 0; // 4
  virtual HRESULT ROVAN_STDCALL Advise(IUnknownRovan* sink, uint32_t* cookie) = 0;           // 5
  virtual HRESULT ROVAN_STDCALL Unadvise(uint32_t cookie) = 0;                               // 6
  virtual HRESULT ROVAN_STDCALL EnumConnections(void** e) = 0;                               // 7
};

struct IConnectionPointContainer : IUnknownRovan {
  virtual HRESULT ROVAN_STDCALL EnumConnectionPoints(void** e) = 0;                             // 3
  virtual HRESULT ROVAN_STDCALL FindConnectionPoint(const TGUID* iid, IConnectionPoint** cp) = 0; // 4
};

// Status notifications the host sends to an advised sink (implemented by the plug-in).
struct IStatusNotify : IUnknownRovan {
  virtual HRESULT ROVAN_STDCALL OnStatusChange(int32_t action, void* struttura) = 0;          // 3
  virtual HRESULT ROVAN_STDCALL OnCollezioneActivate(void* collezione) = 0;                  // 4
  virtual HRESULT ROVAN_STDCALL OnStatusChangeIntStr(int32_t valore, const char* testo) = 0;  // 5
};

// {1F430357-1463-11D4-8B83-00C0DFEF6043}
inline constexpr TGUID IID_STATUS_NOTIFY = {0x1F430357, 0x1463, 0x11D4,
                                            {0x8B, 0x83, 0x00, 0xC0, 0xDF, 0xEF, 0x60, 0x43}};

// Handed out on demand by the host's lookup function (script generation).
struct IStringList : IUnknownRovan {
  virtual int32_t ROVAN_STDCALL Count() = 0;                  // 3
  virtual const char* ROVAN_STDCALL Item(int32_t i) = 0;     // 4
};

struct IRecRelativo : IUnknownRovan {
  ROVAN_UNUSED_SLOT(3) ROVAN_UNUSED_SLOT(4) ROVAN_UNUSED_SLOT(5)
  // 6: fills the list with the object's relative records, one line each.
  virtual void ROVAN_STDCALL Riempi(TOggettoRec* obj, IStringList* lista) = 0;
};

// The 18 interfaces requested at initialisation, in this order.
inline constexpr const char* kHostInterfaceNames[18] = {
    "IKalvorPaths", "IVarsFind",      "IVarsMake",      "IStrutturaFunctions", "IStatus",
    "ICollezione",  "IIOInterface",   "IVarsDel",       "ILogBase",            "IVarFactory",
    "IDrawStruttura", "ITopologiaUtils", "ILinkFunction", "IDatiXGestionale",  "ICfgData",
    "IVarsBase",    "IDMessage",      "IConnectionPointContainer"};

}  // namespace rovan
