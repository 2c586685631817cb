#include "tools/ini_editor.h"

#include <string>

#include <gtest/gtest.h>

#include "config/config_reader.h"
#include "config/config_test_support.h"
#include "config/credential_cipher.h"

namespace kv::tools {
namespace {

using config::EncryptConfigValue;
using config::testing::ScratchDir;

struct KeyValue {
  const char* key;
  std::string value;
};

const KeyValue kCredentials[] = {
    {"LOGIN", "kvuser"},
    {"PASS", "ge;heim 1"},
    {"NET8", "sqlite:/srv/velastrom/system.db"},
    {"SCHEMA", "KVDEMO1x"},
};

std::string ReadAsTheToolDoes(const std::string& path, const char* key) {
  config::ConfigReadResult result;
  config::ReadConfigValue("", key, 0, path.c_str(), &result);
  return result.ConfigValue;
}

TEST(IniEditorTest, SetThenGetReturnsEachValue) {
  ScratchDir dir;
  const std::string path = dir.Path("velastrom.ini");
  for (const KeyValue& kv : kCredentials) {
    std::string error;
    ASSERT_TRUE(SetConfigEntry(path, kv.key, kv.value, &error)) << error;
  }
  for (const KeyValue& kv : kCredentials) {
    SCOPED_TRACE(kv.key);
    std::string value;
    std::string error;
    ASSERT_TRUE(GetConfigEntry(path, kv.key, &value, &error)) << error;
    EXPECT_EQ(value, kv.value);
    EXPECT_EQ(ReadAsTheToolDoes(path, kv.key), kv.value);
  }
  EXPECT_EQ(dir.Read("velastrom.ini"),
            "[LOGIN];KORVANTIS;\n1;LOGIN;" + EncryptConfigValue("kvuser") + "\n"
            "[PASS];KORVANTIS;\n2;PASS;" + EncryptConfigValue("ge;heim 1") + "\n"
            "[NET8];KORVANTIS;\n3;NET8;" + EncryptConfigValue("sqlite:/srv/velastrom/system.db") + "\n"
            "[SCHEMA];KORVANTIS;\n4;SCHEMA;" + EncryptConfigValue("KVDEMO1x") + "\n");
}

// Replacing rewrites the value line only and keeps every other byte.
TEST(IniEditorTest, ReplaceKeepsPositionAndOtherLines) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  const std::string old_hex = EncryptConfigValue("old");
  const std::string new_hex = EncryptConfigValue("new");
  const Case kCases[] = {
      {"foreign header and number stay",
       "[Datenbank];DB;x\n7;LOGIN;AA\n[P];DB;\n12;PASS;" + old_hex + "\n[N];DB;\n9;NET8;BB\n",
       "[Datenbank];DB;x\n7;LOGIN;AA\n[P];DB;\n12;PASS;" + new_hex + "\n[N];DB;\n9;NET8;BB\n"},
      {"line ends stay CRLF", "[P];DB;\r\n12;PASS;" + old_hex + "\r\n[N];DB;\r\n9;NET8;BB\r\n",
       "[P];DB;\r\n12;PASS;" + new_hex + "\r\n[N];DB;\r\n9;NET8;BB\r\n"},
      // Empty group and number 0 would shadow: both are replaced, the number
      // by one above the largest (9).
      {"shadowing entry repaired", "[P];;\n0;PASS;" + old_hex + "\n[N];DB;\n9;NET8;BB\n",
       "[PASS];KORVANTIS;\n10;PASS;" + new_hex + "\n[N];DB;\n9;NET8;BB\n"},
      {"first of two replaced", "[P];DB;\n1;PASS;AA\n[P];DB;\n2;PASS;BB\n",
       "[P];DB;\n1;PASS;" + new_hex + "\n[P];DB;\n2;PASS;BB\n"},
      {"last line gets its newline", "[P];DB;\n12;PASS;" + old_hex,
       "[P];DB;\n12;PASS;" + new_hex + "\n"},
  };
  ScratchDir dir;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("velastrom.ini", c.before);
    std::string error;
    ASSERT_TRUE(SetConfigEntry(path, "PASS", "new", &error)) << error;
    EXPECT_EQ(dir.Read("velastrom.ini"), c.after);
  }
}

