#include "db/dialect.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

namespace kv::db {
namespace {

// The current date and time, and today at midnight, as each engine writes them.
#define LITE_NOW "datetime('now','localtime')"
#define LITE_TODAY "datetime(" LITE_NOW ",'start of day')"
#define PG_NOW "date_trunc('second', statement_timestamp()::timestamp)"
#define PG_TODAY "date_trunc('day', " PG_NOW ")"

struct StatementCase {
  const char* oracle;
  StatementKind kind;
  int input_count;
  int into_count;
  const char* sqlite;
  const char* postgres;
};

// Every statement text the tool runs, as its modules hold it, translated with
// the tenant schema "Mnd01" current.
const StatementCase kToolStatements[] = {
    // Tenant cursors.
    {"select MndSch  from KvSystem.Kvs112Mnd ,KvSystem.Kvs115Tfz where (((((MndKon<>1 and TfzTrm=:b0) and MndLiz=TfzLiz) and MndNum=TfzMnd) and ((MndSta<>4 and MndSta<>8) or MndSta is null )) and ((TfzSta<>4 and TfzSta<>8) or TfzSta is null ))",
     StatementKind::kSelect, 1, 0,
     "select MndSch  from KvSystem.Kvs112Mnd ,KvSystem.Kvs115Tfz where (((((MndKon<>1 and TfzTrm=?1) and MndLiz=TfzLiz) and MndNum=TfzMnd) and ((MndSta<>4 and MndSta<>8) or MndSta is null )) and ((TfzSta<>4 and TfzSta<>8) or TfzSta is null ))",
     "select MndSch  from KvSystem.Kvs112Mnd ,KvSystem.Kvs115Tfz where (((((MndKon<>1 and TfzTrm=$1) and MndLiz=TfzLiz) and MndNum=TfzMnd) and ((MndSta<>4 and MndSta<>8) or MndSta is null )) and ((TfzSta<>4 and TfzSta<>8) or TfzSta is null ))"},
    {"select MndSch  from KvSystem.Kvs112Mnd where (MndKon<>1 and ((MndSta<>4 and MndSta<>8) or MndSta is null ))",
     StatementKind::kSelect, 0, 0,
     "select MndSch  from KvSystem.Kvs112Mnd where (MndKon<>1 and ((MndSta<>4 and MndSta<>8) or MndSta is null ))",
     "select MndSch  from KvSystem.Kvs112Mnd where (MndKon<>1 and ((MndSta<>4 and MndSta<>8) or MndSta is null ))"},

    // Staging table.
    {"savepoint Tmp_PKeyIns_Sp", StatementKind::kSavepoint, 0, 0,
     "SAVEPOINT Tmp_PKeyIns_Sp", "SAVEPOINT Tmp_PKeyIns_Sp"},
    {"insert into KvSystem.Kvs999Tmp (TmpUsr,TmpStr) values (:b0,:b1)",
     StatementKind::kInsert, 2, 0,
     "insert into KvSystem.Kvs999Tmp (TmpUsr,TmpStr) values (?1,?2)",
     "insert into KvSystem.Kvs999Tmp (TmpUsr,TmpStr) values ($1,$2)"},
    {"rollback  to Tmp_PKeyIns_Sp", StatementKind::kRollbackTo, 0, 0,
     "ROLLBACK TO SAVEPOINT Tmp_PKeyIns_Sp", "ROLLBACK TO SAVEPOINT Tmp_PKeyIns_Sp"},
    {"savepoint Tmp_UsrDel_Sp", StatementKind::kSavepoint, 0, 0,
     "SAVEPOINT Tmp_UsrDel_Sp", "SAVEPOINT Tmp_UsrDel_Sp"},
    {"delete  from KvSystem.Kvs999Tmp  where TmpUsr=:b0", StatementKind::kDelete, 1, 0,
     "delete  from KvSystem.Kvs999Tmp  where TmpUsr=?1",
     "delete  from KvSystem.Kvs999Tmp  where TmpUsr=$1"},
    {"rollback  to Tmp_UsrDel_Sp", StatementKind::kRollbackTo, 0, 0,
     "ROLLBACK TO SAVEPOINT Tmp_UsrDel_Sp", "ROLLBACK TO SAVEPOINT Tmp_UsrDel_Sp"},
    {"commit", StatementKind::kCommit, 0, 0, "COMMIT", "COMMIT"},
    {"select TmpStr  from KVSystem.Kvs999Tmp where TmpUsr=:b0 order by TmpUsr,TmpStr",
     StatementKind::kSelect, 1, 0,
     "select TmpStr  from KVSystem.Kvs999Tmp where TmpUsr=?1 order by TmpUsr NULLS LAST,TmpStr NULLS LAST",
     "select TmpStr  from KVSystem.Kvs999Tmp where TmpUsr=$1 order by TmpUsr,TmpStr"},

    // Badge cursor, terminal and location lookups.
    {"select AswNum ,TO_CHAR(AswGvo,'yyyymmdd') ,TO_CHAR(AswGbi,'yyyymmdd') ,AswPnr ,AswBkl ,AswGrp ,AswAan ,AswAtp ,AwvSto ,PnrSal  from KvSystem.Kvs301Asw ,KvSystem.Kvs112Mnd ,KvSystem.Kvs113Awv ,Kvs300Pnr where (((((((MNDSCH=:b0 and ASWLIZ=MNDLIZ) and ASWMND=MNDNUM) and ASWNUM=AWVNUM) and (((trunc(SYSDATE)>=AswGvo and AswGbi is null ) or (trunc(SYSDATE)<=AswGbi and trunc(AswGvo) is null )) or (trunc(SYSDATE)>=AswGvo and trunc(SYSDATE)<=AswGbi))) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) and ((AswSta<>4 and AswSta<>8) or AswSta is null )) and AswPnr=PnrNum) order by AswNum,AswGvo,AswBkl",
     StatementKind::kSelect, 1, 0,
     "select AswNum ,strftime('%Y%m%d',AswGvo) ,strftime('%Y%m%d',AswGbi) ,AswPnr ,AswBkl ,AswGrp ,AswAan ,AswAtp ,AwvSto ,PnrSal  from KvSystem.Kvs301Asw ,KvSystem.Kvs112Mnd ,KvSystem.Kvs113Awv ,\"MND01\".Kvs300Pnr where (((((((MNDSCH=?1 and ASWLIZ=MNDLIZ) and ASWMND=MNDNUM) and ASWNUM=AWVNUM) and (((" LITE_TODAY ">=AswGvo and AswGbi is null ) or (" LITE_TODAY "<=AswGbi and datetime(AswGvo,'start of day') is null )) or (" LITE_TODAY ">=AswGvo and " LITE_TODAY "<=AswGbi))) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) and ((AswSta<>4 and AswSta<>8) or AswSta is null )) and AswPnr=PnrNum) order by AswNum NULLS LAST,AswGvo NULLS LAST,AswBkl NULLS LAST",
     "select AswNum ,to_char(AswGvo,'yyyymmdd') ,to_char(AswGbi,'yyyymmdd') ,AswPnr ,AswBkl ,AswGrp ,AswAan ,AswAtp ,AwvSto ,PnrSal  from KvSystem.Kvs301Asw ,KvSystem.Kvs112Mnd ,KvSystem.Kvs113Awv ,\"mnd01\".Kvs300Pnr where (((((((MNDSCH=$1 and ASWLIZ=MNDLIZ) and ASWMND=MNDNUM) and ASWNUM=AWVNUM) and (((" PG_TODAY ">=AswGvo and AswGbi is null ) or (" PG_TODAY "<=AswGbi and date_trunc('day', AswGvo) is null )) or (" PG_TODAY ">=AswGvo and " PG_TODAY "<=AswGbi))) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) and ((AswSta<>4 and AswSta<>8) or AswSta is null )) and AswPnr=PnrNum) order by AswNum,AswGvo,AswBkl"},
    {"select TSMTYP ,TSMSAL into :b0:b1,:b2:b3  from KvSystem.Kvs114Tsm where (TsmNam=:b4 and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null ))",
     StatementKind::kSelect, 1, 2,
     "select TSMTYP ,TSMSAL  from KvSystem.Kvs114Tsm where (TsmNam=?1 and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null ))",
     "select TSMTYP ,TSMSAL  from KvSystem.Kvs114Tsm where (TsmNam=$1 and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null ))"},
    {"select StoKtx into :b0:b1  from KvSystem.Kvs113Sto ,KvSystem.Kvs113Awv where (((AwvNum=:b2 and StoNum=AwvSto) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) and ((StoSta<>4 and StoSta<>8) or StoSta is null ))",
     StatementKind::kSelect, 1, 1,
     "select StoKtx  from KvSystem.Kvs113Sto ,KvSystem.Kvs113Awv where (((AwvNum=?1 and StoNum=AwvSto) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) and ((StoSta<>4 and StoSta<>8) or StoSta is null ))",
     "select StoKtx  from KvSystem.Kvs113Sto ,KvSystem.Kvs113Awv where (((AwvNum=$1 and StoNum=AwvSto) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) and ((StoSta<>4 and StoSta<>8) or StoSta is null ))"},

    // Authorization class, six steps. In step 1 :b0 is both the first output
    // and the key; only the key counts as an input.
    {"select BzuZau ,TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into :b0:b1,:b2:b3,:b4:b5,:b6:b7  from Kvs408Bzu where ((BzuZau=:b0 and (((trunc(SYSDATE)>=BzuGvo and trunc(BzuGbi) is null ) or (trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     StatementKind::kSelect, 1, 4,
     "select BzuZau ,strftime('%Y%m%d',BzuGvo) ,strftime('%Y%m%d',BzuGbi) ,BzuBkl  from \"MND01\".Kvs408Bzu where ((BzuZau=?1 and (((" LITE_TODAY ">=BzuGvo and datetime(BzuGbi,'start of day') is null ) or (" LITE_TODAY "<=BzuGbi and BzuGvo is null )) or (" LITE_TODAY ">=BzuGvo and " LITE_TODAY "<=BzuGbi))) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     "select BzuZau ,to_char(BzuGvo,'yyyymmdd') ,to_char(BzuGbi,'yyyymmdd') ,BzuBkl  from \"mnd01\".Kvs408Bzu where ((BzuZau=$1 and (((" PG_TODAY ">=BzuGvo and date_trunc('day', BzuGbi) is null ) or (" PG_TODAY "<=BzuGbi and BzuGvo is null )) or (" PG_TODAY ">=BzuGvo and " PG_TODAY "<=BzuGbi))) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))"},
    {"select ZuoKst ,TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into :b0:b1,:b2:b3,:b4:b5,:b6:b7  from Kvs311Zuo ,Kvs408Bzu where (((((ZuoPnr=:b8 and ZuoKst=BzuKst) and (((trunc(SYSDATE)>=ZuoGvo and ZuoGbi is null ) or (trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or (trunc(SYSDATE)>=ZuoGvo and trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or (trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     StatementKind::kSelect, 1, 4,
     "select ZuoKst ,strftime('%Y%m%d',BzuGvo) ,strftime('%Y%m%d',BzuGbi) ,BzuBkl  from \"MND01\".Kvs311Zuo ,\"MND01\".Kvs408Bzu where (((((ZuoPnr=?1 and ZuoKst=BzuKst) and (((" LITE_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" LITE_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" LITE_TODAY ">=ZuoGvo and " LITE_TODAY "<=ZuoGbi))) and (((" LITE_TODAY ">=BzuGvo and BzuGbi is null ) or (" LITE_TODAY "<=BzuGbi and BzuGvo is null )) or (" LITE_TODAY ">=BzuGvo and " LITE_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     "select ZuoKst ,to_char(BzuGvo,'yyyymmdd') ,to_char(BzuGbi,'yyyymmdd') ,BzuBkl  from \"mnd01\".Kvs311Zuo ,\"mnd01\".Kvs408Bzu where (((((ZuoPnr=$1 and ZuoKst=BzuKst) and (((" PG_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" PG_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" PG_TODAY ">=ZuoGvo and " PG_TODAY "<=ZuoGbi))) and (((" PG_TODAY ">=BzuGvo and BzuGbi is null ) or (" PG_TODAY "<=BzuGbi and BzuGvo is null )) or (" PG_TODAY ">=BzuGvo and " PG_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))"},
    {"select TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into :b0:b1,:b2:b3,:b4:b5  from O1003Kststelle ,Kvs311Zuo ,Kvs408Bzu where (((((((ZuoPnr=:b6 and ZuoKst=KstNum) and KstVws=BzuVks) and (((trunc(SYSDATE)>=ZuoGvo and ZuoGbi is null ) or (trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or (trunc(SYSDATE)>=ZuoGvo and trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or (trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and ((KstSta<>4 and KstSta<>8) or KstSta is null ))",
     StatementKind::kSelect, 1, 3,
     "select strftime('%Y%m%d',BzuGvo) ,strftime('%Y%m%d',BzuGbi) ,BzuBkl  from \"MND01\".O1003Kststelle ,\"MND01\".Kvs311Zuo ,\"MND01\".Kvs408Bzu where (((((((ZuoPnr=?1 and ZuoKst=KstNum) and KstVws=BzuVks) and (((" LITE_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" LITE_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" LITE_TODAY ">=ZuoGvo and " LITE_TODAY "<=ZuoGbi))) and (((" LITE_TODAY ">=BzuGvo and BzuGbi is null ) or (" LITE_TODAY "<=BzuGbi and BzuGvo is null )) or (" LITE_TODAY ">=BzuGvo and " LITE_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and ((KstSta<>4 and KstSta<>8) or KstSta is null ))",
     "select to_char(BzuGvo,'yyyymmdd') ,to_char(BzuGbi,'yyyymmdd') ,BzuBkl  from \"mnd01\".O1003Kststelle ,\"mnd01\".Kvs311Zuo ,\"mnd01\".Kvs408Bzu where (((((((ZuoPnr=$1 and ZuoKst=KstNum) and KstVws=BzuVks) and (((" PG_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" PG_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" PG_TODAY ">=ZuoGvo and " PG_TODAY "<=ZuoGbi))) and (((" PG_TODAY ">=BzuGvo and BzuGbi is null ) or (" PG_TODAY "<=BzuGbi and BzuGvo is null )) or (" PG_TODAY ">=BzuGvo and " PG_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and ((KstSta<>4 and KstSta<>8) or KstSta is null ))"},
    {"select ZuoAbt ,TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into :b0:b1,:b2:b3,:b4:b5,:b6:b7  from Kvs311Zuo ,Kvs408Bzu where (((((ZuoPnr=:b8 and ZuoAbt=BzuAbt) and (((trunc(SYSDATE)>=ZuoGvo and ZuoGbi is null ) or (trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or (trunc(SYSDATE)>=ZuoGvo and trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or (trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     StatementKind::kSelect, 1, 4,
     "select ZuoAbt ,strftime('%Y%m%d',BzuGvo) ,strftime('%Y%m%d',BzuGbi) ,BzuBkl  from \"MND01\".Kvs311Zuo ,\"MND01\".Kvs408Bzu where (((((ZuoPnr=?1 and ZuoAbt=BzuAbt) and (((" LITE_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" LITE_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" LITE_TODAY ">=ZuoGvo and " LITE_TODAY "<=ZuoGbi))) and (((" LITE_TODAY ">=BzuGvo and BzuGbi is null ) or (" LITE_TODAY "<=BzuGbi and BzuGvo is null )) or (" LITE_TODAY ">=BzuGvo and " LITE_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     "select ZuoAbt ,to_char(BzuGvo,'yyyymmdd') ,to_char(BzuGbi,'yyyymmdd') ,BzuBkl  from \"mnd01\".Kvs311Zuo ,\"mnd01\".Kvs408Bzu where (((((ZuoPnr=$1 and ZuoAbt=BzuAbt) and (((" PG_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" PG_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" PG_TODAY ">=ZuoGvo and " PG_TODAY "<=ZuoGbi))) and (((" PG_TODAY ">=BzuGvo and BzuGbi is null ) or (" PG_TODAY "<=BzuGbi and BzuGvo is null )) or (" PG_TODAY ">=BzuGvo and " PG_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))"},
    {"select TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into :b0:b1,:b2:b3,:b4:b5  from G1102AbtLst ,Kvs311Zuo ,Kvs408Bzu where (((((((ZuoPnr=:b6 and ZuoAbt=AblAbt) and AblVab=BzuVab) and (((trunc(SYSDATE)>=ZuoGvo and ZuoGbi is null ) or (trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or (trunc(SYSDATE)>=ZuoGvo and trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or (trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and ((AblSta<>4 and AblSta<>8) or AblSta is null ))",
     StatementKind::kSelect, 1, 3,
     "select strftime('%Y%m%d',BzuGvo) ,strftime('%Y%m%d',BzuGbi) ,BzuBkl  from \"MND01\".G1102AbtLst ,\"MND01\".Kvs311Zuo ,\"MND01\".Kvs408Bzu where (((((((ZuoPnr=?1 and ZuoAbt=AblAbt) and AblVab=BzuVab) and (((" LITE_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" LITE_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" LITE_TODAY ">=ZuoGvo and " LITE_TODAY "<=ZuoGbi))) and (((" LITE_TODAY ">=BzuGvo and BzuGbi is null ) or (" LITE_TODAY "<=BzuGbi and BzuGvo is null )) or (" LITE_TODAY ">=BzuGvo and " LITE_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and ((AblSta<>4 and AblSta<>8) or AblSta is null ))",
     "select to_char(BzuGvo,'yyyymmdd') ,to_char(BzuGbi,'yyyymmdd') ,BzuBkl  from \"mnd01\".G1102AbtLst ,\"mnd01\".Kvs311Zuo ,\"mnd01\".Kvs408Bzu where (((((((ZuoPnr=$1 and ZuoAbt=AblAbt) and AblVab=BzuVab) and (((" PG_TODAY ">=ZuoGvo and ZuoGbi is null ) or (" PG_TODAY "<=ZuoGbi and ZuoGvo is null )) or (" PG_TODAY ">=ZuoGvo and " PG_TODAY "<=ZuoGbi))) and (((" PG_TODAY ">=BzuGvo and BzuGbi is null ) or (" PG_TODAY "<=BzuGbi and BzuGvo is null )) or (" PG_TODAY ">=BzuGvo and " PG_TODAY "<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and ((AblSta<>4 and AblSta<>8) or AblSta is null ))"},
    {"select TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into :b0:b1,:b2:b3,:b4:b5  from Kvs310Bsv ,Kvs408Bzu where (((((BsvPnr=:b6 and BsvAkr=BzuAkr) and (((trunc(SYSDATE)>=BsvGvo and BsvGbi is null ) or (trunc(SYSDATE)<=BsvGbi and BsvGvo is null )) or (trunc(SYSDATE)>=BsvGvo and trunc(SYSDATE)<=BsvGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or (trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and ((BsvSta<>4 and BsvSta<>8) or BsvSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     StatementKind::kSelect, 1, 3,
     "select strftime('%Y%m%d',BzuGvo) ,strftime('%Y%m%d',BzuGbi) ,BzuBkl  from \"MND01\".Kvs310Bsv ,\"MND01\".Kvs408Bzu where (((((BsvPnr=?1 and BsvAkr=BzuAkr) and (((" LITE_TODAY ">=BsvGvo and BsvGbi is null ) or (" LITE_TODAY "<=BsvGbi and BsvGvo is null )) or (" LITE_TODAY ">=BsvGvo and " LITE_TODAY "<=BsvGbi))) and (((" LITE_TODAY ">=BzuGvo and BzuGbi is null ) or (" LITE_TODAY "<=BzuGbi and BzuGvo is null )) or (" LITE_TODAY ">=BzuGvo and " LITE_TODAY "<=BzuGbi))) and ((BsvSta<>4 and BsvSta<>8) or BsvSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))",
     "select to_char(BzuGvo,'yyyymmdd') ,to_char(BzuGbi,'yyyymmdd') ,BzuBkl  from \"mnd01\".Kvs310Bsv ,\"mnd01\".Kvs408Bzu where (((((BsvPnr=$1 and BsvAkr=BzuAkr) and (((" PG_TODAY ">=BsvGvo and BsvGbi is null ) or (" PG_TODAY "<=BsvGbi and BsvGvo is null )) or (" PG_TODAY ">=BsvGvo and " PG_TODAY "<=BsvGbi))) and (((" PG_TODAY ">=BzuGvo and BzuGbi is null ) or (" PG_TODAY "<=BzuGbi and BzuGvo is null )) or (" PG_TODAY ">=BzuGvo and " PG_TODAY "<=BzuGbi))) and ((BsvSta<>4 and BsvSta<>8) or BsvSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))"},

    // Reader permissions.
    {"select ZlsLes ,ZlsZko  from KvSystem.Kvs401Zls where ((ZlsTrm=:b0 and ZlsLes<=:b1) and ((ZlsSta<>4 and ZlsSta<>8) or ZlsSta is null )) order by ZlsLes",
     StatementKind::kSelect, 2, 0,
     "select ZlsLes ,ZlsZko  from KvSystem.Kvs401Zls where ((ZlsTrm=?1 and ZlsLes<=?2) and ((ZlsSta<>4 and ZlsSta<>8) or ZlsSta is null )) order by ZlsLes NULLS LAST",
     "select ZlsLes ,ZlsZko  from KvSystem.Kvs401Zls where ((ZlsTrm=$1 and ZlsLes<=$2) and ((ZlsSta<>4 and ZlsSta<>8) or ZlsSta is null )) order by ZlsLes"},
    {"select count(*)  into :b0:b1  from KvSystem.Kvs404Zbr where ((ZbrZbk=:b2 and ZbrZko=:b3) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))",
     StatementKind::kSelect, 2, 1,
     "select count(*)  from KvSystem.Kvs404Zbr where ((ZbrZbk=?1 and ZbrZko=?2) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))",
     "select count(*)  from KvSystem.Kvs404Zbr where ((ZbrZbk=$1 and ZbrZko=$2) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))"},
    {"select count(*)  into :b0:b1  from KvSystem.Kvs404Zbr where (((ZbrZbk=:b2 and ZbrZko=:b3) and ZbrZtb=3) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))",
     StatementKind::kSelect, 2, 1,
     "select count(*)  from KvSystem.Kvs404Zbr where (((ZbrZbk=?1 and ZbrZko=?2) and ZbrZtb=3) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))",
     "select count(*)  from KvSystem.Kvs404Zbr where (((ZbrZbk=$1 and ZbrZko=$2) and ZbrZtb=3) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))"},

    // Daily balances: yesterday at midnight.
    {"select (NVL(TGBVT1,0)+NVL(TGBSA1,0)) ,(NVL(TGBVT2,0)+NVL(TGBSA2,0)) ,(NVL(TGBVT3,0)+NVL(TGBSA3,0)) ,(NVL(TGBVT4,0)+NVL(TGBSA4,0)) ,(NVL(TGBVT5,0)+NVL(TGBSA5,0)) ,(NVL(TGBVT6,0)+NVL(TGBSA6,0)) ,(NVL(TGBVT7,0)+NVL(TGBSA7,0)) ,(((NVL(TGBVT1,0)+NVL(TGBSA1,0))+NVL(TGBVT2,0))+NVL(TGBSA2,0)) ,(((NVL(TGBVT2,0)+NVL(TGBSA2,0))+NVL(TGBVT3,0))+NVL(TGBSA3,0)) into :b0:b1,:b2:b3,:b4:b5,:b6:b7,:b8:b9,:b10:b11,:b12:b13,:b14:b15,:b16:b17  from Kvs320Tgb ,Kvs300Pnr where ((((TGBPNR=:b18 and TGBZTR=1) and TGBDTM=to_date((sysdate-1))) and TGBPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))",
     StatementKind::kSelect, 1, 9,
     "select (coalesce(TGBVT1,0)+coalesce(TGBSA1,0)) ,(coalesce(TGBVT2,0)+coalesce(TGBSA2,0)) ,(coalesce(TGBVT3,0)+coalesce(TGBSA3,0)) ,(coalesce(TGBVT4,0)+coalesce(TGBSA4,0)) ,(coalesce(TGBVT5,0)+coalesce(TGBSA5,0)) ,(coalesce(TGBVT6,0)+coalesce(TGBSA6,0)) ,(coalesce(TGBVT7,0)+coalesce(TGBSA7,0)) ,(((coalesce(TGBVT1,0)+coalesce(TGBSA1,0))+coalesce(TGBVT2,0))+coalesce(TGBSA2,0)) ,(((coalesce(TGBVT2,0)+coalesce(TGBSA2,0))+coalesce(TGBVT3,0))+coalesce(TGBSA3,0))  from \"MND01\".Kvs320Tgb ,\"MND01\".Kvs300Pnr where ((((TGBPNR=?1 and TGBZTR=1) and TGBDTM=datetime((datetime(" LITE_NOW ",'-1 days')),'start of day')) and TGBPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))",
     "select (coalesce(TGBVT1,0)+coalesce(TGBSA1,0)) ,(coalesce(TGBVT2,0)+coalesce(TGBSA2,0)) ,(coalesce(TGBVT3,0)+coalesce(TGBSA3,0)) ,(coalesce(TGBVT4,0)+coalesce(TGBSA4,0)) ,(coalesce(TGBVT5,0)+coalesce(TGBSA5,0)) ,(coalesce(TGBVT6,0)+coalesce(TGBSA6,0)) ,(coalesce(TGBVT7,0)+coalesce(TGBSA7,0)) ,(((coalesce(TGBVT1,0)+coalesce(TGBSA1,0))+coalesce(TGBVT2,0))+coalesce(TGBSA2,0)) ,(((coalesce(TGBVT2,0)+coalesce(TGBSA2,0))+coalesce(TGBVT3,0))+coalesce(TGBSA3,0))  from \"mnd01\".Kvs320Tgb ,\"mnd01\".Kvs300Pnr where ((((TGBPNR=$1 and TGBZTR=1) and TGBDTM=date_trunc('day', ((" PG_NOW " - 1 * interval '1 day')))) and TGBPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))"},

    // Balance lists.
    {"select TsaLfd ,NVL(TsaSpl,1) ,SubStr(FtxT50,1,12)  from KvSystem.Kvs114Tsm ,KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((TsmNam=:b0 and TsmSal=TsaSal) and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=TsmSpr) and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) order by TsaSal,TsaLfd",
     StatementKind::kSelect, 1, 0,
     "select TsaLfd ,coalesce(TsaSpl,1) ,substr(FtxT50,1,12)  from KvSystem.Kvs114Tsm ,KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((TsmNam=?1 and TsmSal=TsaSal) and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=TsmSpr) and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) order by TsaSal NULLS LAST,TsaLfd NULLS LAST",
     "select TsaLfd ,coalesce(TsaSpl,1) ,substr(FtxT50,1,12)  from KvSystem.Kvs114Tsm ,KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((TsmNam=$1 and TsmSal=TsaSal) and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=TsmSpr) and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) order by TsaSal,TsaLfd"},
    {"select FTXT10 into :b0:b1  from KVSYSTEM.KVS114TSM ,KVSYSTEM.G2101SALLST ,KVSYSTEM.KVS102WHL where (((((((TSMNAM=:b2 and TSMSAL=TSASAL) and FTXNUMSPR=220002) and FTXWHL=TSAAUS) and FTXSPR=TSMSPR) and TSALFD=:b3) and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))",
     StatementKind::kSelect, 2, 1,
     "select FTXT10  from KVSYSTEM.KVS114TSM ,KVSYSTEM.G2101SALLST ,KVSYSTEM.KVS102WHL where (((((((TSMNAM=?1 and TSMSAL=TSASAL) and FTXNUMSPR=220002) and FTXWHL=TSAAUS) and FTXSPR=TSMSPR) and TSALFD=?2) and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))",
     "select FTXT10  from KVSYSTEM.KVS114TSM ,KVSYSTEM.G2101SALLST ,KVSYSTEM.KVS102WHL where (((((((TSMNAM=$1 and TSMSAL=TSASAL) and FTXNUMSPR=220002) and FTXWHL=TSAAUS) and FTXSPR=TSMSPR) and TSALFD=$2) and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))"},
    {"select TsaLfd ,NVL(TsaSpl,1) ,SubStr(FtxT50,1,12)  from Kvs300Pnr ,KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((PnrNum=:b0 and PnrSal=TsaSal) and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=PnrSpr) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) order by TsaSal,TsaLfd",
     StatementKind::kSelect, 1, 0,
     "select TsaLfd ,coalesce(TsaSpl,1) ,substr(FtxT50,1,12)  from \"MND01\".Kvs300Pnr ,KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((PnrNum=?1 and PnrSal=TsaSal) and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=PnrSpr) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) order by TsaSal NULLS LAST,TsaLfd NULLS LAST",
     "select TsaLfd ,coalesce(TsaSpl,1) ,substr(FtxT50,1,12)  from \"mnd01\".Kvs300Pnr ,KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((PnrNum=$1 and PnrSal=TsaSal) and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=PnrSpr) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) order by TsaSal,TsaLfd"},
    {"select FTXT10 into :b0:b1  from KVS300PNR ,KVSYSTEM.G2101SALLST ,KVSYSTEM.KVS102WHL where (((((((PNRNUM=:b2 and PNRSAL=TSASAL) and FTXNUMSPR=220002) and FTXWHL=TSAAUS) and FTXSPR=PNRSPR) and TSALFD=:b3) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))",
     StatementKind::kSelect, 2, 1,
     "select FTXT10  from \"MND01\".KVS300PNR ,KVSYSTEM.G2101SALLST ,KVSYSTEM.KVS102WHL where (((((((PNRNUM=?1 and PNRSAL=TSASAL) and FTXNUMSPR=220002) and FTXWHL=TSAAUS) and FTXSPR=PNRSPR) and TSALFD=?2) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))",
     "select FTXT10  from \"mnd01\".KVS300PNR ,KVSYSTEM.G2101SALLST ,KVSYSTEM.KVS102WHL where (((((((PNRNUM=$1 and PNRSAL=TSASAL) and FTXNUMSPR=220002) and FTXWHL=TSAAUS) and FTXSPR=PNRSPR) and TSALFD=$2) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))"},

    // Vacation figures.
    {"select NVL(URVGUR,0.0) ,NVL(URVVJR,0.0) into :b0:b1,:b2:b3  from Kvs332Urv ,Kvs300Pnr where (((URVPNR=:b4 and URVJHR=TO_NUMBER(TO_CHAR(sysdate,'yyyy'))) and URVPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))",
     StatementKind::kSelect, 1, 2,
     "select coalesce(URVGUR,0.0) ,coalesce(URVVJR,0.0)  from \"MND01\".Kvs332Urv ,\"MND01\".Kvs300Pnr where (((URVPNR=?1 and URVJHR=CAST(strftime('%Y'," LITE_NOW ") AS NUMERIC)) and URVPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))",
     "select coalesce(URVGUR,0.0) ,coalesce(URVVJR,0.0)  from \"mnd01\".Kvs332Urv ,\"mnd01\".Kvs300Pnr where (((URVPNR=$1 and URVJHR=(to_char(" PG_NOW ",'yyyy'))::numeric) and URVPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))"},
    {"select UtgDtm ,NVL(UtgVtg,0.0) ,NVL(UtgRtg,0.0) ,NVL(UtgGut,0.0)  from Kvs332Utg ,Kvs300Pnr where (((UTGPNR=:b0 and UtgDtm<=trunc(sysdate)) and UTGPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) order by UtgDtm desc",
     StatementKind::kSelect, 1, 0,
     "select UtgDtm ,coalesce(UtgVtg,0.0) ,coalesce(UtgRtg,0.0) ,coalesce(UtgGut,0.0)  from \"MND01\".Kvs332Utg ,\"MND01\".Kvs300Pnr where (((UTGPNR=?1 and UtgDtm<=" LITE_TODAY ") and UTGPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) order by UtgDtm desc NULLS FIRST",
     "select UtgDtm ,coalesce(UtgVtg,0.0) ,coalesce(UtgRtg,0.0) ,coalesce(UtgGut,0.0)  from \"mnd01\".Kvs332Utg ,\"mnd01\".Kvs300Pnr where (((UTGPNR=$1 and UtgDtm<=" PG_TODAY ") and UTGPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) order by UtgDtm desc"},

    // Person settings of the IDSTAMM record.
    {"select PnrSpr ,PnrSal into :b0:b1,:b2:b3  from Kvs300Pnr where (PNRNUM=:b4 and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))",
     StatementKind::kSelect, 1, 2,
     "select PnrSpr ,PnrSal  from \"MND01\".Kvs300Pnr where (PNRNUM=?1 and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))",
     "select PnrSpr ,PnrSal  from \"mnd01\".Kvs300Pnr where (PNRNUM=$1 and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))"},
};

