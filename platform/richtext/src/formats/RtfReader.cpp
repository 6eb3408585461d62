// RTF in: what our writer writes (text-control fields, bookmarks) and the everyday RTF of
// word processors (fonts, sizes, colours, highlighting, bold, italic, underline, strike,
// Unicode characters, field results, hyperlink fields) with paragraph formats (alignment, indents, spacing,
// line spacing, page breaks: \page ends its paragraph and breaks the page before the next,
// as \pagebb does for its own paragraph), pictures (bitmaps, PNG, JPEG; other kinds are
// skipped) and the objects our writer writes, each as an embedded field. Tables' structure,
// styles and document information are skipped. The reader keeps its own group stack, so deep nesting
// costs memory, not stack; input that ends inside a group is refused as cut short.
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>

namespace richtext {

namespace {

enum Destination {
    kText,
    kSkip,
    kFontTable,
    kFontEntry,
    kColorTable,
    kBookmarkStart,
    kBookmarkEnd,
    kFieldStart,
    kFieldEnd,
    kFieldName,
    kFieldInfo,
    kFieldInst, // the instruction of an everyday \field
    kPicture, // \pict: its words and hexadecimal data
    kObject, // \object: its words; its groups are parts
    kObjectPart, // a group of an object, until a word says which part
    kObjectClass,
    kObjectName,
    kObjectData,
    kObjectPos, // where a fixed image or object stands
};

struct FontEntry
{
    std::string face;
    int family = 0;
    int charset = 0;
};

struct GroupState
{
    Destination dest = kText;
    CRichCharFormat fmt;
    CRichParaFormat para;
    int ucSkip = 1;
    int ucPending = 0; // characters still to skip after \u
    std::u16string collected; // text of a collecting destination
    int fontNumber = -1; // font table entry being read
    int fontFamily = 0;
    int fontCharset = 0;
};

const size_t kMaxDepth = 10000;

// Destinations whose content is never text of the document.
const char* const kSkipped[] = {"stylesheet",
                                "info",
                                "pict",
                                "header",
                                "headerl",
                                "headerr",
                                "headerf",
                                "footer",
                                "footerl",
                                "footerr",
                                "footerf",
                                "footnote",
                                "annotation",
                                "atnid",
                                "listtable",
                                "listoverridetable",
                                "rsidtbl",
                                "generator",
                                "xmlnstbl",
                                "fldinst",
                                "object",
                                "shp",
                                "shpinst",
                                "nonshppict",
                                "pntext",
                                "listtext",
                                "pnseclvl",
                                "themedata",
                                "colorschememapping",
                                "latentstyles",
                                "datastore",
                                "ftnsep",
                                "ftnsepc",
                                "aftnsep",
                                "aftnsepc",
                                "template",
                                "txfieldtext",
                                "txfielddatadef",
                                "revtbl",
                                "filetbl",
                                "bkmkend",
                                "xe",
                                "tc",
                                "txe",
                                "rxe",
                                "comment",
                                "title",
                                "subject",
                                "author",
                                "operator",
                                "keywords",
                                "doccomm",
                                "userprops",
                                "mmathPr",
                                "wgrffmtfilter",
                                "pgdsctbl"};

class RtfReader
{
public:
    RtfReader(const std::string& in) : m_in(in) { }

