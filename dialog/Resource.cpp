#include "dialog/Resource.h"

namespace {

constexpr DWORD CHILD = WS_CHILD | WS_VISIBLE;

// In resource order, which is the tab order. No button is the default push button.
constexpr StDLGITEM G_ITEMS[] = {
    {IDC_STC_OFFICE_LABEL, StDLGITEM::KIND_STATIC, "事業所名", 7, 7, 35, 12,
     CHILD | SS_LEFT | SS_CENTERIMAGE},
    {IDC_STATIC, StDLGITEM::KIND_STATIC, "：", 46, 7, 8, 12, CHILD | SS_RIGHT},
    {IDC_STC_OFFICE, StDLGITEM::KIND_STATIC, "", 59, 7, 189, 12, CHILD | SS_LEFT},
    {IDC_STC_PERIOD_LABEL, StDLGITEM::KIND_STATIC, "会計期間", 7, 26, 35, 12, CHILD | SS_LEFT},
    {IDC_STATIC, StDLGITEM::KIND_STATIC, "：", 46, 26, 8, 12, CHILD | SS_RIGHT},
    {IDC_STC_PERIOD, StDLGITEM::KIND_STATIC, "", 59, 25, 189, 12, CHILD | SS_LEFT},
    {IDC_GRP_OUTPUT, StDLGITEM::KIND_GROUPBOX, "出力先(&O)", 7, 47, 241, 35, CHILD | BS_GROUPBOX},
    {IDC_EDT_OUTPATH, StDLGITEM::KIND_EDIT, "", 10, 62, 170, 12,
     CHILD | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDC_BTN_BROWSE, StDLGITEM::KIND_BUTTON, "参照(&D)...", 186, 61, 57, 14,
     CHILD | WS_TABSTOP | BS_PUSHBUTTON},
    {IDC_BTN_EXECUTE, StDLGITEM::KIND_BUTTON, "実行(F12)", 129, 86, 57, 14,
     CHILD | WS_TABSTOP | BS_PUSHBUTTON},
    {IDC_BTN_CANCEL, StDLGITEM::KIND_BUTTON, "キャンセル(Esc)", 191, 86, 57, 14,
     CHILD | WS_TABSTOP | BS_PUSHBUTTON},
};

} // namespace

const StDLGTEMPLATE G_DLG_EXPORTCOND = {
    IDD_EXPORTCOND,
    "減価償却 - 集計条件",
    255,
    107,
    "ＭＳ Ｐゴシック",
    9,
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
    G_ITEMS,
    static_cast<int>(sizeof G_ITEMS / sizeof G_ITEMS[0]),
};
