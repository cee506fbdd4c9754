#include "plugin/UBlobKalvor.h"

#include <utility>

#include "platform/code_page.h"

namespace rovan {

HRESULT ROVAN_STDCALL TBlobKalvor::QueryInterface(const TGUID*, void**) { return 0; }

int32_t ROVAN_STDCALL TBlobKalvor::Release() {
  int32_t n = --m_ref;
  if (n == 0) delete this;
  return n;
}

void* ROVAN_STDCALL TBlobKalvor::Data() { return m_TextStream.data(); }

void TBlobKalvor::AddStrings(const std::vector<std::string>& lista) {
  std::string text;
  for (const std::string& line : lista) {
    text += line;
    text += "\r\n";
  }
  AddText(text);
}

void TBlobKalvor::AddText(const std::string& testo) { AdottaUtf16(Utf8ToUtf16Le(testo)); }

void TBlobKalvor::AdottaUtf16(std::string&& utf16le) {
  m_TextStream = std::move(utf16le);
  m_TextStream.append(2, '\0');  // U+0000
}

void TBlobKalvor::CaricaStream(const std::string& bytes) { m_TextStream = bytes; }

}  // namespace rovan
