// RTF out. Each stretch of uniform formatting outside fields is one group, paragraph
// marks included, so that readers that close a run only at a group's end (the prompter's
// does) see every change. Fields that are not targets are written in the shape the
// prompter reads as instruction paragraphs, at the document's own level:
//   {\*\mqfieldinfo\mqfieldkindK\mqfieldtypeT\mqfieldleadN{\*\mqfieldname name}}
//   \par (once per leading line feed of the field's text)
//   {\*\txfieldstart\txfieldtype0 DATA}<format words> text{\*\txfieldend}\plain
// with DATA the field's 32-bit data in hexadecimal. The info group (skipped by every other
// reader) gives back what the shape itself does not carry. Targets become bookmark groups
// {\*\bkmkstart name}{\*\bkmkend name} inside the group of the text where they stand, so a
// target after a line's last word stays in that line's paragraph. Word processors skip the
// ignorable destinations and keep the text. A hyperlink is the everyday field
//   {\field{\*\fldinst HYPERLINK "address"}{\fldrslt <format groups of its text>}}
// whose result every reader (the prompter's too) shows as text; a quote in the address is
// \'22, and the address runs to the instruction's last quote.
//
// An image is a picture group in a group of its character's format,
//   {<format words> {\pict\dibitmap0 (or \pngblip, \jpegblip)\picwN\pichN\picwgoalN\pichgoalN hex}}
// and an object an object group whose data lies in an ignorable destination of ours (it is
// the file's bytes, not what word processors expect in \objdata):
//   {<format words> {\object\objemb\objwN\objhN{\*\objclass class}{\*\mqobjname name}
//    {\*\mqobjdata hex}}}
// A fixed one has {\*\mqobjpos\mqobjxN\mqobjyN} before its picture or object group. The
// prompter skips pictures and ignorable destinations, so neither shows in a prompted script.
//
// Paragraph formats are set at the document's level, with \pard and the paragraph words
// before a paragraph's first group whenever they differ from the paragraph before; a group
// ends after a paragraph mark whose next paragraph is formatted otherwise, so the mark (in its
// group) closes its paragraph with that paragraph's words. A page break before a paragraph is
// \pagebb: the prompter takes \page for a paragraph of its own.
//
// Characters: those of the ANSI code page as themselves or \'hh; every other as \uN with the
// code page's '?' as its one fallback character (\uc1).
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"
#include "richtext/RichObject.h"

#include <cstdio>
#include <algorithm>
#include <map>
#include <tuple>

namespace richtext {

namespace {

const char* const kFamilies[] = {"fnil",    "froman", "fswiss", "fmodern",
                                 "fscript", "fdecor", "ftech"};

void AppendEscaped(std::string& out, const std::u16string& text)
{
    for (char16_t c : text) {
        unsigned char byte = 0;
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c == '\n') {
            out += "\\par\n";
        } else if (c < 0x20 || (c >= 0x80 && AnsiByteOf(c, byte))) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", c < 0x20 ? static_cast<unsigned>(c) : byte);
            out += hex;
        } else if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            // \u takes a signed 16-bit number.
            out += "\\u" +
                std::to_string(c < 0x8000 ? static_cast<int>(c) : static_cast<int>(c) - 65536) +
                "?";
        }
    }
}

std::string Hex(DWORD v)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%X", static_cast<unsigned>(v));
    return buf;
}

class RtfWriter
{
public:
    explicit RtfWriter(const CRichDocument& doc) : m_doc(doc) { }

    std::string Write()
    {
        CollectTables();
        m_lineStarts.push_back(0);
        for (size_t i = 0; i < m_doc.Length(); ++i)
            if (m_doc.Text()[i] == '\n')
                m_lineStarts.push_back(i + 1);
        m_out.reserve(m_doc.Length() * 2 + 512);
        m_out += "{\\rtf1\\ansi\\ansicpg" + std::to_string(AnsiCodePage()) + "\\deff0\\uc1";
        m_out += "{\\fonttbl";
        for (size_t i = 0; i < m_fontList.size(); ++i) {
            const CRichCharFormat& f = m_fontList[i];
            m_out += "{\\f" + std::to_string(i) + "\\" + kFamilies[f.family <= 6 ? f.family : 0] +
                "\\fcharset" + std::to_string(f.charset) + " ";
            std::string face;
            for (char c : f.face)
                if (c != ';')
                    face += c;
            AppendEscaped(m_out, AnsiToUtf16(face));
            m_out += ";}";
        }
        m_out += "}\n{\\colortbl;";
        for (COLORREF c : m_colorList)
            m_out += "\\red" + std::to_string(c & 0xFF) + "\\green" +
                std::to_string((c >> 8) & 0xFF) + "\\blue" + std::to_string((c >> 16) & 0xFF) + ";";
        m_out += "}\n{\\*\\generator Marquill rich text;}\\viewkind4\\pard\\plain\n";
        WriteBody();
        m_out += "}\n";
        return std::move(m_out);
    }

private:
    typedef std::tuple<std::string, int, int> FontKey;

