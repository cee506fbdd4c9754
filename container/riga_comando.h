// A container command line as the command dispatcher reads it (TRovanContainer::Command).
//
// The whole text is trimmed of blanks. The verb is the text up to the first space; the argument is
// everything after that space, with every quotation mark removed (quotes only make a line easier to read,
// they never reach an action), and empty when there is no space. Nothing else is trimmed: an action that
// takes the whole argument sees the blanks the host wrote after the first one.
//
// Verbs that take several values read them as fields separated by "|": field n (from 1) is the text
// between the (n-1)-th and the n-th "|" (the rest of the text for the last field), trimmed; a missing field
// is empty, and a field that is not an integer counts as 0. A few verbs carry their values in the verb
// itself, written without blanks, and read the verb's fields the same way.
//
//   line                                        verb                          argument          fields
//   "  setta_filtro  "                          setta_filtro                  ""
//   "setta_cartella  12\40"                     setta_cartella                " 12\40"
//   "linguette_temporanee addcod|3| \"A 1\""    linguette_temporanee          "addcod|3| A 1"   addcod, 3, A 1
//   "preferiti|salva_su_file|/tmp/p"            preferiti|salva_su_file|/tmp/p  ""              of the verb
#pragma once

#include <string>
#include <string_view>

namespace rovan {

class TRigaComando {
 public:
  explicit TRigaComando(std::string_view riga);

  const std::string& verbo() const { return m_verbo; }
  const std::string& argomento() const { return m_argomento; }

  // Field n (from 1) of the argument, trimmed; empty when missing.
  std::string Campo(int n) const;
  // Field n of the argument as an integer; 0 when missing or not an integer.
  int Intero(int n) const;
  // Field n (from 1) of the verb, trimmed; empty when missing.
  std::string CampoVerbo(int n) const;

 private:
  std::string m_verbo;
  std::string m_argomento;
};

}  // namespace rovan
