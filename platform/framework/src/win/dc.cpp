// Device contexts: output operations go to m_hDC, queries read m_hAttribDC, settings
// are made on both.
#include "fw/win.h"
#include "handle_map.h"

IMPLEMENT_DYNCREATE(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CDC)

namespace fw {

namespace {
void bindHandle(CDC& obj, HANDLE h) { obj.m_hDC = obj.m_hAttribDC = (HDC)h; }
} // namespace

HandleMap& DcMap() { return WrapperMap<CDC, bindHandle>(); }

} // namespace fw

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr), m_bPrinting(FALSE) { }

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC* PASCAL CDC::FromHandle(HDC hDC) { return static_cast<CDC*>(fw::DcMap().FromHandle(hDC)); }

void PASCAL CDC::DeleteTempMap() { fw::DcMap().DeleteTemp(); }

CWnd* CDC::GetWindow() const { return CWnd::FromHandle(::WindowFromDC(m_hDC)); }

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    fw::DcMap().SetPermanent(hDC, this);
    SetAttribDC(m_hDC);
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        fw::DcMap().Detach(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
void CDC::SetOutputDC(HDC hDC) { m_hDC = hDC; }
void CDC::ReleaseAttribDC() { m_hAttribDC = nullptr; }
void CDC::ReleaseOutputDC() { m_hDC = nullptr; }

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(
        ::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput,
                   const void* lpInitData)
{
    return Attach(
        ::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, (const DEVMODEA*)lpInitData));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC) { return Attach(::CreateCompatibleDC(pDC->GetSafeHdc())); }

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    int nRetVal = 0;
    if (m_hAttribDC != nullptr)
        nRetVal = ::SaveDC(m_hAttribDC);
    if (m_hDC != m_hAttribDC && ::SaveDC(m_hDC) != 0)
        nRetVal = -1; // the two may not be restored to a level apart
    return nRetVal;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    BOOL bRetVal = TRUE;
    if (m_hDC != m_hAttribDC)
        bRetVal = ::RestoreDC(m_hDC, nSavedDC);
    if (m_hAttribDC != nullptr)
        bRetVal = (bRetVal && ::RestoreDC(m_hAttribDC, nSavedDC));
    return bRetVal;
}

int CDC::GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

// --- selection ------------------------------------------------------------------------

HGDIOBJ CDC::SelectObject(HGDIOBJ hObject)
{
    HGDIOBJ hOldObj = nullptr;
    if (m_hDC != m_hAttribDC)
        hOldObj = ::SelectObject(m_hDC, hObject);
    if (m_hAttribDC != nullptr)
        hOldObj = ::SelectObject(m_hAttribDC, hObject);
    return hOldObj;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(SelectObject(pObject->GetSafeHandle()));
}
CPen* CDC::SelectObject(CPen* pPen)
{
    return (CPen*)CGdiObject::FromHandle(SelectObject(pPen->GetSafeHandle()));
}
CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return (CBrush*)CGdiObject::FromHandle(SelectObject(pBrush->GetSafeHandle()));
}
CFont* CDC::SelectObject(CFont* pFont)
{
    return (CFont*)CGdiObject::FromHandle(SelectObject(pFont->GetSafeHandle()));
}
CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return (CBitmap*)CGdiObject::FromHandle(SelectObject(pBitmap->GetSafeHandle()));
}

int CDC::SelectObject(CRgn* pRgn)
{
    int nRetVal = GDI_ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = (int)(INT_PTR)::SelectObject(m_hDC, pRgn->GetSafeHandle());
    if (m_hAttribDC != nullptr)
        nRetVal = (int)(INT_PTR)::SelectObject(m_hAttribDC, pRgn->GetSafeHandle());
    return nRetVal;
}

CGdiObject* CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
}

