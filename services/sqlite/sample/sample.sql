INSERT INTO system VALUES ('current_user', 'sato');
INSERT INTO users VALUES ('sato', 1, 1);
INSERT INTO company_data (position, szDataID, lDataNo, szCompanyName, lPeriodStart, lPeriodEnd, sDataKind, bCorpKind)
VALUES (1, '0001', 1, '株式会社サンプル', 20240401, 20250331, 0, 0);