    bool Read(CRichDocument& out, std::string& error)
    {
        if (m_in.compare(0, 5, "{\\rtf") != 0) {
            error = "the file is not RTF: it does not start with {\\rtf";
            return false;
        }
        m_stack.emplace_back();
        m_stack.back().dest = kSkip; // outside the document's group
        size_t pos = 0;
        bool closed = false;
        while (pos < m_in.size() && !closed) {
            char c = m_in[pos];
            if (c == '{') {
                if (m_stack.size() >= kMaxDepth) {
                    error = "the RTF text nests its groups too deeply";
                    return false;
                }
                GroupState inner = m_stack.back();
                inner.collected.clear();
                if (inner.dest == kFontTable)
                    inner.dest = kFontEntry;
                else if (inner.dest == kObject)
                    inner.dest = kObjectPart;
                else if (inner.dest == kPicture || inner.dest >= kObjectClass)
                    inner.dest = kSkip; // \*\blipuid and the like
                m_stack.push_back(inner);
                if (m_stack.size() == 2)
                    m_stack.back().dest = kText;
                m_skipNext = false;
                ++pos;
            } else if (c == '}') {
                EndGroup();
                ++pos;
                if (m_stack.size() == 1)
                    closed = true;
            } else if (c == '\\') {
                pos = ControlWord(pos + 1);
                if (pos == std::string::npos) {
                    error = "the RTF text is cut short";
                    return false;
                }
            } else if (c == '\r' || c == '\n' || c == '\0') {
                ++pos;
            } else {
                Character(static_cast<unsigned char>(c));
                ++pos;
            }
        }
        if (!closed) {
            error = "the RTF text is cut short: its groups are not closed";
            return false;
        }
        Flush();
        if (m_link.depth != 0)
            CloseLink();
        if (m_field.open)
            CloseField();
        AssignEndedLines(m_finalPara);
        if (m_rowEndsText && m_lineCount > 0 && m_doc.Length() > 0 && m_doc.Text().back() == '\n') {
            // The last row's end is the end of the text, not a paragraph after it.
            m_doc.Replace(m_doc.Length() - 1, m_doc.Length(), std::u16string(), CRichCharFormat());
            --m_lineCount;
        }
        for (size_t l = 0; l <= m_lineCount && l < m_ended.size() + 1; ++l)
            m_doc.SetParaFormat(l, l < m_ended.size() ? m_ended[l] : WithPageBreak(m_finalPara, l));
        out = std::move(m_doc);
        return true;
    }

private:
    GroupState& Top() { return m_stack.back(); }

    // Bytes (\'hh and raw characters) wait in their code page until a character of another
    // kind or code page comes, so that a double-byte character is decoded whole.
    void FlushBytes()
    {
        if (!m_bytes.empty()) {
            m_pending += CodePageToUtf16(m_bytesCodePage, m_bytes);
            m_bytes.clear();
        }
    }

    void Flush()
    {
        FlushBytes();
        if (!m_pending.empty()) {
            const size_t before = m_doc.Length();
            m_doc.Append(m_pending, m_pendingFmt);
            m_lineCount += static_cast<size_t>(
                std::count(m_doc.Text().begin() + before, m_doc.Text().end(), u'\n'));
            m_pending.clear();
        }
    }

    CRichParaFormat WithPageBreak(CRichParaFormat p, size_t line) const
    {
        if (m_pageLines.count(line))
            p.pageBreakBefore = true;
        return p;
    }

    // Paragraphs ended since the last call take the paragraph words in force at their mark.
    void AssignEndedLines(const CRichParaFormat& p)
    {
        Flush();
        while (m_ended.size() < m_lineCount)
            m_ended.push_back(WithPageBreak(p, m_ended.size()));
    }

    // The code page of the text's bytes: its font's character set, else the document's.
    unsigned CodePageOf(const CRichCharFormat& f) const
    {
        unsigned cp = CharsetCodePage(f.charset);
        return cp ? cp : m_ansiCodePage;
    }

    // One character of the document: a byte of the code page (isByte) or a UTF-16 unit.
    void Emit(char16_t c, bool isByte)
    {
        GroupState& g = Top();
        if (g.ucPending > 0) {
            --g.ucPending;
            return;
        }
        switch (g.dest) {
        case kText: {
            m_rowEndsText = false;
            m_rowPar = false;
            if ((m_pending.empty() && m_bytes.empty()) || !(g.fmt == m_pendingFmt)) {
                Flush();
                m_pendingFmt = g.fmt;
            }
            if (!isByte) {
                FlushBytes();
                m_pending += c;
                if (c == '\n')
                    AssignEndedLines(g.para);
                break;
            }
            const unsigned cp = CodePageOf(g.fmt);
            if (!m_bytes.empty() && cp != m_bytesCodePage)
                FlushBytes();
            m_bytesCodePage = cp;
            m_bytes += static_cast<char>(c);
            break;
        }
        case kFontEntry:
        case kFontTable:
            if (c == ';')
                StoreFont(g);
            else
                g.collected += c;
            break;
        case kPicture:
        case kObjectData:
            if (m_hex.size() < 2 * CRichObject::kMaxData + 2)
                m_hex += static_cast<char>(c);
            break;
        case kColorTable:
            if (c == ';') {
                m_colors.push_back(m_colorSet ? m_color : 0);
                m_colorAuto.push_back(!m_colorSet);
                m_color = 0;
                m_colorSet = false;
            }
            break;
        case kBookmarkStart:
        case kBookmarkEnd:
        case kFieldStart:
        case kFieldName:
        case kFieldInst:
        case kObjectClass:
        case kObjectName:
            if (g.collected.size() < 4096) {
                if (isByte && c >= 0x80)
                    g.collected +=
                        CodePageToUtf16(CodePageOf(g.fmt), std::string(1, static_cast<char>(c)));
                else
                    g.collected += c;
            }
            break;
        default:
            break;
        }
    }

