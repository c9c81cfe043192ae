#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it at the end.

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "platform/base/Strings.h"

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qx-settings-XXXXXX").string();
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
    // The folder as the system names folders: wide, with a trailing separator.
    std::u16string Folder() const { return qx::Utf8ToWide(m_path.string() + "/"); }
    std::u16string File(const std::string& name) const { return qx::Utf8ToWide((m_path / name).string()); }

private:
    std::filesystem::path m_path;
};
