#include "db/sqlite/sqlite_engine.h"

#include <sqlite3.h>

#include <cstdio>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "db/ascii.h"
#include "db/dialect.h"
#include "db/sql_status.h"
#include "db/sqlite/sqlite_errors.h"
#include "db/text_codec.h"

namespace kv::db {
namespace {

constexpr char kSystemSchema[] = "KVSYSTEM";
constexpr int kBusyTimeoutMs = 30000;

// A path as an SQLite URI, so that the file is opened read-write but never
// created: a schema without its file does not exist.
std::string FileUri(const std::string& path) {
  std::string uri = "file:";
  for (unsigned char c : path) {
    if (c == '%' || c == '?' || c == '#' || c < 0x20 || c >= 0x7f) {
      char hex[4];
      std::snprintf(hex, sizeof hex, "%%%02X", c);
      uri += hex;
    } else {
      uri += static_cast<char>(c);
    }
  }
  return uri + "?mode=rw";
}

bool FileExists(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

class SqliteEngine final : public Engine {
 public:
  SqliteEngine(sqlite3* db, std::string folder) : db_(db), folder_(std::move(folder)) {}
  ~SqliteEngine() override {
    ClearCache();
    sqlite3_close_v2(db_);
  }

  int Attach(const std::string& schema) {
    std::string path = folder_ + "/" + schema + ".sqlite";
    if (!FileExists(path)) return kSqlNoSchema;
    sqlite3_stmt* st = nullptr;
    std::string sql = "ATTACH DATABASE ?1 AS \"" + schema + "\"";
    int rc = sqlite3_prepare_v2(db_, sql.c_str(), -1, &st, nullptr);
    if (rc == SQLITE_OK) {
      std::string uri = FileUri(path);
      sqlite3_bind_text(st, 1, uri.c_str(), -1, SQLITE_TRANSIENT);
      rc = sqlite3_step(st);
    }
    sqlite3_finalize(st);
    if (rc != SQLITE_DONE) return Fail();
    attached_.push_back(schema);
    // The installation's files are in WAL mode already (it is kept in the
    // file); inside a transaction the mode cannot change, and need not.
    if (!InTransaction()) {
      std::string wal = "PRAGMA \"" + schema + "\".journal_mode=WAL";
      if (sqlite3_exec(db_, wal.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) return Fail();
    }
    std::string sync = "PRAGMA \"" + schema + "\".synchronous=NORMAL";
    (void)sqlite3_exec(db_, sync.c_str(), nullptr, nullptr, nullptr);
    return kSqlOk;
  }

  int Run(std::string_view text, std::span<const BindValue> inputs, std::vector<SqlRow>* rows,
          int max_rows) override {
    error_.clear();
    Prepared* p = nullptr;
    int rc = Prepare(text, &p);
    if (rc != kSqlOk) return rc;
    const TranslatedStatement& t = p->translated;
    switch (t.kind) {
      case StatementKind::kAlterSchema:
        return SetCurrentSchema(t.name);
      case StatementKind::kCommit:
        return Commit();
      case StatementKind::kRollbackTo:
        if (!InTransaction()) {
          error_ = "savepoint never established";
          return kSqlSavepointNeverEstablished;
        }
        break;
      default:
        break;
    }
    if (static_cast<int>(inputs.size()) != t.input_count) {
      error_ = "not all variables bound";
      return kSqlNotAllVariablesBound;
    }
    if (IsWriteStatement(t.kind) && !InTransaction()) {
      // The write lock is taken at once, so that concurrent runs wait for
      // each other instead of failing on a stale read snapshot.
      if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Fail();
      dirty_ = false;
    }
    if (t.kind == StatementKind::kSavepoint) {
      // Oracle moves a savepoint whose name is used again; SQLite would
      // stack a second one.
      std::string name = ToAsciiUpper(t.name);
      if (savepoints_.count(name) != 0) {
        std::string release = "RELEASE SAVEPOINT " + name;
        (void)sqlite3_exec(db_, release.c_str(), nullptr, nullptr, nullptr);
        savepoints_.erase(name);
      }
    }
    sqlite3_stmt* st = p->stmt;
    for (std::size_t i = 0; i < inputs.size(); ++i) Bind(st, static_cast<int>(i) + 1, inputs[i]);
    rc = Step(st, t.kind, rows, max_rows);
    sqlite3_reset(st);
    sqlite3_clear_bindings(st);
    if (t.kind == StatementKind::kSavepoint && rc == kSqlOk) savepoints_.insert(ToAsciiUpper(t.name));
    if (!InTransaction()) savepoints_.clear();
    return rc;
  }

  int Commit() override {
    error_.clear();
    if (InTransaction() && sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
      return Fail();
    dirty_ = false;
    savepoints_.clear();
    DetachStale();
    return kSqlOk;
  }

  void PinSysdate(std::string_view timestamp) override {
    pinned_sysdate_ = std::string(timestamp);
    ClearCache();
  }

  const std::string& LastErrorText() const override { return error_; }

 private:
  struct Prepared {
    TranslatedStatement translated;
    sqlite3_stmt* stmt = nullptr;
  };

  bool InTransaction() const { return sqlite3_get_autocommit(db_) == 0; }

  int Fail() {
    error_ = sqlite3_errmsg(db_);
    return MapSqliteError(sqlite3_extended_errcode(db_), error_.c_str());
  }

  int Prepare(std::string_view text, Prepared** out) {
    std::string key(text);
    auto it = cache_.find(key);
    if (it != cache_.end()) {
      *out = &it->second;
      return kSqlOk;
    }
    Prepared p;
    DialectOptions options;
    options.flavor = DialectFlavor::kSqlite;
    options.current_schema = current_schema_;
    options.pinned_sysdate = pinned_sysdate_;
    int rc = TranslateStatement(text, options, &p.translated);
    if (rc != kSqlOk) {
      error_ = "statement not understood: " + key;
      return rc;
    }
    if (p.translated.kind != StatementKind::kAlterSchema &&
        p.translated.kind != StatementKind::kCommit) {
      if (sqlite3_prepare_v2(db_, p.translated.sql.c_str(), -1, &p.stmt, nullptr) != SQLITE_OK) {
        rc = Fail();
        sqlite3_finalize(p.stmt);
        return rc;
      }
    }
    *out = &cache_.emplace(std::move(key), std::move(p)).first->second;
    return kSqlOk;
  }

  void ClearCache() {
    for (auto& [text, p] : cache_) sqlite3_finalize(p.stmt);
    cache_.clear();
  }

  static void Bind(sqlite3_stmt* st, int index, const BindValue& v) {
    switch (v.kind) {
      case BindValue::Kind::kNull:
        sqlite3_bind_null(st, index);
        break;
      case BindValue::Kind::kText: {
        std::string utf8 = Cp1252ToUtf8(v.text);
        sqlite3_bind_text(st, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        break;
      }
      case BindValue::Kind::kInt:
        sqlite3_bind_int64(st, index, v.i);
        break;
      case BindValue::Kind::kDouble:
        sqlite3_bind_double(st, index, v.d);
        break;
    }
  }

  static SqlValue Column(sqlite3_stmt* st, int i) {
    switch (sqlite3_column_type(st, i)) {
      case SQLITE_NULL:
        return std::nullopt;
      case SQLITE_INTEGER:
        return std::to_string(sqlite3_column_int64(st, i));
      case SQLITE_FLOAT: {
        char buf[40];
        std::snprintf(buf, sizeof buf, "%.17g", sqlite3_column_double(st, i));
        return std::string(buf);
      }
      default: {
        const unsigned char* s = sqlite3_column_text(st, i);
        int n = sqlite3_column_bytes(st, i);
        return Utf8ToCp1252(std::string_view(reinterpret_cast<const char*>(s), static_cast<std::size_t>(n)));
      }
    }
  }

  int Step(sqlite3_stmt* st, StatementKind kind, std::vector<SqlRow>* rows, int max_rows) {
    int rc = sqlite3_step(st);
    if (kind == StatementKind::kSelect) {
      int columns = sqlite3_column_count(st);
      while (rc == SQLITE_ROW) {
        if (rows != nullptr && (max_rows < 0 || static_cast<int>(rows->size()) < max_rows)) {
          SqlRow row;
          row.reserve(static_cast<std::size_t>(columns));
          for (int i = 0; i < columns; ++i) row.push_back(Column(st, i));
          rows->push_back(std::move(row));
        }
        if (rows != nullptr && max_rows >= 0 && static_cast<int>(rows->size()) >= max_rows) {
          rc = SQLITE_DONE;
          break;
        }
        rc = sqlite3_step(st);
      }
    }
    if (rc != SQLITE_DONE) return Fail();
    if (kind == StatementKind::kInsert || kind == StatementKind::kUpdate ||
        kind == StatementKind::kDelete) {
      if (sqlite3_changes(db_) == 0) return kind == StatementKind::kInsert ? kSqlOk : kSqlNoRow;
      dirty_ = true;
    }
    return kSqlOk;
  }

  int SetCurrentSchema(const std::string& name) {
    if (!IsPlainIdentifier(name)) {
      error_ = "schema name is not a plain identifier";
      return kSqlNoSchema;
    }
    std::string schema = ToAsciiUpper(name);
    bool attached = false;
    for (const std::string& a : attached_) attached = attached || a == schema;
    if (!attached) {
      int rc = Attach(schema);
      if (rc != kSqlOk && rc != kSqlNoSchema && InTransaction() && !dirty_) {
        // All attachment slots may be held by schemas that an empty
        // transaction keeps: ending it frees them.
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        savepoints_.clear();
        DetachStale();
        rc = Attach(schema);
      }
      if (rc != kSqlOk) {
        if (rc == kSqlNoSchema) error_ = "schema does not exist: " + schema;
        return rc;
      }
    }
    ClearCache();
    current_schema_ = schema;
    DetachStale();
    return kSqlOk;
  }

  // Keeps the system schema and the current schema attached; others go as
  // soon as no transaction holds them.
  void DetachStale() {
    if (InTransaction()) return;
    for (auto it = attached_.begin(); it != attached_.end();) {
      if (*it == kSystemSchema || *it == current_schema_) {
        ++it;
        continue;
      }
      ClearCache();
      std::string sql = "DETACH DATABASE \"" + *it + "\"";
      sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr);
      it = attached_.erase(it);
    }
  }

  sqlite3* db_;
  std::string folder_;
  std::string current_schema_;
  std::string pinned_sysdate_;
  std::string error_;
  std::vector<std::string> attached_;
  std::unordered_map<std::string, Prepared> cache_;
  std::unordered_set<std::string> savepoints_;
  bool dirty_ = false;  // a write succeeded since the transaction began
};

}  // namespace

int OpenSqliteEngine(const ConnectParams& params, std::unique_ptr<Engine>* engine) {
  if (params.login.empty() || params.password.empty()) return kSqlLogonDenied;
  std::string folder = params.service.substr(std::string_view("sqlite:").size());
  if (folder.empty()) return kSqlNoService;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  if (!FileExists(folder + "/" + kSystemSchema + ".sqlite")) return kSqlNoService;
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close_v2(db);
    return kSqlNoService;
  }
  sqlite3_extended_result_codes(db, 1);
  sqlite3_busy_timeout(db, kBusyTimeoutMs);
  // A double-quoted word must never turn silently into a text literal.
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
  sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
  auto e = std::make_unique<SqliteEngine>(db, folder);
  rc = e->Attach(kSystemSchema);
  if (rc != kSqlOk) return kSqlNoService;
  *engine = std::move(e);
  return kSqlOk;
}

}  // namespace kv::db
