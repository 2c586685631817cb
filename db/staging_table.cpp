#include "db/staging_table.h"

#include <cstring>

#include "db/session_access.h"

namespace kv::db {
namespace {

// The module's host variables and its cursor.
char g_tmp_usr[kStagingKeyWidth];
char g_tmp_str[kStagedLineWidth];
SqlCursor g_staged_line_cursor;

void CopyField(char* field, const char* text, int width) {
  std::strncpy(field, text, static_cast<std::size_t>(width) - 1);
  field[width - 1] = '\0';
}

// savepoint; statement; COMMIT on success, else back to the savepoint.
// The codes of the savepoint, the commit and the rollback are not looked at.
int RunCommittedWrite(SqlSession* s, const char* savepoint_sql, const char* rollback_sql,
                      const char* statement_sql, std::initializer_list<HostVar> inputs) {
  (void)s->Execute(savepoint_sql);
  int rc = s->Execute(statement_sql, inputs);
  if (rc == kSqlOk)
    (void)s->Commit();
  else
    (void)s->Execute(rollback_sql);
  return rc;
}

}  // namespace

int InsertStagedLine(const char* key, const char* line) {
  KV_REQUIRE_SESSION(s);
  CopyField(g_tmp_usr, key, kStagingKeyWidth);
  CopyField(g_tmp_str, line, kStagedLineWidth);
  return RunCommittedWrite(s, kStagingInsertSavepointSql, kStagingInsertRollbackSql,
                           kStagingInsertSql,
                           {InText(g_tmp_usr, kStagingKeyWidth), InText(g_tmp_str, kStagedLineWidth)});
}

int DeleteStagedLines(const char* key) {
  KV_REQUIRE_SESSION(s);
  CopyField(g_tmp_usr, key, kStagingKeyWidth);
  return RunCommittedWrite(s, kStagingDeleteSavepointSql, kStagingDeleteRollbackSql,
                           kStagingDeleteSql, {InText(g_tmp_usr, kStagingKeyWidth)});
}

int OpenStagedLineCursor(const char* key) {
  KV_REQUIRE_SESSION(s);
  CopyField(g_tmp_usr, key, kStagingKeyWidth);
  return s->Open(&g_staged_line_cursor, kStagedLineCursorSql, {InText(g_tmp_usr, kStagingKeyWidth)});
}

int FetchStagedLine(char* line) {
  KV_REQUIRE_SESSION(s);
  g_tmp_str[0] = '\0';
  int rc = s->Fetch(&g_staged_line_cursor, {TextVar(g_tmp_str, kStagedLineWidth)});
  if (rc == kSqlOk) std::memcpy(line, g_tmp_str, kStagedLineWidth);
  return rc;
}

int CloseStagedLineCursor() {
  KV_REQUIRE_SESSION(s);
  return s->Close(&g_staged_line_cursor);
}

}  // namespace kv::db
