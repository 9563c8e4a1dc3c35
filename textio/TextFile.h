// The file that text accessors write to or read from.
#pragma once

#include "platform/FileStream.h"

class ClTextAccessor;

class ClTextFile {
public:
    enum TFOpenMode {
        TF_READ = 1,
        TF_WRITE = 2,    // takes precedence over TF_READ
        TF_APPEND = 4,   // with TF_WRITE
        TF_TRUNCATE = 8, // with TF_WRITE
    };

    ClTextFile();
    virtual ~ClTextFile(); // closes an open file without reporting
    ClTextFile(const ClTextFile&) = delete;
    ClTextFile& operator=(const ClTextFile&) = delete;

    // TF_READ alone: an existing file; TF_WRITE alone: a new file only; with TF_APPEND a
    // missing file is created; with TF_TRUNCATE an existing one is emptied. -1000 when
    // the file does not open (also when it is open already).
    long Open(const char* pszPath, TFOpenMode eMode);
    // -1000 when closing the open file failed or its stream had failed; 0 when not open.
    long Close();
    // The accessor's next writes or reads use this file; -1003 for a null accessor.
    long Attach(ClTextAccessor* pAccessor);

private:
    ClFileStream m_fstream;
};

constexpr ClTextFile::TFOpenMode operator|(ClTextFile::TFOpenMode a, ClTextFile::TFOpenMode b) {
    return static_cast<ClTextFile::TFOpenMode>(static_cast<int>(a) | static_cast<int>(b));
}
