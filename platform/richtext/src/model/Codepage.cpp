// Code pages of RTF bytes and UTF-8 for the text control. Under Windows the system converts;
// the portable build (tests, fuzzers) has the ANSI code page from the framework and the others
// through iconv.
#include "richtext/Codepage.h"

#include "fw/codepage.h"

#include <cerrno>
#include <cstring>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace richtext {

namespace {

void AppendUtf16(std::u16string& out, char32_t u)
{
    if (u >= 0x10000) {
        u -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (u >> 10));
        out += static_cast<char16_t>(0xDC00 + (u & 0x3FF));
    } else {
        out += static_cast<char16_t>(u);
    }
}

} // namespace

#if defined(_WIN32)

unsigned AnsiCodePage() { return ::GetACP(); }

std::u16string CodePageToUtf16(unsigned codePage, const std::string& bytes)
{
    std::u16string out;
    if (bytes.empty())
        return out;
    const UINT cp = codePage ? codePage : CP_ACP;
    int n = ::MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0)
        return codePage == 0 ? fw::AnsiToUtf16(bytes) : CodePageToUtf16(0, bytes);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(cp, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
    return std::u16string(wide.begin(), wide.end());
}

bool AnsiByteOf(char16_t ch, unsigned char& byte)
{
    if (ch < 0x80) {
        byte = static_cast<unsigned char>(ch);
        return true;
    }
    wchar_t w = static_cast<wchar_t>(ch);
    char buf[4];
    BOOL usedDefault = FALSE;
    int n = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &w, 1, buf, sizeof buf, nullptr,
                                  &usedDefault);
    if (n != 1 || usedDefault)
        return false;
    byte = static_cast<unsigned char>(buf[0]);
    return true;
}

#else

unsigned AnsiCodePage() { return 1252; }

std::u16string CodePageToUtf16(unsigned codePage, const std::string& bytes)
{
    if (codePage == 0 || codePage == 1252)
        return fw::AnsiToUtf16(bytes);
    std::u16string out;
    const std::string name = "CP" + std::to_string(codePage);
    iconv_t cd = iconv_open("UTF-16LE", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return fw::AnsiToUtf16(bytes);
    std::vector<char> in(bytes.begin(), bytes.end());
    char* src = in.data();
    size_t left = in.size();
    std::vector<char> buf(in.size() * 4 + 8);
    while (left > 0) {
        char* dst = buf.data();
        size_t room = buf.size();
        size_t r = iconv(cd, &src, &left, &dst, &room);
        const int error = r == static_cast<size_t>(-1) ? errno : 0;
        if (error == EILSEQ)
            iconv(cd, nullptr, nullptr, &dst, &room); // what was held back comes first
        for (char* p = buf.data(); p + 1 < dst; p += 2)
            out += static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                         (static_cast<unsigned char>(p[1]) << 8));
        if (error == EILSEQ && left > 0) {
            out += u'\xFFFD'; // a byte the code page does not define
            ++src;
            --left;
        } else if (error != 0 && error != E2BIG) {
            break; // the end of the input: what is held back comes with the flush below
        }
    }
    // Code pages that combine characters (1255, 1258) hold the last one back until flushed.
    char* dst = buf.data();
    size_t room = buf.size();
    iconv(cd, nullptr, nullptr, &dst, &room);
    for (char* p = buf.data(); p + 1 < dst; p += 2)
        out += static_cast<char16_t>(static_cast<unsigned char>(p[0]) |
                                     (static_cast<unsigned char>(p[1]) << 8));
    iconv_close(cd);
    return out;
}

bool AnsiByteOf(char16_t ch, unsigned char& byte)
{
    char c = fw::UnicodeToAnsi(ch);
    if (c == '?' && ch != u'?')
        return false;
    byte = static_cast<unsigned char>(c);
    return true;
}

#endif

unsigned CharsetCodePage(int charset)
{
    switch (charset) {
    case 77:
        return 10000; // Mac Roman
    case 128:
        return 932; // Shift-JIS
    case 129:
        return 949; // Hangul
    case 130:
        return 1361; // Johab
    case 134:
        return 936; // GB 2312
    case 136:
        return 950; // Big5
    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 163:
        return 1258; // Vietnamese
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    case 204:
        return 1251; // Cyrillic
    case 222:
        return 874; // Thai
    case 238:
        return 1250; // Eastern European
    default:
        return 0; // ANSI, default and symbol character sets
    }
}

std::string Utf16ToUtf8(const std::u16string& text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t u = text[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            u = 0x10000 + ((u - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            u = 0xFFFD; // a lone surrogate
        }
        fw::AppendUtf8(u, out);
    }
    return out;
}

std::u16string Utf8ToUtf16(const std::string& text)
{
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        char32_t u = 0;
        size_t n = fw::DecodeUtf8(text.data(), text.size(), i, u);
        if (n == 0) {
            out += u'\xFFFD';
            ++i;
            continue;
        }
        AppendUtf16(out, u);
        i += n;
    }
    return out;
}

bool IsUtf8(const std::string& text)
{
    size_t i = 0;
    while (i < text.size()) {
        char32_t u = 0;
        size_t n = fw::DecodeUtf8(text.data(), text.size(), i, u);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

} // namespace richtext
