// Off-screen image and painting. The line thread draws each paragraph near the display once
// into a paragraph image; the frame the window shows is a ring of lines one frame tall: as
// the display moves by a line, the new line is copied into the rows of the line that just
// scrolled off and the ring's start moves on, so nothing else is moved. Each tick copies the
// frame to the window (in two pieces where the ring wraps); painting serves exposure only.
#include <algorithm>
#include <cstring>
#include <vector>

#include "PromptBaseWnd.h"
#include "SelvatraResource.h"
#include "fw/gdi_guard.h"

namespace {

DWORD DibPixel(COLORREF c)
{
    return DWORD(GetBValue(c)) | (DWORD(GetGValue(c)) << 8) | (DWORD(GetRValue(c)) << 16);
}

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

HBITMAP NewRowBitmap(int width, int height, BYTE** bits)
{
    BITMAPINFO bi;
    memset(&bi, 0, sizeof(bi));
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height; // top-down: row r starts at r * stride
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* p = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &p, nullptr, 0);
    *bits = bmp ? static_cast<BYTE*>(p) : nullptr;
    return bmp;
}

COLORREF CPromptBaseWnd::BackgroundColour() const
{
    if (m_bMonoBitmap)
        return m_bReverseImage ? RGB(0, 0, 0) : RGB(255, 255, 255);
    return m_crBack;
}

void CPromptBaseWnd::PatBltScreenBitMap(HDC hdc, int top, int height, int width)
{
    if (m_bMonoBitmap) {
        PatBlt(hdc, 0, top, width, height, m_bReverseImage ? BLACKNESS : WHITENESS);
        return;
    }
    RECT rc = {0, top, width, top + height};
    CGdiHandle<HGDIOBJ> brush(CreateSolidBrush(m_crBack));
    FillRect(hdc, &rc, (HBRUSH)brush.Get());
}

// ---- paragraph images (the line thread; the user-interface thread at a jump) ----------------

// Draws one line at row of hdc, flipped left to right when the display is mirrored.
void CPromptBaseWnd::DrawOneLine(HDC hdc, tagFormatedLine* line, int row, HBITMAP mirror)
{
    const int width = m_nUsableWidth, lh = m_nLineHeight;
    if (m_bMirrorImage && mirror) {
        // Drawn into the line-high mirror bitmap, then copied flipped.
        CGdiMemoryDC flip(nullptr);
        CGdiSelection sel(flip.Get(), mirror);
        PatBltScreenBitMap(flip.Get(), 0, lh, width);
        DrawLine(m_layout, flip.Get(), line, 0);
        StretchBlt(hdc, width - 1, row, -width, lh, flip.Get(), 0, 0, width, lh, SRCCOPY);
        return;
    }
    PatBltScreenBitMap(hdc, row, lh, width);
    DrawLine(m_layout, hdc, line, row);
}

void CPromptBaseWnd::RenderParagraph(CPromptParagraph* paragraph)
{
    int expected = kImageNone;
    if (!paragraph || paragraph->m_nLines <= 0 ||
        !paragraph->m_nImageState.compare_exchange_strong(expected, kImageDrawing))
        return;
    const int width = m_nUsableWidth, lh = m_nLineHeight;
    BYTE* bits = nullptr;
    HBITMAP image = NewRowBitmap(width, lh * paragraph->m_nLines, &bits);
    if (!image) {
        // No memory for the image: the tick draws this paragraph's lines itself.
        paragraph->m_nImageState.store(kImageNone);
        return;
    }
    {
        CGdiMemoryDC dc(nullptr);
        CGdiSelection sel(dc.Get(), image);
        CGdiHandle<HGDIOBJ> mirror(m_bMirrorImage ? NewDisplayBitmap(width, lh) : nullptr);
        int row = 0;
        for (POSITION pos = paragraph->m_layout.m_lstLines.GetHeadPosition(); pos; row += lh)
            DrawOneLine(dc.Get(), paragraph->m_layout.m_lstLines.GetNext(pos), row,
                        (HBITMAP)mirror.Get());
        GdiFlush(); // the rows are read directly from now on
    }
    paragraph->m_hImage = image;
    paragraph->m_pImageBits = bits;
    paragraph->m_layout.m_bStopMarker = (paragraph->m_nFlags & PT_STOP_MARKER) != 0;
    paragraph->m_layout.m_bStartMarker = (paragraph->m_nFlags & PT_START_MARKER) != 0;
    paragraph->m_nImageState.store(kImageReady, std::memory_order_release);
}

