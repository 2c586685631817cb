#include "tests/test_installation.h"

#include <libpq-fe.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/installation_builder.h"

namespace kv::test {
namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr ? v : "";
}

// Runs one statement on the test server's maintenance database.
bool PgAdmin(const std::string& sql, std::string* error) {
  std::string login = Env("KORVANTIS_TEST_PG_USER"), password = Env("KORVANTIS_TEST_PG_PASSWORD");
  std::string uri = Env("KORVANTIS_TEST_PG");
  const char* keys[] = {"dbname", "user", "password", nullptr};
  const char* values[] = {uri.c_str(), login.c_str(), password.c_str(), nullptr};
  PGconn* conn = PQconnectdbParams(keys, values, 1);
  bool ok = PQstatus(conn) == CONNECTION_OK;
  if (ok) {
    PGresult* r = PQexec(conn, sql.c_str());
    ok = PQresultStatus(r) == PGRES_COMMAND_OK;
    if (!ok) *error = PQresultErrorMessage(r);
    PQclear(r);
  } else {
    *error = PQerrorMessage(conn);
  }
  PQfinish(conn);
  return ok;
}

}  // namespace

std::string WithDatabase(const std::string& uri, const std::string& database) {
  std::size_t authority = uri.find("://");
  authority = authority == std::string::npos ? 0 : authority + 3;
  std::size_t query = uri.find('?', authority);
  if (query == std::string::npos) query = uri.size();
  std::size_t path = uri.find('/', authority);
  if (path == std::string::npos || path > query) path = query;
  return uri.substr(0, path) + "/" + database + uri.substr(query);
}

namespace {

std::string WriteTemp(const std::string& folder, const std::string& name, const std::string& text) {
  std::string path = folder + "/" + name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

}  // namespace

const char* EngineName(EngineKind kind) { return kind == EngineKind::kSqlite ? "SQLite" : "PostgreSQL"; }

bool PostgresAvailable() {
  return !Env("KORVANTIS_TEST_PG").empty() && !Env("KORVANTIS_TEST_PG_USER").empty() &&
         !Env("KORVANTIS_TEST_PG_PASSWORD").empty();
}

bool PostgresRequired() { return !Env("KORVANTIS_REQUIRE_PG").empty(); }

std::string ShellQuote(const std::string& word) {
  std::string q = "'";
  for (char c : word) {
    if (c == '\'')
      q += "'\\''";
    else
      q += c;
  }
  return q + "'";
}

TestInstallation::~TestInstallation() {
  if (!root_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  if (!pg_database_.empty()) {
    std::string error;
    (void)PgAdmin("DROP DATABASE IF EXISTS " + pg_database_ + " WITH (FORCE)", &error);
  }
}

bool TestInstallation::Create(EngineKind kind, const std::vector<std::string>& tenants,
                              const std::string& data, std::string* error) {
  kind_ = kind;
  tenants_ = tenants;
  char folder[] = "/tmp/kvt.XXXXXX";
  if (::mkdtemp(folder) == nullptr) {
    *error = "mkdtemp failed";
    return false;
  }
  root_ = folder;
  workdir_ = root_ + "/work/run";
  if (kind == EngineKind::kSqlite) {
    login_ = "kvuser";
    password_ = "kvpass";
    service_ = "sqlite:" + root_ + "/db";
    absolute_service_ = service_;
  } else {
    static std::atomic<int> counter{0};
    pg_database_ = "kvt_" + std::to_string(::getpid()) + "_" + std::to_string(++counter);
    if (!PgAdmin("CREATE DATABASE " + pg_database_ +
                     " ENCODING 'UTF8' LC_COLLATE 'C' LC_CTYPE 'C' TEMPLATE template0",
                 error)) {
      pg_database_.clear();
      return false;
    }
    login_ = Env("KORVANTIS_TEST_PG_USER");
    password_ = Env("KORVANTIS_TEST_PG_PASSWORD");
    service_ = WithDatabase(Env("KORVANTIS_TEST_PG"), pg_database_);
    absolute_service_ = service_;
  }
  std::filesystem::create_directories(root_ + "/data");
  return Build({WriteTemp(root_ + "/data", "data0.sql", data)}, error);
}

bool TestInstallation::Build(const std::vector<std::string>& data_files, std::string* error) {
  tools::InstallationOptions options;
  options.root = root_;
  options.service = service_;
  options.login = login_;
  options.password = password_;
  options.tenants = tenants_;
  options.data_files = data_files;
  options.schema_dir = std::string(KV_SOURCE_DIR) + "/schema";
  return tools::BuildInstallation(options, error) == tools::InstallStatus::kOk;
}

ProgramResult TestInstallation::RunShell(const std::string& command_line) const {
  std::string out_path = root_ + "/console" + std::to_string(::getpid()) + ".out";
  std::string cmd = "cd " + ShellQuote(workdir_) + " && " + command_line + " >" + ShellQuote(out_path) +
                    " 2>&1 </dev/null";
  ProgramResult result;
  int status = std::system(cmd.c_str());
  result.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(out_path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  result.output = ss.str();
  std::remove(out_path.c_str());
  return result;
}

ProgramResult TestInstallation::RunKorvantis(const std::vector<std::string>& args) const {
  std::string cmd = ShellQuote(KV_KORVANTIS_BIN);
  for (const std::string& a : args) cmd += " " + ShellQuote(a);
  return RunShell(cmd);
}

std::string TestInstallation::ReadFile(const std::string& relative_to_workdir) const {
  std::ifstream in(workdir_ + "/" + relative_to_workdir, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void TestInstallation::WriteFile(const std::string& relative_to_workdir, const std::string& bytes) const {
  std::ofstream(workdir_ + "/" + relative_to_workdir, std::ios::binary) << bytes;
}

bool TestInstallation::FileExists(const std::string& relative_to_workdir) const {
  return std::filesystem::exists(workdir_ + "/" + relative_to_workdir);
}

}  // namespace kv::test
