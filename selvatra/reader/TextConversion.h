// The character conversions the script readers need. The code page is the system's ANSI
// code page on Windows; the portable build (tests, fuzzers) uses Windows-1252, which is
// what the studio machines run.
#pragma once
#include <string>
#include <vector>

#include "SelvatraApi.h"

// The UTF-16 character of one code-page byte (bytes below 0x80 are themselves).
SELVATRA_API wchar_t AnsiByteToWide(unsigned char byte);

// Appends the code-page form of one UTF-16 unit to out; a unit the code page cannot
// represent appends '?'.
SELVATRA_API void AppendWideAsAnsi(wchar_t ch, std::string& out);

// The upper-case form of one UTF-16 unit (itself when it has none).
SELVATRA_API wchar_t WideToUpper(wchar_t ch);

// Appends UTF-8 text as UTF-16. A byte that does not start a valid UTF-8 sequence is
// taken as a code-page character, so plain text saved in the ANSI code page reads too.
SELVATRA_API void AppendUtf8AsWide(const char* text, size_t length, std::vector<wchar_t>& out);
