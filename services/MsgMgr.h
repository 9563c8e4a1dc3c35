// The message manager of the accounting system: the last-error record that the text
// record engine reports through.
#pragma once

class ClMsgMgr {
public:
    static ClMsgMgr* Inst();

    // Records a result and returns the code unchanged, so that callers return it.
    long SetLastError(long lCode, const char* szSource, long lLine);

    long GetLastErrorCode() const { return m_lCode; }
    const char* GetLastErrorSource() const { return m_szSource; } // null after success
    long GetLastErrorLine() const { return m_lLine; }

private:
    ClMsgMgr() = default;

    long m_lCode = 0;
    const char* m_szSource = nullptr;
    long m_lLine = 0;
};
