#include "storage/field_value.h"

#include <gtest/gtest.h>

#include "storage/database_error.h"

namespace rovan {
namespace {

TEST(FieldValue, ConvertsLikeToolkitFields) {
  struct Case {
    FieldValue v;
    const char* text;
    int64_t integer;
    double real;
  } cases[] = {
      {FieldValue(), "", 0, 0.0},
      {42, "42", 42, 42.0},
      {2.5, "2.5", 2, 2.5},  // ties round to even
      {3.5, "3.5", 4, 3.5},
      {true, "True", 1, 1.0},
      {" -7 ", " -7 ", -7, -7.0},
      {"1.25", "1.25", 0, 1.25},
      {DateTime{2024, 5, 6, 7, 8, 9, 0}, "2024-05-06 07:08:09", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(c.v.AsString(), c.text);
    if (c.v.kind() == FieldValue::Kind::DateTime) {
      EXPECT_THROW(c.v.AsInteger(), DatabaseError);
      continue;
    }
    if (std::string(c.text) == "1.25") {
      EXPECT_THROW(c.v.AsInteger(), DatabaseError);
    } else {
      EXPECT_EQ(c.v.AsInteger(), c.integer);
    }
    EXPECT_EQ(c.v.AsFloat(), c.real);
  }
  EXPECT_THROW(FieldValue("abc").AsFloat(), DatabaseError);
  EXPECT_TRUE(FieldValue("TRUE").AsBoolean());
  EXPECT_FALSE(FieldValue("0").AsBoolean());
}

TEST(FieldValue, CoercesToParameterTypes) {
  struct Case {
    FieldValue in;
    TFieldType type;
    FieldValue out;
  } cases[] = {
      {"12", ftInteger, 12},
      {7, ftString, "7"},
      {"1.5", ftFloat, 1.5},
      {1, ftBoolean, true},
      {"ab", ftBlob, Blob{"ab"}},
      {"2024-01-02 03:04:05.006", ftDateTime, DateTime{2024, 1, 2, 3, 4, 5, 6}},
      {"2024-01-02", ftDate, DateTime{2024, 1, 2, 0, 0, 0, 0}},
      {FieldValue(), ftInteger, FieldValue()},
      {"x", ftUnknown, "x"},
  };
  for (const Case& c : cases) EXPECT_EQ(CoerceToFieldType(c.in, c.type), c.out) << c.in.AsString();
  EXPECT_THROW(CoerceToFieldType("domani", ftDateTime), DatabaseError);
}

}  // namespace
}  // namespace rovan
