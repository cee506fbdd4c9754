// TLetturaAffiancata: reads of a data module's database that run on a thread of their own, through a
// second connection, in the order they are asked for, while the caller goes on with the data module's
// connection (a connection serves one thread at a time). The restore reads the codes that belong to no tab
// this way, and the links of each primary value's codes ahead of the moment it needs them.
#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>

namespace rovan {

class TDMMain;
class TQorConnection;

class TLetturaAffiancata {
 public:
  using Lettura = std::function<void(TQorConnection&)>;

  // Opens the second connection. Only a database in a file of its own can be opened twice to the same
  // effect; for any other, or when the connection does not open, the reader is not Attiva.
  explicit TLetturaAffiancata(TDMMain& dm);
  // Reads not begun are dropped; the one running is waited for.
  ~TLetturaAffiancata();
  TLetturaAffiancata(const TLetturaAffiancata&) = delete;
  TLetturaAffiancata& operator=(const TLetturaAffiancata&) = delete;

  bool Attiva() const { return connessione_ != nullptr; }
  // Queues lettura (only when Attiva); the future ends with it and carries its error.
  std::future<void> Accoda(Lettura lettura);

 private:
  void Lavora();

  std::unique_ptr<TQorConnection> connessione_;
  std::mutex mutex_;
  std::condition_variable cambiato_;
  std::deque<std::packaged_task<void(TQorConnection&)>> coda_;
  bool fine_ = false;
  std::thread filo_;
};

}  // namespace rovan
