// HTML in. Import reads back the block that export writes (one pre-wrapped block marked
// data-mq-paragraphs: every <p> after the first starts a paragraph, a <br> that ends a <p>
// adds nothing), the single pre-wrapped block with <br> line breaks that earlier versions
// wrote, and the formatting of everyday HTML (b/i/u/s/font elements, inline styles,
// headings, paragraphs with their alignment and margins, line breaks, entities); scripts,
// styles and the head are skipped.
#include "richtext/Codepage.h"
#include "fw/codepage.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace richtext {

namespace {

struct Element
{
    std::string name;
    CRichCharFormat fmt;
    CRichParaFormat para; // of the block it is or stands in
    CRichCharFormat mark; // of our own paragraph's line feed
    bool pre = false;
    bool field = false;
    size_t fieldStart = 0;
    WORD fieldKind = 0;
    DWORD fieldData = 0;
    BYTE fieldType = 0;
    std::u16string fieldName;
};

struct NamedColor
{
    const char* name;
    COLORREF c;
};
const NamedColor kColors[] = {
    {"black", 0x000000}, {"white", 0xFFFFFF},   {"red", 0x0000FF},     {"lime", 0x00FF00},
    {"green", 0x008000}, {"blue", 0xFF0000},    {"yellow", 0x00FFFF},  {"cyan", 0xFFFF00},
    {"aqua", 0xFFFF00},  {"magenta", 0xFF00FF}, {"fuchsia", 0xFF00FF}, {"gray", 0x808080},
    {"grey", 0x808080},  {"silver", 0xC0C0C0},  {"maroon", 0x000080},  {"navy", 0x800000},
    {"olive", 0x008080}, {"purple", 0x800080},  {"teal", 0x808000},    {"orange", 0x00A5FF}};

std::string Lower(std::string s)
{
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r\n\"'");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t\r\n\"'");
    return s.substr(b, e - b + 1);
}

bool ParseColor(std::string v, COLORREF& out)
{
    v = Lower(Trim(v));
    if (!v.empty() && v[0] == '#') {
        std::string h = v.substr(1);
        if (h.size() == 3)
            h = std::string {h[0], h[0], h[1], h[1], h[2], h[2]};
        if (h.size() != 6 || h.find_first_not_of("0123456789abcdef") != std::string::npos)
            return false;
        unsigned long rgb = std::strtoul(h.c_str(), nullptr, 16);
        out = static_cast<COLORREF>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
        return true;
    }
    if (v.compare(0, 4, "rgb(") == 0) {
        int r = 0, g = 0, b = 0;
        if (std::sscanf(v.c_str() + 4, "%d , %d , %d", &r, &g, &b) != 3)
            return false;
        auto clamp = [](int x) { return x < 0 ? 0 : x > 255 ? 255 : x; };
        out = static_cast<COLORREF>(clamp(r) | (clamp(g) << 8) | (clamp(b) << 16));
        return true;
    }
    for (const NamedColor& n : kColors)
        if (v == n.name) {
            out = n.c;
            return true;
        }
    return false;
}

class HtmlReader
{
public:
    explicit HtmlReader(const std::string& in) : m_in(in) { }

    bool Read(CRichDocument& out, std::string& error)
    {
        if (m_in.find('\0') != std::string::npos) {
            error = "the file holds binary data, not HTML";
            return false;
        }
        m_utf8 = LooksLikeUtf8();
        Element root;
        root.name = "#root";
        m_stack.push_back(root);
        size_t pos = m_in.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        while (pos < m_in.size()) {
            if (m_in[pos] == '<')
                pos = Tag(pos);
            else
                pos = Text(pos);
        }
        Flush();
        m_linePara.resize(m_line + 1);
        for (size_t l = 0; l < m_linePara.size(); ++l)
            m_doc.SetParaFormat(l, m_linePara[l]);
        out = std::move(m_doc);
        return true;
    }

private:
    bool LooksLikeUtf8() const
    {
        bool multi = false;
        for (size_t i = 0; i < m_in.size(); ++i) {
            unsigned char c = m_in[i];
            if (c < 0x80)
                continue;
            int extra = (c & 0xE0) == 0xC0 ? 1
                : (c & 0xF0) == 0xE0       ? 2
                : (c & 0xF8) == 0xF0       ? 3
                                           : -1;
            if (extra < 0 || i + extra >= m_in.size())
                return false;
            for (int k = 1; k <= extra; ++k)
                if ((static_cast<unsigned char>(m_in[i + k]) & 0xC0) != 0x80)
                    return false;
            i += extra;
            multi = true;
        }
        return multi;
    }