void CPromptBaseWnd::ReleaseParagraphBitmap(CPromptParagraph* paragraph)
{
    // Called with the lists locked, so no tick is copying from the image meanwhile.
    if (!paragraph || paragraph->m_nImageState.load() != kImageReady)
        return;
    DeleteObject(paragraph->m_hImage);
    paragraph->m_hImage = nullptr;
    paragraph->m_pImageBits = nullptr;
    paragraph->m_nImageState.store(kImageNone);
}

void CPromptBaseWnd::DeleteBitmapEntries()
{
    CSingleLock guard(&m_csLists, TRUE);
    while (!m_lstBitmaps.IsEmpty()) {
        prmptCBitmap* entry = m_lstBitmaps.RemoveHead();
        CPromptParagraph* p = ParagraphAt(entry->m_posParagraph);
        if (p)
            p->m_bInWindow = false;
        ReleaseParagraphBitmap(p);
    }
}

// Makes the paragraphs from `above` lines over top to `below` lines under bottom the window
// of drawn paragraphs, frees the images of every other one, then draws the window's images.
// The drawing runs outside the lists lock, so a tick never waits for it.
void CPromptBaseWnd::RenderWindow(PromptLineRef top, PromptLineRef bottom, int above, int below)
{
    std::vector<CPromptParagraph*> toDraw;
    {
        CSingleLock guard(&m_csLists, TRUE);
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

        for (POSITION pos = m_lstBitmaps.GetHeadPosition(); pos;)
            ParagraphAt(m_lstBitmaps.GetNext(pos)->m_posParagraph)->m_bInWindow = false;
        m_lstBitmaps.RemoveAll();
        for (POSITION pos = first; pos;) {
            POSITION here = pos;
            CPromptParagraph* p = m_lstParagraphs.GetNext(pos);
            p->m_layout.m_posParagraph = here;
            p->m_bInWindow = true;
            m_lstBitmaps.AddTail(&p->m_layout);
            toDraw.push_back(p);
            if (here == last)
                break;
        }
        for (POSITION pos = m_lstParagraphs.GetHeadPosition(); pos;) {
            CPromptParagraph* p = m_lstParagraphs.GetNext(pos);
            if (!p->m_bInWindow)
                ReleaseParagraphBitmap(p);
        }
    }
    // Nearest the reading position first: the frame's own lines are wanted soonest.
    for (CPromptParagraph* p : toDraw) {
        if (m_bStopThreads)
            break;
        RenderParagraph(p);
    }
}

POSITION CPromptBaseWnd::BuildPrompterBitMapList()
{
    PromptLineRef at;
    {
        CSingleLock guard(&m_csLists, TRUE);
        at.pos = m_posPrompter ? m_posPrompter : m_lstParagraphs.GetHeadPosition();
    }
    const int frameLines = m_pFrame ? m_pFrame->m_nHeight / m_nLineHeight : 0;
    RenderWindow(at, at, m_nUpperLimit / m_nLineHeight + 1, frameLines + 1);
    CSingleLock guard(&m_csLists, TRUE);
    return m_lstBitmaps.GetHeadPosition();
}

