#include "TextConversion.h"

#if defined(_WIN32)
#include <windows.h>
#endif

namespace {

#if defined(_WIN32)

struct AnsiTable
{
    wchar_t wide[256];
    AnsiTable()
    {
        for (int i = 0; i < 256; ++i) {
            char byte = static_cast<char>(i);
            wchar_t ch = 0;
            if (i < 0x80 || MultiByteToWideChar(CP_ACP, 0, &byte, 1, &ch, 1) != 1)
                ch = (i < 0x80) ? static_cast<wchar_t>(i) : L'?';
            wide[i] = ch;
        }
    }
};

#else

// Windows-1252 bytes 0x80 to 0x9F; the five bytes it leaves unassigned map to the C1
// controls of the same value, as the system conversion does.
const unsigned short kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct AnsiTable
{
    wchar_t wide[256];
    AnsiTable()
    {
        for (int i = 0; i < 256; ++i)
            wide[i] = (i >= 0x80 && i < 0xA0) ? static_cast<wchar_t>(kCp1252High[i - 0x80])
                                              : static_cast<wchar_t>(i);
    }
};

#endif

const AnsiTable& Table()
{
    static const AnsiTable table;
    return table;
}

} // namespace

wchar_t AnsiByteToWide(unsigned char byte) { return Table().wide[byte]; }

void AppendWideAsAnsi(wchar_t ch, std::string& out)
{
    if (ch < 0x80) {
        out += static_cast<char>(ch);
        return;
    }
#if defined(_WIN32)
    char buffer[8];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(CP_ACP, 0, &ch, 1, buffer, sizeof(buffer), "?", &usedDefault);
    if (n > 0 && !usedDefault)
        out.append(buffer, static_cast<size_t>(n));
    else
        out += '?';
#else
    const AnsiTable& table = Table();
    for (int i = 0x80; i < 256; ++i) {
        if (table.wide[i] == ch) {
            out += static_cast<char>(i);
            return;
        }
    }
    out += '?';
#endif
}

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
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    size_t i = 0;
    while (i < length) {
        unsigned char b = s[i];
        if (b < 0x80) {
            out.push_back(static_cast<wchar_t>(b));
            ++i;
            continue;
        }
        int extra = (b >= 0xC2 && b <= 0xDF) ? 1
            : (b >= 0xE0 && b <= 0xEF)       ? 2
            : (b >= 0xF0 && b <= 0xF4)       ? 3
                                             : -1;
        unsigned long cp = (extra == 1) ? (b & 0x1F) : (extra == 2) ? (b & 0x0F) : (b & 0x07);
        bool valid = extra > 0 && i + static_cast<size_t>(extra) < length;
        if (valid) {
            for (int k = 1; k <= extra; ++k) {
                unsigned char c = s[i + k];
                if ((c & 0xC0) != 0x80) {
                    valid = false;
                    break;
                }
                cp = (cp << 6) | (c & 0x3F);
            }
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if (valid &&
            ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
             (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF))))
            valid = false;
        if (!valid) {
            out.push_back(AnsiByteToWide(b));
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<wchar_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<wchar_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<wchar_t>(cp));
        }
        i += static_cast<size_t>(extra) + 1;
    }
}
