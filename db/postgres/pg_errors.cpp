#include "db/postgres/pg_errors.h"

#include <cstring>

#include "db/sql_status.h"

namespace kv::db {
namespace {

struct StateCode {
  const char* sqlstate;
  int code;
};

constexpr StateCode kStates[] = {
    {"23505", kSqlDupKey},       // unique_violation
    {"42P01", kSqlNoTable},      // undefined_table
    {"42703", kSqlBadIdent},     // undefined_column
    {"3F000", kSqlNoSchema},     // invalid_schema_name
    {"28P01", kSqlLogonDenied},  // invalid_password
    {"28000", kSqlLogonDenied},  // authorization refused (e.g. unknown role)
};

constexpr int kLostConnection = -3113;

int Base36(const char* s) {
  int v = 0;
  for (int i = 0; i < 5 && s[i] != '\0'; ++i) {
    char c = s[i];
    int d = (c >= '0' && c <= '9') ? c - '0' : (c >= 'A' && c <= 'Z') ? c - 'A' + 10 : 0;
    v = v * 36 + d;
  }
  return v;
}

}  // namespace

int MapPgError(const char* sqlstate) {
  if (sqlstate == nullptr || std::strlen(sqlstate) != 5) return kLostConnection;
  for (const StateCode& s : kStates)
    if (std::strcmp(s.sqlstate, sqlstate) == 0) return s.code;
  if (std::strncmp(sqlstate, "08", 2) == 0) return kLostConnection;
  int v = Base36(sqlstate);
  return v > 0 ? -v : kLostConnection;
}

int MapPgConnectError(const char* message) {
  static const char* const kRefusals[] = {
      "password authentication failed", "no password supplied", "authentication failed",
      "not permitted to log in", "no pg_hba.conf entry",
  };
  if (message == nullptr) return kSqlNoService;
  for (const char* r : kRefusals)
    if (std::strstr(message, r) != nullptr) return kSqlLogonDenied;
  if (std::strstr(message, "role \"") != nullptr && std::strstr(message, "does not exist") != nullptr)
    return kSqlLogonDenied;
  return kSqlNoService;
}

}  // namespace kv::db
