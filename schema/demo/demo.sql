-- Demo installation of korvantis: tenants MND01, MND02 and MND03.
--   korvantis-install ROOT --service sqlite --login demo --password demo
--     --tenant MND01 --tenant MND02 --tenant MND03 --data schema/demo/demo.sql
--
-- Who is who
--   Tenants (Kvs112Mnd, licence 1):
--     MND01 (1)  linked to TERM01 and TERM02
--     MND02 (2)  linked to TERM01 and TERM03
--     MND03 (3)  active, linked to no terminal (its link from TERM01 is
--                deleted): visited only from terminals without links
--     MND07 (7)  kind NULL, MND08 (8) deleted, MND09 (9) kind 1: never
--                listed, and they have no schema
--   Terminals (Kvs114Tsm):
--     TERM01  type 4200-001, list 10, German; readers 1, 2, 5, 12 (3 deleted)
--     TERM02  type 5183-020, list 20, German; readers 1, 2; persons with a
--             list of their own see it instead
--     TERM03  type 4261-007, list 10, English; readers 1, 3, 4; four slots
--     TERM99  type 4200-001, list 30, German; readers 1, 20; no links, so a
--             run visits every active tenant (MND01, MND02, MND03)
--     TERM98  deleted terminal, no links
--   Authorization classes (Kvs404Zbr), by reader key ZlsZko:
--     K01  access at TERM01 reader 2, TERM02 reader 2, TERM03 reader 3,
--          TERM99 reader 20; a type-3 rule at TERM01 reader 5 (another
--          reader than 1, so it does not refuse time recording)
--     K02  type 3 at TERM01 reader 1 (no time recording there), access at
--          TERM01 reader 5 and TERM03 reader 4
--     K03  only a deleted rule: time recording everywhere, no access
--     K04  type 3 at reader 1 of every terminal: refused everywhere
--     K05  access at TERM01 reader 12 only (beyond the 11 reader groups)
--     E1   a two-character class from the employment assignment; access at
--          TERM01 reader 2 and TERM02 reader 2
--   Badges (Kvs301Asw); valid 2020-01-01 to 2099-12-31 unless said otherwise:
--     MND01  10001 K01 (the full case: balances, vacation, location "Hau")
--            10002 class 0 -> K01 by cost centre KST100, from 2023-01-01
--            10003 class 0 -> K02 by badge group G1
--            10004 class 0 -> K01 by cost-centre group VWS2
--            10005 class 0 -> K03 by department ABT10
--            10006 class 0 -> K01 by department group VAB2
--            10007 class 0 -> E1 by employment kind AKR1, whose assignment
--                  has no start date
--            10008 class 0, no assignment applies: no class
--            10009 K04 blocked
--            10013 K05, 10014 K01 without start date, ending today 18:00,
--                  its person deleted
--            not delivered: 10010 deleted, 10011 expired, 10012 starts
--                  today at 08:00, 10015 person missing, 10016 no location
--                  row, 10017 no dates at all
--     MND02  20001 K01 with two active location rows (delivered twice)
--            20002 K02, 20003 K03, 20004 class 0 with two group
--                  assignments G2 (skipped) -> K01 by cost centre KST300
--            20005 class 0 -> E1 by employment kind AKR2
--            20006..20008 K01 with location NULL, 12345678, 12300000
--            20009 K01 without AswAan and AswAtp
--            not delivered: 20010 no dates, 20011 status 8, 20012 starts
--                  tomorrow
--     MND03  30001 K01, 30002 K02, 30003 class 0 -> K01 by group G3,
--            30004 K04; 30005 expired
--   Daily balances (Kvs320Tgb) are dated yesterday with TGBZTR 1, except the
--   rows that show what is ignored; the vacation accounts (Kvs332Urv) belong
--   to the current year. Persons 1003, 1004, 1005 have no balance row that
--   counts, persons 1003, 1008, 1009 no vacation account.
--   Balance lists (G2101SalLst) and the word list (Kvs102Whl): labels are
--   text 220001, markers "#W1".."#W16" text 220002, language 1 German and
--   2 English; word 117 is the marker "#W99" that no slot knows, word 199
--   has no marker text and so ends list 30 at its fourth entry.

-- ---------------------------------------------------------------- tenants