    Element& Top() { return m_stack.back(); }

    // Text characters. Outside pre-formatted text, white space collapses to one blank,
    // which is dropped at the start of a line and before a line break.
    void Put(char16_t c)
    {
        if (m_skipDepth > 0)
            return;
        RealizeOwedBreak();
        bool white = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (!Top().pre && white) {
            if (LastChar() != '\n' && LastChar() != 0 && !m_needBreak)
                m_pendingSpace = true;
            return;
        }
        if (m_needBreak) {
            if (LastChar() != '\n' && LastChar() != 0)
                PutRaw('\n');
            m_needBreak = false;
            m_pendingSpace = false;
        }
        if (m_pendingSpace) {
            PutRaw(' ');
            m_pendingSpace = false;
        }
        PutRaw(c);
    }

    void LineBreak()
    {
        if (m_skipDepth > 0)
            return;
        if (m_paragraphs) {
            // Owed until something follows in the same paragraph.
            RealizeOwedBreak();
            m_owedBreak = true;
            m_owedFmt = Top().fmt;
            return;
        }
        if (m_needBreak && LastChar() != '\n' && LastChar() != 0)
            PutRaw('\n'); // the block before ends first
        m_pendingSpace = false;
        m_needBreak = false;
        PutRaw('\n');
    }

    void RealizeOwedBreak()
    {
        if (!m_owedBreak)
            return;
        m_owedBreak = false;
        PutRaw('\n', &m_owedFmt);
    }

    // The current line's paragraph format: the first block that gives it text decides,
    // unless a paragraph of our own block sets it (force).
    void AssignLine(const CRichParaFormat& p, bool force)
    {
        if (m_linePara.size() <= m_line)
            m_linePara.resize(m_line + 1);
        if (!m_lineAssigned || force)
            m_linePara[m_line] = p;
        m_lineAssigned = true;
    }

    void BlockBoundary()
    {
        m_needBreak = true;
        m_pendingSpace = false;
    }

    void PutRaw(char16_t c, const CRichCharFormat* fmt = nullptr)
    {
        if (c == '\r')
            return;
        const CRichCharFormat& f = fmt ? *fmt : Top().fmt;
        if (m_pending.empty() || !(f == m_pendingFmt)) {
            Flush();
            m_pendingFmt = f;
        }
        m_pending += c;
        AssignLine(Top().para, false);
        if (c == '\n') {
            ++m_line;
            m_lineAssigned = false;
        }
    }

    char16_t LastChar() const
    {
        if (!m_pending.empty())
            return m_pending.back();
        return m_doc.Length() ? m_doc.Text().back() : 0;
    }

    void Flush()
    {
        if (!m_pending.empty()) {
            m_doc.Append(m_pending, m_pendingFmt);
            m_pending.clear();
        }
    }

    size_t Text(size_t pos)
    {
        size_t end = m_in.find('<', pos);
        if (end == std::string::npos)
            end = m_in.size();
        const std::u16string run = Decode(m_in.substr(pos, end - pos));
        for (char16_t c : run)
            Put(c);
        return end;
    }