    void Character(unsigned char c) { Emit(c, true); }

    void StoreFont(GroupState& g)
    {
        if (g.fontNumber >= 0) {
            FontEntry& f = m_fonts[g.fontNumber];
            const std::string face = Utf16ToAnsi(g.collected);
            size_t b = face.find_first_not_of(' ');
            f.face = b == std::string::npos ? std::string() : face.substr(b);
            while (!f.face.empty() && f.face.back() == ' ')
                f.face.pop_back();
            f.family = g.fontFamily;
            f.charset = g.fontCharset;
        }
        g.collected.clear();
        g.fontNumber = -1;
    }

    void EndGroup()
    {
        if (m_stack.size() <= 1)
            return;
        if (m_stack.size() == 2)
            m_finalPara = m_stack.back().para; // the document's last paragraph
        GroupState g = std::move(m_stack.back());
        m_stack.pop_back();
        if (m_link.depth > m_stack.size())
            CloseLink();
        switch (g.dest) {
        case kPicture:
            EndPicture();
            break;
        case kObjectClass:
            m_object.className = Utf16ToAnsi(g.collected);
            break;
        case kObjectName:
            m_object.name = g.collected;
            break;
        case kObjectData:
            m_object.data = HexDecode(m_hex) + m_binary;
            m_objectHasData = true;
            m_hex.clear();
            m_binary.clear();
            break;
        case kObject:
            if (m_objectHasData) {
                m_object.kind = CRichObject::kObject;
                m_object.format = CRichObject::kFileData;
                PlaceObject(m_object, TXFIELD_OBJECT);
            }
            m_object = CRichObject();
            m_objectHasData = false;
            break;
        case kFieldInst:
            if (Top().dest == kFieldInst)
                Top().collected += g.collected; // {\fldinst {HYPERLINK ...}}
            else if (m_link.depth != 0 && m_link.instruction.size() < 4096)
                m_link.instruction += g.collected;
            break;
        case kFontEntry:
            if (g.fontNumber >= 0)
                StoreFont(g);
            break;
        case kBookmarkStart:
            Flush();
            if (!g.collected.empty() && m_doc.FindTarget(g.collected) == 0) {
                CRichField f;
                f.kind = TXFIELD_TARGET;
                f.type = TXFIELDTYPE_TARGET;
                f.typeText = g.collected;
                f.start = m_doc.Length();
                m_doc.AddField(f);
            }
            break;
        case kFieldName:
            m_info.name = g.collected;
            break;
        case kFieldInfo:
            m_info.present = true;
            break;
        case kFieldStart:
            Flush();
            if (m_field.open)
                CloseField();
            StartField(ParseHex(g.collected));
            break;
        case kFieldEnd:
            Flush();
            if (m_field.open)
                CloseField();
            break;
        default:
            break;
        }
        m_skipNext = false;
    }

    static DWORD ParseHex(const std::u16string& s)
    {
        DWORD v = 0;
        for (char16_t c : s) {
            int d = (c >= '0' && c <= '9') ? c - '0'
                : (c >= 'a' && c <= 'f')   ? c - 'a' + 10
                : (c >= 'A' && c <= 'F')   ? c - 'A' + 10
                                           : -1;
            if (d >= 0)
                v = (v << 4) | static_cast<DWORD>(d);
        }
        return v;
    }

    // A field starts here; its text takes in the line feeds just read before it: as many
    // as its info group says, or, without one, the paragraph mark that puts an
    // instruction on a line of its own.
    void StartField(DWORD data)
    {
        size_t lead = m_info.present ? m_info.lead : 1;
        size_t start = m_doc.Length();
        const std::u16string& text = m_doc.Text();
        for (; lead > 0 && start > 0 && text[start - 1] == '\n'; --lead) {
            bool inField = false;
            for (const CRichField& f : m_doc.Fields())
                inField = inField || (f.length && start - 1 >= f.start && start - 1 < f.end());
            if (inField)
                break;
            --start;
        }
        m_field = OpenField();
        m_field.open = true;
        m_field.start = start;
        m_field.data = data;
        if (m_info.present) {
            m_field.kind = m_info.kind;
            m_field.type = m_info.type;
            m_field.name = m_info.name;
        }
        m_info = FieldInfo();
    }

