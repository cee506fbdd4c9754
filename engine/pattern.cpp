#include "engine/pattern.h"

#include <stdexcept>

namespace rovan {
namespace {

char Minuscola(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether c belongs to the set that starts right after "[" at p[i]; i moves past the closing "]".
bool NelSet(std::string_view p, size_t& i, char c) {
  bool negato = false;
  if (i < p.size() && (p[i] == '!' || p[i] == '^')) {
    negato = true;
    ++i;
  }
  bool trovato = false;
  bool primo = true;
  while (i < p.size() && (p[i] != ']' || primo)) {
    char da = Minuscola(p[i]);
    char a = da;
    if (i + 2 < p.size() && p[i + 1] == '-' && p[i + 2] != ']') {
      a = Minuscola(p[i + 2]);
      i += 2;
    }
    if (c >= da && c <= a) trovato = true;
    ++i;
    primo = false;
  }
  ++i;  // the closing bracket, checked by the constructor
  return trovato != negato;
}

}  // namespace

Pattern::Pattern(std::string_view testo) {
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] != '[') {
      p_ += Minuscola(testo[i]);
      continue;
    }
    size_t fine = testo.find(']', i + 2);  // a "]" right after "[" (or "[!") belongs to the set
    if (i + 1 < testo.size() && (testo[i + 1] == '!' || testo[i + 1] == '^')) fine = testo.find(']', i + 3);
    if (fine == std::string_view::npos) throw std::invalid_argument("Invalid search pattern: unclosed bracket");
    p_.append(testo.substr(i, fine - i + 1));
    i = fine;
  }
}

bool Pattern::Corrisponde(std::string_view s) const {
  // Iterative matching with one backtrack point for the last "*": linear for the usual patterns.
  size_t pi = 0, si = 0, stellaP = std::string::npos, stellaS = 0;
  while (si < s.size()) {
    const char c = Minuscola(s[si]);
    if (pi < p_.size() && p_[pi] == '*') {
      stellaP = ++pi;
      stellaS = si;
      continue;
    }
    if (pi < p_.size()) {
      size_t dopo = pi + 1;
      bool ok;
      if (p_[pi] == '?') ok = true;
      else if (p_[pi] == '[') ok = NelSet(p_, dopo, c);
      else ok = p_[pi] == c;
      if (ok) {
        pi = dopo;
        ++si;
        continue;
      }
    }
    if (stellaP == std::string::npos) return false;
    pi = stellaP;
    si = ++stellaS;
  }
  while (pi < p_.size() && p_[pi] == '*') ++pi;
  return pi == p_.size();
}

}  // namespace rovan