    std::u16string Decode(const std::string& bytes) const
    {
        const std::u16string raw = m_utf8 ? Utf8ToUtf16(bytes) : AnsiToUtf16(bytes);
        std::u16string text;
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != '&') {
                text += raw[i];
                continue;
            }
            size_t semi = raw.find(u';', i);
            if (semi == std::u16string::npos || semi - i > 10) {
                text += '&';
                continue;
            }
            const std::u16string wideName = raw.substr(i + 1, semi - i - 1);
            const std::string name(wideName.begin(), wideName.end()); // entity names are ASCII
            char32_t u = 0;
            if (!name.empty() && name[0] == '#') {
                bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
                u = static_cast<char32_t>(
                    std::strtoul(name.c_str() + (hex ? 2 : 1), nullptr, hex ? 16 : 10));
                if (u > 0x10FFFF || (u >= 0xD800 && u < 0xE000))
                    u = 0xFFFD;
            } else {
                static const struct
                {
                    const char* n;
                    char32_t u;
                } ents[] = {
                    {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
                    {"apos", '\''},    {"nbsp", 0xA0},    {"laquo", 0xAB},   {"raquo", 0xBB},
                    {"copy", 0xA9},    {"mdash", 0x2014}, {"ndash", 0x2013}, {"hellip", 0x2026},
                    {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
                    {"euro", 0x20AC},  {"eacute", 0xE9},  {"egrave", 0xE8},  {"ecirc", 0xEA},
                    {"aacute", 0xE1},  {"agrave", 0xE0},  {"acirc", 0xE2},   {"auml", 0xE4},
                    {"ccedil", 0xE7},  {"iacute", 0xED},  {"oacute", 0xF3},  {"ouml", 0xF6},
                    {"uacute", 0xFA},  {"uuml", 0xFC},    {"ntilde", 0xF1},  {"szlig", 0xDF},
                    {"Eacute", 0xC9},  {"Auml", 0xC4},    {"Ouml", 0xD6},    {"Uuml", 0xDC}};
                for (const auto& e : ents)
                    if (name == e.n)
                        u = e.u;
            }
            if (u == 0) {
                text += '&';
                continue;
            }
            text += Utf8ToUtf16([u] {
                std::string one;
                fw::AppendUtf8(u, one);
                return one;
            }());
            i = semi;
        }
        return text;
    }

    // Attribute value of name, decoded, or "" (found says whether it was there).
    std::string Attribute(const std::string& attrs, const char* name, bool* found = nullptr) const
    {
        std::string low = Lower(attrs);
        std::string key = name;
        size_t at = 0;
        while ((at = low.find(key, at)) != std::string::npos) {
            bool startOk =
                at == 0 || low[at - 1] == ' ' || low[at - 1] == '\t' || low[at - 1] == '\n';
            size_t p = at + key.size();
            while (p < low.size() && low[p] == ' ')
                ++p;
            if (!startOk || p >= low.size() || low[p] != '=') {
                at += key.size();
                continue;
            }
            ++p;
            while (p < low.size() && low[p] == ' ')
                ++p;
            std::string v;
            if (p < attrs.size() && (attrs[p] == '"' || attrs[p] == '\'')) {
                size_t q = attrs.find(attrs[p], p + 1);
                v = attrs.substr(p + 1, (q == std::string::npos ? attrs.size() : q) - p - 1);
            } else {
                size_t q = attrs.find_first_of(" \t\n>", p);
                v = attrs.substr(p, (q == std::string::npos ? attrs.size() : q) - p);
            }
            if (found)
                *found = true;
            return Utf16ToUtf8(Decode(v)); // UTF-8: names are made text again where used
        }
        if (found)
            *found = false;
        return std::string();
    }

    // A CSS length in twips (pt, px, in, cm, mm, pc; a bare number only when 0).
    static bool ParseLength(const std::string& low, int& twips)
    {
        char* end = nullptr;
        const double v = std::strtod(low.c_str(), &end);
        if (end == low.c_str())
            return false;
        const std::string unit = Trim(std::string(end));
        double scale = 0;
        if (unit == "pt")
            scale = 20;
        else if (unit == "px")
            scale = 15;
        else if (unit == "in")
            scale = 1440;
        else if (unit == "cm")
            scale = 1440 / 2.54;
        else if (unit == "mm")
            scale = 144 / 2.54;
        else if (unit == "pc")
            scale = 240;
        else if (unit.empty() && v == 0)
            scale = 1;
        else
            return false;
        const double t = v * scale;
        if (!(t > -1e6 && t < 1e6))
            return false;
        twips = static_cast<int>(t < 0 ? t - 0.5 : t + 0.5);
        return true;
    }

