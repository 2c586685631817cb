-- System schema KvSystem (PostgreSQL): tenants and their terminal links, the
-- staging table, badges and locations, terminals, readers and access rules,
-- balance lists and the word list. Run with search_path set to the schema;
-- every name is unquoted, so it folds to lower case as the tool's unquoted
-- statement texts do.
--
-- Texts are varchar of the widths the tool binds (no char(n): a padded column
-- would compare differently from the tool's unpadded binds), in the "C"
-- collation so that text sorts by its bytes. Dates are timestamp(0) without
-- time zone: whole seconds, no zone conversion, like the dates the tool
-- compares with the database's local date and time.
-- Only the staging table has a primary key: the tool relies on it to drop
-- duplicate lines, while the other tables must be able to hold the
-- duplicates whose handling the tool defines.

CREATE TABLE Kvs112Mnd (
  MndNum INTEGER,
  MndLiz INTEGER,
  MndSch VARCHAR(20) COLLATE "C",
  MndKon INTEGER,
  MndSta INTEGER
);
CREATE INDEX Kvs112Mnd_Sch ON Kvs112Mnd (MndSch);
CREATE INDEX Kvs112Mnd_LizNum ON Kvs112Mnd (MndLiz, MndNum);

CREATE TABLE Kvs115Tfz (
  TfzTrm VARCHAR(10) COLLATE "C",
  TfzLiz INTEGER,
  TfzMnd INTEGER,
  TfzSta INTEGER
);
CREATE INDEX Kvs115Tfz_Trm ON Kvs115Tfz (TfzTrm);

CREATE TABLE Kvs999Tmp (
  TmpUsr VARCHAR(100) COLLATE "C" NOT NULL,
  TmpStr VARCHAR(512) COLLATE "C" NOT NULL,
  PRIMARY KEY (TmpUsr, TmpStr)
);

CREATE TABLE Kvs301Asw (
  AswNum VARCHAR(50) COLLATE "C",
  AswLiz INTEGER,
  AswMnd INTEGER,
  AswGvo TIMESTAMP(0) WITHOUT TIME ZONE,
  AswGbi TIMESTAMP(0) WITHOUT TIME ZONE,
  AswPnr VARCHAR(8) COLLATE "C",
  AswBkl VARCHAR(5) COLLATE "C",
  AswGrp VARCHAR(5) COLLATE "C",
  AswAan VARCHAR(50) COLLATE "C",
  AswAtp INTEGER,
  AswSta INTEGER
);
CREATE INDEX Kvs301Asw_LizMnd ON Kvs301Asw (AswLiz, AswMnd, AswNum);

CREATE TABLE Kvs113Awv (
  AwvNum VARCHAR(50) COLLATE "C",
  AwvSto VARCHAR(8) COLLATE "C",
  AwvSta INTEGER
);
CREATE INDEX Kvs113Awv_Num ON Kvs113Awv (AwvNum);

CREATE TABLE Kvs113Sto (
  StoNum VARCHAR(8) COLLATE "C",
  StoKtx VARCHAR(10) COLLATE "C",
  StoSta INTEGER
);
CREATE INDEX Kvs113Sto_Num ON Kvs113Sto (StoNum);

CREATE TABLE Kvs114Tsm (
  TsmNam VARCHAR(10) COLLATE "C",
  TsmTyp VARCHAR(10) COLLATE "C",
  TsmSal VARCHAR(10) COLLATE "C",
  TsmSpr INTEGER,
  TsmSta INTEGER
);
CREATE INDEX Kvs114Tsm_Nam ON Kvs114Tsm (TsmNam);

CREATE TABLE Kvs401Zls (
  ZlsTrm VARCHAR(10) COLLATE "C",
  ZlsLes INTEGER,
  ZlsZko VARCHAR(5) COLLATE "C",
  ZlsSta INTEGER
);
CREATE INDEX Kvs401Zls_TrmLes ON Kvs401Zls (ZlsTrm, ZlsLes);

CREATE TABLE Kvs404Zbr (
  ZbrZbk VARCHAR(5) COLLATE "C",
  ZbrZko VARCHAR(5) COLLATE "C",
  ZbrZtb INTEGER,
  ZbrSta INTEGER
);
CREATE INDEX Kvs404Zbr_ZbkZko ON Kvs404Zbr (ZbrZbk, ZbrZko);

CREATE TABLE G2101SalLst (
  TsaSal VARCHAR(10) COLLATE "C",
  TsaLfd INTEGER,
  TsaSpl INTEGER,
  TsaAnz INTEGER,
  TsaAus INTEGER,
  TsaSta INTEGER
);
CREATE INDEX G2101SalLst_SalLfd ON G2101SalLst (TsaSal, TsaLfd);

CREATE TABLE Kvs102Whl (
  FtxWhl INTEGER,
  FtxNumSpr INTEGER,
  FtxSpr INTEGER,
  FtxT50 VARCHAR(50) COLLATE "C",
  FtxT10 VARCHAR(10) COLLATE "C"
);
CREATE INDEX Kvs102Whl_WhlNumSpr ON Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr);
