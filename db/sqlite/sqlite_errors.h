// SQLite's result codes mapped to the runtime's status codes, in one place.
#ifndef KORVANTIS_DB_SQLITE_SQLITE_ERRORS_H_
#define KORVANTIS_DB_SQLITE_SQLITE_ERRORS_H_

namespace kv::db {

// extended_code: sqlite3_extended_errcode; message: sqlite3_errmsg (prepare
// errors all share SQLITE_ERROR and differ only in their text). Never returns
// 0 or 1403: an unmapped failure becomes -(20000 + extended_code).
int MapSqliteError(int extended_code, const char* message);

}  // namespace kv::db

#endif  // KORVANTIS_DB_SQLITE_SQLITE_ERRORS_H_
