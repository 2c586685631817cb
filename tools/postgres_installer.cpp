// The PostgreSQL half of the installation builder.
#include <libpq-fe.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tools/install_plan.h"

#include "db/ascii.h"

namespace kv::tools {
namespace {

struct FinishConn {
  void operator()(PGconn* conn) const { PQfinish(conn); }
};
using ConnHandle = std::unique_ptr<PGconn, FinishConn>;

// The builder prints nothing: notices (such as DROP SCHEMA IF EXISTS on a
// schema that is not there) are dropped instead of going to stderr.
void IgnoreNotice(void*, const char*) {}

std::string TrimmedMessage(const char* message) {
  std::string m = message ? message : "";
  while (!m.empty() && (m.back() == '\n' || m.back() == ' ')) m.pop_back();
  return m;
}

// The server's message without the excerpt that points into the statement
// (the caller shows the statement itself), with its detail and SQLSTATE.
std::string ResultMessage(const PGresult* res) {
  const char* primary = PQresultErrorField(res, PG_DIAG_MESSAGE_PRIMARY);
  if (primary == nullptr) return TrimmedMessage(PQresultErrorMessage(res));
  std::string m = primary;
  if (const char* detail = PQresultErrorField(res, PG_DIAG_MESSAGE_DETAIL)) m += std::string(" (") + detail + ")";
  if (const char* state = PQresultErrorField(res, PG_DIAG_SQLSTATE)) m += std::string(" [SQLSTATE ") + state + "]";
  return m;
}

// Returns 0, or -1 with the server's message in *message.
int Exec(PGconn* conn, const std::string& sql, std::string* message) {
  PGresult* res = PQexec(conn, sql.c_str());
  ExecStatusType st = PQresultStatus(res);
  int rc = 0;
  if (st != PGRES_COMMAND_OK && st != PGRES_TUPLES_OK) {
    rc = -1;
    *message = res ? ResultMessage(res) : TrimmedMessage(PQerrorMessage(conn));
  }
  PQclear(res);
  return rc;
}

int RunStatements(PGconn* conn, const std::string& path, const std::vector<ScriptStatement>& statements,
                  std::string* error) {
  for (const ScriptStatement& s : statements) {
    std::string message;
    if (Exec(conn, s.text, &message) != 0) {
      *error = StatementPlace(path, s) + message + "\n  in statement: " + StatementExcerpt(s);
      return -1;
    }
  }
  return 0;
}

// Runs the commands in one transaction; on failure rolls it back.
InstallStatus InTransaction(PGconn* conn, const std::string& what,
                            const std::function<int(std::string*)>& body, std::string* error) {
  std::string message;
  if (Exec(conn, "BEGIN", &message) != 0) {
    *error = what + ": cannot begin a transaction: " + message;
    return InstallStatus::kSqlError;
  }
  if (body(error) != 0) {
    Exec(conn, "ROLLBACK", &message);
    return InstallStatus::kSqlError;
  }
  if (Exec(conn, "COMMIT", &message) != 0) {
    *error = what + ": cannot commit: " + message;
    return InstallStatus::kSqlError;
  }
  return InstallStatus::kOk;
}

int CreateSchemas(PGconn* conn, const InstallPlan& plan, std::string* error) {
  for (const SchemaScript& schema : plan.schemas) {
    const std::string name = db::ToAsciiLower(schema.name);
    for (const std::string& sql : {"DROP SCHEMA IF EXISTS " + name + " CASCADE", "CREATE SCHEMA " + name,
                                   "SET search_path TO " + name}) {
      std::string message;
      if (Exec(conn, sql, &message) != 0) {
        *error = "schema " + name + ": " + message + "\n  in statement: " + sql;
        return -1;
      }
    }
    if (RunStatements(conn, schema.ddl_path, schema.statements, error) != 0) return -1;
  }
  return 0;
}

}  // namespace

InstallStatus InstallOnPostgres(const std::string& uri, const std::string& login,
                                const std::string& password, const InstallPlan& plan,
                                std::string* error) {
  // dbname comes first so that the keywords after it override what the URI
  // says about user and password.
  std::vector<const char*> keys = {"dbname"};
  std::vector<const char*> values = {uri.c_str()};
  if (!login.empty()) {
    keys.push_back("user");
    values.push_back(login.c_str());
  }
  if (!password.empty()) {
    keys.push_back("password");
    values.push_back(password.c_str());
  }
  keys.push_back("client_encoding");
  values.push_back("UTF8");
  keys.push_back(nullptr);
  values.push_back(nullptr);
  ConnHandle conn(PQconnectdbParams(keys.data(), values.data(), 1));
  if (!conn || PQstatus(conn.get()) != CONNECTION_OK) {
    // The URI may carry a password: it stays out of the message.
    *error = "cannot connect to the PostgreSQL service: " +
             TrimmedMessage(conn ? PQerrorMessage(conn.get()) : "out of memory");
    return InstallStatus::kSqlError;
  }
  PQsetNoticeProcessor(conn.get(), IgnoreNotice, nullptr);
  PGconn* c = conn.get();
  InstallStatus status = InTransaction(
      c, "schemas", [&](std::string* e) { return CreateSchemas(c, plan, e); }, error);
  for (const DataScript& script : plan.data) {
    if (status != InstallStatus::kOk) break;
    status = InTransaction(
        c, script.path, [&](std::string* e) { return RunStatements(c, script.path, script.statements, e); },
        error);
  }
  return status;
}

}  // namespace kv::tools
