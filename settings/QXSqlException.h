#pragma once
// The one error type of the database layer: an SQLite result code, or QXSQL_ERROR for faults the
// layer finds itself, with a message formatted once as "NAME[code]: detail".

#include <string>
#include <string_view>

// Errors the layer detects itself, outside SQLite's range of codes.
constexpr int QXSQL_ERROR = 1000;

class CQXSqlException {
public:
    CQXSqlException(int nCode, std::u16string_view strDetail);
    virtual ~CQXSqlException() = default;

    int Code() const { return m_nCode; }
    const std::u16string& Message() const { return m_strMessage; }

private:
    int m_nCode;
    std::u16string m_strMessage;
};
