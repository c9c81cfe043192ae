#include "settings/QXSqlDatabase.h"

#include <sqlite3.h>

#include <utility>

#include "platform/base/Paths.h"
#include "platform/base/Strings.h"
#include "settings/QXSqlException.h"
#include "settings/SqliteError.h"

namespace {

// A schema changed by another connection between preparing and running is retried; the bound
// keeps a connection that changes it without pause from holding this one forever.
constexpr int kMaxSchemaRetries = 50;

}  // namespace

CQXSqlDatabase::CQXSqlDatabase(int nBusyTimeoutMs) : m_nBusyTimeoutMs(nBusyTimeoutMs) {}

CQXSqlDatabase::~CQXSqlDatabase() {
    if (!m_pDb) return;
    // A statement still held (a query being unwound with an error) makes a plain close fail; the
    // deferred close then frees the connection once that statement is finalized.
    if (sqlite3_close(m_pDb) != SQLITE_OK) sqlite3_close_v2(m_pDb);
    m_pDb = nullptr;
}

void CQXSqlDatabase::Open(std::u16string_view strPath) {
    Close();
    const std::u16string strFile = qx::Utf8ToWide(qx::ToFileSystemPath(strPath));
    sqlite3* pDb = nullptr;
    const int nResult = sqlite3_open16(strFile.c_str(), &pDb);
    if (nResult != SQLITE_OK) {
        const std::u16string strText = SqliteErrorText(pDb);
        sqlite3_close(pDb);  // a failed open still hands out a handle that must be released
        throw CQXSqlException(nResult, strText);
    }
    m_pDb = pDb;
    sqlite3_busy_timeout(m_pDb, m_nBusyTimeoutMs);
}

void CQXSqlDatabase::Close() {
    if (!m_pDb) return;
    const int nResult = sqlite3_close(m_pDb);
    if (nResult != SQLITE_OK) ThrowSqliteError(nResult, m_pDb);
    m_pDb = nullptr;
}

std::u16string CQXSqlDatabase::ErrorText() const { return SqliteErrorText(m_pDb); }

sqlite3_stmt* CQXSqlDatabase::PrepareStatement(std::u16string_view strSql, CQXSqlParams params) {
    if (!m_pDb) throw CQXSqlException(QXSQL_ERROR, u"Database not open");
    const std::u16string strText(strSql);
    sqlite3_stmt* pStmt = nullptr;
    const int nResult = sqlite3_prepare16(m_pDb, strText.c_str(), -1, &pStmt, nullptr);
    if (nResult != SQLITE_OK) ThrowSqliteError(nResult, m_pDb);
    if (!pStmt) return nullptr;
    int nIndex = 0;
    for (std::u16string_view value : params) {
        // A null pointer would bind NULL; an empty value is empty text.
        const char16_t* pData = value.empty() ? u"" : value.data();
        const int nBind = sqlite3_bind_text64(pStmt, ++nIndex, reinterpret_cast<const char*>(pData),
                                              value.size() * sizeof(char16_t), SQLITE_TRANSIENT,
                                              SQLITE_UTF16);
        if (nBind != SQLITE_OK) {
            const std::u16string strError = SqliteErrorText(m_pDb);
            sqlite3_finalize(pStmt);
            throw CQXSqlException(nBind, strError);
        }
    }
    return pStmt;
}

int CQXSqlDatabase::ExecuteStatement(std::u16string_view strSql, CQXSqlParams params) {
    for (int nAttempt = 0;; ++nAttempt) {
        sqlite3_stmt* pStmt = PrepareStatement(strSql, params);
        if (!pStmt) return SQLITE_OK;
        const int nStep = sqlite3_step(pStmt);
        const int nResult = sqlite3_finalize(pStmt);
        if (nResult == SQLITE_SCHEMA && nAttempt < kMaxSchemaRetries) continue;
        // The step only says "error"; finalizing puts the reason into the connection's text.
        if (nStep == SQLITE_ERROR) ThrowSqliteError(SQLITE_ERROR, m_pDb);
        return nResult;
    }
}

CQXSqlQuery CQXSqlDatabase::RunQuery(std::u16string_view strSql, CQXSqlParams params) {
    for (int nAttempt = 0;; ++nAttempt) {
        sqlite3_stmt* pStmt = PrepareStatement(strSql, params);
        if (!pStmt) return CQXSqlQuery(m_pDb, nullptr, true);
        const int nStep = sqlite3_step(pStmt);
        if (nStep == SQLITE_DONE || nStep == SQLITE_ROW) return CQXSqlQuery(m_pDb, pStmt, nStep == SQLITE_DONE);
        const int nResult = sqlite3_finalize(pStmt);
        if (nResult == SQLITE_SCHEMA && nAttempt < kMaxSchemaRetries) continue;
        ThrowSqliteError(nResult != SQLITE_OK ? nResult : nStep, m_pDb);
    }
}

int CQXSqlDatabase::QueryInteger(std::u16string_view strSql, CQXSqlParams params) {
    CQXSqlQuery query = RunQuery(strSql, params);
    if (query.AtEnd() || query.ColumnCount() < 1) throw CQXSqlException(QXSQL_ERROR, u"Invalid scalar query");
    // A NULL value has no digits and reads as 0.
    const char16_t* pszValue = query.ColumnText(0);
    const int nValue = qx::WideToLong(pszValue ? std::u16string_view(pszValue) : std::u16string_view());
    query.Finish();
    return nValue;
}

bool CQXSqlDatabase::HasTable(std::u16string_view strName) {
    return QueryInteger(u"select count(*) from sqlite_master where type='table' and name=?1", {strName}) > 0;
}
