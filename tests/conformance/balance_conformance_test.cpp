// The daily balance select on each engine: only the person's row of
// yesterday at midnight with TGBZTR 1, NULL columns as 0, slots 8 and 9 as
// sums, the person's status rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/sql_status.h"
#include "lookup/lookup_statements.h"
#include "tests/conformance/conformance_fixture.h"

namespace kv::test {
namespace {

using db::kSqlNoRow;
using db::kSqlOk;

// Yesterday is 2026-06-14. Columns of each row: VT1 SA1 ... VT7 SA7.
//   P1 yesterday 00:00 TGBZTR 1 (10+1, 20+2, ... 70+7); rows of yesterday with
//      TGBZTR 2, of the day before, of today, and of yesterday at 10:00 do
//      not count. A row of 2026-02-28 serves a SYSDATE of 2026-03-01.
//   P2, P3 status 4 and 8 with a row of yesterday.
//   P4 status 1, a row of yesterday with every column NULL.
//   P5 rows of yesterday at 10:00 and at 23:59:59 only.
//   P6 two rows of yesterday.
//   P7 NULLs, negative values and the values around 600 and 6000.
//   P8 rows of yesterday with TGBZTR NULL and 0.
//   P9 a row of yesterday but no person.
constexpr char kBalanceData[] = R"(
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P1', NULL, 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P2', NULL, 1, 4);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P3', NULL, 1, 8);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P4', NULL, 1, 1);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P5', NULL, 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P6', NULL, 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P7', NULL, 1, 0);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P8', NULL, 1, NULL);
INSERT INTO MND01.Kvs320Tgb VALUES ('P1', '2026-06-14 00:00:00', 2, 900, 900, 900, 900, 900, 900, 900, 900, 900, 900, 900, 900, 900, 900);
INSERT INTO MND01.Kvs320Tgb VALUES ('P1', '2026-06-13 00:00:00', 1, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800, 800);
INSERT INTO MND01.Kvs320Tgb VALUES ('P1', '2026-06-14 00:00:00', 1, 10, 1, 20, 2, 30, 3, 40, 4, 50, 5, 60, 6, 70, 7);
INSERT INTO MND01.Kvs320Tgb VALUES ('P1', '2026-06-15 00:00:00', 1, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700, 700);
INSERT INTO MND01.Kvs320Tgb VALUES ('P1', '2026-06-14 10:00:00', 1, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600, 600);
INSERT INTO MND01.Kvs320Tgb VALUES ('P1', '2026-02-28 00:00:00', 1, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14);
INSERT INTO MND01.Kvs320Tgb VALUES ('P2', '2026-06-14 00:00:00', 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO MND01.Kvs320Tgb VALUES ('P3', '2026-06-14 00:00:00', 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO MND01.Kvs320Tgb VALUES ('P4', '2026-06-14 00:00:00', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO MND01.Kvs320Tgb VALUES ('P5', '2026-06-14 10:00:00', 1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5);
INSERT INTO MND01.Kvs320Tgb VALUES ('P5', '2026-06-14 23:59:59', 1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5);
INSERT INTO MND01.Kvs320Tgb VALUES ('P6', '2026-06-14 00:00:00', 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO MND01.Kvs320Tgb VALUES ('P6', '2026-06-14 00:00:00', 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2);
INSERT INTO MND01.Kvs320Tgb VALUES ('P7', '2026-06-14 00:00:00', 1, NULL, -61, 600, NULL, NULL, NULL, -1, 0, 5999, 1, NULL, 6000, -30, -29);
INSERT INTO MND01.Kvs320Tgb VALUES ('P8', '2026-06-14 00:00:00', NULL, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO MND01.Kvs320Tgb VALUES ('P8', '2026-06-14 00:00:00', 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
INSERT INTO MND01.Kvs320Tgb VALUES ('P9', '2026-06-14 00:00:00', 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1);
)";

class BalanceConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kBalanceData; }
};

SelectResult DailyBalances(const char* person) {
  return SelectOne(lookup::kDailyBalancesSql, {db::InText(person, 9)},
                   std::vector<Out>(9, IntOut()));
}

const Row kUntouched(9, "-9999");

TEST_P(BalanceConformanceTest, DailyBalancesSelectReadsYesterdaysRowAtMidnight) {
  struct Case {
    const char* person;
    int want_code;
    Row want_row;  // slots 1 to 9
  };
  const Case kCases[] = {
      {"P1", kSqlOk, {"11", "22", "33", "44", "55", "66", "77", "33", "55"}},
      {"P2", kSqlNoRow, kUntouched},
      {"P3", kSqlNoRow, kUntouched},
      {"P4", kSqlOk, Row(9, "0")},
      {"P5", kSqlNoRow, kUntouched},
      {"P6", db::kSqlTooManyRows, kUntouched},
      // -61, 600, 0, -1, 6000, 6000, -59; -61+600+0, 600+0+0.
      {"P7", kSqlOk, {"-61", "600", "0", "-1", "6000", "6000", "-59", "539", "600"}},
      {"P8", kSqlNoRow, kUntouched},
      {"P9", kSqlNoRow, kUntouched},
      {"", kSqlNoRow, kUntouched},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.person);
    SelectResult r = DailyBalances(c.person);
    EXPECT_EQ(r.code, c.want_code) << session().LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
}

TEST_P(BalanceConformanceTest, YesterdayAcrossTheEndOfAMonth) {
  // 2026 is no leap year: the day before March 1 is February 28.
  session().engine().PinSysdate("2026-03-01 00:30:00");
  SelectResult r = DailyBalances("P1");
  EXPECT_EQ(r.code, kSqlOk) << session().LastErrorText();
  EXPECT_EQ(r.row, (Row{"3", "7", "11", "15", "19", "23", "27", "10", "18"}));
}

INSTANTIATE_TEST_SUITE_P(Engines, BalanceConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