    // Paragraph properties of a block's style.
    static void ApplyParagraphStyle(const std::string& prop, const std::string& low,
                                    const CRichParaFormat& parent, CRichParaFormat& p)
    {
        int t = 0;
        if (prop == "text-align") {
            if (low == "center")
                p.align = TXALIGN_CENTER;
            else if (low == "right" || low == "end")
                p.align = TXALIGN_RIGHT;
            else if (low == "justify")
                p.align = TXALIGN_JUSTIFY;
            else if (low == "left" || low == "start")
                p.align = TXALIGN_LEFT;
        } else if (prop == "margin") {
            // One to four lengths: top, right, bottom, left.
            int v[4];
            int n = 0;
            size_t pos = 0;
            while (n < 4 && pos < low.size()) {
                size_t next = low.find(' ', pos);
                if (next == std::string::npos)
                    next = low.size();
                std::string part = low.substr(pos, next - pos);
                pos = next + 1;
                if (part.empty())
                    continue;
                if (!ParseLength(part, v[n]))
                    v[n] = 0;
                ++n;
            }
            if (n == 0)
                return;
            const int top = v[0], right = n > 1 ? v[1] : v[0], bottom = n > 2 ? v[2] : v[0],
                      left = n > 3 ? v[3] : right;
            p.spaceBefore = top;
            p.spaceAfter = bottom;
            p.leftIndent = parent.leftIndent + left;
            p.rightIndent = parent.rightIndent + right;
        } else if (prop == "margin-left" && ParseLength(low, t)) {
            p.leftIndent = parent.leftIndent + t;
        } else if (prop == "margin-right" && ParseLength(low, t)) {
            p.rightIndent = parent.rightIndent + t;
        } else if (prop == "margin-top" && ParseLength(low, t)) {
            p.spaceBefore = t;
        } else if (prop == "margin-bottom" && ParseLength(low, t)) {
            p.spaceAfter = t;
        } else if (prop == "text-indent" && ParseLength(low, t)) {
            p.firstIndent = t;
        } else if (prop == "line-height") {
            const double v = std::atof(low.c_str());
            if (low == "normal") {
                p.lineSpacing = 0;
                p.lineMultiple = false;
            } else if (!low.empty() && low.back() == '%' && v > 0 && v < 1000) {
                p.lineSpacing = static_cast<int>(v * 2.4 + 0.5);
                p.lineMultiple = true;
            } else if (ParseLength(low, t) && t > 0) {
                p.lineSpacing = -t; // exactly
                p.lineMultiple = false;
            } else if (v > 0 && v < 10 &&
                       low.find_first_not_of("0123456789.") == std::string::npos) {
                p.lineSpacing = static_cast<int>(v * 240 + 0.5);
                p.lineMultiple = true;
            }
        } else if (prop == "--mq-line-rule") {
            if (low == "at-least" && p.lineSpacing < 0 && !p.lineMultiple)
                p.lineSpacing = -p.lineSpacing;
        } else if (prop == "page-break-before" || prop == "break-before") {
            p.pageBreakBefore = low == "always" || low == "page";
        }
        p.Clamp();
    }

    void ApplyStyle(const std::string& style, Element& e, const CRichParaFormat* parent = nullptr)
    {
        size_t pos = 0;
        while (pos < style.size()) {
            size_t semi = style.find(';', pos);
            if (semi == std::string::npos)
                semi = style.size();
            std::string decl = style.substr(pos, semi - pos);
            pos = semi + 1;
            size_t colon = decl.find(':');
            if (colon == std::string::npos)
                continue;
            std::string prop = Lower(Trim(decl.substr(0, colon)));
            std::string val = Trim(decl.substr(colon + 1));
            std::string low = Lower(val);
            COLORREF c;
            if (prop == "color" && ParseColor(val, c)) {
                e.fmt.color = c;
            } else if ((prop == "background-color" || prop == "background") && ParseColor(val, c)) {
                e.fmt.hasBack = true;
                e.fmt.back = c;
            } else if (prop == "font-family") {
                std::string face = Trim(val.substr(0, val.find(',')));
                if (!face.empty() && face.size() < 64)
                    e.fmt.face = face;
            } else if (prop == "font-size") {
                double v = std::atof(low.c_str());
                if (low.find("px") != std::string::npos)
                    v = v * 0.75;
                if (v >= 1 && v <= 1638)
                    e.fmt.halfPoints = static_cast<int>(v * 2 + 0.5);
            } else if (prop == "font-weight") {
                e.fmt.bold = low == "bold" || low == "bolder" || std::atoi(low.c_str()) >= 600;
            } else if (prop == "font-style") {
                e.fmt.italic = low == "italic" || low == "oblique";
            } else if (prop == "text-decoration" || prop == "text-decoration-line") {
                e.fmt.underline = low.find("underline") != std::string::npos;
                e.fmt.strike = low.find("line-through") != std::string::npos;
            } else if (prop == "white-space") {
                e.pre = low.compare(0, 3, "pre") == 0;
            } else if (parent) {
                ApplyParagraphStyle(prop, low, *parent, e.para);
            }
        }
    }

