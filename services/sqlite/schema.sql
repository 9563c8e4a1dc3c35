-- The accounting database of the stand-in. A column named after a record field fills
-- that field; NULL or an absent column is zero or empty. Dates are yyyymmdd integers,
-- cy* columns the raw currency value (the amount times 10000). Text columns hold UTF-8
-- TEXT or raw BLOB bytes (up to the first NUL).
CREATE TABLE system (key TEXT PRIMARY KEY, value TEXT);
  -- current_user    user ID of the logged-in user
  -- package_name    replaces every ES_APRPACKAGENAME in the link library's messages
  -- output_folder   default output folder: Windows path ending in a backslash, or empty
  -- settings_folder settings folder: likewise
CREATE TABLE users (user_id TEXT PRIMARY KEY, sel_no1 INTEGER, data_no INTEGER);
CREATE TABLE company_data (position INTEGER PRIMARY KEY,
  szDataID TEXT, lDataNo INTEGER, szCompanyName TEXT, lPeriodStart INTEGER,
  lPeriodEnd INTEGER, sDataKind INTEGER, bCorpKind INTEGER);
CREATE TABLE assets (szDataID TEXT, position INTEGER,
  abBulkKey BLOB, szAssetCode TEXT, lTypeCode INTEGER, szAssetName TEXT,
  szQuantity TEXT, szMemo TEXT, sDisposalKind INTEGER, szCapex TEXT,
  lRuleDate INTEGER, lAcqDate INTEGER, cyAcqCost INTEGER, cyCompression INTEGER,
  cyOpeningBook INTEGER, sMethodKind INTEGER, sUsefulLife INTEGER, lDeprRate INTEGER,
  lResidualRate INTEGER, bLimitKind INTEGER, cyLimit INTEGER, sBusinessRatio INTEGER,
  sSgaPercent INTEGER, sPeriodNum INTEGER, sPeriodDen INTEGER, cyResidual INTEGER,
  cyDeprBase INTEGER, cySga INTEGER, cyMfgCost INTEGER, cyAccumDepr INTEGER,
  cyClosingBook INTEGER, lDisposalDate INTEGER, cyDisposalPrice INTEGER,
  bMonthsEntered INTEGER, cyRevisedCost INTEGER,
  cyCalcDepr INTEGER, cySpecialDepr INTEGER, cyIncreasedDepr INTEGER, cyDeprOverride INTEGER,
  PRIMARY KEY (szDataID, position));
CREATE TABLE bulk_items (szDataID TEXT, abBulkKey BLOB, position INTEGER,
  szItemNo TEXT, szItemName TEXT, lItemAcqDate INTEGER, cyItemAcqCost INTEGER,
  lItemQuantity INTEGER, PRIMARY KEY (szDataID, abBulkKey, position));
CREATE TABLE asset_types (szDataID TEXT, position INTEGER, lCode INTEGER, szName TEXT,
  sMethod INTEGER, lResidualRatio INTEGER, PRIMARY KEY (szDataID, position));
CREATE TABLE text_orders (szDataID TEXT, szName TEXT, sCount INTEGER, cOrder BLOB,
  PRIMARY KEY (szDataID, szName));
