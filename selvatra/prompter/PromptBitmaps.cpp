// Off-screen bitmaps: paragraphs near the display are rendered once into line bitmaps; two
// off-screen bitmaps a little taller than the screen are composed from them and alternate
// as the display scrolls (one is rebuilt, shifted by a line, while the other is shown);
// painting copies the visible band to the window and draws the reading pointer.
#include <algorithm>
#include <vector>

#include "PromptBaseWnd.h"
#include "SelvatraResource.h"

namespace {

// A memory DC of the calling thread; each thread composes with its own.
class WorkDC
{
public:
    explicit WorkDC(HDC ref) : m_hdc(CreateCompatibleDC(ref)) { }
    ~WorkDC()
    {
        if (m_hdc)
            DeleteDC(m_hdc);
    }
    HDC get() const { return m_hdc; }

private:
    HDC m_hdc;
};

class Selected
{
public:
    Selected(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(SelectObject(dc, obj)) { }
    ~Selected() { SelectObject(m_dc, m_old); }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

} // namespace

// A bitmap in the display's format. The worker threads make their DCs and bitmaps from the
// display, never from the window's own DC, which painting uses at the same time.
HBITMAP NewDisplayBitmap(int width, int height)
{
    HDC screen = ::GetDC(nullptr);
    HBITMAP bmp = CreateCompatibleBitmap(screen, width, height);
    ::ReleaseDC(nullptr, screen);
    return bmp;
}

void CPromptBaseWnd::PatBltScreenBitMap(HDC hdc, int top, int height, int width)
{
    if (m_bMonoBitmap) {
        PatBlt(hdc, 0, top, width, height, m_bReverseImage ? BLACKNESS : WHITENESS);
        return;
    }
    RECT rc = {0, top, width, top + height};
    HBRUSH brush = CreateSolidBrush(m_crBack);
    FillRect(hdc, &rc, brush);
    DeleteObject(brush);
}

// ---- paragraph bitmaps --------------------------------------------------------------------

void CPromptBaseWnd::RenderParagraph(CPromptParagraph* paragraph, HDC hdc)
{
    if (!paragraph || paragraph->m_bRendered)
        return;
    const int width = m_nUsableWidth, lh = m_nLineHeight;
    PromptLayoutSettings settings = m_layout;
    for (POSITION pos = paragraph->m_layout.m_lstLines.GetHeadPosition(); pos;) {
        tagFormatedLine* line = paragraph->m_layout.m_lstLines.GetNext(pos);
        HBITMAP bmp =
            m_bMonoBitmap ? CreateBitmap(width, lh, 1, 1, nullptr) : NewDisplayBitmap(width, lh);
        if (!bmp)
            continue;
        {
            Selected sel(hdc, bmp);
            if (m_bMirrorImage && m_hMirrorBitmap) {
                // Draw into the mirror bitmap, then copy it flipped left to right.
                WorkDC mirror(nullptr);
                Selected selMirror(mirror.get(), m_hMirrorBitmap);
                PatBltScreenBitMap(mirror.get(), 0, lh, width);
                DrawLine(settings, mirror.get(), line, 0);
                StretchBlt(hdc, width - 1, 0, -width, lh, mirror.get(), 0, 0, width, lh, SRCCOPY);
            } else {
                PatBltScreenBitMap(hdc, 0, lh, width);
                DrawLine(settings, hdc, line, 0);
            }
        }
        delete line->m_pBitmap;
        line->m_pBitmap = new CLineBitmap(bmp);
    }
    paragraph->m_layout.m_bStopMarker = (paragraph->m_nFlags & PT_STOP_MARKER) != 0;
    paragraph->m_layout.m_bStartMarker = (paragraph->m_nFlags & PT_START_MARKER) != 0;
    paragraph->m_bRendered = true;
}

void CPromptBaseWnd::ReleaseParagraphBitmap(CPromptParagraph* paragraph)
{
    if (!paragraph || !paragraph->m_bRendered)
        return;
    for (POSITION pos = paragraph->m_layout.m_lstLines.GetHeadPosition(); pos;) {
        tagFormatedLine* line = paragraph->m_layout.m_lstLines.GetNext(pos);
        delete line->m_pBitmap;
        line->m_pBitmap = nullptr;
    }
    paragraph->m_bRendered = false;
}

void CPromptBaseWnd::DeleteBitmapEntries()
{
    EnterCriticalSection(&m_csLists);
    while (!m_lstBitmaps.IsEmpty()) {
        prmptCBitmap* entry = m_lstBitmaps.RemoveHead();
        ReleaseParagraphBitmap(ParagraphAt(entry->m_posParagraph));
    }
    LeaveCriticalSection(&m_csLists);
}

// Renders the paragraphs from `above` lines over top to `below` lines under bottom and
// releases every other rendered paragraph. Called with the lists locked.
void CPromptBaseWnd::RenderWindow(PromptLineRef top, PromptLineRef bottom, int above, int below)
{
    if (m_lstParagraphs.IsEmpty())
        return;
    POSITION first = top.pos ? top.pos : m_lstParagraphs.GetHeadPosition();
    POSITION last = bottom.pos ? bottom.pos : m_lstParagraphs.GetTailPosition();
    for (int lines = 0; lines < above;) {
        POSITION p = first;
        m_lstParagraphs.GetPrev(p);
        if (!p)
            break;
        first = p;
        lines += m_lstParagraphs.GetAt(p)->m_nLines;
    }
    for (int lines = 0; lines < below;) {
        POSITION p = last;
        m_lstParagraphs.GetNext(p);
        if (!p)
            break;
        last = p;
        lines += m_lstParagraphs.GetAt(p)->m_nLines;
    }

    CTypedPtrList<CObList, prmptCBitmap*> window;
    WorkDC dc(nullptr);
    for (POSITION pos = first; pos;) {
        POSITION here = pos;
        CPromptParagraph* p = m_lstParagraphs.GetNext(pos);
        RenderParagraph(p, dc.get());
        p->m_layout.m_posParagraph = here;
        window.AddTail(&p->m_layout);
        if (here == last)
            break;
    }
    // Release what lies outside the window.
    for (POSITION pos = m_lstBitmaps.GetHeadPosition(); pos;) {
        prmptCBitmap* entry = m_lstBitmaps.GetNext(pos);
        if (!window.Find(entry))
            ReleaseParagraphBitmap(ParagraphAt(entry->m_posParagraph));
    }
    m_lstBitmaps.RemoveAll();
    m_lstBitmaps.AddTail(&window);
}

POSITION CPromptBaseWnd::BuildPrompterBitMapList()
{
    EnterCriticalSection(&m_csLists);
    PromptLineRef at;
    at.pos = m_posPrompter ? m_posPrompter : m_lstParagraphs.GetHeadPosition();
    const int bandLines = m_pOffBmp[0] ? m_pOffBmp[0]->m_nHeight / m_nLineHeight : 0;
    RenderWindow(at, at, m_nUpperLimit / m_nLineHeight + 1, bandLines + 1);
    POSITION first = m_lstBitmaps.GetHeadPosition();
    LeaveCriticalSection(&m_csLists);
    return first;
}

void CPromptBaseWnd::UpdateBitMaps()
{
    EnterCriticalSection(&m_csLists);
    RenderWindow(m_renderTop, m_renderBottom, m_nLinesPerScreen, m_nLinesPerScreen);
    LeaveCriticalSection(&m_csLists);
    UpdateParagraphList();
}

// ---- the sequence of lines ------------------------------------------------------------------

PromptLineRef CPromptBaseWnd::NextLine(PromptLineRef ref)
{
    if (!ref.pos) {
        if (m_lstParagraphs.IsEmpty()) {
            ref.blank = ref.blank >= 0 ? ref.blank + 1 : ref.blank + 1;
            return ref;
        }
        ref.pos = m_lstParagraphs.GetHeadPosition();
        ref.line = 0;
        ref.blank = 0;
        return ref;
    }
    if (ref.blank < 0) {
        if (++ref.blank == 0)
            ref.line = 0;
        return ref;
    }
    CPromptParagraph* p = m_lstParagraphs.GetAt(ref.pos);
    if (ref.blank == 0 && ref.line + 1 < p->m_nLines) {
        ++ref.line;
        return ref;
    }
    // The next paragraph that has lines (one loaded after the blanks started counts too).
    for (POSITION n = ref.pos;;) {
        m_lstParagraphs.GetNext(n);
        if (!n && m_bPromptContinuous && ref.pos != m_lstParagraphs.GetHeadPosition())
            n = m_lstParagraphs.GetHeadPosition();
        if (!n || n == ref.pos)
            break;
        if (m_lstParagraphs.GetAt(n)->m_nLines > 0) {
            PromptLineRef next;
            next.pos = n;
            return next;
        }
        if (n == m_lstParagraphs.GetTailPosition() && !m_bPromptContinuous)
            break;
    }
    ++ref.blank;
    return ref;
}

PromptLineRef CPromptBaseWnd::PrevLine(PromptLineRef ref)
{
    if (!ref.pos) {
        --ref.blank;
        return ref;
    }
    if (ref.blank > 0) {
        --ref.blank;
        return ref;
    }
    if (ref.blank == 0 && ref.line > 0) {
        --ref.line;
        return ref;
    }
    if (ref.blank == 0) {
        for (POSITION n = ref.pos;;) {
            m_lstParagraphs.GetPrev(n);
            if (!n && m_bPromptContinuous && ref.pos != m_lstParagraphs.GetTailPosition())
                n = m_lstParagraphs.GetTailPosition();
            if (!n || n == ref.pos)
                break;
            CPromptParagraph* p = m_lstParagraphs.GetAt(n);
            if (p->m_nLines > 0) {
                PromptLineRef prev;
                prev.pos = n;
                prev.line = p->m_nLines - 1;
                return prev;
            }
        }
    }
    --ref.blank;
    return ref;
}

// ---- composition ----------------------------------------------------------------------

void CPromptBaseWnd::CopyLine(HDC hdcDest, int row, HBITMAP line, HDC hdcWork)
{
    Selected sel(hdcWork, line);
    BitBlt(hdcDest, 0, row, m_nUsableWidth, m_nLineHeight, hdcWork, 0, 0, SRCCOPY);
}

// Composes one line at row and records it in the bitmap's script information (at the top of
// the list when composing upwards).
void CPromptBaseWnd::ComposeLine(DDTagOffBmpInfo* info, HDC hdcDest, HDC hdcWork, PromptLineRef ref,
                                 int row, bool atTop)
{
    const int lh = m_nLineHeight;
    CPromptParagraph* p = (ref.pos && ref.blank == 0) ? m_lstParagraphs.GetAt(ref.pos) : nullptr;
    tagFormatedLine* line = nullptr;
    if (p) {
        RenderParagraph(p, hdcWork); // normally done ahead by the bitmap thread
        POSITION lp = p->m_layout.m_lstLines.FindIndex(ref.line);
        line = lp ? p->m_layout.m_lstLines.GetAt(lp) : nullptr;
    }
    CLineBitmap* bmp = line ? static_cast<CLineBitmap*>(line->m_pBitmap) : nullptr;
    if (bmp && bmp->m_hBitmap)
        CopyLine(hdcDest, row, bmp->m_hBitmap, hdcWork);
    else
        PatBltScreenBitMap(hdcDest, row, lh, m_nUsableWidth);

    POSITION key = p ? ref.pos : nullptr;
    tagScriptInfo* edge = info->m_lstScript.IsEmpty()
        ? nullptr
        : (atTop ? info->m_lstScript.GetHead() : info->m_lstScript.GetTail());
    if (edge && edge->m_posParagraph == key) {
        if (atTop)
            edge->m_nTop = row;
        else
            edge->m_nBottom = row + lh - 1;
        return;
    }
    tagScriptInfo* entry = new tagScriptInfo;
    entry->m_posParagraph = key;
    entry->m_nTop = row;
    entry->m_nBottom = row + lh - 1;
    if (p) {
        entry->m_nNumber = p->m_nNumber;
        entry->m_lRecordId = p->m_lRecordId;
        entry->m_nFlags = p->m_nFlags;
    } else {
        // Blank lines: numbered after the paragraph above them, or before the one below.
        CPromptParagraph* neighbour = ref.pos ? m_lstParagraphs.GetAt(ref.pos) : nullptr;
        if (neighbour) {
            entry->m_nNumber =
                ref.blank > 0 ? neighbour->m_nNumber + 100 : neighbour->m_nNumber - 1;
            entry->m_lRecordId = neighbour->m_lRecordId;
        }
    }
    if (atTop)
        info->m_lstScript.AddHead(entry);
    else
        info->m_lstScript.AddTail(entry);
}

void CPromptBaseWnd::BuildOSBitmap(DDTagOffBmpInfo* info, POSITION pos)
{
    EnterCriticalSection(&m_csLists);
    WorkDC dest(nullptr), work(nullptr);
    Selected sel(dest.get(), info->m_hBitmap);
    PatBltScreenBitMap(dest.get(), 0, info->m_nHeight, info->m_nWidth);
    info->ClearScriptInfo();

    PromptLineRef start;
    start.pos = pos ? pos : m_lstParagraphs.GetHeadPosition();
    PromptLineRef top = start;
    for (int i = 0; i < m_nUpperLimit / m_nLineHeight; ++i)
        top = PrevLine(top);
    PromptLineRef ref = top, bottom = top;
    for (int row = 0; row + m_nLineHeight <= info->m_nHeight; row += m_nLineHeight) {
        ComposeLine(info, dest.get(), work.get(), ref, row, false);
        bottom = ref;
        ref = NextLine(ref);
    }
    info->m_top = top;
    info->m_bottom = bottom;
    info->m_bValid = true;
    m_renderTop = top;
    m_renderBottom = bottom;
    LeaveCriticalSection(&m_csLists);
}

void CPromptBaseWnd::BuildOffStageBitmap(POSITION pos)
{
    for (int i = 0; i < 2; ++i) {
        m_pOffBmp[i]->ClearScriptInfo();
        m_pOffBmp[i]->m_bValid = false;
    }
    DDTagOffBmpInfo* target = OtherOffBmp();
    BuildOSBitmap(target, pos);
    m_nCurrentBmp = 1 - m_nCurrentBmp;
    m_nRebuildDir = 0;
    SetCurrentCyPos(m_nUpperLimit);
    // Let the bitmap thread render ahead and ask for more scripts.
    ResetEvent(m_evBitmapsReady);
    SetEvent(m_evUpdateBitmaps);
}

void CPromptBaseWnd::RebuildOffScreenBitMap(bool reversed)
{
    DDTagOffBmpInfo* cur = CurrentOffBmp();
    // Colour bitmaps are DIB sections whose rows are copied directly, so painting from the
    // current bitmap goes on meanwhile; monochrome ones are blitted and painting waits.
    const bool rowsCopy = cur->m_pBits && OtherOffBmp()->m_pBits;
    if (!rowsCopy)
        WaitForSingleObject(m_evPaint, INFINITE);
    DDTagOffBmpInfo* other = OtherOffBmp();
    const int lh = m_nLineHeight, height = cur->m_nHeight, width = cur->m_nWidth;
    const int rows = height / lh;
    // Normally one line; as many as one step crosses when the step is longer than a line.
    int lines = m_nRebuildLines > 0 ? m_nRebuildLines : 1;
    if (lines > rows)
        lines = rows;
    const int shiftRows = lines * lh;
    {
        EnterCriticalSection(&m_csLists);
        WorkDC src(nullptr), dest(nullptr), work(nullptr);
        HGDIOBJ oldSrc = rowsCopy ? nullptr : SelectObject(src.get(), cur->m_hBitmap);
        Selected selDest(dest.get(), other->m_hBitmap);
        auto shiftBand = [&](int fromRow, int toRow, int count) {
            if (count <= 0)
                return;
            if (rowsCopy) {
                GdiFlush();
                memmove(other->m_pBits + size_t(toRow) * other->m_nStride,
                        cur->m_pBits + size_t(fromRow) * cur->m_nStride,
                        size_t(count) * cur->m_nStride);
            } else {
                BitBlt(dest.get(), 0, toRow, width, count, src.get(), 0, fromRow, SRCCOPY);
            }
        };

        // The other bitmap takes the current one's script information, shifted.
        other->ClearScriptInfo();
        const int shift = reversed ? shiftRows : -shiftRows;
        const int lowest = reversed ? shiftRows : 0; // rows the copied band covers
        const int highest = reversed ? height - 1 : height - shiftRows - 1;
        for (POSITION pos = cur->m_lstScript.GetHeadPosition(); pos;) {
            tagScriptInfo* from = cur->m_lstScript.GetNext(pos);
            int top = from->m_nTop + shift, bottom = from->m_nBottom + shift;
            if (top < lowest)
                top = lowest;
            if (bottom > highest)
                bottom = highest;
            if (bottom < top)
                continue;
            tagScriptInfo* copy = new tagScriptInfo(*from);
            copy->m_nTop = top;
            copy->m_nBottom = bottom;
            other->m_lstScript.AddTail(copy);
        }
        other->m_top = cur->m_top;
        other->m_bottom = cur->m_bottom;
        if (reversed) {
            shiftBand(0, shiftRows, height - shiftRows);
            for (int i = 0; i < lines; ++i) {
                other->m_top = PrevLine(other->m_top);
                other->m_bottom = PrevLine(other->m_bottom);
            }
            // New lines from the bottom of the gap upwards, so each goes on top of the list.
            PromptLineRef ref = other->m_top;
            for (int i = 1; i < lines; ++i)
                ref = NextLine(ref);
            for (int i = lines - 1; i >= 0; --i) {
                ComposeLine(other, dest.get(), work.get(), ref, i * lh, true);
                ref = PrevLine(ref);
            }
        } else {
            shiftBand(shiftRows, 0, height - shiftRows);
            PromptLineRef ref = other->m_bottom;
            for (int i = 0; i < lines; ++i) {
                ref = NextLine(ref);
                ComposeLine(other, dest.get(), work.get(), ref, height - shiftRows + i * lh, false);
            }
            for (int i = 0; i < lines; ++i) {
                other->m_top = NextLine(other->m_top);
                other->m_bottom = NextLine(other->m_bottom);
            }
        }
        other->m_bValid = true;
        m_nBuiltLines = lines;
        if (oldSrc)
            SelectObject(src.get(), oldSrc);
        m_renderTop = other->m_top;
        m_renderBottom = other->m_bottom;
        LeaveCriticalSection(&m_csLists);
    }
    if (!rowsCopy)
        SetEvent(m_evPaint);
    ResetEvent(m_evBitmapsReady);
    SetEvent(m_evUpdateBitmaps);
    SetEvent(m_evOffScreenReady);
}

// ---- painting -------------------------------------------------------------------------------

void CPromptBaseWnd::OnFullWindowPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    WaitServingSentMessages(m_evPaint);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const RECT& upd = ps.rcPaint;
    const int margin = m_nPointerMargin;
    const int textLeft = m_bMirrorImage ? 0 : margin;
    if (m_nPointerPosition && margin > 0) {
        const int mLeft = m_bMirrorImage ? client.right - margin : 0;
        if (upd.left < mLeft + margin && upd.right > mLeft)
            DrawPointer(dc, client);
    }
    DDTagOffBmpInfo* cur = CurrentOffBmp();
    const int top = upd.top, height = upd.bottom - upd.top;
    if (cur && cur->m_bValid && height > 0) {
        SetStretchBltMode(dc, m_bMonoBitmap ? WHITEONBLACK : COLORONCOLOR);
        HGDIOBJ old = SelectObject(m_hMemDC, cur->m_hBitmap);
        int srcTop = m_nCurrentCy - m_nReadingOffset + top;
        int h = height;
        if (srcTop < 0) {
            h += srcTop;
            srcTop = 0;
        }
        if (srcTop + h > cur->m_nHeight)
            h = cur->m_nHeight - srcTop;
        if (h > 0)
            BitBlt(dc, textLeft, top, m_nUsableWidth, h, m_hMemDC, 0, srcTop, SRCCOPY);
        SelectObject(m_hMemDC, old);
    } else if (height > 0) {
        PatBltScreenBitMap(dc, top, height, client.right);
    }
    SetEvent(m_evPaint);
    ::EndPaint(m_hWnd, &ps);
}

void CPromptBaseWnd::OnFramePaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    WaitServingSentMessages(m_evPaint);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int cw = client.right, ch = client.bottom;
    const int layoutW = m_nLayoutWidth > 0 ? m_nLayoutWidth : 1;
    const int margin = MulDiv(m_nPointerMargin, cw, layoutW);
    if (m_nPointerPosition && margin > 0)
        DrawPointer(dc, client);
    DDTagOffBmpInfo* cur = CurrentOffBmp();
    const int textW = cw - margin;
    if (cur && cur->m_bValid && textW > 0 && ch > 0) {
        SetStretchBltMode(
            dc, m_bMonoBitmap ? (m_bMirrorImage ? BLACKONWHITE : WHITEONBLACK) : COLORONCOLOR);
        HGDIOBJ old = SelectObject(m_hMemDC, cur->m_hBitmap);
        int srcTop = m_nCurrentCy - m_nReadingOffset;
        int srcH = m_nLayoutHeight;
        if (srcTop < 0)
            srcTop = 0;
        if (srcTop + srcH > cur->m_nHeight)
            srcH = cur->m_nHeight - srcTop;
        const int destH = MulDiv(srcH, ch, m_nLayoutHeight > 0 ? m_nLayoutHeight : 1);
        StretchBlt(dc, m_bMirrorImage ? 0 : margin, 0, textW, destH, m_hMemDC, 0, srcTop,
                   m_nUsableWidth, srcH, SRCCOPY);
        SelectObject(m_hMemDC, old);
    } else {
        PatBltScreenBitMap(dc, 0, ch, cw);
    }
    SetEvent(m_evPaint);
    ::EndPaint(m_hWnd, &ps);
}

