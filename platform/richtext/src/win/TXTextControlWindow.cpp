// The text control's window side: layout, painting, caret, scrolling, keyboard, mouse and
// clipboard. Every edit goes through the control core, so the document model stays the
// one source of truth.
#include "richtext/Codepage.h"
#include "richtext/DocumentFormats.h"
#include "richtext/TXTextControl.h"
#include "richtext/ObjectPainter.h"
#include "richtext/TXBars.h"

#include <algorithm>

#ifndef EM_REDO
#define EM_REDO (WM_USER + 84)
#define EM_CANREDO (WM_USER + 85)
#endif

namespace {

const COLORREF kFieldShade = RGB(236, 236, 244); // behind field text: protected
const COLORREF kTargetMark = RGB(0, 120, 215); // a target's marker

bool IsWordChar(char16_t c) { return c != ' ' && c != '\t' && c != '\n'; }

bool KeyDown(int vk) { return (::GetKeyState(vk) & 0x8000) != 0; }

// Posted to the window when a thread other than its own changed the control.
const UINT kRefreshMessage = WM_APP + 0x3A1;

UINT OwnClipboardFormat()
{
    static UINT format = ::RegisterClipboardFormatA("Marquill Rich Text");
    return format;
}

UINT RtfClipboardFormat()
{
    static UINT format = ::RegisterClipboardFormatA("Rich Text Format");
    return format;
}

} // namespace