void CPromptBaseWnd::UpdateBitMaps()
{
    // Never while the script thread changes the paragraph list: drawing runs unlocked.
    WaitForSingleObject(m_evScriptsUpdated, INFINITE);
    if (m_bStopThreads)
        return;
    PromptLineRef top, bottom;
    {
        CSingleLock guard(&m_csLists, TRUE);
        top = m_renderTop;
        bottom = m_renderBottom;
    }
    RenderWindow(top, bottom, m_nLinesPerScreen, m_nLinesPerScreen);
    UpdateParagraphList();
}

// ---- the sequence of lines ------------------------------------------------------------------

PromptLineRef CPromptBaseWnd::NextLine(PromptLineRef ref)
{
    if (!ref.pos) {
        if (m_lstParagraphs.IsEmpty()) {
            ++ref.blank;
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

// ---- composition of the frame (user-interface thread, lists locked) ---------------------------

// Puts one line into the ring at frame row `row` and records it in the frame's script
// information (at the top of the list when composing upwards). A line whose paragraph image
// is ready is copied from it; any other is drawn here (counted as a miss).
void CPromptBaseWnd::ComposeLine(DDTagOffBmpInfo* info, PromptLineRef ref, int row, bool atTop)
{
    const int lh = m_nLineHeight;
    CPromptParagraph* p = (ref.pos && ref.blank == 0) ? m_lstParagraphs.GetAt(ref.pos) : nullptr;
    BYTE* dest = info->Row(row);
    const size_t lineBytes = size_t(info->m_nStride) * size_t(lh);
    if (!p) {
        const DWORD back = DibPixel(BackgroundColour());
        std::fill_n(reinterpret_cast<DWORD*>(dest), lineBytes / 4, back);
    } else if (p->m_nImageState.load(std::memory_order_acquire) == kImageReady) {
        memcpy(dest, p->m_pImageBits + size_t(ref.line) * lineBytes, lineBytes);
    } else {
        POSITION lp = p->m_layout.m_lstLines.FindIndex(ref.line);
        tagFormatedLine* line = lp ? p->m_layout.m_lstLines.GetAt(lp) : nullptr;
        const int ringRow = info->RingRow(row);
        if (line)
            DrawOneLine(m_hMemDC, line, ringRow, m_hMirrorBitmap);
        else
            PatBltScreenBitMap(m_hMemDC, ringRow, lh, info->m_nWidth);
        GdiFlush();
        ++m_nLineMisses;
        m_bLinesWanted = true;
    }

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
    CSingleLock guard(&m_csLists, TRUE);
    info->ClearScriptInfo();
    info->m_nBase = 0;

    PromptLineRef start;
    start.pos = pos ? pos : m_lstParagraphs.GetHeadPosition();
    PromptLineRef top = start;
    for (int i = 0; i < m_nUpperLimit / m_nLineHeight; ++i)
        top = PrevLine(top);
    PromptLineRef ref = top, bottom = top;
    for (int row = 0; row + m_nLineHeight <= info->m_nHeight; row += m_nLineHeight) {
        ComposeLine(info, ref, row, false);
        bottom = ref;
        ref = NextLine(ref);
    }
    info->m_top = top;
    info->m_bottom = bottom;
    info->m_bValid = true;
    m_renderTop = top;
    m_renderBottom = bottom;
}

void CPromptBaseWnd::BuildOffStageBitmap(POSITION pos)
{
    if (!m_pFrame)
        return;
    BuildOSBitmap(m_pFrame.get(), pos);
    SetCurrentCyPos(m_nUpperLimit);
    // Let the line thread draw ahead and ask for more scripts.
    ResumeLineWork();
}

// Moves the frame by `lines` lines in direction dir (1 forwards): the ring's start moves on
// and only the new lines are put in, into the rows of the lines that left.
void CPromptBaseWnd::ShiftFrame(int dir, int lines)
{
    DDTagOffBmpInfo* frame = m_pFrame.get();
    const int lh = m_nLineHeight, height = frame->m_nHeight;
    const int rows = height / lh;
    if (lines > rows)
        lines = rows;
    const int shiftRows = lines * lh;
    GdiFlush(); // the ring's rows are written directly below

    CSingleLock guard(&m_csLists, TRUE);
    const bool reversed = dir < 0;
    const int shift = reversed ? shiftRows : -shiftRows;
    const int lowest = reversed ? shiftRows : 0; // the rows the kept lines cover
    const int highest = reversed ? height - 1 : height - shiftRows - 1;
    for (POSITION pos = frame->m_lstScript.GetHeadPosition(); pos;) {
        POSITION here = pos;
        tagScriptInfo* info = frame->m_lstScript.GetNext(pos);
        info->m_nTop = std::max(info->m_nTop + shift, lowest);
        info->m_nBottom = std::min(info->m_nBottom + shift, highest);
        if (info->m_nBottom < info->m_nTop) {
            frame->m_lstScript.RemoveAt(here);
            delete info;
        }
    }
    if (reversed) {
        frame->m_nBase = (frame->m_nBase - shiftRows + height) % height;
        for (int i = 0; i < lines; ++i) {
            frame->m_top = PrevLine(frame->m_top);
            frame->m_bottom = PrevLine(frame->m_bottom);
        }
        // New lines from the bottom of the gap upwards, so each goes on top of the list.
        PromptLineRef ref = frame->m_top;
        for (int i = 1; i < lines; ++i)
            ref = NextLine(ref);
        for (int i = lines - 1; i >= 0; --i) {
            ComposeLine(frame, ref, i * lh, true);
            ref = PrevLine(ref);
        }
    } else {
        frame->m_nBase = (frame->m_nBase + shiftRows) % height;
        PromptLineRef ref = frame->m_bottom;
        for (int i = 0; i < lines; ++i) {
            ref = NextLine(ref);
            ComposeLine(frame, ref, height - shiftRows + i * lh, false);
        }
        for (int i = 0; i < lines; ++i) {
            frame->m_top = NextLine(frame->m_top);
            frame->m_bottom = NextLine(frame->m_bottom);
        }
    }
    m_renderTop = frame->m_top;
    m_renderBottom = frame->m_bottom;
    m_bLinesWanted = true;
}

// ---- copying the frame to the window -----------------------------------------------------------

// Copies `height` frame rows from frame row srcTop to the window at (x, y), unscaled: one
// piece, or two where the ring wraps.
void CPromptBaseWnd::CopyFrame(HDC dc, int x, int y, int srcTop, int height)
{
    DDTagOffBmpInfo* frame = m_pFrame.get();
    if (srcTop < 0) {
        y -= srcTop;
        height += srcTop;
        srcTop = 0;
    }
    if (srcTop + height > frame->m_nHeight)
        height = frame->m_nHeight - srcTop;
    if (height <= 0)
        return;
    const int ringTop = frame->RingRow(srcTop);
    const int first = std::min(height, frame->m_nHeight - ringTop);
    BitBlt(dc, x, y, frame->m_nWidth, first, m_hMemDC, 0, ringTop, SRCCOPY);
    if (first < height)
        BitBlt(dc, x, y + first, frame->m_nWidth, height - first, m_hMemDC, 0, 0, SRCCOPY);
}

// The same for a window showing the layout screen scaled to its client area.
void CPromptBaseWnd::StretchFrame(HDC dc, int x, int width, int clientHeight)
{
    DDTagOffBmpInfo* frame = m_pFrame.get();
    const int layoutH = m_nLayoutHeight > 0 ? m_nLayoutHeight : 1;
    int srcTop = std::max(m_nCurrentCy - m_nReadingOffset, 0);
    int srcH = m_nLayoutHeight;
    if (srcTop + srcH > frame->m_nHeight)
        srcH = frame->m_nHeight - srcTop;
    if (srcH <= 0 || width <= 0)
        return;
    const int ringTop = frame->RingRow(srcTop);
    const int first = std::min(srcH, frame->m_nHeight - ringTop);
    const int split = MulDiv(first, clientHeight, layoutH);
    StretchBlt(dc, x, 0, width, split, m_hMemDC, 0, ringTop, m_nUsableWidth, first, SRCCOPY);
    if (first < srcH)
        StretchBlt(dc, x, split, width, MulDiv(srcH, clientHeight, layoutH) - split, m_hMemDC, 0, 0,
                   m_nUsableWidth, srcH - first, SRCCOPY);
}

int CPromptBaseWnd::StretchMode() const
{
    if (!m_bMonoBitmap)
        return COLORONCOLOR;
    if (m_nWinType == WINTYPE_WINDOW && m_bMirrorImage)
        return BLACKONWHITE;
    return WHITEONBLACK;
}

void CPromptBaseWnd::DrawFrame(HDC dc, int top, int bottom)
{
    if (!m_pFrame || !m_pFrame->m_bValid)
        return;
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    SetStretchBltMode(dc, StretchMode());
    if (m_nWinType == WINTYPE_WINDOW) {
        const int layoutW = m_nLayoutWidth > 0 ? m_nLayoutWidth : 1;
        const int margin = MulDiv(m_nPointerMargin, client.right, layoutW);
        StretchFrame(dc, m_bMirrorImage ? 0 : margin, client.right - margin, client.bottom);
        return;
    }
    const int textLeft = m_bMirrorImage ? 0 : m_nPointerMargin;
    CopyFrame(dc, textLeft, top, m_nCurrentCy - m_nReadingOffset + top, bottom - top);
}

// ---- painting (exposure) ------------------------------------------------------------------------

void CPromptBaseWnd::OnFullWindowPaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const RECT& upd = ps.rcPaint;
    const int margin = m_nPointerMargin;
    if (m_nPointerPosition && margin > 0) {
        const int mLeft = m_bMirrorImage ? client.right - margin : 0;
        if (upd.left < mLeft + margin && upd.right > mLeft)
            DrawPointer(dc, client);
    }
    if (m_pFrame && m_pFrame->m_bValid)
        DrawFrame(dc, upd.top, upd.bottom);
    else if (upd.bottom > upd.top)
        PatBltScreenBitMap(dc, upd.top, upd.bottom - upd.top, client.right);
    ::EndPaint(m_hWnd, &ps);
}

void CPromptBaseWnd::OnFramePaint()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int layoutW = m_nLayoutWidth > 0 ? m_nLayoutWidth : 1;
    const int margin = MulDiv(m_nPointerMargin, client.right, layoutW);
    if (m_nPointerPosition && margin > 0)
        DrawPointer(dc, client);
    if (m_pFrame && m_pFrame->m_bValid && client.right - margin > 0 && client.bottom > 0)
        DrawFrame(dc, 0, client.bottom);
    else
        PatBltScreenBitMap(dc, 0, client.bottom, client.right);
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
        CGdiHandle<HGDIOBJ> brush(CreateSolidBrush(m_crBack));
        FillRect(hdc, &strip, (HBRUSH)brush.Get());
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
        CGdiHandle<HGDIOBJ> loaded(
            LoadImage(inst, MAKEINTRESOURCE(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (loaded.Get()) {
            // Black becomes the background and yellow the pointer colour.
            BITMAP bm;
            GetObject(loaded.Get(), sizeof(bm), &bm);
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
            GetDIBits(screen, (HBITMAP)loaded.Get(), 0, bm.bmHeight, px.data(), &bi,
                      DIB_RGB_COLORS);
            const DWORD back = DibPixel(m_crBack), pointer = DibPixel(m_crPointer);
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
        }
    }
    if (!m_hPointerBitmap)
        return;
    BITMAP bm;
    GetObject(m_hPointerBitmap, sizeof(bm), &bm);
    CGdiMemoryDC work(hdc);
    CGdiSelection sel(work.Get(), m_hPointerBitmap);
    SetStretchBltMode(hdc, COLORONCOLOR);
    StretchBlt(hdc, left, row, margin, margin, work.Get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
}