struct VariantCase {
  const char* oracle;
  const char* schema;
  const char* pinned;
  StatementKind kind;
  int input_count;
  int into_count;
  const char* sqlite;
  const char* postgres;
};

// Texts beyond the tool's own: the pinned clock, qualification on and off,
// literals, spelling and the other statement forms.
const VariantCase kVariants[] = {
    // Pinned clock.
    {"select UtgDtm  from Kvs332Utg where UtgDtm<=trunc(sysdate)", "Mnd01", "2026-12-11 10:20:30",
     StatementKind::kSelect, 0, 0,
     "select UtgDtm  from \"MND01\".Kvs332Utg where UtgDtm<=datetime('2026-12-11 10:20:30','start of day')",
     "select UtgDtm  from \"mnd01\".Kvs332Utg where UtgDtm<=date_trunc('day', TIMESTAMP '2026-12-11 10:20:30')"},
    {"select TgbPnr  from Kvs320Tgb where TGBDTM=to_date((sysdate-1))", "Mnd01", "2026-12-11 10:20:30",
     StatementKind::kSelect, 0, 0,
     "select TgbPnr  from \"MND01\".Kvs320Tgb where TGBDTM=datetime((datetime('2026-12-11 10:20:30','-1 days')),'start of day')",
     "select TgbPnr  from \"mnd01\".Kvs320Tgb where TGBDTM=date_trunc('day', ((TIMESTAMP '2026-12-11 10:20:30' - 1 * interval '1 day')))"},
    {"select UrvGur  from Kvs332Urv where URVJHR=TO_NUMBER(TO_CHAR(sysdate,'yyyy'))", "Mnd01", "2026-12-11 10:20:30",
     StatementKind::kSelect, 0, 0,
     "select UrvGur  from \"MND01\".Kvs332Urv where URVJHR=CAST(strftime('%Y','2026-12-11 10:20:30') AS NUMERIC)",
     "select UrvGur  from \"mnd01\".Kvs332Urv where URVJHR=(to_char(TIMESTAMP '2026-12-11 10:20:30','yyyy'))::numeric"},

    // Day arithmetic, time formats.
    {"select trunc(SYSDATE)-1 ,sysdate + 2  from Kvs300Pnr", "", "",
     StatementKind::kSelect, 0, 0,
     "select datetime(" LITE_TODAY ",'-1 days') ,datetime(" LITE_NOW ",'+2 days')  from Kvs300Pnr",
     "select (" PG_TODAY " - 1 * interval '1 day') ,(" PG_NOW " + 2 * interval '1 day')  from Kvs300Pnr"},
    {"select TO_CHAR(sysdate,'YYYY-MM-DD HH24:MI:SS') ,to_char(UtgDtm,'dd.mm.yyyy 100%')  from Kvs332Utg", "", "",
     StatementKind::kSelect, 0, 0,
     "select strftime('%Y-%m-%d %H:%M:%S'," LITE_NOW ") ,strftime('%d.%m.%Y 100%%',UtgDtm)  from Kvs332Utg",
     "select to_char(" PG_NOW ",'YYYY-MM-DD HH24:MI:SS') ,to_char(UtgDtm,'dd.mm.yyyy 100%')  from Kvs332Utg"},

    // Qualification off: the same texts, unqualified names as written.
    {"select PnrSpr ,PnrSal into :b0:b1,:b2:b3  from Kvs300Pnr where (PNRNUM=:b4 and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))", "", "",
     StatementKind::kSelect, 1, 2,
     "select PnrSpr ,PnrSal  from Kvs300Pnr where (PNRNUM=?1 and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))",
     "select PnrSpr ,PnrSal  from Kvs300Pnr where (PNRNUM=$1 and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))"},
    {"insert into Kvs300Pnr (PnrNum,PnrSal) values (:b0,:b1)", "", "",
     StatementKind::kInsert, 2, 0,
     "insert into Kvs300Pnr (PnrNum,PnrSal) values (?1,?2)",
     "insert into Kvs300Pnr (PnrNum,PnrSal) values ($1,$2)"},

    // Qualification on for every place a table is named; qualified names in
    // any letter case stay.
    {"insert into Kvs300Pnr (PnrNum,PnrSal) values (:b0,'x')", "Mnd01", "",
     StatementKind::kInsert, 1, 0,
     "insert into \"MND01\".Kvs300Pnr (PnrNum,PnrSal) values (?1,'x')",
     "insert into \"mnd01\".Kvs300Pnr (PnrNum,PnrSal) values ($1,'x')"},
    {"update Kvs300Pnr set PnrSal=:b0 where PnrNum=:b1", "Mnd01", "",
     StatementKind::kUpdate, 2, 0,
     "update \"MND01\".Kvs300Pnr set PnrSal=?1 where PnrNum=?2",
     "update \"mnd01\".Kvs300Pnr set PnrSal=$1 where PnrNum=$2"},
    {"delete Kvs300Pnr where PnrNum=:b0", "Mnd01", "",
     StatementKind::kDelete, 1, 0,
     "delete FROM \"MND01\".Kvs300Pnr where PnrNum=?1",
     "delete FROM \"mnd01\".Kvs300Pnr where PnrNum=$1"},
    {"select p.PnrNum from Kvs300Pnr p ,kvsystem.Kvs999Tmp t where p.PnrNum=t.TmpUsr", "Mnd01", "",
     StatementKind::kSelect, 0, 0,
     "select p.PnrNum from \"MND01\".Kvs300Pnr p ,kvsystem.Kvs999Tmp t where p.PnrNum=t.TmpUsr",
     "select p.PnrNum from \"mnd01\".Kvs300Pnr p ,kvsystem.Kvs999Tmp t where p.PnrNum=t.TmpUsr"},
    {"select PnrNum from Kvs300Pnr where PnrNum in (select UrvPnr from Kvs332Urv where UrvJhr=:b0) order by PnrNum", "Mnd01", "",
     StatementKind::kSelect, 1, 0,
     "select PnrNum from \"MND01\".Kvs300Pnr where PnrNum in (select UrvPnr from \"MND01\".Kvs332Urv where UrvJhr=?1) order by PnrNum NULLS LAST",
     "select PnrNum from \"mnd01\".Kvs300Pnr where PnrNum in (select UrvPnr from \"mnd01\".Kvs332Urv where UrvJhr=$1) order by PnrNum"},

    // Literals are never touched, whatever they hold.
    {"select PnrNum from Kvs300Pnr where PnrSal=':b1' and PnrNum='sysdate' and PnrSpr='it''s :b2, trunc(x)' and PnrSta=:b3", "Mnd01", "",
     StatementKind::kSelect, 1, 0,
     "select PnrNum from \"MND01\".Kvs300Pnr where PnrSal=':b1' and PnrNum='sysdate' and PnrSpr='it''s :b2, trunc(x)' and PnrSta=?1",
     "select PnrNum from \"mnd01\".Kvs300Pnr where PnrSal=':b1' and PnrNum='sysdate' and PnrSpr='it''s :b2, trunc(x)' and PnrSta=$1"},

    // Placeholders numbered by first appearance, names case-insensitive.
    {"select PnrSal from Kvs300Pnr where PnrNum=:b1 and PnrSpr=:b0 or PnrNum=:B1", "", "",
     StatementKind::kSelect, 2, 0,
     "select PnrSal from Kvs300Pnr where PnrNum=?1 and PnrSpr=?2 or PnrNum=?1",
     "select PnrSal from Kvs300Pnr where PnrNum=$1 and PnrSpr=$2 or PnrNum=$1"},

    // Spelling: letter case, whitespace, optional words.
    {"  SELECT PnrSal\n  FROM Kvs300Pnr\tWHERE PnrNum = :b0  ", "Mnd01", "",
     StatementKind::kSelect, 1, 0,
     "SELECT PnrSal\n  FROM \"MND01\".Kvs300Pnr\tWHERE PnrNum = ?1",
     "SELECT PnrSal\n  FROM \"mnd01\".Kvs300Pnr\tWHERE PnrNum = $1"},
    {"Savepoint\tA1", "", "", StatementKind::kSavepoint, 0, 0, "SAVEPOINT A1", "SAVEPOINT A1"},
    {"ROLLBACK\n TO  A1", "", "", StatementKind::kRollbackTo, 0, 0,
     "ROLLBACK TO SAVEPOINT A1", "ROLLBACK TO SAVEPOINT A1"},
    {"rollback to savepoint A1", "", "", StatementKind::kRollbackTo, 0, 0,
     "ROLLBACK TO SAVEPOINT A1", "ROLLBACK TO SAVEPOINT A1"},
    {"COMMIT work", "", "", StatementKind::kCommit, 0, 0, "COMMIT", "COMMIT"},
};

