// The ANSI code page's tables, built once: from the system on Windows, from Windows-1252 in
// the native build; and the UTF-8 coder.
#include "fw/codepage.h"

#include <vector>

namespace fw {

namespace {

#if !defined(_WIN32)
// Windows-1252 bytes 0x80 to 0x9F; the five it leaves unassigned keep their C1 value.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
#endif

// Both directions for the Basic Multilingual Plane; characters past it have no byte.
struct AnsiTables
{
    char16_t toUnicode[256];
    std::vector<char> fromUnicode; // 0x10000 entries

    AnsiTables() : fromUnicode(0x10000, '?')
    {
        for (int i = 0; i < 256; ++i) {
#if defined(_WIN32)
            char byte = static_cast<char>(i);
            wchar_t ch = static_cast<wchar_t>(i);
            if (i >= 0x80 && ::MultiByteToWideChar(CP_ACP, 0, &byte, 1, &ch, 1) != 1)
                ch = L'?';
            toUnicode[i] = static_cast<char16_t>(ch);
#else
            toUnicode[i] = (i >= 0x80 && i < 0xA0) ? kCp1252High[i - 0x80] : char16_t(i);
#endif
        }
#if defined(_WIN32)
        // The system's own mapping, with its nearest-character fallbacks.
        for (unsigned u = 0; u < 0x10000; ++u) {
            if (u < 0x80) {
                fromUnicode[u] = static_cast<char>(u);
                continue;
            }
            if (u >= 0xD800 && u < 0xE000)
                continue;
            wchar_t ch = static_cast<wchar_t>(u);
            char bytes[4];
            BOOL usedDefault = FALSE;
            int n =
                ::WideCharToMultiByte(CP_ACP, 0, &ch, 1, bytes, sizeof bytes, "?", &usedDefault);
            if (n == 1 && !usedDefault)
                fromUnicode[u] = bytes[0];
        }
#else
        for (int i = 255; i >= 0; --i)
            fromUnicode[toUnicode[i]] = static_cast<char>(i);
#endif
    }
};

const AnsiTables& Tables()
{
    static const AnsiTables tables;
    return tables;
}

} // namespace

char32_t AnsiToUnicode(unsigned char byte) { return Tables().toUnicode[byte]; }

char UnicodeToAnsi(char32_t ch)
{
    if (ch < 0x80)
        return static_cast<char>(ch);
    return ch < 0x10000 ? Tables().fromUnicode[ch] : '?';
}

size_t DecodeUtf8(const char* text, size_t length, size_t i, char32_t& ch)
{
    const unsigned char* s = reinterpret_cast<const unsigned char*>(text);
    if (i >= length)
        return 0;
    unsigned char b = s[i];
    if (b < 0x80) {
        ch = b;
        return 1;
    }
    size_t extra = (b >= 0xC2 && b <= 0xDF) ? 1
        : (b >= 0xE0 && b <= 0xEF)          ? 2
        : (b >= 0xF0 && b <= 0xF4)          ? 3
                                            : 0;
    if (extra == 0 || i + extra >= length)
        return 0;
    char32_t cp = extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    for (size_t k = 1; k <= extra; ++k) {
        unsigned char c = s[i + k];
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
    if ((extra == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    ch = cp;
    return extra + 1;
}

void AppendUtf8(char32_t u, std::string& out)
{
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

std::u16string AnsiToUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        out += static_cast<char16_t>(AnsiToUnicode(c));
    return out;
}

std::string Utf16ToAnsi(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t u = text[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            u = 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        out += UnicodeToAnsi(u);
    }
    return out;
}

std::string AnsiToUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        AppendUtf8(AnsiToUnicode(c), out);
    return out;
}

std::string Utf8ToAnsi(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        char32_t ch = 0;
        size_t n = DecodeUtf8(text.data(), text.size(), i, ch);
        out += n ? UnicodeToAnsi(ch) : '?';
        i += n ? n : 1;
    }
    return out;
}

} // namespace fw
