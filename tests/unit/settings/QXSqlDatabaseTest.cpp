#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <random>

#include "platform/base/Strings.h"
#include "settings/QXSqlDatabase.h"
#include "settings/QXSqlException.h"
#include "support/TempFolder.h"

using qx::test::TempFolder;

namespace {

// Runs the action and returns the exception it raises; fails the test when it raises none.
CQXSqlException Raised(const std::function<void()>& action) {
    try {
        action();
    } catch (const CQXSqlException& e) {
        return e;
    }
    ADD_FAILURE() << "no CQXSqlException was raised";
    return CQXSqlException(0, u"");
}

std::u16string Text(const char16_t* psz) { return psz ? psz : u"(null)"; }

class CQXSqlDatabaseTest : public testing::Test {
protected:
    void SetUp() override {
        m_db.Open(m_strFile);
        ASSERT_EQ(m_db.ExecuteStatement(u"CREATE TABLE emp (id INTEGER, name TEXT)"), 0);
        ASSERT_EQ(m_db.ExecuteStatement(u"INSERT INTO emp VALUES (1, 'one'), (2, NULL), (3, '三')"), 0);
    }

    TempFolder m_folder;
    std::u16string m_strFile = m_folder.File("test.db");
    CQXSqlDatabase m_db{50};  // short busy time-out: the lock tests wait on it
};

}  // namespace

TEST_F(CQXSqlDatabaseTest, QueryWalksTheRowsInOrder) {
    CQXSqlQuery query = m_db.RunQuery(u"SELECT id, name FROM emp ORDER BY id");
    EXPECT_EQ(query.ColumnCount(), 2);
    std::u16string strSeen;
    for (; !query.AtEnd(); query.Next()) strSeen += Text(query.ColumnText(0)) + u"=" + Text(query.ColumnText(1)) + u";";
    EXPECT_EQ(strSeen, u"1=one;2=(null);3=三;");
    query.Next();  // past the end it stays at the end instead of starting over
    EXPECT_TRUE(query.AtEnd());
    query.Finish();
}

TEST_F(CQXSqlDatabaseTest, QueryWithoutRowsIsAtEndAndKeepsItsColumns) {
    CQXSqlQuery query = m_db.RunQuery(u"SELECT id, name FROM emp WHERE id > 10");
    EXPECT_TRUE(query.AtEnd());
    EXPECT_EQ(query.ColumnCount(), 2);
}

TEST_F(CQXSqlDatabaseTest, StatementsReportTheirFinalCode) {
    EXPECT_EQ(m_db.ExecuteStatement(u"UPDATE emp SET name = 'x' WHERE id = 99"), 0);  // no row matches
    EXPECT_EQ(m_db.ExecuteStatement(u"   -- only a comment"), 0);
    // Only the first statement of a text runs.
    EXPECT_EQ(m_db.ExecuteStatement(u"DELETE FROM emp WHERE id = 1; DELETE FROM emp"), 0);
    EXPECT_EQ(m_db.QueryInteger(u"SELECT count(*) FROM emp"), 2);
}

TEST_F(CQXSqlDatabaseTest, QueryIntegerReadsLikeTheCLibrary) {
    struct Case { std::u16string_view sql; int nExpected; };
    const Case cases[] = {
        {u"SELECT 42", 42}, {u"SELECT ' -7 apples'", -7}, {u"SELECT 'none'", 0}, {u"SELECT NULL", 0},
        {u"SELECT id FROM emp ORDER BY id DESC", 3},
    };
    for (const Case& c : cases) EXPECT_EQ(m_db.QueryInteger(c.sql), c.nExpected) << qx::WideToUtf8(c.sql);
}

TEST_F(CQXSqlDatabaseTest, HasTableTakesAnyNameAsData) {
    EXPECT_TRUE(m_db.HasTable(u"emp"));
    EXPECT_FALSE(m_db.HasTable(u"nothing"));
    EXPECT_FALSE(m_db.HasTable(u"x' or '1'='1"));
    EXPECT_FALSE(m_db.HasTable(u"emp'"));

    CQXSqlDatabase empty;
    empty.Open(m_folder.File("empty.db"));
    EXPECT_FALSE(empty.HasTable(u"emp"));
}

TEST_F(CQXSqlDatabaseTest, ParametersAreStoredExactly) {
    const std::u16string values[] = {
        u"it's", u"'); DROP TABLE emp; --", u"back\\slash \"double\"", u"", u"栎木 \U0001F600",
        std::u16string(70000, u'长'),
    };
    for (const std::u16string& value : values) {
        ASSERT_EQ(m_db.ExecuteStatement(u"INSERT INTO emp VALUES (?1, ?2)", {u"10", value}), 0);
        CQXSqlQuery query = m_db.RunQuery(u"SELECT name FROM emp WHERE id = 10 AND name = ?1", {value});
        ASSERT_FALSE(query.AtEnd()) << qx::WideToUtf8(value.substr(0, 40));
        EXPECT_EQ(Text(query.ColumnText(0)), value);
        query.Finish();
        ASSERT_EQ(m_db.ExecuteStatement(u"DELETE FROM emp WHERE id = 10"), 0);
    }
    EXPECT_TRUE(m_db.HasTable(u"emp"));
}