void ExpectTranslation(const char* oracle, const char* schema, const char* pinned,
                       StatementKind kind, int input_count, int into_count,
                       const char* sqlite, const char* postgres) {
  for (DialectFlavor flavor : {DialectFlavor::kSqlite, DialectFlavor::kPostgres}) {
    SCOPED_TRACE(flavor == DialectFlavor::kSqlite ? "sqlite" : "postgres");
    DialectOptions options;
    options.flavor = flavor;
    options.current_schema = schema;
    options.pinned_sysdate = pinned;
    TranslatedStatement out;
    ASSERT_EQ(TranslateStatement(oracle, options, &out), 0);
    EXPECT_EQ(out.sql, flavor == DialectFlavor::kSqlite ? sqlite : postgres);
    EXPECT_EQ(out.kind, kind);
    EXPECT_EQ(out.input_count, input_count);
    EXPECT_EQ(out.into_count, into_count);
  }
}

TEST(DialectTest, TranslatesEveryStatementOfTheTool) {
  for (const StatementCase& c : kToolStatements) {
    SCOPED_TRACE(c.oracle);
    ExpectTranslation(c.oracle, "Mnd01", "", c.kind, c.input_count, c.into_count, c.sqlite,
                      c.postgres);
  }
}

TEST(DialectTest, TranslatesVariants) {
  for (const VariantCase& c : kVariants) {
    SCOPED_TRACE(c.oracle);
    ExpectTranslation(c.oracle, c.schema, c.pinned, c.kind, c.input_count, c.into_count,
                      c.sqlite, c.postgres);
  }
}

