#include "settings/SqliteError.h"

#include <sqlite3.h>

std::u16string SqliteErrorText(sqlite3* pDb) {
    const auto* pszText = static_cast<const char16_t*>(sqlite3_errmsg16(pDb));
    return pszText ? std::u16string(pszText) : std::u16string();
}

void ThrowSqliteError(int nCode, sqlite3* pDb) { throw CQXSqlException(nCode, SqliteErrorText(pDb)); }
