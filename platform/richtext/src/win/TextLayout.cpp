// Word wrapping and measuring for the edit window.
#include "richtext/TextLayout.h"

#include <algorithm>

namespace {

std::string FontKey(const CRichCharFormat& f)
{
    return f.face + "|" + std::to_string(f.halfPoints) + "|" + std::to_string(f.charset) + "|" +
        (f.bold ? "b" : "") + (f.italic ? "i" : "") + (f.underline ? "u" : "") +
        (f.strike ? "s" : "");
}

} // namespace

CTXFontCache::~CTXFontCache() { Clear(); }

void CTXFontCache::Clear()
{
    for (auto& e : m_fonts) {
        ::DeleteObject(e.second->font);
        delete e.second;
    }
    m_fonts.clear();
}

const CTXFontCache::Entry& CTXFontCache::Get(HDC dc, const CRichCharFormat& f)
{
    std::string key = FontKey(f);
    auto it = m_fonts.find(key);
    if (it != m_fonts.end())
        return *it->second;
    LOGFONTA lf = {};
    lf.lfHeight = -::MulDiv(f.halfPoints, ::GetDeviceCaps(dc, LOGPIXELSY), 144);
    lf.lfWeight = f.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = f.italic;
    lf.lfUnderline = f.underline;
    lf.lfStrikeOut = f.strike;
    lf.lfCharSet = f.charset;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynA(lf.lfFaceName, f.face.c_str(), LF_FACESIZE);
    Entry* e = new Entry;
    e->font = ::CreateFontIndirectA(&lf);
    HGDIOBJ old = ::SelectObject(dc, e->font);
    TEXTMETRICA tm;
    ::GetTextMetricsA(dc, &tm);
    // Characters are measured one by one, as they are drawn (no kerning).
    for (int c = 0; c < 256; ++c) {
        char ch = static_cast<char>(c);
        SIZE size = {0, 0};
        ::GetTextExtentPoint32A(dc, &ch, 1, &size);
        e->widths[c] = size.cx;
    }
    ::SelectObject(dc, old);
    e->ascent = tm.tmAscent;
    e->descent = tm.tmDescent;
    m_fonts.emplace(key, e);
    return *e;
}

void CTXLayout::Build(HDC dc, const CRichDocument& doc, int width, CTXFontCache& fonts)
{
    m_lines.clear();
    const std::string& text = doc.Text();
    const int right = std::max(width - kMargin, kMargin + 20);
    const int tabWidth = ::MulDiv(48, ::GetDeviceCaps(dc, LOGPIXELSX), 96);
    std::vector<int> advance;
    std::vector<const CTXFontCache::Entry*> byFormat;
    auto FontOf = [&](uint16_t fi) -> const CTXFontCache::Entry& {
        if (fi >= byFormat.size())
            byFormat.resize(fi + 1, nullptr);
        if (!byFormat[fi])
            byFormat[fi] = &fonts.Get(dc, doc.FormatByIndex(fi));
        return *byFormat[fi];
    };
    int y = 0;
    size_t ps = 0;
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    for (;;) {
        size_t pe = text.find('\n', ps);
        bool last = pe == std::string::npos;
        if (last)
            pe = text.size();
        // Advance of every character of the paragraph (tabs are placed below).
        advance.assign(pe - ps, 0);
        for (size_t i = ps; i < pe;) {
            const size_t j = doc.FormatRunEnd(i, pe);
            const CTXFontCache::Entry& e = FontOf(doc.FormatIndexAt(i));
            for (size_t k = i; k < j; ++k)
                advance[k - ps] = e.widths[static_cast<unsigned char>(text[k])];
            i = j;
        }
        // Wrap into lines.
        size_t ls = ps;
        do {
            CTXLine line;
            line.start = ls;
            line.x.push_back(kMargin);
            int x = kMargin;
            size_t lastBreak = 0; // position after the last blank, 0 when none
            size_t i = ls;
            for (; i < pe; ++i) {
                int w = text[i] == '\t' ? tabWidth - (x - kMargin) % tabWidth : advance[i - ps];
                if (x + w > right && i > ls && text[i] != ' ') {
                    if (lastBreak > ls) {
                        line.x.resize(lastBreak - ls + 1);
                        i = lastBreak;
                    }
                    break;
                }
                x += w;
                line.x.push_back(x);
                if (text[i] == ' ' || text[i] == '\t')
                    lastBreak = i + 1;
            }
            line.end = i;
            line.endsParagraph = i == pe && !last;
            // Height: the tallest font on the line, or that of the paragraph mark.
            int ascent = 0, descent = 0;
            size_t hi = std::min(line.end + 1, text.size());
            for (size_t k = line.start; k < hi; ++k) {
                if (k == line.end && !line.endsParagraph)
                    break;
                const CTXFontCache::Entry& e = FontOf(doc.FormatIndexAt(k));
                ascent = std::max(ascent, e.ascent);
                descent = std::max(descent, e.descent);
            }
            if (ascent == 0) {
                CRichCharFormat f =
                    line.start > 0 ? doc.FormatAt(line.start - 1) : CRichCharFormat();
                const CTXFontCache::Entry& e = fonts.Get(dc, f);
                ascent = e.ascent;
                descent = e.descent;
            }
            line.ascent = ascent;
            line.height = ascent + descent;
            line.y = y;
            y += line.height;
            m_lines.push_back(std::move(line));
            ls = i;
        } while (ls < pe);
        if (last)
            break;
        ps = pe + 1;
        if (ps == text.size()) {
            // The empty last paragraph after a final line feed.
            CTXLine line;
            line.start = line.end = ps;
            line.x.push_back(kMargin);
            const CTXFontCache::Entry& e = fonts.Get(dc, doc.FormatAt(ps - 1));
            line.ascent = e.ascent;
            line.height = e.ascent + e.descent;
            line.y = y;
            y += line.height;
            m_lines.push_back(std::move(line));
            break;
        }
    }
    if (m_lines.empty()) {
        CTXLine line;
        line.x.push_back(kMargin);
        const CTXFontCache::Entry& e = fonts.Get(dc, CRichCharFormat());
        line.ascent = e.ascent;
        line.height = e.ascent + e.descent;
        y = line.height;
        m_lines.push_back(line);
    }
    ::SelectObject(dc, oldFont);
    m_height = y;
}

size_t CTXLayout::LineOf(size_t pos) const
{
    // The last line that starts at or before pos.
    auto it = std::upper_bound(m_lines.begin(), m_lines.end(), pos,
                               [](size_t p, const CTXLine& l) { return p < l.start; });
    return it == m_lines.begin() ? 0 : static_cast<size_t>(it - m_lines.begin()) - 1;
}

POINT CTXLayout::PointOf(size_t pos) const
{
    const CTXLine& l = m_lines[LineOf(pos)];
    size_t k = std::min(pos - std::min(pos, l.start), l.x.size() - 1);
    POINT p = {l.x[k], l.y};
    return p;
}

size_t CTXLayout::PositionAt(int x, int y) const
{
    size_t li = 0;
    while (li + 1 < m_lines.size() && y >= m_lines[li + 1].y)
        ++li;
    const CTXLine& l = m_lines[li];
    size_t best = l.start;
    for (size_t k = 0; k + 1 < l.x.size(); ++k)
        if (x >= (l.x[k] + l.x[k + 1]) / 2)
            best = l.start + k + 1;
    // A wrapped line's trailing blank: the caret stays before it so it shows on this line.
    if (best == l.end && !l.endsParagraph && li + 1 < m_lines.size() && best > l.start)
        --best;
    return best;
}
