#pragma once
// Text kept in a database column as base64 of its narrow (UTF-8) bytes, so any text survives
// storage as plain ASCII.

#include <string>
#include <string_view>

// Encodes text as standard base64 ('=' padding, no line breaks) into strOut; returns its length.
int EncodeStoredText(std::u16string_view strText, std::u16string& strOut);

// Decodes base64 text into strOut. Decoding stops without error at a quartet that starts with a
// character outside the alphabet (a line break, a blank); returns the number of decoded bytes, or
// -1 for malformed input, in which case strOut holds what was decoded before the fault. The bytes
// are read as text up to the first NUL byte.
int DecodeStoredText(std::u16string_view strText, std::u16string& strOut);
