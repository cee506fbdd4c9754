#include "storage/schema.h"

namespace rovan::schema {
namespace {

// Descr1 ... Descr10 column definitions of the given type.
std::string Traduzioni() {
  std::string s;
  for (int i = 1; i <= 10; ++i) s += ",\n  [Descr" + std::to_string(i) + "] [NVARCHAR] (255) NULL";
  return s;
}

std::string Script() {
  const std::string tr = Traduzioni();
  std::string s;
  s += "CREATE TABLE [attributi] (\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Descrizione] [NVARCHAR] (255) NULL" + tr + ",\n"
       "  [FontName] [VARCHAR] (255) NULL,\n"
       "  [FontSize] [SMALLINT] NULL,\n"
       "  [FontColor] [INT] NULL,\n"
       "  [FontBold] [BIT] NULL,\n"
       "  [FontItalic] [BIT] NULL,\n"
       "  [FontUnderline] [BIT] NULL,\n"
       "  [FontStrike] [BIT] NULL,\n"
       "  [BackgroundColor] [INT] NULL,\n"
       "  CONSTRAINT [PK_attributi] PRIMARY KEY ([Codice])\n"
       ");\n";
  s += "CREATE TABLE [caratt] (\n"
       "  [Codice] [INT] NOT NULL,\n"
       "  [Descrizione] [NVARCHAR] (30) NULL,\n"
       "  [Gruppo] [INT] NULL,\n"
       "  [Vis] [BIT] NOT NULL CONSTRAINT DF_caratt_Vis DEFAULT ( (1) )" + tr + ",\n"
       "  CONSTRAINT [PK_caratt] PRIMARY KEY ([Codice])\n"
       ");\n";
  s += "CREATE TABLE [composti] (\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Modello] [VARCHAR] (15) NOT NULL,\n"
       "  [BitMap] [IMAGE] NULL,\n"
       "  [CmpBlob] TEXT NULL,\n"
       "  [Vis] [BIT] NULL,\n"
       "  [DescrRidotta] [VARCHAR] (15) NULL,\n"
       "  [DescrEstesa] [NVARCHAR] (255) NULL,\n"
       "  [Filtro] [VARCHAR] (255) NULL,\n"
       "  [FiltroK4] [VARCHAR] (5000) NULL,\n"
       "  [FiltroModalita] [VARCHAR] (255) NULL,\n"
       "  [FiltroEsteso] [VARCHAR] (255) NULL,\n"
       "  [Attributo] [VARCHAR] (255) NULL,\n"
       "  [Azioni] [VARCHAR] (15) NULL,\n"
       "  [DataCreazione] DATETIME NULL,\n"
       "  [TipoBitMap] [VARCHAR] (5) NULL,\n"
       "  [Generico] [INT] NULL CONSTRAINT DF_Generico DEFAULT 0,\n"
       "  CONSTRAINT [PK_composti] PRIMARY KEY ([Codice], [Modello])\n"
       ");\n";
  s += "CREATE TABLE [DIFFDBLOG_MOLVANE] (\n"
       "  [data_versione] DATETIME NOT NULL,\n"
       "  [versione] [INT] NULL,\n"
       "  [minor] [INT] NULL,\n"
       "  [applicazione] [VARCHAR] (64) NULL,\n"
       "  [nota] [VARCHAR] (255) NULL,\n"
       "  CONSTRAINT [PK_DIFFDBLOG] PRIMARY KEY ([data_versione])\n"
       ");\n";
  s += "CREATE TABLE [gruppi] (\n"
       "  [Codice] [INT] NOT NULL,\n"
       "  [Descrizione] [NVARCHAR] (30) NULL,\n"
       "  CONSTRAINT [PK_gruppi] PRIMARY KEY ([Codice])\n"
       ");\n";
  s += "CREATE TABLE [immagini] (\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Versione] [VARCHAR] (30) NOT NULL,\n"
       "  [TipoImmagine] [VARCHAR] (5) NULL,\n"
       "  [Immagine] [IMAGE] NULL,\n"
       "  CONSTRAINT [PK_immagini] PRIMARY KEY ([Codice], [Versione])\n"
       ");\n";
  s += "CREATE TABLE [infaus] (\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Modello] [VARCHAR] (15) NOT NULL,\n"
       "  [CodProduttore] [VARCHAR] (15) NULL,\n"
       "  [XReale] [FLOAT] NULL,\n"
       "  [YReale] [FLOAT] NULL,\n"
       "  [ZReale] [FLOAT] NULL,\n"
       "  [Prezzo] [FLOAT] NULL,\n"
       "  [CodLavorazione] [VARCHAR] (30) NULL,\n"
       "  [XLav] [FLOAT] NULL,\n"
       "  [YLav] [FLOAT] NULL,\n"
       "  [ZLav] [FLOAT] NULL,\n"
       "  [FileSat] [VARCHAR] (15) NULL,\n"
       "  [Nota] [VARCHAR] (80) NULL,\n"
       "  [SchedaTecnica] [IMAGE] NULL,\n"
       "  [TipoSchedaTecnica] [VARCHAR] (10) NULL,\n"
       "  [Foto] [IMAGE] NULL,\n"
       "  [TipoFoto] [VARCHAR] (10) NULL,\n"
       "  [User1] [NVARCHAR] (100) NULL,\n"
       "  [User2] [NVARCHAR] (100) NULL,\n"
       "  [User3] [NVARCHAR] (100) NULL,\n"
       "  [User4] [NVARCHAR] (100) NULL,\n"
       "  [User5] [NVARCHAR] (100) NULL" + tr + ",\n"
       "  CONSTRAINT [PK_infaus] PRIMARY KEY ([Codice], [Modello])\n"
       ");\n";
  s += "CREATE TABLE [infcomp] (\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Modello] [VARCHAR] (15) NOT NULL,\n"
       "  [Azioni] [VARCHAR] (15) NULL,\n"
       "  [Connessioni] [VARCHAR] (100) NULL,\n"
       "  CONSTRAINT [PK_infcomp] PRIMARY KEY ([Codice], [Modello])\n"
       ");\n";
  s += "CREATE TABLE [legami] (\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Modello] [VARCHAR] (15) NOT NULL,\n"
       "  [CodCaratt] [INT] NOT NULL,\n"
       "  [CodValori] [INT] NOT NULL,\n"
       "  CONSTRAINT [PK_legami] PRIMARY KEY ([Codice], [Modello], [CodCaratt], [CodValori])\n"
       ");\n";
  s += "CREATE TABLE [lingue_lis] (\n"
       "  [cod_lingua] [CHAR] (2) NOT NULL,\n"
       "  [desc_lingua] [NVARCHAR] (30) NOT NULL,\n"
       "  [pos_lingua] INTEGER NOT NULL,\n"
       "  [cod_gest] [VARCHAR] (10) NULL,\n"
       "  CONSTRAINT [PK_lingue_lis] PRIMARY KEY ([cod_lingua])\n"
       ");\n";
  s += "CREATE TABLE [oggetti] (\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Modello] [VARCHAR] (15) NOT NULL,\n"
       "  [NomeOggetto] [NVARCHAR] (15) NOT NULL,\n"
       "  [TipoOggetto] [VARCHAR] (10) NOT NULL,\n"
       "  [Oggetto] [IMAGE] NOT NULL,\n"
       "  CONSTRAINT [PK_oggetti] PRIMARY KEY ([Codice], [Modello], [NomeOggetto])\n"
       ");\n";
  s += "CREATE TABLE [opzioni] (\n"
       "  [IdxPrimaria] [INT] NULL,\n"
       "  [TabRagni] [VARCHAR] (30) NULL,\n"
       "  [DefInclusive] [BIT] NULL,\n"
       "  [PathRec] [VARCHAR] (30) NULL,\n"
       "  [BitMap] [IMAGE] NULL\n"
       ");\n";
  s += "CREATE TABLE [OrdineCodici] (\n"
       "  [ValPri] INTEGER NOT NULL,\n"
       "  [ValSec] INTEGER NOT NULL,\n"
       "  [Codice] [VARCHAR] (30) NOT NULL,\n"
       "  [Ordine] INTEGER NOT NULL";
  for (int i = 2; i <= 9; ++i) s += ",\n  [Val" + std::to_string(i) + "] INTEGER NOT NULL DEFAULT (0)";
  s += ",\n  [Val10] INTEGER NULL,\n"
       "  CONSTRAINT [PK_OrdineCodici2018] PRIMARY KEY ([ValPri], [ValSec], [Codice], [Val2], [Val3], [Val4], "
       "[Val5], [Val6], [Val7], [Val8], [Val9])\n"
       ");\n";
  for (const char* t : {"ragni", "ragni2"}) {
    s += std::string("CREATE TABLE [") + t + "] (\n"
         "  [CodValore] [INT] NOT NULL,\n"
         "  [CodCaratt] [INT] NOT NULL,\n"
         "  CONSTRAINT [PK_" + t + "] PRIMARY KEY ([CodValore], [CodCaratt])\n"
         ");\n";
  }
  s += "CREATE TABLE [valori] (\n"
       "  [Codice] [INT] NOT NULL,\n"
       "  [Descrizione] [NVARCHAR] (30) NULL,\n"
       "  [Caratt] [INT] NULL,\n"
       "  [Ordine] [INT] NULL" + tr + ",\n"
       "  CONSTRAINT [PK_valori] PRIMARY KEY ([Codice])\n"
       ");\n";
  return s;
}

}  // namespace

const std::vector<std::string>& Tabelle() {
  static const std::vector<std::string> tables = {
      kAttributi, kCaratt,    kComposti, kDiffDbLog, kGruppi,       kImmagini, kInfaus, kInfcomp,
      kLegami,    kLingueLis, kOggetti,  kOpzioni,   kOrdineCodici, kRagni,    kRagni2, kValori};
  return tables;
}

std::string ColonnaTraduzione(int posizione) { return "Descr" + std::to_string(posizione); }

const std::string& ScriptCreazioneSQLite() {
  static const std::string script = Script();
  return script;
}

const std::string& RigheIniziali() {
  static const std::string rows =
      "insert into opzioni (IdxPrimaria, PathRec )  VALUES (1,'" + std::to_string(kVersioneCorrente) + "');\n"
      "insert into gruppi (Codice, Descrizione )  VALUES (1,'Primario');\n"
      "insert into caratt (Codice, Descrizione, Gruppo, Vis )  VALUES (1,'Primaria', 1, 1);\n"
      "insert into valori (Codice, Descrizione, Caratt )  VALUES (1,'Primario', 1);\n";
  return rows;
}

}  // namespace rovan::schema
