#pragma once
// The current profile file: the one initialisation file every profile read of the skin and
// configuration readers goes to. Each reader points it at its own file before reading; a file
// that does not exist is never selected, so the previous one stays in use.

#include "platform/base/WinTypes.h"

// True when a file or folder exists at the path (backslashes allowed).
bool PathExists(const CString& strPath);

// Makes strPath the current profile file when a file or folder exists there; otherwise keeps the
// current one. Nothing is reported.
void SelectProfileFile(const CString& strPath);

// The value of key in section of the current profile file, read through a buffer of 260
// characters: missing file, section or key give "", longer values are cut to 259 characters.
CString ReadProfileString(const CString& strSection, const CString& strKey);

const CString& GetCurrentProfileFile();
void ResetCurrentProfileFileForTesting();
