// Plain text (code page 1252, or UTF-8 with its byte-order mark) and Unicode text
// (UTF-16 with a byte-order mark). Both keep the text only; lines end in CR LF on saving.
#include "fw/codepage.h"
#include "richtext/DocumentFormats.h"

namespace richtext {

namespace {

std::string WithCrLf(const std::string& text)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

bool TakeText(const std::string& text, CRichDocument& doc)
{
    CRichDocument fresh;
    fresh.Append(text, CRichCharFormat());
    doc = std::move(fresh);
    return true;
}

} // namespace

bool ReadPlainText(const std::string& bytes, CRichDocument& doc, std::string& error)
{
    if (bytes.find('\0') != std::string::npos) {
        error = "the file holds binary data, not text";
        return false;
    }
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return TakeText(fw::Utf8ToAnsi(bytes.substr(3)), doc);
    return TakeText(bytes, doc);
}

std::string WritePlainText(const CRichDocument& doc) { return WithCrLf(doc.Text()); }

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
    return TakeText(fw::Utf16ToAnsi(units), doc);
}

std::string WriteUnicodeText(const CRichDocument& doc)
{
    std::u16string units = fw::AnsiToUtf16(WithCrLf(doc.Text()));
    std::string out("\xFF\xFE", 2);
    out.reserve(2 + units.size() * 2);
    for (char16_t u : units) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    }
    return out;
}

} // namespace richtext
