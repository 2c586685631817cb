#include "db/sqlite/sqlite_errors.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "db/sql_status.h"

namespace kv::db {
namespace {

TEST(SqliteErrorsTest, MapsToTheRuntimeCodes) {
  struct Case {
    int extended;
    const char* message;
    int want;
  };
  const Case cases[] = {
      {SQLITE_CONSTRAINT_PRIMARYKEY, "UNIQUE constraint failed: Kvs999Tmp.TmpUsr", kSqlDupKey},
      {SQLITE_CONSTRAINT_UNIQUE, "UNIQUE constraint failed: t.x", kSqlDupKey},
      {SQLITE_ERROR, "no such table: MND01.Kvs300Pnr", kSqlNoTable},
      {SQLITE_ERROR, "no such column: PnrXyz", kSqlBadIdent},
      {SQLITE_ERROR, "no such savepoint: Tmp_PKeyIns_Sp", kSqlSavepointNeverEstablished},
      {SQLITE_ERROR, "near \"x\": syntax error", -20001},
      {SQLITE_CONSTRAINT_CHECK, "CHECK constraint failed", -(20000 + SQLITE_CONSTRAINT_CHECK)},
      {SQLITE_CONSTRAINT_NOTNULL, "NOT NULL constraint failed", -(20000 + SQLITE_CONSTRAINT_NOTNULL)},
      {SQLITE_BUSY, "database is locked", -(20000 + SQLITE_BUSY)},
      {SQLITE_FULL, "database or disk is full", -(20000 + SQLITE_FULL)},
      {SQLITE_IOERR_WRITE, "disk I/O error", -(20000 + SQLITE_IOERR_WRITE)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    EXPECT_EQ(MapSqliteError(c.extended, c.message), c.want);
  }
}

TEST(SqliteErrorsTest, NoFailureMapsToSuccessOrNoRow) {
  // Every primary and extended code SQLite defines lies below 1 << 16.
  for (int code = 0; code < (1 << 16); ++code) {
    int mapped = MapSqliteError(code, "some failure");
    ASSERT_LT(mapped, 0) << code;
    mapped = MapSqliteError(code, nullptr);
    ASSERT_LT(mapped, 0) << code;
  }
}

}  // namespace
}  // namespace kv::db
