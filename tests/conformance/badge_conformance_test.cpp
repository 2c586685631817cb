// The badge cursor, the terminal lookup and the location lookup on each
// engine: validity at the edges of today, the status rules, the joins through
// the tenant and the current schema's person table, NULL columns and the
// order of the rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "lookup/lookup_statements.h"
#include "tests/conformance/conformance_fixture.h"

namespace kv::test {
namespace {

using db::kSqlNoRow;
using db::kSqlOk;
using db::kSqlTooManyRows;

// Today is 2026-06-15. Tenant 1 (key 100) is MND01, tenant 2 is MND02.
// Badges of MND01, by what decides them:
//   A01 from 2026-01-01 07:45, no end             valid
//   A02 no start, to today 23:59, NULL columns    valid
//   A03 to today 00:00, status 1                  valid
//   A04 from today 08:00, no end                  valid only from tomorrow
//   A05 from today 00:00, status 2                valid
//   A06 neither date                              never
//   A07 to yesterday 23:59:59                     ended
//   A08 from tomorrow                             not yet
//   A09 from today 08:00 to today 23:59           valid only from tomorrow
//   A10 no start, to yesterday                    ended
//   A11, A12 status 4 and 8                       deleted
//   A14 two active location rows (and two deleted) delivered twice
//   A15 only a deleted location row, A16 none     not delivered
//   A17 person P7 not in MND01's person table     not delivered
//   A18 key 200, which is not the tenant's        not delivered
//   A19 tenant 2                                  MND02's badge
//   A20 person P4 with status 4: the cursor does not look at it
//   A21 two rows: from 2026-02-01, and without start (to 2026-07-01)
//   A22 two rows with the same start, classes K9 and K10
// L23 and L24 are location rows (status 8 and 2) of numbers without a badge.
constexpr char kBadgeData[] = R"(
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (1, 100, 'MND01', 0, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (2, 100, 'MND02', 0, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P1', 'S1', 1, NULL);
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P4', 'S4', 1, 4);
INSERT INTO MND02.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P1', 'T1', 1, NULL);
INSERT INTO MND02.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES ('P7', 'T7', 1, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A22', 100, 1, '2026-03-01 00:00:00', NULL, 'P1', 'K9', 'G22', 'Aan 22', 22, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A21', 100, 1, NULL, '2026-07-01 00:00:00', 'P1', 'K1', 'G21', 'Aan 21', 21, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A01', 100, 1, '2026-01-01 07:45:00', NULL, 'P1', 'K1', 'G1', 'Aan one', 3, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A02', 100, 1, NULL, '2026-06-15 23:59:00', 'P1', NULL, NULL, NULL, NULL, 0);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A03', 100, 1, '2026-01-01 00:00:00', '2026-06-15 00:00:00', 'P1', 'K3', 'G3', 'Aan three', 0, 1);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A04', 100, 1, '2026-06-15 08:00:00', NULL, 'P1', 'K4', 'G4', 'Aan 4', 4, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A05', 100, 1, '2026-06-15 00:00:00', '2026-12-31 00:00:00', 'P1', 'K5', 'G5', 'Aan five', 5, 2);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A06', 100, 1, NULL, NULL, 'P1', 'K6', 'G6', 'Aan 6', 6, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A07', 100, 1, '2026-01-01 00:00:00', '2026-06-14 23:59:59', 'P1', 'K7', 'G7', 'Aan 7', 7, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A08', 100, 1, '2026-06-16 00:00:00', '2026-12-31 00:00:00', 'P1', 'K8', 'G8', 'Aan 8', 8, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A09', 100, 1, '2026-06-15 08:00:00', '2026-06-15 23:59:00', 'P1', 'K9', 'G9', 'Aan 9', 9, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A10', 100, 1, NULL, '2026-06-14 00:00:00', 'P1', 'K10', 'G10', 'Aan 10', 10, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A11', 100, 1, '2025-01-01 00:00:00', NULL, 'P1', 'K11', 'G11', 'Aan 11', 11, 4);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A12', 100, 1, '2025-01-01 00:00:00', NULL, 'P1', 'K12', 'G12', 'Aan 12', 12, 8);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A14', 100, 1, '2026-01-01 00:00:00', NULL, 'P1', 'K14', 'G14', 'Aan 14', 14, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A15', 100, 1, '2026-01-01 00:00:00', NULL, 'P1', 'K15', 'G15', 'Aan 15', 15, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A16', 100, 1, '2026-01-01 00:00:00', NULL, 'P1', 'K16', 'G16', 'Aan 16', 16, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A17', 100, 1, '2026-01-01 00:00:00', NULL, 'P7', 'K17', 'G17', 'Aan 17', 17, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A18', 200, 1, '2026-01-01 00:00:00', NULL, 'P1', 'K18', 'G18', 'Aan 18', 18, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A19', 100, 2, '2026-01-01 00:00:00', NULL, 'P1', 'K19', 'G19', 'Aan 19', 19, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A20', 100, 1, '2026-01-01 00:00:00', NULL, 'P4', 'K20', 'G20', 'Aan 20', 20, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A21', 100, 1, '2026-02-01 00:00:00', NULL, 'P1', 'K2', 'G21', 'Aan 21', 21, NULL);
INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES ('A22', 100, 1, '2026-03-01 00:00:00', NULL, 'P1', 'K10', 'G22', 'Aan 22', 22, NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A01', '1234', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A02', NULL, 0);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A03', '3', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A04', '4', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A05', '5', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A06', '6', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A07', '7', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A08', '8', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A09', '9', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A10', '10', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A11', '11', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A12', '12', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A14', '0000002', 7);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A14', '0000003', 4);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A14', '0000001', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A14', '0000004', 8);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A15', '55', 4);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A17', '17', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A18', '18', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A19', '19', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A20', '20', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A21', '21', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('A22', '22', NULL);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('L23', '1234', 8);
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES ('L24', '1234', 2);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('1234', 'Halle 7', NULL);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('3', 'H3', 1);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('5', 'Lager', 4);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('20', 'Tor', 8);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('21', 'X21', NULL);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('21', 'Y21', 0);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('22', NULL, NULL);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('0000001', 'Eins', NULL);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('0000002', 'Zwei', NULL);
INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES ('55', 'Fuenf', NULL);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T1', '4261-007', 'SAL1', 1, NULL);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T2', '4261-008', 'SAL2', 1, 4);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T3', '4261-009', 'SAL3', 1, 8);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T4', '4261-010', NULL, 1, 3);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T5', 'A', 'SA', 1, NULL);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T5', 'B', 'SB', 1, 0);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T6', 'X', 'SX', 1, 4);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES ('T6', '4261-011', 'SAL6', 1, 0);
INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES (NULL, 'NUL', 'SALN', 1, NULL);
)";

class BadgeConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kBadgeData; }
  std::vector<std::string> Tenants() const override { return {"MND01", "MND02"}; }
};

// The badge cursor's outputs: AswNum 51, the two date texts 15, AswPnr 9,
// AswBkl 6, AswGrp 6, AswAan 51, AswAtp integer, AwvSto 9, PnrSal 11.
const std::vector<Out> kBadgeOutputs = {TextOut(51), TextOut(15), TextOut(15), TextOut(9),
                                        TextOut(6),  TextOut(6),  TextOut(51), IntOut(),
                                        TextOut(9),  TextOut(11)};
// Rows of one badge number, start and class come in no fixed order.
const std::vector<std::size_t> kBadgeOrderKey = {0, 1, 4};

TEST_P(BadgeConformanceTest, BadgeCursorDeliversTheTenantsValidActiveBadgesInOrder) {
  struct Case {
    const char* what;
    const char* current_schema;
    const char* tenant;
    std::vector<Row> want;
  };
  const Case kCases[] = {
      {"MND01",
       "MND01",
       "MND01",
       {
           {"A01", "20260101", "~", "P1", "K1", "G1", "Aan one", "3", "1234", "S1"},
           {"A02", "~", "20260615", "P1", "~", "~", "~", "-9999", "~", "S1"},
           {"A03", "20260101", "20260615", "P1", "K3", "G3", "Aan three", "0", "3", "S1"},
           {"A05", "20260615", "20261231", "P1", "K5", "G5", "Aan five", "5", "5", "S1"},
           {"A14", "20260101", "~", "P1", "K14", "G14", "Aan 14", "14", "0000001", "S1"},
           {"A14", "20260101", "~", "P1", "K14", "G14", "Aan 14", "14", "0000002", "S1"},
           {"A20", "20260101", "~", "P4", "K20", "G20", "Aan 20", "20", "20", "S4"},
           // A NULL start sorts after every date, as NULL does in an
           // ascending order.
           {"A21", "20260201", "~", "P1", "K2", "G21", "Aan 21", "21", "21", "S1"},
           {"A21", "~", "20260701", "P1", "K1", "G21", "Aan 21", "21", "21", "S1"},
           // Classes in byte order: "K10" before "K9".
           {"A22", "20260301", "~", "P1", "K10", "G22", "Aan 22", "22", "22", "S1"},
           {"A22", "20260301", "~", "P1", "K9", "G22", "Aan 22", "22", "22", "S1"},
       }},
      {"MND02",
       "MND02",
       "MND02",
       {{"A19", "20260101", "~", "P1", "K19", "G19", "Aan 19", "19", "19", "T1"}}},
      // The person table is the current schema's, whatever tenant :b0 names.
      {"MND02's badges with MND01 current",
       "MND01",
       "MND02",
       {{"A19", "20260101", "~", "P1", "K19", "G19", "Aan 19", "19", "19", "S1"}}},
      {"schema name compared exactly", "MND01", "mnd01", {}},
      {"no such tenant", "MND01", "MND09", {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(db::SetCurrentSchema(c.current_schema), kSqlOk);
    CursorResult r = ReadCursor(lookup::kBadgeCursorSql, {db::InText(c.tenant, 21)}, kBadgeOutputs);
    EXPECT_EQ(r.open_code, kSqlOk) << session().LastErrorText();
    EXPECT_EQ(SortWithinTies(r.rows, kBadgeOrderKey), SortWithinTies(c.want, kBadgeOrderKey));
    EXPECT_EQ(r.end_code, kSqlNoRow);
    EXPECT_EQ(r.close_code, kSqlOk);
  }
}

TEST_P(BadgeConformanceTest, TerminalInfoSelectFindsOneActiveTerminal) {
  struct Case {
    const char* terminal;
    int want_code;
    Row want_row;  // TSMTYP, TSMSAL
  };
  const Case kCases[] = {
      {"T1", kSqlOk, {"4261-007", "SAL1"}},
      {"T2", kSqlNoRow, {"~", "~"}},           // status 4
      {"T3", kSqlNoRow, {"~", "~"}},           // status 8
      {"T4", kSqlOk, {"4261-010", "~"}},       // status 3; NULL list number
      {"T5", kSqlTooManyRows, {"~", "~"}},     // two active rows
      {"T6", kSqlOk, {"4261-011", "SAL6"}},    // the deleted twin does not count
      {"t1", kSqlNoRow, {"~", "~"}},
      {"T9", kSqlNoRow, {"~", "~"}},
      {"", kSqlNoRow, {"~", "~"}},             // NULL matches not even the NULL name
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.terminal);
    SelectResult r = SelectOne(lookup::kTerminalInfoSql, {db::InText(c.terminal, 11)},
                               {TextOut(11), TextOut(11)});
    EXPECT_EQ(r.code, c.want_code) << session().LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
}

TEST_P(BadgeConformanceTest, LocationTextSelectGoesThroughTheBadgesActiveLocation) {
  struct Case {
    const char* badge;
    int want_code;
    Row want_row;  // StoKtx, width 11
  };
  const Case kCases[] = {
      {"A01", kSqlOk, {"Halle 7"}},             // the whole text; cutting it is the caller's
      {"A03", kSqlOk, {"H3"}},                  // location status 1
      {"A05", kSqlNoRow, {"~"}},                // location status 4
      {"A20", kSqlNoRow, {"~"}},                // location status 8
      {"A21", kSqlTooManyRows, {"~"}},          // two active location rows of one number
      {"A14", kSqlTooManyRows, {"~"}},          // two active badge location rows
      {"A22", kSqlOk, {"~"}},                   // NULL text
      {"A15", kSqlNoRow, {"~"}},                // the badge's location row has status 4
      {"L23", kSqlNoRow, {"~"}},                // the badge's location row has status 8
      {"L24", kSqlOk, {"Halle 7"}},             // the badge's location row has status 2
      {"A02", kSqlNoRow, {"~"}},                // NULL location number
      {"Z99", kSqlNoRow, {"~"}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.badge);
    SelectResult r = SelectOne(lookup::kLocationTextSql, {db::InText(c.badge, 51)}, {TextOut(11)});
    EXPECT_EQ(r.code, c.want_code) << session().LastErrorText();
    EXPECT_EQ(r.row, c.want_row);
  }
}

INSTANTIATE_TEST_SUITE_P(Engines, BadgeConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
