// Word wrapping and measuring for the edit window.
#include "framework.h"
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

void CTXFontCache::SetZoom(int percent)
{
    percent = std::max(10, std::min(percent, 500));
    if (percent == m_zoom)
        return;
    Clear();
    m_zoom = percent;
}

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
    lf.lfHeight =
        -::MulDiv(f.halfPoints * m_zoom, CPageDevice::GetCapsOf(dc, LOGPIXELSY), 144 * 100);
    if (lf.lfHeight == 0)
        lf.lfHeight = -1;
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

int CTXLayout::PixelsX(int twips) const { return ::MulDiv(twips, m_dpiX * m_zoom, 1440 * 100); }

int CTXLayout::PixelsY(int twips) const { return ::MulDiv(twips, m_dpiY * m_zoom, 1440 * 100); }

int CTXLayout::PageLeft() const
{
    if (m_mode == TXVIEW_CENTEREDLAYOUT)
        return std::max(kPageGap, (m_width - PixelsX(kPageWidth)) / 2);
    return kPageGap;
}

int CTXLayout::TextLeft() const
{
    return PageLayout() ? PageLeft() + PixelsX(kMarginLeft) : kMargin;
}

const CRichField* CTXLayout::EmbeddedAt(const CRichDocument& doc, size_t pos)
{
    if (pos >= doc.Length() || doc.Text()[pos] != kObjectChar)
        return nullptr;
    const std::vector<CRichField>& fields = doc.Fields();
    auto it = std::lower_bound(fields.begin(), fields.end(), pos,
                               [](const CRichField& f, size_t p) { return f.start < p; });
    for (; it != fields.end() && it->start == pos; ++it)
        if (it->object)
            return &*it;
    return nullptr;
}

