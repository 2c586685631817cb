#include "tools/install_arguments.h"

#include <filesystem>
#include <system_error>

#include "tools/date_tokens.h"

namespace kv::tools {

InstallStatus ParseInstallArguments(const std::vector<std::string>& args, InstallCommand* command,
                                    std::string* error) {
  InstallationOptions& o = command->options;
  bool have_root = false;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string arg = args[i];
    if (arg == "--help" || arg == "-h") {
      command->help = true;
      return InstallStatus::kOk;
    }
    if (arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      if (have_root) {
        *error = "more than one installation root: " + o.root + " and " + arg;
        return InstallStatus::kBadArgument;
      }
      o.root = arg;
      have_root = true;
      continue;
    }
    std::string value;
    bool have_value = false;
    if (size_t eq = arg.find('='); eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg.resize(eq);
      have_value = true;
    } else if (i + 1 < args.size()) {
      value = args[++i];
      have_value = true;
    }
    std::string* target = nullptr;
    if (arg == "--service") target = &o.service;
    else if (arg == "--login") target = &o.login;
    else if (arg == "--password") target = &o.password;
    else if (arg == "--system-schema") target = &o.system_schema;
    else if (arg == "--schema-dir") target = &o.schema_dir;
    else if (arg != "--tenant" && arg != "--data" && arg != "--today") {
      *error = "unknown option " + arg;
      return InstallStatus::kBadArgument;
    }
    if (!have_value) {
      *error = "option " + arg + " needs a value";
      return InstallStatus::kBadArgument;
    }
    if (target != nullptr) {
      *target = value;
    } else if (arg == "--tenant") {
      o.tenants.push_back(value);
    } else if (arg == "--data") {
      o.data_files.push_back(value);
    } else {
      LocalDate today;
      if (!ParseIsoDate(value, &today)) {
        *error = "--today needs a date YYYY-MM-DD, not " + value;
        return InstallStatus::kBadArgument;
      }
      o.today = today;
    }
  }
  const struct {
    bool present;
    const char* what;
  } kRequired[] = {
      {have_root, "the installation root ROOT"},
      {!o.service.empty(), "--service"},
      {!o.login.empty(), "--login"},
      {!o.password.empty(), "--password"},
      {!o.tenants.empty(), "--tenant"},
  };
  for (const auto& r : kRequired) {
    if (!r.present) {
      *error = std::string("missing ") + r.what + " (see --help)";
      return InstallStatus::kBadArgument;
    }
  }
  return InstallStatus::kOk;
}

std::string InstallUsage() {
  return "Usage: korvantis-install ROOT --service SERVICE --login LOGIN --password PASS\n"
         "         [--system-schema NAME] --tenant NAME [--tenant NAME ...]\n"
         "         [--data FILE ...] [--schema-dir DIR] [--today YYYY-MM-DD]\n"
         "\n"
         "Creates an installation of korvantis under ROOT:\n"
         "  ROOT/files/velastrom.ini  the enciphered entries LOGIN, PASS, NET8 (= SERVICE)\n"
         "                            and SCHEMA; SCHEMA holds the system schema name\n"
         "                            followed by one \".\", because the tool drops the\n"
         "                            last character of that value\n"
         "  ROOT/work/run             the working directory to start korvantis in\n"
         "and the databases: the system schema (default KVSYSTEM) and one schema per\n"
         "--tenant, created from DIR/<engine>/system.sql and tenant.sql and then filled\n"
         "with the data files in the order given, each in one transaction. An existing\n"
         "installation is rebuilt: its schemas are dropped and created anew.\n"
         "\n"
         "SERVICE:\n"
         "  sqlite           the same as sqlite:../../db, the folder ROOT/db\n"
         "  sqlite:FOLDER    one database file per schema, FOLDER/<NAME>.sqlite with NAME in\n"
         "                   upper case; FOLDER relative to ROOT/work/run or absolute\n"
         "  postgresql://... a PostgreSQL database (libpq URI; postgres:// too); LOGIN and\n"
         "                   PASS are the user and password; one schema per name, in lower\n"
         "                   case\n"
         "\n"
         "Data files hold plain INSERT statements, separated by \";\", naming system tables\n"
         "KvSystem.TABLE and tenant tables TENANT.TABLE, dates written as\n"
         "'YYYY-MM-DD HH:MM:SS'. Before loading, {{TODAY}}, {{YESTERDAY}} and {{TOMORROW}}\n"
         "become dates YYYY-MM-DD and {{YEAR}} the year, counted from --today or else\n"
         "from the local date. On SQLite one data file may name at most 10 schemas.\n"
         "\n"
         "--schema-dir DIR   the folder with sqlite/ and postgres/ (default: the folder\n"
         "                   \"schema\" next to the program or above it)\n"
         "\n"
         "Exit status 0 on success, 1 with a message on standard error otherwise.\n";
}

std::string FindSchemaDir(const std::string& start) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path dir = fs::absolute(start, ec);
  if (ec) return "";
  while (true) {
    const fs::path candidate = dir / "schema";
    if (fs::is_regular_file(candidate / "sqlite" / "system.sql", ec)) return candidate.string();
    if (!dir.has_parent_path() || dir.parent_path() == dir) return "";
    dir = dir.parent_path();
  }
}

}  // namespace kv::tools
