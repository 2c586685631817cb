-- System schema KvSystem (SQLite): tenants and their terminal links, the
-- staging table, badges and locations, terminals, readers and access rules,
-- balance lists and the word list.
--
-- Texts are VARCHAR of the widths the tool binds (no CHAR(n): a padded column
-- would compare differently from the tool's unpadded binds). Dates are TEXT in
-- the one form 'YYYY-MM-DD HH:MM:SS'; the CHECKs refuse every other form and
-- impossible dates, so comparisons never depend on how a row was written.
-- Only the staging table has a primary key: the tool relies on it to drop
-- duplicate lines, while the other tables must be able to hold the
-- duplicates whose handling the tool defines.

CREATE TABLE Kvs112Mnd (
  MndNum INTEGER,
  MndLiz INTEGER,
  MndSch VARCHAR(20),
  MndKon INTEGER,
  MndSta INTEGER
);
CREATE INDEX Kvs112Mnd_Sch ON Kvs112Mnd (MndSch);
CREATE INDEX Kvs112Mnd_LizNum ON Kvs112Mnd (MndLiz, MndNum);

CREATE TABLE Kvs115Tfz (
  TfzTrm VARCHAR(10),
  TfzLiz INTEGER,
  TfzMnd INTEGER,
  TfzSta INTEGER
);
CREATE INDEX Kvs115Tfz_Trm ON Kvs115Tfz (TfzTrm);

CREATE TABLE Kvs999Tmp (
  TmpUsr VARCHAR(100) NOT NULL,
  TmpStr VARCHAR(512) NOT NULL,
  PRIMARY KEY (TmpUsr, TmpStr)
) WITHOUT ROWID;

CREATE TABLE Kvs301Asw (
  AswNum VARCHAR(50),
  AswLiz INTEGER,
  AswMnd INTEGER,
  AswGvo TEXT CONSTRAINT Kvs301Asw_AswGvo_form CHECK (AswGvo IS NULL OR (AswGvo GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(AswGvo, '+0 days') IS AswGvo)),
  AswGbi TEXT CONSTRAINT Kvs301Asw_AswGbi_form CHECK (AswGbi IS NULL OR (AswGbi GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(AswGbi, '+0 days') IS AswGbi)),
  AswPnr VARCHAR(8),
  AswBkl VARCHAR(5),
  AswGrp VARCHAR(5),
  AswAan VARCHAR(50),
  AswAtp INTEGER,
  AswSta INTEGER
);
CREATE INDEX Kvs301Asw_LizMnd ON Kvs301Asw (AswLiz, AswMnd, AswNum);

CREATE TABLE Kvs113Awv (
  AwvNum VARCHAR(50),
  AwvSto VARCHAR(8),
  AwvSta INTEGER
);
CREATE INDEX Kvs113Awv_Num ON Kvs113Awv (AwvNum);

CREATE TABLE Kvs113Sto (
  StoNum VARCHAR(8),
  StoKtx VARCHAR(10),
  StoSta INTEGER
);
CREATE INDEX Kvs113Sto_Num ON Kvs113Sto (StoNum);

CREATE TABLE Kvs114Tsm (
  TsmNam VARCHAR(10),
  TsmTyp VARCHAR(10),
  TsmSal VARCHAR(10),
  TsmSpr INTEGER,
  TsmSta INTEGER
);
CREATE INDEX Kvs114Tsm_Nam ON Kvs114Tsm (TsmNam);

CREATE TABLE Kvs401Zls (
  ZlsTrm VARCHAR(10),
  ZlsLes INTEGER,
  ZlsZko VARCHAR(5),
  ZlsSta INTEGER
);
CREATE INDEX Kvs401Zls_TrmLes ON Kvs401Zls (ZlsTrm, ZlsLes);

CREATE TABLE Kvs404Zbr (
  ZbrZbk VARCHAR(5),
  ZbrZko VARCHAR(5),
  ZbrZtb INTEGER,
  ZbrSta INTEGER
);
CREATE INDEX Kvs404Zbr_ZbkZko ON Kvs404Zbr (ZbrZbk, ZbrZko);

CREATE TABLE G2101SalLst (
  TsaSal VARCHAR(10),
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
  FtxT50 VARCHAR(50),
  FtxT10 VARCHAR(10)
);
CREATE INDEX Kvs102Whl_WhlNumSpr ON Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr);
