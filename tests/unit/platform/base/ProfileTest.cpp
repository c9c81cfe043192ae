#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <vector>

#include "platform/base/Profile.h"
#include "platform/base/Strings.h"

namespace fs = std::filesystem;
using namespace std::string_literals;
using qx::Utf8ToWide;

namespace {

std::string Utf16Le(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

// Runs f as an unprivileged user (in a child process when we are root, since root ignores file
// permissions) and returns what f returned.
bool AsUnprivileged(const std::function<bool()>& f) {
    if (::geteuid() != 0) return f();
    const pid_t pid = ::fork();
    if (pid == 0) {
        const bool dropped = ::setgid(65534) == 0 && ::setuid(65534) == 0;
        ::_exit(dropped && f() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qx-profile-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
        ::chmod(m_dir.c_str(), 0755);  // reachable by the unprivileged user of AsUnprivileged
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dir, ec);
    }

    std::string Path(const std::string& name) const { return m_dir + "/" + name; }
    std::u16string WidePath(const std::string& name) const { return Utf8ToWide(Path(name)); }

    void WriteBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }
    std::string ReadBytes(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // The value as the program reads it: a buffer of 260 characters, an empty default.
    std::u16string Get(const std::u16string& file, const char16_t* section, const char16_t* key,
                       const char16_t* def = u"") const {
        WCHAR buffer[260];
        const DWORD n = GetPrivateProfileStringW(section, key, def, buffer, 260, file.c_str());
        EXPECT_EQ(n, std::char_traits<char16_t>::length(buffer));
        return buffer;
    }
    std::u16string Get(const std::string& name, const char16_t* section, const char16_t* key,
                       const char16_t* def = u"") const {
        return Get(WidePath(name), section, key, def);
    }
    BOOL Set(const std::string& name, const char16_t* section, const char16_t* key, const char16_t* value) const {
        return WritePrivateProfileStringW(section, key, value, WidePath(name).c_str());
    }
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string m_dir;
};

// --- Reading -----------------------------------------------------------------------------------

TEST_F(ProfileTest, ReadsEveryEncodingAndLineBreak) {
    const std::u16string text = u"; skin choice\r\n[skin]\r\npath=skin\\栎木\\\r\n[COLOR]\r\nBG_COLOR=FF00FF\r\n";
    auto withBreaks = [&](std::u16string_view lineBreak) {
        std::u16string out;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r') continue;
            if (text[i] == u'\n') out += lineBreak;
            else out.push_back(text[i]);
        }
        return out;
    };
    struct Case { const char* name; std::string bytes; };
    const Case cases[] = {
        {"utf8 crlf", qx::WideToUtf8(text)},
        {"utf8 lf", qx::WideToUtf8(withBreaks(u"\n"))},
        {"utf8 cr", qx::WideToUtf8(withBreaks(u"\r"))},
        {"utf8 bom crlf", "\xEF\xBB\xBF" + qx::WideToUtf8(text)},
        {"utf8 bom lf", "\xEF\xBB\xBF" + qx::WideToUtf8(withBreaks(u"\n"))},
        {"utf16le crlf", Utf16Le(text)},
        {"utf16le lf", Utf16Le(withBreaks(u"\n"))},
    };
    for (const Case& c : cases) {
        WriteBytes("config.ini", c.bytes);
        EXPECT_EQ(Get("config.ini", u"skin", u"path"), u"skin\\栎木\\") << c.name;
        EXPECT_EQ(Get("config.ini", u"COLOR", u"BG_COLOR"), u"FF00FF") << c.name;
    }
}

TEST_F(ProfileTest, MatchesNamesWithoutCaseOrBlanks) {
    WriteBytes("a.ini",
               "  [ Skin ]  \n"
               "\tPATH  =  skin\\Blue\\  \n"
               "[ÉTÉ]\n"
               "Ключ=cyrillic\n"
               "quoted = \"  spaced  \"\n"
               "single='x'\n"
               "half=\"open\n"
               "empty=\n");
    struct Case { const char16_t* section; const char16_t* key; std::u16string expected; };
    const Case cases[] = {
        {u"skin", u"path", u"skin\\Blue\\"},
        {u"SKIN", u"Path", u"skin\\Blue\\"},
        {u" skin ", u" path\t", u"skin\\Blue\\"},
        {u"été", u"ключ", u"cyrillic"},
        {u"ÉTÉ", u"quoted", u"  spaced  "},
        {u"été", u"single", u"x"},
        {u"été", u"half", u"\"open"},
        {u"été", u"empty", u""},
    };
    for (const Case& c : cases) EXPECT_EQ(Get("a.ini", c.section, c.key, u"default"), c.expected) << qx::WideToUtf8(c.key);
}

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault) {
    WriteBytes("a.ini", "top=level\n[skin]\npath=x\n; path=commented\n[other]\nkey=y\n");
    EXPECT_EQ(Get("missing.ini", u"skin", u"path", u"dflt"), u"dflt");
    EXPECT_EQ(Get("a.ini", u"nosection", u"path", u"dflt"), u"dflt");
    EXPECT_EQ(Get("a.ini", u"skin", u"nokey", u"dflt"), u"dflt");
    EXPECT_EQ(Get("a.ini", u"other", u"path", u"dflt"), u"dflt");       // keys belong to their own section
    EXPECT_EQ(Get("a.ini", u"skin", u"top", u"dflt"), u"dflt");         // lines before any section belong to none
    EXPECT_EQ(Get("a.ini", u"skin", u"; path", u"dflt"), u"dflt");      // comments are no entries
    EXPECT_EQ(Get(u"", u"skin", u"path", u"dflt"), u"dflt");

    WCHAR buffer[8] = u"garbage";
    EXPECT_EQ(GetPrivateProfileStringW(u"skin", u"nokey", nullptr, buffer, 8, WidePath("a.ini").c_str()), 0u);
    EXPECT_EQ(buffer[0], u'\0');
    EXPECT_EQ(GetPrivateProfileStringW(nullptr, u"path", u"d", buffer, 8, WidePath("a.ini").c_str()), 1u);
    EXPECT_EQ(GetPrivateProfileStringW(u"skin", u"path", u"d", nullptr, 8, WidePath("a.ini").c_str()), 0u);
    EXPECT_EQ(GetPrivateProfileStringW(u"skin", u"path", u"d", buffer, 0, WidePath("a.ini").c_str()), 0u);
}