    static bool IsBlock(const std::string& n)
    {
        static const char* const blocks[] = {
            "p",   "div",   "h1", "h2", "h3", "h4", "h5", "h6", "li",     "tr",     "blockquote",
            "pre", "table", "ul", "ol", "dl", "dt", "dd", "hr", "center", "address"};
        for (const char* b : blocks)
            if (n == b)
                return true;
        return false;
    }

    static bool IsVoid(const std::string& n)
    {
        static const char* const voids[] = {"br",     "img",   "meta", "link", "hr",
                                            "input",  "col",   "area", "base", "wbr",
                                            "source", "embed", "param"};
        for (const char* v : voids)
            if (n == v)
                return true;
        return false;
    }

    static bool IsSkipped(const std::string& n)
    {
        // An object's content is what shows where it cannot: never text of the document.
        return n == "head" || n == "script" || n == "style" || n == "title" || n == "noscript" ||
            n == "object";
    }

    size_t Tag(size_t pos)
    {
        if (m_in.compare(pos, 4, "<!--") == 0) {
            size_t end = m_in.find("-->", pos + 4);
            return end == std::string::npos ? m_in.size() : end + 3;
        }
        size_t end = m_in.find('>', pos);
        if (end == std::string::npos)
            return m_in.size();
        std::string body = m_in.substr(pos + 1, end - pos - 1);
        if (body.empty() || body[0] == '!' || body[0] == '?')
            return end + 1;
        bool closing = body[0] == '/';
        size_t nameStart = closing ? 1 : 0;
        size_t nameEnd = body.find_first_of(" \t\r\n/", nameStart);
        if (nameEnd == std::string::npos)
            nameEnd = body.size();
        std::string name = Lower(body.substr(nameStart, nameEnd - nameStart));
        std::string attrs = body.substr(nameEnd);
        if (name.empty())
            return end + 1;
        if (closing)
            Close(name);
        else
            Open(name, attrs, !attrs.empty() && attrs.back() == '/');
        return end + 1;
    }

    // An image or object of a data: address, as an embedded field.
    void ReadEmbedded(const std::string& name, const std::string& attrs)
    {
        const std::string src = Attribute(attrs, name == "img" ? "src" : "data");
        const size_t comma = src.find(',');
        if (src.compare(0, 5, "data:") != 0 || comma == std::string::npos || comma < 12 ||
            src.compare(comma - 7, 7, ";base64") != 0)
            return;
        const std::string bytes = Base64Decode(src.substr(comma + 1));
        CRichObject o;
        std::string error;
        bool isObject = false;
        const std::string cls = Attribute(attrs, "data-mq-class", &isObject);
        if (name == "img") {
            if (!ImageFromFile(bytes, o, error))
                return;
        } else if (isObject) {
            o = ObjectFromFile(std::string(), bytes);
            o.className = cls;
            o.name = Utf8ToUtf16(Attribute(attrs, "data-mq-name"));
        } else {
            return;
        }
        const int w = std::atoi(Attribute(attrs, "data-mq-width").c_str());
        const int h = std::atoi(Attribute(attrs, "data-mq-height").c_str());
        if (w > 0 && h > 0) {
            o.width = w;
            o.height = h;
        }
        bool fixed = false;
        const std::string at = Attribute(attrs, "data-mq-fixed", &fixed);
        if (fixed) {
            o.fixed = true;
            o.x = std::atoi(at.c_str());
            const size_t sep = at.find(',');
            o.y = sep == std::string::npos ? 0 : std::atoi(at.c_str() + sep + 1);
        }
        if (!o.IsValid())
            return;
        RealizeOwedBreak();
        if (m_needBreak && LastChar() != '\n' && LastChar() != 0)
            PutRaw('\n');
        if (m_pendingSpace && !m_needBreak)
            PutRaw(' ');
        m_needBreak = false;
        m_pendingSpace = false;
        PutRaw(kObjectChar);
        Flush();
        CRichField f;
        f.kind = o.kind == CRichObject::kImage ? TXFIELD_IMAGE : TXFIELD_OBJECT;
        f.type = TXFIELDTYPE_EMBEDDED;
        f.start = m_doc.Length() - 1;
        f.length = 1;
        f.object = std::make_shared<const CRichObject>(std::move(o));
        m_doc.AddField(f);
    }

