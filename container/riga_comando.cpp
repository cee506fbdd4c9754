#include "container/riga_comando.h"

#include "platform/text_utils.h"

namespace rovan {

TRigaComando::TRigaComando(std::string_view riga) {
  riga = TrimView(riga);
  const size_t spazio = riga.find(' ');
  m_verbo = riga.substr(0, spazio);
  if (spazio == std::string_view::npos) return;
  m_argomento = riga.substr(spazio + 1);
  std::erase(m_argomento, '"');
}

std::string TRigaComando::Campo(int n) const { return Trim(FieldView(m_argomento, '|', n - 1)); }

int TRigaComando::Intero(int n) const { return FieldInt(m_argomento, '|', n - 1); }

std::string TRigaComando::CampoVerbo(int n) const { return Trim(FieldView(m_verbo, '|', n - 1)); }

}  // namespace rovan