TEST_F(ProfileTest, FirstSectionAndFirstKeyWin) {
    WriteBytes("a.ini", "[skin]\nother=1\npath=first\npath=second\n[skin]\npath=third\nlate=4\n");
    EXPECT_EQ(Get("a.ini", u"skin", u"path"), u"first");
    EXPECT_EQ(Get("a.ini", u"skin", u"late"), u"4");  // a repeated section still adds its keys
}

TEST_F(ProfileTest, AcceptsBackslashPaths) {
    fs::create_directory(Path("sub"));
    WriteBytes("sub/config.ini", "[skin]\npath=x\n");
    std::u16string path = WidePath("sub/config.ini");
    path[path.rfind(u'/')] = u'\\';
    EXPECT_EQ(Get(path, u"skin", u"path"), u"x");
}

TEST_F(ProfileTest, CutsValuesToTheBuffer) {
    const std::string longValue(300, 'v');
    WriteBytes("a.ini", "[s]\nlong=" + longValue + "\nemoji=" + std::string(258, 'a') + "\xF0\x9F\x98\x80\n");
    EXPECT_EQ(Get("a.ini", u"s", u"long"), std::u16string(259, u'v'));

    WCHAR small[5];
    EXPECT_EQ(GetPrivateProfileStringW(u"s", u"long", u"", small, 5, WidePath("a.ini").c_str()), 4u);
    EXPECT_EQ(std::u16string(small), u"vvvv");
    EXPECT_EQ(GetPrivateProfileStringW(u"s", u"none", u"default", small, 5, WidePath("a.ini").c_str()), 4u);
    EXPECT_EQ(std::u16string(small), u"defa");

    // 258 letters and a character outside the basic plane: half a pair is never returned.
    EXPECT_EQ(Get("a.ini", u"s", u"emoji"), std::u16string(258, u'a'));
}

