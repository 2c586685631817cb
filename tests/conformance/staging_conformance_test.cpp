// The staging table's statements on each engine: savepoint, insert, rollback
// to the savepoint, delete, commit and the read-back cursor, and the
// transaction rules they rely on (a failed statement undoes only itself).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/sql_status.h"
#include "db/staging_table.h"
#include "tests/conformance/conformance_fixture.h"

namespace kv::test {
namespace {

using db::kSqlDupKey;
using db::kSqlNoRow;
using db::kSqlOk;
using db::kStagedLineWidth;
using db::kStagingKeyWidth;

// Two files' lines staged by earlier runs.
constexpr char kStagingData[] = R"(
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('other.dnl', 'A LINE OF ANOTHER FILE');
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('other.dnl', 'B LINE OF ANOTHER FILE');
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('stale.dnl', 'STALE 1');
INSERT INTO KvSystem.Kvs999Tmp (TmpUsr, TmpStr) VALUES ('stale.dnl', 'STALE 2');
)";

const std::vector<std::string> kOtherFileLines = {"A LINE OF ANOTHER FILE", "B LINE OF ANOTHER FILE"};

// One statement of a sequence: a statement text with the key and, for the
// insert, the line as inputs; no text is the COMMIT.
struct Step {
  const char* sql;
  const char* key;
  const char* line;
  int want;
};

int RunStep(db::SqlSession& s, const Step& step) {
  if (step.sql == nullptr) return s.Commit();
  std::vector<db::HostVar> inputs;
  if (step.key != nullptr) inputs.push_back(db::InText(step.key, kStagingKeyWidth));
  if (step.line != nullptr) inputs.push_back(db::InText(step.line, kStagedLineWidth));
  return s.Execute(step.sql, inputs);
}

void RunSteps(db::SqlSession& s, const std::vector<Step>& steps) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const Step& step = steps[i];
    SCOPED_TRACE("step " + std::to_string(i + 1) + ": " + (step.sql ? step.sql : "COMMIT") +
                 (step.line ? std::string(" ") + step.line : ""));
    EXPECT_EQ(RunStep(s, step), step.want) << s.LastErrorText();
  }
}

// The read-back cursor of one key: the lines, and the codes of the open, the
// ending fetch and the close.
std::vector<std::string> ReadBack(const char* key) {
  CursorResult r = ReadCursor(db::kStagedLineCursorSql, {db::InText(key, kStagingKeyWidth)},
                              {TextOut(kStagedLineWidth)});
  EXPECT_EQ(r.open_code, kSqlOk) << key;
  EXPECT_EQ(r.end_code, kSqlNoRow) << key;
  EXPECT_EQ(r.close_code, kSqlOk) << key;
  std::vector<std::string> lines;
  for (const Row& row : r.rows) lines.push_back(row.at(0));
  return lines;
}

// The same read-back in another session: what is committed.
std::vector<std::string> ReadBackCommitted(db::SqlSession& other, const char* key) {
  db::SqlCursor cursor;
  EXPECT_EQ(other.Open(&cursor, db::kStagedLineCursorSql, {db::InText(key, kStagingKeyWidth)}),
            kSqlOk);
  std::vector<std::string> lines;
  char line[kStagedLineWidth];
  while (other.Fetch(&cursor, {db::TextVar(line, kStagedLineWidth)}) == kSqlOk) lines.push_back(line);
  EXPECT_EQ(other.Close(&cursor), kSqlOk);
  return lines;
}

class StagingConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kStagingData; }
  std::string StartSchema() const override { return "KVSYSTEM"; }
};

const char* const kInsSp = db::kStagingInsertSavepointSql;
const char* const kIns = db::kStagingInsertSql;
const char* const kInsRb = db::kStagingInsertRollbackSql;
const char* const kDelSp = db::kStagingDeleteSavepointSql;
const char* const kDel = db::kStagingDeleteSql;
const char* const kDelRb = db::kStagingDeleteRollbackSql;
const char* const kCommit = nullptr;

TEST_P(StagingConformanceTest, InsertSequenceStagesEachLineOnceAndReadsBackInByteOrder) {
  // "B" staged before "A"; upper case before lower case; 0xDC (U+00DC as
  // UTF-8 in the database) after every ASCII byte.
  const std::string umlaut = "\xDC" "berstd. line";
  RunSteps(session(), {
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "out.dnl", "B second", kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "out.dnl", "A first", kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          // The same line again: refused, undone to the savepoint.
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "out.dnl", "B second", kSqlDupKey},
                          {kInsRb, nullptr, nullptr, kSqlOk},
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "out.dnl", "a lower", kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "out.dnl", umlaut.c_str(), kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "out.dnl", "Z upper", kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "out.dnl", "z last ascii", kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          // The same line under another key is a line of its own.
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "copy.dnl", "A first", kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          // The other file's line under its own key: refused.
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "other.dnl", "A LINE OF ANOTHER FILE", kSqlDupKey},
                          {kInsRb, nullptr, nullptr, kSqlOk},
                      });
  const std::vector<std::string> want_out = {"A first", "B second", "Z upper",
                                             "a lower", "z last ascii", umlaut};
  EXPECT_EQ(ReadBack("out.dnl"), want_out);
  EXPECT_EQ(ReadBack("copy.dnl"), std::vector<std::string>{"A first"});
  EXPECT_EQ(ReadBack("other.dnl"), kOtherFileLines);

  // Everything that succeeded was committed.
  auto other = OpenOtherSession("KVSYSTEM");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(ReadBackCommitted(*other, "out.dnl"), want_out);
  EXPECT_EQ(ReadBackCommitted(*other, "copy.dnl"), std::vector<std::string>{"A first"});
}

