#pragma once
// Raising SQLite's own failures as CQXSqlException (used inside the layer only).

#include <string>

#include "settings/QXSqlException.h"

struct sqlite3;

// The connection's current error text; SQLite's text for "out of memory" when there is no connection.
std::u16string SqliteErrorText(sqlite3* pDb);

// Raises nCode with the connection's current error text.
[[noreturn]] void ThrowSqliteError(int nCode, sqlite3* pDb);