TEST_F(ProfileTest, BadInputReadsAsDefault) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) junk.push_back(static_cast<char>((i * 7919 + 13) % 256));
    const std::string megabyteLine(1 << 20, 'x');
    struct Case { const char* name; std::string bytes; const char16_t* key; std::u16string expected; };
    const Case cases[] = {
        {"binary junk", junk, u"path", u"d"},
        {"junk before a good section", junk + "\n[skin]\npath=ok\n", u"path", u"ok"},
        {"NUL inside the value", "[skin]\npath=a\0b\n"s, u"path", u"d"},
        {"NUL inside the key", "[skin]\npa\0th=a\n"s, u"path", u"d"},
        {"invalid UTF-8 value", "[skin]\npath=\xC3\x28\n", u"path", u"d"},
        {"invalid UTF-8 elsewhere", "[skin]\nother=\xFF\xFE\xFD\npath=ok\n", u"path", u"ok"},
        {"invalid UTF-8 section", "[sk\xFFin]\npath=x\n[skin]\npath=ok\n", u"path", u"ok"},
        {"overlong encoding", "[skin]\npath=\xC0\xAF\n", u"path", u"d"},
        {"a line of a megabyte", "[skin]\n" + megabyteLine + "\npath=ok\n", u"path", u"ok"},
        {"a value of a megabyte", "[skin]\npath=" + megabyteLine + "\n", u"path", std::u16string(259, u'x')},
        {"half a UTF-16 unit", "\xFF\xFE[\0s\0k\0i\0n\0]\0\n\0p\0=\0x"s, u"p", u""},
        {"lone surrogate in UTF-16", Utf16Le(u"[skin]\npath=a") + "\x00\xD8"s + Utf16Le(u"\n").substr(2), u"path", u"d"},
        {"only a byte-order mark", "\xFF\xFE", u"path", u"d"},
        {"unterminated section", "[skin\npath=ok\n", u"path", u"ok"},
    };
    for (const Case& c : cases) {
        WriteBytes("bad.ini", c.bytes);
        EXPECT_EQ(Get("bad.ini", u"skin", c.key, u"d"), c.expected) << c.name;
    }
}

TEST_F(ProfileTest, FilesThatAreNotReadableTextGiveTheDefault) {
    fs::create_directory(Path("folder.ini"));
    EXPECT_EQ(Get("folder.ini", u"skin", u"path", u"d"), u"d");

    ASSERT_EQ(::mkfifo(Path("pipe.ini").c_str(), 0644), 0);
    EXPECT_EQ(Get("pipe.ini", u"skin", u"path", u"d"), u"d");  // returns at once, no writer needed

    WriteBytes("huge.ini", "[skin]\npath=x\n");
    ::truncate(Path("huge.ini").c_str(), 64 << 20);
    EXPECT_EQ(Get("huge.ini", u"skin", u"path", u"d"), u"d");

    WriteBytes("secret.ini", "[skin]\npath=x\n");
    ::chmod(Path("secret.ini").c_str(), 0600);
    WriteBytes("public.ini", "[skin]\npath=x\n");
    ::chmod(Path("public.ini").c_str(), 0644);
    const std::u16string secret = WidePath("secret.ini");
    const std::u16string open = WidePath("public.ini");
    EXPECT_TRUE(AsUnprivileged([&] {
        WCHAR secretValue[260];
        WCHAR publicValue[260];
        GetPrivateProfileStringW(u"skin", u"path", u"d", secretValue, 260, secret.c_str());
        GetPrivateProfileStringW(u"skin", u"path", u"d", publicValue, 260, open.c_str());
        return std::u16string(secretValue) == u"d" && std::u16string(publicValue) == u"x";
    }));
}

// --- Writing -----------------------------------------------------------------------------------