TEST_F(CQXSqlDatabaseTest, LayerErrorsCarryTheirOwnCode) {
    CQXSqlDatabase closed;
    CQXSqlQuery finished = m_db.RunQuery(u"SELECT id, name FROM emp");
    finished.Finish();
    CQXSqlQuery live = m_db.RunQuery(u"SELECT id, name FROM emp");

    struct Case { const char* what; std::function<void()> action; std::u16string_view message; };
    const Case cases[] = {
        {"statement on closed", [&] { closed.ExecuteStatement(u"SELECT 1"); }, u"QXSQL_ERROR[1000]: Database not open"},
        {"query on closed", [&] { closed.RunQuery(u"SELECT 1"); }, u"QXSQL_ERROR[1000]: Database not open"},
        {"table on closed", [&] { closed.HasTable(u"emp"); }, u"QXSQL_ERROR[1000]: Database not open"},
        {"AtEnd finished", [&] { finished.AtEnd(); }, u"QXSQL_ERROR[1000]: Null Virtual Machine pointer"},
        {"ColumnCount finished", [&] { finished.ColumnCount(); }, u"QXSQL_ERROR[1000]: Null Virtual Machine pointer"},
        {"ColumnText finished", [&] { finished.ColumnText(0); }, u"QXSQL_ERROR[1000]: Null Virtual Machine pointer"},
        {"Next finished", [&] { finished.Next(); }, u"QXSQL_ERROR[1000]: Null Virtual Machine pointer"},
        {"scalar of no statement", [&] { m_db.QueryInteger(u"-- nothing"); }, u"QXSQL_ERROR[1000]: Null Virtual Machine pointer"},
        {"index -1", [&] { live.ColumnText(-1); }, u"QXSQL_ERROR[1000]: Invalid field index requested"},
        {"index = count", [&] { live.ColumnText(2); }, u"QXSQL_ERROR[1000]: Invalid field index requested"},
        {"scalar without rows", [&] { m_db.QueryInteger(u"SELECT id FROM emp WHERE 0"); }, u"QXSQL_ERROR[1000]: Invalid scalar query"},
        {"scalar of a statement", [&] { m_db.QueryInteger(u"CREATE TABLE t2 (a)"); }, u"QXSQL_ERROR[1000]: Invalid scalar query"},
    };
    for (const Case& c : cases) {
        const CQXSqlException e = Raised(c.action);
        EXPECT_EQ(e.Code(), QXSQL_ERROR) << c.what;
        EXPECT_EQ(e.Message(), c.message) << c.what;
    }
    EXPECT_NO_THROW(finished.Finish());  // finishing twice is harmless
}

TEST_F(CQXSqlDatabaseTest, SqliteErrorsCarrySqliteCodeAndText) {
    struct Case { std::function<void()> action; int nCode; std::u16string_view message; };
    const Case cases[] = {
        {[&] { m_db.RunQuery(u"SELECT * FROM missing"); }, 1, u"SQLITE_ERROR[1]: no such table: missing"},
        {[&] { m_db.ExecuteStatement(u"UPDATE missing SET a = 1"); }, 1, u"SQLITE_ERROR[1]: no such table: missing"},
        {[&] { m_db.ExecuteStatement(u"SELEKT 1"); }, 1, u"SQLITE_ERROR[1]: near \"SELEKT\": syntax error"},
        // A failure while running names its reason, not only "error".
        {[&] { m_db.ExecuteStatement(u"CREATE TABLE emp (a)"); }, 1, u"SQLITE_ERROR[1]: table emp already exists"},
        {[&] { m_db.ExecuteStatement(u"UPDATE emp SET name = ?1", {u"a", u"b"}); }, 25,
         u"SQLITE_RANGE[25]: column index out of range"},
    };
    for (const Case& c : cases) {
        const CQXSqlException e = Raised(c.action);
        EXPECT_EQ(e.Code(), c.nCode) << qx::WideToUtf8(c.message);
        EXPECT_EQ(e.Message(), c.message);
    }
}

TEST_F(CQXSqlDatabaseTest, ConstraintFailureGivesItsReason) {
    ASSERT_EQ(m_db.ExecuteStatement(u"CREATE UNIQUE INDEX emp_id ON emp (id)"), 0);
    const CQXSqlException e = Raised([&] { m_db.ExecuteStatement(u"INSERT INTO emp VALUES (1, 'again')"); });
    EXPECT_EQ(e.Code(), 1);
    EXPECT_EQ(e.Message(), u"SQLITE_ERROR[1]: UNIQUE constraint failed: emp.id");
}