LRESULT CTXTextControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    bool handled = false;
    LRESULT r = m_core.HandleMessage(message, wParam, lParam, handled);
    if (handled) {
        Refresh(false);
        return r;
    }
    switch (message) {
    case WM_CREATE:
        Relayout();
        break;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(m_hWnd, &ps);
        RECT client;
        ::GetClientRect(m_hWnd, &client);
        PaintTo(dc, client, &ps.rcPaint);
        ::EndPaint(m_hWnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case kRefreshMessage:
        Refresh(false);
        return 0;
    case WM_UNICHAR:
        if (wParam == UNICODE_NOCHAR)
            return TRUE;
        OnChar(static_cast<UINT>(wParam), true);
        return 0;
    case WM_SIZE:
        Relayout();
        UpdateScrollBar();
        PlaceCaret();
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
    case WM_SETFOCUS:
        m_hasFocus = true;
        ::CreateCaret(m_hWnd, nullptr, 2, 16);
        m_caretHeight = 16;
        PlaceCaret();
        ::ShowCaret(m_hWnd);
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        ShowCaretOnBars(); // the bars now work for this control
        return 0;
    case WM_KILLFOCUS:
        m_hasFocus = false;
        ::DestroyCaret();
        m_caretHeight = -1;
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_KEYDOWN:
        OnKeyDown(static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(static_cast<UINT>(wParam), false);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
        OnMouse(message, wParam, lParam);
        return 0;
    case WM_VSCROLL: {
        SCROLLINFO si = {sizeof si, SIF_ALL};
        ::GetScrollInfo(m_hWnd, SB_VERT, &si);
        int y = m_scrollY;
        switch (LOWORD(wParam)) {
        case SB_LINEUP:
            y -= 16;
            break;
        case SB_LINEDOWN:
            y += 16;
            break;
        case SB_PAGEUP:
            y -= static_cast<int>(si.nPage);
            break;
        case SB_PAGEDOWN:
            y += static_cast<int>(si.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            y = si.nTrackPos;
            break;
        case SB_TOP:
            y = 0;
            break;
        case SB_BOTTOM:
            y = m_layout.Height();
            break;
        }
        ScrollTo(y);
        return 0;
    }
    case WM_MOUSEWHEEL:
        ScrollTo(m_scrollY - GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * 48);
        return 0;
    case WM_COPY:
        Copy();
        return 0;
    case WM_CUT:
        Cut();
        return 0;
    case WM_PASTE:
        Paste();
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        r = m_core.Undo();
        Refresh(true);
        return r;
    case EM_REDO:
        r = m_core.Redo();
        Refresh(true);
        return r;
    case EM_CANUNDO:
        return m_core.CanUndo();
    case EM_CANREDO:
        return m_core.CanRedo();
    case EM_GETMODIFY:
        return m_core.Modified();
    case EM_SETMODIFY:
        m_core.SetModified(wParam != 0);
        return 0;
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(m_core.Document().Length());
    case WM_GETTEXT: {
        if (wParam == 0 || !lParam)
            return 0;
        std::lock_guard<std::recursive_mutex> g(m_core.Lock());
        const std::string t = richtext::Utf16ToAnsi(m_core.Document().Text());
        size_t n = std::min(t.size(), static_cast<size_t>(wParam) - 1);
        memcpy(reinterpret_cast<char*>(lParam), t.data(), n);
        reinterpret_cast<char*>(lParam)[n] = '\0';
        return static_cast<LRESULT>(n);
    }
    case WM_SETTEXT: {
        CRichDocument d;
        CRichCharFormat f = m_core.TypingFormat();
        d.Append(richtext::AnsiToUtf16(lParam ? reinterpret_cast<const char*>(lParam) : ""), f);
        m_core.SetDocument(d);
        m_scrollY = 0;
        Refresh(false);
        return TRUE;
    }
    case WM_SETFONT: {
        LOGFONTA lf;
        if (wParam && ::GetObjectA(reinterpret_cast<HGDIOBJ>(wParam), sizeof lf, &lf) &&
            lf.lfFaceName[0]) {
            HDC dc = ::GetDC(m_hWnd);
            int height = lf.lfHeight < 0 ? -lf.lfHeight : lf.lfHeight;
            m_core.SetTypingFont(lf.lfFaceName,
                                 height ? ::MulDiv(height, 144, ::GetDeviceCaps(dc, LOGPIXELSY))
                                        : 24);
            ::ReleaseDC(m_hWnd, dc);
        }
        return 0;
    }
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

void CTXTextControl::SetViewMode(int mode)
{
    if (mode < TXVIEW_NORMAL || mode > TXVIEW_CENTEREDLAYOUT || mode == m_layout.ViewMode())
        return;
    m_layout.SetViewMode(mode);
    ViewChanged();
}

void CTXTextControl::SetZoom(int percent)
{
    m_zoomFit = TXZOOM_FIXED;
    m_fonts.SetZoom(percent);
    ViewChanged();
}

void CTXTextControl::ShowGridLines(bool show)
{
    m_showGridLines = show;
    if (m_hWnd)
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTXTextControl::ZoomToFit(int fit)
{
    m_zoomFit = fit;
    ViewChanged();
}

// After a change of view or zoom: everything is laid out and drawn again.
void CTXTextControl::ViewChanged()
{
    m_layoutWidth = -1;
    if (!m_hWnd)
        return;
    Relayout();
    UpdateScrollBar();
    EnsureCaretVisible();
    m_caretHeight = -1;
    PlaceCaret();
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
    ShowCaretOnBars();
}

void CTXTextControl::Relayout()
{
    if (!m_hWnd)
        return;
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    const int width = rc.right - rc.left;
    HDC dc = MeasureDC();
    if (m_zoomFit != TXZOOM_FIXED) {
        // The zoom at which the page (or, in the normal view, its text) fits the window.
        const bool paged = m_layout.PageLayout();
        const int dpiX = ::GetDeviceCaps(dc, LOGPIXELSX), dpiY = ::GetDeviceCaps(dc, LOGPIXELSY);
        const int across = paged
            ? CTXLayout::kPageWidth
            : CTXLayout::kPageWidth - CTXLayout::kMarginLeft - CTXLayout::kMarginRight;
        const int room = width - 2 * (paged ? CTXLayout::kPageGap : CTXLayout::kMargin);
        int zoom = ::MulDiv(std::max(room, 1), 1440 * 100, across * std::max(dpiX, 1));
        if (m_zoomFit == TXZOOM_WHOLEPAGE) {
            const int height = rc.bottom - rc.top - 2 * CTXLayout::kPageGap;
            zoom = std::min(zoom,
                            ::MulDiv(std::max(height, 1), 1440 * 100,
                                     CTXLayout::kPageHeight * std::max(dpiY, 1)));
        }
        if (std::max(10, std::min(zoom, 500)) != m_fonts.Zoom()) {
            m_fonts.SetZoom(zoom);
            m_layoutWidth = -1;
        }
    }
    {
        std::lock_guard<std::recursive_mutex> g(m_core.Lock());
        const CRichDocument::Change change = m_core.TakeChanges();
        if (width != m_layoutWidth || m_layout.Lines().empty()) {
            m_layout.Build(dc, m_core.Document(), width, m_fonts);
            InvalidateLines(0, m_layout.Lines().size(), true);
        } else {
            const CTXLayout::Update u = m_layout.Apply(dc, m_core.Document(), change, m_fonts);
            InvalidateLines(u.first, u.end, u.moved);
        }
        m_seenDocRevision = m_core.DocRevision();
    }
    m_layoutWidth = width;
}

// Marks the lines [first, end) for repainting; with toBottom, everything below them too.
void CTXTextControl::InvalidateLines(size_t first, size_t end, bool toBottom)
{
    const std::vector<CTXLine>& lines = m_layout.Lines();
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    if (first >= lines.size()) {
        if (!toBottom)
            return;
        rc.top = lines.empty() ? 0 : lines.back().y + lines.back().height - m_scrollY;
    } else {
        rc.top = lines[first].y - m_scrollY;
        if (!toBottom) {
            const CTXLine& last = lines[std::min(end, lines.size()) - (end > first ? 1 : 0)];
            rc.bottom = std::min<LONG>(rc.bottom, last.y + last.height - m_scrollY);
        }
    }
    if (rc.top < rc.bottom)
        ::InvalidateRect(m_hWnd, &rc, FALSE);
}

// The lines that show the selection (or the caret) between lo and hi, for repainting.
void CTXTextControl::InvalidateRange(size_t lo, size_t hi)
{
    const size_t first = m_layout.LineOf(lo), last = m_layout.LineOf(hi);
    InvalidateLines(first, last + 1, false);
}

// After any change: lay out again what the document changed, keep the caret in view,
// repaint what changed, and tell the parent and the notify handler about the user's
// changes. A thread other than the window's own only asks the window to do so: the window
// is never waited for (a worker thread may load a document into a hidden control).
void CTXTextControl::Refresh(bool notify)
{
    if (!m_hWnd)
        return;
    if (::GetWindowThreadProcessId(m_hWnd, nullptr) != ::GetCurrentThreadId()) {
        ::PostMessage(m_hWnd, kRefreshMessage, 0, 0);
        return;
    }
    bool docChanged = m_core.DocRevision() != m_seenDocRevision;
    bool changed = docChanged || m_core.Revision() != m_seenRevision;
    if (!changed)
        return;
    const int scrolled = m_scrollY;
    if (docChanged)
        Relayout();
    m_seenRevision = m_core.Revision();
    UpdateScrollBar();
    EnsureCaretVisible();
    PlaceCaret();
    const size_t selLo = static_cast<size_t>(m_core.SelMin()),
                 selHi = static_cast<size_t>(m_core.SelMax());
    if (m_scrollY != scrolled) {
        ::InvalidateRect(m_hWnd, nullptr, FALSE);
    } else if (selLo != m_paintedSelLo || selHi != m_paintedSelHi) {
        // Only a selection shows: the lines it covered and covers now.
        if (m_paintedSelLo != m_paintedSelHi)
            InvalidateRange(std::min(m_paintedSelLo, m_core.Document().Length()),
                            std::min(m_paintedSelHi, m_core.Document().Length()));
        if (selLo != selHi)
            InvalidateRange(selLo, selHi);
    }
    m_paintedSelLo = selLo;
    m_paintedSelHi = selHi;
    ShowCaretOnBars();
    if (notify) {
        if (docChanged) {
            if (CWnd* parent = GetParent())
                parent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_CHANGE),
                                    reinterpret_cast<LPARAM>(m_hWnd));
            if (m_notify)
                m_notify->OnTextChanged(this);
        }
        if (m_notify)
            m_notify->OnSelectionChanged(this);
    }
}

void CTXTextControl::UpdateScrollBar()
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    int page = rc.bottom - rc.top;
    int maxY = std::max(0, m_layout.Height() - page);
    if (m_scrollY > maxY)
        m_scrollY = maxY;
    SCROLLINFO si = {sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL};
    si.nMin = 0;
    si.nMax = std::max(m_layout.Height() - 1, 0);
    si.nPage = static_cast<UINT>(std::max(page, 1));
    si.nPos = m_scrollY;
    // Setting the same values again would still redraw the bar.
    if (si.nMax == m_barMax && static_cast<int>(si.nPage) == m_barPage && si.nPos == m_barPos)
        return;
    m_barMax = si.nMax;
    m_barPage = static_cast<int>(si.nPage);
    m_barPos = si.nPos;
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}

void CTXTextControl::ScrollTo(int y)
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    int maxY = std::max(0, m_layout.Height() - static_cast<int>(rc.bottom - rc.top));
    y = std::max(0, std::min(y, maxY));
    if (y == m_scrollY)
        return;
    m_scrollY = y;
    UpdateScrollBar();
    PlaceCaret();
    ::InvalidateRect(m_hWnd, nullptr, FALSE);
}

void CTXTextControl::EnsureCaretVisible()
{
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    size_t caret = static_cast<size_t>(m_core.Caret());
    const CTXLine& line = m_layout.Lines()[m_layout.LineOf(caret)];
    int page = rc.bottom - rc.top;
    if (line.y < m_scrollY)
        m_scrollY = line.y;
    else if (line.y + line.height > m_scrollY + page)
        m_scrollY = std::max(0, static_cast<int>(line.y + line.height - page));
    UpdateScrollBar();
}

void CTXTextControl::PlaceCaret()
{
    if (!m_hasFocus)
        return;
    size_t caret = static_cast<size_t>(m_core.Caret());
    const CTXLine& line = m_layout.Lines()[m_layout.LineOf(caret)];
    POINT p = m_layout.PointOf(caret);
    if (line.height != m_caretHeight) {
        ::DestroyCaret();
        ::CreateCaret(m_hWnd, nullptr, 2, line.height);
        m_caretHeight = line.height;
        ::SetCaretPos(p.x, p.y - m_scrollY);
        ::ShowCaret(m_hWnd);
        return;
    }
    ::SetCaretPos(p.x, p.y - m_scrollY);
}

void CTXTextControl::PaintTo(HDC target, const RECT& client, const RECT* update)
{
    if (m_layoutWidth != client.right - client.left || m_core.DocRevision() != m_seenDocRevision)
        Relayout();
    // Only the part asked for is drawn: typing repaints the lines it changed, not the page.
    RECT area = client;
    if (update && !::IntersectRect(&area, &client, update))
        return;
    const int w = area.right - area.left, h = area.bottom - area.top;
    HDC dc = BackBuffer(w, h);
    ::SetViewportOrgEx(dc, -area.left, -area.top, nullptr);
    HGDIOBJ oldFont = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    HBRUSH window = ::GetSysColorBrush(COLOR_WINDOW);
    if (m_layout.PageLayout()) {
        // Pages on grey, each with a shadow.
        ::FillRect(dc, &area, ::GetSysColorBrush(COLOR_APPWORKSPACE));
        HBRUSH shadow = ::GetSysColorBrush(COLOR_3DDKSHADOW);
        for (int p = 0; p < m_layout.PageCount(); ++p) {
            RECT page = m_layout.PageRect(p);
            ::OffsetRect(&page, 0, -m_scrollY);
            if (page.bottom + 3 < area.top || page.top > area.bottom)
                continue;
            RECT drop = page;
            ::OffsetRect(&drop, 3, 3);
            ::FillRect(dc, &drop, shadow);
            ::FillRect(dc, &page, window);
        }
    } else {
        ::FillRect(dc, &area, window);
    }

    std::lock_guard<std::recursive_mutex> g(m_core.Lock());
    const CRichDocument& doc = m_core.Document();
    const std::u16string& text = doc.Text();
    const std::vector<CTXLine>& lines = m_layout.Lines();
    size_t selLo = static_cast<size_t>(m_core.SelMin()),
           selHi = static_cast<size_t>(m_core.SelMax());
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT),
                   highlightText = ::GetSysColor(COLOR_HIGHLIGHTTEXT);

    // The lines in the area, and which of their characters lie in fields.
    auto firstIt = std::upper_bound(lines.begin(), lines.end(), area.top + m_scrollY,
                                    [](int v, const CTXLine& l) { return v < l.y; });
    size_t first = firstIt == lines.begin() ? 0 : static_cast<size_t>(firstIt - lines.begin()) - 1;
    size_t last = first;
    while (last < lines.size() && lines[last].y - m_scrollY <= area.bottom)
        ++last;
    const size_t lo = first < lines.size() ? lines[first].start : 0;
    const size_t hi = last > first ? lines[last - 1].end : lo;
    std::vector<char> inField(hi - lo, 0);
    for (const CRichField& f : doc.Fields())
        for (size_t i = std::max(f.start, lo); i < std::min(f.end(), hi); ++i)
            inField[i - lo] = 1;

    for (size_t li = first; li < last; ++li) {
        const CTXLine& line = lines[li];
        int top = line.y - m_scrollY;
        if (line.pageBreak) {
            // A page break: a dotted line across the window in the room above the line.
            const int y = top - (line.spaceAbove + 1) / 2;
            const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
            for (int x = area.left - area.left % 4; x < area.right; x += 4)
                ::SetPixel(dc, x, y, grey);
        }
        size_t i = line.start;
        while (i < line.end) {
            // A stretch of one format, one selection state and one field state.
            bool selected = i >= selLo && i < selHi;
            size_t j = i;
            while (j < line.end && doc.FormatIndexAt(j) == doc.FormatIndexAt(i) &&
                   (j >= selLo && j < selHi) == selected && inField[j - lo] == inField[i - lo])
                ++j;
            const CRichCharFormat& f = doc.FormatAt(i);
            const CTXFontCache::Entry& font = m_fonts.Get(dc, f);
            RECT box = {line.x[i - line.start], top, line.x[j - line.start], top + line.height};
            COLORREF back = selected ? highlight
                : f.hasBack          ? f.back
                : inField[i - lo]    ? kFieldShade
                                     : CLR_INVALID;
            if (back != CLR_INVALID) {
                HBRUSH b = ::CreateSolidBrush(back);
                ::FillRect(dc, &box, b);
                ::DeleteObject(b);
            }
            ::SelectObject(dc, font.font);
            ::SetTextColor(dc, selected ? highlightText : f.color);
            // Tabs are drawn as the space they take, images and objects below; the rest as
            // it stands.
            size_t k = i;
            while (k < j) {
                size_t e = k;
                while (e < j && text[e] != '\t' && text[e] != kObjectChar && text[e] != kCellChar)
                    ++e;
                if (e > k)
                    ::TextOutW(dc, line.x[k - line.start], top + line.ascent - font.ascent,
                               reinterpret_cast<const wchar_t*>(text.data() + k),
                               static_cast<int>(e - k));
                k = e < j ? e + 1 : e;
            }
            i = j;
        }
        for (size_t k = text.find(kObjectChar, line.start); k < line.end;
             k = text.find(kObjectChar, k + 1))
            if (const CRichField* f = CTXLayout::EmbeddedAt(doc, k)) {
                RECT r = m_layout.ObjectRect(doc, *f);
                ::OffsetRect(&r, 0, -m_scrollY);
                richtext::DrawRichObject(dc, *f->object, r);
            }
        if (!line.cellEdges.empty() && (line.borders || m_showGridLines))
            richtext::DrawCellEdges(dc, line.cellEdges, 0, top, top + line.height, !line.borders);
        // A selected paragraph mark shows as a small block.
        if (line.endsParagraph && line.end >= selLo && line.end < selHi) {
            RECT mark = {line.x.back(), top, line.x.back() + 5, top + line.height};
            HBRUSH b = ::CreateSolidBrush(highlight);
            ::FillRect(dc, &mark, b);
            ::DeleteObject(b);
        }
    }
    // Targets: a thin marker where each stands.
    HBRUSH markBrush = ::CreateSolidBrush(kTargetMark);
    for (const CRichField& f : doc.Fields()) {
        if (f.type != TXFIELDTYPE_TARGET || f.start < lo || f.start > hi)
            continue;
        POINT p = m_layout.PointOf(f.start);
        const CTXLine& line = lines[m_layout.LineOf(f.start)];
        RECT mark = {p.x - 1, p.y - m_scrollY, p.x + 1,
                     p.y - m_scrollY + std::max(line.height / 3, 4)};
        ::FillRect(dc, &mark, markBrush);
    }
    ::DeleteObject(markBrush);

    ::BitBlt(target, area.left, area.top, w, h, dc, area.left, area.top, SRCCOPY);
    ::SelectObject(dc, oldFont);
    ::SetViewportOrgEx(dc, 0, 0, nullptr);
}

