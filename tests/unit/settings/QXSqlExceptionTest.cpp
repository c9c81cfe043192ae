#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "platform/base/Strings.h"
#include "settings/QXSqlException.h"
#include "settings/SqliteCodeName.h"

TEST(SqliteCodeName, NamesEveryCodeOfTheTable) {
    struct Case { int nCode; std::u16string_view name; };
    const Case cases[] = {
        {0, u"SQLITE_OK"}, {1, u"SQLITE_ERROR"}, {2, u"SQLITE_INTERNAL"}, {3, u"SQLITE_PERM"},
        {4, u"SQLITE_ABORT"}, {5, u"SQLITE_BUSY"}, {6, u"SQLITE_LOCKED"}, {7, u"SQLITE_NOMEM"},
        {8, u"SQLITE_READONLY"}, {9, u"SQLITE_INTERRUPT"}, {10, u"SQLITE_IOERR"}, {11, u"SQLITE_CORRUPT"},
        {12, u"SQLITE_NOTFOUND"}, {13, u"SQLITE_FULL"}, {14, u"SQLITE_CANTOPEN"}, {15, u"SQLITE_PROTOCOL"},
        {16, u"SQLITE_EMPTY"}, {17, u"SQLITE_SCHEMA"}, {18, u"SQLITE_TOOBIG"}, {19, u"SQLITE_CONSTRAINT"},
        {20, u"SQLITE_MISMATCH"}, {21, u"SQLITE_MISUSE"}, {22, u"SQLITE_NOLFS"}, {23, u"SQLITE_AUTH"},
        {24, u"SQLITE_FORMAT"}, {25, u"SQLITE_RANGE"}, {100, u"SQLITE_ROW"}, {101, u"SQLITE_DONE"},
        {1000, u"QXSQL_ERROR"},
        // Everything else, including SQLite codes the table leaves out.
        {26, u"UNKNOWN_ERROR"}, {99, u"UNKNOWN_ERROR"}, {102, u"UNKNOWN_ERROR"}, {999, u"UNKNOWN_ERROR"},
        {1001, u"UNKNOWN_ERROR"}, {-1, u"UNKNOWN_ERROR"}, {INT_MIN, u"UNKNOWN_ERROR"},
        {INT_MAX, u"UNKNOWN_ERROR"}, {261, u"UNKNOWN_ERROR"},
    };
    for (const Case& c : cases) EXPECT_EQ(SqliteCodeName(c.nCode), c.name) << c.nCode;
}

TEST(CQXSqlException, FormatsNameCodeAndDetail) {
    struct Case { int nCode; std::u16string_view detail; std::u16string_view message; };
    const Case cases[] = {
        {QXSQL_ERROR, u"Database not open", u"QXSQL_ERROR[1000]: Database not open"},
        {1, u"no such table: t", u"SQLITE_ERROR[1]: no such table: t"},
        {5, u"", u"SQLITE_BUSY[5]: "},
        {-1, u"x", u"UNKNOWN_ERROR[-1]: x"},
        {26, u"file is not a database", u"UNKNOWN_ERROR[26]: file is not a database"},
        {14, u"无法打开 %s %d", u"SQLITE_CANTOPEN[14]: 无法打开 %s %d"},  // detail is data, not a format
    };
    for (const Case& c : cases) {
        const CQXSqlException e(c.nCode, c.detail);
        EXPECT_EQ(e.Code(), c.nCode);
        EXPECT_EQ(e.Message(), c.message) << qx::WideToUtf8(c.message);
    }
}

TEST(CQXSqlException, CopyOwnsItsMessage) {
    auto original = std::make_unique<CQXSqlException>(7, u"out of memory");
    const CQXSqlException copy = *original;
    original.reset();
    EXPECT_EQ(copy.Code(), 7);
    EXPECT_EQ(copy.Message(), u"SQLITE_NOMEM[7]: out of memory");
}
