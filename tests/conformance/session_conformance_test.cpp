// The session on each engine: the schema switch of SQLHlp and what it does to
// unqualified tenant tables, the person settings select that every tenant
// answers differently, the error codes of missing tables and columns, the
// host-variable rules (NULL, cut texts, -2112) and text in Windows-1252.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "db/staging_table.h"
#include "lookup/lookup_statements.h"
#include "tests/conformance/conformance_fixture.h"

namespace kv::test {
namespace {

using db::kSqlNoRow;
using db::kSqlOk;

// MND01 and MND02 hold different persons under the same numbers. Terminals
// with names and texts outside ASCII, stored as UTF-8: "Bär" with the type
// "Überstd." and the list "AĀB" (U+0100 has no Windows-1252 form), "CJK" with
// the type "中文", "E€" with the type "Euro €" (0x80 in Windows-1252).
const std::string kSessionData = std::string(R"(
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P1', 'SAL1', 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P2', 'SAL2', 2, 3);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P3', 'SAL3', 3, 4);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P4', 'SAL4', 4, 8);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P5', NULL, NULL, 0);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P6', 'A', 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P6', 'B', 2, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P7', 'LONGSAL123', 7, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P8', 'DEL8', 8, 4);
INSERT INTO MND02.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P1', 'TWO1', 21, NULL);
INSERT INTO MND02.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P8', 'TWO8', 28, NULL);
)") + "INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('B\xC3\xA4r', '\xC3\x9C" "berstd.', 'A\xC4\x80" "B', 1, NULL);\n"
    "INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('CJK', '\xE4\xB8\xAD\xE6\x96\x87', 'x', 1, NULL);\n"
    "INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('E\xE2\x82\xAC', 'Euro \xE2\x82\xAC', 'e', 1, NULL);\n";

class SessionConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kSessionData; }
  std::vector<std::string> Tenants() const override { return {"MND01", "MND02"}; }
};

// The person settings select: PnrSpr (integer) and PnrSal (text 11) of :b4.
SelectResult PersonSettings(const char* person, int sal_width = 11) {
  return SelectOne(lookup::kPersonSettingsSql, {db::InText(person, 9)}, {IntOut(), TextOut(sal_width)});
}

TEST_P(SessionConformanceTest, PersonSettingsSelectKeepsActivePersonsAndFillsOnlyNonNullOutputs) {
  struct Case {
    const char* person;
    int sal_width;
    int want_code;
    Row want_row;
  };
  const Case kCases[] = {
      {"P1", 11, kSqlOk, {"1", "SAL1"}},
      {"P2", 11, kSqlOk, {"2", "SAL2"}},          // status 3 is active
      {"P3", 11, kSqlNoRow, {"-9999", "~"}},      // status 4 is deleted
      {"P4", 11, kSqlNoRow, {"-9999", "~"}},      // status 8 is deleted
      {"P5", 11, kSqlOk, {"-9999", "~"}},         // NULL columns leave the outputs alone
      {"P6", 11, db::kSqlTooManyRows, {"-9999", "~"}},
      {"P7", 11, kSqlOk, {"7", "LONGSAL123"}},    // ten characters fit width 11
      {"P7", 6, kSqlOk, {"7", "LONGS"}},          // cut to width - 1
      {"P7", 2, kSqlOk, {"7", "L"}},
      {"p1", 11, kSqlNoRow, {"-9999", "~"}},      // compared exactly
      {"P9", 11, kSqlNoRow, {"-9999", "~"}},
      {"", 11, kSqlNoRow, {"-9999", "~"}},        // an empty key binds NULL
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.person) + " width " + std::to_string(c.sal_width));
    SelectResult r = PersonSettings(c.person, c.sal_width);
    EXPECT_EQ(r.code, c.want_code) << session().LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
}

