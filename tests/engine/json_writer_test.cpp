// The JSON line writer: the same lines in UTF-8, for files, and in UTF-16 little-endian, for host blobs.
#include "engine/json_writer.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/code_page.h"

namespace rovan {
namespace {

TEST(JsonLinesTest, Utf16IsTheUtf8TextConverted) {
  // Each line holds two texts side by side, so that a sequence can run from one into the other.
  struct Caso {
    std::string a, b;
    std::string riga;  // the line in UTF-8
  } casi[] = {
      {"Cucine", "", "\"Cucine\" : -7,\r\n"},
      {"è€", "😀", "\"è€😀\" : -7,\r\n"},
      {"q\"b\\s\b\f\n\r\t\x01\x1f\x7f", "/", "\"q\\\"b\\\\s\\b\\f\\n\\r\\t\\u0001\\u001f\x7f/\" : -7,\r\n"},
      {"a\xFF", "b", "\"a\xFF" "b\" : -7,\r\n"},
      {"\xE2\x82", "\xAC", "\"€\" : -7,\r\n"},  // one character across the two texts
      {"x\xE2\x82", "\t", "\"x\xE2\x82\\t\" : -7,\r\n"},
      {"\xED\xA0\x80\xC0\xAF", "\x80", "\"\xED\xA0\x80\xC0\xAF\x80\" : -7,\r\n"},
  };
  JsonLines documento8, documento16(JsonLines::Codifica::Utf16Le);
  for (const Caso& c : casi) {
    JsonLines utf8, utf16(JsonLines::Codifica::Utf16Le);
    for (JsonLines* j : {&utf8, &utf16, &documento8, &documento16}) j->Riga("\"", Json(c.a), Json(c.b), "\" : ", -7, ",");
    EXPECT_EQ(utf8.testo(), c.riga) << testing::PrintToString(c.riga);
    EXPECT_EQ(utf16.testo(), Utf8ToUtf16Le(c.riga)) << testing::PrintToString(c.riga);
    EXPECT_EQ(utf16.righe(), 1u);
  }
  // The whole document, ill-formed lines among well-formed ones, converts as one text.
  EXPECT_EQ(documento16.testo(), Utf8ToUtf16Le(documento8.testo()));
  EXPECT_EQ(documento16.righe(), std::size(casi));
}

TEST(JsonLinesTest, RiservaHoldsTheWholeTextAndTheBlobTerminator) {
  // Room for 10 lines of 100 bytes in UTF-8.
  const struct {
    JsonLines::Codifica codifica;
    size_t byte, stanza;
  } casi[] = {{JsonLines::Codifica::Utf8, 1000, 1000}, {JsonLines::Codifica::Utf16Le, 2000, 2002}};
  for (const auto& c : casi) {
    JsonLines j(c.codifica);
    j.Riserva(1000);
    const char* inizio = j.testo().data();
    for (int i = 0; i < 10; ++i) j.Riga(std::string(98, 'x'));
    EXPECT_EQ(j.testo().size(), c.byte);
    EXPECT_EQ(j.testo().data(), inizio);  // never moved
    EXPECT_GE(j.testo().capacity(), c.stanza);
  }
}

}  // namespace
}  // namespace rovan