// A memory DC in the display's format for measuring, made once.
HDC CTXTextControl::MeasureDC()
{
    if (!m_measure.dc) {
        HDC screen = ::GetDC(nullptr);
        m_measure.dc = ::CreateCompatibleDC(screen);
        ::ReleaseDC(nullptr, screen);
    }
    return m_measure.dc;
}

// The drawing surface of the paint, kept from one paint to the next (grown when needed).
HDC CTXTextControl::BackBuffer(int w, int h)
{
    w = std::max(w, 1);
    h = std::max(h, 1);
    if (!m_back.dc || w > m_back.width || h > m_back.height) {
        m_back.Reset();
        HDC screen = ::GetDC(nullptr);
        m_back.dc = ::CreateCompatibleDC(screen);
        m_back.width = std::max(w, m_back.width);
        m_back.height = std::max(h, m_back.height);
        m_back.bitmap = ::CreateCompatibleBitmap(screen, m_back.width, m_back.height);
        m_back.old = ::SelectObject(m_back.dc, m_back.bitmap);
        ::ReleaseDC(nullptr, screen);
    }
    return m_back.dc;
}

void CTXTextControl::Surface::Reset()
{
    if (dc) {
        if (old)
            ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    if (bitmap)
        ::DeleteObject(bitmap);
    dc = nullptr;
    bitmap = nullptr;
    old = nullptr;
}

long CTXTextControl::WordStart(long pos) const
{
    const std::u16string& t = m_core.Document().Text();
    while (pos > 0 && !IsWordChar(t[pos - 1]))
        --pos;
    while (pos > 0 && IsWordChar(t[pos - 1]))
        --pos;
    return pos;
}

long CTXTextControl::WordEnd(long pos) const
{
    const std::u16string& t = m_core.Document().Text();
    long n = static_cast<long>(t.size());
    while (pos < n && IsWordChar(t[pos]))
        ++pos;
    while (pos < n && !IsWordChar(t[pos]) && t[pos] != '\n')
        ++pos;
    return pos;
}

void CTXTextControl::MoveTo(long pos, bool extend, bool keepGoal)
{
    if (!keepGoal)
        m_goalX = -1;
    m_core.MoveCaret(pos, extend);
    Refresh(true);
}

void CTXTextControl::OnKeyDown(UINT key)
{
    const bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL);
    const long caret = m_core.Caret(), len = static_cast<long>(m_core.Document().Length());
    const bool hasSel = m_core.SelMin() != m_core.SelMax();
    RECT rc;
    ::GetClientRect(m_hWnd, &rc);
    auto vertical = [&](int dy) {
        POINT p = m_layout.PointOf(static_cast<size_t>(caret));
        if (m_goalX < 0)
            m_goalX = p.x;
        const CTXLine& line = m_layout.Lines()[m_layout.LineOf(static_cast<size_t>(caret))];
        int y = dy < 0 ? p.y + dy : p.y + line.height + dy - 1;
        if (y < 0)
            return MoveTo(0, shift, true);
        if (y >= m_layout.Height())
            return MoveTo(len, shift, true);
        MoveTo(static_cast<long>(m_layout.PositionAt(m_goalX, y)), shift, true);
    };
    switch (key) {
    case VK_LEFT:
        if (hasSel && !shift)
            return MoveTo(m_core.SelMin(), false);
        return MoveTo(ctrl ? WordStart(caret) : std::max(caret - 1, 0L), shift);
    case VK_RIGHT:
        if (hasSel && !shift)
            return MoveTo(m_core.SelMax(), false);
        return MoveTo(ctrl ? WordEnd(caret) : std::min(caret + 1, len), shift);
    case VK_UP:
        return vertical(-1);
    case VK_DOWN:
        return vertical(1);
    case VK_PRIOR:
        return vertical(-(rc.bottom - rc.top));
    case VK_NEXT:
        return vertical(rc.bottom - rc.top);
    case VK_HOME: {
        if (ctrl)
            return MoveTo(0, shift);
        const CTXLine& line = m_layout.Lines()[m_layout.LineOf(static_cast<size_t>(caret))];
        return MoveTo(static_cast<long>(line.start), shift);
    }
    case VK_END: {
        if (ctrl)
            return MoveTo(len, shift);
        const CTXLine& line = m_layout.Lines()[m_layout.LineOf(static_cast<size_t>(caret))];
        long end = static_cast<long>(line.end);
        // On a wrapped line the caret stays before the blank the line breaks at.
        if (!line.endsParagraph && end < len && end > static_cast<long>(line.start))
            --end;
        return MoveTo(end, shift);
    }
    case VK_DELETE:
        if (shift && !ctrl)
            return Cut();
        m_core.DeleteForward();
        return Refresh(true);
    case VK_INSERT:
        if (ctrl)
            return Copy();
        if (shift)
            return Paste();
        return;
    }
    if (!ctrl)
        return;
    switch (key) {
    case 'A':
        m_core.SetSel(0, -1);
        return Refresh(true);
    case 'C':
        return Copy();
    case 'X':
        return Cut();
    case 'V':
        return Paste();
    case 'Z':
        m_core.Undo();
        return Refresh(true);
    case 'Y':
        m_core.Redo();
        return Refresh(true);
    }
}