CPen* CDC::GetCurrentPen() const
{
    return CPen::FromHandle((HPEN)::GetCurrentObject(m_hDC, OBJ_PEN));
}
CBrush* CDC::GetCurrentBrush() const
{
    return CBrush::FromHandle((HBRUSH)::GetCurrentObject(m_hDC, OBJ_BRUSH));
}
CFont* CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
}
CBitmap* CDC::GetCurrentBitmap() const
{
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground)
{
    return CPalette::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)pPalette->GetSafeHandle(), bForceBackground));
}
UINT CDC::RealizePalette() { return ::RealizePalette(m_hDC); }

// --- colours and modes ----------------------------------------------------------------

// Applies a setter to both DCs and returns the attribute DC's previous value.
#define FW_SET_BOTH(call_on)                                                                       \
    do {                                                                                           \
        if (m_hDC != m_hAttribDC) {                                                                \
            HDC hdc = m_hDC;                                                                       \
            (void)(call_on);                                                                       \
        }                                                                                          \
        if (m_hAttribDC != nullptr) {                                                              \
            HDC hdc = m_hAttribDC;                                                                 \
            result = (call_on);                                                                    \
        }                                                                                          \
    } while (0)

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    COLORREF result = CLR_INVALID;
    FW_SET_BOTH(::SetBkColor(hdc, crColor));
    return result;
}
COLORREF CDC::GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
int CDC::SetBkMode(int nBkMode)
{
    int result = 0;
    FW_SET_BOTH(::SetBkMode(hdc, nBkMode));
    return result;
}
int CDC::GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
COLORREF CDC::SetTextColor(COLORREF crColor)
{
    COLORREF result = CLR_INVALID;
    FW_SET_BOTH(::SetTextColor(hdc, crColor));
    return result;
}
COLORREF CDC::GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
int CDC::SetROP2(int nDrawMode)
{
    int result = 0;
    FW_SET_BOTH(::SetROP2(hdc, nDrawMode));
    return result;
}
int CDC::GetROP2() const { return ::GetROP2(m_hAttribDC); }
int CDC::SetStretchBltMode(int nStretchMode)
{
    int result = 0;
    FW_SET_BOTH(::SetStretchBltMode(hdc, nStretchMode));
    return result;
}
int CDC::GetStretchBltMode() const { return ::GetStretchBltMode(m_hAttribDC); }
int CDC::SetPolyFillMode(int nPolyFillMode)
{
    int result = 0;
    FW_SET_BOTH(::SetPolyFillMode(hdc, nPolyFillMode));
    return result;
}
int CDC::GetPolyFillMode() const { return ::GetPolyFillMode(m_hAttribDC); }
UINT CDC::SetTextAlign(UINT nFlags)
{
    UINT result = GDI_ERROR;
    FW_SET_BOTH(::SetTextAlign(hdc, nFlags));
    return result;
}
UINT CDC::GetTextAlign() const { return ::GetTextAlign(m_hAttribDC); }
int CDC::SetTextCharacterExtra(int nCharExtra)
{
    int result = 0;
    FW_SET_BOTH(::SetTextCharacterExtra(hdc, nCharExtra));
    return result;
}
int CDC::GetTextCharacterExtra() const { return ::GetTextCharacterExtra(m_hAttribDC); }
COLORREF CDC::GetNearestColor(COLORREF crColor) const
{
    return ::GetNearestColor(m_hAttribDC, crColor);
}

CPoint CDC::SetBrushOrg(int x, int y)
{
    POINT point = {0, 0};
    ::SetBrushOrgEx(m_hDC, x, y, &point);
    return point;
}
CPoint CDC::SetBrushOrg(POINT point) { return SetBrushOrg(point.x, point.y); }
CPoint CDC::GetBrushOrg() const
{
    POINT point = {0, 0};
    ::GetBrushOrgEx(m_hDC, &point);
    return point;
}

// --- mapping ------------------------------------------------------------------------------

int CDC::SetMapMode(int nMapMode)
{
    int result = 0;
    FW_SET_BOTH(::SetMapMode(hdc, nMapMode));
    return result;
}
int CDC::GetMapMode() const { return ::GetMapMode(m_hAttribDC); }

