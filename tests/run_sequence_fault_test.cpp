// The run sequence against a real engine whose chosen calls fail: every
// failure takes the path the run defines for it, in-process, with the
// console output compared byte for byte.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "db/sqlhlp.h"
#include "run/command_line.h"
#include "run/run_download.h"
#include "tests/console_capture.h"
#include "tests/faulting_engine.h"
#include "tests/test_installation.h"

namespace kv::test {
namespace {

// One tenant linked to TERM01, a second active one that only the all-tenant
// list reaches.
constexpr char kData[] = R"(
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (1, 100, 'MND01', 0, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (2, 200, 'MND02', 0, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 1, NULL);
)";

class RunSequenceFaultTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(inst_.Create(EngineKind::kSqlite, {"MND01", "MND02"}, kData, &error)) << error;
    old_dir_ = std::filesystem::current_path();
    std::filesystem::current_path(inst_.workdir());
  }
  void TearDown() override {
    if (!old_dir_.empty()) std::filesystem::current_path(old_dir_);
  }

  std::string RunWithFaults(const FaultPlan& plan, int* faults = nullptr) {
    ScopedFaults scoped(plan);
    ConsoleCapture console;
    const char* argv[] = {"korvantis", "QVDNL99P", "TERM01", "out.dnl", "1"};
    run::RunContext ctx;
    EXPECT_TRUE(run::TakeArguments(5, argv, console.file(), &ctx));
    run::RunDownload(&ctx);
    if (faults != nullptr) *faults = scoped.counters().faults;
    db::DisconnectDatabase();
    return console.Text();
  }

  TestInstallation inst_;
  std::filesystem::path old_dir_;
};

const std::string kConnected = "Mit Datenbank verbunden! Schema: KVSYSTEM\n";

TEST_F(RunSequenceFaultTest, EachFailureTakesItsOwnPath) {
  struct Case {
    const char* name;
    FaultPlan plan;
    std::string console;
    bool file_written;
  };
  const Case cases[] = {
      {"no fault", {}, kConnected + "Schema: MND01\n", true},
      {"schema statement of the connect",
       {.text = "", .call = 1},
       "DB-Connect-Error: -3113!Name:kvuser Pwd:******** Net:" + inst_.service() +
           " Schema:KVSYSTEM\n",
       false},
      // The message has no newline: the next output continues its line.
      {"staging delete",
       {.text = "delete  from KvSystem.Kvs999Tmp"},
       kConnected + "Error Tab. Kvs999Tmp loeschen! ErrNr: -3113 User: out.dnlSchema: MND01\n",
       true},
      // A failed open shows as a failed first fetch: the all-tenant list.
      {"terminal tenant cursor", {.text = "KvSystem.Kvs115Tfz"}, kConnected + "Schema: MND01\nSchema: MND02\n", true},
      {"tenant switch",
       {.text = "CURRENT_SCHEMA=MND01"},
       kConnected + "Schema: MND01\nDB-Alter-Session-Error: -3113 Schema: MND01\n",
       true},
      // The lines end without a message; the file is written with what came.
      {"read-back cursor", {.text = "order by TmpUsr,TmpStr"}, kConnected + "Schema: MND01\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(inst_.workdir() + "/out.dnl");
    int faults = 0;
    EXPECT_EQ(RunWithFaults(c.plan, &faults), c.console);
    EXPECT_EQ(inst_.FileExists("out.dnl"), c.file_written);
    // The chosen call was made and failed (the output alone does not show
    // it for every call).
    bool planned = !c.plan.text.empty() || c.plan.call > 0;
    EXPECT_EQ(faults > 0, planned) << faults;
  }
}

TEST_F(RunSequenceFaultTest, ALostConnectionAtAnyCallEndsTheRunCleanly) {
  // The n-th call and every later one fail, for n = 1, 2, ... until a run
  // makes fewer calls than n. Each run ends normally: after the connect it
  // always writes its (here empty) file, and the staged rows stay the
  // database's business.
  for (int n = 1;; ++n) {
    SCOPED_TRACE(n);
    std::filesystem::remove(inst_.workdir() + "/out.dnl");
    int faults = 0;
    std::string console = RunWithFaults({.text = "", .call = n, .persist = true}, &faults);
    if (n == 1) {
      EXPECT_EQ(console.rfind("DB-Connect-Error: -3113!", 0), 0u) << console;
      EXPECT_FALSE(inst_.FileExists("out.dnl"));
    } else {
      EXPECT_EQ(console.rfind(kConnected, 0), 0u) << console;
      EXPECT_TRUE(inst_.FileExists("out.dnl"));
      EXPECT_EQ(inst_.ReadFile("out.dnl"), "");
    }
    if (faults == 0) break;
    ASSERT_LT(n, 100) << "the run makes more calls than a run of this fixture can";
  }
}

}  // namespace
}  // namespace kv::test
