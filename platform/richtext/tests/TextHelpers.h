// Test helpers: the document holds UTF-16; the tests write their texts in the ANSI code page (1252 here).
#pragma once
#include "richtext/Codepage.h"

#include <string>

inline std::u16string W(const std::string& cp1252) { return fw::AnsiToUtf16(cp1252); }
inline std::string A(const std::u16string& text) { return fw::Utf16ToAnsi(text); }
