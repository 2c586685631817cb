#include "run/run_download.h"

#include <cstring>
#include <string>

#include "config/config_path.h"
#include "config/config_reader.h"
#include "db/sql_status.h"
#include "db/sqlhlp.h"
#include "db/staging_table.h"
#include "db/tenant_cursors.h"
#include "run/download_file.h"
#include "run/function_code.h"
#include "run/messages.h"

namespace kv::run {
namespace {

struct Credential {
  const char* key;
  char* field;
  int capacity;
  bool drop_last;  // the SCHEMA value is stored with one character more
};

// Switch to the fetched schema, report it, and dispatch: the generator runs
// also when the switch failed, in whatever schema the session is in.
void RunTenantStep(RunContext* ctx, const char* switch_error_message) {
  int rc = db::SetCurrentSchema(ctx->Schema);
  std::fprintf(ctx->Console, kMsgSchema, ctx->Schema);
  if (rc != db::kSqlOk) std::fprintf(ctx->Console, switch_error_message, rc, ctx->Schema);
  DispatchFunction(ctx, ctx->Schema);
}

}  // namespace

bool ReadCredentials(RunContext* ctx, const char* config_path) {
  const Credential credentials[] = {
      {"LOGIN", ctx->Login, kCredentialCapacity, false},
      {"PASS", ctx->Pass, kCredentialCapacity, false},
      {"NET8", ctx->Net8, kCredentialCapacity, false},
      {"SCHEMA", ctx->Schema, kSchemaCapacity, true},
  };
  for (const Credential& c : credentials) {
    config::ConfigReadResult result;
    config::ReadConfigValue("", c.key, 0, config_path, &result);
    std::size_t length = std::strlen(result.ConfigValue);
    if (c.drop_last && length > 0) --length;
    if (length > static_cast<std::size_t>(c.capacity)) {
      std::fprintf(ctx->Console, kMsgConfigValueTooLong, c.key, static_cast<int>(length), c.capacity);
      return false;
    }
    std::memcpy(c.field, result.ConfigValue, length);
    c.field[length] = '\0';
  }
  return true;
}

void RunDownload(RunContext* ctx) {
  std::string config_path = config::ConfigFilePath();
  if (!ReadCredentials(ctx, config_path.c_str())) return;
  db::UpperCase(ctx->Schema);

  int rc = db::ConnectDatabase(ctx->Login, ctx->Pass, ctx->Net8, ctx->Schema);
  if (rc != db::kSqlOk) {
    std::fprintf(ctx->Console, kMsgConnectError, rc);
    std::fprintf(ctx->Console, kMsgConnectValues, ctx->Login, kMaskedPassword, ctx->Net8, ctx->Schema);
    return;
  }
  db::UpperCase(ctx->FunctionCode);
  std::fprintf(ctx->Console, kMsgConnected, ctx->Schema);

  rc = db::DeleteStagedLines(ctx->DownloadFilePath);
  if (rc != db::kSqlOk && rc != db::kSqlNoRow)
    std::fprintf(ctx->Console, kMsgStagingDeleteError, rc, ctx->DownloadFilePath);

  bool visited = false;
  (void)db::OpenTerminalTenantCursor(ctx->TerminalName);
  while (db::FetchTerminalTenant(ctx->Schema) == db::kSqlOk) {
    visited = true;
    RunTenantStep(ctx, kMsgTerminalTenantSwitchError);
  }
  (void)db::CloseTerminalTenantCursor();

  if (!visited) {
    (void)db::OpenTenantCursor();
    while (db::FetchTenant(ctx->Schema) == db::kSqlOk) RunTenantStep(ctx, kMsgTenantSwitchError);
    (void)db::CloseTenantCursor();
  }

  WriteDownloadFile(ctx->Console, ctx->DownloadFilePath, ctx->NewFile, ctx->RecordLength,
                    ctx->IsIdMaster);
}

}  // namespace kv::run
