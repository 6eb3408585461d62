// HTML out and in. Export writes the text in one pre-wrapped block with <br> line breaks,
// each stretch of formatting as a styled span (font, size, colour, background, bold,
// italic, underline, strike), fields as spans with data-mq-* attributes and targets as
// named anchors. Import reads that back and reads the formatting of everyday HTML
// (b/i/u/s/font elements, inline styles, headings, paragraphs, line breaks, entities);
// scripts, styles and the head are skipped.
#include "richtext/Codepage.h"
#include "fw/codepage.h"
#include "richtext/DocumentFormats.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace richtext {

namespace {

std::string ColorText(COLORREF c)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%02x%02x%02x", static_cast<unsigned>(c & 0xFF),
                  static_cast<unsigned>((c >> 8) & 0xFF), static_cast<unsigned>((c >> 16) & 0xFF));
    return buf;
}

void AppendHtml(std::string& out, const std::u16string& text, bool attribute)
{
    for (size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\n':
            out += attribute ? "&#10;" : "<br>";
            break;
        default:
            if (c >= 0x80 || (c < 0x20 && c != '\t')) {
                char32_t u = c;
                if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                    text[i + 1] < 0xE000)
                    u = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
                out += "&#" + std::to_string(static_cast<unsigned>(u)) + ";";
            } else {
                out += static_cast<char>(c);
            }
        }
    }
}

void AppendHtml(std::string& out, const std::string& ansi, bool attribute)
{
    AppendHtml(out, AnsiToUtf16(ansi), attribute);
}

std::string SpanStyle(const CRichCharFormat& f)
{
    std::string face;
    for (char c : f.face)
        if (c != '\'' && c != ';' && c != '"')
            face += c; // the quoting of the style leaves no room for these
    std::string s = "font-family:'" + face + "';font-size:" + std::to_string(f.halfPoints / 2) +
        (f.halfPoints % 2 ? ".5" : "") + "pt;color:" + ColorText(f.color);
    if (f.hasBack)
        s += ";background-color:" + ColorText(f.back);
    if (f.bold)
        s += ";font-weight:bold";
    if (f.italic)
        s += ";font-style:italic";
    if (f.underline || f.strike)
        s += std::string(";text-decoration:") + (f.underline ? "underline" : "") +
            (f.underline && f.strike ? " " : "") + (f.strike ? "line-through" : "");
    return s;
}

void WriteRange(std::string& out, const CRichDocument& doc, size_t lo, size_t hi)
{
    size_t i = lo;
    while (i < hi) {
        const size_t j = doc.FormatRunEnd(i, hi);
        std::string style;
        AppendHtml(style, SpanStyle(doc.FormatAt(i)), true);
        out += "<span style=\"" + style + "\">";
        AppendHtml(out, doc.Text().substr(i, j - i), false);
        out += "</span>";
        i = j;
    }
}

} // namespace

std::string WriteHtml(const CRichDocument& doc)
{
    std::string out =
        "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"generator\" content=\"Marquill\">\n<title>Script</title>\n</head>\n<body>\n"
        "<div style=\"white-space:pre-wrap\">";
    size_t pos = 0;
    for (const CRichField& f : doc.Fields()) {
        WriteRange(out, doc, pos, f.start);
        std::string name;
        AppendHtml(name, f.typeText, true);
        if (f.type == TXFIELDTYPE_TARGET && f.length == 0) {
            out += "<a name=\"" + name + "\" id=\"" + name + "\"></a>";
        } else {
            out += "<span data-mq-field=\"" + std::to_string(f.kind) + "\" data-mq-data=\"" +
                std::to_string(f.data) + "\" data-mq-type=\"" + std::to_string(f.type) +
                "\" data-mq-name=\"" + name + "\">";
            WriteRange(out, doc, f.start, f.end());
            out += "</span>";
        }
        pos = f.end();
    }
    WriteRange(out, doc, pos, doc.Length());
    out += "</div>\n</body>\n</html>\n";
    return out;
}

namespace {

struct Element
{
    std::string name;
    CRichCharFormat fmt;
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
        m_pendingSpace = false;
        m_needBreak = false;
        PutRaw('\n');
    }

    void BlockBoundary()
    {
        m_needBreak = true;
        m_pendingSpace = false;
    }

    void PutRaw(char16_t c)
    {
        if (c == '\r')
            return;
        if (m_pending.empty() || !(Top().fmt == m_pendingFmt)) {
            Flush();
            m_pendingFmt = Top().fmt;
        }
        m_pending += c;
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

    void ApplyStyle(const std::string& style, Element& e)
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
        return n == "head" || n == "script" || n == "style" || n == "title" || n == "noscript";
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

    void Open(const std::string& name, const std::string& attrs, bool selfClosing)
    {
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
        if (IsBlock(name))
            BlockBoundary();
        if (name == "a") {
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
        ApplyStyle(Attribute(attrs, "style"), e);
        bool isField = false;
        std::string kind = Attribute(attrs, "data-mq-field", &isField);
        if (isField && m_skipDepth == 0) {
            Flush();
            e.field = true;
            e.fieldStart = m_doc.Length();
            e.fieldKind = static_cast<WORD>(std::strtoul(kind.c_str(), nullptr, 10));
            e.fieldData = static_cast<DWORD>(
                std::strtoul(Attribute(attrs, "data-mq-data").c_str(), nullptr, 10));
            e.fieldType = static_cast<BYTE>(
                std::strtoul(Attribute(attrs, "data-mq-type").c_str(), nullptr, 10));
            e.fieldName = Utf8ToUtf16(Attribute(attrs, "data-mq-name"));
        }
        m_stack.push_back(e);
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
            if (e.field) {
                Flush();
                CRichField f;
                f.kind = e.fieldKind;
                f.data = e.fieldData;
                f.type = e.fieldType;
                f.typeText = e.fieldName;
                f.start = e.fieldStart;
                f.length = m_doc.Length() - e.fieldStart;
                m_doc.AddField(f);
            }
        }
        if (IsBlock(name))
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
};

} // namespace

bool ReadHtml(const std::string& bytes, CRichDocument& doc, std::string& error)
{
    return HtmlReader(bytes).Read(doc, error);
}

} // namespace richtext
