#include "tools/ini_command.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/config_test_support.h"

namespace kv::tools {
namespace {

using config::testing::ScratchDir;

struct Outcome {
  int status;
  std::string out;
  std::string err;
};

Outcome RunIni(const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunIniCommand(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(IniCommandTest, UsageErrors) {
  const std::vector<std::string> kCases[] = {
      {},
      {"set", "f.ini", "KEY"},
      {"set", "f.ini", "KEY", "v", "extra"},
      {"get", "f.ini"},
      {"check"},
      {"remove", "f.ini", "KEY"},
      {"--help", "set"},
  };
  for (const auto& args : kCases) {
    SCOPED_TRACE(args.empty() ? "(none)" : args[0] + " x" + std::to_string(args.size()));
    const Outcome o = RunIni(args);
    EXPECT_EQ(o.status, kIniExitUsage);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("usage: korvantis-ini"), std::string::npos);
  }
}

TEST(IniCommandTest, HelpExplainsTheFormat) {
  const Outcome o = RunIni({"--help"});
  EXPECT_EQ(o.status, kIniExitOk);
  EXPECT_NE(o.out.find("NUMBER;KEY;HEXVALUE"), std::string::npos);
  EXPECT_NE(o.out.find("number is 0"), std::string::npos);
}

TEST(IniCommandTest, SetGetCheck) {
  ScratchDir dir;
  const std::string path = dir.Path("velastrom.ini");
  EXPECT_EQ(RunIni({"set", path, "LOGIN", "kvuser"}).status, kIniExitOk);
  EXPECT_EQ(RunIni({"set", path, "PASS", "ge;heim"}).status, kIniExitOk);
  const Outcome get = RunIni({"get", path, "PASS"});
  EXPECT_EQ(get.status, kIniExitOk);
  EXPECT_EQ(get.out, "ge;heim\n");

  // NET8 and SCHEMA missing: check warns.
  const Outcome check = RunIni({"check", path});
  EXPECT_EQ(check.status, kIniExitWarned);
  EXPECT_NE(check.out.find("LOGIN   -> line 1, key LOGIN\n"), std::string::npos) << check.out;
  EXPECT_NE(check.out.find("SCHEMA  -> no entry"), std::string::npos) << check.out;

  EXPECT_EQ(RunIni({"set", path, "NET8", "sqlite:x.db"}).status, kIniExitOk);
  EXPECT_EQ(RunIni({"set", path, "SCHEMA", "KVDEMO1x"}).status, kIniExitOk);
  const Outcome clean = RunIni({"check", path});
  EXPECT_EQ(clean.status, kIniExitOk) << clean.out;
  EXPECT_EQ(clean.out.find("warning"), std::string::npos);
}

TEST(IniCommandTest, SetWarnsWhenAnEntryAboveWins) {
  ScratchDir dir;
  const std::string path = dir.Write("velastrom.ini", "[X];;\n7;OTHER;\n");
  const Outcome o = RunIni({"set", path, "PASS", "v"});
  EXPECT_EQ(o.status, kIniExitWarned);
  EXPECT_NE(o.err.find("run check"), std::string::npos);
  EXPECT_EQ(RunIni({"check", path}).status, kIniExitWarned);
}

TEST(IniCommandTest, GetFromMissingFileFails) {
  ScratchDir dir;
  const Outcome o = RunIni({"get", dir.Path("absent.ini"), "PASS"});
  EXPECT_EQ(o.status, kIniExitWarned);
  EXPECT_EQ(o.out, "");
  EXPECT_NE(o.err.find("cannot open"), std::string::npos);
}

// The built program, through the shell: four values set, each read back.
std::string Quoted(const std::string& s) { return "'" + s + "'"; }

TEST(IniCommandTest, BuiltProgramSetsAndGetsFourValues) {
  ScratchDir dir;
  const std::string ini = dir.Path("velastrom.ini");
  const std::string bin = Quoted(KV_INI_BIN);
  const struct {
    const char* key;
    const char* value;
  } kValues[] = {
      {"LOGIN", "kvuser"},
      {"PASS", "ge;heim 1"},
      {"NET8", "sqlite:/srv/velastrom/system.db"},
      {"SCHEMA", "KVDEMO1x"},
  };
  for (const auto& kv : kValues) {
    SCOPED_TRACE(kv.key);
    const std::string cmd = bin + " set " + Quoted(ini) + " " + kv.key + " " + Quoted(kv.value);
    EXPECT_EQ(std::system(cmd.c_str()), 0);
  }
  for (const auto& kv : kValues) {
    SCOPED_TRACE(kv.key);
    const std::string cmd =
        bin + " get " + Quoted(ini) + " " + kv.key + " > " + Quoted(dir.Path("out.txt"));
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(dir.Read("out.txt"), std::string(kv.value) + "\n");
  }
  const std::string check = bin + " check " + Quoted(ini) + " > " + Quoted(dir.Path("out.txt"));
  EXPECT_EQ(std::system(check.c_str()), 0);

  dir.Write("shadowed.ini", "[X];DB;\n0;OTHER;\n" + dir.Read("velastrom.ini"));
  const std::string warned =
      bin + " check " + Quoted(dir.Path("shadowed.ini")) + " > " + Quoted(dir.Path("out.txt"));
  EXPECT_NE(std::system(warned.c_str()), 0);
  EXPECT_NE(dir.Read("out.txt").find("warning: line 1:"), std::string::npos);
}

}  // namespace
}  // namespace kv::tools
