// The staging table KvSystem.Kvs999Tmp (statement module Qvsqlfkt): record
// lines stored under the download file's path, duplicates refused by the
// primary key, read back in the order of their text.
#ifndef KORVANTIS_DB_STAGING_TABLE_H_
#define KORVANTIS_DB_STAGING_TABLE_H_

namespace kv::db {

inline constexpr int kStagingKeyWidth = 101;
inline constexpr int kStagedLineWidth = 513;

inline constexpr char kStagingInsertSavepointSql[] = "savepoint Tmp_PKeyIns_Sp";
inline constexpr char kStagingInsertSql[] =
    "insert into KvSystem.Kvs999Tmp (TmpUsr,TmpStr) values (:b0,:b1)";
inline constexpr char kStagingInsertRollbackSql[] = "rollback  to Tmp_PKeyIns_Sp";
inline constexpr char kStagingDeleteSavepointSql[] = "savepoint Tmp_UsrDel_Sp";
inline constexpr char kStagingDeleteSql[] = "delete  from KvSystem.Kvs999Tmp  where TmpUsr=:b0";
inline constexpr char kStagingDeleteRollbackSql[] = "rollback  to Tmp_UsrDel_Sp";
inline constexpr char kStagedLineCursorSql[] =
    "select TmpStr  from KVSystem.Kvs999Tmp where TmpUsr=:b0 order by TmpUsr,TmpStr";

// Each successful insert and delete is committed at once; a failed one is
// undone to its savepoint, and nothing staged before it is lost.
int InsertStagedLine(const char* key, const char* line);
int DeleteStagedLines(const char* key);

int OpenStagedLineCursor(const char* key);
// line receives at most 512 characters (513 bytes); untouched unless 0.
int FetchStagedLine(char* line);
int CloseStagedLineCursor();

}  // namespace kv::db

#endif  // KORVANTIS_DB_STAGING_TABLE_H_
