#pragma once
// Whole-file reads and atomic whole-file replacement for the small text files the program keeps
// beside itself (config.ini, skin.ini). Paths are file-system paths (UTF-8, slashes).

#include <cstddef>
#include <string>
#include <string_view>

namespace qx {

enum class WholeFileStatus {
    Read,     // the bytes were read
    Missing,  // no such file (or a folder on the way is missing)
    Failed,   // a folder, a device, no permission, too large, or a read error
};

// Reads a regular file of at most maxSize bytes into bytes. Never blocks on a pipe or device.
WholeFileStatus ReadWholeFile(const std::string& path, std::size_t maxSize, std::string& bytes);

// Replaces the file's contents with bytes, or creates the file. The bytes go to a temporary file
// in the same folder that is then renamed over the file, so a crash leaves either the old or the
// new contents. An existing file keeps its permissions (and owner, where allowed); a symbolic
// link keeps pointing at the file, which is replaced. Fails, leaving everything as it was, for a
// file that is not a regular file or not writable, or a folder that is not writable.
bool ReplaceWholeFile(const std::string& path, std::string_view bytes);

}  // namespace qx
