#pragma once
// The program folder, and the one mapping from the system's backslash paths to the file system.

#include <string>
#include <string_view>

namespace qx {

// The folder of the running program file (/proc/self/exe), ending in a separator.
std::u16string GetProgramFolder();

// Tests run the program's logic against a folder of their own; an empty text restores the real one.
void SetProgramFolderForTesting(std::u16string folder);

// A path as the system writes it ("skin\Default\skin.ini", joined after the program folder)
// turned into a file-system path: every backslash becomes a slash, the text becomes UTF-8.
std::string ToFileSystemPath(std::u16string_view path);

}  // namespace qx