TEST_F(CQXSqlDatabaseTest, OpenFailsInAMissingFolder) {
    CQXSqlDatabase db;
    const CQXSqlException e = Raised([&] { db.Open(m_folder.File("no/such/folder/x.db")); });
    EXPECT_EQ(e.Code(), 14);
    EXPECT_EQ(e.Message(), u"SQLITE_CANTOPEN[14]: unable to open database file");
    EXPECT_FALSE(db.IsOpen());
}

TEST_F(CQXSqlDatabaseTest, OpenTurnsBackslashesIntoFolders) {
    std::filesystem::create_directories(m_folder.Path() / "config" / "data");
    CQXSqlDatabase db;
    db.Open(m_folder.Folder() + u"config\\data\\x.db");
    EXPECT_EQ(db.ExecuteStatement(u"CREATE TABLE t (a)"), 0);
    db.Close();
    EXPECT_TRUE(std::filesystem::exists(m_folder.Path() / "config" / "data" / "x.db"));
}

TEST_F(CQXSqlDatabaseTest, CorruptFileRaisesAClearError) {
    const std::filesystem::path file = m_folder.Path() / "corrupt.db";
    {
        std::mt19937 random(1234);
        std::ofstream out(file, std::ios::binary);
        for (int i = 0; i < 8192; ++i) out.put(static_cast<char>(random() & 0xFF));
    }
    CQXSqlDatabase db;
    db.Open(qx::Utf8ToWide(file.string()));  // SQLite reads the file only when a statement needs it
    const CQXSqlException e = Raised([&] { db.RunQuery(u"SELECT * FROM emp"); });
    EXPECT_EQ(e.Code(), 26);
    EXPECT_EQ(e.Message(), u"UNKNOWN_ERROR[26]: file is not a database");
}

TEST_F(CQXSqlDatabaseTest, LockedDatabaseAnswersBusyAfterTheTimeOut) {
    CQXSqlDatabase other(50);
    other.Open(m_strFile);

    ASSERT_EQ(m_db.ExecuteStatement(u"BEGIN IMMEDIATE"), 0);  // readers may go on, writers must wait
    EXPECT_EQ(other.ExecuteStatement(u"INSERT INTO emp VALUES (4, 'four')"), 5);
    EXPECT_EQ(other.ErrorText(), u"database is locked");
    EXPECT_EQ(other.QueryInteger(u"SELECT count(*) FROM emp"), 3);

    ASSERT_EQ(m_db.ExecuteStatement(u"INSERT INTO emp VALUES (5, 'five')"), 0);  // the lock holder writes
    // While the holder commits it needs everyone out: a reader then waits and gives up.
    {
        CQXSqlQuery reading = other.RunQuery(u"SELECT id FROM emp");
        EXPECT_EQ(m_db.ExecuteStatement(u"COMMIT"), 5);
    }
    EXPECT_EQ(m_db.ExecuteStatement(u"COMMIT"), 0);
    EXPECT_EQ(other.ExecuteStatement(u"INSERT INTO emp VALUES (4, 'four')"), 0);
    EXPECT_EQ(m_db.QueryInteger(u"SELECT count(*) FROM emp"), 5);
}

TEST_F(CQXSqlDatabaseTest, CloseWithAStatementHeldRaisesAndKeepsTheConnection) {
    CQXSqlQuery query = m_db.RunQuery(u"SELECT id FROM emp");
    const CQXSqlException e = Raised([&] { m_db.Close(); });
    EXPECT_EQ(e.Code(), 5);
    EXPECT_TRUE(m_db.IsOpen());
    query.Finish();
    m_db.Close();
    EXPECT_FALSE(m_db.IsOpen());
}

TEST_F(CQXSqlDatabaseTest, DestructorNeverRaisesEvenWhenCloseFails) {
    auto db = std::make_unique<CQXSqlDatabase>();
    db->Open(m_strFile);
    CQXSqlQuery query = db->RunQuery(u"SELECT id FROM emp");
    EXPECT_NO_THROW(db.reset());  // the statement is still held, so a plain close fails
    EXPECT_FALSE(query.AtEnd());
    query.Finish();  // the connection goes with its last statement; the leak checker sees no leak
}

TEST_F(CQXSqlDatabaseTest, MovedQueryOwnsTheStatement) {
    CQXSqlQuery first = m_db.RunQuery(u"SELECT id FROM emp ORDER BY id");
    CQXSqlQuery second = std::move(first);
    EXPECT_EQ(Text(second.ColumnText(0)), u"1");
    EXPECT_THROW(first.AtEnd(), CQXSqlException);  // NOLINT(bugprone-use-after-move)
    second = m_db.RunQuery(u"SELECT id FROM emp ORDER BY id DESC");
    EXPECT_EQ(Text(second.ColumnText(0)), u"3");
    second.Finish();
    m_db.Close();  // every statement was released
}