TEST(DialectTest, SavepointsCarryTheirName) {
  struct Case {
    const char* oracle;
    const char* name;
  };
  const Case kCases[] = {
      {"savepoint Tmp_PKeyIns_Sp", "Tmp_PKeyIns_Sp"},
      {"rollback  to Tmp_UsrDel_Sp", "Tmp_UsrDel_Sp"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.oracle);
    TranslatedStatement out;
    ASSERT_EQ(TranslateStatement(c.oracle, DialectOptions{}, &out), 0);
    EXPECT_EQ(out.name, c.name);
  }
}

// The schema statement is built from data: the name comes back as written,
// and the engine decides whether it can switch to it.
TEST(DialectTest, ReadsSchemaSwitch) {
  struct Case {
    const char* oracle;
    const char* name;
  };
  const Case kCases[] = {
      {"ALTER SESSION SET CURRENT_SCHEMA=MND01", "MND01"},
      {"ALTER SESSION SET CURRENT_SCHEMA=KvSystem", "KvSystem"},
      {"alter session set current_schema = mnd02 ", "mnd02"},
      {"ALTER SESSION SET CURRENT_SCHEMA=", ""},
      {"ALTER SESSION SET CURRENT_SCHEMA=x'; drop table t", "x'; drop table t"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.oracle);
    TranslatedStatement out;
    ASSERT_EQ(TranslateStatement(c.oracle, DialectOptions{}, &out), 0);
    EXPECT_EQ(out.kind, StatementKind::kAlterSchema);
    EXPECT_EQ(out.name, c.name);
    EXPECT_EQ(out.sql, "");
  }
}

