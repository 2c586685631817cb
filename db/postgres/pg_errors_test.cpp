#include "db/postgres/pg_errors.h"

#include <gtest/gtest.h>

#include <string>

#include "db/sql_status.h"

namespace kv::db {
namespace {

TEST(PgErrorsTest, MapsSqlStatesToTheRuntimeCodes) {
  struct Case {
    const char* sqlstate;
    int want;
  };
  const Case cases[] = {
      {"23505", kSqlDupKey},      {"42P01", kSqlNoTable},     {"42703", kSqlBadIdent},
      {"3F000", kSqlNoSchema},    {"28P01", kSqlLogonDenied}, {"28000", kSqlLogonDenied},
      {"08006", -3113},           {nullptr, -3113},           {"", -3113},
      // 22P05 untranslatable character, 42601 syntax error: base 36.
      {"22P05", -(((((2 * 36) + 2) * 36 + 25) * 36 + 0) * 36 + 5)},
      {"42601", -(((((4 * 36) + 2) * 36 + 6) * 36 + 0) * 36 + 1)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sqlstate == nullptr ? "null" : c.sqlstate);
    EXPECT_EQ(MapPgError(c.sqlstate), c.want);
  }
}

TEST(PgErrorsTest, NoStateMapsToSuccessOrNoRow) {
  const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  std::string state = "00000";
  // Every class (first two characters) with a few subclasses.
  for (char a : std::string(digits)) {
    for (char b : std::string(digits)) {
      for (const char* tail : {"000", "001", "P01", "ZZZ"}) {
        state = std::string{a, b} + tail;
        int mapped = MapPgError(state.c_str());
        ASSERT_LT(mapped, 0) << state;
        ASSERT_NE(mapped, kSqlNoRow) << state;
      }
    }
  }
}

TEST(PgErrorsTest, ConnectRefusalsAreLogonDeniedAndTheRestNoService) {
  struct Case {
    const char* message;
    int want;
  };
  const Case cases[] = {
      {"FATAL:  password authentication failed for user \"kvtest\"", kSqlLogonDenied},
      {"fe_sendauth: no password supplied", kSqlLogonDenied},
      {"FATAL:  role \"nosuch\" does not exist", kSqlLogonDenied},
      {"FATAL:  no pg_hba.conf entry for host \"127.0.0.1\"", kSqlLogonDenied},
      {"FATAL:  database \"kv\" does not exist", kSqlNoService},
      {"could not connect to server: Connection refused", kSqlNoService},
      {"timeout expired", kSqlNoService},
      {nullptr, kSqlNoService},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message == nullptr ? "null" : c.message);
    EXPECT_EQ(MapPgConnectError(c.message), c.want);
  }
}

}  // namespace
}  // namespace kv::db
