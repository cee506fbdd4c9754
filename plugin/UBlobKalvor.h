// TBlobKalvor: the reference-counted byte buffer handed to the host as IBlob.
//
// Created with one reference, which the receiver owns; the object destroys itself when Release brings
// the count to 0. Text blobs are UTF-16 little-endian without byte-order mark, ending with U+0000.
#pragma once

#include <string>
#include <vector>

#include "plugin/ItfRovan.h"

namespace rovan {

class TBlobKalvor final : public IBlob {
 public:
  TBlobKalvor() = default;
  TBlobKalvor(const TBlobKalvor&) = delete;
  TBlobKalvor& operator=(const TBlobKalvor&) = delete;

  HRESULT ROVAN_STDCALL QueryInterface(const TGUID* iid, void** obj) override;
  int32_t ROVAN_STDCALL AddRef() override { return ++m_ref; }
  int32_t ROVAN_STDCALL Release() override;

  int32_t ROVAN_STDCALL VersionId() override { return 1; }
  const char* ROVAN_STDCALL FactoryName() override { return "Rovan"; }
  void* ROVAN_STDCALL Data() override;
  uint32_t ROVAN_STDCALL Size() override { return static_cast<uint32_t>(m_TextStream.size()); }
  const char* ROVAN_STDCALL LastError() override { return ""; }

  // Replaces the content with the lines (UTF-8) joined by CR LF, CR LF after the last one too, then one
  // U+0000, all as UTF-16 little-endian.
  void AddStrings(const std::vector<std::string>& lista);
  // The same from a text whose lines already end with CR LF (UTF-8).
  void AddText(const std::string& testo);
  // The same from a text already in UTF-16 little-endian, taken over without a copy: the JSON tree is
  // written so, and it is hundreds of megabytes.
  void AdottaUtf16(std::string&& utf16le);
  // Replaces the content with a copy of the bytes.
  void CaricaStream(const std::string& bytes);

 private:
  ~TBlobKalvor() = default;  // only Release destroys
  int32_t m_ref = 1;
  std::string m_TextStream;  // the bytes
};

}  // namespace rovan