#define FW_POINT_BOTH(fn, a, b)                                                                    \
    POINT point = {0, 0};                                                                          \
    if (m_hDC != m_hAttribDC)                                                                      \
        ::fn(m_hDC, a, b, &point);                                                                 \
    if (m_hAttribDC != nullptr)                                                                    \
        ::fn(m_hAttribDC, a, b, &point);                                                           \
    return point;

#define FW_SIZE_BOTH(fn, a, b)                                                                     \
    SIZE size = {0, 0};                                                                            \
    if (m_hDC != m_hAttribDC)                                                                      \
        ::fn(m_hDC, a, b, &size);                                                                  \
    if (m_hAttribDC != nullptr)                                                                    \
        ::fn(m_hAttribDC, a, b, &size);                                                            \
    return size;

CPoint CDC::SetViewportOrg(int x, int y) {
    FW_POINT_BOTH(SetViewportOrgEx, x, y)} CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    FW_POINT_BOTH(OffsetViewportOrgEx, nWidth, nHeight)} CPoint CDC::SetWindowOrg(int x, int y) {
    FW_POINT_BOTH(SetWindowOrgEx, x, y)} CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight) {
    FW_POINT_BOTH(OffsetWindowOrgEx, nWidth, nHeight)} CSize CDC::SetViewportExt(int cx, int cy) {
    FW_SIZE_BOTH(SetViewportExtEx, cx, cy)} CSize CDC::SetWindowExt(int cx, int cy) {
    FW_SIZE_BOTH(SetWindowExtEx, cx, cy)}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleViewportExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != nullptr)
        ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    SIZE size = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::ScaleWindowExtEx(m_hDC, xNum, xDenom, yNum, yDenom, &size);
    if (m_hAttribDC != nullptr)
        ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &size);
    return size;
}

CPoint CDC::GetViewportOrg() const
{
    POINT p;
    ::GetViewportOrgEx(m_hAttribDC, &p);
    return p;
}
CSize CDC::GetViewportExt() const
{
    SIZE s;
    ::GetViewportExtEx(m_hAttribDC, &s);
    return s;
}
CPoint CDC::GetWindowOrg() const
{
    POINT p;
    ::GetWindowOrgEx(m_hAttribDC, &p);
    return p;
}
CSize CDC::GetWindowExt() const
{
    SIZE s;
    ::GetWindowExtEx(m_hAttribDC, &s);
    return s;
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const { ::DPtoLP(m_hAttribDC, lpPoints, nCount); }
void CDC::DPtoLP(LPRECT lpRect) const { ::DPtoLP(m_hAttribDC, (LPPOINT)lpRect, 2); }
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const { ::LPtoDP(m_hAttribDC, lpPoints, nCount); }
void CDC::LPtoDP(LPRECT lpRect) const { ::LPtoDP(m_hAttribDC, (LPPOINT)lpRect, 2); }

void CDC::DPtoLP(LPSIZE lpSize) const
{
    SIZE sizeWinExt = GetWindowExt();
    SIZE sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeWinExt.cx), abs(sizeVpExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeWinExt.cy), abs(sizeVpExt.cy));
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    SIZE sizeWinExt = GetWindowExt();
    SIZE sizeVpExt = GetViewportExt();
    lpSize->cx = ::MulDiv(lpSize->cx, abs(sizeVpExt.cx), abs(sizeWinExt.cx));
    lpSize->cy = ::MulDiv(lpSize->cy, abs(sizeVpExt.cy), abs(sizeWinExt.cy));
}

// --- clipping -------------------------------------------------------------------------------

int CDC::GetClipBox(LPRECT lpRect) const { return ::GetClipBox(m_hDC, lpRect); }

int CDC::SelectClipRgn(CRgn* pRgn)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::SelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle());
    if (m_hAttribDC != nullptr)
        nRetVal = ::SelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle());
    return nRetVal;
}

int CDC::SelectClipRgn(CRgn* pRgn, int nMode)
{
    int nRetVal = ERROR;
    if (m_hDC != m_hAttribDC)
        nRetVal = ::ExtSelectClipRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    if (m_hAttribDC != nullptr)
        nRetVal = ::ExtSelectClipRgn(m_hAttribDC, (HRGN)pRgn->GetSafeHandle(), nMode);
    return nRetVal;
}

