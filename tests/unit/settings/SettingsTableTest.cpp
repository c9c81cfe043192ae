#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/base/Paths.h"
#include "platform/base/Strings.h"
#include "settings/QXSqlDatabase.h"
#include "settings/QXSqlException.h"
#include "settings/SettingsTable.h"
#include "support/TempFolder.h"

using qx::test::TempFolder;

namespace {

// A program folder of our own with config/data/ and, unless a test removes it, the settings
// database in the shape the program ships it.
class SettingsTableTest : public testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(m_folder.Path() / "config" / "data");
        qx::SetProgramFolderForTesting(m_folder.Folder());
        m_strPath = SettingsDatabasePath();
        CQXSqlDatabase db;
        db.Open(m_strPath);
        db.ExecuteStatement(u"CREATE TABLE tbl_setting (set_key TEXT NOT NULL, set_value TEXT)");
        db.ExecuteStatement(u"INSERT INTO tbl_setting VALUES ('startpage', 'https://start.example/')");
        db.ExecuteStatement(u"INSERT INTO tbl_setting VALUES ('defaultengine', 'baidu')");
        db.Close();
    }
    void TearDown() override { qx::SetProgramFolderForTesting(u""); }

    std::filesystem::path DatabaseFile() const { return m_folder.Path() / "config" / "data" / "config.qxdata"; }

    int RowCount() {
        CQXSqlDatabase db;
        db.Open(m_strPath);
        return db.QueryInteger(u"SELECT count(*) FROM tbl_setting");
    }

    CQXSqlException Raised(const std::function<void()>& action) {
        try {
            action();
        } catch (const CQXSqlException& e) {
            return e;
        }
        ADD_FAILURE() << "no CQXSqlException was raised";
        return CQXSqlException(0, u"");
    }

    TempFolder m_folder;
    std::u16string m_strPath;
};

}  // namespace

TEST(SettingsDatabasePath, FollowsTheProgramFolder) {
    qx::SetProgramFolderForTesting(u"D:\\apps\\browser\\");
    EXPECT_EQ(SettingsDatabasePath(), u"D:\\apps\\browser\\config\\data\\config.qxdata");
    qx::SetProgramFolderForTesting(u"/opt/qx/bin/");
    EXPECT_EQ(SettingsDatabasePath(), u"/opt/qx/bin/config\\data\\config.qxdata");
    qx::SetProgramFolderForTesting(u"");
}

TEST_F(SettingsTableTest, ReadsTheShippedKeys) {
    EXPECT_TRUE(std::filesystem::exists(DatabaseFile()));
    EXPECT_EQ(ReadSetting(m_strPath, u"startpage"), u"https://start.example/");
    EXPECT_EQ(ReadSetting(m_strPath, u"defaultengine"), u"baidu");
}

TEST_F(SettingsTableTest, WrittenValuesReadBackExactly) {
    const std::u16string values[] = {
        u"https://www.example.org/path?q=1&r=2", u"栎木网络 \U0001F600", u"it's", u"''", u"back\\slash \"quoted\"",
        u"x'; DELETE FROM tbl_setting; --", u"", u"tab\tand\nline", std::u16string(100000, u'页'),
    };
    for (const std::u16string& value : values) {
        EXPECT_TRUE(WriteSetting(m_strPath, u"startpage", value));
        EXPECT_EQ(ReadSetting(m_strPath, u"startpage"), value) << qx::WideToUtf8(value.substr(0, 40));
    }
    EXPECT_EQ(ReadSetting(m_strPath, u"defaultengine"), u"baidu");
    EXPECT_EQ(RowCount(), 2);
}

TEST_F(SettingsTableTest, KeyWithoutARowReadsEmptyAndIsStoredOnWrite) {
    EXPECT_EQ(ReadSetting(m_strPath, u"homepage"), u"");
    EXPECT_EQ(ReadSetting(m_strPath, u"startpage' OR '1'='1"), u"");

    EXPECT_TRUE(WriteSetting(m_strPath, u"homepage", u"https://home.example/"));
    EXPECT_EQ(ReadSetting(m_strPath, u"homepage"), u"https://home.example/");
    EXPECT_TRUE(WriteSetting(m_strPath, u"homepage", u"second"));  // now an update, not another row
    EXPECT_EQ(ReadSetting(m_strPath, u"homepage"), u"second");

    EXPECT_TRUE(WriteSetting(m_strPath, u"it's", u"quoted key"));
    EXPECT_EQ(ReadSetting(m_strPath, u"it's"), u"quoted key");
    EXPECT_EQ(ReadSetting(m_strPath, u"startpage"), u"https://start.example/");
    EXPECT_EQ(RowCount(), 4);
}

