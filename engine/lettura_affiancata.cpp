#include "engine/lettura_affiancata.h"

#include <filesystem>
#include <stdexcept>

#include "storage/dm_main.h"

namespace rovan {

TLetturaAffiancata::TLetturaAffiancata(TDMMain& dm) {
  std::error_code ec;
  const std::string file = dm.Database.PathDatabase();
  if (dm.GetTipoListino() != TL_SQLITE || file.empty() || !std::filesystem::is_regular_file(file, ec)) return;
  auto seconda = std::make_unique<TQorConnection>();
  seconda->SetLogSink([](const std::string&) {});  // the host's log has one line per price list opened
  seconda->SetConnectionString(dm.Database.ConnectionString());
  if (!seconda->ConnettiConProvider()) return;
  connessione_ = std::move(seconda);
  filo_ = std::thread([this] { Lavora(); });
}

TLetturaAffiancata::~TLetturaAffiancata() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    fine_ = true;
    coda_.clear();  // their futures report a broken promise, which nobody waits for any more
  }
  cambiato_.notify_all();
  if (filo_.joinable()) filo_.join();
}

std::future<void> TLetturaAffiancata::Accoda(Lettura lettura) {
  if (!Attiva()) throw std::logic_error("no second connection to read through");
  std::packaged_task<void(TQorConnection&)> compito(std::move(lettura));
  std::future<void> esito = compito.get_future();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    coda_.push_back(std::move(compito));
  }
  cambiato_.notify_all();
  return esito;
}

void TLetturaAffiancata::Lavora() {
  for (;;) {
    std::packaged_task<void(TQorConnection&)> compito;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      cambiato_.wait(lock, [this] { return fine_ || !coda_.empty(); });
      if (fine_) return;
      compito = std::move(coda_.front());
      coda_.pop_front();
    }
    compito(*connessione_);  // an error is kept in the task's future
  }
}

}  // namespace rovan
