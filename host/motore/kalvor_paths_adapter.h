// IKalvorPaths: the host's folders and path expansion.
#pragma once

#include "host/motore/host_interface.h"
#include "host/motore/host_paths.h"
#include "host/text_buffer.h"

namespace kalvor {

class KalvorPathsAdapter final : public HostInterface<rovan::IKalvorPaths> {
 public:
  explicit KalvorPathsAdapter(const HostPaths& paths) : paths_(paths) {}

  void ROVAN_STDCALL GetBasePath(int32_t size, char* buf) override { CopyToBuffer(paths_.base, buf, size); }
  ROVAN_INERT_SLOT(4)
  void ROVAN_STDCALL GetDocRoot(int32_t size, char* buf) override { CopyToBuffer(paths_.docRoot, buf, size); }
  ROVAN_INERT_SLOT(6)
  void ROVAN_STDCALL GetIniFile(int32_t size, char* buf) override { CopyToBuffer(paths_.iniFile, buf, size); }
  void ROVAN_STDCALL EspandiPath(const char* src, char* dst) override {
    CopyToBuffer("", dst, rovan::kHostPathSize);  // a valid text even if the expansion fails
    NoThrow(0, [&] {
      CopyToBuffer(paths_.Expand(TextOf(src)), dst, rovan::kHostPathSize);
      return 0;
    });
  }

 private:
  const HostPaths& paths_;
};

}  // namespace kalvor