TEST_F(SettingsTableTest, NullValueReadsEmpty) {
    CQXSqlDatabase db;
    db.Open(m_strPath);
    db.ExecuteStatement(u"UPDATE tbl_setting SET set_value = NULL WHERE set_key = 'startpage'");
    db.Close();
    EXPECT_EQ(ReadSetting(m_strPath, u"startpage"), u"");
}

TEST_F(SettingsTableTest, SeveralRowsForAKeyReadTheGreatestValue) {
    CQXSqlDatabase db;
    db.Open(m_strPath);
    db.ExecuteStatement(u"INSERT INTO tbl_setting VALUES ('defaultengine', 'google'), ('defaultengine', 'ask')");
    db.Close();
    EXPECT_EQ(ReadSetting(m_strPath, u"defaultengine"), u"google");
}

TEST_F(SettingsTableTest, MissingFileRaisesMissingTable) {
    std::filesystem::remove(DatabaseFile());
    for (const auto& action : {std::function<void()>([&] { ReadSetting(m_strPath, u"startpage"); }),
                               std::function<void()>([&] { WriteSetting(m_strPath, u"startpage", u"x"); })}) {
        const CQXSqlException e = Raised(action);
        EXPECT_EQ(e.Code(), 1);
        EXPECT_EQ(e.Message(), u"SQLITE_ERROR[1]: no such table: tbl_setting");
    }
}

TEST_F(SettingsTableTest, MissingFolderRaisesCantOpen) {
    std::filesystem::remove_all(m_folder.Path() / "config");
    const CQXSqlException e = Raised([&] { ReadSetting(m_strPath, u"startpage"); });
    EXPECT_EQ(e.Code(), 14);
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path() / "config"));
}

TEST_F(SettingsTableTest, CorruptFileRaisesAndIsLeftAlone) {
    {
        std::ofstream out(DatabaseFile(), std::ios::binary | std::ios::trunc);
        for (int i = 0; i < 4096; ++i) out.put(static_cast<char>((i * 7919 + 13) & 0xFF));
    }
    for (const auto& action : {std::function<void()>([&] { ReadSetting(m_strPath, u"startpage"); }),
                               std::function<void()>([&] { WriteSetting(m_strPath, u"startpage", u"x"); })}) {
        const CQXSqlException e = Raised(action);
        EXPECT_EQ(e.Code(), 26);
        EXPECT_EQ(e.Message(), u"UNKNOWN_ERROR[26]: file is not a database");
    }
    EXPECT_EQ(std::filesystem::file_size(DatabaseFile()), 4096u);
}

TEST_F(SettingsTableTest, LockedFileRaisesBusyInsteadOfLosingTheValue) {
    CQXSqlDatabase holder(50);
    holder.Open(m_strPath);
    ASSERT_EQ(holder.ExecuteStatement(u"BEGIN IMMEDIATE"), 0);  // another writer holds the file

    EXPECT_EQ(ReadSetting(m_strPath, u"startpage", 50), u"https://start.example/");
    const CQXSqlException busy = Raised([&] { WriteSetting(m_strPath, u"startpage", u"lost?", 50); });
    EXPECT_EQ(busy.Code(), 5);
    EXPECT_EQ(busy.Message(), u"SQLITE_BUSY[5]: database is locked");

    ASSERT_EQ(holder.ExecuteStatement(u"COMMIT"), 0);
    ASSERT_EQ(holder.ExecuteStatement(u"BEGIN EXCLUSIVE"), 0);  // now not even readers get in
    EXPECT_EQ(Raised([&] { ReadSetting(m_strPath, u"startpage", 50); }).Code(), 5);
    ASSERT_EQ(holder.ExecuteStatement(u"COMMIT"), 0);
    holder.Close();

    EXPECT_EQ(ReadSetting(m_strPath, u"startpage"), u"https://start.example/");
    EXPECT_TRUE(WriteSetting(m_strPath, u"startpage", u"stored", 50));
    EXPECT_EQ(ReadSetting(m_strPath, u"startpage"), u"stored");
}

TEST(ShippedSettingsDatabase, ProgramFolderHoldsBothKeys) {
    qx::SetProgramFolderForTesting(qx::Utf8ToWide(QX_PROGRAM_DIR));
    const std::u16string strPath = SettingsDatabasePath();
    qx::SetProgramFolderForTesting(u"");
    ASSERT_TRUE(std::filesystem::exists(qx::ToFileSystemPath(strPath))) << qx::ToFileSystemPath(strPath);

    EXPECT_EQ(ReadSetting(strPath, u"startpage"), u"https://www.baidu.com/");
    EXPECT_EQ(ReadSetting(strPath, u"defaultengine"), u"baidu");
    CQXSqlDatabase db;
    db.Open(strPath);
    EXPECT_EQ(db.QueryInteger(u"SELECT count(*) FROM tbl_setting"), 2);
    EXPECT_EQ(db.QueryInteger(u"SELECT count(DISTINCT set_key) FROM tbl_setting"), 2);
}
