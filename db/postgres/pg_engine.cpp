#include "db/postgres/pg_engine.h"

#include <libpq-fe.h>

#include <cstdio>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "db/ascii.h"
#include "db/dialect.h"
#include "db/postgres/pg_errors.h"
#include "db/sql_status.h"
#include "db/text_codec.h"

namespace kv::db {
namespace {

constexpr char kConnectTimeoutSeconds[] = "5";
// The engine's own savepoint around each statement of an open transaction:
// PostgreSQL aborts the whole transaction on a failed statement, Oracle
// undoes only the statement.
constexpr char kStatementSavepoint[] = "kv_stmt";

// A result that is cleared on every path.
class Result {
 public:
  explicit Result(PGresult* r) : r_(r) {}
  ~Result() { PQclear(r_); }
  Result(const Result&) = delete;
  Result& operator=(const Result&) = delete;
  PGresult* get() const { return r_; }
  ExecStatusType status() const { return PQresultStatus(r_); }
  bool ok() const { return status() == PGRES_COMMAND_OK || status() == PGRES_TUPLES_OK; }

 private:
  PGresult* r_;
};

class PostgresEngine final : public Engine {
 public:
  explicit PostgresEngine(PGconn* conn) : conn_(conn) {}
  ~PostgresEngine() override { PQfinish(conn_); }

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
      case StatementKind::kSavepoint:
        return Savepoint(t);
      case StatementKind::kRollbackTo:
        return RollbackTo(t);
      default:
        break;
    }
    if (static_cast<int>(inputs.size()) != t.input_count) {
      error_ = "not all variables bound";
      return kSqlNotAllVariablesBound;
    }
    if (IsWriteStatement(t.kind) && !in_transaction_) {
      rc = Command("BEGIN");
      if (rc != kSqlOk) return rc;
      in_transaction_ = true;
    }
    return Guarded([&] { return Execute(*p, t, inputs, rows, max_rows); });
  }

  int Commit() override {
    error_.clear();
    if (!in_transaction_) return kSqlOk;
    int rc = Command("COMMIT");
    in_transaction_ = PQtransactionStatus(conn_) != PQTRANS_IDLE;
    savepoints_.clear();
    return rc;
  }

  void PinSysdate(std::string_view timestamp) override {
    pinned_sysdate_ = std::string(timestamp);
    ClearCache();
  }

  const std::string& LastErrorText() const override { return error_; }

  int Setup() {
    // Dates travel as 'YYYY-MM-DD HH:MM:SS'; text as UTF-8, converted here.
    // Every staged line is committed on its own: without waiting for the
    // server's disk flush, as the embedded engine's synchronous=NORMAL. A
    // server crash may lose the last commits of a run, never corrupt data,
    // and the next run stages its file anew.
    return Command(
        "SET DateStyle = ISO, YMD; SET client_encoding = 'UTF8'; SET synchronous_commit = off");
  }

 private:
  struct Prepared {
    TranslatedStatement translated;
    std::string name;  // of the server-side prepared statement; empty for control statements
  };

  int Fail(const PGresult* r) {
    const char* state = r != nullptr ? PQresultErrorField(r, PG_DIAG_SQLSTATE) : nullptr;
    const char* message = r != nullptr ? PQresultErrorMessage(r) : nullptr;
    error_ = (message != nullptr && *message != '\0') ? message : PQerrorMessage(conn_);
    while (!error_.empty() && (error_.back() == '\n' || error_.back() == ' ')) error_.pop_back();
    if (PQstatus(conn_) == CONNECTION_BAD) in_transaction_ = false;
    return MapPgError(state);
  }

  int Command(const std::string& sql) {
    Result r(PQexec(conn_, sql.c_str()));
    return r.ok() ? kSqlOk : Fail(r.get());
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
    options.flavor = DialectFlavor::kPostgres;
    options.current_schema = current_schema_;
    options.pinned_sysdate = pinned_sysdate_;
    int rc = TranslateStatement(text, options, &p.translated);
    if (rc != kSqlOk) {
      error_ = "statement not understood: " + key;
      return rc;
    }
    StatementKind k = p.translated.kind;
    if (k != StatementKind::kAlterSchema && k != StatementKind::kCommit &&
        k != StatementKind::kSavepoint && k != StatementKind::kRollbackTo) {
      p.name = "kv" + std::to_string(++statement_counter_);
      rc = PrepareOnServer(p);
      if (rc != kSqlOk) return rc;
    }
    *out = &cache_.emplace(std::move(key), std::move(p)).first->second;
    return kSqlOk;
  }

  // Runs fn inside the open transaction's safety net, so that a failure
  // undoes only what fn did and the transaction stays usable.
  template <typename Fn>
  int Guarded(Fn fn) {
    if (!in_transaction_) return fn();
    int rc = Command(std::string("SAVEPOINT ") + kStatementSavepoint);
    if (rc != kSqlOk) return rc;
    rc = fn();
    if (rc == kSqlOk || rc == kSqlNoRow) {
      int release = Command(std::string("RELEASE SAVEPOINT ") + kStatementSavepoint);
      return release == kSqlOk ? rc : release;
    }
    std::string failure = error_;
    (void)Command(std::string("ROLLBACK TO SAVEPOINT ") + kStatementSavepoint);
    (void)Command(std::string("RELEASE SAVEPOINT ") + kStatementSavepoint);
    error_ = failure;
    return rc;
  }

  int PrepareOnServer(const Prepared& p) {
    return Guarded([&] {
      Result r(PQprepare(conn_, p.name.c_str(), p.translated.sql.c_str(),
                         p.translated.input_count, nullptr));
      return r.ok() ? kSqlOk : Fail(r.get());
    });
  }

