// Status codes of the SQL runtime, the same on every engine. 0 and 1403 are
// results; every negative value is an error that the caller prints or passes on.
#ifndef KORVANTIS_DB_SQL_STATUS_H_
#define KORVANTIS_DB_SQL_STATUS_H_

namespace kv::db {

inline constexpr int kSqlOk = 0;               // success
inline constexpr int kSqlNoRow = 1403;         // no (further) row; DELETE removed nothing
inline constexpr int kSqlTooManyRows = -2112;  // single-row SELECT found more than one row
inline constexpr int kSqlDupKey = -1;          // INSERT refused by the primary key
inline constexpr int kSqlNoSchema = -1435;     // schema switch to a schema that does not exist
inline constexpr int kSqlNoTable = -942;       // table or view does not exist
inline constexpr int kSqlBadIdent = -904;      // invalid identifier (unknown column)
inline constexpr int kSqlLogonDenied = -1017;  // wrong user or password
inline constexpr int kSqlNoService = -12154;   // service name that no engine can reach
inline constexpr int kSqlInvalidCursor = -1001;  // cursor used while closed, or opened twice
inline constexpr int kSqlNotConnected = -3114;   // statement without a session
inline constexpr int kSqlIntOverflow = -1455;    // column value does not fit a 32-bit integer
inline constexpr int kSqlNotInSelectList = -1007;  // more outputs than the statement delivers
inline constexpr int kSqlNotAllVariablesBound = -1008;  // fewer inputs than placeholders
inline constexpr int kSqlSavepointNeverEstablished = -1086;  // rollback to an unknown savepoint

}  // namespace kv::db

#endif  // KORVANTIS_DB_SQL_STATUS_H_
