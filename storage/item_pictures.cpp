#include "storage/item_pictures.h"

#include <filesystem>
#include <optional>

#include "platform/text_utils.h"
#include "plugin/reporting.h"
#include "storage/database_error.h"
#include "storage/dm_statements.h"
#include "storage/schema.h"
#include "storage/sql_quote.h"
#include "ui/file_bytes.h"

namespace rovan {
namespace {

// The extension of a file name without its dot, as written ("" when there is none).
std::string Estensione(const std::string& nome) {
  std::string ext = std::filesystem::path(nome).extension().string();
  return ext.empty() ? ext : ext.substr(1);
}

// The stored kind of a "dis" drawing, from its content.
const char* TipoDaContenuto(std::string_view bytes) {
  switch (DetectImageType(bytes)) {
    case imdbMetafile: return "wmf";
    case imdbBMP: return "bmp";
    case imdbJPEG: return "jpg";
    case imdbPNG: return "png";
    case imdbNone: break;
  }
  return "dis";
}

std::optional<std::string> Campo(TQorQuery2& q, const char* nome) {
  TQorField f = q.FieldByName(nome);
  if (f.IsNull()) return std::nullopt;
  return f.AsString();
}

}  // namespace

std::unique_ptr<TImageDB> GetImageDB(TDMMain& dm, const std::string& cod) {
  const bool perVersione = schema::IsImmaginiVersione(dm.GetVersioneTabelle());
  try {
    TQorQuery2& q = Preparata(dm.qrGetImgVersione());
    // The version is written into the text as a literal; the code stays a parameter.
    if (perVersione) q.SQL().Put(static_cast<size_t>(dm.IdRigaImgVersione), " " + QuoteLiteral(dm.m_versioneimmagine) + " ");
    q.SetParamByName("Codice", cod);
    q.Open();
    if (q.isEmpty()) return nullptr;
    std::optional<std::string> immagine = perVersione ? Campo(q, "Immagine") : std::nullopt;
    if (!immagine) immagine = Campo(q, "BitMap");
    auto picture = std::make_unique<TImageDB>();
    picture->LoadFromField(immagine);
    return picture;
  } catch (const DatabaseError&) {
    return nullptr;
  }
}

bool CaricaImmagineSuDB(TDMMain& dm, const std::string& cod, const std::string& nome) {
  try {
    TQorQuery2& q = Preparata(dm.QueryInsertImage());
    q.SetParamByNameFile("CB", nome, ftBlob);
    if (schema::HaTipoBitMap(dm.GetVersioneTabelle())) {
      std::string tipo = Estensione(nome);
      if (tipo == "dis") tipo = TipoDaContenuto(q.Params().Find("CB")->value.blob().bytes);
      q.SetParamByName("TipoBitMap", tipo, ftString);
    }
    q.SetParamByName("Codice", cod, ftString);
    return q.EseguiSQL(true);
  } catch (const DatabaseError& e) {
    MostraMessaggio(e.what());
    return false;
  }
}

bool InserisciImmagineVersione(TQorQuery2& query, const std::string& nomeFile, std::string cod,
                               std::string versione) {
  if (cod.empty()) {
    const std::string nome = std::filesystem::path(nomeFile).filename().string();
    const size_t sep = nome.find('_');
    if (sep == std::string::npos) return false;
    cod = Trim(nome.substr(0, sep));
    versione = Trim(nome.substr(sep + 1, nome.find('_', sep + 1) - sep - 1));
    versione = versione.substr(0, versione.find('.'));
  }
  if (cod.empty() || versione.empty()) return false;
  // Read before the old picture is deleted, so that an unreadable file loses nothing.
  std::optional<std::string> bytes = ReadFileBytes(nomeFile);
  if (!bytes) return false;
  try {
    query.Close();
    query.SQL().SetText("select Codice from composti where Codice=:Codice");
    query.SetParamByName("Codice", cod, ftString);
    query.Open();
    if (query.isEmpty()) return false;
    query.Close();
    query.SQL().SetText("delete from immagini where Codice=:Codice and Versione=:Versione");
    query.SetParamByName("Codice", cod, ftString);
    query.SetParamByName("Versione", versione, ftString);
    if (!query.EseguiSQL(false)) return false;
    query.SQL().Clear();
    query.SQL().Add("insert into immagini (Codice, Versione, TipoImmagine, Immagine)");
    query.SQL().Add(" values (:Codice, :Versione, :TipoImmagine, :Immagine)");
    query.SetParamByName("Codice", cod, ftString);
    query.SetParamByName("Versione", versione, ftString);
    query.SetParamByName("TipoImmagine", Estensione(nomeFile), ftString);
    query.SetParamByName("Immagine", Blob{std::move(*bytes)}, ftBlob);
    return query.EseguiSQL(false);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace rovan