    void ObjectWord(GroupState& g, const std::string& w, bool hasParam, long p)
    {
        const int v = hasParam ? static_cast<int>(p) : 0;
        if (g.dest == kObjectPart) {
            if (w == "objclass")
                Enter(kObjectClass);
            else if (w == "mqobjname")
                Enter(kObjectName);
            else if (w == "mqobjdata")
                Enter(kObjectData);
            else
                Enter(kSkip); // \result, \objdata ...
        } else if (g.dest == kObjectPos) {
            if (w == "mqobjx")
                m_position.x = v;
            else if (w == "mqobjy")
                m_position.y = v;
            m_position.set = true;
        } else if (g.dest == kObject) {
            if (w == "objw")
                m_object.width = v;
            else if (w == "objh")
                m_object.height = v;
        } else if (w == "dibitmap") {
            m_picture.format = CRichObject::kDib;
        } else if (w == "pngblip") {
            m_picture.format = CRichObject::kPng;
        } else if (w == "jpegblip") {
            m_picture.format = CRichObject::kJpeg;
        } else if (w == "picwgoal") {
            m_picture.goalW = v;
        } else if (w == "pichgoal") {
            m_picture.goalH = v;
        } else if (w == "picw") {
            m_picture.w = v;
        } else if (w == "pich") {
            m_picture.h = v;
        } else if (w == "picscalex") {
            m_picture.scaleX = v;
        } else if (w == "picscaley") {
            m_picture.scaleY = v;
        } else if (w == "wmetafile" || w == "emfblip" || w == "macpict" || w == "wbitmap" ||
                   w == "pmmetafile") {
            m_picture.format = -1;
        }
    }

    // A picture group closed: an image when its kind is one we show and its data is sound.
    void EndPicture()
    {
        const std::string data = HexDecode(m_hex) + m_binary;
        m_hex.clear();
        m_binary.clear();
        int w = 0, h = 0;
        if (m_picture.format < 0 || !PictureSize(static_cast<BYTE>(m_picture.format), data, w, h)) {
            m_position = Position();
            return;
        }
        CRichObject o;
        o.kind = CRichObject::kImage;
        o.format = static_cast<BYTE>(m_picture.format);
        o.data = data;
        // The size shown: the goal size (else the pixels at 96 an inch), scaled.
        const long long gw = m_picture.goalW > 0 ? m_picture.goalW : w * 15LL;
        const long long gh = m_picture.goalH > 0 ? m_picture.goalH : h * 15LL;
        const long long sx = m_picture.scaleX > 0 ? m_picture.scaleX : 100;
        const long long sy = m_picture.scaleY > 0 ? m_picture.scaleY : 100;
        o.width = static_cast<int>(std::min<long long>(gw * sx / 100, CRichObject::kMaxSize));
        o.height = static_cast<int>(std::min<long long>(gh * sy / 100, CRichObject::kMaxSize));
        PlaceObject(o, TXFIELD_IMAGE);
    }

    // An image or object read: its character in the format of the group around it.
    void PlaceObject(CRichObject o, WORD kind)
    {
        o.fixed = m_position.set;
        o.x = m_position.x;
        o.y = m_position.y;
        m_position = Position();
        if (!o.IsValid())
            return;
        Flush();
        m_doc.Append(std::u16string(1, kObjectChar), Top().fmt);
        CRichField f;
        f.kind = kind;
        f.type = TXFIELDTYPE_EMBEDDED;
        f.start = m_doc.Length() - 1;
        f.length = 1;
        f.object = std::make_shared<const CRichObject>(std::move(o));
        m_doc.AddField(f);
    }

    // The everyday field whose group just closed: a hyperlink when its instruction says so
    // and it showed some text.
    void CloseLink()
    {
        Flush();
        const LinkField link = std::move(m_link);
        m_link = LinkField();
        std::u16string address;
        if (!link.inResult || m_doc.Length() <= link.resultStart ||
            !ParseHyperlink(link.instruction, link.local, address))
            return;
        CRichField f;
        f.kind = TXFIELD_HYPERLINK;
        f.type = TXFIELDTYPE_LINK;
        f.typeText = address;
        f.start = link.resultStart;
        f.length = m_doc.Length() - link.resultStart;
        m_doc.AddField(f); // a link over another field is dropped, its text stays
    }

