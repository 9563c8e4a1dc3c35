// Ids of dialog resource 130, the export conditions dialog.
#pragma once

#include "platform/DialogHost.h"

inline constexpr UINT IDD_EXPORTCOND = 130;

inline constexpr int IDC_STC_OFFICE_LABEL = 1000;
inline constexpr int IDC_STC_PERIOD_LABEL = 1001;
inline constexpr int IDC_STC_OFFICE = 1002;
inline constexpr int IDC_STC_PERIOD = 1003;
inline constexpr int IDC_GRP_OUTPUT = 1004;
inline constexpr int IDC_BTN_EXECUTE = 1005; // also the dialog's result after a checked path
inline constexpr int IDC_BTN_CANCEL = 1006;  // also the result of every cancel
inline constexpr int IDC_EDT_OUTPATH = 1007;
inline constexpr int IDC_BTN_BROWSE = 1008;

// The resource itself, which every backend renders.
extern const StDLGTEMPLATE G_DLG_EXPORTCOND;
