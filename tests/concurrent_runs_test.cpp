// Several runs at once against one installation, each in a process of its
// own with its own session, as the batch scheduler starts them: each stages
// its lines under its own download file path, writes its file, and leaves
// the other runs' staging rows alone.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "db/staging_table.h"
#include "run/download_file.h"
#include "tests/test_installation.h"

namespace kv::test {
namespace {

constexpr int kRuns = 8;
constexpr int kLinesPerRun = 150;
constexpr int kRecordLength = 48;

constexpr char kData[] = R"(
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (1, 100, 'MND01', 0, NULL);
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('bystander.dnl', 'ROW OF A RUN THAT IS NOT RUNNING');
)";

std::string LineOf(int run, int i) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "RUN%02d-LINE%04d", run, i);
  return buf;
}

// One run's work in a child process: clear its rows, stage its lines in a
// scrambled order, write the file. Exits 0 when every step succeeded.
[[noreturn]] void RunChild(const TestInstallation& inst, const std::string& path, int run) {
  int failures = 0;
  if (db::ConnectDatabase(inst.login().c_str(), inst.password().c_str(),
                          inst.absolute_service().c_str(), "KVSYSTEM") != db::kSqlOk)
    ::_exit(2);
  int rc = db::DeleteStagedLines(path.c_str());
  if (rc != db::kSqlOk && rc != db::kSqlNoRow) ++failures;
  for (int k = 0; k < kLinesPerRun; ++k) {
    int i = (k * 37) % kLinesPerRun;  // 37 is coprime to 150: every line once
    if (db::InsertStagedLine(path.c_str(), LineOf(run, i).c_str()) != db::kSqlOk) ++failures;
  }
  std::FILE* console = std::fopen((path + ".console").c_str(), "wb");
  run::WriteDownloadFile(console, path.c_str(), true, kRecordLength, false);
  std::fclose(console);
  ::_exit(failures == 0 ? 0 : 1);
}

std::string ExpectedFile(int run) {
  std::string want;
  for (int i = 0; i < kLinesPerRun; ++i) {
    std::string line = LineOf(run, i);
    want += line + std::string(kRecordLength - line.size(), ' ');
  }
  return want;
}

class ConcurrentRunsTest : public ::testing::TestWithParam<EngineKind> {
 protected:
  void SetUp() override {
    if (GetParam() == EngineKind::kPostgres) KV_SKIP_UNLESS_POSTGRES();
    std::string error;
    ASSERT_TRUE(inst_.Create(GetParam(), {"MND01"}, kData, &error)) << error;
    db::DisconnectDatabase();  // a child must not share a connection with us
  }