  void ClearCache() {
    if (!cache_.empty()) (void)Command("DEALLOCATE ALL");
    cache_.clear();
  }

  int Execute(const Prepared& p, const TranslatedStatement& t, std::span<const BindValue> inputs,
              std::vector<SqlRow>* rows, int max_rows) {
    std::vector<std::string> texts(inputs.size());
    std::vector<const char*> values(inputs.size(), nullptr);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
      const BindValue& v = inputs[i];
      switch (v.kind) {
        case BindValue::Kind::kNull:
          continue;
        case BindValue::Kind::kText:
          texts[i] = Cp1252ToUtf8(v.text);
          break;
        case BindValue::Kind::kInt:
          texts[i] = std::to_string(v.i);
          break;
        case BindValue::Kind::kDouble: {
          char buf[40];
          std::snprintf(buf, sizeof buf, "%.17g", v.d);
          texts[i] = buf;
          break;
        }
      }
      values[i] = texts[i].c_str();
    }
    Result r(PQexecPrepared(conn_, p.name.c_str(), static_cast<int>(inputs.size()), values.data(),
                            nullptr, nullptr, 0));
    if (!r.ok()) return Fail(r.get());
    if (t.kind == StatementKind::kSelect) {
      if (rows == nullptr) return kSqlOk;
      int n = PQntuples(r.get());
      int columns = PQnfields(r.get());
      if (max_rows >= 0 && n > max_rows) n = max_rows;
      rows->reserve(rows->size() + static_cast<std::size_t>(n));
      for (int row = 0; row < n; ++row) {
        SqlRow values_of_row;
        values_of_row.reserve(static_cast<std::size_t>(columns));
        for (int c = 0; c < columns; ++c) {
          if (PQgetisnull(r.get(), row, c)) {
            values_of_row.emplace_back(std::nullopt);
          } else {
            values_of_row.emplace_back(Utf8ToCp1252(std::string_view(
                PQgetvalue(r.get(), row, c), static_cast<std::size_t>(PQgetlength(r.get(), row, c)))));
          }
        }
        rows->push_back(std::move(values_of_row));
      }
      return kSqlOk;
    }
    const char* affected = PQcmdTuples(r.get());
    if ((t.kind == StatementKind::kDelete || t.kind == StatementKind::kUpdate) &&
        std::string_view(affected) == "0")
      return kSqlNoRow;
    return kSqlOk;
  }

  int Savepoint(const TranslatedStatement& t) {
    if (!in_transaction_) {
      int rc = Command("BEGIN");
      if (rc != kSqlOk) return rc;
      in_transaction_ = true;
    }
    // Oracle moves a savepoint whose name is used again; PostgreSQL would
    // stack a second one.
    std::string name = ToAsciiLower(t.name);
    if (savepoints_.count(name) != 0) (void)Command("RELEASE SAVEPOINT " + name);
    int rc = Command(t.sql);
    if (rc == kSqlOk) savepoints_.insert(name);
    return rc;
  }

  int RollbackTo(const TranslatedStatement& t) {
    if (!in_transaction_ || savepoints_.count(ToAsciiLower(t.name)) == 0) {
      error_ = "savepoint never established";
      return kSqlSavepointNeverEstablished;
    }
    return Command(t.sql);
  }

  int SetCurrentSchema(const std::string& name) {
    if (!IsPlainIdentifier(name)) {
      error_ = "schema name is not a plain identifier";
      return kSqlNoSchema;
    }
    std::string schema = ToAsciiLower(name);
    bool exists = false;
    int rc = Guarded([&] {
      const char* value = schema.c_str();
      Result r(PQexecParams(conn_, "select 1 from pg_catalog.pg_namespace where nspname = $1", 1,
                            nullptr, &value, nullptr, nullptr, 0));
      if (!r.ok()) return Fail(r.get());
      exists = PQntuples(r.get()) > 0;
      return kSqlOk;
    });
    if (rc != kSqlOk) return rc;
    if (!exists) {
      error_ = "schema does not exist: " + schema;
      return kSqlNoSchema;
    }
    if (schema != current_schema_) {
      current_schema_ = schema;
      ClearCache();
    }
    return kSqlOk;
  }

  PGconn* conn_;
  std::string current_schema_;
  std::string pinned_sysdate_;
  std::string error_;
  std::unordered_map<std::string, Prepared> cache_;
  std::unordered_set<std::string> savepoints_;
  int statement_counter_ = 0;
  bool in_transaction_ = false;
};

}  // namespace

int OpenPostgresEngine(const ConnectParams& params, std::unique_ptr<Engine>* engine) {
  if (params.login.empty() || params.password.empty()) return kSqlLogonDenied;
  const char* keywords[] = {"dbname", "user", "password", "connect_timeout", "application_name",
                            nullptr};
  const char* values[] = {params.service.c_str(), params.login.c_str(), params.password.c_str(),
                          kConnectTimeoutSeconds, "korvantis", nullptr};
  PGconn* conn = PQconnectdbParams(keywords, values, 1);
  if (conn == nullptr) return kSqlNoService;
  if (PQstatus(conn) != CONNECTION_OK) {
    int rc = MapPgConnectError(PQerrorMessage(conn));
    PQfinish(conn);
    return rc;
  }
  auto e = std::make_unique<PostgresEngine>(conn);
  if (e->Setup() != kSqlOk) return kSqlNoService;
  *engine = std::move(e);
  return kSqlOk;
}

}  // namespace kv::db
