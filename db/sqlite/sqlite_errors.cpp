#include "db/sqlite/sqlite_errors.h"

#include <sqlite3.h>

#include <cstring>

#include "db/sql_status.h"

namespace kv::db {

int MapSqliteError(int extended_code, const char* message) {
  if (extended_code == SQLITE_CONSTRAINT_PRIMARYKEY || extended_code == SQLITE_CONSTRAINT_UNIQUE)
    return kSqlDupKey;
  if ((extended_code & 0xff) == SQLITE_ERROR && message != nullptr) {
    if (std::strncmp(message, "no such table", 13) == 0) return kSqlNoTable;
    if (std::strncmp(message, "no such column", 14) == 0) return kSqlBadIdent;
    if (std::strncmp(message, "no such savepoint", 17) == 0) return kSqlSavepointNeverEstablished;
  }
  int code = extended_code > 0 ? extended_code : SQLITE_ERROR;
  return -(20000 + code);
}

}  // namespace kv::db
