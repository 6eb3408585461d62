// Conversions between the document's code page (Windows 1252) and Unicode, done by table
// so that they behave the same natively and under Windows.
#pragma once
#include <string>

namespace richtext {

// The Unicode code point of a code-page byte.
char32_t Cp1252ToUnicode(unsigned char c);
// The code-page byte of a code point, or '?' when the code page lacks it.
char UnicodeToCp1252(char32_t u);

std::u16string Cp1252ToUtf16(const std::string& text);
std::string Utf16ToCp1252(const std::u16string& text);
std::string Cp1252ToUtf8(const std::string& text);
// Malformed sequences become '?'.
std::string Utf8ToCp1252(const std::string& text);

} // namespace richtext
