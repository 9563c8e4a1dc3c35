// The export conditions dialog: company and period, the output file, Execute and Cancel.
#pragma once

#include "dialog/Resource.h"
#include "platform/DialogHost.h"

#include <string>

class ClExportDlg : public ClDialog {
public:
    explicit ClExportDlg(HWND hParent = nullptr);
    ~ClExportDlg() override;

    // The remembered output path of this user and data into a zeroed PATH_BUF buffer;
    // FALSE when there is none that fits.
    BOOL LoadOutputPath(char* szPath);
    // Remembers szPath for this user and data; the settings file is replaced whole or
    // left as it was (FALSE).
    BOOL SaveOutputPath(const char* szPath);

    BOOL PreTranslateMessage(StMSG* pMsg) override;
    BOOL OnCommand(UINT nId) override;

    ClButton m_grpOutput;
    ClButton m_btnCancel;
    ClButton m_btnExecute;
    ClButton m_btnBrowse;
    ClEdit m_edtOutPath;

    std::string m_strOffice;
    std::string m_strPeriod;
    std::string m_strOutPath;

    LONG m_lSelNo1 = 0;
    LONG m_lDataNo = 0;
    BOOL m_bPastData = FALSE;
    char m_szUserID[65] = {};

protected:
    void DoDataExchange(ClDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnBrowse();
    void OnExecute();
    void FocusOutPath();

private:
    void _Refuse(const char* szText);
    BOOL _Ask(const char* szText);
    void _DefaultOutputPath(char* szPath);
    BOOL _SettingsFile(std::string& strFile) const;
    BOOL _Key(std::string& strKey) const;
};
