// Code page 932 (Shift_JIS): byte classes and conversion to and from UTF-8.
#pragma once

#include "platform/WinTypes.h"

#include <string>
#include <string_view>

// Lead bytes 0x81-0x9F and 0xE0-0xFC; trail bytes 0x40-0x7E and 0x80-0xFC.
BOOL _ismbblead(unsigned int c);
BOOL _ismbbtrail(unsigned int c);

// Bytes of the character at s[i], as the runtime steps through text: 2 for a lead byte
// with a byte after it, else 1.
std::size_t Cp932CharLen(std::string_view s, std::size_t i);
// Bytes of the character at s[i] where only a lead byte followed by a trail byte makes a
// pair: 2 for such a pair, else 1.
std::size_t Cp932PairLen(std::string_view s, std::size_t i);

// Whole-text conversions. Input that does not convert gives FALSE and leaves out empty;
// nothing is ever guessed or replaced.
BOOL Cp932ToUtf8(std::string_view cp932, std::string& utf8);
BOOL Utf8ToCp932(std::string_view utf8, std::string& cp932);
