// The balance list statements on each engine: the terminal's and the
// person's list cursor (label in the list's language, cut to 12 characters,
// NVL(TsaSpl,1), active entries in ascending TsaLfd) and their marker selects.
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
using db::kSqlTooManyRows;

// List L1, entries stored out of order (TsaLfd, TsaSpl, label and marker
// word numbers 100+n and 200+n, status):
//   1 NULL, "Saldo" / "Balance" in languages 1 / 2, markers #W2 / #W2e
//   2 5, "Gleitzeit", #W9, status 1
//   3 0, "Urlaub Rest 2026" (16 characters), #W4
//   4 and 5: status 4 and 8
//   6 2, a label in language 2 only, markers in both
//   7 0, "Kein Marker" without marker
//   8 0, "Überstunden gesamt" (18 characters, U+00DC first), #W15
//   9 0, "Doppelt" with two markers
//  10 0, NULL label and NULL marker
//  NULL 0, "Ohne Nummer", #W3: an entry without running number
// Terminals: T1 (language 1) and T2 (language 2, status 2) show L1; T3 (status 4) and
// T6 (status 8) too; T4 shows the empty list L9, T5 none.
// Persons of MND01: P1 (language 1), P2 (language 2, status 3) show L1; P3
// and P4 (status 4 and 8) too; P5 has no list, P6 the empty list L9.
const std::string kBalanceListData = std::string(R"(
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T1', '4261-007', 'L1', 1, NULL);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T2', '4261-007', 'L1', 2, 2);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T3', '4261-007', 'L1', 1, 4);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T4', '4261-007', 'L9', 1, NULL);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T5', '4261-007', NULL, 1, NULL);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T6', '4261-007', 'L1', 1, 8);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', NULL, 0, 111, 211, NULL);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 3, 0, 103, 203, NULL);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 10, 0, 110, 210, NULL);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 1, NULL, 101, 201, NULL);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 2, 5, 102, 202, 1);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 4, 0, 104, 204, 4);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 5, 0, 105, 205, 8);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 6, 2, 106, 206, NULL);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 9, 0, 109, 209, NULL);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 7, 0, 107, 207, NULL);
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES ('L1', 8, 0, 108, 208, NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (101, 220001, 1, 'Saldo', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (101, 220001, 2, 'Balance', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (101, 220003, 1, 'Other text', '#X');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (201, 220002, 1, NULL, '#W2');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (201, 220002, 2, NULL, '#W2e');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (102, 220001, 1, 'Gleitzeit', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (202, 220002, 1, NULL, '#W9');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (103, 220001, 1, 'Urlaub Rest 2026', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (203, 220002, 1, NULL, '#W4');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (104, 220001, 1, 'Geloescht', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (204, 220002, 1, NULL, '#W10');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (105, 220001, 1, 'Geloescht', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (205, 220002, 1, NULL, '#W11');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (106, 220001, 2, 'Only EN', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (206, 220002, 1, NULL, '#W12');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (206, 220002, 2, NULL, '#W12e');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (107, 220001, 1, 'Kein Marker', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (208, 220002, 1, NULL, '#W15');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (109, 220001, 1, 'Doppelt', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (209, 220002, 1, NULL, '#W16');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (209, 220002, 1, NULL, '#W16b');
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (110, 220001, 1, NULL, NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (210, 220002, 1, NULL, NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (111, 220001, 1, 'Ohne Nummer', NULL);
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (211, 220002, 1, NULL, '#W3');
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P1', 'L1', 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P2', 'L1', 2, 3);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P3', 'L1', 1, 4);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P4', 'L1', 1, 8);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P5', NULL, 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P6', 'L9', 1, NULL);
)") + "INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES (108, 220001, 1, '\xC3\x9C" "berstunden gesamt', NULL);\n";

class BalanceListConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kBalanceListData; }
};

// TsaLfd, NVL(TsaSpl,1), the label in a 41-byte field.
const std::vector<Out> kEntryOutputs = {IntOut(), IntOut(), TextOut(41)};

// L1 in language 1: entries 4 and 5 are deleted, 6 has no label in it.
const std::vector<Row> kListInLanguage1 = {
    {"1", "1", "Saldo"},
    {"2", "5", "Gleitzeit"},
    {"3", "0", "Urlaub Rest "},
    {"7", "0", "Kein Marker"},
    {"8", "0", "\xDC" "berstunden "},  // twelve characters, not twelve UTF-8 bytes
    {"9", "0", "Doppelt"},
    {"10", "0", "~"},
    // A NULL TsaLfd leaves its output alone and sorts after every number, as
    // NULL does in an ascending order.
    {"-9999", "0", "Ohne Nummer"},
};
const std::vector<Row> kListInLanguage2 = {{"1", "1", "Balance"}, {"6", "2", "Only EN"}};

struct ListCase {
  const char* key;
  std::vector<Row> want;
};

void CheckList(const char* sql, int key_width, const std::vector<ListCase>& cases) {
  for (const ListCase& c : cases) {
    SCOPED_TRACE(std::string("key '") + c.key + "'");
    CursorResult r = ReadCursor(sql, {db::InText(c.key, key_width)}, kEntryOutputs);
    EXPECT_EQ(r.open_code, kSqlOk) << LastErrorText();
    EXPECT_EQ(r.rows, c.want);
    EXPECT_EQ(r.end_code, kSqlNoRow);
    EXPECT_EQ(r.close_code, kSqlOk);
  }
}

struct MarkerCase {
  const char* key;
  std::int32_t lfd;
  int want_code;
  const char* want_marker;
};

void CheckMarkers(const char* sql, int key_width, const std::vector<MarkerCase>& cases) {
  for (const MarkerCase& c : cases) {
    SCOPED_TRACE(std::string("key '") + c.key + "' entry " + std::to_string(c.lfd));
    SelectResult r = SelectOne(sql, {db::InText(c.key, key_width), db::InInt(&c.lfd)}, {TextOut(11)});
    EXPECT_EQ(r.code, c.want_code) << LastErrorText();
    EXPECT_EQ(r.row, (Row{c.want_marker}));
  }
}

TEST_P(BalanceListConformanceTest, TerminalListCursorReadsActiveEntriesInTheTerminalsLanguage) {
  CheckList(lookup::kTerminalBalanceListSql, 11,
            {
                {"T1", kListInLanguage1},
                {"T2", kListInLanguage2},
                {"T3", {}},  // terminal status 4
                {"T6", {}},  // terminal status 8
                {"T4", {}},  // empty list
                {"T5", {}},  // no list
                {"t1", {}},
                {"T9", {}},
            });
}

TEST_P(BalanceListConformanceTest, PersonListCursorReadsActiveEntriesInThePersonsLanguage) {
  CheckList(lookup::kPersonBalanceListSql, 9,
            {
                {"P1", kListInLanguage1},
                {"P2", kListInLanguage2},  // person status 3
                {"P3", {}},                // person status 4
                {"P4", {}},                // person status 8
                {"P5", {}},
                {"P6", {}},
                {"P9", {}},
            });
}

TEST_P(BalanceListConformanceTest, TerminalMarkerSelectFindsTheEntrysMarker) {
  CheckMarkers(lookup::kTerminalBalanceMarkerSql, 11,
               {
                   {"T1", 1, kSqlOk, "#W2"},
                   {"T2", 1, kSqlOk, "#W2e"},
                   {"T1", 2, kSqlOk, "#W9"},
                   {"T1", 3, kSqlOk, "#W4"},
                   {"T1", 4, kSqlNoRow, "~"},   // entry status 4
                   {"T1", 5, kSqlNoRow, "~"},   // entry status 8
                   {"T1", 6, kSqlOk, "#W12"},   // the marker does not need a label
                   {"T1", 7, kSqlNoRow, "~"},
                   {"T1", 8, kSqlOk, "#W15"},
                   {"T1", 9, kSqlTooManyRows, "~"},
                   {"T1", 10, kSqlOk, "~"},     // NULL marker
                   {"T3", 1, kSqlNoRow, "~"},   // terminal status 4
                   {"T6", 1, kSqlNoRow, "~"},   // terminal status 8
                   {"T1", 99, kSqlNoRow, "~"},
               });
}

TEST_P(BalanceListConformanceTest, PersonMarkerSelectFindsTheEntrysMarker) {
  CheckMarkers(lookup::kPersonBalanceMarkerSql, 9,
               {
                   {"P1", 1, kSqlOk, "#W2"},
                   {"P2", 1, kSqlOk, "#W2e"},
                   {"P1", 8, kSqlOk, "#W15"},
                   {"P1", 4, kSqlNoRow, "~"},  // entry status 4
                   {"P1", 5, kSqlNoRow, "~"},  // entry status 8
                   {"P1", 7, kSqlNoRow, "~"},
                   {"P1", 9, kSqlTooManyRows, "~"},
                   {"P3", 1, kSqlNoRow, "~"},  // person status 4
                   {"P4", 1, kSqlNoRow, "~"},  // person status 8
                   {"P5", 1, kSqlNoRow, "~"},
               });
}

TEST_P(BalanceListConformanceTest, LabelIsCutToTheWidthOfItsVariable) {
  // Twelve characters into a field of width 6.
  CursorResult r = ReadCursor(lookup::kTerminalBalanceListSql, {db::InText("T1", 11)},
                              {IntOut(), IntOut(), TextOut(6)});
  std::vector<Row> cut;
  for (const Row& row : r.rows)
    if (row.at(0) == "3" || row.at(0) == "8") cut.push_back(row);
  EXPECT_EQ(cut, (std::vector<Row>{{"3", "0", "Urlau"}, {"8", "0", "\xDC" "bers"}}));
}

INSTANTIATE_TEST_SUITE_P(Engines, BalanceListConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
