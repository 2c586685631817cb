// A temporary installation for tests, on either engine, built by the
// installation builder from the installation's schema and a test's own data:
// the folder layout, the enciphered ini, the databases.
#ifndef KORVANTIS_TESTS_TEST_INSTALLATION_H_
#define KORVANTIS_TESTS_TEST_INSTALLATION_H_

#include <string>
#include <vector>

namespace kv::test {

enum class EngineKind { kSqlite, kPostgres };

const char* EngineName(EngineKind kind);

// Whether the PostgreSQL test server is configured (KORVANTIS_TEST_PG with
// KORVANTIS_TEST_PG_USER and KORVANTIS_TEST_PG_PASSWORD). When it is not and
// KORVANTIS_REQUIRE_PG is set, the tests that need it fail instead of being
// skipped.
bool PostgresAvailable();
bool PostgresRequired();

// In a test body or SetUp: ends the test as skipped when no PostgreSQL test
// server is configured, or as failed when KORVANTIS_REQUIRE_PG demands one.
#define KV_SKIP_UNLESS_POSTGRES()                                                         \
  do {                                                                                    \
    if (!::kv::test::PostgresAvailable()) {                                               \
      if (::kv::test::PostgresRequired())                                                 \
        FAIL() << "KORVANTIS_REQUIRE_PG is set but no test server is configured";         \
      GTEST_SKIP() << "no PostgreSQL test server configured (KORVANTIS_TEST_PG, see README)"; \
    }                                                                                     \
  } while (0)

struct ProgramResult {
  int exit_status = -1;
  std::string output;  // standard output and standard error, as bytes
};

class TestInstallation {
 public:
  TestInstallation() = default;
  ~TestInstallation();
  TestInstallation(const TestInstallation&) = delete;
  TestInstallation& operator=(const TestInstallation&) = delete;

  // Builds a fresh installation with the given tenants from data (plain
  // INSERT statements). Returns false and says why in *error.
  bool Create(EngineKind kind, const std::vector<std::string>& tenants, const std::string& data,
              std::string* error);

  // Runs the korvantis binary in the working directory.
  ProgramResult RunKorvantis(const std::vector<std::string>& args) const;
  // Runs a shell command line in the working directory.
  ProgramResult RunShell(const std::string& command_line) const;

  const std::string& root() const { return root_; }
  const std::string& workdir() const { return workdir_; }
  // The service name as the ini holds it, usable from the working directory,
  // and an absolute form usable from any directory.
  const std::string& service() const { return service_; }
  const std::string& absolute_service() const { return absolute_service_; }
  const std::string& login() const { return login_; }
  const std::string& password() const { return password_; }
  EngineKind kind() const { return kind_; }

  std::string ReadFile(const std::string& relative_to_workdir) const;
  void WriteFile(const std::string& relative_to_workdir, const std::string& bytes) const;
  bool FileExists(const std::string& relative_to_workdir) const;

 private:
  bool Build(const std::vector<std::string>& data_files, std::string* error);

  EngineKind kind_ = EngineKind::kSqlite;
  std::string root_;
  std::string workdir_;
  std::string service_;
  std::string absolute_service_;
  std::string login_;
  std::string password_;
  std::string pg_database_;
  std::vector<std::string> tenants_;
};

// The libpq URI with its database replaced: the path after the authority
// ("postgresql://host:port/DB?query"), added when there is none.
std::string WithDatabase(const std::string& uri, const std::string& database);

// Single quotes for a shell word.
std::string ShellQuote(const std::string& word);

}  // namespace kv::test

#endif  // KORVANTIS_TESTS_TEST_INSTALLATION_H_