    void CollectTables()
    {
        m_colorList.push_back(0); // black first: the colour a prompter shows as its own
        m_colorIndex[0] = 1;
        auto addColor = [&](COLORREF c) {
            if (m_colorIndex.emplace(c, static_cast<int>(m_colorList.size()) + 1).second)
                m_colorList.push_back(c);
        };
        auto addFont = [&](const CRichCharFormat& f) {
            FontKey k(f.face, f.charset, f.family);
            if (m_fontIndex.emplace(k, static_cast<int>(m_fontList.size())).second)
                m_fontList.push_back(f);
        };
        addFont(CRichCharFormat());
        std::vector<bool> seen;
        for (size_t i = 0; i < m_doc.Length(); ++i) {
            uint16_t fi = m_doc.FormatIndexAt(i);
            if (fi >= seen.size())
                seen.resize(fi + 1, false);
            if (seen[fi])
                continue;
            seen[fi] = true;
            const CRichCharFormat& f = m_doc.FormatByIndex(fi);
            addFont(f);
            addColor(f.color);
            if (f.hasBack)
                addColor(f.back);
        }
    }

    std::string FormatWords(const CRichCharFormat& f)
    {
        std::string s = "\\f" + std::to_string(m_fontIndex[FontKey(f.face, f.charset, f.family)]) +
            "\\fs" + std::to_string(f.halfPoints) + "\\cf" + std::to_string(m_colorIndex[f.color]);
        if (f.hasBack)
            s += "\\highlight" + std::to_string(m_colorIndex[f.back]);
        if (f.bold)
            s += "\\b";
        if (f.italic)
            s += "\\i";
        if (f.underline)
            s += "\\ul";
        if (f.strike)
            s += "\\strike";
        return s;
    }

    static std::string ParaWords(const CRichParaFormat& p)
    {
        static const char* const aligns[] = {"\\ql", "\\qc", "\\qr", "\\qj"};
        std::string s = "\\pard";
        if (p.align != TXALIGN_LEFT)
            s += aligns[p.align <= TXALIGN_JUSTIFY ? p.align : 0];
        auto word = [&](const char* w, int v) {
            if (v != 0)
                s += std::string("\\") + w + std::to_string(v);
        };
        word("li", p.leftIndent);
        word("ri", p.rightIndent);
        word("fi", p.firstIndent);
        word("sb", p.spaceBefore);
        word("sa", p.spaceAfter);
        if (p.lineSpacing != 0)
            s += "\\sl" + std::to_string(p.lineSpacing) + "\\slmult" + (p.lineMultiple ? "1" : "0");
        if (p.pageBreakBefore)
            s += "\\pagebb";
        if (p.IsTableRow()) {
            // The row's definition, then its paragraph in the table.
            std::string row = "\\trowd\\trgaph108";
            for (int edge : p.cells) {
                if (p.borders)
                    row += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10\\clbrdrb\\brdrs\\brd"
                           "rw10"
                           "\\clbrdrr\\brdrs\\brdrw10";
                row += "\\cellx" + std::to_string(edge);
            }
            s = row + "\n" + s + "\\intbl";
        }
        return s + "\n";
    }

