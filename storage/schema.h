// The price-list schema: the one place that names the tables and the columns, gives the table version and
// what each version enables, and holds the SQLite creation script.
//
// Sixteen tables (types as the SQLite script declares them; Access and SQL Server carry the equivalents):
//   opzioni        one row: IdxPrimaria INT (primary characteristic), PathRec VARCHAR(30) (table version)
//   lingue_lis     cod_lingua CHAR(2) key, desc_lingua, pos_lingua 1..10 (which DescrN column), cod_gest
//   gruppi         Codice INT key, Descrizione
//   caratt         Codice INT key, Descrizione, Gruppo, Vis BIT default 1, Descr1..Descr10
//   valori         Codice INT key (unique across characteristics), Descrizione, Caratt, Ordine, Descr1..10
//   composti       (Codice VARCHAR(30), Modello VARCHAR(15)) key, BitMap, CmpBlob (definition, CR LF lines),
//                  Vis, DescrRidotta, DescrEstesa, Filtro, FiltroK4, FiltroModalita, FiltroEsteso, Attributo,
//                  Azioni, DataCreazione, TipoBitMap (bmp, jpg, wmf, png, emf, dis), Generico INT default 0
//   infaus         (Codice, Modello) key, producer code, real and processing sizes, price, note, technical
//                  sheet and photo with their kinds, User1..User5, Descr1..Descr10
//   infcomp        (Codice, Modello) key, Azioni, Connessioni
//   attributi      Codice VARCHAR(30) key, Descrizione, Descr1..10, font and colours
//   legami         (Codice, Modello, CodCaratt, CodValori) key: which values label which items
//   ragni, ragni2  (CodValore, CodCaratt) key: filter relations and secondary relations
//   OrdineCodici   (ValPri, ValSec, Codice, Val2..Val9) key, Ordine: position of an item inside a tab
//   immagini       (Codice, Versione) key, TipoImmagine, Immagine: pictures by version
//   oggetti        (Codice, Modello, NomeOggetto) key, TipoOggetto, Oggetto: files attached to items
//   DIFFDBLOG_MOLVANE  a log of structure versions, created empty, never read or written
#pragma once

#include <string>
#include <vector>

namespace rovan::schema {

// The structure this program writes.
inline constexpr int kVersioneCorrente = 20;

// Tables.
inline constexpr const char* kOpzioni = "opzioni";
inline constexpr const char* kLingueLis = "lingue_lis";
inline constexpr const char* kGruppi = "gruppi";
inline constexpr const char* kCaratt = "caratt";
inline constexpr const char* kValori = "valori";
inline constexpr const char* kComposti = "composti";
inline constexpr const char* kInfaus = "infaus";
inline constexpr const char* kInfcomp = "infcomp";
inline constexpr const char* kAttributi = "attributi";
inline constexpr const char* kLegami = "legami";
inline constexpr const char* kRagni = "ragni";
inline constexpr const char* kRagni2 = "ragni2";
inline constexpr const char* kOrdineCodici = "OrdineCodici";
inline constexpr const char* kImmagini = "immagini";
inline constexpr const char* kOggetti = "oggetti";
inline constexpr const char* kDiffDbLog = "DIFFDBLOG_MOLVANE";

// Every table, in the order of the creation script.
const std::vector<std::string>& Tabelle();

// Widths of the item key.
inline constexpr int kLunghezzaCodice = 30;
inline constexpr int kLunghezzaModello = 15;
// Model of the items created by this system.
inline constexpr const char* kModelloSistema = "_";

// The translation column of a language position (1..10): "Descr1" ... "Descr10".
std::string ColonnaTraduzione(int posizione);

// What a table version enables (V is -1 without an option row, 0 when PathRec is not a number).
inline bool HaAttributi(int v) { return v > 10; }          // attributi, composti.Attributo
inline bool HaLingueLis(int v) { return v >= 12; }         // lingue_lis
inline bool HaDataCreazione(int v) { return v > 12; }      // composti.DataCreazione
inline bool HaTipoBitMap(int v) { return v > 13; }         // composti.TipoBitMap
inline bool IsNuovoOrdinamento(int v) { return v > 16; }   // OrdineCodici.Val2 ... Val9
inline bool IsGenericiEnabled(int v) { return v > 17; }    // composti.Generico
inline bool IsImmaginiVersione(int v) { return v > 18; }   // immagini

// The SQLite creation script: sixteen CREATE TABLE statements separated by ";".
const std::string& ScriptCreazioneSQLite();
// The rows of a new price list: one option row at the current version, group 1 "Primario",
// primary characteristic 1 "Primaria" and its value 1 "Primario".
const std::string& RigheIniziali();

}  // namespace rovan::schema
