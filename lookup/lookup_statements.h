// The lookup statements of the personnel and access lookups (statement
// module Qvsqlfkt), exactly as the system runs them. System tables carry the
// KvSystem prefix; tenant tables resolve in the current schema.
#ifndef KORVANTIS_LOOKUP_LOOKUP_STATEMENTS_H_
#define KORVANTIS_LOOKUP_LOOKUP_STATEMENTS_H_

namespace kv::lookup {

// Badge cursor: the valid badges of the tenant whose schema is :b0.
inline constexpr char kBadgeCursorSql[] =
    "select AswNum ,TO_CHAR(AswGvo,'yyyymmdd') ,TO_CHAR(AswGbi,'yyyymmdd') ,AswPnr ,AswBkl "
    ",AswGrp ,AswAan ,AswAtp ,AwvSto ,PnrSal  from KvSystem.Kvs301Asw ,KvSystem.Kvs112Mnd "
    ",KvSystem.Kvs113Awv ,Kvs300Pnr where (((((((MNDSCH=:b0 and ASWLIZ=MNDLIZ) and "
    "ASWMND=MNDNUM) and ASWNUM=AWVNUM) and (((trunc(SYSDATE)>=AswGvo and AswGbi is null ) "
    "or (trunc(SYSDATE)<=AswGbi and trunc(AswGvo) is null )) or (trunc(SYSDATE)>=AswGvo "
    "and trunc(SYSDATE)<=AswGbi))) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) and "
    "((AswSta<>4 and AswSta<>8) or AswSta is null )) and AswPnr=PnrNum) order by "
    "AswNum,AswGvo,AswBkl";

// Type and balance-list number of the terminal :b4.
inline constexpr char kTerminalInfoSql[] =
    "select TSMTYP ,TSMSAL into :b0:b1,:b2:b3  from KvSystem.Kvs114Tsm where (TsmNam=:b4 "
    "and ((TsmSta<>4 and TsmSta<>8) or TsmSta is null ))";

// Short text of the location of badge :b2.
inline constexpr char kLocationTextSql[] =
    "select StoKtx into :b0:b1  from KvSystem.Kvs113Sto ,KvSystem.Kvs113Awv where "
    "(((AwvNum=:b2 and StoNum=AwvSto) and ((AwvSta<>4 and AwvSta<>8) or AwvSta is null )) "
    "and ((StoSta<>4 and StoSta<>8) or StoSta is null ))";

// Class assignment by badge group :b0.
inline constexpr char kClassByBadgeSql[] =
    "select BzuZau ,TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into "
    ":b0:b1,:b2:b3,:b4:b5,:b6:b7  from Kvs408Bzu where ((BzuZau=:b0 and "
    "(((trunc(SYSDATE)>=BzuGvo and trunc(BzuGbi) is null ) or (trunc(SYSDATE)<=BzuGbi and "
    "BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and "
    "((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))";

// Class assignment by the cost centre of person :b8.
inline constexpr char kClassByCostCentreSql[] =
    "select ZuoKst ,TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into "
    ":b0:b1,:b2:b3,:b4:b5,:b6:b7  from Kvs311Zuo ,Kvs408Bzu where (((((ZuoPnr=:b8 and "
    "ZuoKst=BzuKst) and (((trunc(SYSDATE)>=ZuoGvo and ZuoGbi is null ) or "
    "(trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or (trunc(SYSDATE)>=ZuoGvo and "
    "trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or "
    "(trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and "
    "trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and "
    "((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))";

// Class assignment by the cost-centre group of person :b6.
inline constexpr char kClassByCostCentreGroupSql[] =
    "select TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into "
    ":b0:b1,:b2:b3,:b4:b5  from O1003Kststelle ,Kvs311Zuo ,Kvs408Bzu where "
    "(((((((ZuoPnr=:b6 and ZuoKst=KstNum) and KstVws=BzuVks) and (((trunc(SYSDATE)>=ZuoGvo "
    "and ZuoGbi is null ) or (trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or "
    "(trunc(SYSDATE)>=ZuoGvo and trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo "
    "and BzuGbi is null ) or (trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or "
    "(trunc(SYSDATE)>=BzuGvo and trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) "
    "or ZuoSta is null )) and ((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and "
    "((KstSta<>4 and KstSta<>8) or KstSta is null ))";

// Class assignment by the department of person :b8.
inline constexpr char kClassByDepartmentSql[] =
    "select ZuoAbt ,TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into "
    ":b0:b1,:b2:b3,:b4:b5,:b6:b7  from Kvs311Zuo ,Kvs408Bzu where (((((ZuoPnr=:b8 and "
    "ZuoAbt=BzuAbt) and (((trunc(SYSDATE)>=ZuoGvo and ZuoGbi is null ) or "
    "(trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or (trunc(SYSDATE)>=ZuoGvo and "
    "trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or "
    "(trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and "
    "trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and "
    "((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))";

// Class assignment by the department group of person :b6.
inline constexpr char kClassByDepartmentGroupSql[] =
    "select TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into "
    ":b0:b1,:b2:b3,:b4:b5  from G1102AbtLst ,Kvs311Zuo ,Kvs408Bzu where (((((((ZuoPnr=:b6 "
    "and ZuoAbt=AblAbt) and AblVab=BzuVab) and (((trunc(SYSDATE)>=ZuoGvo and ZuoGbi is "
    "null ) or (trunc(SYSDATE)<=ZuoGbi and ZuoGvo is null )) or (trunc(SYSDATE)>=ZuoGvo "
    "and trunc(SYSDATE)<=ZuoGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or "
    "(trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and "
    "trunc(SYSDATE)<=BzuGbi))) and ((ZuoSta<>4 and ZuoSta<>8) or ZuoSta is null )) and "
    "((BzuSta<>4 and BzuSta<>8) or BzuSta is null )) and ((AblSta<>4 and AblSta<>8) or "
    "AblSta is null ))";

// Class assignment by the employment of person :b6.
inline constexpr char kClassByEmploymentSql[] =
    "select TO_CHAR(BzuGvo,'yyyymmdd') ,TO_CHAR(BzuGbi,'yyyymmdd') ,BzuBkl into "
    ":b0:b1,:b2:b3,:b4:b5  from Kvs310Bsv ,Kvs408Bzu where (((((BsvPnr=:b6 and "
    "BsvAkr=BzuAkr) and (((trunc(SYSDATE)>=BsvGvo and BsvGbi is null ) or "
    "(trunc(SYSDATE)<=BsvGbi and BsvGvo is null )) or (trunc(SYSDATE)>=BsvGvo and "
    "trunc(SYSDATE)<=BsvGbi))) and (((trunc(SYSDATE)>=BzuGvo and BzuGbi is null ) or "
    "(trunc(SYSDATE)<=BzuGbi and BzuGvo is null )) or (trunc(SYSDATE)>=BzuGvo and "
    "trunc(SYSDATE)<=BzuGbi))) and ((BsvSta<>4 and BsvSta<>8) or BsvSta is null )) and "
    "((BzuSta<>4 and BzuSta<>8) or BzuSta is null ))";

// Active readers of terminal :b0 numbered up to :b1.
inline constexpr char kReaderCursorSql[] =
    "select ZlsLes ,ZlsZko  from KvSystem.Kvs401Zls where ((ZlsTrm=:b0 and ZlsLes<=:b1) "
    "and ((ZlsSta<>4 and ZlsSta<>8) or ZlsSta is null )) order by ZlsLes";

// Active rules of class :b2 for reader key :b3.
inline constexpr char kCountReaderPermissionsSql[] =
    "select count(*)  into :b0:b1  from KvSystem.Kvs404Zbr where ((ZbrZbk=:b2 and "
    "ZbrZko=:b3) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))";

// Active type-3 rules of class :b2 for reader key :b3.
inline constexpr char kCountTerminalPermissionsSql[] =
    "select count(*)  into :b0:b1  from KvSystem.Kvs404Zbr where (((ZbrZbk=:b2 and "
    "ZbrZko=:b3) and ZbrZtb=3) and ((ZbrSta<>4 and ZbrSta<>8) or ZbrSta is null ))";

// Yesterday's nine balance sums of person :b18.
inline constexpr char kDailyBalancesSql[] =
    "select (NVL(TGBVT1,0)+NVL(TGBSA1,0)) ,(NVL(TGBVT2,0)+NVL(TGBSA2,0)) "
    ",(NVL(TGBVT3,0)+NVL(TGBSA3,0)) ,(NVL(TGBVT4,0)+NVL(TGBSA4,0)) "
    ",(NVL(TGBVT5,0)+NVL(TGBSA5,0)) ,(NVL(TGBVT6,0)+NVL(TGBSA6,0)) "
    ",(NVL(TGBVT7,0)+NVL(TGBSA7,0)) "
    ",(((NVL(TGBVT1,0)+NVL(TGBSA1,0))+NVL(TGBVT2,0))+NVL(TGBSA2,0)) "
    ",(((NVL(TGBVT2,0)+NVL(TGBSA2,0))+NVL(TGBVT3,0))+NVL(TGBSA3,0)) into "
    ":b0:b1,:b2:b3,:b4:b5,:b6:b7,:b8:b9,:b10:b11,:b12:b13,:b14:b15,:b16:b17  from "
    "Kvs320Tgb ,Kvs300Pnr where ((((TGBPNR=:b18 and TGBZTR=1) and "
    "TGBDTM=to_date((sysdate-1))) and TGBPNR=PNRNUM) and ((PnrSta<>4 and PnrSta<>8) or "
    "PnrSta is null ))";

// Entries of the balance list of terminal :b0.
inline constexpr char kTerminalBalanceListSql[] =
    "select TsaLfd ,NVL(TsaSpl,1) ,SubStr(FtxT50,1,12)  from KvSystem.Kvs114Tsm "
    ",KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((TsmNam=:b0 and TsmSal=TsaSal) "
    "and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=TsmSpr) and ((TsmSta<>4 and "
    "TsmSta<>8) or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) "
    "order by TsaSal,TsaLfd";

// Marker of entry :b3 of the balance list of terminal :b2.
inline constexpr char kTerminalBalanceMarkerSql[] =
    "select FTXT10 into :b0:b1  from KVSYSTEM.KVS114TSM ,KVSYSTEM.G2101SALLST "
    ",KVSYSTEM.KVS102WHL where (((((((TSMNAM=:b2 and TSMSAL=TSASAL) and FTXNUMSPR=220002) "
    "and FTXWHL=TSAAUS) and FTXSPR=TSMSPR) and TSALFD=:b3) and ((TsmSta<>4 and TsmSta<>8) "
    "or TsmSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))";

// Entries of the balance list of person :b0.
inline constexpr char kPersonBalanceListSql[] =
    "select TsaLfd ,NVL(TsaSpl,1) ,SubStr(FtxT50,1,12)  from Kvs300Pnr "
    ",KvSystem.G2101SalLst ,KvSystem.Kvs102Whl where ((((((PnrNum=:b0 and PnrSal=TsaSal) "
    "and FtxNumSpr=220001) and FtxWhl=TsaAnz) and FtxSpr=PnrSpr) and ((PnrSta<>4 and "
    "PnrSta<>8) or PnrSta is null )) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null )) "
    "order by TsaSal,TsaLfd";

// Marker of entry :b3 of the balance list of person :b2.
inline constexpr char kPersonBalanceMarkerSql[] =
    "select FTXT10 into :b0:b1  from KVS300PNR ,KVSYSTEM.G2101SALLST ,KVSYSTEM.KVS102WHL "
    "where (((((((PNRNUM=:b2 and PNRSAL=TSASAL) and FTXNUMSPR=220002) and FTXWHL=TSAAUS) "
    "and FTXSPR=PNRSPR) and TSALFD=:b3) and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null "
    ")) and ((TsaSta<>4 and TsaSta<>8) or TsaSta is null ))";

// The current year's vacation account of person :b4.
inline constexpr char kVacationYearSql[] =
    "select NVL(URVGUR,0.0) ,NVL(URVVJR,0.0) into :b0:b1,:b2:b3  from Kvs332Urv ,Kvs300Pnr "
    "where (((URVPNR=:b4 and URVJHR=TO_NUMBER(TO_CHAR(sysdate,'yyyy'))) and URVPNR=PNRNUM) "
    "and ((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))";

// Dated vacation rows of person :b0, newest first.
inline constexpr char kVacationDatedCursorSql[] =
    "select UtgDtm ,NVL(UtgVtg,0.0) ,NVL(UtgRtg,0.0) ,NVL(UtgGut,0.0)  from Kvs332Utg "
    ",Kvs300Pnr where (((UTGPNR=:b0 and UtgDtm<=trunc(sysdate)) and UTGPNR=PNRNUM) and "
    "((PnrSta<>4 and PnrSta<>8) or PnrSta is null )) order by UtgDtm desc";

// Language and balance-list number of person :b4.
inline constexpr char kPersonSettingsSql[] =
    "select PnrSpr ,PnrSal into :b0:b1,:b2:b3  from Kvs300Pnr where (PNRNUM=:b4 and "
    "((PnrSta<>4 and PnrSta<>8) or PnrSta is null ))";

}  // namespace kv::lookup

#endif  // KORVANTIS_LOOKUP_LOOKUP_STATEMENTS_H_
