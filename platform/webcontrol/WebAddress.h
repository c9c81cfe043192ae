#pragma once
// What a user or the program asks a page to open, turned into the address an engine loads.

#include <functional>
#include <string>
#include <string_view>

namespace qx::web {

// Tells whether a file-system path (UTF-8) names an existing file.
using FileExistsFn = std::function<bool(const std::string& path)>;

// Maps an address the way the web browser control expects Navigate to treat it:
//  - surrounding white space is dropped; nothing at all opens "about:blank";
//  - a local path ("/opt/qx/config\tools\setting.html") becomes the file:// address of that
//    file, its backslashes read as folder separators (unless only the literal name exists);
//  - an address without a scheme ("www.example.com", "localhost:8080/a") gets "http://";
//  - anything else ("https://...", "about:blank", "file:///...", "mailto:...") stays as it is.
std::u16string MapWebAddress(std::u16string_view address, const FileExistsFn& fileExists);

// The same, asking the file system whether files exist.
std::u16string MapWebAddress(std::u16string_view address);

}  // namespace qx::web