INSERT INTO KvSystem.Kvs112Mnd (MndNum, MndLiz, MndSch, MndKon, MndSta) VALUES
  (1, 1, 'MND01', 0, NULL),
  (2, 1, 'MND02', 0, 1),
  (3, 1, 'MND03', 0, NULL),
  (7, 1, 'MND07', NULL, NULL),
  (8, 1, 'MND08', 0, 4),
  (9, 1, 'MND09', 1, NULL);

INSERT INTO KvSystem.Kvs115Tfz (TfzTrm, TfzLiz, TfzMnd, TfzSta) VALUES
  ('TERM01', 1, 1, NULL),
  ('TERM01', 1, 2, NULL),
  ('TERM01', 1, 3, 4),
  ('TERM01', 1, 9, NULL),
  ('TERM02', 1, 1, NULL),
  ('TERM03', 1, 2, NULL),
  ('TERM03', 1, 8, NULL);

-- -------------------------------------------------------------- terminals

INSERT INTO KvSystem.Kvs114Tsm (TsmNam, TsmTyp, TsmSal, TsmSpr, TsmSta) VALUES
  ('TERM01', '4200-001', '10', 1, NULL),
  ('TERM02', '5183-020', '20', 1, NULL),
  ('TERM03', '4261-007', '10', 2, NULL),
  ('TERM99', '4200-001', '30', 1, 0),
  ('TERM98', '4200-001', '10', 1, 4);

INSERT INTO KvSystem.Kvs401Zls (ZlsTrm, ZlsLes, ZlsZko, ZlsSta) VALUES
  ('TERM01', 1, 'Z0101', NULL),
  ('TERM01', 2, 'Z0102', NULL),
  ('TERM01', 3, 'Z0103', 4),
  ('TERM01', 5, 'Z0105', NULL),
  ('TERM01', 12, 'Z0112', NULL),
  ('TERM02', 1, 'Z0201', NULL),
  ('TERM02', 2, 'Z0202', NULL),
  ('TERM03', 1, 'Z0301', NULL),
  ('TERM03', 3, 'Z0303', NULL),
  ('TERM03', 4, 'Z0304', NULL),
  ('TERM99', 1, 'Z9901', NULL),
  ('TERM99', 20, 'Z9920', NULL);

-- ZbrZtb 3 at a terminal's reader 1 refuses the class for time recording.
INSERT INTO KvSystem.Kvs404Zbr (ZbrZbk, ZbrZko, ZbrZtb, ZbrSta) VALUES
  ('K01', 'Z0102', 1, NULL),
  ('K01', 'Z0202', 1, NULL),
  ('K01', 'Z0303', 1, NULL),
  ('K01', 'Z9920', 1, NULL),
  ('K01', 'Z0105', 3, NULL),
  ('K02', 'Z0101', 3, NULL),
  ('K02', 'Z0105', 1, NULL),
  ('K02', 'Z0304', 1, NULL),
  ('K03', 'Z0102', 1, 8),
  ('K04', 'Z0101', 3, NULL),
  ('K04', 'Z0201', 3, NULL),
  ('K04', 'Z0301', 3, NULL),
  ('K04', 'Z9901', 3, NULL),
  ('K05', 'Z0112', 1, NULL),
  ('E1', 'Z0102', 1, NULL),
  ('E1', 'Z0202', 1, NULL);

-- -------------------------------------------------------------- locations

INSERT INTO KvSystem.Kvs113Sto (StoNum, StoKtx, StoSta) VALUES
  ('101', 'Haupthaus', NULL),
  ('2', 'Lager', NULL),
  ('33', 'Büro Nord', NULL),
  ('12345678', 'Werk Ost', NULL),
  ('77', 'Tor 7', 4),
  ('5', 'Ü1', NULL);

-- ------------------------------------------------------ balance lists