    void Open(const std::string& name, const std::string& attrs, bool selfClosing)
    {
        if ((name == "img" || name == "object") && m_skipDepth == 0)
            ReadEmbedded(name, attrs);
        if (IsSkipped(name)) {
            if (!selfClosing) {
                ++m_skipDepth;
                Element e = Top();
                e.name = name;
                e.field = false;
                m_stack.push_back(e);
            }
            return;
        }
        if (name == "br") {
            LineBreak();
            return;
        }
        const bool ownParagraph = m_paragraphs && name == "p";
        if (ownParagraph) {
            // Every paragraph of our own block after the first starts a line; its line
            // feed has the format of the paragraph it ends.
            m_owedBreak = false;
            if (!m_firstParagraph && m_skipDepth == 0)
                PutRaw('\n', &m_closedFmt);
            m_firstParagraph = false;
        } else if (IsBlock(name)) {
            BlockBoundary();
        }
        if (name == "a") {
            RealizeOwedBreak();
            bool hasName = false;
            std::u16string target = Utf8ToUtf16(Attribute(attrs, "name", &hasName));
            if (!hasName)
                target = Utf8ToUtf16(Attribute(attrs, "id", &hasName));
            if (hasName && !target.empty() && m_skipDepth == 0 && m_doc.FindTarget(target) == 0) {
                Flush();
                CRichField f;
                f.kind = TXFIELD_TARGET;
                f.type = TXFIELDTYPE_TARGET;
                f.typeText = target;
                f.start = m_doc.Length();
                m_doc.AddField(f);
            }
        }
        if (IsVoid(name) || selfClosing || m_stack.size() > 2000)
            return;
        Element e = Top();
        e.name = name;
        e.field = false;
        const bool block = IsBlock(name);
        const CRichParaFormat parent = e.para;
        if (block) {
            // What a block does not take from the block around it.
            e.para.spaceBefore = e.para.spaceAfter = 0;
            e.para.pageBreakBefore = false;
            const std::string align = Lower(Trim(Attribute(attrs, "align")));
            if (!align.empty())
                ApplyParagraphStyle("text-align", align, parent, e.para);
            if (name == "center")
                e.para.align = TXALIGN_CENTER;
        }
        if (name == "div" && Attribute(attrs, "data-mq-paragraphs") == "1" && m_skipDepth == 0 &&
            m_doc.Length() == 0 && m_pending.empty()) {
            m_paragraphs = true;
            m_firstParagraph = true;
        }
        if (name == "b" || name == "strong")
            e.fmt.bold = true;
        else if (name == "i" || name == "em")
            e.fmt.italic = true;
        else if (name == "u" || name == "ins")
            e.fmt.underline = true;
        else if (name == "s" || name == "strike" || name == "del")
            e.fmt.strike = true;
        else if (name == "pre")
            e.pre = true;
        else if (name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6') {
            static const int sizes[] = {48, 36, 28, 24, 20, 16};
            e.fmt.bold = true;
            e.fmt.halfPoints = sizes[name[1] - '1'];
        } else if (name == "font") {
            COLORREF c;
            if (ParseColor(Attribute(attrs, "color"), c))
                e.fmt.color = c;
            std::string face = Trim(Attribute(attrs, "face"));
            if (!face.empty() && face.size() < 64)
                e.fmt.face = face.substr(0, face.find(','));
            int size = std::atoi(Attribute(attrs, "size").c_str());
            static const int sizes[] = {16, 20, 24, 28, 36, 48, 72};
            if (size >= 1 && size <= 7)
                e.fmt.halfPoints = sizes[size - 1];
        }
        ApplyStyle(Attribute(attrs, "style"), e, block ? &parent : nullptr);
        bool isField = false;
        std::string kind = Attribute(attrs, "data-mq-field", &isField);
        bool hasHref = false;
        const std::string href = name == "a" ? Attribute(attrs, "href", &hasHref) : std::string();
        if (!isField && hasHref && !href.empty() && m_skipDepth == 0) {
            // Everyday HTML's link: a hyperlink over its text. A blank or line end owed
            // before it goes before it.
            RealizeOwedBreak();
            if (m_needBreak && LastChar() != '\n' && LastChar() != 0)
                PutRaw('\n');
            if (m_pendingSpace && !m_needBreak)
                PutRaw(' ');
            m_needBreak = false;
            m_pendingSpace = false;
            Flush();
            e.field = true;
            e.fieldStart = m_doc.Length();
            e.fieldKind = TXFIELD_HYPERLINK;
            e.fieldData = 0;
            e.fieldType = TXFIELDTYPE_LINK;
            e.fieldName = Utf8ToUtf16(href);
        }
        if (isField && m_skipDepth == 0) {
            RealizeOwedBreak();
            Flush();
            e.field = true;
            e.fieldStart = m_doc.Length();
            // The line feeds that lead the field's text were written as paragraph ends.
            const std::string leadText = Attribute(attrs, "data-mq-lead");
            size_t lead = std::strtoul(leadText.c_str(), nullptr, 10);
            const std::u16string& text = m_doc.Text();
            while (lead > 0 && e.fieldStart > 0 && text[e.fieldStart - 1] == '\n' &&
                   !InField(e.fieldStart - 1)) {
                --e.fieldStart;
                --lead;
            }
            e.fieldKind = static_cast<WORD>(std::strtoul(kind.c_str(), nullptr, 10));
            e.fieldData = static_cast<DWORD>(
                std::strtoul(Attribute(attrs, "data-mq-data").c_str(), nullptr, 10));
            e.fieldType = static_cast<BYTE>(
                std::strtoul(Attribute(attrs, "data-mq-type").c_str(), nullptr, 10));
            e.fieldName = Utf8ToUtf16(Attribute(attrs, "data-mq-name"));
        }
        if (ownParagraph) {
            const std::string edges = Attribute(attrs, "data-mq-cells");
            for (size_t at = 0; at < edges.size();) {
                e.para.cells.push_back(std::atoi(edges.c_str() + at));
                const size_t comma = edges.find(',', at);
                at = comma == std::string::npos ? edges.size() : comma + 1;
            }
            bool borders = false;
            Attribute(attrs, "data-mq-borders", &borders);
            e.para.borders = borders;
            e.para.Clamp();
        }
        m_stack.push_back(e);
        if (ownParagraph && m_skipDepth == 0)
            AssignLine(e.para, true);
        if (ownParagraph) {
            Element mark = Top();
            ApplyStyle(Attribute(attrs, "data-mq-mark"), mark);
            m_stack.back().mark = mark.fmt;
        }
    }

