#include "config/config_reader.h"

#include <climits>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "config/config_test_support.h"
#include "config/credential_cipher.h"

namespace kv::config {
namespace {

// One entry: header "[name];group;" and value line "number;key;enciphered".
std::string Entry(const std::string& group, const std::string& number, const std::string& key,
                  const std::string& plain, const std::string& eol = "\n") {
  return "[" + key + "];" + group + ";" + eol + number + ";" + key + ";" +
         EncryptConfigValue(plain) + eol;
}

const std::string kFourEntries = Entry("DB", "1", "LOGIN", "kvuser") +
                                 Entry("DB", "2", "PASS", "geheim") +
                                 Entry("DB", "3", "NET8", "sqlite:system.db") +
                                 Entry("DB", "4", "SCHEMA", "KVDEMO1x");

struct Case {
  const char* name;
  std::string file;
  const char* key;
  std::string expected;  // deciphered value
  int expected_line;     // header line of the entry taken, 0 for none
};

// Every case asks as the run does: group "", the key, number 0.
const Case kCases[] = {
    {"own entry: login", kFourEntries, "LOGIN", "kvuser", 1},
    {"own entry: pass", kFourEntries, "PASS", "geheim", 3},
    {"own entry: net8", kFourEntries, "NET8", "sqlite:system.db", 5},
    {"own entry: schema", kFourEntries, "SCHEMA", "KVDEMO1x", 7},
    {"first of two wins", Entry("A", "1", "SCHEMA", "first") + Entry("B", "2", "SCHEMA", "second"),
     "SCHEMA", "first", 1},
    {"keys compare case-sensitively", Entry("A", "1", "schema", "lower"), "SCHEMA", "", 0},
    {"lower-case entry skipped, upper-case found",
     Entry("A", "1", "schema", "lower") + Entry("B", "2", "SCHEMA", "upper"), "SCHEMA", "upper", 3},
    {"number 0 first shadows login", Entry("A", "0", "X", "zero") + kFourEntries, "LOGIN", "zero", 1},
    {"number 0 first shadows schema", Entry("A", "0", "X", "zero") + kFourEntries, "SCHEMA", "zero", 1},
    {"non-numeric number first shadows pass", Entry("A", "abc", "X", "nan") + kFourEntries, "PASS",
     "nan", 1},
    {"non-numeric number first shadows net8", Entry("A", "abc", "X", "nan") + kFourEntries, "NET8",
     "nan", 1},
    {"one-';' header first shadows login",
     "[X];only one\n9;X;" + EncryptConfigValue("nogroup") + "\n" + kFourEntries, "LOGIN", "nogroup", 1},
    {"one-';' header first shadows schema",
     "[X];only one\n9;X;" + EncryptConfigValue("nogroup") + "\n" + kFourEntries, "SCHEMA", "nogroup", 1},
    {"empty group between ';;' shadows", Entry("", "9", "X", "empty") + kFourEntries, "NET8", "empty", 1},
    {"last line without newline",
     Entry("A", "1", "LOGIN", "u") + "[P];A;\n2;PASS;" + EncryptConfigValue("lastline"), "PASS",
     "lastline", 3},
    {"carriage returns before line feeds dropped",
     Entry("A", "1", "LOGIN", "u", "\r\n") + Entry("A", "2", "PASS", "crlf", "\r\n"), "PASS", "crlf", 3},
    {"header at the end without value line ignored",
     Entry("A", "1", "LOGIN", "u") + "[X];;\n", "PASS", "", 0},
    {"empty file", "", "LOGIN", "", 0},
    {"empty lines pair into an entry with number 0", "\n\n" + kFourEntries, "PASS", "", 1},
};

TEST(ConfigReaderTest, TakesTheFirstMatchingEntry) {
  testing::ScratchDir dir;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("velastrom.ini", c.file);
    ConfigReadResult result;
    ReadConfigValue("", c.key, 0, path.c_str(), &result);
    EXPECT_EQ(std::string(result.ConfigValue), c.expected);
    EXPECT_EQ(result.entry_line, c.expected_line);
  }
}

TEST(ConfigReaderTest, ValueIsTheTextAfterTheSecondSeparator) {
  testing::ScratchDir dir;
  const std::string path = dir.Write("velastrom.ini", "[N];DB;\n12;NET8;ABCD;EF\n");
  ConfigReadResult result;
  ReadConfigValue("", "NET8", 0, path.c_str(), &result);
  EXPECT_STREQ(result.value, "ABCD;EF");
  EXPECT_STREQ(result.key, "NET8");
  EXPECT_STREQ(result.group, "DB");
  EXPECT_EQ(result.number, 12);
  EXPECT_EQ(result.entry_line, 1);
  // What is deciphered is exactly that text.
  char expected[32];
  DecryptConfigValue("ABCD;EF", expected, sizeof expected, kConfigCipherKey);
  EXPECT_STREQ(result.ConfigValue, expected);
}

TEST(ConfigReaderTest, MatchesOnGroupOrNumberToo) {
  testing::ScratchDir dir;
  const std::string path = dir.Write("velastrom.ini", kFourEntries);
  ConfigReadResult result;
  ReadConfigValue("DB", "NONE", -1, path.c_str(), &result);
  EXPECT_STREQ(result.ConfigValue, "kvuser");
  ReadConfigValue("ZZ", "NONE", 3, path.c_str(), &result);
  EXPECT_STREQ(result.ConfigValue, "sqlite:system.db");
  ReadConfigValue("ZZ", "NONE", 99, path.c_str(), &result);
  EXPECT_STREQ(result.ConfigValue, "");
  EXPECT_EQ(result.entry_line, 0);
}

TEST(ConfigReaderTest, MissingFileGivesEmptyValues) {
  testing::ScratchDir dir;
  const std::string path = dir.Path("absent.ini");
  for (const char* key : {"LOGIN", "PASS", "NET8", "SCHEMA"}) {
    SCOPED_TRACE(key);
    ConfigReadResult result;
    std::memset(&result, 'x', sizeof result);
    ReadConfigValue("", key, 0, path.c_str(), &result);
    EXPECT_STREQ(result.ConfigValue, "");
    EXPECT_STREQ(result.value, "");
    EXPECT_EQ(result.number, 0);
    EXPECT_EQ(result.entry_line, 0);
  }
}

// Files outside the format: each has a defined outcome, and nothing is read
// or written past a buffer (sanitizer build).
struct BadCase {
  const char* name;
  std::string file;
  const char* key;
  std::string expected_value_text;  // enciphered text the entry gives
  int expected_line;
};

const std::string kPassEntry = Entry("DB", "2", "PASS", "geheim");
const std::string kPassHex = EncryptConfigValue("geheim");

const BadCase kBadCases[] = {
    // An over-long line stays one line: the entry below keeps its pairing.
    {"over-long header line", "[L];DB;" + std::string(300, '#') + "\n1;LOGIN;AA\n" + kPassEntry,
     "PASS", kPassHex, 3},
    {"over-long header line keeps its group",
     "[L];LONG;" + std::string(300, '#') + "\n1;LOGIN;AA\n" + kPassEntry, "LOGIN", "AA", 1},
    // 8 + 450 characters: 398 kept, of which the value is 390, cut to 200.
    {"over-long value line", "[L];DB;\n1;LOGIN;" + std::string(450, 'A') + "\n" + kPassEntry,
     "LOGIN", std::string(200, 'A'), 1},
    {"over-long value line keeps the pairing",
     "[L];DB;\n1;LOGIN;" + std::string(450, 'A') + "\n" + kPassEntry, "PASS", kPassHex, 3},
    {"value longer than its field", "[L];DB;\n1;LOGIN;" + std::string(300, 'B') + "\n", "LOGIN",
     std::string(200, 'B'), 1},
    {"over-long last line without newline", kPassEntry + "[L];DB;\n1;LOGIN;" + std::string(500, 'C'),
     "LOGIN", std::string(200, 'C'), 3},
    // The number field is its first 11 characters: "00000000000" is 0.
    {"number field cut to 11 characters", "[L];DB;\n000000000001;X;CC\n" + kPassEntry, "PASS", "CC", 1},
    {"value line with one ';' does not match by key", "[L];DB;\n7;PASS\n" + kPassEntry, "PASS",
     kPassHex, 3},
    {"value line without ';' is number 0", "[L];DB;\ngarbage\n" + kPassEntry, "PASS", "", 1},
    {"empty key and value", "[L];DB;\n5;;\n" + kPassEntry, "PASS", kPassHex, 3},
    {"zero byte ends the value", "[L];DB;\n1;LOGIN;AB" + std::string(1, '\0') + "CD\n" + kPassEntry,
     "LOGIN", "AB", 1},
    {"zero byte keeps the pairing",
     "[L];DB;\n1;LOGIN;AB" + std::string(1, '\0') + "CD\n" + kPassEntry, "PASS", kPassHex, 3},
    {"zero byte in the header cuts its group", std::string("[L];D\0B;\n1;X;EE\n", 16) + kPassEntry,
     "PASS", "EE", 1},
    {"lone carriage return is a character", "[L];DB;\n1;LOGIN;AB\rCD\r\n", "LOGIN", "AB\rCD", 1},
    {"only a header", "[L];;", "LOGIN", "", 0},
    {"only a separator", ";", "LOGIN", "", 0},
};

TEST(ConfigReaderTest, InputOutsideTheFormat) {
  testing::ScratchDir dir;
  for (const BadCase& c : kBadCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("velastrom.ini", c.file);
    ConfigReadResult result;
    ReadConfigValue("", c.key, 0, path.c_str(), &result);
    EXPECT_EQ(std::string(result.value), c.expected_value_text);
    EXPECT_EQ(result.entry_line, c.expected_line);
  }
}

TEST(ConfigReaderTest, NumbersSaturate) {
  testing::ScratchDir dir;
  const std::string path =
      dir.Write("velastrom.ini", "[A];G;\n99999999999;X;AA\n[B];G;\n-9999999999;Y;BB\n");
  ConfigReadResult result;
  ReadConfigValue("none", "none", INT_MAX, path.c_str(), &result);
  EXPECT_STREQ(result.value, "AA");
  ReadConfigValue("none", "none", INT_MIN, path.c_str(), &result);
  EXPECT_STREQ(result.value, "BB");
}

}  // namespace
}  // namespace kv::config
