// The demo installation on both engines: every download function, run for
// every demo terminal, gives byte-identical download files and console
// output on SQLite and on PostgreSQL.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/test_installation.h"

namespace kv::test {
namespace {

std::string DemoData() {
  std::ifstream in(std::string(KV_SOURCE_DIR) + "/schema/demo/demo.sql", std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

struct Outcome {
  std::string console;
  std::string file;
};

std::vector<Outcome> RunAll(const TestInstallation& inst) {
  std::vector<Outcome> outcomes;
  for (const char* code : {"QVDNL17P", "QVDNL18P", "QVDNL31P", "QVDNL60P", "IDSTAMM", "qvdnl31p"}) {
    for (const char* terminal : {"TERM01", "TERM02", "TERM03", "TERM99", "TERM98"}) {
      std::string file = std::string(code) + "_" + terminal + ".dnl";
      ProgramResult r = inst.RunKorvantis({code, terminal, file, "1"});
      outcomes.push_back({r.output, inst.ReadFile(file)});
    }
  }
  return outcomes;
}

TEST(DemoEnginesTest, BothEnginesGiveTheSameFilesAndConsoleOutput) {
  KV_SKIP_UNLESS_POSTGRES();
  const std::vector<std::string> tenants = {"MND01", "MND02", "MND03"};
  std::string error;
  TestInstallation sqlite, postgres;
  ASSERT_TRUE(sqlite.Create(EngineKind::kSqlite, tenants, DemoData(), &error)) << error;
  ASSERT_TRUE(postgres.Create(EngineKind::kPostgres, tenants, DemoData(), &error)) << error;
  std::vector<Outcome> a = RunAll(sqlite), b = RunAll(postgres);
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(a[i].console, b[i].console);
    EXPECT_EQ(a[i].file, b[i].file);
    // Every run got as far as the connect.
    EXPECT_EQ(a[i].console.rfind("Mit Datenbank verbunden! Schema: KVSYSTEM\n", 0), 0u) << a[i].console;
  }
}

}  // namespace
}  // namespace kv::test
