#include "tools/installation_builder.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "db/ascii.h"
#include "db/sqlhlp.h"
#include "tools/ini_editor.h"
#include "tools/install_plan.h"
#include "tools/sql_script.h"

namespace kv::tools {
namespace {

namespace fs = std::filesystem;

// The tool's connect text login/password@service, without its terminator.
constexpr size_t kMaxConnectText = db::kConnectTextWidth - 1;
// A tenant's schema name is fetched into a field of 20 characters.
constexpr size_t kMaxTenantName = 20;
constexpr size_t kMaxSchemaName = 30;

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

bool IsSqliteService(std::string_view service) { return StartsWith(service, "sqlite:"); }

bool IsPostgresService(std::string_view service) {
  return StartsWith(service, "postgresql://") || StartsWith(service, "postgres://");
}

// Letters, digits and '_', a letter first: a name that every engine takes
// unquoted and that folds the same way everywhere.
bool IsSchemaName(std::string_view name, size_t max_length) {
  if (name.empty() || name.size() > max_length) return false;
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (!letter(name[0])) return false;
  for (char c : name)
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '_') return false;
  // SQLite reserves these two names for its own databases.
  const std::string upper = db::ToAsciiUpper(name);
  return upper != "MAIN" && upper != "TEMP";
}

InstallStatus CheckOptions(const InstallationOptions& o, const std::string& service, std::string* error) {
  if (o.root.empty()) {
    *error = "no installation root given";
    return InstallStatus::kBadArgument;
  }
  if (!(IsSqliteService(service) && service.size() > 7) && !IsPostgresService(service)) {
    *error = "unknown service \"" + o.service + "\": use sqlite, sqlite:FOLDER or a postgresql:// URI";
    return InstallStatus::kBadArgument;
  }
  if (o.login.empty() || o.password.empty()) {
    *error = "login and password must not be empty";
    return InstallStatus::kBadArgument;
  }
  const size_t connect_length = o.login.size() + 1 + o.password.size() + 1 + service.size();
  if (connect_length > kMaxConnectText) {
    *error = "the connect text login/password@service has " + std::to_string(connect_length) +
             " characters; the tool takes at most " + std::to_string(kMaxConnectText);
    return InstallStatus::kBadArgument;
  }
  if (!IsSchemaName(o.system_schema, kMaxSchemaName)) {
    *error = "bad system schema name \"" + o.system_schema +
             "\": letters, digits and _, a letter first, at most 30 characters";
    return InstallStatus::kBadArgument;
  }
  if (o.tenants.empty()) {
    *error = "no tenant given";
    return InstallStatus::kBadArgument;
  }
  std::vector<std::string> seen = {db::ToAsciiUpper(o.system_schema)};
  for (const std::string& tenant : o.tenants) {
    if (!IsSchemaName(tenant, kMaxTenantName)) {
      *error = "bad tenant name \"" + tenant + "\": letters, digits and _, a letter first, at most 20 characters";
      return InstallStatus::kBadArgument;
    }
    for (const std::string& s : seen) {
      if (s == db::ToAsciiUpper(tenant)) {
        *error = "schema name \"" + tenant + "\" given twice";
        return InstallStatus::kBadArgument;
      }
    }
    seen.push_back(db::ToAsciiUpper(tenant));
  }
  if (o.schema_dir.empty()) {
    *error = "no schema folder given";
    return InstallStatus::kBadArgument;
  }
  return InstallStatus::kOk;
}

bool ReadWholeFile(const std::string& path, std::string* text) {
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) return false;
  *text = buffer.str();
  return true;
}

// Both engines must see the same characters: PostgreSQL refuses malformed
// UTF-8 (overlong forms and surrogates included), so it is refused here for
// every engine. Returns the line of the first malformed sequence, 0 when
// there is none.
int FirstBadUtf8Line(std::string_view text) {
  int line = 1;
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      if (c == '\n') ++line;
      ++i;
      continue;
    }
    size_t extra = 0;
    unsigned char low = 0x80;  // allowed range of the second byte
    unsigned char high = 0xBF;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      if (c == 0xE0) low = 0xA0;
      if (c == 0xED) high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      if (c == 0xF0) low = 0x90;
      if (c == 0xF4) high = 0x8F;
    } else {
      return line;
    }
    if (i + extra >= text.size()) return line;
    for (size_t k = 1; k <= extra; ++k) {
      const unsigned char b = static_cast<unsigned char>(text[i + k]);
      if (k == 1 ? (b < low || b > high) : ((b & 0xC0) != 0x80)) return line;
    }
    i += extra + 1;
  }
  return 0;
}

