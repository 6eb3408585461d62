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
//           revision 3 only: u32 paragraph format count, each: u8 alignment, i32 left
//             indent, i32 right indent, i32 first-line indent, i32 space before, i32 space
//             after, i32 line spacing (twips), u8 flags (1 line spacing is a multiple,
//             2 page break before); u32 run count, each: u32 paragraphs, u16 format
//           revision 4 only: u32 embedded content count, each: u32 field id, u8 kind,
//             u8 format, u8 flags (1 fixed), i32 width, i32 height, i32 x, i32 y (twips),
//             u16 class length, class, u16 name length, name (UTF-8), u32 data length, data
//           revision 5 only: u32 table row count, each: u32 paragraph, u8 flags (1
//             borders), u8 cell count, i32 right edge of each cell (twips)
//   trailer u32 CRC-32 of the body
// A document whose paragraphs all have the default format is written as revision 2, which
// programs that know no paragraph formats still read; one without images or objects as
// revision 3 at most, one without tables as revision 4 at most. Programs that know revision 3 refuse a revision 4 file (its body
// holds more than they read) rather than show its images and objects as bare characters. The fixed header passes the
// script-format detection for this format.
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"

#include <algorithm>
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

void WriteParagraphs(Writer& body, const CRichDocument& doc)
{
    std::vector<CRichParaFormat> formats;
    std::vector<std::pair<uint32_t, uint16_t>> runs;
    for (const CRichParaFormat& p : doc.ParaFormats()) {
        size_t i = std::find(formats.begin(), formats.end(), p) - formats.begin();
        if (i == formats.size())
            formats.push_back(p);
        if (!runs.empty() && runs.back().second == i)
            ++runs.back().first;
        else
            runs.emplace_back(1, static_cast<uint16_t>(i));
    }
    body.U32(static_cast<uint32_t>(formats.size()));
    for (const CRichParaFormat& p : formats) {
        body.U8(p.align);
        for (int v : {p.leftIndent, p.rightIndent, p.firstIndent, p.spaceBefore, p.spaceAfter,
                      p.lineSpacing})
            body.U32(static_cast<uint32_t>(v));
        body.U8((p.lineMultiple ? 1 : 0) | (p.pageBreakBefore ? 2 : 0));
    }
    body.U32(static_cast<uint32_t>(runs.size()));
    for (const auto& run : runs) {
        body.U32(run.first);
        body.U16(run.second);
    }
}

bool ReadParagraphs(Reader& r, CRichDocument& doc, std::string& error)
{
    const uint32_t count = r.Get(4);
    if (!r.ok || count == 0 || count > 0xFFFF || count > r.Left() / 26)
        return Fail(error, "the paragraph format table is wrong");
    std::vector<CRichParaFormat> formats(count);
    for (CRichParaFormat& p : formats) {
        p.align = static_cast<BYTE>(r.Get(1));
        for (int* v : {&p.leftIndent, &p.rightIndent, &p.firstIndent, &p.spaceBefore, &p.spaceAfter,
                       &p.lineSpacing})
            *v = static_cast<int32_t>(r.Get(4));
        const unsigned flags = r.Get(1);
        p.lineMultiple = flags & 1;
        p.pageBreakBefore = flags & 2;
        CRichParaFormat clamped = p;
        clamped.Clamp();
        if (!r.ok || flags > 3 || clamped != p)
            return Fail(error, "a paragraph format is out of range");
    }
    const uint32_t runCount = r.Get(4);
    if (!r.ok || runCount > r.Left() / 6)
        return Fail(error, "the paragraph run table is wrong");
    const size_t lines = doc.LastLine() + 1;
    size_t line = 0;
    for (uint32_t i = 0; i < runCount; ++i) {
        const uint32_t length = r.Get(4);
        const uint32_t format = r.Get(2);
        if (!r.ok || format >= count || length == 0 || length > lines - line)
            return Fail(error, "a paragraph run is out of range");
        for (uint32_t k = 0; k < length; ++k)
            doc.SetParaFormat(line++, formats[format]);
    }
    if (line != lines)
        return Fail(error, "the paragraph runs do not cover the text");
    return true;
}

void WriteObjects(Writer& body, const CRichDocument& doc)
{
    uint32_t count = 0;
    for (const CRichField& f : doc.Fields())
        count += f.object ? 1 : 0;
    body.U32(count);
    for (const CRichField& f : doc.Fields()) {
        if (!f.object)
            continue;
        const CRichObject& o = *f.object;
        body.U32(f.id);
        body.U8(o.kind);
        body.U8(o.format);
        body.U8(o.fixed ? 1 : 0);
        for (int v : {o.width, o.height, o.x, o.y})
            body.U32(static_cast<uint32_t>(v));
        body.Str16(o.className);
        body.Str16(Utf16ToUtf8(o.name));
        body.U32(static_cast<uint32_t>(o.data.size()));
        body.out += o.data;
    }
}

