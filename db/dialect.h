// Translation of the tool's statement texts (Oracle dialect) into the SQL of
// an engine. The texts stay in the statement modules exactly as the system
// gives them; each engine translates them once per prepare.
#ifndef KORVANTIS_DB_DIALECT_H_
#define KORVANTIS_DB_DIALECT_H_

#include <string>
#include <string_view>

namespace kv::db {

enum class DialectFlavor { kSqlite, kPostgres };

enum class StatementKind {
  kSelect,       // SELECT, with or without into clause
  kInsert,
  kUpdate,
  kDelete,
  kSavepoint,    // "savepoint X"
  kRollbackTo,   // "rollback  to X"
  kCommit,       // "commit"
  kAlterSchema,  // "ALTER SESSION SET CURRENT_SCHEMA=X"
};

// Statements that change data or mark a point to return to: the first of
// them after a commit opens the transaction.
inline bool IsWriteStatement(StatementKind k) {
  return k == StatementKind::kInsert || k == StatementKind::kUpdate ||
         k == StatementKind::kDelete || k == StatementKind::kSavepoint;
}

struct DialectOptions {
  DialectFlavor flavor = DialectFlavor::kSqlite;
  // Unqualified table names are qualified with this schema, so that they
  // resolve in the current schema only, as on Oracle. Must be a plain
  // identifier (see IsPlainIdentifier); empty leaves them unqualified.
  std::string current_schema;
  // 'YYYY-MM-DD HH:MM:SS' to pin SYSDATE, empty for the database clock.
  std::string pinned_sysdate;
};

struct TranslatedStatement {
  StatementKind kind = StatementKind::kSelect;
  std::string sql;         // the engine's text; placeholders ?1.. (SQLite) or $1.. (PostgreSQL)
  int input_count = 0;     // distinct :bN placeholders outside the into clause
  int into_count = 0;      // output host variables named in the into clause
  std::string name;        // kSavepoint/kRollbackTo: the savepoint; kAlterSchema: the schema as written
};

// Returns 0, or -900 (invalid SQL statement) for a text it cannot translate:
// unbalanced parentheses or quotes, an unknown statement kind, an into clause
// that is not a list of :bN[:bN] pairs.
int TranslateStatement(std::string_view oracle_text, const DialectOptions& options,
                       TranslatedStatement* out);

// Letters, digits, '_', '$' and '#', at most 30 characters, a letter first.
bool IsPlainIdentifier(std::string_view name);

}  // namespace kv::db

#endif  // KORVANTIS_DB_DIALECT_H_
