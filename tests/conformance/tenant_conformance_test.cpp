// The two tenant cursors on each engine: the tenants linked to a terminal and
// all active tenants. Neither orders its rows, so the lists are compared as
// sets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/sql_status.h"
#include "db/tenant_cursors.h"
#include "tests/conformance/conformance_fixture.h"

namespace kv::test {
namespace {

using db::kSqlNoRow;
using db::kSqlOk;

// Tenants (number, key, schema, kind, status): MND01, MND02 (status 1),
// MND03 (kind 2) and MND08 (status 3) are listed; MND04 (kind 1), MND05
// (kind NULL), MND06 (status 4) and MND07 (status 8) are not.
// TERM01 links 1 (link status NULL), 2 (link status 0); its links to 3
// (link status 8), 4 (kind 1), 5 (kind NULL), 6 (tenant status 4) and 8
// (link status 4) do not count. TERM02 links 1, 3 (link status 2), 7
// (tenant status 8) and 2 under another key (200), which matches no tenant.
// TERM03 links 8 only. TERM99 has no link.
constexpr char kTenantData[] = R"(
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (1, 100, 'MND01', 0, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (2, 100, 'MND02', 0, 1);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (3, 100, 'MND03', 2, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (4, 100, 'MND04', 1, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (5, 100, 'MND05', NULL, NULL);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (6, 100, 'MND06', 0, 4);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (7, 100, 'MND07', 0, 8);
INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES (8, 100, 'MND08', 0, 3);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 1, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 2, 0);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 3, 8);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 4, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 5, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 6, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM01', 100, 8, 4);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM02', 100, 1, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM02', 100, 3, 2);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM02', 100, 7, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM02', 200, 2, NULL);
INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES ('TERM03', 100, 8, NULL);
)";

class TenantConformanceTest : public ConformanceTest {
 protected:
  std::string Data() const override { return kTenantData; }
  std::string StartSchema() const override { return "KVSYSTEM"; }
};

std::vector<Row> Schemas(std::vector<const char*> names) {
  std::vector<Row> rows;
  for (const char* n : names) rows.push_back({n});
  return SortWithinTies(rows, {});
}

TEST_P(TenantConformanceTest, TerminalTenantCursorListsActiveLinksToActiveTenantsOfKindOtherThanOne) {
  struct Case {
    const char* terminal;
    std::vector<Row> want;
  };
  const Case kCases[] = {
      {"TERM01", Schemas({"MND01", "MND02"})},
      {"TERM02", Schemas({"MND01", "MND03"})},
      {"TERM03", Schemas({"MND08"})},
      {"TERM99", {}},
      // The terminal name is compared exactly.
      {"term01", {}},
      {"TERM0", {}},
      {"TERM01 ", {}},
      {"", {}},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string("terminal '") + c.terminal + "'");
    CursorResult r = ReadCursor(db::kTerminalTenantSql, {db::InText(c.terminal, db::kTerminalNameWidth)},
                                {TextOut(db::kTenantSchemaWidth)});
    EXPECT_EQ(r.open_code, kSqlOk) << session().LastErrorText();
    EXPECT_EQ(SortWithinTies(r.rows, {}), c.want);
    EXPECT_EQ(r.end_code, kSqlNoRow);
    EXPECT_EQ(r.close_code, kSqlOk);
  }
}

TEST_P(TenantConformanceTest, TenantCursorListsActiveTenantsOfKindOtherThanOne) {
  CursorResult r = ReadCursor(db::kTenantSql, {}, {TextOut(db::kTenantSchemaWidth)});
  EXPECT_EQ(r.open_code, kSqlOk) << session().LastErrorText();
  EXPECT_EQ(SortWithinTies(r.rows, {}), Schemas({"MND01", "MND02", "MND03", "MND08"}));
  EXPECT_EQ(r.end_code, kSqlNoRow);
  EXPECT_EQ(r.close_code, kSqlOk);
  // A fetch after the end stays at 1403; a new open starts again.
  db::SqlCursor cursor;
  ASSERT_EQ(session().Open(&cursor, db::kTenantSql, {}), kSqlOk);
  char schema[db::kTenantSchemaWidth] = "~";
  int fetched = 0;
  while (session().Fetch(&cursor, {db::TextVar(schema, db::kTenantSchemaWidth)}) == kSqlOk) ++fetched;
  EXPECT_EQ(fetched, 4);
  std::string last = schema;
  EXPECT_EQ(session().Fetch(&cursor, {db::TextVar(schema, db::kTenantSchemaWidth)}), kSqlNoRow);
  EXPECT_EQ(std::string(schema), last);
  EXPECT_EQ(session().Close(&cursor), kSqlOk);
}

INSTANTIATE_TEST_SUITE_P(Engines, TenantConformanceTest, AllEngines(), EngineParamName);

}  // namespace
}  // namespace kv::test
