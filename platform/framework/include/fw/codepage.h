// Conversions between narrow text and Unicode, for every module: the one place that knows the
// code page. Narrow text is in the ANSI code page: the system's on Windows (the test prefix
// sets Windows-1252), Windows-1252 in the native build, which is what the studio machines run.
// The code page is taken as single-byte. UTF-8 is decoded here too.
#pragma once
#include "fw/fwdefs.h"

#include <cstddef>
#include <string>

namespace fw {

// The Unicode character of one code-page byte. Bytes below 0x80 are themselves; a byte the
// code page leaves undefined stands for the C1 control of the same value.
FW_API char32_t AnsiToUnicode(unsigned char byte);
// The code-page byte of a character, or '?' when the code page lacks it. On Windows the
// system's own conversion decides, nearest-character fallbacks included.
FW_API char UnicodeToAnsi(char32_t ch);

// The UTF-8 sequence at text[i]: its character in ch and its length in bytes, or 0 when the
// bytes there are not UTF-8 (a stray or cut-off byte, an overlong form, a surrogate, a value
// past U+10FFFF).
FW_API size_t DecodeUtf8(const char* text, size_t length, size_t i, char32_t& ch);
FW_API void AppendUtf8(char32_t ch, std::string& out);

// Whole strings. A character the code page lacks becomes '?'; in Utf8ToAnsi so does each byte
// that is not UTF-8, and in Utf16ToAnsi a surrogate pair is one character.
FW_API std::u16string AnsiToUtf16(const std::string& text);
FW_API std::string Utf16ToAnsi(const std::u16string& text);
FW_API std::string AnsiToUtf8(const std::string& text);
FW_API std::string Utf8ToAnsi(const std::string& text);

} // namespace fw
