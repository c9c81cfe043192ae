#include "settings/SettingsTable.h"

#include "platform/base/Paths.h"
#include "settings/QXSqlException.h"

namespace {

// The key and value are bound as parameters, so any text, quotes included, is stored as given.
constexpr std::u16string_view kSelectValue = u"SELECT set_value FROM tbl_setting  WHERE set_key=?1 order by 1;";
constexpr std::u16string_view kUpdateValue = u"UPDATE tbl_setting \tSET set_value=?1 WHERE set_key=?2 ;";
// One statement, so a second writer cannot slip in between the check and the insert.
constexpr std::u16string_view kInsertMissing =
    u"INSERT INTO tbl_setting (set_key, set_value) SELECT ?2, ?1 "
    u"WHERE NOT EXISTS (SELECT 1 FROM tbl_setting WHERE set_key=?2);";

// A statement that ended without storing anything (the file stayed locked) must not pass for success.
void ExecuteOrRaise(CQXSqlDatabase& db, std::u16string_view strSql, CQXSqlParams params) {
    const int nResult = db.ExecuteStatement(strSql, params);
    if (nResult != 0) throw CQXSqlException(nResult, db.ErrorText());
}

}  // namespace

std::u16string SettingsDatabasePath() { return qx::GetProgramFolder() + u"config\\data\\config.qxdata"; }

std::u16string ReadSetting(std::u16string_view strPath, std::u16string_view strKey, int nBusyTimeoutMs) {
    CQXSqlDatabase db(nBusyTimeoutMs);
    db.Open(strPath);
    CQXSqlQuery query = db.RunQuery(kSelectValue, {strKey});
    // With several rows for the key, the last in order (the greatest value) wins.
    std::u16string strValue;
    while (!query.AtEnd()) {
        const char16_t* pszValue = query.ColumnText(0);
        strValue = pszValue ? pszValue : u"";
        query.Next();
    }
    query.Finish();
    db.Close();
    return strValue;
}

bool WriteSetting(std::u16string_view strPath, std::u16string_view strKey, std::u16string_view strValue,
                  int nBusyTimeoutMs) {
    CQXSqlDatabase db(nBusyTimeoutMs);
    db.Open(strPath);
    ExecuteOrRaise(db, kUpdateValue, {strValue, strKey});
    ExecuteOrRaise(db, kInsertMissing, {strValue, strKey});
    db.Close();
    return true;
}
