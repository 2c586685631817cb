// The SQLite half of the installation builder.
#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "tools/install_plan.h"

namespace kv::tools {
namespace {

struct CloseDb {
  void operator()(sqlite3* db) const { sqlite3_close_v2(db); }
};
using DbHandle = std::unique_ptr<sqlite3, CloseDb>;

// Opens path (created when missing). Double-quoted text is an identifier
// only, never a string literal, as PostgreSQL takes it: a data file that
// relies on SQLite's leniency would load on one engine only.
int OpenDb(const std::string& path, DbHandle* db, std::string* error) {
  sqlite3* raw = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  db->reset(raw);
  if (rc != SQLITE_OK) {
    *error = "cannot open " + path + ": " + (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc));
    return rc;
  }
  sqlite3_db_config(raw, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(raw, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  return SQLITE_OK;
}

// Runs one statement to its end; rows it returns are dropped.
int Exec(sqlite3* db, const std::string& sql) {
  sqlite3_stmt* st = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), static_cast<int>(sql.size()), &st, nullptr);
  if (rc == SQLITE_OK && st != nullptr) {
    do rc = sqlite3_step(st);
    while (rc == SQLITE_ROW);
    if (rc == SQLITE_DONE) rc = SQLITE_OK;
  }
  sqlite3_finalize(st);
  return rc;
}

int RunScript(sqlite3* db, const std::string& path, const std::vector<ScriptStatement>& statements,
              std::string* error) {
  int rc = Exec(db, "BEGIN");
  if (rc != SQLITE_OK) {
    *error = path + ": cannot begin a transaction: " + sqlite3_errmsg(db);
    return rc;
  }
  for (const ScriptStatement& s : statements) {
    rc = Exec(db, s.text);
    if (rc != SQLITE_OK) {
      *error = StatementPlace(path, s) + sqlite3_errmsg(db) + "\n  in statement: " + StatementExcerpt(s);
      Exec(db, "ROLLBACK");
      return rc;
    }
  }
  rc = Exec(db, "COMMIT");
  if (rc != SQLITE_OK) {
    *error = path + ": cannot commit: " + sqlite3_errmsg(db);
    Exec(db, "ROLLBACK");
  }
  return rc;
}

bool RemoveDatabaseFiles(const std::string& path, std::string* error) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) {
    std::error_code ec;
    std::filesystem::remove(path + suffix, ec);
    if (ec) {
      *error = "cannot remove " + path + suffix + ": " + ec.message();
      return false;
    }
  }
  return true;
}

InstallStatus CreateSchemaFile(const std::string& folder, const SchemaScript& schema, std::string* error) {
  const std::string path = folder + "/" + schema.name + ".sqlite";
  if (!RemoveDatabaseFiles(path, error)) return InstallStatus::kFileError;
  DbHandle db;
  if (OpenDb(path, &db, error) != SQLITE_OK) return InstallStatus::kFileError;
  // WAL stays with the file, for the tool's sessions. Without syncs a build
  // takes a fraction of the time; a build that a crash interrupts is simply
  // run again.
  if (Exec(db.get(), "PRAGMA journal_mode=WAL") != SQLITE_OK ||
      Exec(db.get(), "PRAGMA synchronous=OFF") != SQLITE_OK) {
    *error = path + ": cannot set the journal mode: " + sqlite3_errmsg(db.get());
    return InstallStatus::kSqlError;
  }
  if (RunScript(db.get(), schema.ddl_path, schema.statements, error) != SQLITE_OK)
    return InstallStatus::kSqlError;
  return InstallStatus::kOk;
}

// Attaches the plan's schemas that the script names, each under its name.
// Names of unknown schemas are left to the statements to fail on.
InstallStatus AttachNamedSchemas(sqlite3* db, const std::string& folder, const InstallPlan& plan,
                                 const DataScript& script, std::string* error) {
  std::vector<std::string> named;
  for (const ScriptStatement& s : script.statements)
    for (const std::string& name : QualifierNames(s.text))
      if (std::find(named.begin(), named.end(), name) == named.end()) named.push_back(name);
  int attached = 0;
  const int limit = sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, -1);
  for (const SchemaScript& schema : plan.schemas) {
    if (std::find(named.begin(), named.end(), schema.name) == named.end()) continue;
    if (++attached > limit) {
      *error = script.path + ": names more schemas than SQLite attaches at once (" +
               std::to_string(limit) + "); split it into several data files";
      return InstallStatus::kBadArgument;
    }
    sqlite3_stmt* st = nullptr;
    const std::string sql = "ATTACH DATABASE ?1 AS " + schema.name;
    int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
    if (rc == SQLITE_OK) {
      const std::string path = folder + "/" + schema.name + ".sqlite";
      sqlite3_bind_text(st, 1, path.c_str(), -1, SQLITE_TRANSIENT);
      rc = sqlite3_step(st);
    }
    sqlite3_finalize(st);
    if (rc == SQLITE_DONE) rc = Exec(db, "PRAGMA " + schema.name + ".synchronous=OFF");
    if (rc != SQLITE_OK) {
      *error = script.path + ": cannot attach schema " + schema.name + ": " + sqlite3_errmsg(db);
      return InstallStatus::kSqlError;
    }
  }
  return InstallStatus::kOk;
}

}  // namespace

InstallStatus InstallOnSqlite(const std::string& folder, const InstallPlan& plan, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    *error = "cannot create the database folder " + folder + ": " + ec.message();
    return InstallStatus::kFileError;
  }
  for (const SchemaScript& schema : plan.schemas) {
    InstallStatus status = CreateSchemaFile(folder, schema, error);
    if (status != InstallStatus::kOk) return status;
  }
  for (const DataScript& script : plan.data) {
    // A connection per script: each attaches only what it names, so that a
    // larger installation stays within SQLite's limit of attached files.
    DbHandle db;
    if (OpenDb(":memory:", &db, error) != SQLITE_OK) return InstallStatus::kSqlError;
    InstallStatus status = AttachNamedSchemas(db.get(), folder, plan, script, error);
    if (status != InstallStatus::kOk) return status;
    if (RunScript(db.get(), script.path, script.statements, error) != SQLITE_OK)
      return InstallStatus::kSqlError;
  }
  return InstallStatus::kOk;
}

}  // namespace kv::tools
