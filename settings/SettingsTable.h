#pragma once
// The user's settings: key/value rows of table tbl_setting in the database file that ships in the
// program folder. Each call opens the file, runs its statements and closes it; nothing is cached.
// Failures raise CQXSqlException.

#include <string>
#include <string_view>

#include "settings/QXSqlDatabase.h"

// The full path of the settings database: the program folder and "config\data\config.qxdata".
std::u16string SettingsDatabasePath();

// The value stored for the key, or the empty text when the key has no row or holds NULL.
std::u16string ReadSetting(std::u16string_view strPath, std::u16string_view strKey,
                           int nBusyTimeoutMs = CQXSqlDatabase::kDefaultBusyTimeoutMs);

// Stores the value for the key, adding the row when the key has none. Returns true; a value that
// could not be stored (the file locked past the busy time-out, for instance) raises instead.
bool WriteSetting(std::u16string_view strPath, std::u16string_view strKey, std::u16string_view strValue,
                  int nBusyTimeoutMs = CQXSqlDatabase::kDefaultBusyTimeoutMs);