int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    int result = ERROR;
    FW_SET_BOTH(::ExcludeClipRect(hdc, x1, y1, x2, y2));
    return result;
}
int CDC::ExcludeClipRect(LPCRECT r)
{
    return ExcludeClipRect(r->left, r->top, r->right, r->bottom);
}
int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    int result = ERROR;
    FW_SET_BOTH(::IntersectClipRect(hdc, x1, y1, x2, y2));
    return result;
}
int CDC::IntersectClipRect(LPCRECT r)
{
    return IntersectClipRect(r->left, r->top, r->right, r->bottom);
}
int CDC::OffsetClipRgn(int x, int y)
{
    int result = ERROR;
    FW_SET_BOTH(::OffsetClipRgn(hdc, x, y));
    return result;
}
BOOL CDC::PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
BOOL CDC::PtVisible(POINT point) const { return ::PtVisible(m_hDC, point.x, point.y); }
BOOL CDC::RectVisible(LPCRECT lpRect) const { return ::RectVisible(m_hDC, lpRect); }

// --- lines and shapes ---------------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y)
{
    POINT point = {0, 0};
    if (m_hDC != m_hAttribDC)
        ::MoveToEx(m_hDC, x, y, &point);
    if (m_hAttribDC != nullptr)
        ::MoveToEx(m_hAttribDC, x, y, &point);
    return point;
}

BOOL CDC::LineTo(int x, int y)
{
    if (m_hAttribDC != nullptr && m_hDC != m_hAttribDC)
        ::MoveToEx(m_hAttribDC, x, y, nullptr);
    return ::LineTo(m_hDC, x, y);
}

CPoint CDC::GetCurrentPosition() const
{
    POINT point;
    ::GetCurrentPositionEx(m_hAttribDC, &point);
    return point;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}
BOOL CDC::Polygon(const POINT* lpPoints, int nCount) { return ::Polygon(m_hDC, lpPoints, nCount); }
BOOL CDC::PolyPolygon(const POINT* lpPoints, const INT* lpPolyCounts, int nCount)
{
    return ::PolyPolygon(m_hDC, lpPoints, lpPolyCounts, nCount);
}
BOOL CDC::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Arc(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Pie(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) { return ::Rectangle(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Rectangle(LPCRECT r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}
BOOL CDC::RoundRect(LPCRECT r, POINT point)
{
    return ::RoundRect(m_hDC, r->left, r->top, r->right, r->bottom, point.x, point.y);
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) { return ::Ellipse(m_hDC, x1, y1, x2, y2); }
BOOL CDC::Ellipse(LPCRECT r) { return ::Ellipse(m_hDC, r->left, r->top, r->right, r->bottom); }
void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush)
{
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::InvertRect(LPCRECT lpRect) { ::InvertRect(m_hDC, lpRect); }

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF clrOld = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, clrOld);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT rect = {x, y, x + cx, y + cy};
    FillSolidRect(&rect, clr);
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left,
               lpRect->bottom - lpRect->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}

void CDC::DrawFocusRect(LPCRECT lpRect) { ::DrawFocusRect(m_hDC, lpRect); }
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}
BOOL CDC::DrawIcon(int x, int y, HICON hIcon) { return ::DrawIcon(m_hDC, x, y, hIcon); }
BOOL CDC::DrawIcon(POINT point, HICON hIcon) { return ::DrawIcon(m_hDC, point.x, point.y, hIcon); }
BOOL CDC::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return ::Chord(m_hDC, x1, y1, x2, y2, x3, y3, x4, y4);
}
BOOL CDC::PolyBezier(const POINT* lpPoints, int nCount)
{
    return ::PolyBezier(m_hDC, lpPoints, (DWORD)nCount);
}
BOOL CDC::BeginPath() { return ::BeginPath(m_hDC); }
BOOL CDC::EndPath() { return ::EndPath(m_hDC); }
BOOL CDC::StrokePath() { return ::StrokePath(m_hDC); }
BOOL CDC::FillPath() { return ::FillPath(m_hDC); }
BOOL CDC::StrokeAndFillPath() { return ::StrokeAndFillPath(m_hDC); }
UINT CDC::SetBoundsRect(LPCRECT lpRectBounds, UINT flags)
{
    return ::SetBoundsRect(m_hDC, lpRectBounds, flags);
}
UINT CDC::GetBoundsRect(LPRECT lpRectBounds, UINT flags)
{
    return ::GetBoundsRect(m_hDC, lpRectBounds, flags);
}

