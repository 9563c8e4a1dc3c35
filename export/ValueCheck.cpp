#include "export/ValueCheck.h"

#include "export/Decimal.h"
#include "export/ExportFileSet.h"
#include "export/Messages.h"
#include "platform/CodePage.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

void CopyText(std::string_view sv, char* pszOut, std::size_t cbOut) {
    const std::size_t n = std::min(sv.size(), cbOut - 1);
    std::copy_n(sv.data(), n, pszOut); // an empty view may have no data at all
    pszOut[n] = '\0';
}

} // namespace

BOOL AmountFits(tagCY cy) {
    return cy.int64 <= AMOUNT_MAX_CY && cy.int64 >= AMOUNT_MIN_CY;
}

StINTTEXT IntegerText(std::int64_t llValue) {
    StINTTEXT text{};
    const auto res = std::to_chars(text.szText, text.szText + sizeof text.szText - 1, llValue);
    text.lLen = static_cast<std::size_t>(res.ptr - text.szText);
    return text;
}

BOOL IsTrailByte(std::string_view svText, std::size_t lPos) {
    for (std::size_t i = 0; i < lPos && i < svText.size();) {
        const std::size_t n = Cp932CharLen(svText, i);
        if (n == 2 && i + 1 == lPos)
            return TRUE;
        i += n;
    }
    return FALSE;
}

std::string_view CutHead(std::string_view svText, std::size_t lMax) {
    std::size_t i = 0;
    while (i < svText.size()) {
        const std::size_t n = Cp932CharLen(svText, i);
        if (i + n > lMax)
            break;
        i += n;
    }
    return svText.substr(0, i);
}

std::string_view CutTail(std::string_view svText, std::size_t lMax) {
    // The first character boundary from which the rest fits.
    std::size_t i = 0;
    while (svText.size() - i > lMax)
        i += Cp932CharLen(svText, i);
    return svText.substr(i);
}

void ZeroPad(std::string_view svText, std::size_t lWidth, char* pszOut, std::size_t cbOut) {
    std::size_t lLen = 0;
    for (std::size_t n = svText.size(); n < lWidth && lLen + 1 < cbOut; ++n)
        pszOut[lLen++] = '0';
    CopyText(svText, pszOut + lLen, cbOut - lLen);
}

BOOL CheckCodeChars(std::string_view svCode) {
    for (char c : svCode) {
        const bool bAlnum =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!bAlnum)
            return FALSE;
    }
    return TRUE;
}

std::size_t QuantityUnitLength(std::string_view svQuantity) {
    std::size_t n = 0;
    while (n < svQuantity.size() && n < 4) {
        const char c = svQuantity[svQuantity.size() - 1 - n];
        if (c >= '0' && c <= '9')
            break;
        ++n;
    }
    if (n > 0 && IsTrailByte(svQuantity, svQuantity.size() - n))
        --n;
    return n;
}

void StripNumber(std::string_view svNumber, char* pszOut, std::size_t cbOut) {
    std::size_t lLen = 0;
    for (char c : svNumber)
        if (c != ',' && c != ' ' && lLen + 1 < cbOut)
            pszOut[lLen++] = c;
    pszOut[lLen] = '\0';
}

const char* TaxKindText(long lTypeCode) {
    static constexpr const char* TAX_KIND[] = {
        "",         "申告なし", "構築物",   "機械及び装置", "申告なし", "工具器具及び備品",
        "申告なし", "申告なし", "申告なし", "申告なし",     "申告なし", "申告なし"};
    constexpr long lCount = sizeof TAX_KIND / sizeof TAX_KIND[0];
    return lTypeCode >= 0 && lTypeCode < lCount ? TAX_KIND[lTypeCode] : "";
}

StAMOUNTTEXT ClExportFileSet::FormatAmount(tagCY cy) {
    StAMOUNTTEXT amount{};
    const StINTTEXT text = IntegerText(cy.int64 / ClDecimal::SCALE);
    if (!AmountFits(cy)) {
        _Message(MSG_AMOUNT_TOO_LONG, {text.View()});
        CopyText(AMOUNT_OVERFLOW_TEXT, amount.szText, sizeof amount.szText);
    } else if (cy.int64 != 0) {
        CopyText(text.View(), amount.szText, sizeof amount.szText);
    }
    return amount;
}

void ClExportFileSet::SetQuantity(std::string_view svQuantity) {
    const std::size_t lUnit = QuantityUnitLength(svQuantity);
    const std::string_view svNumber = svQuantity.substr(0, svQuantity.size() - lUnit);
    _Text(StASSETROW::COL_UNIT, svQuantity.substr(svNumber.size()));
    if (svNumber.empty()) {
        _Number(StASSETROW::COL_QUANTITY, 0);
        return;
    }
    char szNumber[64];
    StripNumber(svNumber, szNumber, sizeof szNumber);
    const double x = std::strtod(szNumber, nullptr);
    ClDecimal dQuantity;
    if (!ClDecimal::FromDouble(x, dQuantity)) {
        // Beyond what the column can hold: reported like an amount, the column stays empty.
        char szInt[320];
        std::snprintf(szInt, sizeof szInt, "%.0f", std::trunc(x));
        _Message(MSG_AMOUNT_TOO_LONG, {std::string_view(szInt)});
        return;
    }
    std::int64_t llInt = dQuantity.GetInt();
    std::int64_t llFrac = (dQuantity.GetFrac() + 50) / 100 * 100; // two decimals, half up
    if (llFrac == ClDecimal::SCALE) {
        ++llInt;
        llFrac = 0;
    }
    _Number(StASSETROW::COL_QUANTITY, dQuantity.GetSign() * (llInt * ClDecimal::SCALE + llFrac));
    if (static_cast<float>(x) >= QUANTITY_WARNING)
        _Message(MSG_QUANTITY_TOO_LONG, {x});
}

long ClExportFileSet::CheckDupCode(std::string_view svCode) {
    const auto itEnd = m_mapAssetCode.end();
    const auto itCode = m_mapAssetCode.find(svCode);
    const auto itPart = svCode.size() > ASSET_PART_LENGTH
                            ? m_mapAssetCode.find(svCode.substr(0, ASSET_PART_LENGTH))
                            : itEnd;
    if (itCode != itEnd && (itPart == itEnd || itCode->second < itPart->second))
        return 1;
    if (itPart != itEnd)
        return 2;
    auto pCopy = std::make_unique<char[]>(svCode.size() + 1);
    std::memcpy(pCopy.get(), svCode.data(), svCode.size());
    m_mapAssetCode.emplace(std::string_view(pCopy.get(), svCode.size()), m_lstAssetCode.size());
    m_lstAssetCode.push_back(std::move(pCopy));
    return 0;
}
