// How the tables of the accounting database map onto records: one column table per
// database table, each column placed at an offset of the table's row image. The same
// tables drive the start-up check and the filling of records, so both read a value alike.
#pragma once

#include "services/DataMgr.h"
#include "services/RuleGenkashokyaku.h"
#include "services/SaveTextIO.h"

#include <cstddef>
#include <cstdint>
#include <limits>

struct StACCCOLUMN {
    enum _Kind {
        KIND_TEXT,  // NUL-terminated CP932 text; nSize bytes of room with the NUL
        KIND_KEY16, // up to nSize raw bytes, zero-padded, no terminator
        KIND_BYTES, // up to nSize raw bytes, NUL bytes included
        KIND_INT,   // little-endian integer of nSize bytes within llMin..llMax
    };
    // Why a stored value does not fit its field.
    enum _Fault {
        FAULT_NONE,
        FAULT_LONG,    // more bytes than the room
        FAULT_CONVERT, // TEXT without a CP932 form
        FAULT_RANGE,   // integer outside llMin..llMax
        FAULT_TYPE,    // not an integer where one is due
    };

    const char* szName;
    _Kind eKind;
    std::size_t nOffset;
    std::size_t nSize;
    long long llMin;
    long long llMax;
};

// The range of a signed integer field of nSize bytes.
constexpr StACCCOLUMN AccInt(const char* szName, std::size_t nOffset, std::size_t nSize) {
    const long long llMax =
        nSize == 8 ? std::numeric_limits<long long>::max() : (1LL << (nSize * 8 - 1)) - 1;
    return {szName, StACCCOLUMN::KIND_INT, nOffset, nSize, -llMax - 1, llMax};
}
constexpr StACCCOLUMN AccByte(const char* szName, std::size_t nOffset) {
    return {szName, StACCCOLUMN::KIND_INT, nOffset, 1, 0, 255};
}
constexpr StACCCOLUMN AccText(const char* szName, std::size_t nOffset, std::size_t nRoom) {
    return {szName, StACCCOLUMN::KIND_TEXT, nOffset, nRoom, 0, 0};
}

struct StACCTABLE {
    const char* szName;
    const StACCCOLUMN* pColumns;
    std::size_t nColumns;
    std::size_t nKeys;  // the first nKeys columns form the primary key
    std::size_t nImage; // bytes of the row image
};

// Row images: the keys and the record(s) one row fills.
struct StSYSTEMIMAGE {
    char szKey[64];
    char szValue[261]; // the room of the longest value; keys may allow less
};
struct StUSERIMAGE {
    char szUserID[65];
    LONG lSelNo1;
    LONG lDataNo;
};
struct StCOMPANYIMAGE {
    long long llPosition;
    StDATAINFO info;
};
struct StASSETIMAGE {
    char szDataID[16];
    long long llPosition;
    StKOTEISHISANINFO master;
    StKOTEINENINFO year;
};
struct StITEMIMAGE {
    char szDataID[16];
    BYTE abBulkKey[16];
    long long llPosition;
    StIKKATSUINFO item;
};
struct StTYPEIMAGE {
    char szDataID[16];
    long long llPosition;
    StSHISANKUBUNINFO type;
};
struct StORDERIMAGE {
    char szDataID[16];
    StTEXTIOSAVEINFO order;
};

extern const StACCTABLE G_ACCSYSTEM;
extern const StACCTABLE G_ACCUSERS;
extern const StACCTABLE G_ACCCOMPANY;
extern const StACCTABLE G_ACCASSETS;
extern const StACCTABLE G_ACCITEMS;
extern const StACCTABLE G_ACCTYPES;
extern const StACCTABLE G_ACCORDERS;

// Every table, in the order the start-up check visits them.
extern const StACCTABLE* const G_ACCTABLES[7];
