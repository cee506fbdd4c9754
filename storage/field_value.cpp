#include "storage/field_value.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>

#include "platform/text_utils.h"
#include "storage/database_error.h"

namespace rovan {

namespace {

[[noreturn]] void ThrowNotConvertible(const FieldValue& v, const char* what) {
  throw DatabaseError("'" + v.AsString() + "' is not a valid " + what + " value");
}

// Whole-text parse of a number after trimming blanks; false when anything is left over.
template <typename T>
bool ParseNumber(std::string_view text, T& out) {
  std::string_view s = TrimView(text);
  if (!s.empty() && s.front() == '+') s.remove_prefix(1);
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
  return !s.empty() && ec == std::errc() && end == s.data() + s.size();
}

// The value as a number: 0 for NULL, floats rounded to the nearest (ties to even) for integers,
// booleans 1/0, texts parsed whole; bytes, date-times and other texts throw.
template <typename T>
T NumberOf(const FieldValue& v, const char* what) {
  switch (v.kind()) {
    case FieldValue::Kind::Null: return 0;
    case FieldValue::Kind::Integer: return static_cast<T>(v.integer());
    case FieldValue::Kind::Float:
      if constexpr (std::is_integral_v<T>) return static_cast<T>(std::nearbyint(v.real()));
      return static_cast<T>(v.real());
    case FieldValue::Kind::Boolean: return v.boolean() ? 1 : 0;
    case FieldValue::Kind::Text: {
      T out{};
      if (ParseNumber(v.text(), out)) return out;
      break;
    }
    case FieldValue::Kind::DateTime:
    case FieldValue::Kind::Binary: break;
  }
  ThrowNotConvertible(v, what);
}

// "YYYY-MM-DD", optionally followed by " HH:MM:SS" or "THH:MM:SS" and ".mmm".
bool ParseDateTime(std::string_view text, DateTime& out) {
  int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0, ms = 0;
  std::string t(TrimView(text));
  int n = std::sscanf(t.c_str(), "%4d-%2d-%2d%*1[ T]%2d:%2d:%2d.%3d", &y, &mo, &d, &h, &mi, &s, &ms);
  if (n != 3 && n < 6) return false;
  if (mo < 1 || mo > 12 || d < 1 || d > 31 || h > 23 || mi > 59 || s > 59) return false;
  out = DateTime{static_cast<int16_t>(y), static_cast<uint8_t>(mo), static_cast<uint8_t>(d),
                 static_cast<uint8_t>(h),  static_cast<uint8_t>(mi), static_cast<uint8_t>(s),
                 static_cast<uint16_t>(ms)};
  return true;
}

}  // namespace

std::string DateTime::ToText() const {
  char buf[40];
  if (millisecond != 0) {
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d", year, month, day, hour, minute,
                  second, millisecond);
  } else {
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
  }
  return buf;
}

std::string FieldValue::AsString() const {
  switch (kind()) {
    case Kind::Null: return {};
    case Kind::Integer: return std::to_string(integer());
    case Kind::Float: {
      char buf[32];
      auto [end, ec] = std::to_chars(buf, buf + sizeof buf, real());
      return std::string(buf, end);
    }
    case Kind::Boolean: return boolean() ? "True" : "False";
    case Kind::DateTime: return dateTime().ToText();
    case Kind::Text: return text();
    case Kind::Binary: return blob().bytes;
  }
  return {};
}

int64_t FieldValue::AsInteger() const { return NumberOf<int64_t>(*this, "integer"); }

double FieldValue::AsFloat() const { return NumberOf<double>(*this, "floating point"); }

bool FieldValue::AsBoolean() const {
  switch (kind()) {
    case Kind::Null: return false;
    case Kind::Boolean: return boolean();
    case Kind::Text:
      if (EqualsNoCase(text(), "true")) return true;
      if (EqualsNoCase(text(), "false")) return false;
      return AsFloat() != 0.0;
    default: return AsFloat() != 0.0;
  }
}

FieldValue CoerceToFieldType(const FieldValue& value, TFieldType type) {
  if (value.IsNull()) return value;
  switch (type) {
    case ftString:
    case ftMemo:
    case ftFmtMemo:
    case ftWideString:
    case ftWideMemo: return value.AsString();
    case ftSmallint:
    case ftInteger:
    case ftWord:
    case ftAutoInc:
    case ftLargeint: return static_cast<long long>(value.AsInteger());
    case ftFloat:
    case ftCurrency:
    case ftBCD: return value.AsFloat();
    case ftBoolean: return value.AsBoolean();
    case ftDate:
    case ftTime:
    case ftDateTime: {
      if (value.kind() == FieldValue::Kind::DateTime) return value;
      DateTime dt;
      if (!ParseDateTime(value.AsString(), dt)) ThrowNotConvertible(value, "date and time");
      return dt;
    }
    case ftBytes:
    case ftVarBytes:
    case ftBlob:
    case ftGraphic: return Blob{value.AsString()};
    case ftUnknown: break;
  }
  return value;
}

void FieldValue::AssignText(std::string_view s) {
  if (auto* held = std::get_if<std::string>(&v_)) held->assign(s.data(), s.size());
  else v_.emplace<std::string>(s);
}

void FieldValue::AssignBytes(std::string_view s) {
  if (auto* held = std::get_if<Blob>(&v_)) held->bytes.assign(s.data(), s.size());
  else v_.emplace<Blob>(Blob{std::string(s)});
}

}  // namespace rovan
