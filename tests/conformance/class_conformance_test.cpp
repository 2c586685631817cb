// The six class assignment selects on each engine, each on the same tenant:
// validity of every joined row at the edges of today, the status rules, one
// row found, none (1403) or two (-2112, outputs untouched).
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
using db::kSqlTooManyRows;

// Today is 2026-06-15.
// Badge groups: Z1 open-ended, Z2 to today 23:59, Z3 from today 08:00, Z4
// today only, Z5 without dates, Z6/Z7 status 4/8, Z8 two valid rows, Z9 a
// deleted and a valid row, ZA a NULL class, Z10 ended yesterday.
// Persons (assignments Kvs311Zuo and employments Kvs310Bsv):
//   P1 one valid assignment (KST1, ABT1) and employment AKR1: every step finds
//      its row; cost centre KST1 has status 2, department ABT1 status 1.
//   P2 assignment status 4, employment status 8.
//   P3 assignment from today 08:00, employment without dates.
//   P4 two valid assignments (one of status 2) and two employments (one of
//      status 0): every step finds two rows.
//   P5 assignment without start to today 00:00 (KST5, ABT5): the class of
//      KST5 has status 4, cost centre KST5 status 4, department ABT5 status 8;
//      only the department's own class (status 1) and the employment (class
//      NULL) are found.
//   P6 assignment KST6/ABT6 whose classes are valid only without dates, from
//      today 08:00, from tomorrow, until yesterday; an employment whose class
//      is valid today only, and one whose class ended yesterday.
//   P7 assignment status 8 and employment status 4, joined to P1's rows.
//   P8 every class row of its keys has status 8 (assignment status 3,
//      employment status 1).
//   PA every class row of its keys has status 4.
//   PB cost centre KSTB with status 8, department ABTB with status 4, both
//      leading to P1's valid group classes; no class of its own keys.
constexpr char kClassData[] = R"(
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z1', 'C1', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z2', 'C2', NULL, '2026-06-15 23:59:00', 0);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z3', 'C3', '2026-06-15 08:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z4', 'C4', '2026-06-15 00:00:00', '2026-06-15 00:00:00', NULL);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z5', 'C5', NULL, NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z6', 'C6', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z7', 'C7', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z8', 'C8a', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z8', 'C8b', '2026-02-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z9', 'C9x', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z9', 'C9', '2026-01-01 00:00:00', '2026-09-30 00:00:00', 3);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('ZA', NULL, '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('Z10', 'C10', '2026-01-01 00:00:00', '2026-06-14 23:59:59', NULL);
INSERT INTO MND01.Kvs408Bzu (BzuKst, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('KST1', 'C21', '2026-02-01 00:00:00', '2026-12-31 00:00:00', NULL);
INSERT INTO MND01.Kvs408Bzu (BzuKst, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('KST5', 'C25', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs408Bzu (BzuKst, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('KST6', 'C26', NULL, NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuVks, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VKS1', 'C31', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuVks, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VKS6', 'C36', '2026-06-15 08:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuAbt, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('ABT1', 'C41', NULL, '2026-06-15 12:00:00', NULL);
INSERT INTO MND01.Kvs408Bzu (BzuAbt, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('ABT5', 'C45', '2026-01-01 00:00:00', NULL, 1);
INSERT INTO MND01.Kvs408Bzu (BzuAbt, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('ABT6', 'C46', '2026-06-16 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuVab, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VAB1', 'C51', '2026-06-15 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuVab, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VAB6', 'C56', '2026-01-01 00:00:00', '2026-06-14 00:00:00', NULL);
INSERT INTO MND01.Kvs408Bzu (BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('AKR1', 'X', '2026-01-01 00:00:00', '2026-06-30 00:00:00', NULL);
INSERT INTO MND01.Kvs408Bzu (BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('AKR5', NULL, '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('AKR6', 'C6', '2026-06-15 00:00:00', '2026-06-15 23:59:59', NULL);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P1', 'KST1', 'ABT1', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P2', 'KST1', 'ABT1', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P3', 'KST1', 'ABT1', '2026-06-15 08:00:00', NULL, NULL);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P4', 'KST1', 'ABT1', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P4', 'KST1', 'ABT1', '2026-03-01 00:00:00', NULL, 2);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P5', 'KST5', 'ABT5', NULL, '2026-06-15 00:00:00', NULL);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P6', 'KST6', 'ABT6', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.O1003Kststelle (KstNum, KstVws, KstSta) VALUES ('KST1', 'VKS1', 2);
INSERT INTO MND01.O1003Kststelle (KstNum, KstVws, KstSta) VALUES ('KST5', 'VKS1', 4);
INSERT INTO MND01.O1003Kststelle (KstNum, KstVws, KstSta) VALUES ('KST6', 'VKS6', NULL);
INSERT INTO MND01.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES ('ABT1', 'VAB1', 1);
INSERT INTO MND01.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES ('ABT5', 'VAB1', 8);
INSERT INTO MND01.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES ('ABT6', 'VAB6', NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P1', 'AKR1', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P2', 'AKR1', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P3', 'AKR1', NULL, NULL, NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P4', 'AKR1', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P4', 'AKR1', NULL, '2026-12-31 00:00:00', 0);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P5', 'AKR5', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P6', 'AKR6', '2026-01-01 00:00:00', '2026-06-15 23:59:59', NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P6', 'AKR6B', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('AKR6B', 'C6B', '2026-01-01 00:00:00', '2026-06-14 23:59:59', NULL);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P7', 'KST1', 'ABT1', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P7', 'AKR1', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('P8', 'KST8', 'ABT8', '2026-01-01 00:00:00', NULL, 3);
INSERT INTO MND01.O1003Kststelle (KstNum, KstVws, KstSta) VALUES ('KST8', 'VKS8', NULL);
INSERT INTO MND01.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES ('ABT8', 'VAB8', NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('P8', 'AKR8', '2026-01-01 00:00:00', NULL, 1);
INSERT INTO MND01.Kvs408Bzu (BzuKst, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('KST8', 'C28', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs408Bzu (BzuVks, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VKS8', 'C38', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs408Bzu (BzuAbt, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('ABT8', 'C48', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs408Bzu (BzuVab, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VAB8', 'C58', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs408Bzu (BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('AKR8', 'C8', '2026-01-01 00:00:00', NULL, 8);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('PA', 'KSTA', 'ABTA', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.O1003Kststelle (KstNum, KstVws, KstSta) VALUES ('KSTA', 'VKSA', NULL);
INSERT INTO MND01.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES ('ABTA', 'VABA', NULL);
INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES ('PA', 'AKRA', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.Kvs408Bzu (BzuKst, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('KSTA', 'C2A', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs408Bzu (BzuVks, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VKSA', 'C3A', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs408Bzu (BzuAbt, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('ABTA', 'C4A', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs408Bzu (BzuVab, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('VABA', 'C5A', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs408Bzu (BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES ('AKRA', 'CA', '2026-01-01 00:00:00', NULL, 4);
INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES ('PB', 'KSTB', 'ABTB', '2026-01-01 00:00:00', NULL, NULL);
INSERT INTO MND01.O1003Kststelle (KstNum, KstVws, KstSta) VALUES ('KSTB', 'VKS1', 8);
INSERT INTO MND01.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES ('ABTB', 'VAB1', 4);
)";

class ClassConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kClassData; }
};

struct Case {
  const char* key;
  int want_code;
  Row want_row;
};

void CheckSelect(const char* sql, int key_width, const std::vector<Out>& outs,
                 const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("key '") + c.key + "'");
    SelectResult r = SelectOne(sql, {db::InText(c.key, key_width)}, outs);
    EXPECT_EQ(r.code, c.want_code) << LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
}

const Row kNone3 = {"~", "~", "~"};
const Row kNone4 = {"~", "~", "~", "~"};

TEST_P(ClassConformanceTest, ClassByBadgeGroup) {
  // BzuZau 6, the two date texts 15, BzuBkl 6; the key is the group, width 6.
  CheckSelect(lookup::kClassByBadgeSql, 6, {TextOut(6), TextOut(15), TextOut(15), TextOut(6)},
              {
                  {"Z1", kSqlOk, {"Z1", "20260101", "~", "C1"}},
                  {"Z2", kSqlOk, {"Z2", "~", "20260615", "C2"}},
                  {"Z3", kSqlNoRow, kNone4},
                  {"Z4", kSqlOk, {"Z4", "20260615", "20260615", "C4"}},
                  {"Z5", kSqlNoRow, kNone4},
                  {"Z6", kSqlNoRow, kNone4},
                  {"Z7", kSqlNoRow, kNone4},
                  {"Z8", kSqlTooManyRows, kNone4},
                  {"Z9", kSqlOk, {"Z9", "20260101", "20260930", "C9"}},
                  {"ZA", kSqlOk, {"ZA", "20260101", "~", "~"}},
                  {"Z10", kSqlNoRow, kNone4},
                  // An empty group binds NULL and matches none of the rows
                  // whose BzuZau is NULL.
                  {"", kSqlNoRow, kNone4},
              });
}

TEST_P(ClassConformanceTest, ClassByCostCentre) {
  // ZuoKst 31, the two date texts 15, BzuBkl 6; the key is the person, width 9.
  CheckSelect(lookup::kClassByCostCentreSql, 9, {TextOut(31), TextOut(15), TextOut(15), TextOut(6)},
              {
                  {"P1", kSqlOk, {"KST1", "20260201", "20261231", "C21"}},
                  {"P2", kSqlNoRow, kNone4},
                  {"P3", kSqlNoRow, kNone4},
                  {"P4", kSqlTooManyRows, kNone4},
                  {"P5", kSqlNoRow, kNone4},
                  {"P6", kSqlNoRow, kNone4},
                  {"P7", kSqlNoRow, kNone4},  // assignment status 8
                  {"P8", kSqlNoRow, kNone4},  // class status 8
                  {"PA", kSqlNoRow, kNone4},  // class status 4
                  {"PB", kSqlNoRow, kNone4},
                  {"P9", kSqlNoRow, kNone4},
                  {"", kSqlNoRow, kNone4},
              });
}

TEST_P(ClassConformanceTest, ClassByCostCentreGroup) {
  CheckSelect(lookup::kClassByCostCentreGroupSql, 9, {TextOut(15), TextOut(15), TextOut(6)},
              {
                  {"P1", kSqlOk, {"20260101", "~", "C31"}},
                  {"P2", kSqlNoRow, kNone3},
                  {"P3", kSqlNoRow, kNone3},
                  {"P4", kSqlTooManyRows, kNone3},
                  {"P5", kSqlNoRow, kNone3},  // cost centre status 4
                  {"P6", kSqlNoRow, kNone3},  // class from today 08:00
                  {"P7", kSqlNoRow, kNone3},
                  {"P8", kSqlNoRow, kNone3},
                  {"PA", kSqlNoRow, kNone3},
                  {"PB", kSqlNoRow, kNone3},  // cost centre status 8
                  {"P9", kSqlNoRow, kNone3},
                  {"", kSqlNoRow, kNone3},
              });
}

TEST_P(ClassConformanceTest, ClassByDepartment) {
  CheckSelect(lookup::kClassByDepartmentSql, 9, {TextOut(16), TextOut(15), TextOut(15), TextOut(6)},
              {
                  {"P1", kSqlOk, {"ABT1", "~", "20260615", "C41"}},
                  {"P2", kSqlNoRow, kNone4},
                  {"P3", kSqlNoRow, kNone4},
                  {"P4", kSqlTooManyRows, kNone4},
                  {"P5", kSqlOk, {"ABT5", "20260101", "~", "C45"}},
                  {"P6", kSqlNoRow, kNone4},  // class from tomorrow
                  {"P7", kSqlNoRow, kNone4},
                  {"P8", kSqlNoRow, kNone4},
                  {"PA", kSqlNoRow, kNone4},
                  {"PB", kSqlNoRow, kNone4},
                  {"P9", kSqlNoRow, kNone4},
                  {"", kSqlNoRow, kNone4},
              });
}

TEST_P(ClassConformanceTest, ClassByDepartmentGroup) {
  CheckSelect(lookup::kClassByDepartmentGroupSql, 9, {TextOut(15), TextOut(15), TextOut(6)},
              {
                  {"P1", kSqlOk, {"20260615", "~", "C51"}},
                  {"P2", kSqlNoRow, kNone3},
                  {"P3", kSqlNoRow, kNone3},
                  {"P4", kSqlTooManyRows, kNone3},
                  {"P5", kSqlNoRow, kNone3},  // department status 8
                  {"P6", kSqlNoRow, kNone3},  // class ended yesterday
                  {"P7", kSqlNoRow, kNone3},
                  {"P8", kSqlNoRow, kNone3},
                  {"PA", kSqlNoRow, kNone3},
                  {"PB", kSqlNoRow, kNone3},  // department status 4
                  {"P9", kSqlNoRow, kNone3},
                  {"", kSqlNoRow, kNone3},
              });
}

TEST_P(ClassConformanceTest, ClassByEmployment) {
  CheckSelect(lookup::kClassByEmploymentSql, 9, {TextOut(15), TextOut(15), TextOut(6)},
              {
                  {"P1", kSqlOk, {"20260101", "20260630", "X"}},
                  {"P2", kSqlNoRow, kNone3},  // employment status 8
                  {"P3", kSqlNoRow, kNone3},  // employment without dates
                  {"P4", kSqlTooManyRows, kNone3},
                  {"P5", kSqlOk, {"20260101", "~", "~"}},
                  {"P6", kSqlOk, {"20260615", "20260615", "C6"}},  // the ended class does not count
                  {"P7", kSqlNoRow, kNone3},  // employment status 4
                  {"P8", kSqlNoRow, kNone3},
                  {"PA", kSqlNoRow, kNone3},
                  {"PB", kSqlNoRow, kNone3},
                  {"P9", kSqlNoRow, kNone3},
                  {"", kSqlNoRow, kNone3},
              });
}

TEST_P(ClassConformanceTest, ValidTodayComparesWithTheStartOfThePinnedDay) {
  struct PinnedCase {
    const char* sysdate;
    const char* group;
    int want_code;
    Row want_row;
  };
  const PinnedCase kCases[] = {
      // Tomorrow the class from today 08:00 is valid; those to today have ended.
      {"2026-06-16 07:00:00", "Z3", kSqlOk, {"Z3", "20260615", "~", "C3"}},
      {"2026-06-16 07:00:00", "Z2", kSqlNoRow, kNone4},
      {"2026-06-16 07:00:00", "Z4", kSqlNoRow, kNone4},
      // The time of SYSDATE does not count: late today is still today.
      {"2026-06-15 23:59:59", "Z3", kSqlNoRow, kNone4},
      {"2026-06-15 23:59:59", "Z4", kSqlOk, {"Z4", "20260615", "20260615", "C4"}},
      {"2026-06-15 00:00:00", "Z2", kSqlOk, {"Z2", "~", "20260615", "C2"}},
      // Yesterday the class ending yesterday 23:59:59 was valid.
      {"2026-06-14 12:00:00", "Z10", kSqlOk, {"Z10", "20260101", "20260614", "C10"}},
  };
  for (const PinnedCase& c : kCases) {
    SCOPED_TRACE(std::string(c.group) + " at " + c.sysdate);
    session().engine().PinSysdate(c.sysdate);
    SelectResult r = SelectOne(lookup::kClassByBadgeSql, {db::InText(c.group, 6)},
                               {TextOut(6), TextOut(15), TextOut(15), TextOut(6)});
    EXPECT_EQ(r.code, c.want_code) << LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, ClassConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
