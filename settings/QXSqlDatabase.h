#pragma once
// A connection to one SQLite database file, opened and closed within one call of its user.
// Statement texts, file names and values are wide strings. Values are bound to the statement's
// ?1, ?2, ... parameters in order, so no text given as a value can change a statement.

#include <initializer_list>
#include <string>
#include <string_view>

#include "settings/QXSqlQuery.h"

struct sqlite3;
struct sqlite3_stmt;

// Text values for a statement's parameters, bound in order.
using CQXSqlParams = std::initializer_list<std::u16string_view>;

class CQXSqlDatabase {
public:
    // How long a statement waits for another connection's lock before giving up.
    static constexpr int kDefaultBusyTimeoutMs = 60000;

    explicit CQXSqlDatabase(int nBusyTimeoutMs = kDefaultBusyTimeoutMs);
    CQXSqlDatabase(const CQXSqlDatabase&) = delete;
    CQXSqlDatabase& operator=(const CQXSqlDatabase&) = delete;
    // Closes the connection; never raises.
    virtual ~CQXSqlDatabase();

    // Opens (or creates) the file at the path as the system writes it; a connection already open
    // is closed first.
    void Open(std::u16string_view strPath);
    void Close();
    bool IsOpen() const { return m_pDb != nullptr; }

    // Runs one statement that returns no rows. Returns SQLite's final code for it: 0 on success,
    // or a code such as SQLITE_BUSY (5) that the statement ended with without an error being raised.
    int ExecuteStatement(std::u16string_view strSql, CQXSqlParams params = {});
    // Runs a query; the result is on the first row or already at the end.
    CQXSqlQuery RunQuery(std::u16string_view strSql, CQXSqlParams params = {});
    // The integer in column 0 of the first row.
    int QueryInteger(std::u16string_view strSql, CQXSqlParams params = {});
    bool HasTable(std::u16string_view strName);

    // The connection's current error text, for codes that are returned rather than raised.
    std::u16string ErrorText() const;

private:
    // Null when the text holds no statement (only blanks or comments).
    sqlite3_stmt* PrepareStatement(std::u16string_view strSql, CQXSqlParams params);

    sqlite3* m_pDb = nullptr;
    int m_nBusyTimeoutMs;
};
