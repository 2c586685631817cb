// The reader cursor and the two rule counts on each engine: readers up to a
// limit in ascending number, active rows only, classes compared with their
// blanks.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "db/sql_status.h"
#include "lookup/lookup_statements.h"
#include "tests/conformance/conformance_fixture.h"

namespace kv::test {
namespace {

using db::kSqlNoRow;
using db::kSqlOk;

// Terminal T1 has readers 0, 1, 2, 5, 7 (key NULL) and 12, and the deleted
// readers 3 (status 4) and 4 (status 8), stored out of order. T2 has only
// deleted readers.
// Rules of class "B1 " (with its blank) for K2: types 1 and 3 active, a type 3
// with status 4 and a type 1 with status 8; for K1 a type 3 (status 2) and a
// type 3 with status 8; for K5
// a type 2. Class "B1" (no blank) has its own type-3 rule for K2; class "0" a
// type-3 rule for K1, class "0  " a type-1 rule for K1.
constexpr char kReaderData[] = R"(
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 5, 'K5', 1);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 12, 'K12', NULL);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 3, 'K3', 4);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 1, 'K1', NULL);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 7, NULL, NULL);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 4, 'K4', 8);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 2, 'K2', 0);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T1', 0, 'K0', NULL);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T2', 1, 'Z1', 4);
INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES ('T2', 2, 'Z2', 8);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1 ', 'K2', 1, NULL);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1 ', 'K2', 3, 0);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1 ', 'K2', 3, 4);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1 ', 'K2', 1, 8);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1 ', 'K1', 3, 2);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1 ', 'K1', 3, 8);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1 ', 'K5', 2, NULL);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('B1', 'K2', 3, NULL);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('0', 'K1', 3, NULL);
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES ('0  ', 'K1', 1, NULL);
)";

class ReaderConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kReaderData; }
  std::string StartSchema() const override { return "KVSYSTEM"; }
};

TEST_P(ReaderConformanceTest, ReaderCursorDeliversActiveReadersUpToTheLimitInOrder) {
  struct Case {
    const char* terminal;
    std::int32_t limit;
    std::vector<Row> want;  // ZlsLes, ZlsZko (width 6)
  };
  const Case kCases[] = {
      {"T1", 11, {{"0", "K0"}, {"1", "K1"}, {"2", "K2"}, {"5", "K5"}, {"7", "~"}}},
      {"T1", 3, {{"0", "K0"}, {"1", "K1"}, {"2", "K2"}}},
      {"T1", 1, {{"0", "K0"}, {"1", "K1"}}},
      {"T1", 32, {{"0", "K0"}, {"1", "K1"}, {"2", "K2"}, {"5", "K5"}, {"7", "~"}, {"12", "K12"}}},
      {"T1", -1, {}},
      {"T2", 11, {}},
      {"t1", 11, {}},
      {"", 11, {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.terminal) + " up to " + std::to_string(c.limit));
    CursorResult r = ReadCursor(lookup::kReaderCursorSql, {db::InText(c.terminal, 11), db::InInt(&c.limit)},
                                {IntOut(), TextOut(6)});
    EXPECT_EQ(r.open_code, kSqlOk) << session().LastErrorText();
    EXPECT_EQ(r.rows, c.want);
    EXPECT_EQ(r.end_code, kSqlNoRow);
    EXPECT_EQ(r.close_code, kSqlOk);
  }
}

TEST_P(ReaderConformanceTest, RuleCountsCountActiveRulesOfTheClassAsBound) {
  struct Case {
    const char* cls;
    const char* key;
    int want_rules;       // kCountReaderPermissionsSql
    int want_type3_rules; // kCountTerminalPermissionsSql
  };
  const Case kCases[] = {
      {"B1 ", "K2", 2, 1},
      {"B1 ", "K1", 1, 1},
      {"B1 ", "K5", 1, 0},
      {"B1 ", "K9", 0, 0},  // count(*) finds its one row: 0, not 1403
      {"B1", "K2", 1, 1},   // no blanks trimmed on either side
      {"B1  ", "K2", 0, 0},
      {"0", "K1", 1, 1},
      {"0  ", "K1", 1, 0},
      {"", "K1", 0, 0},     // an empty class binds NULL
      {"B1 ", "", 0, 0},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string("class '") + c.cls + "' key '" + c.key + "'");
    SelectResult all = SelectOne(lookup::kCountReaderPermissionsSql,
                                 {db::InText(c.cls, 6), db::InText(c.key, 6)}, {IntOut()});
    EXPECT_EQ(all.code, kSqlOk) << session().LastErrorText();
    EXPECT_EQ(all.row, (Row{std::to_string(c.want_rules)}));
    SelectResult type3 = SelectOne(lookup::kCountTerminalPermissionsSql,
                                   {db::InText(c.cls, 6), db::InText(c.key, 6)}, {IntOut()});
    EXPECT_EQ(type3.code, kSqlOk) << session().LastErrorText();
    EXPECT_EQ(type3.row, (Row{std::to_string(c.want_type3_rules)}));
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, ReaderConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
