// Each statement text is prepared once per session and reused: the server
// holds one prepared statement per text, however often it runs, and a schema
// switch prepares the tenant statements anew.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "db/staging_table.h"
#include "tests/test_installation.h"

namespace kv::test {
namespace {

int PreparedCount(const char* pattern) {
  std::int32_t count = -1;
  int rc = db::CurrentSession()->SelectInto(
      "select count(*)  into :b0:b1  from pg_catalog.pg_prepared_statements where statement like :b2",
      {db::InText(pattern, 101)}, {db::IntVar(&count)});
  return rc == db::kSqlOk ? count : rc;
}

TEST(PreparedStatementsTest, StatementsArePreparedOncePerSessionAndText) {
  KV_SKIP_UNLESS_POSTGRES();
  std::string error;
  TestInstallation inst;
  ASSERT_TRUE(inst.Create(EngineKind::kPostgres, {"MND01"}, "", &error)) << error;
  ASSERT_EQ(db::ConnectDatabase(inst.login().c_str(), inst.password().c_str(),
                                inst.absolute_service().c_str(), "KVSYSTEM"),
            db::kSqlOk);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(db::InsertStagedLine("a.dnl", ("LINE" + std::to_string(i)).c_str()), db::kSqlOk);
    EXPECT_EQ(db::DeleteStagedLines("b.dnl"), db::kSqlNoRow);
  }
  EXPECT_EQ(PreparedCount("insert into KvSystem.Kvs999Tmp%"), 1);
  EXPECT_EQ(PreparedCount("delete  from KvSystem.Kvs999Tmp%"), 1);

  const char* tenant_sql = "select count(*)  into :b0:b1  from Kvs300Pnr";
  std::int32_t n = -1;
  for (int i = 0; i < 3; ++i) EXPECT_EQ(db::CurrentSession()->SelectInto(tenant_sql, {}, {db::IntVar(&n)}), db::kSqlNoTable);
  ASSERT_EQ(db::SetCurrentSchema("MND01"), db::kSqlOk);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(db::CurrentSession()->SelectInto(tenant_sql, {}, {db::IntVar(&n)}), db::kSqlOk);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(PreparedCount("select count(*)  from \"mnd01\".Kvs300Pnr%"), 1);
  db::DisconnectDatabase();
}

}  // namespace
}  // namespace kv::test
