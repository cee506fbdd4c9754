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
  if (p_.size() > 1 && p_[0] == '*' && p_.find('*', 1) == std::string::npos) {
    codaFissa_ = 0;
    for (size_t i = 1; i < p_.size(); ++i, ++codaFissa_)
      if (p_[i] == '[') i = p_.find(']', i + (p_[i + 1] == '!' || p_[i + 1] == '^' ? 3 : 2));
  }
}

bool Pattern::Corrisponde(std::string_view s) const {
  if (codaFissa_ != std::string::npos) {
    return s.size() >= codaFissa_ && Confronta(std::string_view(p_).substr(1), s.substr(s.size() - codaFissa_));
  }
  return Confronta(p_, s);
}

bool Pattern::Confronta(std::string_view p, std::string_view s) {
  // Iterative matching with one backtrack point for the last "*": linear for the usual patterns.
  size_t pi = 0, si = 0, stellaP = std::string::npos, stellaS = 0;
  while (si < s.size()) {
    const char c = Minuscola(s[si]);
    if (pi < p.size() && p[pi] == '*') {
      stellaP = ++pi;
      stellaS = si;
      continue;
    }
    if (pi < p.size()) {
      size_t dopo = pi + 1;
      bool ok;
      if (p[pi] == '?') ok = true;
      else if (p[pi] == '[') ok = NelSet(p, dopo, c);
      else ok = p[pi] == c;
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
  while (pi < p.size() && p[pi] == '*') ++pi;
  return pi == p.size();
}

}  // namespace rovan
