#include "tools/install_arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kv::tools {
namespace {

TEST(InstallArgumentsTest, TakesEveryOptionInAnyOrder) {
  const std::vector<std::string> args = {"--tenant", "MND01", "/inst", "--service", "sqlite", "--login", "demo",
                                         "--password=secret", "--tenant=MND02", "--data", "a.sql", "--data=b.sql",
                                         "--system-schema", "KVSYS", "--schema-dir", "/src/schema", "--today",
                                         "2024-03-01"};
  InstallCommand command;
  std::string error;
  ASSERT_EQ(ParseInstallArguments(args, &command, &error), InstallStatus::kOk) << error;
  const InstallationOptions& o = command.options;
  EXPECT_FALSE(command.help);
  EXPECT_EQ(o.root, "/inst");
  EXPECT_EQ(o.service, "sqlite");
  EXPECT_EQ(o.login, "demo");
  EXPECT_EQ(o.password, "secret");
  EXPECT_EQ(o.tenants, (std::vector<std::string>{"MND01", "MND02"}));
  EXPECT_EQ(o.data_files, (std::vector<std::string>{"a.sql", "b.sql"}));
  EXPECT_EQ(o.system_schema, "KVSYS");
  EXPECT_EQ(o.schema_dir, "/src/schema");
  ASSERT_TRUE(o.today.has_value());
  EXPECT_EQ(FormatIsoDate(*o.today), "2024-03-01");
}

TEST(InstallArgumentsTest, DefaultsLeaveSchemaDirAndDateOpen) {
  InstallCommand command;
  std::string error;
  ASSERT_EQ(ParseInstallArguments({"/i", "--service", "sqlite", "--login", "l", "--password", "p", "--tenant", "T"},
                                  &command, &error),
            InstallStatus::kOk)
      << error;
  EXPECT_EQ(command.options.system_schema, "KVSYSTEM");
  EXPECT_TRUE(command.options.schema_dir.empty());
  EXPECT_TRUE(command.options.data_files.empty());
  EXPECT_FALSE(command.options.today.has_value());
}

TEST(InstallArgumentsTest, RefusesIncompleteOrUnknownArguments) {
  const std::vector<std::string> kBase = {"/i", "--service", "sqlite", "--login", "l", "--password", "p"};
  struct Case {
    const char* name;
    std::vector<std::string> extra;
    const char* message;
  };
  const Case kCases[] = {
      {"no tenant", {}, "missing --tenant"},
      {"unknown option", {"--tenant", "T", "--colour", "red"}, "unknown option --colour"},
      {"value missing at the end", {"--tenant"}, "option --tenant needs a value"},
      {"second root", {"--tenant", "T", "/other"}, "more than one installation root"},
      {"impossible date", {"--tenant", "T", "--today", "2023-02-29"}, "--today needs a date"},
      {"date with time", {"--tenant", "T", "--today=2024-03-01 10:00:00"}, "--today needs a date"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> args = kBase;
    args.insert(args.end(), c.extra.begin(), c.extra.end());
    InstallCommand command;
    std::string error;
    EXPECT_EQ(ParseInstallArguments(args, &command, &error), InstallStatus::kBadArgument);
    EXPECT_NE(error.find(c.message), std::string::npos) << error;
  }
  struct Missing {
    std::vector<std::string> args;
    const char* message;
  };
  const Missing kMissing[] = {
      {{"--service", "sqlite", "--login", "l", "--password", "p", "--tenant", "T"}, "missing the installation root"},
      {{"/i", "--login", "l", "--password", "p", "--tenant", "T"}, "missing --service"},
      {{"/i", "--service", "sqlite", "--password", "p", "--tenant", "T"}, "missing --login"},
      {{"/i", "--service", "sqlite", "--login", "l", "--tenant", "T"}, "missing --password"},
  };
  for (const Missing& m : kMissing) {
    SCOPED_TRACE(m.message);
    InstallCommand command;
    std::string error;
    EXPECT_EQ(ParseInstallArguments(m.args, &command, &error), InstallStatus::kBadArgument);
    EXPECT_NE(error.find(m.message), std::string::npos) << error;
  }
}

TEST(InstallArgumentsTest, HelpEndsTheParseWhereItStands) {
  for (const char* flag : {"--help", "-h"}) {
    SCOPED_TRACE(flag);
    InstallCommand command;
    std::string error;
    EXPECT_EQ(ParseInstallArguments({"--colour", flag}, &command, &error), InstallStatus::kBadArgument);
    InstallCommand help;
    EXPECT_EQ(ParseInstallArguments({flag, "--colour"}, &help, &error), InstallStatus::kOk);
    EXPECT_TRUE(help.help);
  }
  EXPECT_NE(InstallUsage().find("Usage: korvantis-install ROOT"), std::string::npos);
}

TEST(InstallArgumentsTest, FindSchemaDirLooksUpwards) {
  const std::string source = KV_SOURCE_DIR;
  EXPECT_EQ(FindSchemaDir(source + "/tools"), source + "/schema");
  EXPECT_EQ(FindSchemaDir(source + "/schema/demo"), source + "/schema");
  EXPECT_EQ(FindSchemaDir("/proc"), "");
}

}  // namespace
}  // namespace kv::tools
