// What the installation builder hands to an engine: the schemas to create,
// with the statements of their DDL, and the data scripts to run, already read,
// token-expanded and split.
#ifndef KORVANTIS_TOOLS_INSTALL_PLAN_H_
#define KORVANTIS_TOOLS_INSTALL_PLAN_H_

#include <string>
#include <vector>

#include "tools/installation_builder.h"
#include "tools/sql_script.h"

namespace kv::tools {

struct SchemaScript {
  std::string name;  // upper case, as the tool names it: KVSYSTEM, MND01 ...
  std::string ddl_path;
  std::vector<ScriptStatement> statements;
};

struct DataScript {
  std::string path;
  std::vector<ScriptStatement> statements;
};

struct InstallPlan {
  std::vector<SchemaScript> schemas;  // the system schema first
  std::vector<DataScript> data;
};

// "file:line: " for messages about a statement.
std::string StatementPlace(const std::string& path, const ScriptStatement& statement);

// The statement for an error message, cut after 400 characters.
std::string StatementExcerpt(const ScriptStatement& statement);

// SQLite: one database file FOLDER/<NAME>.sqlite per schema, replacing any
// file of that name, in WAL mode; then each data script in one transaction on
// an in-memory connection to which the schema files that the script names are
// attached under their names.
InstallStatus InstallOnSqlite(const std::string& folder, const InstallPlan& plan, std::string* error);

// PostgreSQL: drops and creates one schema per plan schema (its name in lower
// case), runs its DDL with search_path set to it, then each data script in
// one transaction. Connects with the URI and login and password as user and
// password, client encoding UTF8.
InstallStatus InstallOnPostgres(const std::string& uri, const std::string& login,
                                const std::string& password, const InstallPlan& plan,
                                std::string* error);

}  // namespace kv::tools

#endif  // KORVANTIS_TOOLS_INSTALL_PLAN_H_
