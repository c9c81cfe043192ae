#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include "platform/base/Strings.h"

namespace qx::test {

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qx-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempFolder() {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string Path(const std::string& name) const { return (m_path / name).string(); }
    // The folder as the system names folders: wide, with a trailing separator.
    std::u16string Folder() const { return Utf8ToWide(m_path.string() + "/"); }
    // A file in the folder as the system names it: wide text.
    std::u16string File(const std::string& name) const { return Utf8ToWide(Path(name)); }
    void WriteBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(Path(name), std::ios::binary) << bytes;
    }

private:
    std::filesystem::path m_path;
};

}  // namespace qx::test