InstallStatus ReadScript(const std::string& what, const std::string& path, const LocalDate* today,
                         std::vector<ScriptStatement>* statements, std::string* error) {
  std::string text;
  if (!ReadWholeFile(path, &text)) {
    *error = "cannot read " + what + " " + path;
    return InstallStatus::kFileError;
  }
  if (StartsWith(text, "\xEF\xBB\xBF")) text.erase(0, 3);
  if (int line = FirstBadUtf8Line(text); line != 0) {
    *error = path + ":" + std::to_string(line) + ": not UTF-8";
    return InstallStatus::kFileError;
  }
  *statements = SplitSqlScript(today ? ExpandDateTokens(text, *today) : text);
  return InstallStatus::kOk;
}

InstallStatus MakePlan(const InstallationOptions& o, const std::string& engine_dir, InstallPlan* plan,
                       std::string* error) {
  const std::string system_ddl = (fs::path(o.schema_dir) / engine_dir / "system.sql").string();
  const std::string tenant_ddl = (fs::path(o.schema_dir) / engine_dir / "tenant.sql").string();
  std::vector<ScriptStatement> system_statements;
  std::vector<ScriptStatement> tenant_statements;
  InstallStatus status = ReadScript("schema file", system_ddl, nullptr, &system_statements, error);
  if (status == InstallStatus::kOk)
    status = ReadScript("schema file", tenant_ddl, nullptr, &tenant_statements, error);
  if (status != InstallStatus::kOk) return status;
  plan->schemas.push_back({db::ToAsciiUpper(o.system_schema), system_ddl, system_statements});
  for (const std::string& tenant : o.tenants) plan->schemas.push_back({db::ToAsciiUpper(tenant), tenant_ddl, tenant_statements});
  const LocalDate today = o.today ? *o.today : TodayLocal();
  for (const std::string& path : o.data_files) {
    DataScript script{path, {}};
    status = ReadScript("data file", path, &today, &script.statements, error);
    if (status != InstallStatus::kOk) return status;
    plan->data.push_back(std::move(script));
  }
  return InstallStatus::kOk;
}

InstallStatus CreateFolder(const fs::path& folder, std::string* error) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    *error = "cannot create " + folder.string() + ": " + ec.message();
    return InstallStatus::kFileError;
  }
  return InstallStatus::kOk;
}

InstallStatus WriteIni(const fs::path& ini, const InstallationOptions& o, const std::string& service,
                       std::string* error) {
  // The tool drops the last character of the SCHEMA value when it reads it.
  const struct {
    const char* key;
    std::string value;
  } kEntries[] = {
      {"LOGIN", o.login},
      {"PASS", o.password},
      {"NET8", service},
      {"SCHEMA", o.system_schema + "."},
  };
  for (const auto& entry : kEntries) {
    std::string why;
    if (!SetConfigEntry(ini.string(), entry.key, entry.value, &why)) {
      *error = "cannot write " + std::string(entry.key) + " into " + ini.string() + ": " + why;
      return InstallStatus::kFileError;
    }
  }
  return InstallStatus::kOk;
}

}  // namespace

std::string StatementPlace(const std::string& path, const ScriptStatement& statement) {
  return path + ":" + std::to_string(statement.line) + ": ";
}

std::string StatementExcerpt(const ScriptStatement& statement) {
  constexpr size_t kMax = 400;
  if (statement.text.size() <= kMax) return statement.text;
  return statement.text.substr(0, kMax) + " ...";
}

std::string EffectiveService(const std::string& service) {
  return service == "sqlite" ? std::string(kDefaultSqliteService) : service;
}

InstallStatus BuildInstallation(const InstallationOptions& options, std::string* error) {
  const std::string service = EffectiveService(options.service);
  InstallStatus status = CheckOptions(options, service, error);
  if (status != InstallStatus::kOk) return status;

  const bool sqlite = IsSqliteService(service);
  InstallPlan plan;
  status = MakePlan(options, sqlite ? "sqlite" : "postgres", &plan, error);
  if (status != InstallStatus::kOk) return status;

  std::error_code ec;
  const fs::path root = fs::absolute(options.root, ec);
  if (ec) {
    *error = "bad installation root " + options.root + ": " + ec.message();
    return InstallStatus::kFileError;
  }
  const fs::path run_dir = root / "work" / "run";
  status = CreateFolder(root / "files", error);
  if (status == InstallStatus::kOk) status = CreateFolder(run_dir, error);
  if (status != InstallStatus::kOk) return status;

  if (sqlite) {
    // The engine resolves a relative folder from the working directory.
    const fs::path folder(service.substr(7));
    const fs::path resolved = (folder.is_absolute() ? folder : run_dir / folder).lexically_normal();
    status = InstallOnSqlite(resolved.string(), plan, error);
  } else {
    status = InstallOnPostgres(service, options.login, options.password, plan, error);
  }
  if (status != InstallStatus::kOk) return status;
  // Written last, so that an installation with an ini has its databases.
  return WriteIni(root / "files" / "velastrom.ini", options, service, error);
}

}  // namespace kv::tools
