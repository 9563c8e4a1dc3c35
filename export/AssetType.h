// One row of the asset type file syurui.SSC as the G_SSC accessor reads it: 16 fields
// at the offsets of the G_SSC table, packed without alignment, 150 bytes.
#pragma once

#include "platform/WinTypes.h"
#include "textio/textaccessor.h"

#include <cstdint>

inline constexpr long SSC_COLUMN_COUNT = 16;

#pragma pack(push, 1)
struct StASSETTYPEROW {
    char szTypeCode[3];     // 0 資産種類コード文字
    char szTypeName[13];    // 1 資産種類名
    char szAssetClass[13];  // 2 資産分類区分
    char szDeprClass[11];   // 3 償却区分
    char szMethod[11];      // 4 償却方法
    char szDisposal[15];    // 5 除却方法
    std::int32_t lResidual; // 6 残存割合
    std::int32_t lLimit;    // 7 償却可能限度割合
    char szTaxKind[17];     // 8 償却資産申告の種類名称
    tagCY cyAlloc1Num;      // 9 経費按分割合1分子
    tagCY cyAlloc1Den;      // 10 経費按分割合1分母
    tagCY cyAlloc2Num;      // 11 経費按分割合2分子
    tagCY cyAlloc2Den;      // 12 経費按分割合2分母
    tagCY cyAlloc3Num;      // 13 経費按分割合3分子
    tagCY cyAlloc3Den;      // 14 経費按分割合3分母
    char szBioClass[11];    // 15 生物区分
};
#pragma pack(pop)
static_assert(sizeof(StASSETTYPEROW) == 150);

extern const StTAFORMAT G_SSC[SSC_COLUMN_COUNT];
