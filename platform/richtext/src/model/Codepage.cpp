// Code page 1252 tables and the UTF-8 / UTF-16 conversions built on them.
#include "richtext/Codepage.h"

namespace richtext {

namespace {

// 0x80..0x9F; 0 marks the five bytes the code page leaves undefined (kept as C1 controls).
const char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                            0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

char32_t Cp1252ToUnicode(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0 && kHigh[c - 0x80])
        return kHigh[c - 0x80];
    return c;
}

char UnicodeToCp1252(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == u)
            return static_cast<char>(0x80 + i);
    if (u >= 0x80 && u < 0xA0 && kHigh[u - 0x80] == 0)
        return static_cast<char>(u);
    return '?';
}

std::u16string Cp1252ToUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    for (unsigned char c : text)
        out += static_cast<char16_t>(Cp1252ToUnicode(c));
    return out;
}

std::string Utf16ToCp1252(const std::u16string& text)
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
        out += UnicodeToCp1252(u);
    }
    return out;
}

std::string Cp1252ToUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    for (unsigned char c : text) {
        char32_t u = Cp1252ToUnicode(c);
        if (u < 0x80) {
            out += static_cast<char>(u);
        } else if (u < 0x800) {
            out += static_cast<char>(0xC0 | (u >> 6));
            out += static_cast<char>(0x80 | (u & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (u >> 12));
            out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (u & 0x3F));
        }
    }
    return out;
}

std::string Utf8ToCp1252(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        int extra = c < 0x80     ? 0
            : (c & 0xE0) == 0xC0 ? 1
            : (c & 0xF0) == 0xE0 ? 2
            : (c & 0xF8) == 0xF0 ? 3
                                 : -1;
        if (extra < 0 || i + extra >= text.size() + (extra ? 0 : 1)) {
            out += '?';
            ++i;
            continue;
        }
        char32_t u = extra == 0 ? c : c & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            unsigned char d = static_cast<unsigned char>(text[i + k]);
            if ((d & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            u = (u << 6) | (d & 0x3F);
        }
        if (!ok) {
            out += '?';
            ++i;
            continue;
        }
        out += UnicodeToCp1252(u);
        i += extra + 1;
    }
    return out;
}

} // namespace richtext