    // HYPERLINK "address" (the address runs to the last quote), HYPERLINK address, and with
    // the \l switch a place in the document: "#name".
    static bool ParseHyperlink(const std::u16string& in, bool local, std::u16string& address)
    {
        size_t b = in.find_first_not_of(u" \t");
        static const char16_t kWord[] = u"HYPERLINK";
        for (size_t k = 0; k < 9; ++k) {
            const size_t at = b == std::u16string::npos ? in.size() : b + k;
            if (at >= in.size() || (in[at] & ~0x20) != kWord[k])
                return false;
        }
        std::u16string rest = in.substr(b + 9);
        if (rest.find(u"\\l") != std::u16string::npos)
            local = true;
        const size_t q1 = rest.find(u'"'), q2 = rest.rfind(u'"');
        if (q1 != std::u16string::npos && q2 > q1) {
            address = rest.substr(q1 + 1, q2 - q1 - 1);
        } else {
            size_t s = 0;
            for (;;) {
                s = rest.find_first_not_of(u" \t", s);
                if (s == std::u16string::npos)
                    return false;
                if (rest[s] != '\\')
                    break;
                s = rest.find_first_of(u" \t", s); // a switch
            }
            address = rest.substr(s, rest.find_first_of(u" \t", s) - s);
        }
        if (address.empty())
            return false;
        if (local && address[0] != '#')
            address.insert(address.begin(), u'#');
        return true;
    }

    void CloseField()
    {
        CRichField f;
        f.kind = m_field.kind;
        f.type = m_field.type;
        f.data = m_field.data;
        f.typeText = m_field.name;
        f.start = m_field.start;
        f.length = m_doc.Length() - m_field.start;
        m_doc.AddField(f); // a field that would overlap another is dropped
        m_field = OpenField();
    }

    // Reads a control word or symbol after its backslash; npos when the input ends.
    size_t ControlWord(size_t pos)
    {
        if (pos >= m_in.size())
            return std::string::npos;
        char c = m_in[pos];
        if (!IsLetter(c)) {
            ++pos;
            switch (c) {
            case '\'': {
                if (pos + 2 > m_in.size())
                    return std::string::npos;
                int hi = HexDigit(m_in[pos]), lo = HexDigit(m_in[pos + 1]);
                if (hi >= 0 && lo >= 0)
                    Emit(static_cast<char16_t>(hi * 16 + lo), true);
                return pos + 2;
            }
            case '\\':
            case '{':
            case '}':
                Emit(static_cast<char16_t>(c), false);
                return pos;
            case '~':
                Emit(0xA0, false);
                return pos;
            case '_':
                Emit(u'-', false);
                return pos;
            case '*':
                m_skipNext = true;
                return pos;
            case '\r':
            case '\n':
                Word("par", false, 0);
                return pos;
            case '\t':
                Emit(u'\t', false);
                return pos;
            default:
                return pos; // \- \| \: and unknown symbols
            }
        }
        size_t begin = pos;
        while (pos < m_in.size() && IsLetter(m_in[pos]) && pos - begin < 32)
            ++pos;
        std::string word = m_in.substr(begin, pos - begin);
        while (pos < m_in.size() && IsLetter(m_in[pos]))
            ++pos; // an overlong word is read whole and not recognised
        bool hasParam = false, negative = false;
        long long param = 0;
        if (pos < m_in.size() && m_in[pos] == '-') {
            negative = true;
            ++pos;
        }
        while (pos < m_in.size() && m_in[pos] >= '0' && m_in[pos] <= '9') {
            if (param < 100000000000LL)
                param = param * 10 + (m_in[pos] - '0');
            hasParam = true;
            ++pos;
        }
        if (negative)
            param = -param;
        if (pos < m_in.size() && m_in[pos] == ' ')
            ++pos;
        if (word == "bin" && hasParam) {
            if (param < 0 || static_cast<unsigned long long>(param) > m_in.size() - pos)
                return std::string::npos;
            const Destination d = Top().dest;
            if ((d == kPicture || d == kObjectData) &&
                m_binary.size() + static_cast<size_t>(param) <= CRichObject::kMaxData)
                m_binary.append(m_in, pos, static_cast<size_t>(param));
            return pos + static_cast<size_t>(param);
        }
        Word(word, hasParam,
             static_cast<long>(param > 2147483647LL        ? 2147483647LL
                                   : param < -2147483647LL ? -2147483647LL
                                                           : param));
        return pos;
    }

    static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static int HexDigit(char c)
    {
        return (c >= '0' && c <= '9') ? c - '0'
            : (c >= 'a' && c <= 'f')  ? c - 'a' + 10
            : (c >= 'A' && c <= 'F')  ? c - 'A' + 10
                                      : -1;
    }