// A typed character: from WM_CHAR a character of the ANSI code page (this is a narrow
// window), from WM_UNICHAR a Unicode code point.
void CTXTextControl::OnChar(UINT ch, bool unicode)
{
    if (KeyDown(VK_CONTROL) && !KeyDown(VK_MENU))
        return; // control keys are handled on key down
    if (ch == '\b') {
        m_core.Backspace();
    } else if (ch == '\r') {
        m_core.TypeChar(u'\n');
    } else if (ch == '\t' || (ch >= 32 && ch != 127)) {
        std::u16string typed;
        if (!unicode)
            typed = richtext::AnsiToUtf16(std::string(1, static_cast<char>(ch)));
        else if (ch >= 0x10000 && ch <= 0x10FFFF)
            typed = {static_cast<char16_t>(0xD800 + ((ch - 0x10000) >> 10)),
                     static_cast<char16_t>(0xDC00 + ((ch - 0x10000) & 0x3FF))};
        else if (ch < 0x10000)
            typed = std::u16string(1, static_cast<char16_t>(ch));
        for (char16_t c : typed)
            m_core.TypeChar(c);
    } else {
        return;
    }
    m_goalX = -1;
    Refresh(true);
}

void CTXTextControl::OnMouse(UINT msg, WPARAM wParam, LPARAM lParam)
{
    int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam)) + m_scrollY;
    long pos = static_cast<long>(m_layout.PositionAt(x, y));
    switch (msg) {
    case WM_LBUTTONDOWN:
        if (::GetFocus() != m_hWnd)
            ::SetFocus(m_hWnd);
        ::SetCapture(m_hWnd);
        m_dragging = true;
        MoveTo(pos, (wParam & MK_SHIFT) != 0);
        break;
    case WM_LBUTTONDBLCLK: {
        const std::u16string& t = m_core.Document().Text();
        long lo = pos, hi = pos, n = static_cast<long>(t.size());
        while (lo > 0 && IsWordChar(t[lo - 1]))
            --lo;
        while (hi < n && IsWordChar(t[hi]))
            ++hi;
        m_core.SetSel(lo, hi);
        Refresh(true);
        break;
    }
    case WM_MOUSEMOVE:
        if (m_dragging && (wParam & MK_LBUTTON)) {
            RECT rc;
            ::GetClientRect(m_hWnd, &rc);
            int sy = static_cast<short>(HIWORD(lParam));
            if (sy < 0)
                ScrollTo(m_scrollY - 16);
            else if (sy > rc.bottom)
                ScrollTo(m_scrollY + 16);
            MoveTo(pos, true);
        }
        break;
    case WM_LBUTTONUP:
        if (m_dragging) {
            m_dragging = false;
            ::ReleaseCapture();
        }
        break;
    }
}

