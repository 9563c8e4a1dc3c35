#include "tests/e2e/Events.h"

namespace e2e {

std::string MsgDone(const std::string& strAssetFile, const std::string& strAssetTypeFile) {
    return U8(u8"減価償却情報の出力が正常に終了しました。\n\n償却資産データ ⇒ ") + strAssetFile +
           U8(u8"    \n資産種類データ ⇒ ") + strAssetTypeFile +
           U8(u8"    \n\nアプリケーションを終了します。");
}

std::string MsgWriteFailed(const std::vector<std::string>& vFiles) {
    std::string strText =
        U8(u8"減価償却情報の出力に失敗しました。\n\n次のファイルを書き込めませんでした。");
    for (const std::string& strFile : vFiles)
        strText += "\n" + strFile;
    return strText + U8(u8"\n\nアプリケーションを終了します。");
}

StEVENT Dialog(const std::string& strPath, const std::string& strOffice,
               const std::string& strPeriod) {
    return {{"event", "dialog"},   {"caption", U8(u8"減価償却 - 集計条件")},
            {"office", strOffice}, {"period", strPeriod},
            {"path", strPath},     {"focus", std::to_string(ID_EDIT)}};
}

StEVENT End(int nResult) {
    return {{"event", "end"}, {"result", std::to_string(nResult)}};
}

StEVENT Focus(int nId) {
    return {{"event", "focus"}, {"id", std::to_string(nId)}};
}

StEVENT Box(const std::string& strOwner, const std::string& strStyle, const std::string& strText,
            const std::string& strAnswer) {
    return {{"event", "msgbox"}, {"owner", strOwner}, {"caption", U8(u8"減価償却")},
            {"style", strStyle}, {"text", strText},   {"answer", strAnswer}};
}

StEVENT SaveAs(const std::string& strDir, const std::string& strName,
               const std::string& strAnswer) {
    return {{"event", "filedialog"},
            {"title", U8(u8"保存ファイルを指定")},
            {"dir", strDir},
            {"name", strName},
            {"filter", "CSV Files (*.csv)|*.csv||"},
            {"defext", "CSV"},
            {"flags", "0x180C"},
            {"answer", strAnswer}};
}

StEVENT Exec(const std::string& strCmdLine, const std::string& strDir, bool bStarted) {
    return {{"event", "exec"},
            {"cmdline", strCmdLine},
            {"dir", strDir},
            {"started", bStarted ? "true" : "false"}};
}

std::string Expect(const std::vector<StEVENT>& vEvents) {
    return FormatEvents(vEvents);
}

std::vector<StEVENT> ExportedToA() {
    return {Dialog(), End(ID_EXECUTE), Info(MsgDone("C:\\out\\a.csv", "C:\\out\\syurui.SSC"))};
}

} // namespace e2e
