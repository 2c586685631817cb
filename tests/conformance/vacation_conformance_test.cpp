// The vacation statements on each engine: the current year's account with
// NVL(...,0.0), and the dated rows not after today, newest first.
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

// The year is 2026, today 2026-06-15.
//   P1 accounts of 2025, 2026 and 2027; dated rows from 2026-05-31 23:59:59 to
//      tomorrow, one of them today 00:00 and one today 09:00.
//   P2 a 2026 account and a dated row with NULL figures, a row without date.
//   P3, P4 status 4 and 8, with an account and a dated row.
//   P5 only a 2025 account, only a dated row of next month.
//   P6 two 2026 accounts.
//   P7 status 2, a negative figure.
//   P9 an account and a dated row but no person.
constexpr char kVacationData[] = R"(
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P1', NULL, 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P2', NULL, 1, 0);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P3', NULL, 1, 4);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P4', NULL, 1, 8);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P5', NULL, 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P6', NULL, 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P7', NULL, 1, 2);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P1', 2025, 28, 3);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P1', 2026, 30.5, 12.25);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P1', 2027, 1, 1.75);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P2', 2026, NULL, NULL);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P3', 2026, 25, 1);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P4', 2026, 25, 1);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P5', 2025, 20, 0);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P6', 2026, 10, 1);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P6', 2026, 11, 2);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P7', 2026, -2.5, 30);
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES ('P9', 2026, 1, 1);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P1', '2026-06-01 00:00:00', 1, 2, 3);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P1', '2026-06-16 00:00:00', 10, 11, 12);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P1', '2026-06-15 00:00:00', 4.5, 5.25, 6.75);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P1', '2026-05-31 23:59:59', 0.5, 0.25, 0.75);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P1', '2026-06-15 09:00:00', 7, 8, 9);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P2', '2026-06-10 00:00:00', NULL, NULL, NULL);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P2', NULL, 1, 1, 1);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P3', '2026-06-01 00:00:00', 1, 1, 1);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P4', '2026-06-01 00:00:00', 1, 1, 1);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P5', '2026-07-01 00:00:00', 1, 1, 1);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P7', '2026-06-14 12:00:00', -1.25, 2, 3);
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES ('P9', '2026-06-01 00:00:00', 1, 1, 1);
)";

class VacationConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kVacationData; }
};

SelectResult VacationYear(const char* person) {
  return SelectOne(lookup::kVacationYearSql, {db::InText(person, 9)}, {DoubleOut(), DoubleOut()});
}

TEST_P(VacationConformanceTest, YearSelectReadsTheCurrentYearsAccount) {
  struct Case {
    const char* person;
    int want_code;
    Row want_row;  // NVL(URVGUR,0.0), NVL(URVVJR,0.0)
  };
  const Row kUntouched = {"-9999.00", "-9999.00"};
  const Case kCases[] = {
      {"P1", kSqlOk, {"30.50", "12.25"}},
      {"P2", kSqlOk, {"0.00", "0.00"}},
      {"P3", kSqlNoRow, kUntouched},
      {"P4", kSqlNoRow, kUntouched},
      {"P5", kSqlNoRow, kUntouched},
      {"P6", db::kSqlTooManyRows, kUntouched},
      {"P7", kSqlOk, {"-2.50", "30.00"}},
      {"P9", kSqlNoRow, kUntouched},
      {"", kSqlNoRow, kUntouched},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.person);
    SelectResult r = VacationYear(c.person);
    EXPECT_EQ(r.code, c.want_code) << session().LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
}

TEST_P(VacationConformanceTest, YearSelectFollowsTheYearOfSysdate) {
  session().engine().PinSysdate("2027-01-01 00:00:00");
  SelectResult r = VacationYear("P1");
  EXPECT_EQ(r.code, kSqlOk) << session().LastErrorText();
  EXPECT_EQ(r.row, (Row{"1.00", "1.75"}));
  session().engine().PinSysdate("2025-12-31 23:59:59");
  r = VacationYear("P1");
  EXPECT_EQ(r.code, kSqlOk) << session().LastErrorText();
  EXPECT_EQ(r.row, (Row{"28.00", "3.00"}));
}

TEST_P(VacationConformanceTest, DatedCursorDeliversRowsNotAfterTodayNewestFirst) {
  struct Case {
    const char* person;
    std::vector<Row> want;  // UtgDtm (text 30), NVL(UtgVtg,0.0), NVL(UtgRtg,0.0), NVL(UtgGut,0.0)
  };
  const Case kCases[] = {
      // Today 00:00 is not after the start of today; today 09:00 and
      // tomorrow are.
      {"P1",
       {{"2026-06-15 00:00:00", "4.50", "5.25", "6.75"},
        {"2026-06-01 00:00:00", "1.00", "2.00", "3.00"},
        {"2026-05-31 23:59:59", "0.50", "0.25", "0.75"}}},
      {"P2", {{"2026-06-10 00:00:00", "0.00", "0.00", "0.00"}}},
      {"P3", {}},
      {"P4", {}},
      {"P5", {}},
      {"P7", {{"2026-06-14 12:00:00", "-1.25", "2.00", "3.00"}}},
      {"P9", {}},
      {"", {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.person);
    CursorResult r = ReadCursor(lookup::kVacationDatedCursorSql, {db::InText(c.person, 9)},
                                {TextOut(30), DoubleOut(), DoubleOut(), DoubleOut()});
    EXPECT_EQ(r.open_code, kSqlOk) << session().LastErrorText();
    EXPECT_EQ(r.rows, c.want);
    EXPECT_EQ(r.end_code, kSqlNoRow);
    EXPECT_EQ(r.close_code, kSqlOk);
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, VacationConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
