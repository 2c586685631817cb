-- Tenant schema (PostgreSQL), one per tenant: persons, class assignments,
-- person assignments, cost centres, departments, employments, daily balances
-- and vacation accounts. Types follow system.sql: varchar of the bound widths
-- in the "C" collation, integer numbers and balances in minutes,
-- numeric(10,2) vacation figures, timestamp(0) dates.

CREATE TABLE Kvs300Pnr (
  PnrNum VARCHAR(8) COLLATE "C",
  PnrSal VARCHAR(10) COLLATE "C",
  PnrSpr INTEGER,
  PnrSta INTEGER
);
CREATE INDEX Kvs300Pnr_Num ON Kvs300Pnr (PnrNum);

-- One class assignment gives class BzuBkl to exactly one kind of key: badge
-- group, cost centre, cost-centre group, department, department group or
-- employment kind; the other key columns stay NULL.
CREATE TABLE Kvs408Bzu (
  BzuZau VARCHAR(5) COLLATE "C",
  BzuKst VARCHAR(30) COLLATE "C",
  BzuVks VARCHAR(30) COLLATE "C",
  BzuAbt VARCHAR(15) COLLATE "C",
  BzuVab VARCHAR(15) COLLATE "C",
  BzuAkr VARCHAR(10) COLLATE "C",
  BzuBkl VARCHAR(5) COLLATE "C",
  BzuGvo TIMESTAMP(0) WITHOUT TIME ZONE,
  BzuGbi TIMESTAMP(0) WITHOUT TIME ZONE,
  BzuSta INTEGER
);
CREATE INDEX Kvs408Bzu_Zau ON Kvs408Bzu (BzuZau);
CREATE INDEX Kvs408Bzu_Kst ON Kvs408Bzu (BzuKst);
CREATE INDEX Kvs408Bzu_Vks ON Kvs408Bzu (BzuVks);
CREATE INDEX Kvs408Bzu_Abt ON Kvs408Bzu (BzuAbt);
CREATE INDEX Kvs408Bzu_Vab ON Kvs408Bzu (BzuVab);
CREATE INDEX Kvs408Bzu_Akr ON Kvs408Bzu (BzuAkr);

CREATE TABLE Kvs311Zuo (
  ZuoPnr VARCHAR(8) COLLATE "C",
  ZuoKst VARCHAR(30) COLLATE "C",
  ZuoAbt VARCHAR(15) COLLATE "C",
  ZuoGvo TIMESTAMP(0) WITHOUT TIME ZONE,
  ZuoGbi TIMESTAMP(0) WITHOUT TIME ZONE,
  ZuoSta INTEGER
);
CREATE INDEX Kvs311Zuo_Pnr ON Kvs311Zuo (ZuoPnr);

CREATE TABLE O1003Kststelle (
  KstNum VARCHAR(30) COLLATE "C",
  KstVws VARCHAR(30) COLLATE "C",
  KstSta INTEGER
);
CREATE INDEX O1003Kststelle_Num ON O1003Kststelle (KstNum);

CREATE TABLE G1102AbtLst (
  AblAbt VARCHAR(15) COLLATE "C",
  AblVab VARCHAR(15) COLLATE "C",
  AblSta INTEGER
);
CREATE INDEX G1102AbtLst_Abt ON G1102AbtLst (AblAbt);

CREATE TABLE Kvs310Bsv (
  BsvPnr VARCHAR(8) COLLATE "C",
  BsvAkr VARCHAR(10) COLLATE "C",
  BsvGvo TIMESTAMP(0) WITHOUT TIME ZONE,
  BsvGbi TIMESTAMP(0) WITHOUT TIME ZONE,
  BsvSta INTEGER
);
CREATE INDEX Kvs310Bsv_Pnr ON Kvs310Bsv (BsvPnr);

-- Daily balances in minutes: TGBVTn and TGBSAn are added pairwise.
CREATE TABLE Kvs320Tgb (
  TGBPNR VARCHAR(8) COLLATE "C",
  TGBDTM TIMESTAMP(0) WITHOUT TIME ZONE,
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
  URVPNR VARCHAR(8) COLLATE "C",
  URVJHR INTEGER,
  URVGUR NUMERIC(10,2),
  URVVJR NUMERIC(10,2)
);
CREATE INDEX Kvs332Urv_PnrJhr ON Kvs332Urv (URVPNR, URVJHR);

CREATE TABLE Kvs332Utg (
  UTGPNR VARCHAR(8) COLLATE "C",
  UtgDtm TIMESTAMP(0) WITHOUT TIME ZONE,
  UtgVtg NUMERIC(10,2),
  UtgRtg NUMERIC(10,2),
  UtgGut NUMERIC(10,2)
);
CREATE INDEX Kvs332Utg_PnrDtm ON Kvs332Utg (UTGPNR, UtgDtm);
