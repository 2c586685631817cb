#include "db/text_codec.h"

#include <gtest/gtest.h>

#include <string>

namespace kv::db {
namespace {

// Hex escapes end where the next literal starts: "\xC3\x9C" "berstd."
// keeps the 'b' out of the escape.
struct Case {
  std::string cp1252;
  std::string utf8;
};

// Pairs that convert both ways.
const Case kBothWays[] = {
    {"", ""},
    {"Kvs999Tmp 0815", "Kvs999Tmp 0815"},
    {"\xDC", "\xC3\x9C"},                             // Ü
    {"\xDC" "berstd.", "\xC3\x9C" "berstd."},         // "Überstd.", 8 bytes against 9
    {"\xE4\xF6\xFC\xDF\xE9", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F\xC3\xA9"},  // äöüßé
    {"\x80", "\xE2\x82\xAC"},                         // €
    {std::string("a\0b", 3), std::string("a\0b", 3)},
    // 0x80..0x9F, each with its code point; the five undefined bytes keep
    // their own number as C1 controls.
    {"\x80", "\xE2\x82\xAC"},  // U+20AC
    {"\x81", "\xC2\x81"},      // U+0081
    {"\x82", "\xE2\x80\x9A"},  // U+201A
    {"\x83", "\xC6\x92"},      // U+0192
    {"\x84", "\xE2\x80\x9E"},  // U+201E
    {"\x85", "\xE2\x80\xA6"},  // U+2026
    {"\x86", "\xE2\x80\xA0"},  // U+2020
    {"\x87", "\xE2\x80\xA1"},  // U+2021
    {"\x88", "\xCB\x86"},      // U+02C6
    {"\x89", "\xE2\x80\xB0"},  // U+2030
    {"\x8A", "\xC5\xA0"},      // U+0160
    {"\x8B", "\xE2\x80\xB9"},  // U+2039
    {"\x8C", "\xC5\x92"},      // U+0152
    {"\x8D", "\xC2\x8D"},      // U+008D
    {"\x8E", "\xC5\xBD"},      // U+017D
    {"\x8F", "\xC2\x8F"},      // U+008F
    {"\x90", "\xC2\x90"},      // U+0090
    {"\x91", "\xE2\x80\x98"},  // U+2018
    {"\x92", "\xE2\x80\x99"},  // U+2019
    {"\x93", "\xE2\x80\x9C"},  // U+201C
    {"\x94", "\xE2\x80\x9D"},  // U+201D
    {"\x95", "\xE2\x80\xA2"},  // U+2022
    {"\x96", "\xE2\x80\x93"},  // U+2013
    {"\x97", "\xE2\x80\x94"},  // U+2014
    {"\x98", "\xCB\x9C"},      // U+02DC
    {"\x99", "\xE2\x84\xA2"},  // U+2122
    {"\x9A", "\xC5\xA1"},      // U+0161
    {"\x9B", "\xE2\x80\xBA"},  // U+203A
    {"\x9C", "\xC5\x93"},      // U+0153
    {"\x9D", "\xC2\x9D"},      // U+009D
    {"\x9E", "\xC5\xBE"},      // U+017E
    {"\x9F", "\xC5\xB8"},      // U+0178
    // 0xA0..0xFF are U+00A0..U+00FF.
    {"\xA0", "\xC2\xA0"},
    {"\xBF", "\xC2\xBF"},
    {"\xC0", "\xC3\x80"},
    {"\xFF", "\xC3\xBF"},
};

TEST(TextCodecTest, ConvertsBothWays) {
  for (const Case& c : kBothWays) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
  }
}

TEST(TextCodecTest, LabelKeepsOneBytePerCharacter) {
  EXPECT_EQ(Utf8ToCp1252("\xC3\x9C" "berstd.").size(), 8u);
}

// UTF-8 that has no Windows-1252 form, or is not UTF-8 at all: each
// character, and each malformed sequence, becomes one '?'.
TEST(TextCodecTest, ReplacesWhatHasNoForm) {
  const Case kCases[] = {
      {"?", "\xE4\xB8\xAD"},                 // U+4E2D, a CJK character
      {"a?b", "a\xF0\x9F\x98\x80" "b"},      // U+1F600, beyond the BMP
      {"?", "\xC4\x81"},                     // U+0101, a Latin letter not in the table
      {"?", "\xC2\x80"},                     // U+0080: byte 0x80 is the euro sign
      {"?", "\xC2\x9E"},                     // U+009E: byte 0x9E is z with caron
      {"?", "\xEF\xBF\xBD"},                 // U+FFFD
      {"?", "\xC0\xAF"},                     // overlong '/' in two bytes
      {"?", "\xE0\x80\xAF"},                 // overlong '/' in three bytes
      {"?", "\xF0\x80\x80\xAF"},             // overlong '/' in four bytes
      {"?", "\xED\xA0\x80"},                 // surrogate U+D800
      {"?", "\xED\xBF\xBF"},                 // surrogate U+DFFF
      {"?", "\xF4\x90\x80\x80"},             // U+110000
      {"?", "\xF5\x80\x80\x80"},             // lead byte beyond U+10FFFF
      {"?A", "\xE2\x82" "A"},                // truncated by the next character
      {"x?", "x\xE2\x82"},                   // truncated by the end
      {"??", "\x80\xBF"},                    // two stray continuation bytes
      {"?\xFC", "\xFF\xC3\xBC"},             // an impossible byte, then ü
      {"\xE4?\xE4", "\xC3\xA4\xC3\xC3\xA4"}, // a lead byte without its continuation
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
  }
}

TEST(TextCodecTest, EveryByteSurvivesTheRoundTrip) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::string utf8 = Cp1252ToUtf8(all);
  // ASCII takes one byte each; 0xA0..0xFF, the five C1 controls and the ten
  // letters and marks of 0x80..0x9F below U+0800 take two; the seventeen
  // other characters of 0x80..0x9F take three.
  EXPECT_EQ(utf8.size(), 128u + 96u * 2 + 5u * 2 + 10u * 2 + 17u * 3);
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

}  // namespace
}  // namespace kv::db
