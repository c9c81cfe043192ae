#include "settings/SqliteCodeName.h"

#include "settings/QXSqlException.h"

namespace {

struct CodeName {
    int nCode;
    const char16_t* pszName;
};

// The primary codes only: connections never switch extended result codes on.
constexpr CodeName kCodeNames[] = {
    {0, u"SQLITE_OK"},
    {1, u"SQLITE_ERROR"},
    {2, u"SQLITE_INTERNAL"},
    {3, u"SQLITE_PERM"},
    {4, u"SQLITE_ABORT"},
    {5, u"SQLITE_BUSY"},
    {6, u"SQLITE_LOCKED"},
    {7, u"SQLITE_NOMEM"},
    {8, u"SQLITE_READONLY"},
    {9, u"SQLITE_INTERRUPT"},
    {10, u"SQLITE_IOERR"},
    {11, u"SQLITE_CORRUPT"},
    {12, u"SQLITE_NOTFOUND"},
    {13, u"SQLITE_FULL"},
    {14, u"SQLITE_CANTOPEN"},
    {15, u"SQLITE_PROTOCOL"},
    {16, u"SQLITE_EMPTY"},
    {17, u"SQLITE_SCHEMA"},
    {18, u"SQLITE_TOOBIG"},
    {19, u"SQLITE_CONSTRAINT"},
    {20, u"SQLITE_MISMATCH"},
    {21, u"SQLITE_MISUSE"},
    {22, u"SQLITE_NOLFS"},
    {23, u"SQLITE_AUTH"},
    {24, u"SQLITE_FORMAT"},
    {25, u"SQLITE_RANGE"},
    {100, u"SQLITE_ROW"},
    {101, u"SQLITE_DONE"},
    {QXSQL_ERROR, u"QXSQL_ERROR"},
};

}  // namespace

const char16_t* SqliteCodeName(int nCode) {
    for (const CodeName& entry : kCodeNames) {
        if (entry.nCode == nCode) return entry.pszName;
    }
    return u"UNKNOWN_ERROR";
}