    void Enter(Destination d)
    {
        Top().dest = d;
        Top().collected.clear();
    }

    void Word(const std::string& w, bool hasParam, long p)
    {
        GroupState& g = Top();
        bool skipUnknown = m_skipNext;
        m_skipNext = false;
        if (g.dest == kSkip)
            return;

        // Destinations.
        if (w == "fonttbl")
            return Enter(kFontTable);
        if (w == "colortbl") {
            m_colors.clear();
            m_colorAuto.clear();
            return Enter(kColorTable);
        }
        if (w == "bkmkstart")
            return Enter(kBookmarkStart);
        if (w == "txfieldstart")
            return Enter(kFieldStart);
        if (w == "txfieldend")
            return Enter(kFieldEnd);
        if (w == "mqfieldinfo") {
            m_info = FieldInfo();
            return Enter(kFieldInfo);
        }
        if (w == "mqfieldname")
            return Enter(kFieldName);
        if (w == "shppict")
            return; // the picture inside is the one to show
        if (w == "pict") {
            m_picture = PictureWords();
            m_hex.clear();
            m_binary.clear();
            return Enter(kPicture);
        }
        if (w == "object") {
            m_object = CRichObject();
            m_objectHasData = false;
            return Enter(kObject);
        }
        if (w == "mqobjpos") {
            m_position = Position();
            return Enter(kObjectPos);
        }
        if (g.dest == kPicture || g.dest == kObject || g.dest == kObjectPart ||
            g.dest == kObjectPos)
            return ObjectWord(g, w, hasParam, p);
        if (w == "field") {
            // A field's result is ordinary text; a hyperlink's becomes a hyperlink field.
            Flush();
            if (m_link.depth != 0)
                CloseLink(); // fields in fields: the inner one ends the outer one's link
            m_link = LinkField();
            m_link.depth = m_stack.size();
            return;
        }
        if (w == "fldinst")
            return Enter(m_link.depth == m_stack.size() - 1 ? kFieldInst : kSkip);
        if (w == "fldrslt") {
            Flush();
            if (m_link.depth == m_stack.size() - 1 && !m_link.inResult) {
                m_link.inResult = true;
                m_link.resultStart = m_doc.Length();
            }
            return;
        }
        if (g.dest == kFieldInst) {
            if (w == "l")
                m_link.local = true; // HYPERLINK \l "bookmark"
            return;
        }
        for (const char* s : kSkipped)
            if (w == s)
                return Enter(kSkip);

        // What a field's info group and its start group say.
        if (g.dest == kFieldInfo) {
            if (w == "mqfieldkind" && hasParam)
                m_info.kind = static_cast<WORD>(p);
            else if (w == "mqfieldtype" && hasParam)
                m_info.type = static_cast<BYTE>(p);
            else if (w == "mqfieldlead" && hasParam)
                m_info.lead = p < 0 ? 0 : p > 16 ? 16 : static_cast<size_t>(p);
            return;
        }
        if (g.dest == kFieldStart) {
            if (w == "txfieldtype")
                g.collected.clear();
            return;
        }

        // Font table entries.
        if (g.dest == kFontTable || g.dest == kFontEntry) {
            if (w == "f" && hasParam) {
                if (g.dest == kFontTable && g.fontNumber >= 0)
                    StoreFont(g);
                g.fontNumber = static_cast<int>(p);
                g.collected.clear();
            } else if (w == "fcharset" && hasParam) {
                g.fontCharset = static_cast<int>(p);
            } else {
                static const char* const fam[] = {"fnil",    "froman", "fswiss", "fmodern",
                                                  "fscript", "fdecor", "ftech"};
                for (int i = 0; i < 7; ++i)
                    if (w == fam[i])
                        g.fontFamily = i;
                if (skipUnknown)
                    Enter(kSkip); // \*\panose, \*\falt ...
            }
            return;
        }
        if (g.dest == kColorTable) {
            long v = p < 0 ? 0 : p > 255 ? 255 : p;
            if (w == "red")
                m_color = (m_color & 0xFFFF00) | v, m_colorSet = true;
            else if (w == "green")
                m_color = (m_color & 0xFF00FF) | (v << 8), m_colorSet = true;
            else if (w == "blue")
                m_color = (m_color & 0x00FFFF) | (v << 16), m_colorSet = true;
            return;
        }

        if (w == "ansicpg" && hasParam) {
            if (p > 0 && p < 65536)
                m_ansiCodePage = static_cast<unsigned>(p);
            return;
        }
        if (w == "deff" && hasParam) {
            m_defaultFont = static_cast<int>(p);
            return;
        }
        if (w == "uc" && hasParam) {
            g.ucSkip = p < 0 ? 0 : p > 8 ? 8 : static_cast<int>(p);
            return;
        }
        if (w == "u" && hasParam) {
            long u = p < -32768 || p > 65535 ? 0xFFFD : p < 0 ? p + 65536 : p;
            if (u != 0)
                Emit(static_cast<char16_t>(u), false);
            g.ucPending = g.ucSkip;
            return;
        }
        if (CharacterWord(g, w, hasParam, p))
            return;
        if (ParagraphWord(g.para, w, hasParam, p))
            return;
        if (w == "mqrowend") {
            m_rowPar = true; // the \par after it is the row's end again, for the prompter
            m_rowEndsText = false; // and the row's end is a line end of the text
            return Enter(kSkip);
        }
        if (w == "par" && m_rowPar) {
            m_rowPar = false;
            return;
        }
        if (w == "trowd") {
            m_row.clear();
            m_rowBorders = false;
            return;
        }
        if (w == "cellx" && hasParam) {
            if (m_row.size() < CRichParaFormat::kMaxCells)
                m_row.push_back(static_cast<int>(p));
            return;
        }
        if (w.compare(0, 6, "clbrdr") == 0) {
            m_rowBorders = true;
            return;
        }
        if (w == "cell" && g.dest == kText) {
            Emit(kCellChar, false);
            return;
        }
        if (w == "row" && g.dest == kText) {
            // The last cell's \cell ends the row, not another cell; the row's paragraph
            // takes its cells.
            FlushBytes();
            if (!m_pending.empty() && m_pending.back() == kCellChar)
                m_pending.pop_back();
            const CRichParaFormat saved = g.para;
            g.para.cells = m_row;
            g.para.borders = m_rowBorders;
            g.para.Clamp();
            Emit(u'\n', false);
            g.para = saved;
            m_rowEndsText = true;
            return;
        }
        if (SpecialCharacter(w)) {
            if (w == "page" && Top().dest == kText) {
                AssignEndedLines(Top().para);
                m_pageLines.insert(m_lineCount);
            }
            return;
        }
        if (skipUnknown)
            Enter(kSkip);
    }