CBrush* PASCAL CDC::GetHalftoneBrush()
{
    static CBrush* pBrush = [] {
        WORD grayPattern[8];
        for (int i = 0; i < 8; i++)
            grayPattern[i] = (WORD)(0x5555 << (i & 1));
        HBITMAP hBitmap = ::CreateBitmap(8, 8, 1, 1, grayPattern);
        CBrush* p = new CBrush;
        if (hBitmap != nullptr) {
            p->Attach(::CreatePatternBrush(hBitmap));
            ::DeleteObject(hBitmap);
        }
        return p;
    }();
    return pBrush;
}

void CDC::DrawDragRect(LPCRECT lpRect, SIZE size, LPCRECT lpRectLast, SIZE sizeLast, CBrush* pBrush,
                       CBrush* pBrushLast)
{
    // The frame of lpRect, size thick, as a region; likewise the last one.
    CRgn rgnNew, rgnOutside, rgnInside;
    RECT rect = *lpRect;
    rgnOutside.CreateRectRgnIndirect(&rect);
    ::InflateRect(&rect, -size.cx, -size.cy);
    ::IntersectRect(&rect, &rect, lpRect);
    rgnInside.CreateRectRgnIndirect(&rect);
    rgnNew.CreateRectRgn(0, 0, 0, 0);
    rgnNew.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);

    if (pBrush == nullptr)
        pBrush = GetHalftoneBrush();
    if (pBrushLast == nullptr)
        pBrushLast = pBrush;

    CRgn rgnLast, rgnUpdate;
    if (lpRectLast != nullptr) {
        rect = *lpRectLast;
        rgnLast.CreateRectRgn(0, 0, 0, 0);
        rgnOutside.SetRectRgn(&rect);
        ::InflateRect(&rect, -sizeLast.cx, -sizeLast.cy);
        ::IntersectRect(&rect, &rect, lpRectLast);
        rgnInside.SetRectRgn(&rect);
        rgnLast.CombineRgn(&rgnOutside, &rgnInside, RGN_XOR);
        // Only the difference when the brushes are the same: less flicker.
        if (pBrush->m_hObject == pBrushLast->m_hObject) {
            rgnUpdate.CreateRectRgn(0, 0, 0, 0);
            rgnUpdate.CombineRgn(&rgnLast, &rgnNew, RGN_XOR);
        }
    }
    if (pBrush->m_hObject != pBrushLast->m_hObject && lpRectLast != nullptr) {
        SelectClipRgn(&rgnLast);
        GetClipBox(&rect);
        CBrush* pBrushOld = SelectObject(pBrushLast);
        PatBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
        SelectObject(pBrushOld);
    }
    SelectClipRgn(rgnUpdate.m_hObject != nullptr ? &rgnUpdate : &rgnNew);
    GetClipBox(&rect);
    CBrush* pBrushOld = SelectObject(pBrush);
    PatBlt(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, PATINVERT);
    SelectObject(pBrushOld);
    SelectClipRgn(nullptr);
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
}
BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(), nWidth,
                      nHeight);
}
BOOL CDC::InvertRgn(CRgn* pRgn) { return ::InvertRgn(m_hDC, (HRGN)pRgn->GetSafeHandle()); }
BOOL CDC::PaintRgn(CRgn* pRgn) { return ::PaintRgn(m_hDC, (HRGN)pRgn->GetSafeHandle()); }

