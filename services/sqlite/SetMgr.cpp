#include "services/DataMgr.h"
#include "services/sqlite/AccDb.h"

ClAccDb* ClSetMgr::GetAccDb() const {
    return ClAccDb::Current();
}
