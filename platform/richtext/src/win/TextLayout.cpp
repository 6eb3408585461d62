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

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

} // namespace

int CTXFontCache::Entry::Width(HDC dc, char16_t c)
{
    std::unique_ptr<int[]>& page = m_pages[c >> 8];
    if (!page) {
        page.reset(new int[256]);
        HGDIOBJ old = ::SelectObject(dc, font);
        const UINT first = c & 0xFF00;
        // Characters are measured one by one, as they are drawn (no kerning).
        if (!::GetCharWidth32W(dc, first, first + 255, page.get())) {
            for (UINT i = 0; i < 256; ++i) {
                wchar_t ch = static_cast<wchar_t>(first + i);
                SIZE size = {0, 0};
                ::GetTextExtentPoint32W(dc, &ch, 1, &size);
                page[i] = size.cx;
            }
        }
        ::SelectObject(dc, old);
    }
    return page[c & 0xFF];
}

CTXFontCache::~CTXFontCache() { Clear(); }

void CTXFontCache::Clear()
{
    for (auto& e : m_fonts) {
        ::DeleteObject(e.second->font);
        delete e.second;
    }
    m_fonts.clear();
}

CTXFontCache::Entry& CTXFontCache::Get(HDC dc, const CRichCharFormat& f)
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
    ::SelectObject(dc, old);
    e->ascent = tm.tmAscent;
    e->descent = tm.tmDescent;
    m_fonts.emplace(key, e);
    return *e;
}

int CTXLayout::LayOut(HDC dc, const CRichDocument& doc, size_t ps, size_t stop, int y0,
                      CTXFontCache& fonts, std::vector<CTXLine>& out)
{
    const std::u16string& text = doc.Text();
    const int right = std::max(m_width - kMargin, kMargin + 20);
    const int tabWidth = ::MulDiv(48, ::GetDeviceCaps(dc, LOGPIXELSX), 96);
    std::vector<int> advance;
    std::vector<CTXFontCache::Entry*> byFormat;
    auto FontOf = [&](uint16_t fi) -> CTXFontCache::Entry& {
        if (fi >= byFormat.size())
            byFormat.resize(fi + 1, nullptr);
        if (!byFormat[fi])
            byFormat[fi] = &fonts.Get(dc, doc.FormatByIndex(fi));
        return *byFormat[fi];
    };
    auto lineOf = [&](size_t start, const CRichCharFormat& f, int y) {
        CTXLine line;
        line.start = line.end = start;
        line.x.push_back(kMargin);
        const CTXFontCache::Entry& e = fonts.Get(dc, f);
        line.ascent = e.ascent;
        line.height = e.ascent + e.descent;
        line.y = y;
        return line;
    };
    int y = y0;
    for (;;) {
        size_t pe = text.find(u'\n', ps);
        bool last = pe == std::u16string::npos;
        if (last)
            pe = text.size();
        // Advance of every character of the paragraph (tabs are placed below).
        advance.assign(pe - ps, 0);
        for (size_t i = ps; i < pe;) {
            const size_t j = doc.FormatRunEnd(i, pe);
            CTXFontCache::Entry& e = FontOf(doc.FormatIndexAt(i));
            for (size_t k = i; k < j; ++k) {
                const char16_t c = text[k];
                if (IsHighSurrogate(c) && k + 1 < j && IsLowSurrogate(text[k + 1])) {
                    SIZE size = {0, 0};
                    HGDIOBJ old = ::SelectObject(dc, e.font);
                    ::GetTextExtentPoint32W(dc, reinterpret_cast<const wchar_t*>(&text[k]), 2,
                                            &size);
                    ::SelectObject(dc, old);
                    advance[k - ps] = size.cx;
                    advance[k + 1 - ps] = 0;
                    ++k;
                } else {
                    advance[k - ps] = e.Width(dc, c);
                }
            }
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
                if (x + w > right && i > ls && text[i] != ' ' && !IsLowSurrogate(text[i])) {
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
            out.push_back(std::move(line));
            ls = i;
        } while (ls < pe);
        if (last)
            break;
        ps = pe + 1;
        if (ps == text.size()) {
            // The empty last paragraph after a final line feed.
            out.push_back(lineOf(ps, doc.FormatAt(ps - 1), y));
            y += out.back().height;
            break;
        }
        if (pe >= stop)
            break;
    }
    if (out.empty() && text.empty()) {
        out.push_back(lineOf(0, CRichCharFormat(), y));
        y += out.back().height;
    }
    return y - y0;
}

void CTXLayout::Build(HDC dc, const CRichDocument& doc, int width, CTXFontCache& fonts)
{
    m_width = width;
    m_lines.clear();
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    m_height = LayOut(dc, doc, 0, doc.Length(), 0, fonts, m_lines);
    ::SelectObject(dc, oldFont);
}

CTXLayout::Update CTXLayout::Apply(HDC dc, const CRichDocument& doc,
                                   const CRichDocument::Change& change, CTXFontCache& fonts)
{
    Update u;
    if (!change.any)
        return u;
    if (change.whole || m_lines.empty() || doc.Length() == 0) {
        Build(dc, doc, m_width, fonts);
        u.end = m_lines.size();
        u.moved = true;
        return u;
    }
    // The old lines of the paragraphs the change touched: [i0, i1).
    size_t i0 = LineOf(change.lo);
    while (i0 > 0 && !m_lines[i0 - 1].endsParagraph)
        --i0;
    size_t i1 = LineOf(std::max(change.oldHi, change.lo));
    while (i1 + 1 < m_lines.size() && !m_lines[i1].endsParagraph)
        ++i1;
    ++i1;
    const long delta = static_cast<long>(change.newHi) - static_cast<long>(change.oldHi);
    const size_t ps = m_lines[i0].start;
    const size_t stop = static_cast<size_t>(static_cast<long>(m_lines[i1 - 1].end) + delta);
    const int y0 = m_lines[i0].y;
    const int oldHeight = m_lines[i1 - 1].y + m_lines[i1 - 1].height - y0;

    std::vector<CTXLine> fresh;
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    const int height = LayOut(dc, doc, ps, std::min(stop, doc.Length()), y0, fonts, fresh);
    ::SelectObject(dc, oldFont);
    const int dy = height - oldHeight;
    for (size_t k = i1; k < m_lines.size(); ++k) {
        CTXLine& l = m_lines[k];
        l.start = static_cast<size_t>(static_cast<long>(l.start) + delta);
        l.end = static_cast<size_t>(static_cast<long>(l.end) + delta);
        l.y += dy;
    }
    const size_t count = fresh.size();
    m_lines.erase(m_lines.begin() + static_cast<long>(i0), m_lines.begin() + static_cast<long>(i1));
    m_lines.insert(m_lines.begin() + static_cast<long>(i0), std::make_move_iterator(fresh.begin()),
                   std::make_move_iterator(fresh.end()));
    m_height += dy;
    u.first = i0;
    u.end = i0 + count;
    u.moved = dy != 0 || count != i1 - i0;
    return u;
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
    // The last line that starts at or above y.
    auto it = std::upper_bound(m_lines.begin(), m_lines.end(), y,
                               [](int v, const CTXLine& l) { return v < l.y; });
    size_t li = it == m_lines.begin() ? 0 : static_cast<size_t>(it - m_lines.begin()) - 1;
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
