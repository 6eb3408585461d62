// The text control's pages: the document laid out to a page's width on the printer's DC,
// drawn a page of lines at a time.
#include "framework.h"
#include "richtext/TXTextControl.h"
#include "richtext/ObjectPainter.h"

#include <algorithm>

long CTXTextControl::FormatRange(HDC dc, const RECT& page, long start, bool draw)
{
    std::lock_guard<std::recursive_mutex> g(m_core.Lock());
    const CRichDocument& doc = m_core.Document();
    const std::u16string& text = doc.Text();
    const long length = static_cast<long>(text.size());
    if (start >= length)
        return length;
    // Laid out afresh in the page's fonts: the screen's layout is of another resolution.
    CTXFontCache fonts;
    CTXLayout layout;
    const int width = page.right - page.left, height = page.bottom - page.top;
    layout.Build(dc, doc, width, fonts);
    const std::vector<CTXLine>& lines = layout.Lines();
    size_t first = 0;
    while (first < lines.size() && lines[first].start < static_cast<size_t>(std::max(start, 0L)))
        ++first;
    if (first == lines.size())
        return length;
    const int y0 = lines[first].y;
    size_t last = first;
    // At least one line a page, so a line taller than the page still moves on.
    while (last < lines.size() &&
           (last == first || lines[last].y + lines[last].height - y0 <= height))
        ++last;
    if (draw) {
        int saved = ::SaveDC(dc);
        ::SetBkMode(dc, TRANSPARENT);
        for (size_t li = first; li < last; ++li) {
            const CTXLine& line = lines[li];
            const int top = page.top + line.y - y0;
            size_t i = line.start;
            while (i < line.end) {
                size_t j = i;
                while (j < line.end && doc.FormatIndexAt(j) == doc.FormatIndexAt(i))
                    ++j;
                const CRichCharFormat& f = doc.FormatAt(i);
                const CTXFontCache::Entry& font = fonts.Get(dc, f);
                RECT box = {page.left + line.x[i - line.start], top,
                            page.left + line.x[j - line.start], top + line.height};
                if (f.hasBack) {
                    HBRUSH b = ::CreateSolidBrush(f.back);
                    ::FillRect(dc, &box, b);
                    ::DeleteObject(b);
                }
                ::SelectObject(dc, font.font);
                ::SetTextColor(dc, f.color);
                // Tabs take their space and print nothing; images and objects print below.
                size_t k = i;
                while (k < j) {
                    size_t e = k;
                    while (e < j && text[e] != '\t' && text[e] != kObjectChar &&
                           text[e] != kCellChar)
                        ++e;
                    if (e > k)
                        ::TextOutW(dc, page.left + line.x[k - line.start],
                                   top + line.ascent - font.ascent,
                                   reinterpret_cast<const wchar_t*>(text.data() + k),
                                   static_cast<int>(e - k));
                    k = e < j ? e + 1 : e;
                }
                i = j;
            }
            if (line.borders)
                richtext::DrawCellEdges(dc, line.cellEdges, page.left, top, top + line.height,
                                        false);
            for (size_t k = text.find(kObjectChar, line.start); k < line.end;
                 k = text.find(kObjectChar, k + 1))
                if (const CRichField* f = CTXLayout::EmbeddedAt(doc, k)) {
                    RECT r = layout.ObjectRect(doc, *f);
                    ::OffsetRect(&r, page.left, page.top - y0);
                    richtext::DrawRichObject(dc, *f->object, r);
                }
        }
        ::RestoreDC(dc, saved);
    }
    return last < lines.size() ? static_cast<long>(lines[last].start) : length;
}
