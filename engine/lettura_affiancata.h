// TLetturaAffiancata: a read of a data module's database that runs on a thread of its own, through a
// second connection, while the caller goes on with the data module's connection (a connection serves one
// thread at a time). The restore reads the codes that belong to no tab this way while it loads the tabs.
#pragma once

#include <functional>
#include <future>

namespace rovan {

class TDMMain;
class TQorConnection;

class TLetturaAffiancata {
 public:
  using Lettura = std::function<void(TQorConnection&)>;

  // Starts lettura. Only a database in a file of its own can be opened twice to the same effect; for any
  // other, or when the second connection does not open, lettura runs in Attendi on the data module's
  // connection instead.
  TLetturaAffiancata(TDMMain& dm, Lettura lettura);
  ~TLetturaAffiancata();  // waits for a read still running; its error is dropped
  TLetturaAffiancata(const TLetturaAffiancata&) = delete;
  TLetturaAffiancata& operator=(const TLetturaAffiancata&) = delete;

  // Returns when the read has ended, rethrowing its error.
  void Attendi();

 private:
  TDMMain& dm_;
  Lettura lettura_;            // still to run in Attendi
  std::future<void> esito_;   // the read on its own thread
};

}  // namespace rovan
