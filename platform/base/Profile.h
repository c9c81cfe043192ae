#pragma once
// Initialisation ("profile") files: config.ini and skin.ini. Reads files written for the
// original program (UTF-8 with or without a byte-order mark, UTF-16LE with one; CRLF or LF),
// matches section and key names without regard to letter case, and rewrites a file atomically,
// changing only the one key.

#include "platform/base/WinTypes.h"

// Copies the value of key in section of file into buffer (at most size - 1 characters, always
// terminated) and returns the number of characters copied. A missing file, section or key gives
// the default (null default: empty). Blanks around names and values are ignored, and so is one
// pair of quotes around a value. A file that cannot be read (a folder, no permission, not text)
// reads as missing; lines that are not valid text never match. Listing names (a null section or
// key) is not offered: the result is the default.
DWORD GetPrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR defaultValue, LPWSTR buffer,
                               DWORD size, LPCWSTR file);

// Replaces or adds key = value in section of file, keeping every other byte of the file; adds the
// section at the end when it is missing and creates the file when it does not exist. A null
// value removes the key, a null key the whole section. The write goes to a temporary file in the
// same folder that is then renamed over the file, keeping its permissions. Returns FALSE when the
// file could not be read or written, and for text that would break the file's structure (a line
// break anywhere, ']' in the section, '=' in the key).
BOOL WritePrivateProfileStringW(LPCWSTR section, LPCWSTR key, LPCWSTR value, LPCWSTR file);
