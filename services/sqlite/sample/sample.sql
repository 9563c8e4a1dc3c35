-- Sample company data of the accounting-system stand-in: 株式会社サンプル, a small
-- manufacturer with a head office in Tokyo, a sales office in Osaka and a factory.
-- Read after schema.sql. Amounts in this script are whole yen; the statements at the
-- end scale every cy* column to the stored currency value (yen times 10000).

INSERT INTO system (key, value) VALUES
  ('current_user', 'sato'),
  ('package_name', 'サンプル会計 Pro'),
  ('output_folder', 'C:\gklink\out\'),
  ('settings_folder', 'C:\gklink\settings\');

-- sato works on the current year; suzuki has last year's closed results selected.
INSERT INTO users (user_id, sel_no1, data_no) VALUES
  ('sato', 1, 1),
  ('suzuki', 1, 2);

INSERT INTO company_data (position, szDataID, lDataNo, szCompanyName, lPeriodStart,
                          lPeriodEnd, sDataKind, bCorpKind) VALUES
  (1, '0001', 1, '株式会社サンプル', 20240401, 20250331, 1, 0),
  (2, '0002', 2, '株式会社サンプル', 20230401, 20240331, 99, 0);

-- Asset types. sMethod: 1 declining balance, 2 straight line, 4 bulk (three-year).
INSERT INTO asset_types (szDataID, position, lCode, szName, sMethod, lResidualRatio) VALUES
  ('0001', 1, 1, '建物', 2, 10),
  ('0001', 2, 2, '構築物', 2, 10),
  ('0001', 3, 3, '機械及び装置', 1, 10),
  ('0001', 4, 4, '車両運搬具', 1, 10),
  ('0001', 5, 5, '工具器具備品', 1, 10),
  ('0001', 6, 6, '無形固定資産', 2, 0),
  ('0001', 7, 7, '建物附属設備', 1, 10),
  ('0001', 8, 8, '一括償却資産', 4, 0),
  ('0001', 9, 9, '繰延資産', 2, 0),
  ('0001', 10, 10, 'リース資産', 2, 0),
  ('0001', 11, 11, '土地', 2, 0);
INSERT INTO asset_types (szDataID, position, lCode, szName, sMethod, lResidualRatio)
  SELECT '0002', position, lCode, szName, sMethod, lResidualRatio FROM asset_types
  WHERE szDataID = '0001';

-- The register of the current year. sMethodKind: 1 old declining balance, 2 old straight
-- line, 3 equal instalments, 4 bulk, 5 declining balance (250%), 6 straight line,
-- 7 small-amount asset, 8 declining balance (200%). lDeprRate in thousandths.
INSERT INTO assets (szDataID, position, szAssetCode, lTypeCode, szAssetName, szQuantity,
                    szMemo, sMethodKind, lAcqDate, sUsefulLife, lDeprRate, cyAcqCost,
                    cyOpeningBook, cyCalcDepr) VALUES
  ('0001',  1, '000101', 1, '本社ビル', '1棟', '東京都千代田区神田', 2, 19980401, 50, 20, 120000000, 63840000, 2160000),
  ('0001',  2, '000102', 1, '大阪営業所', '1棟', '大阪市北区梅田', 6, 20160701, 38, 27, 45000000, 35583750, 1215000),
  ('0001',  3, '000103', 1, '川崎倉庫', '1棟', '11月に売却', 2, 19950301, 31, 33, 30000000, 9000000, 594000),
  ('0001',  4, '000108', 1, '本社ビル外壁改修', '1式', '本社ビルの資本的支出', 6, 20231215, 50, 20, 15000000, 14925000, 300000),
  ('0001',  5, '000201', 7, '本社空調設備', '1式', NULL, 5, 20100801, 15, 167, 8500000, 1483916, 247813),
  ('0001',  6, '000202', 7, '第二工場　受変電設備', '1式', NULL, 5, 20121015, 15, 167, 6200000, 1512210, 252539),
  ('0001',  7, '000203', 7, '給排水設備', '1式', NULL, 8, 20180501, 15, 133, 3800000, 1643528, 218589),
  ('0001',  8, '000301', 2, '駐車場舗装', '1式', '本社裏', 6, 20150901, 10, 100, 4200000, 420000, 419999),
  ('0001',  9, '000302', 2, '屋上広告塔', '1基', NULL, 6, 20200301, 10, 100, 1500000, 915000, 150000),
  ('0001', 10, '000401', 3, 'NC旋盤', '1台', '第一工場', 8, 20190401, 10, 200, 18500000, 6062080, 1212416),
  ('0001', 11, '000402', 3, 'プレス機（200t）', '1台', '第一工場', 1, 20050601, 10, 206, 12000000, 600000, 119999),
  ('0001', 12, '000403', 3, '立形マシニングセンタ', '1台', '中小企業経営強化税制', 8, 20240610, 10, 200, 25000000, 20000000, 3333333),
  ('0001', 13, '000404', 3, '溶接ロボット', '2台', '第二工場', 5, 20110901, 10, 250, 9800000, 882000, 294000),
  ('0001', 14, '000405', 3, 'エアコンプレッサー', '1台', NULL, 6, 20170301, 10, 100, 2400000, 480000, 240000),
  ('0001', 15, '000406', 3, '旧型プレス機', '1台', '５月に廃棄', 1, 19990801, 10, 206, 5500000, 1, 0),
  ('0001', 16, '000501', 4, '営業車（ハイブリッド）', '1台', '品川300あ1234', 8, 20220415, 6, 333, 3200000, 1412934, 470507),
  ('0001', 17, '000502', 4, '営業車（小型）', '1台', '８月に下取り', 5, 20110510, 6, 417, 1800000, 1, 0),
  ('0001', 18, '000503', 4, '配送用トラック（2t）', '1台', NULL, 8, 20210120, 5, 400, 5800000, 1002240, 400896),
  ('0001', 19, '000504', 4, 'フォークリフト', '1台', '第一工場', 8, 20230901, 4, 500, 2100000, 1487500, 743750),
  ('0001', 20, '000505', 4, '役員車', '1台', '練馬300さ5678', 8, 20230301, 6, 333, 7800000, 5166006, 1720280),
  ('0001', 21, '000601', 5, 'ファイルサーバー', '1台', NULL, 8, 20210401, 5, 400, 1650000, 356400, 142560),
  ('0001', 22, '000602', 5, 'カラー複合機', '1台', 'リース満了後に買取', 8, 20200715, 5, 400, 980000, 127008, 63503),
  ('0001', 23, '000603', 5, '応接セット', '1式', '社長室', 5, 20081001, 8, 313, 650000, 1, 0),
  ('0001', 24, '000604', 5, 'プレス金型', '3個', NULL, 8, 20190901, 2, 1000, 3000000, 1, 0),
  ('0001', 25, '000605', 5, 'ノートパソコン', '10台', '少額減価償却資産の特例', 7, 20240501, 4, 0, 2800000, 2800000, 2800000),
  ('0001', 26, '000606', 5, '会議用テーブル', '1台', NULL, 7, 20240901, 8, 0, 250000, 250000, 250000),
  ('0001', 27, '000607', 5, '防犯カメラ設備', '1式', NULL, 8, 20240115, 6, 333, 1100000, 1069475, 356134),
  ('0001', 28, '000701', 6, '販売管理システム', '1式', 'ソフトウェア（自社利用）', 6, 20220401, 5, 200, 6000000, 3600000, 1200000),
  ('0001', 29, '000702', 6, '商標権', NULL, '登録第1234567号', 6, 20180301, 10, 100, 800000, 446667, 80000),
  ('0001', 30, '000801', 9, '開業費', NULL, NULL, 3, 20200401, 5, 0, 1500000, 300000, 300000),
  ('0001', 31, '000802', 9, '社債発行費', NULL, '第１回無担保社債', 3, 20230701, 3, 0, 900000, 675000, 300000),
  ('0001', 32, '000901', 10, 'リース資産（射出成形機）', '1台', 'リース期間７年', 6, 20220601, 7, 143, 14000000, 9619048, 1857143),
  ('0001', 33, '001001', 11, '本社土地', '850㎡', NULL, 6, 19980401, 0, 0, 250000000, 250000000, 0),
  ('0001', 34, '001101', 8, '一括償却資産（令和５年度取得）', NULL, NULL, 4, 20230401, 3, 0, 0, 0, 0),
  ('0001', 35, '001102', 8, '一括償却資産（令和６年度取得）', NULL, NULL, 4, 20240401, 3, 0, 0, 0, 0),
  -- Entries the export reports: a seven-character code, a name longer than 32 bytes, a
  -- code given twice, a code with a hyphen, a memo longer than 40 bytes.
  ('0001', 36, '1234567', 5, 'タブレット端末', '5台', '営業部配布', 8, 20231001, 4, 500, 1250000, 885417, 442708),
  ('0001', 37, '000408', 3, '第二工場　自動倉庫システム（ラック・搬送コンベヤ・制御盤一式）', '1式', NULL, 8, 20220901, 12, 167, 32000000, 22126578, 3695138),
  ('0001', 38, '000602', 5, 'カラー複合機（増設カセット）', '1台', NULL, 8, 20220115, 5, 400, 420000, 123648, 49459),
  ('0001', 39, 'K-0012', 5, '展示会用ブース什器', '1式', NULL, 8, 20230501, 5, 400, 1300000, 823334, 329334),
  ('0001', 40, '000409', 3, 'クーリングタワー', '1基', '第一工場北側。令和６年１２月にファンモーターを交換、次回点検は令和７年６月', 6, 20140601, 15, 67, 3600000, 1215600, 241200),
  ('0001', 41, '000410', 3, 'レーザー加工機', '1台', '250%定率法の経過措置', 5, 20120801, 10, 250, 16000000, 1280000, 400000);

-- Dates that choose the depreciation rules of method kinds 5 and 8.
UPDATE assets SET lRuleDate = lAcqDate WHERE sMethodKind IN (5, 8);
-- The laser cutter was ordered in April 2012 and keeps the 250% rate of the transitional
-- measure.
UPDATE assets SET lRuleDate = 20120801 WHERE szAssetCode = '000410';

-- Old methods: residual value 10 %, depreciable to 95 % of the cost.
UPDATE assets SET lResidualRate = 10, cyResidual = cyAcqCost / 10, bLimitKind = 0, cyLimit = 95
  WHERE sMethodKind IN (1, 2);
-- The old press has reached 5 % and is written off over five years down to one yen.
UPDATE assets SET bLimitKind = 1, cyLimit = cyAcqCost - 1 WHERE szAssetCode = '000402';
-- The lease asset's guaranteed residual value.
UPDATE assets SET cyResidual = 1000000 WHERE lTypeCode = 10;

-- Revised acquisition costs of the declining-balance assets past their guarantee amount.
UPDATE assets SET cyRevisedCost = 882000 WHERE szAssetCode = '000404';
UPDATE assets SET cyRevisedCost = 1280000 WHERE szAssetCode = '000410';

-- Disposals: 4 sold, 5 retired.
UPDATE assets SET sDisposalKind = 4, lDisposalDate = 20241130, cyDisposalPrice = 18000000
  WHERE szAssetCode = '000103';
UPDATE assets SET sDisposalKind = 5, lDisposalDate = 20240531 WHERE szAssetCode = '000406';
UPDATE assets SET sDisposalKind = 4, lDisposalDate = 20240820, cyDisposalPrice = 150000
  WHERE szAssetCode = '000502';

-- Months of depreciation for assets bought or disposed of within the year.
UPDATE assets SET bMonthsEntered = 1, sPeriodNum = 10, sPeriodDen = 12 WHERE szAssetCode = '000403';
UPDATE assets SET bMonthsEntered = 1, sPeriodNum = 8, sPeriodDen = 12 WHERE szAssetCode = '000103';

-- The capital expenditure on the head office building.
UPDATE assets SET szCapex = '000101' WHERE szAssetCode = '000108';
-- The reduction entry of the subsidy for the machining centre; its book value starts
-- from the reduced cost.
UPDATE assets SET cyCompression = 5000000 WHERE szAssetCode = '000403';

-- Special and increased depreciation; a depreciation entered by hand.
UPDATE assets SET cySpecialDepr = 6000000 WHERE szAssetCode = '000403';
UPDATE assets SET cyIncreasedDepr = 24000 WHERE szAssetCode = '000405';
UPDATE assets SET cyDeprOverride = cyCalcDepr WHERE szAssetCode = '000302';

-- Cost allocation: the factory's assets go mainly to manufacturing cost.
UPDATE assets SET sSgaPercent = 100;
UPDATE assets SET sSgaPercent = 0 WHERE lTypeCode = 3 OR szAssetCode IN ('000202', '000504');
UPDATE assets SET sSgaPercent = 30 WHERE szAssetCode IN ('000503', '000901');
UPDATE assets SET sBusinessRatio = 10000;
UPDATE assets SET sBusinessRatio = 8000 WHERE szAssetCode = '000505';

-- Sub-items of the two bulk assets. The 2023 one is listed; the 2024 one, 120 items of
-- office furniture and equipment, is generated.
INSERT INTO bulk_items (szDataID, abBulkKey, position, szItemNo, szItemName, lItemAcqDate,
                        cyItemAcqCost, lItemQuantity) VALUES
  ('0001', CAST('IK2023' AS BLOB), 1, '1', 'デスクトップパソコン', 20230410, 168000, 100),
  ('0001', CAST('IK2023' AS BLOB), 2, '2', 'デスクトップパソコン', 20230410, 168000, 100),
  ('0001', CAST('IK2023' AS BLOB), 3, '3', '液晶モニター（27型）', 20230410, 112000, 200),
  ('0001', CAST('IK2023' AS BLOB), 4, '4', 'レーザープリンター', 20230522, 145000, 100),
  ('0001', CAST('IK2023' AS BLOB), 5, '5', 'オフィスチェア', 20230601, 128000, 400),
  ('0001', CAST('IK2023' AS BLOB), 6, '6', '書庫（スチール）', 20230601, 136000, 100),
  ('0001', CAST('IK2023' AS BLOB), 7, '7', 'ホワイトボード', 20230715, 102000, 100),
  ('0001', CAST('IK2023' AS BLOB), 8, '8', 'プロジェクター', 20230801, 189000, 100),
  ('0001', CAST('IK2023' AS BLOB), 9, '9', 'ハンディターミナル', 20231002, 157500, 150),
  ('0001', CAST('IK2023' AS BLOB), 10, '10', 'ネットワークスイッチ', 20231120, 118000, 100),
  ('0001', CAST('IK2023' AS BLOB), 11, '11', '電動工具セット', 20240115, 176000, 100),
  ('0001', CAST('IK2023' AS BLOB), 12, '12', 'タイムレコーダー', 20240301, 109000, 100);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 120)
INSERT INTO bulk_items (szDataID, abBulkKey, position, szItemNo, szItemName, lItemAcqDate,
                        cyItemAcqCost, lItemQuantity)
  SELECT '0001', CAST('IK2024' AS BLOB), i, CAST(i AS TEXT),
         CASE i % 6 WHEN 0 THEN 'オフィスチェア' WHEN 1 THEN 'ノートパソコン'
                    WHEN 2 THEN '液晶モニター' WHEN 3 THEN '事務机（片袖）'
                    WHEN 4 THEN 'キャビネット' ELSE 'タブレット端末' END,
         CASE WHEN (i - 1) % 12 < 9 THEN 20240000 + (4 + (i - 1) % 12) * 100
              ELSE 20250000 + ((i - 1) % 12 - 8) * 100 END + 1 + i % 28,
         100000 + (i * 7919) % 99000, 100 * (1 + i % 3)
  FROM n;
UPDATE assets SET abBulkKey = CAST('IK2023' AS BLOB) WHERE szAssetCode = '001101';
UPDATE assets SET abBulkKey = CAST('IK2024' AS BLOB) WHERE szAssetCode = '001102';
-- A bulk asset costs the sum of its items and is written off in three equal years.
UPDATE assets SET cyAcqCost = (SELECT sum(cyItemAcqCost) FROM bulk_items b
                               WHERE b.szDataID = assets.szDataID
                                 AND b.abBulkKey = assets.abBulkKey)
  WHERE sMethodKind = 4;
UPDATE assets SET cyCalcDepr = cyAcqCost / 3,
                  cyOpeningBook = cyAcqCost - (20240401 - lAcqDate) / 10000 * (cyAcqCost / 3)
  WHERE sMethodKind = 4;

-- Values that follow from the ones above.
UPDATE assets SET cyDeprBase = CASE WHEN lTypeCode = 11 THEN 0
                                    WHEN sMethodKind IN (2, 3, 6) THEN cyAcqCost - ifnull(cyCompression, 0)
                                    WHEN sMethodKind IN (1, 5, 8) THEN cyOpeningBook
                                    ELSE 0 END;
UPDATE assets SET
  cyClosingBook = CASE WHEN sDisposalKind IN (4, 5) THEN 0
                       ELSE cyOpeningBook - cyCalcDepr - ifnull(cySpecialDepr, 0)
                            - ifnull(cyIncreasedDepr, 0) END,
  cyAccumDepr = cyAcqCost - ifnull(cyCompression, 0) - cyOpeningBook + cyCalcDepr
                + ifnull(cySpecialDepr, 0) + ifnull(cyIncreasedDepr, 0),
  cySga = (cyCalcDepr + ifnull(cySpecialDepr, 0) + ifnull(cyIncreasedDepr, 0))
          * sSgaPercent / 100;
UPDATE assets SET cyMfgCost = cyCalcDepr + ifnull(cySpecialDepr, 0)
                              + ifnull(cyIncreasedDepr, 0) - cySga;

-- Last year's closed results (data kind 99): the register as it stood then.
INSERT INTO assets (szDataID, position, szAssetCode, lTypeCode, szAssetName, szQuantity,
                    sMethodKind, lAcqDate, lRuleDate, sUsefulLife, lDeprRate, cyAcqCost,
                    cyOpeningBook, cyCalcDepr, cyDeprBase, cyClosingBook, cyAccumDepr,
                    sSgaPercent, sBusinessRatio, cySga) VALUES
  ('0002', 1, '000101', 1, '本社ビル', '1棟', 2, 19980401, NULL, 50, 20, 120000000, 66000000, 2160000, 120000000, 63840000, 56160000, 100, 10000, 2160000),
  ('0002', 2, '000102', 1, '大阪営業所', '1棟', 6, 20160701, NULL, 38, 27, 45000000, 36798750, 1215000, 45000000, 35583750, 9416250, 100, 10000, 1215000),
  ('0002', 3, '000401', 3, 'NC旋盤', '1台', 8, 20190401, 20190401, 10, 200, 18500000, 7577600, 1515520, 7577600, 6062080, 12437920, 0, 10000, 0),
  ('0002', 4, '000501', 4, '営業車（ハイブリッド）', '1台', 8, 20220415, 20220415, 6, 333, 3200000, 2118494, 705560, 2118494, 1412934, 1787066, 100, 10000, 705560),
  ('0002', 5, '001001', 11, '本社土地', '850㎡', 6, 19980401, NULL, 0, 0, 250000000, 250000000, 0, 0, 250000000, 0, 100, 10000, 0);
UPDATE assets SET cyMfgCost = cyCalcDepr - cySga WHERE szDataID = '0002';

-- Whole yen to the stored currency value. cyLimit of kind 0 is a rate and scales alike.
UPDATE assets SET
  cyAcqCost = cyAcqCost * 10000, cyCompression = cyCompression * 10000,
  cyOpeningBook = cyOpeningBook * 10000, cyLimit = cyLimit * 10000,
  cyResidual = cyResidual * 10000, cyDeprBase = cyDeprBase * 10000, cySga = cySga * 10000,
  cyMfgCost = cyMfgCost * 10000, cyAccumDepr = cyAccumDepr * 10000,
  cyClosingBook = cyClosingBook * 10000, cyDisposalPrice = cyDisposalPrice * 10000,
  cyRevisedCost = cyRevisedCost * 10000, cyCalcDepr = cyCalcDepr * 10000,
  cySpecialDepr = cySpecialDepr * 10000, cyIncreasedDepr = cyIncreasedDepr * 10000,
  cyDeprOverride = cyDeprOverride * 10000;
UPDATE bulk_items SET cyItemAcqCost = cyItemAcqCost * 10000;
