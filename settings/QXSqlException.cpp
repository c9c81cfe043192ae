#include "settings/QXSqlException.h"

#include "platform/base/Strings.h"
#include "settings/SqliteCodeName.h"

CQXSqlException::CQXSqlException(int nCode, std::u16string_view strDetail)
    : m_nCode(nCode), m_strMessage(qx::FormatWide(u"%s[%d]: %s", SqliteCodeName(nCode), nCode, strDetail)) {}