// --- bitmaps ----------------------------------------------------------------------------------

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}
BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                 DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                     int nSrcWidth, int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC->GetSafeHdc(), xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}
COLORREF CDC::GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
COLORREF CDC::GetPixel(POINT point) const { return ::GetPixel(m_hDC, point.x, point.y); }
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) { return ::SetPixel(m_hDC, x, y, crColor); }
COLORREF CDC::SetPixel(POINT point, COLORREF crColor)
{
    return ::SetPixel(m_hDC, point.x, point.y, crColor);
}
BOOL CDC::SetPixelV(int x, int y, COLORREF crColor) { return ::SetPixelV(m_hDC, x, y, crColor); }
BOOL CDC::FloodFill(int x, int y, COLORREF crColor) { return ::FloodFill(m_hDC, x, y, crColor); }
BOOL CDC::ExtFloodFill(int x, int y, COLORREF crColor, UINT nFillType)
{
    return ::ExtFloodFill(m_hDC, x, y, crColor, nFillType);
}

// --- text -------------------------------------------------------------------------------------

BOOL CDC::TextOut(int x, int y, LPCSTR lpszString, int nCount)
{
    return ::TextOutA(m_hDC, x, y, lpszString, nCount);
}
BOOL CDC::TextOut(int x, int y, const CString& str)
{
    return TextOut(x, y, (LPCSTR)str, str.GetLength());
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCSTR lpszString, UINT nCount,
                     LPINT lpDxWidths)
{
    return ::ExtTextOutA(m_hDC, x, y, nOptions, lpRect, lpszString, nCount, lpDxWidths);
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString& str,
                     LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, (LPCSTR)str, (UINT)str.GetLength(), lpDxWidths);
}
CSize CDC::TabbedTextOut(int x, int y, LPCSTR lpszString, int nCount, int nTabPositions,
                         LPINT lpnTabStopPositions, int nTabOrigin)
{
    return CSize((DWORD)::TabbedTextOutA(m_hDC, x, y, lpszString, nCount, nTabPositions,
                                         lpnTabStopPositions, nTabOrigin));
}
int CDC::DrawText(LPCSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    return ::DrawTextA(m_hDC, lpszString, nCount, lpRect, nFormat);
}
int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat)
{
    return DrawText((LPCSTR)str, str.GetLength(), lpRect, nFormat);
}

CSize CDC::GetTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hAttribDC, lpszString, nCount, &size);
    return size;
}
CSize CDC::GetTextExtent(const CString& str) const
{
    return GetTextExtent((LPCSTR)str, str.GetLength());
}
CSize CDC::GetOutputTextExtent(LPCSTR lpszString, int nCount) const
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_hDC, lpszString, nCount, &size);
    return size;
}
CSize CDC::GetOutputTextExtent(const CString& str) const
{
    return GetOutputTextExtent((LPCSTR)str, str.GetLength());
}
CSize CDC::GetTabbedTextExtent(LPCSTR lpszString, int nCount, int nTabPositions,
                               LPINT lpnTabStopPositions) const
{
    return CSize((DWORD)::GetTabbedTextExtentA(m_hAttribDC, lpszString, nCount, nTabPositions,
                                               lpnTabStopPositions));
}
BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}
BOOL CDC::GetOutputTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hDC, lpMetrics);
}
int CDC::GetTextFace(int nCount, LPSTR lpszFacename) const
{
    return ::GetTextFaceA(m_hAttribDC, nCount, lpszFacename);
}
int CDC::GetTextFace(CString& rString) const
{
    int nResult = ::GetTextFaceA(m_hAttribDC, LF_FACESIZE, rString.GetBuffer(LF_FACESIZE));
    rString.ReleaseBuffer();
    return nResult;
}
BOOL CDC::GetCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidthA(m_hAttribDC, nFirstChar, nLastChar, lpBuffer);
}
BOOL CDC::GetOutputCharWidth(UINT nFirstChar, UINT nLastChar, LPINT lpBuffer) const
{
    return ::GetCharWidthA(m_hDC, nFirstChar, nLastChar, lpBuffer);
}
BOOL CDC::GetCharABCWidths(UINT nFirstChar, UINT nLastChar, LPABC lpabc) const
{
    return ::GetCharABCWidthsA(m_hAttribDC, nFirstChar, nLastChar, lpabc);
}
BOOL CDC::GrayString(CBrush* pBrush, BOOL(CALLBACK* lpfnOutput)(HDC, LPARAM, int), LPARAM lpData,
                     int nCount, int x, int y, int nWidth, int nHeight)
{
    return ::GrayStringA(m_hDC, (HBRUSH)pBrush->GetSafeHandle(), (GRAYSTRINGPROC)lpfnOutput, lpData,
                         nCount, x, y, nWidth, nHeight);
}

