// What the text control needs of code pages beyond the framework's ANSI conversions
// (fw/codepage.h): RTF bytes in the code page of a font's character set or of \ansicpg, and
// UTF-8 of whole texts. The document holds UTF-16; code pages appear only where the control
// meets narrow text.
#pragma once
#include "fw/codepage.h"

#include <string>

namespace richtext {

using fw::AnsiToUtf16;
using fw::Utf16ToAnsi;

// The system's ANSI code page (1252 in the portable build).
unsigned AnsiCodePage();
// Whether the ANSI code page holds the character as one byte; sets byte when it does.
bool AnsiByteOf(char16_t ch, unsigned char& byte);

// Bytes in a Windows code page (1250-1258, 874, 932, 936, 949, 950 ...); 0 means the ANSI code
// page. Bytes the code page does not define become U+FFFD.
std::u16string CodePageToUtf16(unsigned codePage, const std::string& bytes);
// The code page of a font character set (RTF \fcharset); 0 for the ANSI character sets.
unsigned CharsetCodePage(int charset);

std::string Utf16ToUtf8(const std::u16string& text);
// Malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(const std::string& text);
// Whether the bytes are well-formed UTF-8.
bool IsUtf8(const std::string& text);

} // namespace richtext
