#include "settings/QXSqlQuery.h"

#include <sqlite3.h>

#include <utility>

#include "settings/QXSqlException.h"
#include "settings/SqliteError.h"

CQXSqlQuery::CQXSqlQuery(sqlite3* pDb, sqlite3_stmt* pStmt, bool bAtEnd)
    : m_pDb(pDb), m_pStmt(pStmt), m_bAtEnd(bAtEnd), m_nColumnCount(pStmt ? sqlite3_column_count(pStmt) : 0) {}

CQXSqlQuery::CQXSqlQuery(CQXSqlQuery&& other) noexcept
    : m_pDb(other.m_pDb),
      m_pStmt(std::exchange(other.m_pStmt, nullptr)),
      m_bAtEnd(std::exchange(other.m_bAtEnd, true)),
      m_nColumnCount(std::exchange(other.m_nColumnCount, 0)) {}

CQXSqlQuery& CQXSqlQuery::operator=(CQXSqlQuery&& other) {
    if (this != &other) {
        Finish();
        m_pDb = other.m_pDb;
        m_pStmt = std::exchange(other.m_pStmt, nullptr);
        m_bAtEnd = std::exchange(other.m_bAtEnd, true);
        m_nColumnCount = std::exchange(other.m_nColumnCount, 0);
    }
    return *this;
}

CQXSqlQuery::~CQXSqlQuery() {
    try {
        Finish();
    } catch (const CQXSqlException&) {
        // The statement is released even when finalizing reports an error; nothing is left to undo.
    }
}

void CQXSqlQuery::CheckStatement() const {
    if (!m_pStmt) throw CQXSqlException(QXSQL_ERROR, u"Null Virtual Machine pointer");
}

bool CQXSqlQuery::AtEnd() const {
    CheckStatement();
    return m_bAtEnd;
}

int CQXSqlQuery::ColumnCount() const {
    CheckStatement();
    return m_nColumnCount;
}

const char16_t* CQXSqlQuery::ColumnText(int nIndex) const {
    CheckStatement();
    if (nIndex < 0 || nIndex > m_nColumnCount - 1) {
        throw CQXSqlException(QXSQL_ERROR, u"Invalid field index requested");
    }
    return static_cast<const char16_t*>(sqlite3_column_text16(m_pStmt, nIndex));
}

void CQXSqlQuery::Next() {
    CheckStatement();
    // Stepping past the end would start the statement over; a forward-only cursor stays at the end.
    if (m_bAtEnd) return;
    const int nStep = sqlite3_step(m_pStmt);
    if (nStep == SQLITE_DONE) {
        m_bAtEnd = true;
    } else if (nStep != SQLITE_ROW) {
        const int nResult = sqlite3_finalize(std::exchange(m_pStmt, nullptr));
        m_bAtEnd = true;
        ThrowSqliteError(nResult != SQLITE_OK ? nResult : nStep, m_pDb);
    }
}

void CQXSqlQuery::Finish() {
    if (!m_pStmt) return;
    const int nResult = sqlite3_finalize(std::exchange(m_pStmt, nullptr));
    m_bAtEnd = true;
    if (nResult != SQLITE_OK) ThrowSqliteError(nResult, m_pDb);
}