    bool CharacterWord(GroupState& g, const std::string& w, bool hasParam, long p)
    {
        CRichCharFormat& f = g.fmt;
        bool on = !hasParam || p != 0;
        if (w == "plain") {
            f = CRichCharFormat();
            ApplyFont(f, m_defaultFont);
        } else if (w == "f" && hasParam) {
            ApplyFont(f, static_cast<int>(p));
        } else if (w == "fs" && hasParam) {
            if (p >= 1 && p <= 3276)
                f.halfPoints = static_cast<int>(p);
        } else if (w == "cf" && hasParam) {
            f.color = ColorAt(p, 0);
        } else if ((w == "cb" || w == "highlight" || w == "chcbpat") && hasParam) {
            f.hasBack = p > 0 && p < static_cast<long>(m_colors.size()) && !m_colorAuto[p];
            f.back = f.hasBack ? m_colors[p] : 0xFFFFFF;
        } else if (w == "b") {
            f.bold = on;
        } else if (w == "i") {
            f.italic = on;
        } else if (w == "ul" || w == "uld" || w == "uldb" || w == "ulw" || w == "uldash" ||
                   w == "ulth" || w == "ulwave") {
            f.underline = on;
        } else if (w == "ulnone") {
            f.underline = false;
        } else if (w == "strike" || w == "striked") {
            f.strike = on;
        } else {
            return false;
        }
        return true;
    }

    static bool ParagraphWord(CRichParaFormat& f, const std::string& w, bool hasParam, long p)
    {
        const int v = static_cast<int>(hasParam ? p : 0);
        if (w == "pard")
            f = CRichParaFormat();
        else if (w == "ql")
            f.align = TXALIGN_LEFT;
        else if (w == "qc")
            f.align = TXALIGN_CENTER;
        else if (w == "qr")
            f.align = TXALIGN_RIGHT;
        else if (w == "qj" || w == "qd")
            f.align = TXALIGN_JUSTIFY;
        else if (w == "li" || w == "lin")
            f.leftIndent = v;
        else if (w == "ri" || w == "rin")
            f.rightIndent = v;
        else if (w == "fi")
            f.firstIndent = v;
        else if (w == "sb")
            f.spaceBefore = v;
        else if (w == "sa")
            f.spaceAfter = v;
        else if (w == "sl") {
            f.lineSpacing = v;
            f.lineMultiple = false;
        } else if (w == "slmult")
            f.lineMultiple = v != 0;
        else if (w == "pagebb")
            f.pageBreakBefore = !hasParam || p != 0;
        else
            return false;
        f.Clamp();
        return true;
    }