TEST_P(StagingConformanceTest, DeleteSequenceRemovesOnlyTheKeysRows) {
  RunSteps(session(), {
                          {kDelSp, nullptr, nullptr, kSqlOk},
                          {kDel, "stale.dnl", nullptr, kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                          // Nothing left to delete.
                          {kDelSp, nullptr, nullptr, kSqlOk},
                          {kDel, "stale.dnl", nullptr, kSqlNoRow},
                          {kDelRb, nullptr, nullptr, kSqlOk},
                          {kDelSp, nullptr, nullptr, kSqlOk},
                          {kDel, "never.dnl", nullptr, kSqlNoRow},
                          {kDelRb, nullptr, nullptr, kSqlOk},
                          // An empty key binds NULL and matches no row.
                          {kDelSp, nullptr, nullptr, kSqlOk},
                          {kDel, "", nullptr, kSqlNoRow},
                          {kDelRb, nullptr, nullptr, kSqlOk},
                          // The key is compared exactly.
                          {kDelSp, nullptr, nullptr, kSqlOk},
                          {kDel, "OTHER.DNL", nullptr, kSqlNoRow},
                          {kDelRb, nullptr, nullptr, kSqlOk},
                      });
  // A key without rows ends at the first fetch.
  EXPECT_EQ(ReadBack("stale.dnl"), std::vector<std::string>{});
  EXPECT_EQ(ReadBack("never.dnl"), std::vector<std::string>{});
  EXPECT_EQ(ReadBack("other.dnl"), kOtherFileLines);

  auto other = OpenOtherSession("KVSYSTEM");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(ReadBackCommitted(*other, "stale.dnl"), std::vector<std::string>{});
  EXPECT_EQ(ReadBackCommitted(*other, "other.dnl"), kOtherFileLines);
}

TEST_P(StagingConformanceTest, FailedStatementInAnOpenTransactionUndoesOnlyItself) {
  const char* const kMissingTable = "select count(*)  into :b0:b1  from KvSystem.Kvs999Nix";
  RunSteps(session(), {
                          {kIns, "tx.dnl", "L1", kSqlOk},
                          // A duplicate after a successful insert, before the commit.
                          {kIns, "tx.dnl", "L1", kSqlDupKey},
                          {kIns, "tx.dnl", "L2", kSqlOk},
                      });
  // A failing select in between.
  SelectResult missing = SelectOne(kMissingTable, {}, {IntOut()});
  EXPECT_EQ(missing.code, db::kSqlNoTable);
  EXPECT_EQ(missing.row, (Row{"-9999"}));
  RunSteps(session(), {
                          {kIns, "tx.dnl", "L3", kSqlOk},
                          // A failed delete of another key.
                          {kDel, "none.dnl", nullptr, kSqlNoRow},
                      });

  // Nothing of it is committed yet.
  auto other = OpenOtherSession("KVSYSTEM");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(ReadBackCommitted(*other, "tx.dnl"), std::vector<std::string>{});

  RunSteps(session(), {{kCommit, nullptr, nullptr, kSqlOk}});
  const std::vector<std::string> want = {"L1", "L2", "L3"};
  EXPECT_EQ(ReadBack("tx.dnl"), want);
  EXPECT_EQ(ReadBackCommitted(*other, "tx.dnl"), want);
}

TEST_P(StagingConformanceTest, RollbackToASavepointUndoesOnlyWhatFollowedIt) {
  RunSteps(session(), {
                          {kIns, "sp.dnl", "L1", kSqlOk},
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "sp.dnl", "L2", kSqlOk},
                          {kIns, "sp.dnl", "L3", kSqlOk},
                          {kInsRb, nullptr, nullptr, kSqlOk},
                          {kIns, "sp.dnl", "L4", kSqlOk},
                          // A savepoint set again under its name moves it.
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "sp.dnl", "L5", kSqlOk},
                          {kInsSp, nullptr, nullptr, kSqlOk},
                          {kIns, "sp.dnl", "L6", kSqlOk},
                          {kInsRb, nullptr, nullptr, kSqlOk},
                          // Rolling back to the same savepoint twice.
                          {kIns, "sp.dnl", "L7", kSqlOk},
                          {kInsRb, nullptr, nullptr, kSqlOk},
                          // The delete's savepoint and rollback.
                          {kDelSp, nullptr, nullptr, kSqlOk},
                          {kDel, "sp.dnl", nullptr, kSqlOk},
                          {kDelRb, nullptr, nullptr, kSqlOk},
                          {kCommit, nullptr, nullptr, kSqlOk},
                      });
  EXPECT_EQ(ReadBack("sp.dnl"), (std::vector<std::string>{"L1", "L4", "L5"}));
  EXPECT_EQ(ReadBack("other.dnl"), kOtherFileLines);
}

INSTANTIATE_TEST_SUITE_P(Engines, StagingConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
