#include "SizingControlBar.h"

#include <algorithm>

#include <windowsx.h>

#include "fw/gdi_guard.h"

namespace {
const UINT kDockTop = 59419, kDockLeft = 59420, kDockRight = 59421, kDockBottom = 59422;
const UINT kStatusBarId = 59393;
} // namespace

CSizingControlBar::CSizingControlBar()
    : m_szHorz(200, 200), m_szVert(200, 200), m_szFloat(200, 200), m_szMin(32, 32), m_szMaxT(0, 0),
      m_bTracking(FALSE), m_bDragShowContent(FALSE), m_szOld(0, 0), m_bInRecalcNC(FALSE),
      m_nDockBarID(0), m_cxEdge(5), m_bHasGripper(FALSE), m_cyGripper(0), m_bLockedUpdate(FALSE)
{ }

CSizingControlBar::~CSizingControlBar() { }

BOOL CSizingControlBar::Create(LPCSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault,
                               BOOL bHasGripper, UINT nID, DWORD dwStyle)
{
    m_dwStyle = dwStyle & 0x0040FFFF;
    const CString windowClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
                                                    ::GetSysColorBrush(COLOR_BTNFACE), nullptr);
    if (!CWnd::Create(windowClass, lpszWindowName, dwStyle & (WS_CHILD | WS_VISIBLE),
                      CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    m_szHorz = m_szVert = m_szFloat = sizeDefault;
    m_bHasGripper = bHasGripper;
    m_cyGripper = bHasGripper ? 12 : 0;
    return TRUE;
}

CSize CSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    CRect rectTop(0, 0, 0, 0);
    if (m_pDockSite != nullptr)
        if (CWnd* top = m_pDockSite->GetDlgItem(kDockTop))
            top->GetWindowRect(&rectTop);
    if (bHorz)
        return CSize(bStretch ? 32767 : rectTop.Width() + 4, m_szHorz.cy);
    return CSize(m_szVert.cx, bStretch ? 32767 : rectTop.Height() + 4);
}

CSize CSizingControlBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (dwMode & (LM_HORZDOCK | LM_VERTDOCK)) {
        if (nLength == -1 && m_pDockSite != nullptr)
            m_pDockSite->DelayRecalcLayout();
        return CControlBar::CalcDynamicLayout(nLength, dwMode);
    }
    if (dwMode & LM_MRUWIDTH)
        return m_szFloat;
    if (dwMode & LM_COMMIT) {
        m_szFloat.cx = nLength;
        return m_szFloat;
    }
    if (dwMode & LM_LENGTHY) {
        m_szFloat.cy = std::max<int>(m_szMin.cy, nLength);
        return CSize(m_szFloat.cx, m_szFloat.cy);
    }
    return CSize(std::max<int>(m_szMin.cx, nLength), m_szFloat.cy);
}

CSize CSizingControlBar::GetMaxTrackSize()
{
    CSize size(0, 0);
    if (m_pDockSite == nullptr)
        return size;
    CRect client;
    m_pDockSite->GetClientRect(&client);
    size = client.Size();
    auto less = [&](UINT id) {
        CWnd* bar = m_pDockSite->GetDlgItem(id);
        if (bar == nullptr || !bar->IsWindowVisible())
            return;
        CRect rect;
        bar->GetWindowRect(&rect);
        size.cx -= IsDockedTopOrBottom() ? 0 : rect.Width();
        size.cy -= IsDockedTopOrBottom() ? rect.Height() : 0;
    };
    if (IsDockedTopOrBottom()) {
        less(kDockTop);
        less(kDockBottom);
        less(kStatusBarId);
    } else {
        less(kDockLeft);
        less(kDockRight);
    }
    size -= CSize(4, 4);
    size += IsDockedTopOrBottom() ? m_szHorz : m_szVert;
    return size;
}

BOOL CSizingControlBar::IsFullWindowDrag()
{
    char value[4] = {0};
    DWORD size = sizeof(value);
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\desktop", 0, KEY_READ, &key) !=
        ERROR_SUCCESS)
        return FALSE;
    const LONG result =
        ::RegQueryValueExA(key, "DragfullWindows", nullptr, nullptr, (LPBYTE)value, &size);
    ::RegCloseKey(key);
    return result == ERROR_SUCCESS && value[0] == '1' && value[1] == '\0';
}

// ---- the size drag -------------------------------------------------------------------------