void CTXTextControl::Copy()
{
    if (m_core.SelMin() == m_core.SelMax())
        return;
    CRichDocument part = m_core.SelectedDocument();
    std::string rtf = richtext::WriteRtf(part), own = richtext::WriteNative(part);
    if (!::OpenClipboard(m_hWnd))
        return;
    ::EmptyClipboard();
    auto put = [](UINT format, const std::string& bytes, bool terminate) {
        HGLOBAL mem = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size() + (terminate ? 1 : 0));
        if (!mem)
            return;
        char* p = static_cast<char*>(::GlobalLock(mem));
        memcpy(p, bytes.data(), bytes.size());
        if (terminate)
            p[bytes.size()] = '\0';
        ::GlobalUnlock(mem);
        if (!::SetClipboardData(format, mem))
            ::GlobalFree(mem);
    };
    put(CF_TEXT, richtext::Utf16ToAnsi(part.Text()), true);
    const std::u16string wide = part.Text();
    put(CF_UNICODETEXT,
        std::string(reinterpret_cast<const char*>(wide.c_str()),
                    (wide.size() + 1) * sizeof(char16_t)),
        false);
    put(RtfClipboardFormat(), rtf, true);
    put(OwnClipboardFormat(), own, false);
    ::CloseClipboard();
}