void CPromptBaseWnd::DrawPointer(HDC hdc, const RECT& client)
{
    int margin = m_nPointerMargin, row = m_nReadingOffset;
    const int cw = client.right, ch = client.bottom;
    if (m_nWinType == WINTYPE_WINDOW) {
        margin = MulDiv(m_nPointerMargin, cw, m_nLayoutWidth > 0 ? m_nLayoutWidth : 1);
        row = MulDiv(ch, m_nReadingOffset, m_nLayoutHeight > 0 ? m_nLayoutHeight : 1);
    }
    if (margin <= 0)
        return;
    const int left = m_bMirrorImage ? cw - margin : 0;
    if (m_bMonoBitmap) {
        PatBlt(hdc, left, 0, margin, ch, m_bReverseImage ? BLACKNESS : WHITENESS);
    } else {
        RECT strip = {left, 0, left + margin, ch};
        HBRUSH brush = CreateSolidBrush(m_crBack);
        FillRect(hdc, &strip, brush);
        DeleteObject(brush);
    }

    const int id = m_nMarkerType == 2 ? IDB_POINTER_NARROW
        : m_nMarkerType == 3          ? IDB_POINTER_SMALL
        : m_nMarkerType == 4          ? IDB_POINTER_ARROW
                                      : IDB_POINTER_FULL;
    if (!m_hPointerBitmap || m_nPointerBitmapType != id) {
        if (m_hPointerBitmap)
            DeleteObject(m_hPointerBitmap);
        m_hPointerBitmap = nullptr;
        m_nPointerBitmapType = id;
        HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCE(id), RT_BITMAP);
        HBITMAP loaded =
            (HBITMAP)LoadImage(inst, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        if (loaded) {
            // Black becomes the background and yellow the pointer colour.
            BITMAP bm;
            GetObject(loaded, sizeof(bm), &bm);
            BITMAPINFO bi;
            memset(&bi, 0, sizeof(bi));
            bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
            bi.bmiHeader.biWidth = bm.bmWidth;
            bi.bmiHeader.biHeight = bm.bmHeight;
            bi.bmiHeader.biPlanes = 1;
            bi.bmiHeader.biBitCount = 32;
            bi.bmiHeader.biCompression = BI_RGB;
            std::vector<DWORD> px(size_t(bm.bmWidth) * size_t(bm.bmHeight));
            HDC screen = ::GetDC(nullptr);
            GetDIBits(screen, loaded, 0, bm.bmHeight, px.data(), &bi, DIB_RGB_COLORS);
            auto toDib = [](COLORREF c) {
                return DWORD(GetBValue(c)) | (DWORD(GetGValue(c)) << 8) |
                    (DWORD(GetRValue(c)) << 16);
            };
            const DWORD back = toDib(m_crBack), pointer = toDib(m_crPointer);
            for (DWORD& p : px) {
                const DWORD rgb = p & 0xFFFFFF;
                if (rgb == 0)
                    p = back;
                else if (rgb == 0xFFFF00)
                    p = pointer;
            }
            // Mirrored, the pointer sits on the right and points left.
            if (m_bMirrorImage)
                for (int y = 0; y < bm.bmHeight; ++y)
                    std::reverse(px.begin() + size_t(y) * bm.bmWidth,
                                 px.begin() + size_t(y + 1) * bm.bmWidth);
            m_hPointerBitmap = CreateCompatibleBitmap(screen, bm.bmWidth, bm.bmHeight);
            SetDIBits(screen, m_hPointerBitmap, 0, bm.bmHeight, px.data(), &bi, DIB_RGB_COLORS);
            ::ReleaseDC(nullptr, screen);
            DeleteObject(loaded);
        }
    }
    if (!m_hPointerBitmap)
        return;
    BITMAP bm;
    GetObject(m_hPointerBitmap, sizeof(bm), &bm);
    WorkDC work(hdc);
    Selected sel(work.get(), m_hPointerBitmap);
    SetStretchBltMode(hdc, COLORONCOLOR);
    StretchBlt(hdc, left, row, margin, margin, work.get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
}
