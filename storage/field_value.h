// FieldValue: one cell of a result set or the value of a parameter, the variant of the query layer.
//
// It holds NULL, a 64-bit integer, a float, a boolean, a date-time, a text (UTF-8) or binary bytes. Small
// values live inside the object (no heap allocation); texts and bytes own their storage. The As* helpers
// convert the way the Windows toolkit's fields do: NULL reads as "" / 0 / 0.0 / false, and a text that is
// not a number throws DatabaseError from AsInteger and AsFloat.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "storage/field_type.h"

namespace rovan {

// Binary bytes, kept apart from text so that a blob is bound and read back as a blob.
struct Blob {
  std::string bytes;
  bool operator==(const Blob&) const = default;
};

// A calendar date and time of day; stored in SQLite as text "YYYY-MM-DD HH:MM:SS" (".mmm" when the
// milliseconds are not zero), bound through ODBC as a timestamp.
struct DateTime {
  int16_t year = 1899;
  uint8_t month = 12, day = 30, hour = 0, minute = 0, second = 0;
  uint16_t millisecond = 0;
  bool operator==(const DateTime&) const = default;
  std::string ToText() const;
};

class FieldValue {
 public:
  enum class Kind { Null, Integer, Float, Boolean, DateTime, Text, Binary };

  FieldValue() = default;  // NULL
  FieldValue(int v) : v_(int64_t{v}) {}
  FieldValue(long v) : v_(int64_t{v}) {}
  FieldValue(long long v) : v_(static_cast<int64_t>(v)) {}
  FieldValue(double v) : v_(v) {}
  FieldValue(bool v) : v_(v) {}
  FieldValue(const DateTime& v) : v_(v) {}
  FieldValue(const char* v) : v_(std::string(v)) {}
  FieldValue(std::string v) : v_(std::move(v)) {}
  FieldValue(Blob v) : v_(std::move(v)) {}

  Kind kind() const { return static_cast<Kind>(v_.index()); }
  bool IsNull() const { return kind() == Kind::Null; }

  // Text form: integers in decimal, floats in the shortest form that reads back the same, booleans as
  // "True"/"False", date-times as DateTime::ToText, bytes unchanged; "" for NULL.
  std::string AsString() const;
  // 0 for NULL; floats rounded to the nearest (ties to even); booleans 1/0; a text must hold a decimal
  // integer (DatabaseError otherwise); bytes and date-times throw DatabaseError.
  int64_t AsInteger() const;
  // 0.0 for NULL; a text must hold a number (DatabaseError otherwise); bytes and date-times throw.
  double AsFloat() const;
  // false for NULL; numbers are true when not zero; texts "True"/"False" (any case) or a number.
  bool AsBoolean() const;

  // The stored alternatives, for code that binds values (undefined unless kind() matches).
  int64_t integer() const { return std::get<int64_t>(v_); }
  double real() const { return std::get<double>(v_); }
  bool boolean() const { return std::get<bool>(v_); }
  const DateTime& dateTime() const { return std::get<DateTime>(v_); }
  const std::string& text() const { return std::get<std::string>(v_); }
  const Blob& blob() const { return std::get<Blob>(v_); }

  bool operator==(const FieldValue&) const = default;

  // Stores a text or bytes, reusing the memory of the text or bytes already held: result rows are read
  // into the same cells row after row, and most rows need no new allocation.
  void AssignText(std::string_view s);
  void AssignBytes(std::string_view s);

 private:
  // The order matches Kind.
  std::variant<std::monostate, int64_t, double, bool, DateTime, std::string, Blob> v_;
};

// The value converted to what a parameter of the given type binds: texts for the string and memo types,
// integers, floats, booleans, date-times (from their text form), bytes for the binary types. NULL stays
// NULL, ftUnknown leaves the value as it is. Throws DatabaseError when the value cannot be converted.
FieldValue CoerceToFieldType(const FieldValue& value, TFieldType type);

}  // namespace rovan