TEST(DialectTest, RefusesWhatItCannotTranslate) {
  struct Case {
    const char* oracle;
    const char* schema;
    const char* pinned;
  };
  const Case kCases[] = {
      // Text.
      {"", "", ""},
      {"select (PnrNum from Kvs300Pnr", "", ""},
      {"select PnrNum) from Kvs300Pnr", "", ""},
      {"select PnrNum from Kvs300Pnr where PnrSal='abc", "", ""},
      {"select PnrNum from Kvs300Pnr -- x'", "", ""},
      {"select \"PnrNum\" from Kvs300Pnr", "", ""},
      {"select PnrNum from Kvs300Pnr where PnrSal=: b0", "", ""},
      {"select PnrNum from", "", ""},
      {"select PnrNum from Kvs300Pnr join Kvs332Urv on PnrNum=UrvPnr", "", ""},
      // Statement kinds.
      {"merge into Kvs300Pnr using Kvs332Urv on (PnrNum=UrvPnr)", "", ""},
      {"drop table Kvs300Pnr", "", ""},
      {"rollback", "", ""},
      {"rollback  to", "", ""},
      {"savepoint", "", ""},
      {"savepoint a b", "", ""},
      {"commit now", "", ""},
      {"ALTER SESSION SET SCHEMA=MND01", "", ""},
      {"alter table Kvs300Pnr add x int", "", ""},
      // Into clauses.
      {"select PnrSal into  from Kvs300Pnr", "", ""},
      {"select PnrSal into :b0 :b1 from Kvs300Pnr", "", ""},
      {"select PnrSal into :b0, from Kvs300Pnr", "", ""},
      {"select PnrSal into :b0:b1:b2 from Kvs300Pnr", "", ""},
      {"select PnrSal into b0 from Kvs300Pnr", "", ""},
      {"select PnrSal into :b0", "", ""},
      {"select PnrSal into :b0 into :b1 from Kvs300Pnr", "", ""},
      // Functions and day arithmetic beyond the translated forms.
      {"select trunc() from Kvs300Pnr", "", ""},
      {"select trunc(UtgDtm,'MM') from Kvs332Utg", "", ""},
      {"select to_date('2026-12-11') from Kvs300Pnr", "", ""},
      {"select to_date(PnrSal,'yyyymmdd') from Kvs300Pnr", "", ""},
      {"select TO_CHAR(sysdate,'dd.mon.yyyy') from Kvs300Pnr", "", ""},
      {"select TO_CHAR(sysdate,PnrSal) from Kvs300Pnr", "", ""},
      {"select TO_NUMBER(PnrSal,'999') from Kvs300Pnr", "", ""},
      {"select sysdate*2 from Kvs300Pnr", "", ""},
      {"select 1-sysdate from Kvs300Pnr", "", ""},
      {"select sysdate-PnrSpr from Kvs300Pnr", "", ""},
      {"select sysdate-1/24 from Kvs300Pnr", "", ""},
      {"select sysdate||'x' from Kvs300Pnr", "", ""},
      // Options that could break out of the quotes they go into.
      {"select PnrNum from Kvs300Pnr", "Mnd\"01", ""},
      {"select PnrNum from Kvs300Pnr", "1Mnd", ""},
      {"select sysdate from Kvs300Pnr", "", "2026-12-11T10:20:30"},
      {"select sysdate from Kvs300Pnr", "", "2026-12-11 10:20:30' or '1"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.oracle);
    for (DialectFlavor flavor : {DialectFlavor::kSqlite, DialectFlavor::kPostgres}) {
      DialectOptions options;
      options.flavor = flavor;
      options.current_schema = c.schema;
      options.pinned_sysdate = c.pinned;
      TranslatedStatement out;
      out.sql = "stale";
      out.input_count = 7;
      EXPECT_EQ(TranslateStatement(c.oracle, options, &out), -900);
      EXPECT_EQ(out.sql, "");
      EXPECT_EQ(out.input_count, 0);
    }
  }
}

