#include "TextConversion.h"

#include "fw/codepage.h"

#if defined(_WIN32)
#include <windows.h>
#endif

wchar_t WideToUpper(wchar_t ch)
{
    if (ch >= L'a' && ch <= L'z')
        return static_cast<wchar_t>(ch - 32);
    if (ch < 0x80)
        return ch;
#if defined(_WIN32)
    wchar_t buffer[1] = {ch};
    CharUpperBuffW(buffer, 1);
    return buffer[0];
#else
    // The alphabets a studio script uses: Latin-1, Latin Extended-A, Greek and Cyrillic.
    unsigned c = static_cast<unsigned>(ch);
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<wchar_t>(c - 0x20);
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x137 && (c & 1))
        return static_cast<wchar_t>(c - 1);
    if (c >= 0x139 && c <= 0x148 && !(c & 1))
        return static_cast<wchar_t>(c - 1);
    if (c >= 0x14A && c <= 0x177 && (c & 1))
        return static_cast<wchar_t>(c - 1);
    if (c == 0x17A || c == 0x17C || c == 0x17E)
        return static_cast<wchar_t>(c - 1);
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return static_cast<wchar_t>(c - 0x20);
    if (c >= 0x430 && c <= 0x44F)
        return static_cast<wchar_t>(c - 0x20);
    if (c >= 0x450 && c <= 0x45F)
        return static_cast<wchar_t>(c - 0x50);
    return ch;
#endif
}

void AppendUtf8AsWide(const char* text, size_t length, std::vector<wchar_t>& out)
{
    size_t i = 0;
    while (i < length) {
        char32_t cp = 0;
        size_t n = fw::DecodeUtf8(text, length, i, cp);
        if (n == 0) {
            cp = fw::AnsiToUnicode(static_cast<unsigned char>(text[i]));
            n = 1;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(cp));
        }
        i += n;
    }
}
