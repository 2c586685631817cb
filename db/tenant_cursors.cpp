#include "db/tenant_cursors.h"

#include <cstring>

#include "db/session_access.h"

namespace kv::db {
namespace {

// The module's host variables and cursors.
char g_terminal_name[kTerminalNameWidth];
char g_mnd_sch[kTenantSchemaWidth];
SqlCursor g_terminal_tenant_cursor;
SqlCursor g_tenant_cursor;

int FetchInto(SqlCursor* cursor, char* schema) {
  KV_REQUIRE_SESSION(s);
  g_mnd_sch[0] = '\0';
  int rc = s->Fetch(cursor, {TextVar(g_mnd_sch, kTenantSchemaWidth)});
  if (rc == kSqlOk) std::memcpy(schema, g_mnd_sch, kTenantSchemaWidth);
  return rc;
}

}  // namespace

int OpenTerminalTenantCursor(const char* terminal_name) {
  KV_REQUIRE_SESSION(s);
  std::strncpy(g_terminal_name, terminal_name, kTerminalNameWidth - 1);
  g_terminal_name[kTerminalNameWidth - 1] = '\0';
  return s->Open(&g_terminal_tenant_cursor, kTerminalTenantSql,
                 {InText(g_terminal_name, kTerminalNameWidth)});
}

int FetchTerminalTenant(char* schema) { return FetchInto(&g_terminal_tenant_cursor, schema); }

int CloseTerminalTenantCursor() {
  KV_REQUIRE_SESSION(s);
  return s->Close(&g_terminal_tenant_cursor);
}

int OpenTenantCursor() {
  KV_REQUIRE_SESSION(s);
  return s->Open(&g_tenant_cursor, kTenantSql);
}

int FetchTenant(char* schema) { return FetchInto(&g_tenant_cursor, schema); }

int CloseTenantCursor() {
  KV_REQUIRE_SESSION(s);
  return s->Close(&g_tenant_cursor);
}

}  // namespace kv::db
