#include "tools/ini_check.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/config_test_support.h"
#include "config/credential_cipher.h"

namespace kv::tools {
namespace {

using config::EncryptConfigValue;
using config::testing::ScratchDir;
using Kind = CheckWarningKind;

std::string Entry(const std::string& group, const std::string& number, const std::string& key,
                  const std::string& hex) {
  return "[" + key + "];" + group + ";\n" + number + ";" + key + ";" + hex + "\n";
}

const std::string kHex = EncryptConfigValue("value");
const std::string kClean = Entry("DB", "1", "LOGIN", kHex) + Entry("DB", "2", "PASS", kHex) +
                           Entry("DB", "3", "NET8", kHex) + Entry("DB", "4", "SCHEMA", kHex);

TEST(IniCheckTest, CleanFileResolvesEachKeyToItsEntry) {
  ScratchDir dir;
  const CheckReport report = CheckConfigFile(dir.Write("velastrom.ini", kClean));
  EXPECT_TRUE(report.warnings.empty());
  ASSERT_EQ(report.resolutions.size(), 4u);
  const int kLines[] = {1, 3, 5, 7};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(kCredentialKeys[i]);
    EXPECT_EQ(report.resolutions[i].key, kCredentialKeys[i]);
    EXPECT_EQ(report.resolutions[i].entry_line, kLines[i]);
    EXPECT_EQ(report.resolutions[i].entry_key, kCredentialKeys[i]);
  }
}

TEST(IniCheckTest, FirstEntryWithNumberZeroShadowsAllKeys) {
  ScratchDir dir;
  const CheckReport report =
      CheckConfigFile(dir.Write("velastrom.ini", Entry("DB", "0", "OTHER", kHex) + kClean));
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_EQ(report.warnings[0].kind, Kind::kShadowsLaterKeys);
  EXPECT_EQ(report.warnings[0].line, 1);
  for (const KeyResolution& r : report.resolutions) {
    SCOPED_TRACE(r.key);
    EXPECT_EQ(r.entry_line, 1);
    EXPECT_EQ(r.entry_key, "OTHER");
  }
}

struct WarningSeen {
  Kind kind;
  int line;
};

struct Case {
  const char* name;
  std::string file;
  std::vector<WarningSeen> warnings;
};

const Case kCases[] = {
    {"empty group above the last key", Entry("", "9", "X", kHex) + kClean,
     {{Kind::kShadowsLaterKeys, 1}}},
    {"number 0 below the last key is harmless", kClean + Entry("DB", "0", "X", kHex), {}},
    {"lower-case hex", Entry("DB", "1", "LOGIN", "903ac2f796f8004c") + kClean.substr(kClean.find("[PASS]")),
     {{Kind::kValueNotHexBlocks, 2}}},
    {"partial block", kClean + Entry("DB", "5", "X", "ABCD"), {{Kind::kValueNotHexBlocks, 10}}},
    {"over-long value line", kClean + Entry("DB", "5", "X", std::string(400, 'A')),
     {{Kind::kLineTooLong, 10}, {Kind::kFieldTooLong, 10}, {Kind::kValueNotHexBlocks, 10}}},
    {"over-long header line",
     "[X];DB;" + std::string(200, '#') + "\n5;X;" + kHex + "\n" + kClean, {{Kind::kLineTooLong, 1}}},
    {"number field too long", kClean + Entry("DB", "000000000005", "X", kHex),
     {{Kind::kFieldTooLong, 10}}},
    {"value line with one ';'", kClean + "[X];DB;\n5;X\n", {{Kind::kValueLineShort, 10}}},
    {"zero byte", kClean + "[X];DB;\n5;X;" + kHex + std::string(1, '\0') + "\n",
     {{Kind::kZeroByte, 10}}},
    {"header without value line", kClean + "\n", {{Kind::kHeaderWithoutValue, 9}}},
    {"repeated key", kClean + Entry("DB", "5", "PASS", kHex), {{Kind::kRepeatedKey, 9}}},
    {"key missing", kClean.substr(0, kClean.find("[SCHEMA]")), {{Kind::kNoOwnEntry, 0}}},
};

TEST(IniCheckTest, Warnings) {
  ScratchDir dir;
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const CheckReport report = CheckConfigFile(dir.Write("velastrom.ini", c.file));
    ASSERT_EQ(report.warnings.size(), c.warnings.size());
    for (std::size_t i = 0; i < c.warnings.size(); ++i) {
      SCOPED_TRACE(report.warnings[i].text);
      EXPECT_EQ(report.warnings[i].kind, c.warnings[i].kind);
      EXPECT_EQ(report.warnings[i].line, c.warnings[i].line);
    }
  }
}

TEST(IniCheckTest, MissingFile) {
  ScratchDir dir;
  const CheckReport report = CheckConfigFile(dir.Path("absent.ini"));
  ASSERT_EQ(report.warnings.size(), 1u);
  EXPECT_EQ(report.warnings[0].kind, Kind::kCannotOpen);
  EXPECT_TRUE(report.resolutions.empty());
}

}  // namespace
}  // namespace kv::tools
