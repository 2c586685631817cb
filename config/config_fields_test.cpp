#include "config/config_fields.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace kv::config {
namespace {

TEST(ConfigFieldsTest, ConvertConfigNumber) {
  struct Case {
    const char* text;
    std::int32_t number;
  };
  const Case kCases[] = {
      {"12", 12},          {"  -7x", -7},          {"+5", 5},
      {"\t 42", 42},       {"abc", 0},             {"", 0},
      {"- 5", 0},          {"007", 7},             {"2147483647", 2147483647},
      {"2147483648", 2147483647}, {"-2147483648", -2147483647 - 1},
      {"-2147483649", -2147483647 - 1}, {"99999999999", 2147483647},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ConvertConfigNumber(c.text, std::strlen(c.text)), c.number);
  }
  // Only the given length counts.
  EXPECT_EQ(ConvertConfigNumber("12345", 3), 123);
}

TEST(ConfigFieldsTest, SplitLines) {
  struct Case {
    const char* header;
    const char* value_line;
    const char* group;
    std::int32_t number;
    const char* key;
    const char* value;
    bool header_short;
    bool value_line_short;
  };
  const Case kCases[] = {
      {"[a];DB;rest;more", "12;NET8;ABCD;EF", "DB", 12, "NET8", "ABCD;EF", false, false},
      {"[a];DB", "3;KEY", "", 3, "", "", true, true},
      {"no separator", "no separator", "", 0, "", "", true, true},
      {";;", ";;", "", 0, "", "", false, false},
      {"x;;", "4;K;", "", 4, "K", "", false, false},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.header) + " / " + c.value_line);
    ConfigEntryFields f;
    ClearConfigEntryFields(&f);
    SplitHeaderLine(c.header, &f);
    SplitValueLine(c.value_line, &f);
    EXPECT_STREQ(f.group, c.group);
    EXPECT_EQ(f.number, c.number);
    EXPECT_STREQ(f.key, c.key);
    EXPECT_STREQ(f.value, c.value);
    EXPECT_EQ(f.header_short, c.header_short);
    EXPECT_EQ(f.value_line_short, c.value_line_short);
  }
}

TEST(ConfigFieldsTest, LongFieldsAreCut) {
  const std::string group(250, 'g');
  const std::string key(201, 'k');
  const std::string value(200, 'v');
  ConfigEntryFields f;
  ClearConfigEntryFields(&f);
  SplitHeaderLine((";" + group + ";").c_str(), &f);
  SplitValueLine(("123456789012345;" + key + ";" + value).c_str(), &f);
  EXPECT_EQ(std::string(f.group), group.substr(0, 200));
  EXPECT_TRUE(f.group_cut);
  EXPECT_EQ(f.number, 2147483647);  // "12345678901" saturates
  EXPECT_TRUE(f.number_cut);
  EXPECT_EQ(std::string(f.key), key.substr(0, 200));
  EXPECT_TRUE(f.key_cut);
  EXPECT_EQ(std::string(f.value), value);
  EXPECT_FALSE(f.value_cut);
}

}  // namespace
}  // namespace kv::config
