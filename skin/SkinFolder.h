#pragma once
// Finding the skin at start-up.

#include "platform/base/WinTypes.h"

// The default skin, relative to the program folder.
inline constexpr const WCHAR* kDefaultSkinFolder = u"skin\\Default\\";

// Opens the skin folder that config.ini names. When that folder holds no skin.ini, falls back to
// the default skin under the program folder and records it in config.ini (creating the file when
// needed), so the fall-back sticks. Returns the folder in use; CSkinFile is open on it (if the
// default skin is missing too, every skin element then reads as empty).
CString ResolveSkinFolder();