void CTXTextControl::Cut()
{
    if (m_core.SelMin() == m_core.SelMax())
        return;
    Copy();
    m_core.ClearSel();
    Refresh(true);
}

void CTXTextControl::Paste()
{
    if (!::OpenClipboard(m_hWnd))
        return;
    auto get = [](UINT format, std::string& out) {
        HANDLE h = ::GetClipboardData(format);
        if (!h)
            return false;
        const char* p = static_cast<const char*>(::GlobalLock(h));
        if (!p)
            return false;
        size_t size = ::GlobalSize(h);
        out.assign(p, size);
        ::GlobalUnlock(h);
        return true;
    };
    std::string bytes, error;
    CRichDocument doc;
    bool ok = false;
    if (get(OwnClipboardFormat(), bytes))
        ok = richtext::ReadNative(bytes, doc, error);
    if (!ok && get(RtfClipboardFormat(), bytes)) {
        bytes.resize(strnlen(bytes.c_str(), bytes.size()));
        ok = richtext::ReadRtf(bytes, doc, error);
    }
    if (!ok && get(CF_UNICODETEXT, bytes)) {
        std::u16string wide(bytes.size() / 2, u'\0');
        memcpy(&wide[0], bytes.data(), wide.size() * 2);
        wide.resize(std::char_traits<char16_t>::length(wide.c_str()));
        doc = CRichDocument();
        doc.Append(wide, m_core.TypingFormat());
        ok = true;
    }
    if (!ok && get(CF_TEXT, bytes)) {
        bytes.resize(strnlen(bytes.c_str(), bytes.size()));
        doc = CRichDocument();
        doc.Append(richtext::AnsiToUtf16(bytes), m_core.TypingFormat());
        ok = true;
    }
    ::CloseClipboard();
    if (!ok)
        return;
    m_core.ReplaceSelWith(doc);
    Refresh(true);
}