TEST(DialectTest, IsPlainIdentifier) {
  struct Case {
    const char* name;
    bool plain;
  };
  const Case kCases[] = {
      {"KVSYSTEM", true},
      {"Mnd_01$#", true},
      {"a", true},
      {"abcdefghijklmnopqrstuvwxyz0123", true},   // 30 characters
      {"abcdefghijklmnopqrstuvwxyz01234", false}, // 31 characters
      {"", false},
      {"1Mnd", false},
      {"_Mnd", false},
      {"Mnd 01", false},
      {"Mnd-01", false},
      {"Mnd'01", false},
      {"Mnd\"01", false},
      {"Mnd.01", false},
      {"M\xC3\xBCnd", false},  // a letter outside ASCII
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(IsPlainIdentifier(c.name), c.plain);
  }
}

// An in-memory database with the system schema and the tenant schema MND01
// attached, holding the tables and columns that the statements name.
class DialectSqliteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
    // A misspelt name in double quotes must fail, not become a literal.
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db_, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    Exec("ATTACH ':memory:' AS KVSYSTEM");
    Exec("ATTACH ':memory:' AS MND01");
    Exec("CREATE TABLE KVSYSTEM.Kvs112Mnd (MndSch, MndNum, MndLiz, MndKon, MndSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs999Tmp (TmpUsr, TmpStr, PRIMARY KEY (TmpUsr, TmpStr))");
    Exec("CREATE TABLE KVSYSTEM.Kvs301Asw (AswNum, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp,"
         " AswAan, AswAtp, AswLiz, AswMnd, AswSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs113Awv (AwvNum, AwvSto, AwvSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs113Sto (StoNum, StoKtx, StoSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta)");
    Exec("CREATE TABLE KVSYSTEM.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta)");
    Exec("CREATE TABLE KVSYSTEM.Kvs102Whl (FtxNumSpr, FtxWhl, FtxSpr, FtxT50, FtxT10)");
    Exec("CREATE TABLE MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta)");
    Exec("CREATE TABLE MND01.Kvs408Bzu (BzuZau, BzuGvo, BzuGbi, BzuBkl, BzuKst, BzuVks, BzuAbt,"
         " BzuVab, BzuAkr, BzuSta)");
    Exec("CREATE TABLE MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta)");
    Exec("CREATE TABLE MND01.O1003Kststelle (KstNum, KstVws, KstSta)");
    Exec("CREATE TABLE MND01.G1102AbtLst (AblAbt, AblVab, AblSta)");
    Exec("CREATE TABLE MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta)");
    Exec("CREATE TABLE MND01.Kvs320Tgb (TgbPnr, TgbZtr, TgbDtm, TgbVt1, TgbVt2, TgbVt3, TgbVt4,"
         " TgbVt5, TgbVt6, TgbVt7, TgbSa1, TgbSa2, TgbSa3, TgbSa4, TgbSa5, TgbSa6, TgbSa7)");
    Exec("CREATE TABLE MND01.Kvs332Urv (UrvPnr, UrvJhr, UrvGur, UrvVjr)");
    Exec("CREATE TABLE MND01.Kvs332Utg (UtgPnr, UtgDtm, UtgVtg, UtgRtg, UtgGut)");
    Exec("INSERT INTO MND01.Kvs300Pnr VALUES ('4711', NULL, 1, NULL)");
  }
  void TearDown() override { sqlite3_close(db_); }

  void Exec(const char* sql) {
    char* error = nullptr;
    ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, &error), SQLITE_OK) << sql << ": " << error;
  }

  // SQLite must accept the translated text as it stands.
  void ExpectPrepares(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db_);
    sqlite3_finalize(stmt);
  }

  // The first column of the one row that a translated SELECT returns.
  std::string Evaluate(const std::string& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
      ADD_FAILURE() << sqlite3_errmsg(db_);
      return "";
    }
    std::string value = "<no row>";
    if (sqlite3_step(stmt) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(stmt, 0);
      value = text == nullptr ? "<null>" : reinterpret_cast<const char*>(text);
    }
    sqlite3_finalize(stmt);
    return value;
  }

  static std::string Translate(const char* oracle, const char* schema, const char* pinned) {
    DialectOptions options;
    options.flavor = DialectFlavor::kSqlite;
    options.current_schema = schema;
    options.pinned_sysdate = pinned;
    TranslatedStatement out;
    EXPECT_EQ(TranslateStatement(oracle, options, &out), 0);
    return out.sql;
  }

  sqlite3* db_ = nullptr;
};

