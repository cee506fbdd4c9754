#include "plugin/password.h"

#include <array>
#include <optional>

#include "platform/registry.h"
#include "platform/text_utils.h"

namespace rovan {
namespace {

// One class of characters (lower-case letters, upper-case letters, digits) and its substitution:
// an affine map i -> (a*i + b) mod n with a coprime to n, so it is a permutation.
struct CharClass {
  char first;
  int n;
  int a;
  int b;
};

constexpr std::array<CharClass, 3> kClasses = {{{'a', 26, 7, 11}, {'A', 26, 11, 5}, {'0', 10, 3, 7}}};

const CharClass* ClassOf(char c) {
  for (const CharClass& k : kClasses)
    if (c >= k.first && c < k.first + k.n) return &k;
  return nullptr;
}

int Mod(int x, int n) { return ((x % n) + n) % n; }

// The inverse of a modulo n (n is small: search).
int Inverse(int a, int n) {
  for (int x = 1; x < n; ++x)
    if (Mod(a * x, n) == 1) return x;
  return 1;
}

std::string Transform(const std::string& text, int variant, bool scramble) {
  std::string out = text;
  int run = 0;  // position within the current run of letters and digits
  for (char& c : out) {
    const CharClass* k = ClassOf(c);
    if (k == nullptr) {
      run = 0;
      continue;
    }
    int shift = variant == 2 ? run : 0;
    int i = c - k->first;
    int j = scramble ? Mod(k->a * Mod(i + shift, k->n) + k->b, k->n)
                     : Mod(Mod(Inverse(k->a, k->n) * (i - k->b), k->n) - shift, k->n);
    c = static_cast<char>(k->first + j);
    ++run;
  }
  return out;
}

// Pass 1: the scrambled key.
std::string DecodificaChiaveCriptata(const std::string& text) {
  static const std::string kKey = "PASSWORDCR";
  size_t p = UpperAscii(text).find(kKey);
  if (p == std::string::npos) return text;
  size_t afterKey = p + kKey.size();
  int variant = afterKey < text.size() && text[afterKey] == '2' ? 2 : 1;
  std::string result = text.substr(0, p) + "Password=";
  size_t eq = text.find('=', afterKey);
  if (eq == std::string::npos) return result + text.substr(afterKey);
  size_t end = text.find(';', eq + 1);
  std::string value = text.substr(eq + 1, end == std::string::npos ? std::string::npos : end - eq - 1);
  result += ClearPassword(Trim(value), variant);
  if (end != std::string::npos) result += text.substr(end);
  return result;
}

// Pass 2: the clear key with an asterisk-marked value.
std::string DecodificaChiaveChiara(const std::string& text) {
  static const std::string kKey = "PASSWORD=";
  size_t p = UpperAscii(text).find(kKey);
  if (p == std::string::npos) return text;
  size_t start = p + kKey.size();
  size_t end = text.find(';', start);
  std::string value = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
  if (value == "***") {
    std::optional<std::string> stored = ReadRegistryString(kPasswordRegistryKey, kPasswordRegistryValue);
    if (stored) value = ClearPassword(*stored, 1);
  } else if (value.size() >= 2 && value.front() == '*' && value.back() == '*') {
    value = ClearPassword(value.substr(1, value.size() - 2), 1);
  }
  std::string result = text.substr(0, p) + "Password=" + value;
  if (end != std::string::npos) result += text.substr(end);
  return result;
}

}  // namespace

std::string ScramblePassword(const std::string& clear, int variant) { return Transform(clear, variant, true); }

std::string ClearPassword(const std::string& scrambled, int variant) {
  return Transform(scrambled, variant, false);
}

std::string DecodificaConnessione(const std::string& connessione) {
  return DecodificaChiaveChiara(DecodificaChiaveCriptata(connessione));
}

}  // namespace rovan