RECT CTXLayout::ObjectRect(const CRichDocument& doc, const CRichField& f) const
{
    RECT r = {0, 0, 0, 0};
    if (!f.object || m_lines.empty())
        return r;
    const CRichObject& o = *f.object;
    const int w = std::max(PixelsX(o.width), 1), h = std::max(PixelsY(o.height), 1);
    if (o.fixed) {
        const size_t paraStart = doc.LineStart(doc.LineOf(f.start));
        const CTXLine& first = m_lines[LineOf(paraStart)];
        r.left = TextLeft() + PixelsX(o.x);
        r.top = first.y + PixelsY(o.y);
    } else {
        const CTXLine& line = m_lines[LineOf(f.start)];
        const size_t at = std::min(f.start, line.end) - line.start;
        r.left = at < line.x.size() ? line.x[at] : line.x.back();
        r.top = line.y + line.ascent - h;
    }
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

int CTXLayout::PageTextTop(int page) const
{
    return kPageGap + page * (PixelsY(kPageHeight) + kPageGap) + PixelsY(kMarginTop);
}

int CTXLayout::PageTextBottom(int page) const
{
    return kPageGap + page * (PixelsY(kPageHeight) + kPageGap) + PixelsY(kPageHeight) -
        PixelsY(kMarginBottom);
}

RECT CTXLayout::PageRect(int page) const
{
    const int top = kPageGap + page * (PixelsY(kPageHeight) + kPageGap);
    RECT r = {PageLeft(), top, PageLeft() + PixelsX(kPageWidth), top + PixelsY(kPageHeight)};
    return r;
}

unsigned CTXLayout::PageOf(size_t pos) const
{
    if (m_lines.empty())
        return 1;
    const size_t li = LineOf(pos);
    if (PageLayout())
        return static_cast<unsigned>(m_lines[li].page) + 1;
    unsigned breaks = 0;
    int from = 0; // the top of the page the line is on
    for (size_t k = 0; k <= li; ++k)
        if (m_lines[k].pageBreak) {
            ++breaks;
            from = m_lines[k].y;
        }
    const int pageHeight = std::max(PixelsY(kPageHeight - kMarginTop - kMarginBottom), 1);
    return breaks + static_cast<unsigned>((m_lines[li].y - from) / pageHeight) + 1;
}

int CTXLayout::LayOut(HDC dc, const CRichDocument& doc, size_t ps, size_t stop, int y0,
                      CTXFontCache& fonts, std::vector<CTXLine>& out)
{
    m_dpiX = CPageDevice::GetCapsOf(dc, LOGPIXELSX);
    m_dpiY = CPageDevice::GetCapsOf(dc, LOGPIXELSY);
    m_zoom = fonts.Zoom();
    const std::u16string& text = doc.Text();
    // The column the text runs in.
    const bool paged = PageLayout();
    const int textLeft = paged ? PageLeft() + PixelsX(kMarginLeft) : kMargin;
    const int textRight = paged ? PageLeft() + PixelsX(kPageWidth - kMarginRight)
                                : std::max(m_width - kMargin, kMargin + 20);
    const int tabWidth = std::max(PixelsX(720), 1);
    std::vector<int> advance;
    std::vector<CTXFontCache::Entry*> byFormat;
    auto FontOf = [&](uint16_t fi) -> CTXFontCache::Entry& {
        if (fi >= byFormat.size())
            byFormat.resize(fi + 1, nullptr);
        if (!byFormat[fi])
            byFormat[fi] = &fonts.Get(dc, doc.FormatByIndex(fi));
        return *byFormat[fi];
    };
    // Pages (page layout is always laid out whole, from the first page): a line that does
    // not fit on its page goes to the next one, unless it stands at a page's top already.
    int page = 0;
    if (paged)
        y0 = PageTextTop(0);
    size_t para = doc.LineOf(ps);
    int y = y0;
    for (;;) {
        size_t pe = text.find(u'\n', ps);
        bool last = pe == std::u16string::npos;
        if (last)
            pe = text.size();
        const CRichParaFormat& pf = doc.ParaFormat(para);
        const int left = std::max(0, textLeft + PixelsX(pf.leftIndent));
        const int firstLeft = std::max(0, left + PixelsX(pf.firstIndent));
        const int right =
            std::max(textRight - PixelsX(pf.rightIndent), std::max(left, firstLeft) + 20);
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
        // Images and objects: a character one is as wide as it shows, a fixed one takes no room.
        for (size_t k = text.find(kObjectChar, ps); k < pe; k = text.find(kObjectChar, k + 1))
            if (const CRichField* f = EmbeddedAt(doc, k))
                advance[k - ps] = f->object->fixed ? 0 : std::max(PixelsX(f->object->width), 1);
        // A table row: each cell's text starts at its cell's left, inside a small gap.
        const bool row = pf.IsTableRow();
        const int gap = PixelsX(108);
        std::vector<int> edges;
        if (row) {
            edges.push_back(left);
            for (int edge : pf.cells)
                edges.push_back(left + PixelsX(edge));
        }
        // Wrap into lines.
        size_t ls = ps;
        do {
            const bool firstLine = ls == ps;
            const int startX = row ? left + gap : firstLine ? firstLeft : left;
            CTXLine line;
            line.start = ls;
            line.x.push_back(startX);
            line.cellEdges = edges;
            line.borders = row && pf.borders;
            int x = startX;
            size_t cell = 0;
            size_t lastBreak = 0; // position after the last blank, 0 when none
            size_t i = ls;
            for (; i < pe; ++i) {
                int w = text[i] == '\t' ? tabWidth - (x - textLeft) % tabWidth : advance[i - ps];
                if (w <= 0 && text[i] == '\t')
                    w = tabWidth;
                if (row && text[i] == kCellChar) {
                    // On to the next cell (text past the last stays in it).
                    w = 0;
                    if (cell + 2 < edges.size())
                        w = std::max(0, edges[++cell] + gap - x);
                }
                if (!row && x + w > right && i > ls && text[i] != ' ' && !IsLowSurrogate(text[i])) {
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
            // Alignment: the line without its trailing blanks is placed between the indents.
            size_t trimmed = line.end;
            while (trimmed > line.start && text[trimmed - 1] == ' ')
                --trimmed;
            const int used = line.x[trimmed - line.start];
            int offset = 0;
            if (!row && pf.align == TXALIGN_CENTER) // cells keep their own places
                offset = (right - used) / 2;
            else if (!row && pf.align == TXALIGN_RIGHT)
                offset = right - used;
            if (offset < 0)
                offset = 0;
            if (!row && pf.align == TXALIGN_JUSTIFY && i < pe && used < right) {
                // A wrapped line of a justified paragraph: its blanks share the room left.
                int blanks = 0;
                for (size_t k = line.start; k < trimmed; ++k)
                    blanks += text[k] == ' ';
                int extra = right - used, added = 0, seen = 0;
                for (size_t k = line.start; k < line.end && blanks > 0; ++k) {
                    if (k < trimmed && text[k] == ' ') {
                        ++seen;
                        added = static_cast<int>(static_cast<long long>(extra) * seen / blanks);
                    }
                    line.x[k + 1 - line.start] += added;
                }
            }
            if (offset)
                for (int& px : line.x)
                    px += offset;
            // Height: the tallest font on the line, or that of the paragraph mark.
            int ascent = 0, descent = 0;
            size_t hi = std::min(line.end + 1, text.size());
            for (size_t k = line.start; k < hi; ++k) {
                if (k == line.end && !line.endsParagraph)
                    break;
                const CTXFontCache::Entry& e = FontOf(doc.FormatIndexAt(k));
                ascent = std::max(ascent, e.ascent);
                descent = std::max(descent, e.descent);
                if (text[k] == kObjectChar)
                    if (const CRichField* f = EmbeddedAt(doc, k))
                        if (!f->object->fixed)
                            ascent = std::max(ascent, PixelsY(f->object->height));
            }
            if (ascent == 0) {
                CRichCharFormat f =
                    line.start > 0 ? doc.FormatAt(line.start - 1) : CRichCharFormat();
                const CTXFontCache::Entry& e = fonts.Get(dc, f);
                ascent = e.ascent;
                descent = e.descent;
            }
            // Line spacing: the room a line takes; what it adds (or takes) lies above the text.
            const int natural = ascent + descent;
            int height = natural;
            if (pf.lineSpacing != 0 && pf.lineMultiple)
                height = ::MulDiv(natural, pf.lineSpacing, 240);
            else if (pf.lineSpacing > 0)
                height = std::max(natural, PixelsY(pf.lineSpacing));
            else if (pf.lineSpacing < 0)
                height = PixelsY(-pf.lineSpacing);
            height = std::max(height, 1);
            line.ascent = std::max(ascent + height - natural, 1);
            line.height = height;
            if (firstLine) {
                line.spaceAbove = PixelsY(pf.spaceBefore);
                if (pf.pageBreakBefore && !paged && para > 0) {
                    line.pageBreak = true;
                    line.spaceAbove += std::max(PixelsY(120), 4);
                }
            }
            if (paged) {
                const bool atTop = y <= PageTextTop(page);
                if (firstLine && pf.pageBreakBefore && !atTop && para > 0) {
                    ++page;
                    y = PageTextTop(page);
                } else if (!atTop && y + line.spaceAbove + height > PageTextBottom(page)) {
                    ++page;
                    y = PageTextTop(page);
                }
                if (y <= PageTextTop(page))
                    line.spaceAbove = 0; // no space before at a page's top
                line.page = page;
            }
            line.y = y + line.spaceAbove;
            y = line.y + line.height;
            out.push_back(std::move(line));
            ls = i;
        } while (ls < pe);
        out.back().spaceBelow = PixelsY(pf.spaceAfter);
        y += out.back().spaceBelow;
        if (last)
            break;
        ps = pe + 1;
        ++para;
        if (ps == text.size()) {
            // The empty last paragraph after a final line feed.
            const CRichParaFormat& lf = doc.ParaFormat(para);
            CTXLine line;
            line.start = line.end = ps;
            const int l = std::max(0, textLeft + PixelsX(lf.leftIndent));
            const int fl = std::max(0, l + PixelsX(lf.firstIndent));
            const int r = std::max(textRight - PixelsX(lf.rightIndent), fl + 20);
            line.x.push_back(lf.align == TXALIGN_CENTER      ? (fl + r) / 2
                                 : lf.align == TXALIGN_RIGHT ? r
                                                             : fl);
            const CTXFontCache::Entry& e = fonts.Get(dc, doc.FormatAt(ps - 1));
            line.ascent = e.ascent;
            line.height = e.ascent + e.descent;
            line.spaceAbove = PixelsY(lf.spaceBefore);
            if (lf.pageBreakBefore && !paged) {
                line.pageBreak = true;
                line.spaceAbove += std::max(PixelsY(120), 4);
            }
            if (paged) {
                const bool atTop = y <= PageTextTop(page);
                if (!atTop &&
                    (lf.pageBreakBefore ||
                     y + line.spaceAbove + line.height > PageTextBottom(page))) {
                    ++page;
                    y = PageTextTop(page);
                }
                if (y <= PageTextTop(page))
                    line.spaceAbove = 0;
                line.page = page;
            }
            line.y = y + line.spaceAbove;
            line.spaceBelow = PixelsY(lf.spaceAfter);
            y = line.y + line.height + line.spaceBelow;
            out.push_back(std::move(line));
            break;
        }
        if (pe >= stop)
            break;
    }
    if (out.empty() && text.empty()) {
        CTXLine line;
        const CRichParaFormat& lf = doc.ParaFormat(0);
        const int l = std::max(0, textLeft + PixelsX(lf.leftIndent));
        const int fl = std::max(0, l + PixelsX(lf.firstIndent));
        const int r = std::max(textRight - PixelsX(lf.rightIndent), fl + 20);
        line.x.push_back(lf.align == TXALIGN_CENTER      ? (fl + r) / 2
                             : lf.align == TXALIGN_RIGHT ? r
                                                         : fl);
        const CTXFontCache::Entry& e = fonts.Get(dc, CRichCharFormat());
        line.ascent = e.ascent;
        line.height = e.ascent + e.descent;
        line.y = paged ? PageTextTop(0) : y;
        line.spaceAbove = line.y - y;
        y = line.y + line.height;
        out.push_back(std::move(line));
    }
    if (paged)
        m_pages = std::max(m_pages, page + 1);
    return y - y0;
}

void CTXLayout::Build(HDC dc, const CRichDocument& doc, int width, CTXFontCache& fonts)
{
    m_width = width;
    m_lines.clear();
    m_pages = 0;
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    m_height = LayOut(dc, doc, 0, doc.Length(), 0, fonts, m_lines);
    ::SelectObject(dc, oldFont);
    if (PageLayout()) {
        // The text ends on the last page; the view ends below that page.
        m_pages = std::max(m_pages, 1);
        m_height = PageRect(m_pages - 1).bottom + kPageGap;
    }
}

CTXLayout::Update CTXLayout::Apply(HDC dc, const CRichDocument& doc,
                                   const CRichDocument::Change& change, CTXFontCache& fonts)
{
    Update u;
    if (!change.any)
        return u;
    if (change.whole || m_lines.empty() || doc.Length() == 0 || PageLayout()) {
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
    const int y0 = m_lines[i0].y - m_lines[i0].spaceAbove;
    const int oldHeight =
        m_lines[i1 - 1].y + m_lines[i1 - 1].height + m_lines[i1 - 1].spaceBelow - y0;

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
