#pragma once
// A temporary program folder for the skin readers: the program folder points at it, and the
// process-wide readers and the current profile file start afresh in every test.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/base/Paths.h"
#include "platform/base/Strings.h"
#include "skin/ConfigFile.h"
#include "skin/ProfileFile.h"
#include "skin/SkinFile.h"

class SkinTestFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/qx-skin-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_root = std::string(pattern) + "/";
        qx::SetProgramFolderForTesting(qx::Utf8ToWide(m_root));
        ResetReaders();
    }
    void TearDown() override {
        ResetReaders();
        qx::SetProgramFolderForTesting(u"");
        std::error_code ec;
        std::filesystem::remove_all(m_root, ec);
    }
    static void ResetReaders() {
        CConfigFile::ResetForTesting();
        CSkinFile::ResetForTesting();
        ResetCurrentProfileFileForTesting();
    }

    CString ProgramFolder() const { return qx::Utf8ToWide(m_root); }
    // A path under the program folder, written as the system writes it: "skin\Blue\skin.ini".
    std::string FileSystemPath(const CString& relative) const { return qx::ToFileSystemPath(ProgramFolder() + relative); }

    void WriteFile(const CString& relative, const std::string& bytes) const {
        const std::filesystem::path path = FileSystemPath(relative);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void MakeFolder(const CString& relative) const { std::filesystem::create_directories(FileSystemPath(relative)); }
    bool Exists(const CString& relative) const { return std::filesystem::exists(FileSystemPath(relative)); }
    std::string ReadFile(const CString& relative) const {
        std::ifstream in(FileSystemPath(relative), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::string m_root;
};
