// The two lists of tenant schemas that a run visits (statement module
// Qvsqlfkt): those linked to the terminal, and all active tenants.
#ifndef KORVANTIS_DB_TENANT_CURSORS_H_
#define KORVANTIS_DB_TENANT_CURSORS_H_

namespace kv::db {

inline constexpr int kTerminalNameWidth = 11;
inline constexpr int kTenantSchemaWidth = 21;

inline constexpr char kTerminalTenantSql[] =
    "select MndSch  from KvSystem.Kvs112Mnd ,KvSystem.Kvs115Tfz where (((((MndKon<>1 and "
    "TfzTrm=:b0) and MndLiz=TfzLiz) and MndNum=TfzMnd) and ((MndSta<>4 and MndSta<>8) or MndSta "
    "is null )) and ((TfzSta<>4 and TfzSta<>8) or TfzSta is null ))";
inline constexpr char kTenantSql[] =
    "select MndSch  from KvSystem.Kvs112Mnd where (MndKon<>1 and ((MndSta<>4 and MndSta<>8) or "
    "MndSta is null ))";

int OpenTerminalTenantCursor(const char* terminal_name);
// schema receives at most 20 characters (21 bytes); untouched unless 0.
int FetchTerminalTenant(char* schema);
int CloseTerminalTenantCursor();

int OpenTenantCursor();
int FetchTenant(char* schema);
int CloseTenantCursor();

}  // namespace kv::db

#endif  // KORVANTIS_DB_TENANT_CURSORS_H_
