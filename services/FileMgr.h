// The file manager: the accounting system's folders.
#pragma once

class ClFileMgr {
public:
    // Folder kinds of GetAppFolderPath.
    enum _FolderKind {
        FOLDER_OUTPUT = 0,   // default output folder
        FOLDER_SETTINGS = 1, // settings folder
    };

    static ClFileMgr* Inst();

    // The folder as a CP932 Windows path ending in a backslash, or the empty text (also for
    // an unknown kind or without a connection). Never null; valid until the next call for
    // the same kind.
    const char* GetAppFolderPath(long lKind);
    long Release();

private:
    ClFileMgr() = default;

    char m_aszFolder[2][261] = {};
};