    // Text of [lo, hi): a table row's cells end with \cell, the row with \cell\row.
    void Escape(size_t lo, size_t hi)
    {
        const std::u16string& text = m_doc.Text();
        size_t k = lo;
        for (size_t i = lo; i < hi; ++i) {
            if (text[i] != '\n' && text[i] != kCellChar)
                continue;
            const bool row = text[i] == kCellChar || m_doc.ParaFormat(LineAt(i)).IsTableRow();
            if (!row)
                continue;
            AppendEscaped(m_out, text.substr(k, i - k));
            // The prompter knows no \\row: a paragraph mark it reads (and we pass over) follows.
            m_out += text[i] == kCellChar ? "\\cell " : "\\cell\\row{\\*\\mqrowend}\\par\n";
            k = i + 1;
        }
        AppendEscaped(m_out, text.substr(k, hi - k));
    }

    size_t LineAt(size_t pos) const
    {
        return static_cast<size_t>(std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), pos) -
                                   m_lineStarts.begin() - 1);
    }

    // At the start of a paragraph, its words when they differ from those in force.
    void ParaAt(size_t pos)
    {
        if (pos != 0 && (pos > m_doc.Length() || m_doc.Text()[pos - 1] != '\n'))
            return;
        const CRichParaFormat& p = m_doc.ParaFormat(LineAt(pos));
        if (p != m_emitted) {
            m_out += ParaWords(p);
            m_emitted = p;
        }
    }

    // The end of the stretch [i, j) of one group: after a paragraph mark whose next
    // paragraph needs other words.
    size_t SplitAtParagraph(size_t i, size_t j) const
    {
        const std::u16string& text = m_doc.Text();
        for (size_t k = i; k < j; ++k)
            if (text[k] == '\n' && m_doc.ParaFormat(LineAt(k + 1)) != m_emitted)
                return k + 1;
        return j;
    }

    // Text of [lo, hi) as format groups, with the targets that stand in it (in order) written
    // where they stand, inside the group of the text around them; a target at hi goes at the
    // end of the last group.
    void WriteText(size_t lo, size_t hi, const std::vector<const CRichField*>& targets)
    {
        size_t next = 0;
        if (lo >= hi) {
            for (const CRichField* t : targets)
                WriteBookmark(*t);
            return;
        }
        size_t i = lo;
        while (i < hi) {
            ParaAt(i);
            const size_t j = SplitAtParagraph(i, m_doc.FormatRunEnd(i, hi));
            m_out += "{" + FormatWords(m_doc.FormatAt(i)) + " ";
            size_t k = i;
            while (next < targets.size() &&
                   (targets[next]->start < j || (j == hi && targets[next]->start <= hi))) {
                const size_t at = std::min(std::max(targets[next]->start, k), j);
                Escape(k, at);
                WriteBookmark(*targets[next++]);
                k = at;
            }
            Escape(k, j);
            m_out += "}";
            i = j;
        }
    }

    // Format words that set every attribute, for text outside a group of its own.
    std::string InlineWords(const CRichCharFormat& fmt)
    {
        return FormatWords(fmt) + (fmt.hasBack ? "" : "\\highlight0") + (fmt.bold ? "" : "\\b0") +
            (fmt.italic ? "" : "\\i0") + (fmt.underline ? "" : "\\ulnone") +
            (fmt.strike ? "" : "\\strike0") + " ";
    }

    void WriteBookmark(const CRichField& f)
    {
        for (const char* open : {"{\\*\\bkmkstart ", "{\\*\\bkmkend "}) {
            m_out += open;
            AppendEscaped(m_out, f.typeText);
            m_out += "}";
        }
    }

    void WriteField(const CRichField& f)
    {
        const std::u16string& text = m_doc.Text();
        ParaAt(f.start);
        size_t lead = 0;
        while (lead < f.length && text[f.start + lead] == '\n')
            ++lead;
        m_out += "{\\*\\mqfieldinfo\\mqfieldkind" + std::to_string(f.kind) + "\\mqfieldtype" +
            std::to_string(f.type) + "\\mqfieldlead" + std::to_string(lead);
        if (!f.typeText.empty()) {
            m_out += "{\\*\\mqfieldname ";
            AppendEscaped(m_out, f.typeText);
            m_out += "}";
        }
        m_out += "}";
        for (size_t i = 0; i < lead; ++i) {
            m_out += InlineWords(m_doc.FormatAt(f.start + i));
            Escape(f.start + i, f.start + i + 1);
            ParaAt(f.start + i + 1);
        }
        m_out += "{\\*\\txfieldstart\\txfieldtype0 " + Hex(f.data) + "}";
        // The field's text stays at the document's level: format words inline, no groups;
        // a paragraph mark inside it is followed by the next paragraph's words.
        size_t i = f.start + lead;
        while (i < f.end()) {
            size_t j = m_doc.FormatRunEnd(i, f.end());
            const size_t nl = text.find(u'\n', i);
            if (nl != std::u16string::npos && nl < j)
                j = nl + 1;
            m_out += InlineWords(m_doc.FormatAt(i));
            Escape(i, j);
            ParaAt(j);
            i = j;
        }
        m_out += "{\\*\\txfieldend}\\plain\n";
    }

    bool IsOneLine(const CRichField& f) const
    {
        const std::u16string& text = m_doc.Text();
        return std::find(text.begin() + f.start, text.begin() + f.end(), u'\n') ==
            text.begin() + f.end();
    }

    void WriteLink(const CRichField& f)
    {
        ParaAt(f.start);
        m_out += "{\\field{\\*\\fldinst HYPERLINK \"";
        for (char16_t c : f.typeText)
            if (c == '"')
                m_out += "\\'22";
            else
                AppendEscaped(m_out, std::u16string(1, c));
        m_out += "\"}{\\fldrslt ";
        WriteText(f.start, f.end(), {});
        m_out += "}}\n";
    }

    void WriteObject(const CRichField& f)
    {
        ParaAt(f.start);
        const CRichObject& o = *f.object;
        m_out += "{" + FormatWords(m_doc.FormatAt(f.start)) + " ";
        if (o.fixed)
            m_out += "{\\*\\mqobjpos\\mqobjx" + std::to_string(o.x) + "\\mqobjy" +
                std::to_string(o.y) + "}";
        if (o.kind == CRichObject::kImage) {
            static const char* const kinds[] = {"\\dibitmap0", "\\pngblip", "\\jpegblip"};
            int w = 0, h = 0;
            PictureSize(o.format, o.data, w, h);
            m_out += std::string("{\\pict") + kinds[o.format <= CRichObject::kJpeg ? o.format : 0] +
                "\\picw" + std::to_string(w) + "\\pich" + std::to_string(h) + "\\picwgoal" +
                std::to_string(o.width) + "\\pichgoal" + std::to_string(o.height) + "\n";
        } else {
            m_out += "{\\object\\objemb\\objw" + std::to_string(o.width) + "\\objh" +
                std::to_string(o.height) + "{\\*\\objclass ";
            AppendEscaped(m_out, AnsiToUtf16(o.className));
            m_out += "}{\\*\\mqobjname ";
            AppendEscaped(m_out, o.name);
            m_out += "}{\\*\\mqobjdata\n";
        }
        m_out += HexEncode(o.data);
        m_out += o.kind == CRichObject::kImage ? "}}\n" : "}}}\n";
    }

    void WriteBody()
    {
        // A target's own text, if any, stays text after its bookmark.
        size_t pos = 0;
        std::vector<const CRichField*> targets;
        for (const CRichField& f : m_doc.Fields()) {
            if (f.type == TXFIELDTYPE_TARGET) {
                targets.push_back(&f);
                continue;
            }
            WriteText(pos, f.start, targets);
            targets.clear();
            if (f.type == TXFIELDTYPE_LINK && IsOneLine(f))
                WriteLink(f);
            else if (f.type == TXFIELDTYPE_LINK)
                WriteText(f.start, f.end(), {}); // a link over paragraphs keeps its text only
            else if (f.object)
                WriteObject(f);
            else
                WriteField(f);
            pos = f.end();
        }
        WriteText(pos, m_doc.Length(), targets);
        ParaAt(m_doc.Length()); // the last paragraph, when empty, takes the words in force
        if (m_doc.ParaFormat(m_doc.LastLine()).IsTableRow())
            m_out += "\\cell\\row\n"; // the last row ends the text
    }

    const CRichDocument& m_doc;
    std::string m_out;
    std::vector<CRichCharFormat> m_fontList;
    std::map<FontKey, int> m_fontIndex;
    std::vector<COLORREF> m_colorList;
    std::map<COLORREF, int> m_colorIndex;
    std::vector<size_t> m_lineStarts;
    CRichParaFormat m_emitted; // the paragraph words in force at the document's level
};

} // namespace

std::string WriteRtf(const CRichDocument& doc) { return RtfWriter(doc).Write(); }

} // namespace richtext