TEST_F(ProfileTest, WriteChangesOnlyTheOneEntry) {
    struct Case {
        const char* name;
        std::string before;
        const char16_t* section;
        const char16_t* key;
        const char16_t* value;
        std::string after;
    };
    const std::string crlf =
        "; config of the browser\r\n"
        "\r\n"
        "[Other]\r\n"
        "  path = not this one\r\n"
        "[ SKIN ]\t\r\n"
        "  Path =  skin\\Blue\\   \r\n"
        "other=1\r\n"
        "; a comment before the next section\r\n"
        "[COLOR]\r\n"
        "BG_COLOR=FF00FF";
    const Case cases[] = {
        {"replace, CRLF, comments, odd spacing", crlf, u"skin", u"path", u"skin\\Default\\",
         "; config of the browser\r\n\r\n[Other]\r\n  path = not this one\r\n[ SKIN ]\t\r\n"
         "  Path =  skin\\Default\\\r\nother=1\r\n; a comment before the next section\r\n[COLOR]\r\nBG_COLOR=FF00FF"},
        {"add a key after the section's last entry", crlf, u"skin", u"new", u"v",
         "; config of the browser\r\n\r\n[Other]\r\n  path = not this one\r\n[ SKIN ]\t\r\n"
         "  Path =  skin\\Blue\\   \r\nother=1\r\nnew=v\r\n; a comment before the next section\r\n[COLOR]\r\nBG_COLOR=FF00FF"},
        {"add a key to the last section without final line break", crlf, u"color", u"X", u"1",
         "; config of the browser\r\n\r\n[Other]\r\n  path = not this one\r\n[ SKIN ]\t\r\n"
         "  Path =  skin\\Blue\\   \r\nother=1\r\n; a comment before the next section\r\n[COLOR]\r\nBG_COLOR=FF00FF\r\nX=1"},
        {"add a section at the end", crlf, u"new", u"k", u"v", crlf + "\r\n[new]\r\nk=v\r\n"},
        {"replace an empty value", "[skin]\npath=\n", u"skin", u"path", u"a", "[skin]\npath=a\n"},
        {"empty section gets the key under its header", "[skin]\n\n[x]\n", u"skin", u"path", u"a",
         "[skin]\npath=a\n\n[x]\n"},
        {"UTF-8 byte-order mark and LF kept", "\xEF\xBB\xBF[skin]\npath=old\n", u"skin", u"path", u"栎",
         "\xEF\xBB\xBF[skin]\npath=\xE6\xA0\x8E\n"},
        {"key found in a repeated section", "[skin]\na=1\n[x]\n[skin]\npath=old\n", u"skin", u"path", u"new",
         "[skin]\na=1\n[x]\n[skin]\npath=new\n"},
        {"remove a key", "[skin]\r\na=1\r\npath=old\r\nb=2\r\n", u"skin", u"path", nullptr, "[skin]\r\na=1\r\nb=2\r\n"},
        {"remove a section", "[a]\nx=1\n[skin]\npath=old\n; c\n[b]\ny=2\n", u"skin", nullptr, nullptr,
         "[a]\nx=1\n[b]\ny=2\n"},
        {"remove a missing key", "[skin]\npath=old", u"skin", u"nokey", nullptr, "[skin]\npath=old"},
        {"unreadable lines kept", "junk \xFF\xFE\xFD\n[skin]\npath=old\n", u"skin", u"path", u"new",
         "junk \xFF\xFE\xFD\n[skin]\npath=new\n"},
        {"empty file", "", u"skin", u"path", u"v", "[skin]\npath=v\n"},
    };
    for (const Case& c : cases) {
        WriteBytes("config.ini", c.before);
        EXPECT_EQ(Set("config.ini", c.section, c.key, c.value), TRUE) << c.name;
        EXPECT_EQ(ReadBytes("config.ini"), c.after) << c.name;
    }
}

TEST_F(ProfileTest, WriteKeepsUtf16LittleEndian) {
    const std::u16string before = u"; 皮肤\r\n[skin]\r\npath=skin\\Blue\\\r\n[COLOR]\r\nBG_COLOR=FF00FF\r\n";
    const std::u16string after = u"; 皮肤\r\n[skin]\r\npath=skin\\栎木\\\r\n[COLOR]\r\nBG_COLOR=FF00FF\r\nNEW=1\r\n";
    WriteBytes("config.ini", Utf16Le(before));
    EXPECT_EQ(Set("config.ini", u"skin", u"path", u"skin\\栎木\\"), TRUE);
    EXPECT_EQ(Set("config.ini", u"COLOR", u"NEW", u"1"), TRUE);
    EXPECT_EQ(ReadBytes("config.ini"), Utf16Le(after));
    EXPECT_EQ(Get("config.ini", u"skin", u"path"), u"skin\\栎木\\");
}

TEST_F(ProfileTest, WriteCreatesAMissingFile) {
    EXPECT_EQ(Set("config.ini", u"skin", u"path", u"skin\\Default\\"), TRUE);
    EXPECT_EQ(ReadBytes("config.ini"), "[skin]\npath=skin\\Default\\\n");
    EXPECT_EQ(Get("config.ini", u"skin", u"path"), u"skin\\Default\\");

    // Removing from a file that does not exist creates nothing.
    EXPECT_EQ(Set("none.ini", u"skin", u"path", nullptr), TRUE);
    EXPECT_FALSE(fs::exists(Path("none.ini")));
}

TEST_F(ProfileTest, WriteReplacesTheFileAtomically) {
    WriteBytes("config.ini", "[skin]\npath=old\n");
    ::chmod(Path("config.ini").c_str(), 0640);
    // A second name for the old file: an in-place rewrite would change what it shows.
    ASSERT_EQ(::link(Path("config.ini").c_str(), Path("old.ini").c_str()), 0);

    EXPECT_EQ(Set("config.ini", u"skin", u"path", u"new"), TRUE);
    EXPECT_EQ(ReadBytes("config.ini"), "[skin]\npath=new\n");
    EXPECT_EQ(ReadBytes("old.ini"), "[skin]\npath=old\n");
    EXPECT_EQ(fs::status(Path("config.ini")).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"config.ini", "old.ini"}));  // no temporary left
}