BOOL CDC::ScrollDC(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* pRgnUpdate,
                   LPRECT lpRectUpdate)
{
    return ::ScrollDC(m_hDC, dx, dy, lpRectScroll, lpRectClip, (HRGN)pRgnUpdate->GetSafeHandle(),
                      lpRectUpdate);
}

// --- printing ---------------------------------------------------------------------------------

int CDC::StartDoc(LPDOCINFO lpDocInfo) { return ::StartDocA(m_hDC, lpDocInfo); }
int CDC::StartDoc(LPCSTR lpszDocName)
{
    DOCINFOA di = {};
    di.cbSize = sizeof(DOCINFOA);
    di.lpszDocName = lpszDocName;
    return StartDoc(&di);
}
int CDC::StartPage() { return ::StartPage(m_hDC); }
int CDC::EndPage() { return ::EndPage(m_hDC); }
int CDC::EndDoc() { return ::EndDoc(m_hDC); }
int CDC::AbortDoc() { return ::AbortDoc(m_hDC); }
int CDC::SetAbortProc(BOOL(CALLBACK* lpfn)(HDC, int))
{
    return ::SetAbortProc(m_hDC, (ABORTPROC)lpfn);
}
int CDC::Escape(int nEscape, int nCount, LPCSTR lpszInData, LPVOID lpOutData)
{
    return ::Escape(m_hDC, nEscape, nCount, lpszInData, lpOutData);
}

// --- window DCs -------------------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd* pWnd)
{
    m_hWnd = pWnd->m_hWnd;
    if (!Attach(::BeginPaint(m_hWnd, &m_ps)))
        AfxThrowResourceException();
}

CPaintDC::~CPaintDC()
{
    ::EndPaint(m_hWnd, &m_ps);
    Detach();
}

CClientDC::CClientDC(CWnd* pWnd)
{
    m_hWnd = pWnd->GetSafeHwnd();
    if (!Attach(::GetDC(m_hWnd)))
        AfxThrowResourceException();
}

CClientDC::~CClientDC() { ::ReleaseDC(m_hWnd, Detach()); }

CWindowDC::CWindowDC(CWnd* pWnd)
{
    m_hWnd = pWnd->GetSafeHwnd();
    if (!Attach(::GetWindowDC(m_hWnd)))
        AfxThrowResourceException();
}

CWindowDC::~CWindowDC() { ::ReleaseDC(m_hWnd, Detach()); }

HDC AFXAPI AfxCreateDC(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    if (hDevNames == nullptr)
        return nullptr;
    LPDEVNAMES lpDevNames = (LPDEVNAMES)::GlobalLock(hDevNames);
    if (lpDevNames == nullptr)
        return nullptr;
    LPDEVMODEA lpDevMode = hDevMode != nullptr ? (LPDEVMODEA)::GlobalLock(hDevMode) : nullptr;
    HDC hDC = ::CreateDCA((LPCSTR)lpDevNames + lpDevNames->wDriverOffset,
                          (LPCSTR)lpDevNames + lpDevNames->wDeviceOffset,
                          (LPCSTR)lpDevNames + lpDevNames->wOutputOffset, lpDevMode);
    if (lpDevMode != nullptr)
        ::GlobalUnlock(hDevMode);
    ::GlobalUnlock(hDevNames);
    return hDC;
}
