-- Tenant schema (SQLite), one per tenant: persons, class assignments, person
-- assignments, cost centres, departments, employments, daily balances and
-- vacation accounts. Types follow system.sql: VARCHAR of the bound widths,
-- INTEGER numbers and balances in minutes, REAL vacation figures, dates as
-- TEXT 'YYYY-MM-DD HH:MM:SS' guarded by a CHECK.

CREATE TABLE Kvs300Pnr (
  PnrNum VARCHAR(8),
  PnrSal VARCHAR(10),
  PnrSpr INTEGER,
  PnrSta INTEGER
);
CREATE INDEX Kvs300Pnr_Num ON Kvs300Pnr (PnrNum);

-- One class assignment gives class BzuBkl to exactly one kind of key: badge
-- group, cost centre, cost-centre group, department, department group or
-- employment kind; the other key columns stay NULL.
CREATE TABLE Kvs408Bzu (
  BzuZau VARCHAR(5),
  BzuKst VARCHAR(30),
  BzuVks VARCHAR(30),
  BzuAbt VARCHAR(15),
  BzuVab VARCHAR(15),
  BzuAkr VARCHAR(10),
  BzuBkl VARCHAR(5),
  BzuGvo TEXT CONSTRAINT Kvs408Bzu_BzuGvo_form CHECK (BzuGvo IS NULL OR (BzuGvo GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(BzuGvo, '+0 days') IS BzuGvo)),
  BzuGbi TEXT CONSTRAINT Kvs408Bzu_BzuGbi_form CHECK (BzuGbi IS NULL OR (BzuGbi GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(BzuGbi, '+0 days') IS BzuGbi)),
  BzuSta INTEGER
);
CREATE INDEX Kvs408Bzu_Zau ON Kvs408Bzu (BzuZau);
CREATE INDEX Kvs408Bzu_Kst ON Kvs408Bzu (BzuKst);
CREATE INDEX Kvs408Bzu_Vks ON Kvs408Bzu (BzuVks);
CREATE INDEX Kvs408Bzu_Abt ON Kvs408Bzu (BzuAbt);
CREATE INDEX Kvs408Bzu_Vab ON Kvs408Bzu (BzuVab);
CREATE INDEX Kvs408Bzu_Akr ON Kvs408Bzu (BzuAkr);

CREATE TABLE Kvs311Zuo (
  ZuoPnr VARCHAR(8),
  ZuoKst VARCHAR(30),
  ZuoAbt VARCHAR(15),
  ZuoGvo TEXT CONSTRAINT Kvs311Zuo_ZuoGvo_form CHECK (ZuoGvo IS NULL OR (ZuoGvo GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(ZuoGvo, '+0 days') IS ZuoGvo)),
  ZuoGbi TEXT CONSTRAINT Kvs311Zuo_ZuoGbi_form CHECK (ZuoGbi IS NULL OR (ZuoGbi GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(ZuoGbi, '+0 days') IS ZuoGbi)),
  ZuoSta INTEGER
);
CREATE INDEX Kvs311Zuo_Pnr ON Kvs311Zuo (ZuoPnr);

CREATE TABLE O1003Kststelle (
  KstNum VARCHAR(30),
  KstVws VARCHAR(30),
  KstSta INTEGER
);
CREATE INDEX O1003Kststelle_Num ON O1003Kststelle (KstNum);

CREATE TABLE G1102AbtLst (
  AblAbt VARCHAR(15),
  AblVab VARCHAR(15),
  AblSta INTEGER
);
CREATE INDEX G1102AbtLst_Abt ON G1102AbtLst (AblAbt);

CREATE TABLE Kvs310Bsv (
  BsvPnr VARCHAR(8),
  BsvAkr VARCHAR(10),
  BsvGvo TEXT CONSTRAINT Kvs310Bsv_BsvGvo_form CHECK (BsvGvo IS NULL OR (BsvGvo GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(BsvGvo, '+0 days') IS BsvGvo)),
  BsvGbi TEXT CONSTRAINT Kvs310Bsv_BsvGbi_form CHECK (BsvGbi IS NULL OR (BsvGbi GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(BsvGbi, '+0 days') IS BsvGbi)),
  BsvSta INTEGER
);
CREATE INDEX Kvs310Bsv_Pnr ON Kvs310Bsv (BsvPnr);

-- Daily balances in minutes: TGBVTn and TGBSAn are added pairwise.
CREATE TABLE Kvs320Tgb (
  TGBPNR VARCHAR(8),
  TGBDTM TEXT CONSTRAINT Kvs320Tgb_TGBDTM_form CHECK (TGBDTM IS NULL OR (TGBDTM GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(TGBDTM, '+0 days') IS TGBDTM)),
  TGBZTR INTEGER,
  TGBVT1 INTEGER, TGBSA1 INTEGER,
  TGBVT2 INTEGER, TGBSA2 INTEGER,
  TGBVT3 INTEGER, TGBSA3 INTEGER,
  TGBVT4 INTEGER, TGBSA4 INTEGER,
  TGBVT5 INTEGER, TGBSA5 INTEGER,
  TGBVT6 INTEGER, TGBSA6 INTEGER,
  TGBVT7 INTEGER, TGBSA7 INTEGER
);
CREATE INDEX Kvs320Tgb_PnrDtm ON Kvs320Tgb (TGBPNR, TGBDTM);

CREATE TABLE Kvs332Urv (
  URVPNR VARCHAR(8),
  URVJHR INTEGER,
  URVGUR REAL,
  URVVJR REAL
);
CREATE INDEX Kvs332Urv_PnrJhr ON Kvs332Urv (URVPNR, URVJHR);

CREATE TABLE Kvs332Utg (
  UTGPNR VARCHAR(8),
  UtgDtm TEXT CONSTRAINT Kvs332Utg_UtgDtm_form CHECK (UtgDtm IS NULL OR (UtgDtm GLOB '[0-9][0-9][0-9][0-9]-[0-1][0-9]-[0-3][0-9] [0-2][0-9]:[0-5][0-9]:[0-5][0-9]' AND datetime(UtgDtm, '+0 days') IS UtgDtm)),
  UtgVtg REAL,
  UtgRtg REAL,
  UtgGut REAL
);
CREATE INDEX Kvs332Utg_PnrDtm ON Kvs332Utg (UTGPNR, UtgDtm);
