// The character work of the script readers beyond the code page, which fw/codepage.h
// converts: upper case and UTF-8 script text as UTF-16 units.
#pragma once
#include <string>
#include <vector>

#include "SelvatraApi.h"

// The upper-case form of one UTF-16 unit (itself when it has none).
SELVATRA_API wchar_t WideToUpper(wchar_t ch);

// Appends UTF-8 text as UTF-16. A byte that does not start a valid UTF-8 sequence is
// taken as a code-page character, so plain text saved in the ANSI code page reads too.
SELVATRA_API void AppendUtf8AsWide(const char* text, size_t length, std::vector<wchar_t>& out);