    bool InField(size_t pos) const
    {
        for (const CRichField& f : m_doc.Fields())
            if (pos >= f.start && pos < f.end())
                return true;
        return false;
    }

    void Close(const std::string& name)
    {
        size_t at = m_stack.size();
        while (at > 1 && m_stack[at - 1].name != name)
            --at;
        if (at <= 1)
            return; // a closing tag without its opening one
        while (m_stack.size() >= at) {
            Element e = m_stack.back();
            m_stack.pop_back();
            if (IsSkipped(e.name) && m_skipDepth > 0)
                --m_skipDepth;
            if (m_paragraphs && e.name == "p") {
                m_owedBreak = false; // a <br> that ends a paragraph adds nothing
                m_closedFmt = e.mark;
            }
            if (e.field) {
                RealizeOwedBreak();
                Flush();
                CRichField f;
                f.kind = e.fieldKind;
                f.data = e.fieldData;
                f.type = e.fieldType;
                f.typeText = e.fieldName;
                f.start = e.fieldStart;
                f.length = m_doc.Length() - e.fieldStart;
                if (f.length > 0 || f.type != TXFIELDTYPE_LINK)
                    m_doc.AddField(f); // a link that shows nothing is no link
            }
        }
        if (IsBlock(name) && !(m_paragraphs && name == "p"))
            BlockBoundary();
    }

    const std::string& m_in;
    bool m_utf8 = false;
    std::vector<Element> m_stack;
    int m_skipDepth = 0;
    bool m_needBreak = false;
    bool m_pendingSpace = false;
    CRichDocument m_doc;
    std::u16string m_pending;
    CRichCharFormat m_pendingFmt;
    // Our own paragraph block (data-mq-paragraphs): its <p>s are the paragraphs.
    bool m_paragraphs = false;
    bool m_firstParagraph = true;
    bool m_owedBreak = false; // a <br> read, its line feed not yet placed
    CRichCharFormat m_owedFmt;
    CRichCharFormat m_closedFmt; // of the paragraph closed last
    // The paragraph format of every line so far.
    size_t m_line = 0;
    bool m_lineAssigned = false;
    std::vector<CRichParaFormat> m_linePara;
};

} // namespace

bool ReadHtml(const std::string& bytes, CRichDocument& doc, std::string& error)
{
    return HtmlReader(bytes).Read(doc, error);
}

} // namespace richtext