void CSizingControlBar::StartTracking(CPoint)
{
    if (IsFloating() || m_bTracking)
        return;
    SetCapture();
    RedrawWindow(nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    m_bDragShowContent = IsFullWindowDrag();
    if (!m_bDragShowContent && m_pDockSite != nullptr) {
        m_bLockedUpdate = m_pDockSite->LockWindowUpdate();
    }
    m_szOld = TrackedSize();
    CRect window;
    GetWindowRect(&window);
    m_ptOld = window.TopLeft() + m_rectBorder.CenterPoint();
    m_szMaxT = GetMaxTrackSize();
    m_bTracking = TRUE;
    if (!m_bDragShowContent)
        DrawTracker(TrackedSize());
}

void CSizingControlBar::TrackTo(CPoint ptScreen)
{
    if (!m_bTracking)
        return;
    const CSize delta = ptScreen - m_ptOld;
    const bool grows = m_nDockBarID == kDockTop || m_nDockBarID == kDockLeft;
    CSize size = grows ? m_szOld + delta : m_szOld - delta;
    size.cx = std::max<int>(m_szMin.cx, std::min<int>(m_szMaxT.cx, size.cx));
    size.cy = std::max<int>(m_szMin.cy, std::min<int>(m_szMaxT.cy, size.cy));
    CSize& current = TrackedSize();
    if (IsDockedTopOrBottom() ? size.cy == current.cy : size.cx == current.cx)
        return;
    if (!m_bDragShowContent)
        DrawTracker(current);
    if (IsDockedTopOrBottom())
        current.cy = size.cy;
    else
        current.cx = size.cx;
    if (!m_bDragShowContent)
        DrawTracker(current);
    else if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
}

void CSizingControlBar::StopTracking(BOOL bAccept)
{
    if (!m_bTracking)
        return;
    if (!m_bDragShowContent) {
        DrawTracker(TrackedSize());
        if (m_bLockedUpdate && m_pDockSite != nullptr)
            m_pDockSite->UnlockWindowUpdate();
        m_bLockedUpdate = FALSE;
    }
    m_bTracking = FALSE;
    if (!bAccept)
        TrackedSize() = m_szOld;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (m_pDockSite != nullptr)
        m_pDockSite->DelayRecalcLayout();
}

void CSizingControlBar::DrawTracker(const CSize& size)
{
    if (m_pDockSite == nullptr)
        return;
    CRect rect = m_rectBorder;
    CRect window;
    GetWindowRect(&window);
    rect.OffsetRect(window.TopLeft());
    CRect frame;
    m_pDockSite->GetWindowRect(&frame);
    rect.OffsetRect(-frame.TopLeft());
    const CSize change = size - m_szOld;
    switch (m_nDockBarID) {
    case kDockTop:
        rect.OffsetRect(0, change.cy);
        break;
    case kDockLeft:
        rect.OffsetRect(change.cx, 0);
        break;
    case kDockRight:
        rect.OffsetRect(-change.cx, 0);
        break;
    default:
        rect.OffsetRect(0, -change.cy);
        break;
    }
    if (IsDockedLeftOrRight())
        rect.bottom -= 4;
    rect.DeflateRect(1, 1);
    // The frame's window DC, released with the guard; the halftone pattern inverts, so a
    // second draw erases the line.
    struct FrameDC
    {
        HWND hWnd;
        HDC hDC;
        ~FrameDC()
        {
            if (hDC != nullptr)
                ::ReleaseDC(hWnd, hDC);
        }
    } dc {m_pDockSite->m_hWnd,
          ::GetDCEx(m_pDockSite->m_hWnd, nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE)};
    if (dc.hDC == nullptr)
        return;
    static const WORD pattern[8] = {0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA, 0x5555, 0xAAAA};
    CGdiHandle<HBITMAP> bitmap(::CreateBitmap(8, 8, 1, 1, pattern));
    CGdiHandle<HBRUSH> brush(::CreatePatternBrush(bitmap.Get()));
    CGdiSelection selected(dc.hDC, brush.Get());
    ::PatBlt(dc.hDC, rect.left, rect.top, rect.Width(), rect.Height(), PATINVERT);
}

// ---- the non-client area -------------------------------------------------------------------

void CSizingControlBar::OnNcCalcSizeBar(NCCALCSIZE_PARAMS* params)
{
    CRect window;
    GetWindowRect(&window);
    m_rectBorder = CRect(0, 0, window.Width(), window.Height());
    m_rectBorder.DeflateRect(1, 1);
    m_rectGripper = m_rectBorder;
    m_rectGripper.DeflateRect(5, 5);
    m_rectGripper.right -= m_cxEdge;
    m_rectGripper.bottom -= m_cxEdge;

    m_dwStyle |= CBRS_BORDER_ANY;
    CRect& client = *reinterpret_cast<CRect*>(&params->rgrc[0]);
    const int g = m_cyGripper, e = m_cxEdge;
    switch (m_nDockBarID) {
    case kDockTop:
        m_dwStyle &= ~CBRS_BORDER_BOTTOM;
        client.DeflateRect(g + 2, 2, 2, e + 2);
        m_rectBorder.top = m_rectBorder.bottom - e;
        break;
    case kDockLeft:
        m_dwStyle &= ~CBRS_BORDER_RIGHT;
        client.DeflateRect(2, g + 2, e + 2, 6);
        m_rectBorder.left = m_rectBorder.right - e;
        break;
    case kDockRight:
        m_dwStyle &= ~CBRS_BORDER_LEFT;
        client.DeflateRect(e + 2, g + 2, 2, 6);
        m_rectBorder.right = m_rectBorder.left + e;
        m_rectGripper.OffsetRect(e, 0);
        break;
    case kDockBottom:
        m_dwStyle &= ~CBRS_BORDER_TOP;
        client.DeflateRect(g + 2, e + 2, 2, 2);
        m_rectBorder.bottom = m_rectBorder.top + e;
        m_rectGripper.OffsetRect(0, e);
        break;
    default:
        m_rectBorder.SetRectEmpty();
        break;
    }
    if (client.right < client.left)
        client.right = client.left;
    if (client.bottom < client.top)
        client.bottom = client.top;
}

void CSizingControlBar::OnNcPaintBar()
{
    CWindowDC dc(this);
    CRect window, client;
    GetWindowRect(&window);
    ScreenToClient(&window);
    GetClientRect(&client);
    client.OffsetRect(-window.TopLeft());
    dc.ExcludeClipRect(&client);
    CRect draw(0, 0, window.Width(), window.Height());
    DrawBorders(&dc, draw);
    ::FillRect(dc.m_hDC, &draw, ::GetSysColorBrush(COLOR_BTNFACE));
    if (!m_rectBorder.IsRectEmpty())
        dc.Draw3dRect(&m_rectBorder, ::GetSysColor(COLOR_BTNHIGHLIGHT),
                      ::GetSysColor(COLOR_BTNSHADOW));
    if (m_bHasGripper && !m_rectBorder.IsRectEmpty()) {
        CRect line = m_rectGripper;
        if (IsDockedTopOrBottom()) {
            line.right = line.left + 3;
            dc.Draw3dRect(&line, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
            line.OffsetRect(6, 0);
        } else {
            line.bottom = line.top + 3;
            dc.Draw3dRect(&line, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
            line.OffsetRect(0, 6);
        }
        dc.Draw3dRect(&line, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
}

LRESULT CSizingControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_NCCALCSIZE:
        OnNcCalcSizeBar(reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam));
        return 0;
    case WM_NCPAINT:
        OnNcPaintBar();
        return 0;
    case WM_PAINT: {
        ::ValidateRect(m_hWnd, nullptr);
        return 0;
    }
    case WM_NCHITTEST: {
        if (IsFloating())
            break;
        CRect window;
        GetWindowRect(&window);
        CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        point -= window.TopLeft();
        return m_rectBorder.PtInRect(point) ? HTSIZE : HTCLIENT;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTSIZE && !m_bTracking) {
            ::SetCursor(::LoadCursor(nullptr, IsDockedTopOrBottom() ? IDC_SIZENS : IDC_SIZEWE));
            return TRUE;
        }
        break;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTSIZE && !IsFloating() && !m_bTracking) {
            StartTracking(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (m_bTracking) {
            CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            ClientToScreen(&point);
            TrackTo(point);
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (m_bTracking) {
            StopTracking(TRUE);
            return 0;
        }
        break;
    case WM_RBUTTONDOWN:
        if (m_bTracking) {
            StopTracking(FALSE);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED:
        if (m_bTracking && (HWND)lParam != m_hWnd) {
            StopTracking(FALSE);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
        if (!IsFloating() && m_pDockContext != nullptr) {
            CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            ClientToScreen(&point);
            m_pDockContext->StartDrag(point);
            return 0;
        }
        break;
    case WM_LBUTTONDBLCLK:
        if (!IsFloating() && m_pDockContext != nullptr) {
            m_pDockContext->ToggleDocking();
            return 0;
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = CControlBar::WindowProc(message, wParam, lParam);
        CWnd* parent = GetParent();
        m_nDockBarID = parent != nullptr ? (UINT)parent->GetDlgCtrlID() : 0;
        if (!m_bInRecalcNC) {
            m_bInRecalcNC = TRUE;
            SetWindowPos(nullptr, 0, 0, 0, 0,
                         SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE |
                             SWP_FRAMECHANGED);
            m_bInRecalcNC = FALSE;
        }
        return result;
    }
    default:
        break;
    }
    return CControlBar::WindowProc(message, wParam, lParam);
}
