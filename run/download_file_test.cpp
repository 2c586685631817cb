#include "run/download_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "db/staging_table.h"
#include "tests/console_capture.h"
#include "tests/test_installation.h"

namespace kv::run {
namespace {

using test::EngineKind;

TEST(FinalLineTest, FixedWidthLinesArePaddedAndIdMasterLinesEndInCrLf) {
  struct Case {
    const char* name;
    std::string line;
    int record_length;
    bool is_id_master;
    std::string want;
  };
  const Case cases[] = {
      {"80 of 85 gets 5 blanks", std::string(80, 'A'), 85, false, std::string(80, 'A') + "     "},
      {"exact length unchanged", std::string(85, 'A'), 85, false, std::string(85, 'A')},
      {"longer line unchanged", std::string(50, 'B'), 48, false, std::string(50, 'B')},
      {"empty line all blanks", "", 45, false, std::string(45, ' ')},
      {"no length no padding", "ABC", 0, false, "ABC"},
      {"id master line with newline", "\"1\",\"2\"\n", 0, true, "\"1\",\"2\"\r\n"},
      {"id master line without newline gets one", "\"1\"", 0, true, "\"1\"\r\n"},
      {"newline inside a line", "A\nB", 0, true, "A\r\nB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FinalLine(c.line.c_str(), c.record_length, c.is_id_master), c.want);
  }
}

constexpr char kTwoTenants[] = R"(
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (1, 100, 'MND01', 0, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (2, 100, 'MND02', 0, NULL);
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('other.dnl', 'NOT MINE');
)";

class DownloadFileTest : public ::testing::TestWithParam<EngineKind> {
 protected:
  void SetUp() override {
    if (GetParam() == EngineKind::kPostgres) KV_SKIP_UNLESS_POSTGRES();
    std::string error;
    ASSERT_TRUE(inst_.Create(GetParam(), {"MND01", "MND02"}, kTwoTenants, &error)) << error;
    ASSERT_EQ(db::ConnectDatabase(inst_.login().c_str(), inst_.password().c_str(),
                                  inst_.absolute_service().c_str(), "KVSYSTEM"),
              db::kSqlOk);
    path_ = inst_.workdir() + "/out.dnl";
  }

  void Stage(const std::vector<std::string>& lines) {
    for (const std::string& l : lines) ASSERT_EQ(db::InsertStagedLine(path_.c_str(), l.c_str()), db::kSqlOk) << l;
  }

  std::string Write(bool new_file, int record_length, bool is_id_master) {
    test::ConsoleCapture console;
    WriteDownloadFile(console.file(), path_.c_str(), new_file, record_length, is_id_master);
    return console.Text();
  }

  std::string FileText() { return inst_.ReadFile("out.dnl"); }

  test::TestInstallation inst_;
  std::string path_;
};

TEST_P(DownloadFileTest, FixedWidthRecordsFollowEachOtherWithoutLineEnds) {
  std::string a(48, 'A'), b(48, 'B'), c(48, 'C');
  Stage({c, a, b});
  EXPECT_EQ(Write(true, 48, false), "");
  EXPECT_EQ(FileText(), a + b + c);
  EXPECT_EQ(FileText().size(), 144u);
}

TEST_P(DownloadFileTest, ShortLineIsPaddedToTheRecordLength) {
  Stage({std::string(80, '1')});
  Write(true, 85, false);
  EXPECT_EQ(FileText(), std::string(80, '1') + "     ");
}

TEST_P(DownloadFileTest, IdMasterLinesEndInOneCarriageReturnAndLineFeedEach) {
  Stage({"\"B\",\"1\"\n", "\"A\",\"2\"\n"});
  Write(true, 0, true);
  EXPECT_EQ(FileText(), "\"A\",\"2\"\r\n\"B\",\"1\"\r\n");
}

TEST_P(DownloadFileTest, LinesFromTwoTenantsComeBackInOneSortedSequence) {
  ASSERT_EQ(db::SetCurrentSchema("MND01"), db::kSqlOk);
  Stage({"M-TENANT1", "Z-TENANT1"});
  ASSERT_EQ(db::SetCurrentSchema("MND02"), db::kSqlOk);
  Stage({"A-TENANT2", "N-TENANT2", "a-lower"});
  Write(true, 9, false);
  // Binary order: upper case before lower case.
  EXPECT_EQ(FileText(), "A-TENANT2M-TENANT1N-TENANT2Z-TENANT1a-lower  ");
}

TEST_P(DownloadFileTest, NewFileWithNothingStagedIsEmptyAndAppendLeavesTheFileAsItWas) {
  inst_.WriteFile("out.dnl", "PREVIOUS");
  EXPECT_EQ(Write(false, 48, false), "");
  EXPECT_EQ(FileText(), "PREVIOUS");
  EXPECT_EQ(Write(true, 48, false), "");
  EXPECT_EQ(FileText(), "");
  std::filesystem::remove(path_);
  Write(false, 48, false);
  EXPECT_TRUE(inst_.FileExists("out.dnl"));
  EXPECT_EQ(FileText(), "");
}

TEST_P(DownloadFileTest, AppendModeWritesAfterTheExistingRecords) {
  inst_.WriteFile("out.dnl", "OLD");
  Stage({"NEW2", "NEW1"});
  Write(false, 4, false);
  EXPECT_EQ(FileText(), "OLDNEW1NEW2");
  // Other files' rows are never read back.
  EXPECT_EQ(FileText().find("NOT MINE"), std::string::npos);
}

TEST_P(DownloadFileTest, NewFileKeepsTheOldPermissionsAndWritesThroughALink) {
  namespace fs = std::filesystem;
  inst_.WriteFile("real.dnl", "PREVIOUS");
  fs::permissions(inst_.workdir() + "/real.dnl", fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real.dnl", path_);
  Stage({"ABCD"});
  EXPECT_EQ(Write(true, 4, false), "");
  EXPECT_TRUE(fs::is_symlink(path_));
  EXPECT_EQ(inst_.ReadFile("real.dnl"), "ABCD");
  EXPECT_EQ(fs::status(inst_.workdir() + "/real.dnl").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Writes in a child process whose file size limit is below what the file
// needs, as a full disk would stop it. The child has a session of its own;
// ours is ended before the fork and opened again after. Returns the child's
// console output.
std::string WriteWithFileSizeLimit(const test::TestInstallation& inst, const std::string& path,
                                   bool new_file, rlim_t limit) {
  test::ConsoleCapture console;
  db::DisconnectDatabase();
  std::fflush(nullptr);
  pid_t pid = ::fork();
  if (pid == 0) {
    if (db::ConnectDatabase(inst.login().c_str(), inst.password().c_str(),
                            inst.absolute_service().c_str(), "KVSYSTEM") != db::kSqlOk)
      ::_exit(2);
    ::signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead
    struct rlimit rl = {limit, limit};
    ::setrlimit(RLIMIT_FSIZE, &rl);
    WriteDownloadFile(console.file(), path.c_str(), new_file, 48, false);
    std::fflush(console.file());
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  return console.Text();
}

TEST_P(DownloadFileTest, FileThatCannotBeWrittenWhollyIsReportedAndTheOldFileStays) {
  for (int i = 0; i < 40; ++i) Stage({std::string(48, static_cast<char>('0' + i % 10)) + std::to_string(i)});
  const std::string message =
      "Downloadfile " + path_ + " konnte nicht vollstaendig geschrieben werden! "
      "(maximale Dateigroesse ueberschritten)\n";
  struct Case {
    const char* name;
    bool new_file;
  };
  for (const Case& c : {Case{"new file", true}, Case{"append", false}}) {
    SCOPED_TRACE(c.name);
    inst_.WriteFile("out.dnl", "THE PREVIOUS DOWNLOAD");
    EXPECT_EQ(WriteWithFileSizeLimit(inst_, path_, c.new_file, 1000), message);
    EXPECT_EQ(FileText(), "THE PREVIOUS DOWNLOAD");
    // No file is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(inst_.workdir())) files += e.is_regular_file();
    EXPECT_EQ(files, 1);
  }
  std::filesystem::remove(path_);
  EXPECT_EQ(WriteWithFileSizeLimit(inst_, path_, false, 1000), message);
  EXPECT_FALSE(inst_.FileExists("out.dnl"));  // an appended file the run created goes again
}

INSTANTIATE_TEST_SUITE_P(Engines, DownloadFileTest,
                         ::testing::Values(EngineKind::kSqlite, EngineKind::kPostgres),
                         [](const auto& p) { return std::string(test::EngineName(p.param)); });

}  // namespace
}  // namespace kv::run
