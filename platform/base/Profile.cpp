#include "platform/base/Profile.h"

#include <algorithm>
#include <optional>

#include "platform/base/Paths.h"
#include "platform/base/ProfileDocument.h"
#include "platform/base/WholeFile.h"

namespace {

// Profile files are a few kilobytes; anything far larger is not one of ours and is not loaded.
constexpr std::size_t kMaxProfileFileSize = 16 * 1024 * 1024;

std::optional<std::u16string> ReadValue(LPCWSTR section, LPCWSTR key, LPCWSTR file) {
    if (!section || !key || !file) return std::nullopt;
    std::string bytes;
    if (qx::ReadWholeFile(qx::ToFileSystemPath(file), kMaxProfileFileSize, bytes) != qx::WholeFileStatus::Read) {
        return std::nullopt;
    }
    return qx::ProfileDocument(std::move(bytes)).Find(section, key);
}

}  // namespace

DWORD GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultValue, LPWSTR buffer, DWORD size,
                               LPCWSTR file) {
    if (!buffer || size == 0) return 0;
    const std::u16string text = ReadValue(section, key, file).value_or(defaultValue ? defaultValue : u"");
    std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    // A cut between the halves of a surrogate pair would leave half a character.
    if (count < text.size() && count > 0 && text[count - 1] >= 0xD800 && text[count - 1] <= 0xDBFF) --count;
    std::copy_n(text.begin(), count, buffer);
    buffer[count] = u'\0';
    return static_cast<DWORD>(count);
}

BOOL WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file) {
    if (!section || !file) return FALSE;
    const std::string path = qx::ToFileSystemPath(file);
    std::string bytes;
    const qx::WholeFileStatus status = qx::ReadWholeFile(path, kMaxProfileFileSize, bytes);
    if (status == qx::WholeFileStatus::Failed) return FALSE;
    const std::string original = bytes;

    qx::ProfileDocument document(std::move(bytes));
    if (!key) {
        document.RemoveSection(section);
    } else if (!value) {
        document.RemoveKey(section, key);
    } else if (!document.SetValue(section, key, value)) {
        return FALSE;
    }
    // Nothing to change: leave the file (or its absence) alone.
    if (document.Bytes() == original) return TRUE;
    return qx::ReplaceWholeFile(path, document.Bytes()) ? TRUE : FALSE;
}
