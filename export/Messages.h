// The error log's message catalogue and the composition of one message.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string_view>

// Each message begins with a line feed; the error log adds CR LF after it. ｢｣ and ･ are
// the half-width forms (single bytes in code page 932).
inline constexpr const char* MSG_AMOUNT_TOO_LONG =
    "\n＜ERROR＞\n金額｢%s｣は、連携可能最大桁数をオーバーしています。";
inline constexpr const char* MSG_CODE_TOO_LONG =
    "\n＜WARNING＞\n資産コード｢%s｣は、連携可能最大桁数をオーバーしています。\n"
    "データが、正しく連携されない可能性があります。";
inline constexpr const char* MSG_CODE_CHARS =
    "\n＜ERROR＞\n資産コード｢%s｣には、半角英数以外の文字が使用されています。";
inline constexpr const char* MSG_CODE_DUPLICATE =
    "\n＜ERROR＞\n資産コード｢%s｣は、他の資産コードと重複してしまいます。";
inline constexpr const char* MSG_TYPE_CODE_TOO_LONG =
    "\n＜WARNING＞\n資産種類コード｢%d｣は、連携可能最大桁数をオーバーしています。\n"
    "データが、正しく連携されない可能性があります。";
inline constexpr const char* MSG_NAME_TOO_LONG =
    "\n＜WARNING＞\n資産名称｢%s｣は、\n連携可能最大文字数をオーバーしています。\n"
    "超過した文字は、自動的に切り捨てられます。";
inline constexpr const char* MSG_QUANTITY_TOO_LONG =
    "\n＜WARNING＞\n数量｢%.2f｣は、連携可能最大桁数をオーバーしています。\n"
    "減価償却データが、正しく連携されない可能性があります。";
inline constexpr const char* MSG_MEMO_TOO_LONG =
    "\n＜WARNING＞\nメモ欄｢%s｣は、\n連携可能最大文字数をオーバーしています。\n"
    "超過した文字は、自動的に切り捨てられます。";
inline constexpr const char* MSG_ITEM_LIMIT =
    "\n＜WARNING＞\n連携可能な最大内訳件数は99件です。\n100件目から後の内訳は出力されません。";
inline constexpr const char* MSG_ITEM_CODE_TOO_LONG =
    "\n＜WARNING＞\n資産コード+内訳付番｢%s%s｣は、連携可能最大桁数をオーバーしています。\n"
    "データが、正しく連携されない可能性があります。";
inline constexpr const char* MSG_ITEM_CODE_CHARS =
    "\n＜ERROR＞\n資産コード｢%08s｣には、半角英数以外の文字が使用されています。";
inline constexpr const char* MSG_ITEM_CODE_DUPLICATE =
    "\n＜ERROR＞\n資産コード｢%s｣と内訳付番｢%s｣から構成される\n資産・内訳コード｢%08s｣は、\n"
    "他の資産･内訳コードと重複しています。";
inline constexpr const char* MSG_ITEM_ASSET_DUPLICATE =
    "\n＜ERROR＞\n資産コード+内訳付番｢%08s｣は、\n資産コード｢%"
    "s｣が他の資産コードと重複してしまいます。";
inline constexpr const char* MSG_ITEM_NAME_TOO_LONG =
    "\n＜WARNING＞\n内訳名称｢%s｣は、\n連携可能最大文字数をオーバーしています。\n"
    "超過した文字は、自動的に切り捨てられます。";

// One placeholder value: a text (not necessarily NUL-terminated), an integer or a real.
struct StMSGARG {
    enum _Kind { ARG_TEXT, ARG_LONG, ARG_REAL };

    StMSGARG(std::string_view svText) : eKind(ARG_TEXT), svText(svText) {}
    StMSGARG(long lValue) : eKind(ARG_LONG), lValue(lValue) {}
    StMSGARG(double dValue) : eKind(ARG_REAL), dValue(dValue) {}

    _Kind eKind;
    std::string_view svText;
    long lValue = 0;
    double dValue = 0;
};

// Fills a catalogue format into pszOut, cut at cbOut - 1 bytes and NUL-terminated.
// Conversions: %s (with a width, "0" pads on the left with the digit 0, else with
// blanks), %d and %.Nf; placeholders take the arguments in order. Returns the length.
std::size_t ComposeMessage(const char* szFormat, std::initializer_list<StMSGARG> args, char* pszOut,
                           std::size_t cbOut);
