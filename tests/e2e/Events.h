// Expected transcript events and the texts the programs show, in UTF-8 as the transcript
// carries them.
#pragma once

#include "tests/e2e/Transcript.h"

#include <string>
#include <vector>

namespace e2e {

// The standard company of ClMachine and the package name of its accounting system.
inline const std::string OFFICE = U8(u8" 株式会社サンプル");
inline const std::string PERIOD = U8(u8" 2024/04/01～2025/03/31");
inline const std::string DEFAULT_PATH = "C:\\out\\*.csv";

inline const std::string MSG_NO_ENVIRONMENT =
    U8(u8"動作環境が不正です。\nテスト会計が正しくインストールされているか確認してください。");
inline const std::string MSG_PROGRAM_TOO_NEW =
    U8(u8"ご利用の連動コンポーネントは、インストールされているテスト会計では使用できません。\n"
       u8"テスト会計の最新版を入手してインストールしてからご利用ください。");
inline const std::string MSG_PROGRAM_TOO_OLD =
    U8(u8"ご利用の連動コンポーネントは、インストールされているテスト会計では使用できません。\n"
       u8"連動コンポーネントの最新版を入手してインストールしてからご利用ください。");
inline const std::string MSG_PAST_DATA =
    U8(u8"過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。");
inline const std::string MSG_CANCEL = U8(u8"｢減価償却｣の集計を中止します。");
inline const std::string MSG_NO_PATH =
    U8(u8"データ出力先が指定されていません。\n\n出力先を指定してください。");
inline const std::string MSG_BAD_CHAR =
    U8(u8"データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。");
inline const std::string MSG_BAD_DRIVE =
    U8(u8"ドライブ名が有効でありません。\n\n有効なドライブを指定してください。");
inline const std::string MSG_NO_FILE_NAME = U8(u8"ファイル名が指定されていません。");
inline const std::string MSG_CREATE_FOLDER =
    U8(u8"指定されたフォルダは存在しません。\n\n作成してもよろしいですか？");
inline const std::string MSG_CREATE_FAILED =
    U8(u8"フォルダの作成に失敗しました。\n\n出力先を再入力してください。");
inline const std::string MSG_OVERWRITE =
    U8(u8"同名のファイルが存在します。\n\n上書きしてもよろしいですか？");
inline const std::string MSG_DONE_WITH_LOG =
    U8(u8"減価償却情報の出力が一応終了しました。\n\nアプリケーションを終了します。");
// The success message for the two files written.
std::string MsgDone(const std::string& strAssetFile, const std::string& strAssetTypeFile);
// The failure message for the files not written, in kind order.
std::string MsgWriteFailed(const std::vector<std::string>& vFiles);

inline constexpr int ID_EDIT = 1007;
inline constexpr int ID_BROWSE = 1008;
inline constexpr int ID_EXECUTE = 1005;
inline constexpr int ID_CANCEL = 1006;

StEVENT Dialog(const std::string& strPath = DEFAULT_PATH, const std::string& strOffice = OFFICE,
               const std::string& strPeriod = PERIOD);
StEVENT End(int nResult);
StEVENT Focus(int nId);
// A box of the dialog ("dialog") or without owner ("none"); answer ok for a box with OK.
StEVENT Box(const std::string& strOwner, const std::string& strStyle, const std::string& strText,
            const std::string& strAnswer = "ok");
inline StEVENT Refusal(const std::string& strText) {
    return Box("dialog", "MB_ICONEXCLAMATION", strText);
}
inline StEVENT Question(const std::string& strText, const std::string& strAnswer) {
    return Box("dialog", "MB_YESNO|MB_ICONQUESTION", strText, strAnswer);
}
inline StEVENT Info(const std::string& strText) {
    return Box("none", "MB_ICONINFORMATION", strText);
}
inline StEVENT Cancelled() {
    return Box("dialog", "MB_ICONINFORMATION", MSG_CANCEL);
}
StEVENT SaveAs(const std::string& strDir, const std::string& strName, const std::string& strAnswer);
StEVENT Exec(const std::string& strCmdLine, const std::string& strDir, bool bStarted);

// The expected events as StRUN::Transcript gives them.
std::string Expect(const std::vector<StEVENT>& vEvents);

// A successful export to C:\out\a.csv typed into the dialog.
inline const std::vector<std::string> EXPORT_TO_A = {"type C:\\out\\a.csv", "click 1005"};
// The events of that export with an empty error log.
std::vector<StEVENT> ExportedToA();

} // namespace e2e
