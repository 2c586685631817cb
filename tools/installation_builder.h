// The installation builder: creates an installation of the tool on SQLite or
// PostgreSQL. An installation is a root folder with
//   files/velastrom.ini  the four enciphered entries LOGIN, PASS, NET8, SCHEMA
//   work/run/            the working directory, two levels below the root, so
//                        that ../../files/velastrom.ini is found from it
// and the databases: the system schema and one schema per tenant, created
// from the DDL of schema/<engine>/system.sql and tenant.sql, then filled by
// data files of plain INSERT statements that qualify system tables with
// KvSystem. and tenant tables with the tenant's schema name.
#ifndef KORVANTIS_TOOLS_INSTALLATION_BUILDER_H_
#define KORVANTIS_TOOLS_INSTALLATION_BUILDER_H_

#include <optional>
#include <string>
#include <vector>

#include "tools/date_tokens.h"

namespace kv::tools {

enum class InstallStatus {
  kOk = 0,
  kBadArgument,  // an option the builder cannot work with
  kFileError,    // a file or folder that cannot be read or written
  kSqlError,     // a statement that the database refused
};

// With --service sqlite: the database folder ROOT/db, seen from ROOT/work/run.
inline constexpr char kDefaultSqliteService[] = "sqlite:../../db";
inline constexpr char kDefaultSystemSchema[] = "KVSYSTEM";

struct InstallationOptions {
  std::string root;
  // "sqlite" (the default folder), "sqlite:FOLDER" with FOLDER relative to
  // ROOT/work/run or absolute, or a libpq URI postgresql://... or postgres://...
  std::string service;
  std::string login;
  std::string password;
  std::string system_schema = kDefaultSystemSchema;
  std::vector<std::string> tenants;
  std::vector<std::string> data_files;
  // The folder that holds sqlite/ and postgres/, each with system.sql and
  // tenant.sql.
  std::string schema_dir;
  // The day the date tokens of the data files count from; the local date
  // when unset.
  std::optional<LocalDate> today;
};

// The service as it goes into the NET8 entry: "sqlite" becomes the default
// folder, every other value stays as given.
std::string EffectiveService(const std::string& service);

// Builds the installation. Reads every script before it touches a database,
// so that a missing file leaves the databases alone. An existing
// installation at the root is rebuilt: its schemas are dropped and created
// anew, its ini entries overwritten. Each data file runs in one transaction;
// a refused statement undoes its file and ends the build. On failure *error
// says what failed, where, and the engine's message. Prints nothing.
InstallStatus BuildInstallation(const InstallationOptions& options, std::string* error);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_INSTALLATION_BUILDER_H_