TEST_P(SessionConformanceTest, SchemaSwitchResolvesUnqualifiedTablesInTheCurrentSchemaOnly) {
  // Each switch in turn, then what P1 and P8 are in the schema that is
  // current afterwards.
  struct Case {
    const char* schema;
    int want_switch;
    int want_p1_code;
    Row want_p1;
    int want_p8_code;
    Row want_p8;
  };
  const Row kUntouched = {"-9999", "~"};
  const Row kP1InMnd01 = {"1", "SAL1"};
  const Row kP1InMnd02 = {"21", "TWO1"};
  const Row kP8InMnd02 = {"28", "TWO8"};
  const Case kCases[] = {
      {"MND02", kSqlOk, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      // Refused switches leave the session in MND02.
      {"MND09", db::kSqlNoSchema, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      {"MND01;DROP", db::kSqlNoSchema, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      {"X Y", db::kSqlNoSchema, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      {"1ABC", db::kSqlNoSchema, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      {"MND01\"", db::kSqlNoSchema, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      {"ABCDEFGHIJABCDEFGHIJABCDEFGHIJK", db::kSqlNoSchema, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      // An unquoted name in any letter case; P8 is deleted in MND01.
      {"mnd01", kSqlOk, kSqlOk, kP1InMnd01, kSqlNoRow, kUntouched},
      {"MnD02", kSqlOk, kSqlOk, kP1InMnd02, kSqlOk, kP8InMnd02},
      // The system schema has no person table; no other schema stands in.
      {"KVSYSTEM", kSqlOk, db::kSqlNoTable, kUntouched, db::kSqlNoTable, kUntouched},
      {"MND01", kSqlOk, kSqlOk, kP1InMnd01, kSqlNoRow, kUntouched},
  };
  SelectResult start = PersonSettings("P1");
  EXPECT_EQ(start.code, kSqlOk);
  EXPECT_EQ(start.row, kP1InMnd01);
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.schema);
    EXPECT_EQ(db::SetCurrentSchema(c.schema), c.want_switch) << session().LastErrorText();
    SelectResult p1 = PersonSettings("P1");
    EXPECT_EQ(p1.code, c.want_p1_code) << session().LastErrorText();
    EXPECT_EQ(p1.row, c.want_p1);
    SelectResult p8 = PersonSettings("P8");
    EXPECT_EQ(p8.code, c.want_p8_code) << session().LastErrorText();
    EXPECT_EQ(p8.row, c.want_p8);
  }
}

TEST_P(SessionConformanceTest, ConnectWithASchemaThatDoesNotExistGivesItsCode) {
  EXPECT_EQ(db::ConnectDatabase(installation_.login().c_str(), installation_.password().c_str(),
                                installation_.absolute_service().c_str(), "MND09"),
            db::kSqlNoSchema);
  EXPECT_EQ(db::ConnectDatabase(installation_.login().c_str(), installation_.password().c_str(),
                                installation_.absolute_service().c_str(), "MND02"),
            kSqlOk);
  session().engine().PinSysdate(kPinnedSysdate);
  SelectResult p1 = PersonSettings("P1");
  EXPECT_EQ(p1.code, kSqlOk);
  EXPECT_EQ(p1.row, (Row{"21", "TWO1"}));
}

TEST_P(SessionConformanceTest, SchemaSwitchKeepsTheOpenTransaction) {
  // ALTER SESSION does not end a transaction: a line staged before the switch
  // is still pending after it and goes with the next commit.
  EXPECT_EQ(session().Execute(db::kStagingInsertSql,
                              {db::InText("switch.dnl", 101), db::InText("PENDING", 513)}),
            kSqlOk);
  EXPECT_EQ(db::SetCurrentSchema("MND02"), kSqlOk) << session().LastErrorText();
  SelectResult p1 = PersonSettings("P1");
  EXPECT_EQ(p1.code, kSqlOk);
  EXPECT_EQ(p1.row, (Row{"21", "TWO1"}));
  EXPECT_EQ(session().Commit(), kSqlOk);
  CursorResult lines = ReadCursor(db::kStagedLineCursorSql, {db::InText("switch.dnl", 101)},
                                  {TextOut(513)});
  EXPECT_EQ(lines.rows, (std::vector<Row>{{"PENDING"}}));
}

TEST_P(SessionConformanceTest, MissingTablesAndColumnsGiveTheirCodes) {
  struct Case {
    const char* what;
    const char* sql;
    int want;
  };
  const Case kCases[] = {
      {"missing tenant table", "select PnrSal into :b0:b1  from Kvs399Xyz where PnrNum=:b2",
       db::kSqlNoTable},
      {"missing system table", "select PnrSal into :b0:b1  from KvSystem.Kvs399Xyz where PnrNum=:b2",
       db::kSqlNoTable},
      {"tenant table qualified with the system schema",
       "select PnrSal into :b0:b1  from KvSystem.Kvs300Pnr where PnrNum=:b2", db::kSqlNoTable},
      {"unknown column in the select list", "select PnrXyz into :b0:b1  from Kvs300Pnr where PnrNum=:b2",
       db::kSqlBadIdent},
      {"unknown column in the condition", "select PnrSal into :b0:b1  from Kvs300Pnr where PnrXyz=:b2",
       db::kSqlBadIdent},
      {"known columns", "select PnrSal into :b0:b1  from Kvs300Pnr where PnrNum=:b2", kSqlOk},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    SelectResult r = SelectOne(c.sql, {db::InText("P1", 9)}, {TextOut(11)});
    EXPECT_EQ(r.code, c.want) << session().LastErrorText();
    EXPECT_EQ(r.row, (Row{c.want == kSqlOk ? "SAL1" : "~"}));
    // The same text once more: a failed prepare is not kept as if it worked.
    EXPECT_EQ(SelectOne(c.sql, {db::InText("P1", 9)}, {TextOut(11)}).code, c.want);
  }
  CursorResult cursor =
      ReadCursor("select PnrSal  from Kvs399Xyz where PnrNum=:b0", {db::InText("P1", 9)}, {TextOut(11)});
  EXPECT_EQ(cursor.open_code, db::kSqlNoTable);
  EXPECT_EQ(cursor.rows, std::vector<Row>{});
  EXPECT_EQ(session().Execute("delete  from KvSystem.Kvs998Xyz  where TmpUsr=:b0",
                                          {db::InText("k", 101)}),
            db::kSqlNoTable);
  // After the failures the session goes on.
  EXPECT_EQ(PersonSettings("P1").row, (Row{"1", "SAL1"}));
}

TEST_P(SessionConformanceTest, TextCrossesTheEngineInWindows1252) {
  // kTerminalInfoSql: TSMTYP and TSMSAL (texts of width 11) of terminal :b4.
  struct Case {
    const char* what;
    std::string terminal;
    int want_code;
    Row want_row;
  };
  const Case kCases[] = {
      {"0xE4 finds the row stored with U+00E4; U+00DC arrives as 0xDC, U+0100 as ?", "B\xE4r", kSqlOk,
       {"\xDC" "berstd.", "A?B"}},
      {"a CJK text arrives as one ? per character", "CJK", kSqlOk, {"??", "x"}},
      {"0x80 is the euro sign both ways", "E\x80", kSqlOk, {"Euro \x80", "e"}},
      {"the UTF-8 bytes are two other Windows-1252 characters", "B\xC3\xA4r", kSqlNoRow, {"~", "~"}},
      {"without the umlaut", "Bar", kSqlNoRow, {"~", "~"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    SelectResult r = SelectOne(lookup::kTerminalInfoSql, {db::InText(c.terminal.c_str(), 11)},
                               {TextOut(11), TextOut(11)});
    EXPECT_EQ(r.code, c.want_code) << session().LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
  // "Überstd." is eight bytes, one per character.
  SelectResult r = SelectOne(lookup::kTerminalInfoSql, {db::InText("B\xE4r", 11)}, {TextOut(11), TextOut(11)});
  ASSERT_EQ(r.code, kSqlOk);
  EXPECT_EQ(r.row[0].size(), 8u);
  EXPECT_EQ(static_cast<unsigned char>(r.row[0][0]), 0xDCu);
}

INSTANTIATE_TEST_SUITE_P(Engines, SessionConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