void CTXTextControl::ShowCaretOnBars()
{
    if (m_statusBar && m_statusBar->GetSafeHwnd()) {
        long line = 0, col = 0;
        GetLineAndCol(line, col);
        if (m_statusBar->IsKindOf(RUNTIME_CLASS(CTXStatusBar))) {
            static_cast<CTXStatusBar*>(m_statusBar)
                ->ShowPosition(m_layout.PageOf(static_cast<size_t>(m_core.Caret())),
                               static_cast<unsigned long>(line) + 1,
                               static_cast<unsigned>(col) + 1);
        } else {
            char text[64];
            wsprintfA(text, "Line %ld, Col %ld", line + 1, col + 1);
            m_statusBar->SetWindowText(text);
        }
    }
    if (m_buttonBar && m_buttonBar->GetSafeHwnd() &&
        m_buttonBar->IsKindOf(RUNTIME_CLASS(CTXButtonBar))) {
        CTXButtonBar* bar = static_cast<CTXButtonBar*>(m_buttonBar);
        // The bar works for the control that has the focus (or the only one there is).
        if (m_hasFocus || bar->GetControl() == nullptr)
            bar->SetControl(this);
        if (bar->GetControl() == this) {
            std::lock_guard<std::recursive_mutex> g(m_core.Lock());
            // The selection's first character, or what typing will use.
            bar->ShowFormat(m_core.SelMin() < m_core.SelMax()
                                ? m_core.Document().FormatAt(static_cast<size_t>(m_core.SelMin()))
                                : m_core.TypingFormat());
        }
    }
}
