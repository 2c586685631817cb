#include "config/config_line.h"

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/config_test_support.h"

namespace kv::config {
namespace {

struct LineSeen {
  std::string text;
  std::size_t file_length;
  bool has_newline;
  bool has_nul;
};

struct Case {
  const char* name;
  std::string bytes;
  std::size_t limit;
  std::vector<LineSeen> lines;
};

const Case kCases[] = {
    {"plain lines", "ab\ncd\n", 10, {{"ab", 2, true, false}, {"cd", 2, true, false}}},
    {"last line without newline", "ab\ncd", 10, {{"ab", 2, true, false}, {"cd", 2, false, false}}},
    {"carriage return before line feed dropped", "ab\r\n\r\n", 10,
     {{"ab", 2, true, false}, {"", 0, true, false}}},
    {"other carriage returns kept", "a\rb\r\r\nc\r", 10,
     {{"a\rb\r", 4, true, false}, {"c\r", 2, false, false}}},
    {"limit counts the newline", "abcd\nabcde\n", 5,
     {{"abcd", 4, true, false}, {"abcd", 5, true, false}}},
    {"long line read to its end", "abcdefghij\nk\n", 4,
     {{"abc", 10, true, false}, {"k", 1, true, false}}},
    {"zero byte ends the text", std::string("ab\0cd\nx\n", 8), 10,
     {{"ab", 5, true, true}, {"x", 1, true, false}}},
    {"empty file", "", 10, {}},
};

TEST(ConfigLineTest, ReadsOneFileLineAtATime) {
  testing::ScratchDir dir;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("lines.txt", c.bytes);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    ConfigLine line;
    for (const LineSeen& expected : c.lines) {
      ASSERT_TRUE(ReadConfigLine(file, c.limit, &line));
      EXPECT_EQ(std::string(line.text, line.length), expected.text);
      EXPECT_EQ(line.text[line.length], '\0');
      EXPECT_EQ(line.file_length, expected.file_length);
      EXPECT_EQ(line.has_newline, expected.has_newline);
      EXPECT_EQ(line.has_nul, expected.has_nul);
    }
    EXPECT_FALSE(ReadConfigLine(file, c.limit, &line));
    EXPECT_STREQ(line.text, "");
    std::fclose(file);
  }
}

TEST(ConfigLineTest, OverLongCountsTheNewline) {
  ConfigLine line{};
  line.file_length = kHeaderLineLimit - 1;
  EXPECT_FALSE(IsOverLong(line, kHeaderLineLimit));
  line.file_length = kHeaderLineLimit;
  EXPECT_TRUE(IsOverLong(line, kHeaderLineLimit));
}

}  // namespace
}  // namespace kv::config