-- Word list: labels (220001) and markers (220002) per language.
INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES
  (1, 220001, 1, 'Saldo Vortag', NULL),
  (2, 220001, 1, 'Überstd.', NULL),
  (3, 220001, 1, 'Datum', NULL),
  (4, 220001, 1, 'Urlaubsanspruch', NULL),
  (5, 220001, 1, 'Resturlaub', NULL),
  (6, 220001, 1, 'Resturlaub Vorjahr', NULL),
  (7, 220001, 1, 'Gutschrift', NULL),
  (8, 220001, 1, 'Verplant', NULL),
  (9, 220001, 1, 'Resttage', NULL),
  (10, 220001, 1, 'Gleitzeit', NULL),
  (11, 220001, 1, 'Summe 1+2', NULL),
  (12, 220001, 1, 'Summe 2+3', NULL),
  (13, 220001, 1, 'Saldo 4', NULL),
  (14, 220001, 1, 'Saldo 5', NULL),
  (15, 220001, 1, 'Sondermarke', NULL),
  (16, 220001, 1, 'Gelöscht', NULL),
  (1, 220001, 2, 'Balance', NULL),
  (2, 220001, 2, 'Overtime', NULL),
  (3, 220001, 2, 'Date', NULL),
  (4, 220001, 2, 'Entitlement', NULL),
  (5, 220001, 2, 'Remaining', NULL),
  (6, 220001, 2, 'Previous year', NULL),
  (7, 220001, 2, 'Credit', NULL),
  (8, 220001, 2, 'Planned', NULL);

INSERT INTO KvSystem.Kvs102Whl (FtxWhl, FtxNumSpr, FtxSpr, FtxT50, FtxT10) VALUES
  (101, 220002, 1, NULL, '#W1'),
  (102, 220002, 1, NULL, '#W2'),
  (103, 220002, 1, NULL, '#W3'),
  (104, 220002, 1, NULL, '#W4'),
  (105, 220002, 1, NULL, '#W5'),
  (106, 220002, 1, NULL, '#W6'),
  (107, 220002, 1, NULL, '#W7'),
  (108, 220002, 1, NULL, '#W8'),
  (109, 220002, 1, NULL, '#W9'),
  (110, 220002, 1, NULL, '#W10'),
  (111, 220002, 1, NULL, '#W11'),
  (112, 220002, 1, NULL, '#W12'),
  (113, 220002, 1, NULL, '#W13'),
  (114, 220002, 1, NULL, '#W14'),
  (115, 220002, 1, NULL, '#W15'),
  (116, 220002, 1, NULL, '#W16'),
  (117, 220002, 1, NULL, '#W99'),
  (101, 220002, 2, NULL, '#W1'),
  (102, 220002, 2, NULL, '#W2'),
  (103, 220002, 2, NULL, '#W3'),
  (104, 220002, 2, NULL, '#W4'),
  (105, 220002, 2, NULL, '#W5'),
  (106, 220002, 2, NULL, '#W6'),
  (107, 220002, 2, NULL, '#W7'),
  (108, 220002, 2, NULL, '#W8'),
  (109, 220002, 2, NULL, '#W9');

