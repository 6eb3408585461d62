// HTML out. Export writes one pre-wrapped block marked data-mq-paragraphs, each paragraph in
// it a <p> styled with its format (alignment, margins, first-line indent, line height, page
// break) and each stretch of formatting as a styled span (font, size, colour, background,
// bold, italic, underline, strike); fields are spans with data-mq-* attributes (the line
// feeds that lead a field's text are paragraph ends before it, counted in data-mq-lead; a
// line feed inside a field is a <br>), hyperlinks links with the same attributes, targets
// named anchors; images are <img> and objects <object> whose data is in a data: address (a
// bitmap as a bitmap file), with their exact size and a fixed one's place in data-mq-*
// attributes. In such a block every <p> after the first starts a paragraph and a <br> that
// ends a <p> adds nothing (it only gives an empty paragraph its height).
#include "richtext/Codepage.h"
#include "fw/codepage.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"

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

std::string Points(int twips)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%gpt", twips / 20.0);
    return buf;
}

std::string ParagraphStyle(const CRichParaFormat& p)
{
    static const char* const aligns[] = {"left", "center", "right", "justify"};
    std::string s = "margin:0";
    if (p.align != TXALIGN_LEFT)
        s += std::string(";text-align:") + aligns[p.align <= TXALIGN_JUSTIFY ? p.align : 0];
    if (p.leftIndent)
        s += ";margin-left:" + Points(p.leftIndent);
    if (p.rightIndent)
        s += ";margin-right:" + Points(p.rightIndent);
    if (p.firstIndent)
        s += ";text-indent:" + Points(p.firstIndent);
    if (p.spaceBefore)
        s += ";margin-top:" + Points(p.spaceBefore);
    if (p.spaceAfter)
        s += ";margin-bottom:" + Points(p.spaceAfter);
    if (p.lineSpacing && p.lineMultiple) {
        char buf[32];
        std::snprintf(buf, sizeof buf, ";line-height:%g", p.lineSpacing / 240.0);
        s += buf;
    } else if (p.lineSpacing) {
        s += ";line-height:" + Points(p.lineSpacing < 0 ? -p.lineSpacing : p.lineSpacing);
        if (p.lineSpacing > 0)
            s += ";--mq-line-rule:at-least";
    }
    if (p.pageBreakBefore)
        s += ";page-break-before:always";
    return s;
}

class HtmlWriter
{
public:
    explicit HtmlWriter(const CRichDocument& doc) : m_doc(doc) { }

    std::string Write()
    {
        m_lineStarts.push_back(0);
        for (size_t i = 0; i < m_doc.Length(); ++i)
            if (m_doc.Text()[i] == '\n')
                m_lineStarts.push_back(i + 1);
        m_out = "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                "<meta name=\"generator\" content=\"Marquill\">\n<title>Script</title>\n"
                "</head>\n<body>\n<div data-mq-paragraphs=\"1\" style=\"white-space:pre-wrap\">";
        OpenParagraph();
        size_t pos = 0;
        for (const CRichField& f : m_doc.Fields()) {
            Range(pos, f.start, true);
            if (f.object) {
                WriteObject(*f.object);
                pos = f.end();
                continue;
            }
            std::string name;
            AppendHtml(name, f.typeText, true);
            if (f.type == TXFIELDTYPE_TARGET && f.length == 0) {
                m_out += "<a name=\"" + name + "\" id=\"" + name + "\"></a>";
            } else {
                size_t lead = 0;
                while (lead < f.length && m_doc.Text()[f.start + lead] == '\n')
                    ++lead;
                Range(f.start, f.start + lead, true);
                const bool link = f.type == TXFIELDTYPE_LINK;
                m_out += link ? "<a href=\"" + name + "\"" : std::string("<span");
                m_out += " data-mq-field=\"" + std::to_string(f.kind) + "\" data-mq-data=\"" +
                    std::to_string(f.data) + "\" data-mq-type=\"" + std::to_string(f.type) +
                    "\" data-mq-name=\"" + name + "\"" +
                    (lead ? " data-mq-lead=\"" + std::to_string(lead) + "\"" : std::string()) + ">";
                Range(f.start + lead, f.end(), false);
                m_out += link ? "</a>" : "</span>";
            }
            pos = f.end();
        }
        Range(pos, m_doc.Length(), true);
        CloseParagraph();
        m_out += "</div>\n</body>\n</html>\n";
        return std::move(m_out);
    }

private:
    void WriteObject(const CRichObject& o)
    {
        char size[160];
        std::snprintf(
            size, sizeof size,
            " data-mq-width=\"%d\" data-mq-height=\"%d\" style=\"width:%gpt;height:%gpt\"", o.width,
            o.height, o.width / 20.0, o.height / 20.0);
        std::string common = size;
        if (o.fixed)
            common += " data-mq-fixed=\"" + std::to_string(o.x) + "," + std::to_string(o.y) + "\"";
        if (o.kind == CRichObject::kImage) {
            const char* mime = o.format == CRichObject::kPng ? "image/png"
                : o.format == CRichObject::kJpeg             ? "image/jpeg"
                                                             : "image/bmp";
            const std::string bytes =
                o.format == CRichObject::kDib ? DibToBitmapFile(o.data) : o.data;
            m_out += std::string("<img src=\"data:") + mime + ";base64," + Base64Encode(bytes) +
                "\" alt=\"\"" + common + ">";
        } else {
            std::string cls, name;
            AppendHtml(cls, AnsiToUtf16(o.className), true);
            AppendHtml(name, o.name, true);
            m_out += "<object type=\"application/octet-stream\" data=\"data:application/"
                     "octet-stream;base64," +
                Base64Encode(o.data) + "\" data-mq-class=\"" + cls + "\" data-mq-name=\"" + name +
                "\"" + common + ">" + name + "</object>";
        }
        m_empty = false;
    }