// The content of the embedded fields held back from the field table; each gets its own
// and only then joins the document.
bool ReadObjects(Reader& r, CRichDocument& doc, std::vector<CRichField>& embedded,
                 std::string& error)
{
    const uint32_t count = r.Get(4);
    if (!r.ok || count != embedded.size())
        return Fail(error, "the image and object table is wrong");
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t id = r.Get(4);
        auto o = std::make_shared<CRichObject>();
        o->kind = static_cast<BYTE>(r.Get(1));
        o->format = static_cast<BYTE>(r.Get(1));
        const uint32_t flags = r.Get(1);
        o->fixed = flags & 1;
        for (int* v : {&o->width, &o->height, &o->x, &o->y})
            *v = static_cast<int32_t>(r.Get(4));
        o->className = r.Bytes(r.Get(2));
        o->name = Utf8ToUtf16(r.Bytes(r.Get(2)));
        const uint32_t length = r.Get(4);
        if (!r.ok || length > r.Left() || flags > 1)
            return Fail(error, "an image or object is cut short");
        o->data = r.Bytes(length);
        auto it = std::find_if(embedded.begin(), embedded.end(),
                               [&](const CRichField& f) { return f.id == id && !f.object; });
        if (!r.ok || !o->IsValid() || it == embedded.end())
            return Fail(error, "an image or object is out of range");
        it->object = std::move(o);
    }
    for (const CRichField& f : embedded)
        if (!doc.AddField(f))
            return Fail(error, "an image or object field is out of range");
    return true;
}

void WriteTables(Writer& body, const CRichDocument& doc)
{
    const std::vector<CRichParaFormat>& paras = doc.ParaFormats();
    uint32_t count = 0;
    for (const CRichParaFormat& p : paras)
        count += p.IsTableRow() ? 1 : 0;
    body.U32(count);
    for (size_t line = 0; line < paras.size(); ++line) {
        const CRichParaFormat& p = paras[line];
        if (!p.IsTableRow())
            continue;
        body.U32(static_cast<uint32_t>(line));
        body.U8(p.borders ? 1 : 0);
        body.U8(static_cast<unsigned>(p.cells.size()));
        for (int edge : p.cells)
            body.U32(static_cast<uint32_t>(edge));
    }
}

bool ReadTables(Reader& r, CRichDocument& doc, std::string& error)
{
    const uint32_t count = r.Get(4);
    const size_t lines = doc.LastLine() + 1;
    if (!r.ok || count > lines)
        return Fail(error, "the table row table is wrong");
    for (uint32_t i = 0; i < count; ++i) {
        const uint32_t line = r.Get(4);
        const uint32_t flags = r.Get(1);
        const uint32_t cells = r.Get(1);
        if (!r.ok || line >= lines || flags > 1 || cells == 0 ||
            cells > CRichParaFormat::kMaxCells || cells > r.Left() / 4)
            return Fail(error, "a table row is out of range");
        CRichParaFormat p = doc.ParaFormat(line);
        p.borders = flags & 1;
        p.cells.resize(cells);
        for (int& edge : p.cells)
            edge = static_cast<int32_t>(r.Get(4));
        CRichParaFormat clamped = p;
        clamped.Clamp();
        if (clamped != p || doc.ParaFormat(line).IsTableRow())
            return Fail(error, "a table row's cells are out of range");
        doc.SetParaFormat(line, p);
    }
    return true;
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

    bool objects = false;
    for (const CRichField& f : doc.Fields())
        objects = objects || f.object != nullptr;
    bool tables = false;
    for (const CRichParaFormat& p : doc.ParaFormats())
        tables = tables || p.IsTableRow();
    objects = objects || tables;
    bool paragraphs = objects;
    for (const CRichParaFormat& p : doc.ParaFormats())
        paragraphs = paragraphs || !p.IsDefault();
    if (paragraphs)
        WriteParagraphs(body, doc);
    if (objects)
        WriteObjects(body, doc);
    if (tables)
        WriteTables(body, doc);

    Writer file;
    file.U16(kNativeVersion);
    file.U16(tables ? 5 : objects ? 4 : paragraphs ? 3 : 2);
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
    const uint32_t revision = head.Get(2);
    const bool wide = revision >= 2; // revision 2 holds UTF-16 text
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
    std::vector<CRichField> embedded; // they join once their content is read
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
        if (revision >= 4 && f.type == TXFIELDTYPE_EMBEDDED && r.ok && f.id != 0) {
            embedded.push_back(f);
        } else if (!r.ok || f.id == 0 || !fresh.AddField(f))
            return Fail(error, "a field is out of range or overlaps another");
        if (f.id > maxId)
            maxId = f.id;
    }
    if (revision >= 3 && !ReadParagraphs(r, fresh, error))
        return false;
    if (revision >= 4 && !ReadObjects(r, fresh, embedded, error))
        return false;
    if (revision >= 5 && !ReadTables(r, fresh, error))
        return false;
    if (!r.ok || r.Left() != 0)
        return Fail(error, "the body has trailing data");
    if (nextId == 0 || nextId <= maxId)
        return Fail(error, "the field numbering is wrong");
    fresh.SetNextFieldId(nextId);
    doc = std::move(fresh);
    return true;
}

} // namespace richtext
