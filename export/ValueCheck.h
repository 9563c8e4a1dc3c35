// Value checks and formatting of the asset record conversion: amount texts with their
// digit limit, the quantity split, cuts that keep whole Shift_JIS characters, zero
// padding and the letters-and-digits check of asset codes.
#pragma once

#include "platform/WinTypes.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// A text field of a source record: up to its NUL, never beyond its room.
template <std::size_t N>
std::string_view FieldText(const char (&acField)[N]) {
    const char* pEnd = std::char_traits<char>::find(acField, N, '\0');
    return {acField, pEnd ? static_cast<std::size_t>(pEnd - acField) : N};
}

// Asset codes: the six-character asset part, and the two-digit sub-item number after it.
inline constexpr std::size_t ASSET_PART_LENGTH = 6;
inline constexpr std::size_t ITEM_NO_LENGTH = 2;
// Quantities from this value up (compared in single precision) are warned about.
inline constexpr float QUANTITY_WARNING = 1000000.0f;

// Amounts that an amount column can show: at most 99,999,999,999 and at least
// -9,999,999,999 currency units, a fraction counting (values times 10000).
inline constexpr std::int64_t AMOUNT_MAX_CY = 999999999990000;
inline constexpr std::int64_t AMOUNT_MIN_CY = -99999999990000;
BOOL AmountFits(tagCY cy);

// Decimal text of an integer, with "-" when negative.
struct StINTTEXT {
    char szText[24];
    std::size_t lLen;
    std::string_view View() const { return {szText, lLen}; }
};
StINTTEXT IntegerText(std::int64_t llValue);

// What an amount column holds: the integer part, empty for zero, or twelve asterisks.
inline constexpr std::size_t AMOUNT_TEXT_SIZE = 13;
inline constexpr const char* AMOUNT_OVERFLOW_TEXT = "************";
struct StAMOUNTTEXT {
    char szText[AMOUNT_TEXT_SIZE];
};

// Whole characters: a lead byte and the byte after it form one character when that byte
// lies inside the text; any other byte is a character by itself.
BOOL IsTrailByte(std::string_view svText, std::size_t lPos);
// The longest head (tail) of whole characters that fits into lMax bytes.
std::string_view CutHead(std::string_view svText, std::size_t lMax);
std::string_view CutTail(std::string_view svText, std::size_t lMax);

// svText with the digit 0 in front until it is lWidth bytes long (longer texts stay as
// they are), cut at cbOut - 1 bytes and NUL-terminated.
void ZeroPad(std::string_view svText, std::size_t lWidth, char* pszOut, std::size_t cbOut);

// TRUE when every byte is an ASCII letter or digit; an empty text passes.
BOOL CheckCodeChars(std::string_view svCode);

// Bytes of the unit word at the end of a quantity text: the trailing bytes that are not
// ASCII digits, at most 4, one less when the first of them is a trail byte.
std::size_t QuantityUnitLength(std::string_view svQuantity);
// The number text without commas and blanks, cut at cbOut - 1 bytes and NUL-terminated.
void StripNumber(std::string_view svNumber, char* pszOut, std::size_t cbOut);

// Kind of the depreciable-asset tax return of an asset type code; empty for codes that
// have none (0, negative, 12 and above).
const char* TaxKindText(long lTypeCode);
