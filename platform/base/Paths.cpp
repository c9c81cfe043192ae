#include "platform/base/Paths.h"

#include <unistd.h>

#include <climits>

#include "platform/base/Strings.h"

namespace qx {

namespace {
std::u16string& ProgramFolderOverride() {
    static std::u16string folder;
    return folder;
}
}  // namespace

std::u16string GetProgramFolder() {
    if (!ProgramFolderOverride().empty()) return ProgramFolderOverride();
    char buffer[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return u"./";
    std::string path(buffer, static_cast<std::size_t>(n));
    path.erase(path.find_last_of('/') + 1);
    return Utf8ToWide(path);
}

void SetProgramFolderForTesting(std::u16string folder) { ProgramFolderOverride() = std::move(folder); }

std::string ToFileSystemPath(std::u16string_view path) {
    std::string out = WideToUtf8(path);
    for (char& c : out) {
        if (c == '\\') c = '/';
    }
    return out;
}

}  // namespace qx
