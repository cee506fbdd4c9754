#include "engine/lettura_affiancata.h"

#include <filesystem>
#include <memory>

#include "storage/dm_main.h"

namespace rovan {

TLetturaAffiancata::TLetturaAffiancata(TDMMain& dm, Lettura lettura) : dm_(dm), lettura_(std::move(lettura)) {
  std::error_code ec;
  const std::string file = dm.Database.PathDatabase();
  if (dm.GetTipoListino() != TL_SQLITE || file.empty() || !std::filesystem::is_regular_file(file, ec)) return;
  auto seconda = std::make_unique<TQorConnection>();
  seconda->SetLogSink([](const std::string&) {});  // the host's log has one line per price list opened
  seconda->SetConnectionString(dm.Database.ConnectionString());
  if (!seconda->ConnettiConProvider()) return;
  esito_ = std::async(std::launch::async, [connessione = std::move(seconda), lettura = std::move(lettura_)] {
    lettura(*connessione);
  });
}

TLetturaAffiancata::~TLetturaAffiancata() {
  if (esito_.valid()) esito_.wait();
}

void TLetturaAffiancata::Attendi() {
  if (esito_.valid()) {
    esito_.get();
  } else if (lettura_) {
    Lettura lettura = std::move(lettura_);
    lettura_ = nullptr;
    lettura(dm_.Database);
  }
}

}  // namespace rovan