TEST_F(DialectSqliteTest, PreparesEveryTranslation) {
  for (const StatementCase& c : kToolStatements) {
    SCOPED_TRACE(c.oracle);
    ExpectPrepares(Translate(c.oracle, "Mnd01", ""));
  }
  for (const VariantCase& c : kVariants) {
    SCOPED_TRACE(c.oracle);
    ExpectPrepares(Translate(c.oracle, c.schema, c.pinned));
  }
}

TEST_F(DialectSqliteTest, EvaluatesDatesAsOracle) {
  struct Case {
    const char* pinned;
    const char* expression;
    const char* value;
  };
  const Case kCases[] = {
      {"2026-12-11 10:20:30", "to_date((sysdate-1))", "2026-12-10 00:00:00"},
      {"2026-03-01 00:00:05", "to_date((sysdate-1))", "2026-02-28 00:00:00"},
      {"2024-03-01 23:59:59", "to_date((sysdate-1))", "2024-02-29 00:00:00"},
      {"2026-12-11 10:20:30", "trunc(SYSDATE)", "2026-12-11 00:00:00"},
      {"2026-12-11 10:20:30", "sysdate-1", "2026-12-10 10:20:30"},
      {"2026-12-31 23:59:59", "sysdate+1", "2027-01-01 23:59:59"},
      {"2026-12-11 10:20:30", "TO_CHAR(sysdate,'yyyymmdd')", "20261211"},
      {"2026-12-11 10:20:30", "TO_CHAR(sysdate,'hh24:mi:ss')", "10:20:30"},
      {"2026-12-11 10:20:30", "TO_NUMBER(TO_CHAR(sysdate,'yyyy'))", "2026"},
      {"2026-12-11 10:20:30", "NVL(trunc(PnrSal),'null stays null')", "null stays null"},
      {"2026-12-11 10:20:30", "NVL(PnrSpr,0)", "1"},
      {"2026-12-11 10:20:30", "SubStr('Kvs300Pnr',1,3)", "Kvs"},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.expression);
    const std::string oracle = std::string("select ") + c.expression + " from Kvs300Pnr";
    EXPECT_EQ(Evaluate(Translate(oracle.c_str(), "Mnd01", c.pinned)), c.value);
  }
}

// The database clock gives whole seconds in the canonical form, today at
// midnight for trunc(SYSDATE).
TEST_F(DialectSqliteTest, ClockHasTheCanonicalForm) {
  const std::string now = Evaluate(Translate("select SYSDATE from Kvs300Pnr", "", ""));
  const std::string today = Evaluate(Translate("select trunc(SYSDATE) from Kvs300Pnr", "", ""));
  for (const std::string& value : {now, today}) {
    ASSERT_EQ(value.size(), 19u) << value;
    for (std::size_t i = 0; i < value.size(); ++i) {
      const char expected = std::string_view("0000-00-00 00:00:00")[i];
      if (expected == '0') {
        EXPECT_TRUE(value[i] >= '0' && value[i] <= '9') << value;
      } else {
        EXPECT_EQ(value[i], expected) << value;
      }
    }
  }
  EXPECT_EQ(today.substr(11), "00:00:00");
}

}  // namespace
}  // namespace kv::db