  std::vector<int> StartAndWait(const std::vector<std::pair<std::string, int>>& runs) {
    std::fflush(nullptr);
    std::vector<pid_t> pids;
    for (const auto& [path, run] : runs) {
      pid_t pid = ::fork();
      if (pid == 0) RunChild(inst_, path, run);
      pids.push_back(pid);
    }
    std::vector<int> statuses;
    for (pid_t pid : pids) {
      int status = 0;
      ::waitpid(pid, &status, 0);
      statuses.push_back(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    }
    return statuses;
  }

  int CountRows(const std::string& key) {
    std::int32_t count = -1;
    int rc = db::CurrentSession()->SelectInto(
        "select count(*)  into :b0:b1  from KvSystem.Kvs999Tmp where TmpUsr=:b2",
        {db::InText(key.c_str(), 101)}, {db::IntVar(&count)});
    return rc == db::kSqlOk ? count : -1;
  }

  TestInstallation inst_;
};

TEST_P(ConcurrentRunsTest, EightRunsForEightFilesEachWriteTheirOwnLines) {
  std::vector<std::pair<std::string, int>> runs;
  for (int r = 0; r < kRuns; ++r) runs.push_back({inst_.workdir() + "/term" + std::to_string(r) + ".dnl", r});
  std::vector<int> statuses = StartAndWait(runs);
  for (int r = 0; r < kRuns; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(statuses[static_cast<std::size_t>(r)], 0);
    EXPECT_EQ(inst_.ReadFile("term" + std::to_string(r) + ".dnl"), ExpectedFile(r));
    EXPECT_EQ(inst_.ReadFile("term" + std::to_string(r) + ".dnl.console"), "");
  }
  ASSERT_EQ(db::ConnectDatabase(inst_.login().c_str(), inst_.password().c_str(),
                                inst_.absolute_service().c_str(), "KVSYSTEM"),
            db::kSqlOk);
  EXPECT_EQ(CountRows("bystander.dnl"), 1);
  for (int r = 0; r < kRuns; ++r) EXPECT_EQ(CountRows(runs[static_cast<std::size_t>(r)].first), kLinesPerRun);
}

TEST_P(ConcurrentRunsTest, NinthRunForAPathThatAnotherRunHoldsCorruptsNeitherFile) {
  // Nothing separates two runs for one path: the later run's delete may
  // remove what the earlier one staged, and either may find a line already
  // staged. The file, replaced whole at the end of each run, always holds
  // one complete read-back: sorted whole records, none torn.
  std::vector<std::pair<std::string, int>> runs;
  for (int r = 0; r < kRuns; ++r) runs.push_back({inst_.workdir() + "/term" + std::to_string(r) + ".dnl", r});
  runs.push_back({runs[0].first, kRuns});
  std::vector<int> statuses = StartAndWait(runs);
  for (int r = 1; r < kRuns; ++r) {
    SCOPED_TRACE(r);
    EXPECT_EQ(statuses[static_cast<std::size_t>(r)], 0);
    EXPECT_EQ(inst_.ReadFile("term" + std::to_string(r) + ".dnl"), ExpectedFile(r));
  }
  std::string file = inst_.ReadFile("term0.dnl");
  ASSERT_EQ(file.size() % kRecordLength, 0u);
  ASSERT_FALSE(file.empty());
  std::vector<std::string> records;
  for (std::size_t at = 0; at < file.size(); at += kRecordLength) records.push_back(file.substr(at, kRecordLength));
  EXPECT_TRUE(std::is_sorted(records.begin(), records.end()));
  EXPECT_EQ(std::adjacent_find(records.begin(), records.end()), records.end());
  for (const std::string& rec : records) {
    std::string line = rec.substr(0, rec.find(' '));
    EXPECT_TRUE(line.starts_with("RUN00-LINE") || line.starts_with("RUN08-LINE")) << line;
    EXPECT_EQ(rec, line + std::string(kRecordLength - line.size(), ' '));
  }
}

TEST_P(ConcurrentRunsTest, EightKorvantisProgramsAtOnceEachFinishTheirRun) {
  std::string cmd;
  for (int r = 0; r < kRuns; ++r) {
    std::string n = std::to_string(r);
    cmd += ShellQuote(KV_KORVANTIS_BIN) + " QVDNL31P TERM" + n + " prog" + n + ".dnl 1 > prog" + n + ".out & ";
  }
  ProgramResult result = inst_.RunShell("( " + cmd + "wait )");
  ASSERT_EQ(result.exit_status, 0) << result.output;
  for (int r = 0; r < kRuns; ++r) {
    SCOPED_TRACE(r);
    std::string n = std::to_string(r);
    // No terminal has links: each run visits the one active tenant.
    EXPECT_EQ(inst_.ReadFile("prog" + n + ".out"),
              "Mit Datenbank verbunden! Schema: KVSYSTEM\nSchema: MND01\n");
    EXPECT_TRUE(inst_.FileExists("prog" + n + ".dnl"));
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, ConcurrentRunsTest,
                         ::testing::Values(EngineKind::kSqlite, EngineKind::kPostgres),
                         [](const auto& p) { return std::string(EngineName(p.param)); });

}  // namespace
}  // namespace kv::test