    // A paragraph's style is its format; data-mq-mark holds the character format of the
    // line feed that ends it.
    void OpenParagraph()
    {
        std::string style;
        AppendHtml(style, ParagraphStyle(m_doc.ParaFormat(m_line)), true);
        m_out += "<p style=\"" + style + "\"";
        const CRichParaFormat& para = m_doc.ParaFormat(m_line);
        if (para.IsTableRow()) {
            // A table row: its cells' right edges; its cells are separated by &#7;.
            std::string edges;
            for (int edge : para.cells)
                edges += (edges.empty() ? "" : ",") + std::to_string(edge);
            m_out +=
                " data-mq-cells=\"" + edges + "\"" + (para.borders ? " data-mq-borders=\"1\"" : "");
        }
        if (m_line + 1 < m_lineStarts.size()) {
            std::string mark;
            AppendHtml(mark, SpanStyle(m_doc.FormatAt(m_lineStarts[m_line + 1] - 1)), true);
            m_out += " data-mq-mark=\"" + mark + "\"";
        }
        m_out += ">";
        m_empty = true;
    }

    void CloseParagraph()
    {
        if (m_empty)
            m_out += "<br>"; // the height of an empty paragraph
        m_out += "</p>";
    }

    // Text of [lo, hi) as styled spans; a line feed ends the paragraph (paragraphs) or is a
    // line break inside it.
    void Range(size_t lo, size_t hi, bool paragraphs)
    {
        const std::u16string& text = m_doc.Text();
        size_t i = lo;
        while (i < hi) {
            if (text[i] == '\n') {
                ++m_line;
                if (paragraphs) {
                    CloseParagraph();
                    OpenParagraph();
                } else {
                    std::string style;
                    AppendHtml(style, SpanStyle(m_doc.FormatAt(i)), true);
                    m_out += "<span style=\"" + style + "\"><br></span>";
                    m_empty = false;
                }
                ++i;
                continue;
            }
            size_t j = m_doc.FormatRunEnd(i, hi);
            const size_t nl = text.find(u'\n', i);
            if (nl != std::u16string::npos && nl < j)
                j = nl;
            std::string style;
            AppendHtml(style, SpanStyle(m_doc.FormatAt(i)), true);
            m_out += "<span style=\"" + style + "\">";
            AppendHtml(m_out, text.substr(i, j - i), false);
            m_out += "</span>";
            m_empty = false;
            i = j;
        }
    }

    const CRichDocument& m_doc;
    std::string m_out;
    std::vector<size_t> m_lineStarts;
    size_t m_line = 0;
    bool m_empty = true;
};

} // namespace

std::string WriteHtml(const CRichDocument& doc) { return HtmlWriter(doc).Write(); }

} // namespace richtext