TEST(IniEditorTest, NewEntryGoesAfterTheLastWholeEntry) {
  struct Case {
    const char* name;
    std::string before;
    std::string after;
  };
  const std::string hex = EncryptConfigValue("v");
  const Case kCases[] = {
      {"appended", "[L];DB;\n5;LOGIN;AA\n",
       "[L];DB;\n5;LOGIN;AA\n[PASS];KORVANTIS;\n6;PASS;" + hex + "\n"},
      {"last line without newline", "[L];DB;\n5;LOGIN;AA",
       "[L];DB;\n5;LOGIN;AA\n[PASS];KORVANTIS;\n6;PASS;" + hex + "\n"},
      // A trailing empty line is a header without a value line: the entry
      // goes before it, or it would pair with the new header.
      {"before a trailing empty line", "[L];DB;\n5;LOGIN;AA\n\n",
       "[L];DB;\n5;LOGIN;AA\n[PASS];KORVANTIS;\n6;PASS;" + hex + "\n\n"},
      {"CRLF file", "[L];DB;\r\n5;LOGIN;AA\r\n",
       "[L];DB;\r\n5;LOGIN;AA\r\n[PASS];KORVANTIS;\r\n6;PASS;" + hex + "\r\n"},
      {"lower-case key is another key", "[L];DB;\n5;pass;AA\n",
       "[L];DB;\n5;pass;AA\n[PASS];KORVANTIS;\n6;PASS;" + hex + "\n"},
      {"number after the 32-bit maximum", "[L];DB;\n2147483647;A;AA\n[L];DB;\n1;B;AA\n",
       "[L];DB;\n2147483647;A;AA\n[L];DB;\n1;B;AA\n[PASS];KORVANTIS;\n2;PASS;" + hex + "\n"},
      {"empty file", "", "[PASS];KORVANTIS;\n1;PASS;" + hex + "\n"},
  };
  ScratchDir dir;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("velastrom.ini", c.before);
    std::string error;
    ASSERT_TRUE(SetConfigEntry(path, "PASS", "v", &error)) << error;
    EXPECT_EQ(dir.Read("velastrom.ini"), c.after);
    EXPECT_EQ(ReadAsTheToolDoes(path, "PASS"), "v");
  }
}

TEST(IniEditorTest, LongestValueFitsTheReader) {
  ScratchDir dir;
  const std::string path = dir.Path("velastrom.ini");
  const std::string value(kMaxPlainValueLength, 'z');
  std::string error;
  ASSERT_TRUE(SetConfigEntry(path, "PASS", value, &error)) << error;
  EXPECT_EQ(ReadAsTheToolDoes(path, "PASS"), value);
}

TEST(IniEditorTest, RefusesWhatTheReaderCannotTakeBack) {
  struct Case {
    const char* name;
    std::string key;
    std::string value;
  };
  const Case kCases[] = {
      {"empty key", "", "v"},
      {"key with separator", "PA;SS", "v"},
      {"key with newline", "PA\nSS", "v"},
      {"key with carriage return", "PASS\r", "v"},
      {"key with zero byte", std::string("PA\0SS", 5), "v"},
      {"value with zero byte", "PASS", std::string("a\0b", 3)},
      {"value one byte too long", "PASS", std::string(kMaxPlainValueLength + 1, 'z')},
      {"key beyond the header line limit", std::string(190, 'K'), "v"},
  };
  ScratchDir dir;
  const std::string before = "[L];DB;\n5;LOGIN;AA\n";
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string path = dir.Write("velastrom.ini", before);
    std::string error;
    EXPECT_FALSE(SetConfigEntry(path, c.key, c.value, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(dir.Read("velastrom.ini"), before);
  }
}

TEST(IniEditorTest, CreatesTheFileButNotItsFolder) {
  ScratchDir dir;
  std::string error;
  EXPECT_FALSE(SetConfigEntry(dir.Path("files/velastrom.ini"), "PASS", "v", &error));
  EXPECT_NE(error.find("does not exist"), std::string::npos) << error;
  EXPECT_FALSE(std::filesystem::exists(dir.Path("files")));
}

TEST(IniEditorTest, GetFailsOnlyWhenTheFileCannotBeOpened) {
  ScratchDir dir;
  std::string value = "unchanged";
  std::string error;
  EXPECT_FALSE(GetConfigEntry(dir.Path("absent.ini"), "PASS", &value, &error));
  EXPECT_FALSE(error.empty());
  const std::string path = dir.Write("velastrom.ini", "[L];DB;\n5;LOGIN;AA\n");
  EXPECT_TRUE(GetConfigEntry(path, "PASS", &value, &error));
  EXPECT_EQ(value, "");
}

}  // namespace
}  // namespace kv::tools
