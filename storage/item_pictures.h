// Pictures of items: the item picture (composti.BitMap with its kind TipoBitMap) and the pictures by
// version (table immagini, table version above 18), stored from files and read back as TImageDB.
#pragma once

#include <memory>
#include <string>

#include "storage/dm_main.h"
#include "storage/qor_query.h"
#include "ui/ImageDB.h"

namespace rovan {

// The picture of item cod, owned by the caller; null when no item has that code or the query fails.
// Above version 18 the picture of version dm.m_versioneimmagine is preferred when the item has one; else
// the item picture. The object comes back also when the stored bytes hold no picture it can load
// (check Loaded()).
std::unique_ptr<TImageDB> GetImageDB(TDMMain& dm, const std::string& cod);

// Stores the picture file nome as the picture of item cod. Above version 13 its kind is stored too: the
// file's extension without the dot, except that for "dis" (a drawing of unknown format) the content
// decides: "wmf", "bmp", "jpg" or "png", or "dis" when unrecognised. True when the statement ran; false
// when the file cannot be read or the statement fails, the error shown to the user.
bool CaricaImmagineSuDB(TDMMain& dm, const std::string& cod, const std::string& nome);

// Stores the picture file nomeFile as version versione of item cod in table immagini, replacing that
// version's picture; the kind is the file's extension without the dot. With cod empty, code and version
// come from the file's name: "A100_ROSSO.jpg" is code A100, version ROSSO (first and second fields
// separated by "_", trimmed, the version cut at its first "."). Runs on query (closed first; the caller
// keeps it). True when the picture was stored; false, without a message, when code or version is empty,
// no item has that code, the file cannot be read (the stored picture then stays) or a statement fails.
bool InserisciImmagineVersione(TQorQuery2& query, const std::string& nomeFile, std::string cod,
                               std::string versione);

}  // namespace rovan