    void ApplyFont(CRichCharFormat& f, int n)
    {
        auto it = m_fonts.find(n);
        if (it == m_fonts.end() || it->second.face.empty())
            return;
        f.face = it->second.face;
        f.family = static_cast<BYTE>(
            it->second.family >= 0 && it->second.family <= 6 ? it->second.family : 0);
        f.charset = static_cast<BYTE>(it->second.charset);
    }

    COLORREF ColorAt(long index, COLORREF fallback) const
    {
        if (index < 0 || index >= static_cast<long>(m_colors.size()) || m_colorAuto[index])
            return fallback;
        return m_colors[index];
    }

    bool SpecialCharacter(const std::string& w)
    {
        struct Special
        {
            const char* word;
            char16_t c;
        };
        static const Special table[] = {
            {"par", u'\n'},        {"line", u'\n'},       {"sect", u'\n'},     {"page", u'\n'},
            {"row", u'\n'},        {"tab", u'\t'},        {"cell", u'\t'},     {"emdash", 0x2014},
            {"endash", 0x2013},    {"bullet", 0x2022},    {"lquote", 0x2018},  {"rquote", 0x2019},
            {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002},
            {"qmspace", 0x2005}};
        for (const Special& s : table)
            if (w == s.word) {
                GroupState& g = Top();
                int saved = g.ucPending;
                g.ucPending = 0;
                Emit(s.c, false);
                g.ucPending = saved;
                return true;
            }
        return false;
    }

    struct FieldInfo
    {
        bool present = false;
        WORD kind = TXFIELD_INSTRUCTION;
        BYTE type = 0;
        size_t lead = 0;
        std::u16string name;
    };

    struct OpenField
    {
        bool open = false;
        size_t start = 0;
        WORD kind = TXFIELD_INSTRUCTION;
        BYTE type = 0;
        DWORD data = 0;
        std::u16string name;
    };

    const std::string& m_in;
    std::vector<GroupState> m_stack;
    CRichDocument m_doc;
    std::u16string m_pending;
    std::string m_bytes; // bytes not yet decoded, all in m_bytesCodePage
    unsigned m_bytesCodePage = 1252;
    unsigned m_ansiCodePage = 1252; // \ansicpg
    CRichCharFormat m_pendingFmt;
    std::map<int, FontEntry> m_fonts;
    int m_defaultFont = 0;
    std::vector<COLORREF> m_colors;
    std::vector<bool> m_colorAuto;
    COLORREF m_color = 0;
    bool m_colorSet = false;
    bool m_skipNext = false;
    struct LinkField
    {
        size_t depth = 0; // the stack depth of the field's group; 0: none open
        std::u16string instruction;
        bool local = false;
        bool inResult = false;
        size_t resultStart = 0;
    };

    struct PictureWords
    {
        int format = -1; // CRichObject's, or -1: a kind not shown
        int w = 0, h = 0, goalW = 0, goalH = 0, scaleX = 100, scaleY = 100;
    };
    struct Position
    {
        bool set = false;
        int x = 0, y = 0;
    };

    std::vector<int> m_row; // the cells of the table row being read (\trowd, \cellx)
    bool m_rowBorders = false;
    bool m_rowEndsText = false; // nothing came after the last \row
    bool m_rowPar = false; // a \par that only repeats the row's end comes next
    PictureWords m_picture;
    CRichObject m_object; // the object being read
    bool m_objectHasData = false;
    Position m_position; // of the next image or object: fixed there
    std::string m_hex; // the data of the picture or object being read
    std::string m_binary; // ... given with \bin
    OpenField m_field;
    FieldInfo m_info;
    LinkField m_link; // the everyday \field being read
    size_t m_lineCount = 0; // line feeds in m_doc
    std::vector<CRichParaFormat> m_ended; // formats of the paragraphs whose mark was read
    std::set<size_t> m_pageLines; // paragraphs that follow a \page
    CRichParaFormat m_finalPara; // the words in force when the document's group closed
};

} // namespace

bool ReadRtf(const std::string& bytes, CRichDocument& doc, std::string& error)
{
    return RtfReader(bytes).Read(doc, error);
}

} // namespace richtext