TEST_F(ProfileTest, WriteThroughASymbolicLinkKeepsTheLink) {
    fs::create_directory(Path("real"));
    WriteBytes("real/config.ini", "[skin]\npath=old\n");
    fs::create_symlink(Path("real/config.ini"), Path("config.ini"));
    EXPECT_EQ(Set("config.ini", u"skin", u"path", u"new"), TRUE);
    EXPECT_TRUE(fs::is_symlink(Path("config.ini")));
    EXPECT_EQ(ReadBytes("real/config.ini"), "[skin]\npath=new\n");
}

TEST_F(ProfileTest, WriteRefusesTextThatBreaksTheFile) {
    const std::string before = "[skin]\npath=old\n";
    struct Case { const char16_t* section; const char16_t* key; const char16_t* value; };
    const Case cases[] = {
        {u"skin", u"path", u"a\n[evil]\nx=1"}, {u"skin", u"path", u"a\rb"}, {u"sk]in", u"path", u"v"},
        {u"skin\n", u"path", u"v"},           {u"skin", u"pa=th", u"v"},   {u"skin", u"", u"v"},
        {u"skin", u"  ", u"v"},               {u"skin", u"[x]", u"v"},     {u"skin", u";x", u"v"},
        {u"skin", u"pa\nth", u"v"},
    };
    for (const Case& c : cases) {
        WriteBytes("config.ini", before);
        EXPECT_EQ(Set("config.ini", c.section, c.key, c.value), FALSE) << qx::WideToUtf8(c.value);
        EXPECT_EQ(ReadBytes("config.ini"), before);
    }
    EXPECT_EQ(WritePrivateProfileStringW(nullptr, u"k", u"v", WidePath("config.ini").c_str()), FALSE);
    EXPECT_EQ(WritePrivateProfileStringW(u"s", u"k", u"v", nullptr), FALSE);
}

TEST_F(ProfileTest, WriteFailsCleanlyWhereItCannotWrite) {
    fs::create_directory(Path("folder.ini"));
    EXPECT_EQ(Set("folder.ini", u"skin", u"path", u"v"), FALSE);
    EXPECT_TRUE(fs::is_directory(Path("folder.ini")));

    EXPECT_EQ(Set("nofolder/config.ini", u"skin", u"path", u"v"), FALSE);

    WriteBytes("huge.ini", "[skin]\npath=x\n");
    ::truncate(Path("huge.ini").c_str(), 64 << 20);
    EXPECT_EQ(Set("huge.ini", u"skin", u"path", u"v"), FALSE);
    EXPECT_EQ(fs::file_size(Path("huge.ini")), 64u << 20);

    // A read-only file in a writable folder, and a writable file in a read-only folder.
    fs::create_directory(Path("open"));
    ::chmod(Path("open").c_str(), 0777);
    WriteBytes("open/readonly.ini", "[skin]\npath=old\n");
    ::chmod(Path("open/readonly.ini").c_str(), 0444);
    WriteBytes("open/writable.ini", "[skin]\npath=old\n");
    ::chmod(Path("open/writable.ini").c_str(), 0666);
    fs::create_directory(Path("closed"));
    WriteBytes("closed/writable.ini", "[skin]\npath=old\n");
    ::chmod(Path("closed/writable.ini").c_str(), 0666);
    const std::u16string readonly = WidePath("open/readonly.ini");
    const std::u16string writable = WidePath("closed/writable.ini");
    const std::u16string allowed = WidePath("open/writable.ini");
    EXPECT_TRUE(AsUnprivileged([&] {
        return WritePrivateProfileStringW(u"skin", u"path", u"new", readonly.c_str()) == FALSE &&
               WritePrivateProfileStringW(u"skin", u"path", u"new", writable.c_str()) == FALSE &&
               WritePrivateProfileStringW(u"skin", u"path", u"new", allowed.c_str()) == TRUE;
    }));
    EXPECT_EQ(ReadBytes("open/writable.ini"), "[skin]\npath=new\n");
    EXPECT_EQ(ReadBytes("open/readonly.ini"), "[skin]\npath=old\n");
    EXPECT_EQ(ReadBytes("closed/writable.ini"), "[skin]\npath=old\n");
    EXPECT_EQ(fs::directory_iterator(Path("closed"))->path().filename(), "writable.ini");
}

}  // namespace