-- TsaAnz names the label word, TsaAus the marker word.
-- List 10 (TERM01, TERM03, person 1004): all eight slots; the deleted entry
-- 3 does not replace the date; slot 5 is indented (TsaSpl 2).
-- List 20 (TERM02): three slots. List 21 (person 1002's own list): the
-- unknown marker "#W99" in slot 3. List 22 (person 1003's list): no entries.
-- List 30 (TERM99): its first entry "#W15" feeds the QVDNL60P balance;
-- entry 4 has no marker text, so entry 5 is never read.
INSERT INTO KvSystem.G2101SalLst (TsaSal, TsaLfd, TsaSpl, TsaAnz, TsaAus, TsaSta) VALUES
  ('10', 1, 1, 1, 102, NULL),
  ('10', 2, 1, 2, 109, NULL),
  ('10', 3, 1, 3, 101, NULL),
  ('10', 3, 1, 16, 108, 8),
  ('10', 4, 1, 4, 108, NULL),
  ('10', 5, 2, 5, 104, NULL),
  ('10', 6, 1, 6, 103, NULL),
  ('10', 7, NULL, 7, 105, NULL),
  ('10', 8, 1, 8, 106, 0),
  ('20', 1, 1, 10, 102, NULL),
  ('20', 2, 1, 9, 107, NULL),
  ('20', 3, 1, 3, 101, NULL),
  ('21', 1, 1, 4, 108, NULL),
  ('21', 2, 1, 1, 102, NULL),
  ('21', 3, 1, 15, 117, NULL),
  ('30', 1, 1, 11, 115, NULL),
  ('30', 2, 1, 12, 116, NULL),
  ('30', 3, 1, 13, 111, NULL),
  ('30', 4, 1, 14, 199, NULL),
  ('30', 5, 1, 5, 104, NULL);

-- ----------------------------------------------------------------- badges

INSERT INTO KvSystem.Kvs301Asw (AswNum, AswLiz, AswMnd, AswGvo, AswGbi, AswPnr, AswBkl, AswGrp, AswAan, AswAtp, AswSta) VALUES
  ('10001', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1001', 'K01', NULL, 'Stammausweis', 1, NULL),
  ('10002', 1, 1, '2020-01-01 00:00:00', NULL, '1002', '0', NULL, 'Stammausweis', 1, NULL),
  ('10003', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1003', '0', 'G1', 'Besucher', 2, NULL),
  ('10004', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1004', '0', NULL, 'Stammausweis', 1, 0),
  ('10005', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1005', '0', NULL, 'Stammausweis', 1, NULL),
  ('10006', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1006', '0', NULL, 'Stammausweis', 1, NULL),
  ('10007', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1007', '0', NULL, 'Ersatzausweis', 3, NULL),
  ('10008', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1008', '0', NULL, 'Stammausweis', 1, NULL),
  ('10009', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1009', 'K04', NULL, 'Gesperrt', 1, NULL),
  ('10010', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1001', 'K01', NULL, 'Verloren', 1, 4),
  ('10011', 1, 1, '2019-01-01 00:00:00', '2021-12-31 23:59:59', '1002', 'K01', NULL, 'Abgelaufen', 1, NULL),
  ('10012', 1, 1, '{{TODAY}} 08:00:00', '2099-12-31 23:59:59', '1003', 'K01', NULL, 'Neu', 1, NULL),
  ('10013', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1010', 'K05', NULL, 'Techniker', 1, NULL),
  ('10014', 1, 1, NULL, '{{TODAY}} 18:00:00', '1011', 'K01', NULL, 'Aushilfe', NULL, NULL),
  ('10015', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1099', 'K01', NULL, 'Fremd', 1, NULL),
  ('10016', 1, 1, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '1001', 'K01', NULL, 'Ohne Standort', 1, NULL),
  ('10017', 1, 1, NULL, NULL, '1001', 'K01', NULL, 'Ohne Datum', 1, NULL),
  ('20001', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2001', 'K01', NULL, 'Stammausweis', 1, NULL),
  ('20002', 1, 2, '2020-01-01 00:00:00', NULL, '2002', 'K02', NULL, 'Besucher', 2, NULL),
  ('20003', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2003', 'K03', NULL, 'Stammausweis', 1, NULL),
  ('20004', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2004', '0', 'G2', 'Stammausweis', 1, NULL),
  ('20005', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2005', '0', NULL, 'Stammausweis', 1, NULL),
  ('20006', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2006', 'K01', NULL, 'Stammausweis', 1, NULL),
  ('20007', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2007', 'K01', NULL, 'Stammausweis', 1, NULL),
  ('20008', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2008', 'K01', NULL, 'Stammausweis', 1, NULL),
  ('20009', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2001', 'K01', NULL, NULL, NULL, NULL),
  ('20010', 1, 2, NULL, NULL, '2002', 'K01', NULL, 'Ohne Datum', 1, NULL),
  ('20011', 1, 2, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '2003', 'K01', NULL, 'Gesperrt', 1, 8),
  ('20012', 1, 2, '{{TOMORROW}} 00:00:00', '2099-12-31 23:59:59', '2002', 'K02', NULL, 'Neu', 1, NULL),
  ('30001', 1, 3, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '3001', 'K01', NULL, 'Stammausweis', 1, NULL),
  ('30002', 1, 3, '2020-01-01 00:00:00', NULL, '3002', 'K02', NULL, 'Besucher', 2, NULL),
  ('30003', 1, 3, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '3003', '0', 'G3', 'Stammausweis', 1, NULL),
  ('30004', 1, 3, '2020-01-01 00:00:00', '2099-12-31 23:59:59', '3004', 'K04', NULL, 'Gesperrt', 1, NULL),
  ('30005', 1, 3, '2020-01-01 00:00:00', '2021-06-30 23:59:59', '3001', 'K01', NULL, 'Abgelaufen', 1, NULL);

-- Badge locations: AwvSto names a Kvs113Sto row. The deleted row of 10001
-- is ignored; 20001 has two active rows; 12300000 has no location row.
INSERT INTO KvSystem.Kvs113Awv (AwvNum, AwvSto, AwvSta) VALUES
  ('10001', '101', NULL),
  ('10001', '2', 8),
  ('10002', '2', NULL),
  ('10003', '33', NULL),
  ('10004', '12345678', 0),
  ('10005', '5', NULL),
  ('10006', '77', NULL),
  ('10007', NULL, NULL),
  ('10008', '101', NULL),
  ('10009', '101', NULL),
  ('10010', '101', NULL),
  ('10011', '101', NULL),
  ('10012', '101', NULL),
  ('10013', '2', NULL),
  ('10014', '33', NULL),
  ('10015', '101', NULL),
  ('10017', '101', NULL),
  ('20001', '101', NULL),
  ('20001', '33', NULL),
  ('20002', '2', NULL),
  ('20003', '5', NULL),
  ('20004', '101', NULL),
  ('20005', '2', NULL),
  ('20006', NULL, NULL),
  ('20007', '12345678', NULL),
  ('20008', '12300000', NULL),
  ('20009', '33', NULL),
  ('20010', '101', NULL),
  ('20011', '101', NULL),
  ('20012', '101', NULL),
  ('30001', '101', NULL),
  ('30002', '2', NULL),
  ('30003', '33', NULL),
  ('30004', '101', NULL),
  ('30005', '101', NULL);

-- ------------------------------------------------------------------ MND01

-- 1002 and 1003 have balance lists of their own (seen on TERM02), 1004 the
-- English list 10; 1011 is deleted.
INSERT INTO MND01.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES
  ('1001', NULL, 1, NULL),
  ('1002', '21', 1, NULL),
  ('1003', '22', 1, NULL),
  ('1004', '10', 2, NULL),
  ('1005', NULL, 1, NULL),
  ('1006', NULL, 1, NULL),
  ('1007', NULL, 1, NULL),
  ('1008', NULL, 1, NULL),
  ('1009', NULL, 1, NULL),
  ('1010', NULL, 1, 0),
  ('1011', '10', 1, 4);

-- Each row gives its class to one kind of key. The deleted KST900 row and the
-- expired assignments of 1008 leave badge 10008 without a class.
INSERT INTO MND01.Kvs408Bzu (BzuZau, BzuKst, BzuVks, BzuAbt, BzuVab, BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES
  ('G1', NULL, NULL, NULL, NULL, NULL, 'K02', '2024-01-01 00:00:00', '2099-12-31 23:59:59', NULL),
  (NULL, 'KST100', NULL, NULL, NULL, NULL, 'K01', '2023-01-01 00:00:00', NULL, NULL),
  (NULL, 'KST900', NULL, NULL, NULL, NULL, 'K01', '2020-01-01 00:00:00', NULL, 8),
  (NULL, NULL, 'VWS2', NULL, NULL, NULL, 'K01', '2024-01-01 00:00:00', '2099-12-31 23:59:59', NULL),
  (NULL, NULL, NULL, 'ABT10', NULL, NULL, 'K03', '2020-01-01 00:00:00', '2099-12-31 23:59:59', NULL),
  (NULL, NULL, NULL, NULL, 'VAB2', NULL, 'K01', '2020-01-01 00:00:00', '2099-12-31 23:59:59', NULL),
  (NULL, NULL, NULL, NULL, NULL, 'AKR1', 'E1', NULL, '2099-12-31 23:59:59', NULL);

INSERT INTO MND01.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES
  ('1002', 'KST100', 'ABT90', '2020-01-01 00:00:00', NULL, NULL),
  ('1003', 'KST100', 'ABT90', '2020-01-01 00:00:00', NULL, NULL),
  ('1004', 'KST200', 'ABT90', '2020-01-01 00:00:00', NULL, NULL),
  ('1005', 'KST900', 'ABT10', '2020-01-01 00:00:00', NULL, NULL),
  ('1006', 'KST900', 'ABT20', '2020-01-01 00:00:00', NULL, NULL),
  ('1008', 'KST900', 'ABT90', '2020-01-01 00:00:00', NULL, NULL),
  ('1008', 'KST100', 'ABT10', '2019-01-01 00:00:00', '2021-12-31 23:59:59', NULL);

INSERT INTO MND01.O1003Kststelle (KstNum, KstVws, KstSta) VALUES
  ('KST100', 'VWS1', NULL),
  ('KST200', 'VWS2', NULL),
  ('KST900', 'VWS9', NULL);

INSERT INTO MND01.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES
  ('ABT10', 'VAB1', NULL),
  ('ABT20', 'VAB2', NULL),
  ('ABT90', 'VAB9', NULL);

INSERT INTO MND01.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES
  ('1001', 'AKR1', '2020-01-01 00:00:00', NULL, NULL),
  ('1007', 'AKR1', '2020-01-01 00:00:00', NULL, NULL),
  ('1008', 'AKR9', '2020-01-01 00:00:00', NULL, NULL);

-- Minutes. 1001 covers the figure forms: 465 = 7,45; 61 = 1,01; -1 = 0,01-;
-- 600 = 10,00; 6000 = 100,00; -5999 = 99,59-; 599 = 9,59. The rows of 1004
-- (TGBZTR 2), 1005 (today) and the second row of 1002 do not count.
INSERT INTO MND01.Kvs320Tgb (TGBPNR, TGBDTM, TGBZTR, TGBVT1, TGBSA1, TGBVT2, TGBSA2, TGBVT3, TGBSA3, TGBVT4, TGBSA4, TGBVT5, TGBSA5, TGBVT6, TGBSA6, TGBVT7, TGBSA7) VALUES
  ('1001', '{{YESTERDAY}} 00:00:00', 1, 480, -15, 61, NULL, -1, 0, 600, NULL, 6000, NULL, -5999, NULL, 599, NULL),
  ('1002', '{{YESTERDAY}} 00:00:00', 1, 600, 0, 30, 30, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1002', '{{YESTERDAY}} 00:00:00', 2, 999, 999, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1004', '{{YESTERDAY}} 00:00:00', 2, 100, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1005', '{{TODAY}} 00:00:00', 1, 100, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1006', '{{YESTERDAY}} 00:00:00', 1, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1007', '{{YESTERDAY}} 00:00:00', 1, -61, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1008', '{{YESTERDAY}} 00:00:00', 1, 30, 15, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1009', '{{YESTERDAY}} 00:00:00', 1, 120, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1010', '{{YESTERDAY}} 00:00:00', 1, 0, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('1011', '{{YESTERDAY}} 00:00:00', 1, 45, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

-- The previous year's row of 1001 is ignored; 1002 takes more from the
-- previous year than it is entitled to (rest 0).
INSERT INTO MND01.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES
  ('1001', {{YEAR}}, 30, 5.5),
  ('1001', {{YEAR}} - 1, 28, 3),
  ('1002', {{YEAR}}, 28, 30),
  ('1004', {{YEAR}}, 25.5, NULL),
  ('1005', {{YEAR}}, 100, 0),
  ('1006', {{YEAR}}, 30, 0),
  ('1007', {{YEAR}}, 10, 2),
  ('1010', {{YEAR}}, 9.5, 0),
  ('1011', {{YEAR}}, 30, 0);

-- The newest row not after today at midnight counts: for 1001 today's.
INSERT INTO MND01.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES
  ('1001', '{{YESTERDAY}} 00:00:00', 3, 27, 1.5),
  ('1001', '{{TODAY}} 00:00:00', 4, 26, 2),
  ('1001', '{{TODAY}} 08:00:00', 5, 25, 2),
  ('1001', '{{TOMORROW}} 00:00:00', 10, 20, 0),
  ('1002', '2020-06-30 00:00:00', 12.5, 15.5, -1.25),
  ('1004', '{{YESTERDAY}} 00:00:00', 1, 24.5, 0),
  ('1007', '{{YESTERDAY}} 00:00:00', 0, 10, 0);

-- ------------------------------------------------------------------ MND02

INSERT INTO MND02.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES
  ('2001', NULL, 1, NULL),
  ('2002', NULL, 2, NULL),
  ('2003', NULL, 1, NULL),
  ('2004', NULL, 1, NULL),
  ('2005', NULL, 1, NULL),
  ('2006', NULL, 1, NULL),
  ('2007', NULL, 1, NULL),
  ('2008', NULL, 1, NULL);

-- Two valid assignments of group G2 make that step fail for 20004.
INSERT INTO MND02.Kvs408Bzu (BzuZau, BzuKst, BzuVks, BzuAbt, BzuVab, BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES
  ('G2', NULL, NULL, NULL, NULL, NULL, 'K02', '2020-01-01 00:00:00', '2099-12-31 23:59:59', NULL),
  ('G2', NULL, NULL, NULL, NULL, NULL, 'K04', '2020-01-01 00:00:00', NULL, NULL),
  (NULL, 'KST300', NULL, NULL, NULL, NULL, 'K01', '2022-01-01 00:00:00', '2099-12-31 23:59:59', NULL),
  (NULL, NULL, NULL, NULL, NULL, 'AKR2', 'E1', '2020-01-01 00:00:00', '2099-12-31 23:59:59', NULL);

INSERT INTO MND02.Kvs311Zuo (ZuoPnr, ZuoKst, ZuoAbt, ZuoGvo, ZuoGbi, ZuoSta) VALUES
  ('2004', 'KST300', 'ABT30', '2020-01-01 00:00:00', NULL, NULL);

INSERT INTO MND02.O1003Kststelle (KstNum, KstVws, KstSta) VALUES
  ('KST300', 'VWS3', NULL);

INSERT INTO MND02.G1102AbtLst (AblAbt, AblVab, AblSta) VALUES
  ('ABT30', 'VAB3', NULL);

INSERT INTO MND02.Kvs310Bsv (BsvPnr, BsvAkr, BsvGvo, BsvGbi, BsvSta) VALUES
  ('2005', 'AKR2', '2020-01-01 00:00:00', NULL, NULL);

INSERT INTO MND02.Kvs320Tgb (TGBPNR, TGBDTM, TGBZTR, TGBVT1, TGBSA1, TGBVT2, TGBSA2, TGBVT3, TGBSA3, TGBVT4, TGBSA4, TGBVT5, TGBSA5, TGBVT6, TGBSA6, TGBVT7, TGBSA7) VALUES
  ('2001', '{{YESTERDAY}} 00:00:00', 1, 90, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('2002', '{{YESTERDAY}} 00:00:00', 1, -30, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('2004', '{{YESTERDAY}} 00:00:00', 1, 100, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('2005', '{{YESTERDAY}} 00:00:00', 1, 20, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('2006', '{{YESTERDAY}} 00:00:00', 1, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('2007', '{{YESTERDAY}} 00:00:00', 1, 480, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO MND02.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES
  ('2001', {{YEAR}}, 30, 0),
  ('2002', {{YEAR}}, 24, 2),
  ('2007', {{YEAR}}, 26, 4);

INSERT INTO MND02.Kvs332Utg (UTGPNR, UtgDtm, UtgVtg, UtgRtg, UtgGut) VALUES
  ('2001', '{{YESTERDAY}} 00:00:00', 2, 28, 0);

-- ------------------------------------------------------------------ MND03

INSERT INTO MND03.Kvs300Pnr (PnrNum, PnrSal, PnrSpr, PnrSta) VALUES
  ('3001', NULL, 1, NULL),
  ('3002', NULL, 1, NULL),
  ('3003', NULL, 1, NULL),
  ('3004', NULL, 1, NULL);

INSERT INTO MND03.Kvs408Bzu (BzuZau, BzuKst, BzuVks, BzuAbt, BzuVab, BzuAkr, BzuBkl, BzuGvo, BzuGbi, BzuSta) VALUES
  ('G3', NULL, NULL, NULL, NULL, NULL, 'K01', '2020-01-01 00:00:00', NULL, NULL);

INSERT INTO MND03.Kvs320Tgb (TGBPNR, TGBDTM, TGBZTR, TGBVT1, TGBSA1, TGBVT2, TGBSA2, TGBVT3, TGBSA3, TGBVT4, TGBSA4, TGBVT5, TGBSA5, TGBVT6, TGBSA6, TGBVT7, TGBSA7) VALUES
  ('3001', '{{YESTERDAY}} 00:00:00', 1, 15, 0, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL),
  ('3003', '{{YESTERDAY}} 00:00:00', 1, -120, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);

INSERT INTO MND03.Kvs332Urv (URVPNR, URVJHR, URVGUR, URVVJR) VALUES
  ('3001', {{YEAR}}, 20, 0);
