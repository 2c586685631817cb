// The real korvantis binary, run in a temporary installation on each engine:
// credentials, connect, the tenant lists, the schema switch, the download
// file. Expected output is written from the run's messages by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <string>
#include <vector>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "tests/test_installation.h"

namespace kv::test {
namespace {

// MND01..MND03 and MND07 are active tenants of kind 0; MND07 has no schema.
// MND04 (kind 1), MND05 (kind NULL) and MND06 (deleted) are never listed.
// TERM01 links MND01 and MND02 (the links to MND03 and MND06 are deleted or
// lead to a deleted tenant), TERM02 links MND01 and MND07, TERM99 has none.
constexpr char kTenantData[] = R"(
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (1, 100, 'MND01', 0, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (2, 100, 'MND02', 0, 1);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (3, 100, 'MND03', 2, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (4, 100, 'MND04', 1, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (5, 100, 'MND05', NULL, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (6, 100, 'MND06', 0, 4);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (7, 100, 'MND07', 0, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 1, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 2, 0);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 3, 8);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 6, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 200, 4, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM02', 100, 1, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM02', 100, 7, NULL);
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('other.dnl', 'LINE OF ANOTHER FILE');
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('out.dnl', 'STALE LINE OF THE LAST RUN');
)";

const std::string kConnected = "Mit Datenbank verbunden! Schema: KVSYSTEM\n";

// True when output is prefix followed by the blocks in some order: the
// tenant cursors do not order their rows.
bool IsPrefixAndBlocksInAnyOrder(const std::string& output, const std::string& prefix,
                                 std::vector<std::string> blocks, const std::string& suffix = "") {
  std::sort(blocks.begin(), blocks.end());
  do {
    std::string want = prefix;
    for (const std::string& b : blocks) want += b;
    if (output == want + suffix) return true;
  } while (std::next_permutation(blocks.begin(), blocks.end()));
  return false;
}

class RunSequenceTest : public ::testing::TestWithParam<EngineKind> {
 protected:
  void SetUp() override {
    if (GetParam() == EngineKind::kPostgres) KV_SKIP_UNLESS_POSTGRES();
    std::string error;
    ASSERT_TRUE(inst_.Create(GetParam(), {"MND01", "MND02", "MND03"}, kTenantData, &error)) << error;
  }

  // korvantis-ini set on the installation's ini.
  void SetIni(const std::string& key, const std::string& value) {
    ProgramResult r = inst_.RunShell(ShellQuote(KV_INI_BIN) + " set ../../files/velastrom.ini " +
                                     ShellQuote(key) + " " + ShellQuote(value));
    ASSERT_EQ(r.exit_status, 0) << r.output;
  }

  TestInstallation inst_;
};

TEST_P(RunSequenceTest, TerminalWithTwoLinkedTenantsVisitsBothAndNeverTheAllTenantList) {
  ProgramResult r = inst_.RunKorvantis({"qvdnl99p", "TERM01", "out.dnl", "1"});
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_TRUE(IsPrefixAndBlocksInAnyOrder(r.output, kConnected,
                                          {"Schema: MND01\n", "Schema: MND02\n"}))
      << r.output;
  EXPECT_TRUE(inst_.FileExists("out.dnl"));
  EXPECT_EQ(inst_.ReadFile("out.dnl"), "");

  // The run removed its own file's stale row and left the other file's.
  ASSERT_EQ(db::ConnectDatabase(inst_.login().c_str(), inst_.password().c_str(),
                                inst_.absolute_service().c_str(), "KVSYSTEM"),
            db::kSqlOk);
  const char* sql = "select count(*)  into :b0:b1  from KvSystem.Kvs999Tmp where TmpUsr=:b2";
  for (auto [key, want] : {std::pair{"other.dnl", 1}, std::pair{"out.dnl", 0}}) {
    std::int32_t count = -1;
    EXPECT_EQ(db::CurrentSession()->SelectInto(sql, {db::InText(key, 101)}, {db::IntVar(&count)}),
              db::kSqlOk);
    EXPECT_EQ(count, want) << key;
  }
}

TEST_P(RunSequenceTest, TerminalWithoutLinksVisitsEveryActiveTenant) {
  ProgramResult r = inst_.RunKorvantis({"QVDNL99P", "TERM99", "out.dnl", "1"});
  EXPECT_EQ(r.exit_status, 0);
  // The all-tenant loop's switch message has no newline.
  EXPECT_TRUE(IsPrefixAndBlocksInAnyOrder(
      r.output, kConnected,
      {"Schema: MND01\n", "Schema: MND02\n", "Schema: MND03\n",
       "Schema: MND07\nDB-Alter-Session-Error: -1435 Schema: MND07"}))
      << r.output;
}

TEST_P(RunSequenceTest, TerminalNameIsComparedExactly) {
  // "term01" is no terminal: every active tenant is visited.
  ProgramResult r = inst_.RunKorvantis({"QVDNL99P", "term01", "out.dnl", "1"});
  EXPECT_NE(r.output.find("Schema: MND03\n"), std::string::npos) << r.output;
}

TEST_P(RunSequenceTest, FailedTenantSwitchIsReportedAndTheRunGoesOn) {
  ProgramResult r = inst_.RunKorvantis({"QVDNL99P", "TERM02", "out.dnl", "1"});
  EXPECT_TRUE(IsPrefixAndBlocksInAnyOrder(
      r.output, kConnected,
      {"Schema: MND01\n", "Schema: MND07\nDB-Alter-Session-Error: -1435 Schema: MND07\n"}))
      << r.output;
  EXPECT_EQ(inst_.ReadFile("out.dnl"), "");
}

TEST_P(RunSequenceTest, UnknownFunctionCodeLeavesNewFileEmptyAndAppendedFileUnchanged) {
  inst_.WriteFile("new.dnl", "OLD CONTENT");
  inst_.WriteFile("kept.dnl", "OLD CONTENT");
  ProgramResult r1 = inst_.RunKorvantis({"NOSUCHCODE", "TERM01", "new.dnl", "1"});
  ProgramResult r2 = inst_.RunKorvantis({"NOSUCHCODE", "TERM01", "kept.dnl", "0"});
  ProgramResult r3 = inst_.RunKorvantis({"NOSUCHCODE", "TERM01", "created.dnl", "0"});
  EXPECT_EQ(inst_.ReadFile("new.dnl"), "");
  EXPECT_EQ(inst_.ReadFile("kept.dnl"), "OLD CONTENT");
  EXPECT_TRUE(inst_.FileExists("created.dnl"));
  EXPECT_EQ(inst_.ReadFile("created.dnl"), "");
  for (const ProgramResult* r : {&r1, &r2, &r3})
    EXPECT_TRUE(IsPrefixAndBlocksInAnyOrder(r->output, kConnected,
                                            {"Schema: MND01\n", "Schema: MND02\n"}))
        << r->output;
}

TEST_P(RunSequenceTest, FailedConnectPrintsTwoLinesWithTheMaskedPasswordAndWritesNoFile) {
  std::string bad_service = GetParam() == EngineKind::kSqlite ? "sqlite:/nonexistent/db"
                                                              : "postgresql:///kv?host=/nonexistent";
  SetIni("NET8", bad_service);
  ProgramResult r = inst_.RunKorvantis({"QVDNL31P", "TERM01", "out.dnl", "1"});
  EXPECT_EQ(r.exit_status, 0);
  EXPECT_EQ(r.output, "DB-Connect-Error: -12154!Name:" + inst_.login() + " Pwd:******** Net:" +
                          bad_service + " Schema:KVSYSTEM\n");
  EXPECT_EQ(r.output.find(inst_.password()), std::string::npos);
  EXPECT_FALSE(inst_.FileExists("out.dnl"));
}

TEST_P(RunSequenceTest, SchemaValueLosesItsLastCharacterAndIsUpperCased) {
  SetIni("SCHEMA", "kvsystem9");
  ProgramResult r = inst_.RunKorvantis({"QVDNL99P", "TERM01", "out.dnl", "1"});
  EXPECT_EQ(r.output.substr(0, kConnected.size()), kConnected) << r.output;
}

TEST_P(RunSequenceTest, EmptyOrOneCharacterSchemaValueFailsTheConnect) {
  for (const char* value : {"", "X"}) {
    SCOPED_TRACE(value);
    SetIni("SCHEMA", value);
    ProgramResult r = inst_.RunKorvantis({"QVDNL99P", "TERM01", "out.dnl", "1"});
    EXPECT_EQ(r.output, "DB-Connect-Error: -1435!Name:" + inst_.login() + " Pwd:******** Net:" +
                            inst_.service() + " Schema:\n");
    EXPECT_FALSE(inst_.FileExists("out.dnl"));
  }
}

TEST_P(RunSequenceTest, ConfigurationValueLongerThanItsFieldStopsBeforeTheDatabase) {
  SetIni("LOGIN", std::string(51, 'u'));
  ProgramResult r = inst_.RunKorvantis({"QVDNL99P", "TERM01", "out.dnl", "1"});
  EXPECT_EQ(r.output, "Konfigurationswert LOGIN zu lang! Laenge: 51 Max: 50\n");
  EXPECT_FALSE(inst_.FileExists("out.dnl"));
}

TEST_P(RunSequenceTest, MissingConfigurationFileGivesEmptyCredentialsAndAFailedConnect) {
  ProgramResult r = inst_.RunShell("rm ../../files/velastrom.ini && " + ShellQuote(KV_KORVANTIS_BIN) +
                                   " QVDNL31P TERM01 out.dnl 1");
  EXPECT_EQ(r.output, "DB-Connect-Error: -12154!Name: Pwd:******** Net: Schema:\n");
  EXPECT_FALSE(inst_.FileExists("out.dnl"));
}

TEST_P(RunSequenceTest, DownloadFileThatCannotBeOpenedIsReported) {
  ProgramResult r = inst_.RunKorvantis({"QVDNL99P", "TERM01", "no/such/dir/out.dnl", "0"});
  EXPECT_TRUE(IsPrefixAndBlocksInAnyOrder(
      r.output, kConnected, {"Schema: MND01\n", "Schema: MND02\n"},
      "Downloadfile no/such/dir/out.dnl konnte nicht geoeffnet werden!\n"))
      << r.output;
}

INSTANTIATE_TEST_SUITE_P(Engines, RunSequenceTest,
                         ::testing::Values(EngineKind::kSqlite, EngineKind::kPostgres),
                         [](const auto& p) { return std::string(EngineName(p.param)); });

}  // namespace
}  // namespace kv::test
