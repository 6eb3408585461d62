// Plain text and Unicode text (UTF-16 with a byte-order mark). Both keep the text only;
// lines end in CR LF on saving. Plain text is read as UTF-8 when it has the byte-order mark
// or is well-formed UTF-8 with characters beyond ASCII, otherwise in the ANSI code page; it
// is saved in the ANSI code page when that holds every character, otherwise as UTF-8 with
// the byte-order mark, so that saving never loses a character.
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"

namespace richtext {

namespace {

std::u16string WithCrLf(const std::u16string& text)
{
    std::u16string out;
    out.reserve(text.size() + text.size() / 16);
    for (char16_t c : text) {
        if (c == '\n')
            out += u'\r';
        out += c;
    }
    return out;
}

bool TakeText(const std::u16string& text, CRichDocument& doc)
{
    CRichDocument fresh;
    fresh.Append(text, CRichCharFormat());
    doc = std::move(fresh);
    return true;
}

bool HasHighBytes(const std::string& bytes)
{
    for (unsigned char c : bytes)
        if (c >= 0x80)
            return true;
    return false;
}

} // namespace

bool ReadPlainText(const std::string& bytes, CRichDocument& doc, std::string& error)
{
    if (bytes.find('\0') != std::string::npos) {
        error = "the file holds binary data, not text";
        return false;
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return TakeText(Utf8ToUtf16(bytes.substr(3)), doc);
    if (HasHighBytes(bytes) && IsUtf8(bytes))
        return TakeText(Utf8ToUtf16(bytes), doc);
    return TakeText(AnsiToUtf16(bytes), doc);
}

std::string WritePlainText(const CRichDocument& doc)
{
    const std::u16string text = WithCrLf(doc.Text());
    const std::string ansi = Utf16ToAnsi(text);
    if (AnsiToUtf16(ansi) == text)
        return ansi;
    return "\xEF\xBB\xBF" + Utf16ToUtf8(text);
}

bool ReadUnicodeText(const std::string& bytes, CRichDocument& doc, std::string& error)
{
    size_t begin = 0;
    bool bigEndian = false;
    if (bytes.size() >= 2) {
        unsigned char b0 = bytes[0], b1 = bytes[1];
        if (b0 == 0xFF && b1 == 0xFE)
            begin = 2;
        else if (b0 == 0xFE && b1 == 0xFF)
            begin = 2, bigEndian = true;
    }
    if ((bytes.size() - begin) % 2 != 0) {
        error = "the Unicode text ends in half a character";
        return false;
    }
    std::u16string units;
    units.reserve((bytes.size() - begin) / 2);
    for (size_t i = begin; i + 1 < bytes.size(); i += 2) {
        unsigned char lo = bytes[i + (bigEndian ? 1 : 0)], hi = bytes[i + (bigEndian ? 0 : 1)];
        char16_t u = static_cast<char16_t>(lo | (hi << 8));
        if (u == 0) {
            error = "the file holds binary data, not Unicode text";
            return false;
        }
        units += u;
    }
    return TakeText(units, doc);
}

std::string WriteUnicodeText(const CRichDocument& doc)
{
    std::u16string units = WithCrLf(doc.Text());
    std::string out("\xFF\xFE", 2);
    out.reserve(2 + units.size() * 2);
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

} // namespace richtext
