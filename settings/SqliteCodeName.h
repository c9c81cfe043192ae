#pragma once
// Names of the result codes the database layer reports, for error messages.

// The name of an SQLite primary result code, of QXSQL_ERROR, or "UNKNOWN_ERROR" for any other value.
const char16_t* SqliteCodeName(int nCode);
