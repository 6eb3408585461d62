// Our own format, the content of *.mqd files. Layout (little-endian):
//   header  u16 version (600), u16 revision (1), u32 body offset (24), u16 0, u32 0,
//           "MQRT", u32 body length, u16 0
//   body    u32 next field id
//           u32 format count, each: u16 face length, face, u8 charset, u8 family,
//             i32 half points, u32 colour, u8 flags (1 background, 2 bold, 4 italic,
//             8 underline, 16 strike), u32 background
//           u32 text length in characters, text (revision 2: UTF-16 little-endian;
//             revision 1: code page 1252, one byte each)
//           u32 run count, each: u32 length, u16 format
//           u32 field count, each: u32 id, u32 start, u32 length, u16 kind, u32 data,
//             u8 type, u16 type text length in bytes, type text (revision 2: UTF-8;
//             revision 1: code page 1252)
//   trailer u32 CRC-32 of the body
// The fixed header passes the script-format detection for this format.
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"

#include <cstring>

namespace richtext {

namespace {

const char kMagic[4] = {'M', 'Q', 'R', 'T'};

uint32_t Crc32(const char* data, size_t n)
{
    static uint32_t table[256];
    static bool ready = [] {
        for (uint32_t i = 0; i < 256; ++i) {
            uint32_t c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
        return true;
    }();
    (void)ready;
    uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < n; ++i)
        crc = table[(crc ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

class Writer
{
public:
    std::string out;
    void U8(unsigned v) { out += static_cast<char>(v & 0xFF); }
    void U16(unsigned v)
    {
        U8(v);
        U8(v >> 8);
    }
    void U32(uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Str16(const std::string& s)
    {
        U16(static_cast<unsigned>(s.size()));
        out += s;
    }
};

class Reader
{
public:
    Reader(const std::string& s, size_t begin, size_t end) : m_s(s), m_pos(begin), m_end(end) { }
    bool ok = true;
    size_t Left() const { return m_end - m_pos; }
    uint32_t Get(int bytes)
    {
        if (Left() < static_cast<size_t>(bytes)) {
            ok = false;
            return 0;
        }
        uint32_t v = 0;
        for (int i = 0; i < bytes; ++i)
            v |= static_cast<uint32_t>(static_cast<unsigned char>(m_s[m_pos + i])) << (8 * i);
        m_pos += bytes;
        return v;
    }
    std::string Bytes(size_t n)
    {
        if (Left() < n) {
            ok = false;
            return std::string();
        }
        std::string r = m_s.substr(m_pos, n);
        m_pos += n;
        return r;
    }

private:
    const std::string& m_s;
    size_t m_pos, m_end;
};

bool Fail(std::string& error, const char* why)
{
    error = std::string("the document file is damaged: ") + why;
    return false;
}

} // namespace

std::string WriteNative(const CRichDocument& source)
{
    CRichDocument doc = source;
    doc.CompactFormats();
    Writer body;
    body.U32(doc.NextFieldId());
    uint16_t formatCount = 0;
    for (size_t i = 0; i < doc.Length(); ++i)
        if (doc.FormatIndexAt(i) >= formatCount)
            formatCount = doc.FormatIndexAt(i) + 1;
    if (formatCount == 0)
        formatCount = 1;
    body.U32(formatCount);
    for (uint16_t i = 0; i < formatCount; ++i) {
        const CRichCharFormat& f = doc.FormatByIndex(i);
        body.Str16(f.face.substr(0, 0xFFFF));
        body.U8(f.charset);
        body.U8(f.family);
        body.U32(static_cast<uint32_t>(f.halfPoints));
        body.U32(f.color);
        body.U8((f.hasBack ? 1 : 0) | (f.bold ? 2 : 0) | (f.italic ? 4 : 0) |
                (f.underline ? 8 : 0) | (f.strike ? 16 : 0));
        body.U32(f.back);
    }
    body.U32(static_cast<uint32_t>(doc.Length()));
    for (char16_t u : doc.Text())
        body.U16(u);
    Writer runs;
    uint32_t runCount = 0;
    for (size_t i = 0; i < doc.Length();) {
        const size_t j = doc.FormatRunEnd(i, doc.Length());
        runs.U32(static_cast<uint32_t>(j - i));
        runs.U16(doc.FormatIndexAt(i));
        ++runCount;
        i = j;
    }
    body.U32(runCount);
    body.out += runs.out;
    body.U32(static_cast<uint32_t>(doc.Fields().size()));
    for (const CRichField& f : doc.Fields()) {
        body.U32(f.id);
        body.U32(static_cast<uint32_t>(f.start));
        body.U32(static_cast<uint32_t>(f.length));
        body.U16(f.kind);
        body.U32(f.data);
        body.U8(f.type);
        body.Str16(Utf16ToUtf8(f.typeText).substr(0, 0xFFFF));
    }

    Writer file;
    file.U16(kNativeVersion);
    file.U16(kNativeRevision);
    file.U32(kNativeHeaderSize);
    file.U16(0);
    file.U32(0);
    file.out.append(kMagic, 4);
    file.U32(static_cast<uint32_t>(body.out.size()));
    file.U16(0);
    file.out += body.out;
    file.U32(Crc32(body.out.data(), body.out.size()));
    return file.out;
}

bool ReadNative(const std::string& bytes, CRichDocument& doc, std::string& error)
{
    if (bytes.size() < kNativeHeaderSize + 4)
        return Fail(error, "it is too short");
    Reader head(bytes, 0, kNativeHeaderSize);
    WORD version = static_cast<WORD>(head.Get(2));
    const bool wide = head.Get(2) >= 2; // revision 2 holds UTF-16 text
    uint32_t bodyOffset = head.Get(4);
    head.Get(2);
    head.Get(4);
    std::string magic = head.Bytes(4);
    uint32_t bodyLength = head.Get(4);
    if (magic != std::string(kMagic, 4) || bodyOffset != kNativeHeaderSize)
        return Fail(error, "the header is not ours");
    if (version > kNativeVersion) {
        error = "the document was written by a newer version of the program";
        return false;
    }
    if (bodyLength != bytes.size() - kNativeHeaderSize - 4)
        return Fail(error, "its length does not match its header");
    Reader crc(bytes, bytes.size() - 4, bytes.size());
    if (crc.Get(4) != Crc32(bytes.data() + kNativeHeaderSize, bodyLength))
        return Fail(error, "its check sum does not match");

    Reader r(bytes, kNativeHeaderSize, kNativeHeaderSize + bodyLength);
    CRichDocument fresh;
    uint32_t nextId = r.Get(4);
    uint32_t formatCount = r.Get(4);
    if (!r.ok || formatCount == 0 || formatCount > 0xFFFF || formatCount > r.Left() / 16)
        return Fail(error, "the format table is wrong");
    std::vector<CRichCharFormat> formats(formatCount);
    for (CRichCharFormat& f : formats) {
        f.face = r.Bytes(r.Get(2));
        f.charset = static_cast<BYTE>(r.Get(1));
        f.family = static_cast<BYTE>(r.Get(1));
        f.halfPoints = static_cast<int32_t>(r.Get(4));
        f.color = r.Get(4);
        unsigned flags = r.Get(1);
        f.back = r.Get(4);
        f.hasBack = flags & 1;
        f.bold = flags & 2;
        f.italic = flags & 4;
        f.underline = flags & 8;
        f.strike = flags & 16;
        if (f.halfPoints < 1 || f.halfPoints > 3276 || f.family > 6 || flags > 31)
            return Fail(error, "a character format is out of range");
    }
    uint32_t textLength = r.Get(4);
    std::u16string text;
    if (wide) {
        if (textLength > r.Left() / 2)
            return Fail(error, "the text is cut short");
        text.reserve(textLength);
        for (uint32_t i = 0; i < textLength; ++i)
            text += static_cast<char16_t>(r.Get(2));
    } else {
        text = CodePageToUtf16(1252, r.Bytes(textLength));
    }
    if (!r.ok)
        return Fail(error, "the text is cut short");
    if (text.find(u'\0') != std::u16string::npos || text.find(u'\r') != std::u16string::npos)
        return Fail(error, "the text holds characters it cannot hold");
    uint32_t runCount = r.Get(4);
    if (!r.ok || runCount > r.Left() / 6)
        return Fail(error, "the run table is wrong");
    size_t pos = 0;
    for (uint32_t i = 0; i < runCount; ++i) {
        uint32_t length = r.Get(4);
        uint32_t format = r.Get(2);
        if (format >= formatCount || length == 0 || length > textLength - pos)
            return Fail(error, "a run is out of range");
        fresh.Append(text.substr(pos, length), formats[format]);
        pos += length;
    }
    if (pos != textLength)
        return Fail(error, "the runs do not cover the text");
    uint32_t fieldCount = r.Get(4);
    if (!r.ok || fieldCount > r.Left() / 21)
        return Fail(error, "the field table is wrong");
    DWORD maxId = 0;
    for (uint32_t i = 0; i < fieldCount; ++i) {
        CRichField f;
        f.id = r.Get(4);
        f.start = r.Get(4);
        f.length = r.Get(4);
        f.kind = static_cast<WORD>(r.Get(2));
        f.data = r.Get(4);
        f.type = static_cast<BYTE>(r.Get(1));
        const std::string name = r.Bytes(r.Get(2));
        f.typeText = wide ? Utf8ToUtf16(name) : CodePageToUtf16(1252, name);
        if (!r.ok || f.id == 0 || !fresh.AddField(f))
            return Fail(error, "a field is out of range or overlaps another");
        if (f.id > maxId)
            maxId = f.id;
    }
    if (!r.ok || r.Left() != 0)
        return Fail(error, "the body has trailing data");
    if (nextId == 0 || nextId <= maxId)
        return Fail(error, "the field numbering is wrong");
    fresh.SetNextFieldId(nextId);
    doc = std::move(fresh);
    return true;
}

} // namespace richtext
