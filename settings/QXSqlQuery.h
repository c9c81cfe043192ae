#pragma once
// A forward-only cursor over the rows of one prepared statement. It borrows its connection for
// error texts and must not outlive it.

struct sqlite3;
struct sqlite3_stmt;

class CQXSqlQuery {
public:
    CQXSqlQuery(CQXSqlQuery&& other) noexcept;
    CQXSqlQuery& operator=(CQXSqlQuery&& other);
    CQXSqlQuery(const CQXSqlQuery&) = delete;
    CQXSqlQuery& operator=(const CQXSqlQuery&) = delete;
    // Finishes the statement; an error while doing so is dropped, so destruction never raises.
    virtual ~CQXSqlQuery();

    // True when there is no current row.
    bool AtEnd() const;
    int ColumnCount() const;
    // The text of column nIndex of the current row, or null for a NULL value. Valid until the next
    // Next or Finish.
    const char16_t* ColumnText(int nIndex) const;
    // Moves to the next row or to the end.
    void Next();
    // Releases the statement; the query is unusable afterwards.
    void Finish();

private:
    friend class CQXSqlDatabase;
    // Takes ownership of pStmt (null for a text without a statement); pDb is borrowed.
    CQXSqlQuery(sqlite3* pDb, sqlite3_stmt* pStmt, bool bAtEnd);

    void CheckStatement() const;

    sqlite3* m_pDb;
    sqlite3_stmt* m_pStmt;
    bool m_bAtEnd;
    int m_nColumnCount;
};
