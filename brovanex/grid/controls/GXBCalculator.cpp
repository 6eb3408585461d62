// The calculator window: layout, painting, mouse and keys; the pop-up variant.
#include "controls/GXBCalculator.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXResourceString.h"
#include "fw/resource_chain.h"
#include <algorithm>

namespace {
const UINT IDB_GX_CALC_EQUALS = 20037;
const UINT IDS_GX_CALC_EQUALS = 20124;
const UINT IDS_GX_CALC_ERROR = 20125;

CString LoadText(UINT nID, LPCTSTR pszFallback)
{
    CString s;
    if (!GXLoadString(nID, s) || s.IsEmpty())
        s = pszFallback;
    return s;
}

HBITMAP LoadEqualsBitmap()
{
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(IDB_GX_CALC_EQUALS), RT_BITMAP);
    if (hInst == nullptr)
        return nullptr;
    return (HBITMAP)::LoadImageA(hInst, MAKEINTRESOURCE(IDB_GX_CALC_EQUALS), IMAGE_BITMAP, 0, 0,
                                 LR_LOADMAP3DCOLORS);
}

// A font like the owner's (or the system font) with the given weight.
void MakeFont(CFont& font, CWnd* pOwner, int nWeight)
{
    LOGFONT lf = {};
    HFONT hFont = nullptr;
    if (pOwner != nullptr && pOwner->GetSafeHwnd() != nullptr)
        hFont = (HFONT)pOwner->SendMessage(WM_GETFONT);
    if (hFont == nullptr)
        hFont = (HFONT)::GetStockObject(SYSTEM_FONT);
    ::GetObjectA(hFont, sizeof lf, &lf);
    lf.lfWeight = nWeight;
    font.CreateFontIndirect(&lf);
}
} // namespace

// ---------------------------------------------------------------------------------------
// CGXBCalcBtn

CGXBCalcBtn::CGXBCalcBtn()
    : m_look {nullptr, nullptr, 0}, m_nVirtKey(0), m_nUnits(1), m_nFlags(0), m_nCode(0)
{ }

void CGXBCalcBtn::Draw(CDC* pDC) const
{
    CRect rc = m_rect;
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_WINDOWFRAME));
    rc.DeflateRect(1, 1);
    BOOL bPressed = (m_nFlags & Pressed) != 0;
    if (bPressed) {
        pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNSHADOW));
    } else {
        pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    if (bPressed)
        rc.OffsetRect(2, 2);

    HBITMAP hBitmap = m_look.phBitmap != nullptr ? *m_look.phBitmap : nullptr;
    if (hBitmap != nullptr) {
        BITMAP bm = {};
        ::GetObjectA(hBitmap, sizeof bm, &bm);
        CDC dcBitmap;
        if (dcBitmap.CreateCompatibleDC(pDC)) {
            HGDIOBJ hOld = ::SelectObject(dcBitmap.GetSafeHdc(), hBitmap);
            int x = m_strLabel.IsEmpty() ? rc.left + (rc.Width() - bm.bmWidth) / 2 : rc.left + 5;
            int y = rc.top + (rc.Height() - bm.bmHeight) / 2;
            pDC->SaveDC();
            pDC->IntersectClipRect(&rc);
            pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, &dcBitmap, 0, 0, SRCCOPY);
            pDC->RestoreDC(-1);
            ::SelectObject(dcBitmap.GetSafeHdc(), hOld);
        }
    }
    if (!m_strLabel.IsEmpty()) {
        HGDIOBJ hOldFont =
            m_look.hFont != nullptr ? ::SelectObject(pDC->GetSafeHdc(), m_look.hFont) : nullptr;
        pDC->SetTextColor(m_look.crText);
        pDC->SetBkColor(::GetSysColor(COLOR_BTNFACE));
        pDC->SetBkMode(OPAQUE);
        pDC->DrawText(m_strLabel, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (hOldFont != nullptr)
            ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    }
}

// ---------------------------------------------------------------------------------------
// CGXBCalculator

BEGIN_MESSAGE_MAP(CGXBCalculator, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_GETDLGCODE()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_WM_SYSCOLORCHANGE()
END_MESSAGE_MAP()

CGXBCalculator::CGXBCalculator()
    : m_chLeadByte(0), m_hEqualsBitmap(nullptr), m_nMarginTop(1), m_nMarginLeft(4), m_nRowGap(1),
      m_nColGap(0), m_nCapturedButton(-1)
{ }

CGXBCalculator::~CGXBCalculator()
{
    if (m_hEqualsBitmap != nullptr)
        ::DeleteObject(m_hEqualsBitmap);
    for (INT_PTR i = 0; i < m_buttons.GetSize(); ++i)
        delete m_buttons[i];
    m_buttons.RemoveAll();
}

void CGXBCalculator::SetValue(double d)
{
    CGXBCalcEngine::SetValue(d);
    if (GetSafeHwnd() == nullptr)
        m_nState |= StatePreset;
}

UINT CGXBCalculator::GetClassStyle() const { return 0; }

void CGXBCalculator::CreateButtons(CWnd* pOwner)
{
    if (m_fontButtons.GetSafeHandle() == nullptr)
        MakeFont(m_fontButtons, pOwner, FW_BOLD);
    if (m_hEqualsBitmap == nullptr)
        m_hEqualsBitmap = LoadEqualsBitmap();
    int nCount = 0;
    const GXCalcButtonDef* pDefs = GetButtons(nCount);
    for (int i = 0; i < nCount; ++i) {
        CGXBCalcBtn* pButton = new CGXBCalcBtn;
        pButton->m_strLabel = pDefs[i].pszLabel != nullptr ? CString(pDefs[i].pszLabel)
                                                           : LoadText(IDS_GX_CALC_EQUALS, "=");
        pButton->m_strKeys = pDefs[i].pszKeys;
        pButton->m_nVirtKey = pDefs[i].nVirtKey;
        pButton->m_nUnits = pDefs[i].nUnits;
        pButton->m_nCode = pDefs[i].nCode;
        pButton->m_nFlags = pDefs[i].bNewRow ? CGXBCalcBtn::NewRow : 0;
        pButton->m_look.hFont = (HFONT)m_fontButtons.GetSafeHandle();
        pButton->m_look.crText = pDefs[i].crText;
        pButton->m_look.phBitmap = pDefs[i].nCode == GX_CALC_EQUALS ? &m_hEqualsBitmap : nullptr;
        m_buttons.Add(pButton);
    }
}

void CGXBCalculator::CreateDisplayFont(CWnd* pOwner) { MakeFont(m_fontDisplay, pOwner, FW_NORMAL); }

void CGXBCalculator::Layout(DWORD dwStyle)
{
    CClientDC dc(nullptr);
    CFont* pOld = dc.SelectObject(&m_fontButtons);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    CSize sizeAlpha = dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", 52);
    int nUnitX = (sizeAlpha.cx + 26) / 52, nUnitY = tm.tmHeight + tm.tmExternalLeading;
    if (nUnitX <= 0 || nUnitY <= 0) {
        LONG lUnits = ::GetDialogBaseUnits();
        nUnitX = LOWORD(lUnits);
        nUnitY = HIWORD(lUnits);
    }
    m_sizeButton = CSize(16 * nUnitX / 4, 14 * nUnitY / 8);

    dc.SelectObject(&m_fontDisplay);
    CRect rcT(0, 0, 0, 0);
    dc.DrawText("T", 1, &rcT, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
    int nTop = (dwStyle & GXCALC_DISPLAYLINE) ? 8 : m_nMarginTop;
    m_rcDisplay.SetRect(m_nMarginLeft, nTop, m_nMarginLeft, nTop + rcT.Height() + 4);

    int x = m_nMarginLeft, y = m_rcDisplay.bottom + 1, nRight = m_rcDisplay.right;
    for (INT_PTR i = 0; i < m_buttons.GetSize(); ++i) {
        CGXBCalcBtn* pButton = GetButton((int)i);
        if ((pButton->m_nFlags & CGXBCalcBtn::NewRow) && i > 0) {
            x = m_nMarginLeft;
            y += m_sizeButton.cy + m_nRowGap;
        }
        pButton->m_rect.SetRect(x, y, x + pButton->m_nUnits * m_sizeButton.cx, y + m_sizeButton.cy);
        x = pButton->m_rect.right + m_nColGap;
        nRight = std::max(nRight, (int)pButton->m_rect.right);
    }
    m_rcDisplay.right = nRight;
    m_sizeClient = CSize(nRight + 4, y + m_sizeButton.cy + 1);

    int nPoint = dc.GetTextExtent(".", 1).cx, nZero = std::max(1, (int)dc.GetTextExtent("0", 1).cx);
    SetDisplayCapacity((m_rcDisplay.Width() - nPoint - 4) / nZero - 1);
    dc.SelectObject(pOld);
}

CSize CGXBCalculator::PrepareWindow(DWORD dwStyle, CWnd* pOwner)
{
    Reset(TRUE);
    if (m_buttons.GetSize() == 0)
        CreateButtons(pOwner);
    if (m_fontDisplay.GetSafeHandle() == nullptr)
        CreateDisplayFont(pOwner);
    Layout(dwStyle);
    CRect rc(0, 0, m_sizeClient.cx, m_sizeClient.cy);
    ::AdjustWindowRectEx(&rc, dwStyle & ~WS_BORDER, FALSE, 0);
    CSize size = rc.Size();
    if (dwStyle & GXCALC_3DBORDER)
        size += CSize(4, 4);
    return size;
}

BOOL CGXBCalculator::CreateCalcWindow(DWORD dwExStyle, DWORD dwStyle, CPoint pt, CSize size,
                                      CWnd* pOwner, HMENU hMenu, LPVOID lpParam)
{
    if (dwStyle & GXCALC_3DBORDER) {
        dwStyle &= ~WS_BORDER;
        dwExStyle &= ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE);
    }
    LPCSTR lpszClass =
        AfxRegisterWndClass(GetClassStyle(), ::LoadCursor(nullptr, IDC_ARROW), nullptr, nullptr);
    return CreateEx(dwExStyle, lpszClass, "", dwStyle, pt.x, pt.y, size.cx, size.cy,
                    pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr, hMenu, lpParam);
}

BOOL CGXBCalculator::Create(DWORD dwExStyle, DWORD dwStyle, int x, int y, CWnd* pOwner, HMENU hMenu,
                            LPVOID lpParam)
{
    CSize size = PrepareWindow(dwStyle, pOwner);
    return CreateCalcWindow(dwExStyle, dwStyle, CPoint(x, y), size, pOwner, hMenu, lpParam);
}

BOOL CGXBCalculator::HandleButtonCode(int nCode) { return HandleCode(nCode); }

void CGXBCalculator::OnBeep() { ::MessageBeep((UINT)-1); }

void CGXBCalculator::OnDisplayChanged()
{
    if (GetSafeHwnd() != nullptr)
        InvalidateRect(&m_rcDisplay, FALSE);
}

int CGXBCalculator::HitTestButton(CPoint point) const
{
    for (int i = 0; i < GetButtonCount(); ++i)
        if (GetButton(i)->m_rect.PtInRect(point))
            return i;
    return -1;
}

void CGXBCalculator::SetPressed(int nButton, BOOL bPressed)
{
    if (nButton < 0 || nButton >= GetButtonCount())
        return;
    CGXBCalcBtn* pButton = GetButton(nButton);
    int nFlags = bPressed ? (pButton->m_nFlags | CGXBCalcBtn::Pressed)
                          : (pButton->m_nFlags & ~CGXBCalcBtn::Pressed);
    if (nFlags == pButton->m_nFlags)
        return;
    pButton->m_nFlags = nFlags;
    if (GetSafeHwnd() != nullptr)
        InvalidateRect(&pButton->m_rect, FALSE);
}

void CGXBCalculator::PressButton(int nButton)
{
    if (nButton < 0 || nButton >= GetButtonCount())
        return;
    HWND hWnd = GetSafeHwnd();
    SetPressed(nButton, TRUE);
    if (hWnd != nullptr)
        UpdateWindow();
    HandleButtonCode(GetButton(nButton)->m_nCode);
    if (hWnd == nullptr || ::IsWindow(hWnd))
        SetPressed(nButton, FALSE);
}

void CGXBCalculator::DrawDisplay(CDC* pDC)
{
    CRect rc = m_rcDisplay;
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    rc.DeflateRect(1, 1);
    pDC->Draw3dRect(&rc, ::GetSysColor(COLOR_WINDOWFRAME), ::GetSysColor(COLOR_BTNFACE));
    rc.DeflateRect(1, 1);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_WINDOW));
    CFont* pOld = pDC->SelectObject(&m_fontDisplay);
    pDC->SetTextColor(::GetSysColor(COLOR_WINDOWTEXT));
    pDC->SetBkMode(TRANSPARENT);
    CString strText = GetDisplayText(LoadText(IDS_GX_CALC_ERROR, "Error"));
    rc.right -= 2;
    pDC->DrawText(strText, &rc, DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SelectObject(pOld);
}

void CGXBCalculator::Paint(CDC* pDC)
{
    CRect rcClip;
    pDC->GetClipBox(&rcClip);
    CRect rcClient;
    GetClientRect(&rcClient);
    pDC->FillSolidRect(&rcClient, ::GetSysColor(COLOR_BTNFACE));
    if (GetStyle() & GXCALC_DISPLAYLINE) // in the band the style keeps free over the display
        pDC->Draw3dRect(0, 3, rcClient.Width(), 2, ::GetSysColor(COLOR_BTNSHADOW),
                        ::GetSysColor(COLOR_BTNHIGHLIGHT));
    CRect rcTest;
    if (rcTest.IntersectRect(&rcClip, &m_rcDisplay))
        DrawDisplay(pDC);
    for (int i = 0; i < GetButtonCount(); ++i)
        if (rcTest.IntersectRect(&rcClip, &GetButton(i)->m_rect))
            GetButton(i)->Draw(pDC);
}

void CGXBCalculator::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClip;
    dc.GetClipBox(&rcClip);
    if (rcClip.IsRectEmpty())
        return;
    GXPaintThroughBuffer(dc, rcClip, [this](CDC& dcPaint) { Paint(&dcPaint); });
}

BOOL CGXBCalculator::OnEraseBkgnd(CDC*) { return TRUE; }

void CGXBCalculator::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.PtInRect(point) && GetFocus() != this)
        SetFocus();
    int nButton = HitTestButton(point);
    if (nButton < 0) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    m_nCapturedButton = nButton;
    m_nState |= StateCaptured;
    SetCapture();
    SetPressed(nButton, TRUE);
}

void CGXBCalculator::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nState & StateCaptured)
        SetPressed(m_nCapturedButton, HitTestButton(point) == m_nCapturedButton);
    else
        CWnd::OnMouseMove(nFlags, point);
}

void CGXBCalculator::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!(m_nState & StateCaptured)) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    int nButton = m_nCapturedButton;
    m_nState &= ~StateCaptured;
    m_nCapturedButton = -1;
    ReleaseCapture();
    SetPressed(nButton, FALSE);
    if (HitTestButton(point) == nButton)
        HandleButtonCode(GetButton(nButton)->m_nCode);
}

void CGXBCalculator::OnCancelMode()
{
    if (m_nState & StateCaptured) {
        m_nState &= ~StateCaptured;
        ReleaseCapture();
        SetPressed(m_nCapturedButton, FALSE);
        m_nCapturedButton = -1;
    }
    CWnd::OnCancelMode();
}

void CGXBCalculator::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_nState & StateLeadByte) {
        m_nState &= ~StateLeadByte; // no button takes a double-byte character
        return;
    }
    if (::IsDBCSLeadByte((BYTE)nChar)) {
        m_chLeadByte = (CHAR)nChar;
        m_nState |= StateLeadByte;
        return;
    }
    int nDef = FindButtonForChar((char)nChar);
    if (nDef >= 0) {
        for (int i = 0; i < GetButtonCount(); ++i) {
            if (GetButton(i)->m_strKeys.Find((char)tolower((int)(BYTE)nChar)) >= 0) {
                PressButton(i);
                return;
            }
        }
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

void CGXBCalculator::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    for (int i = 0; i < GetButtonCount(); ++i) {
        if (GetButton(i)->m_nVirtKey != 0 && GetButton(i)->m_nVirtKey == (int)nChar) {
            PressButton(i);
            return;
        }
    }
    if (nChar == VK_TAB && !(GetStyle() & WS_POPUP) && GetParent() != nullptr) {
        GetParent()->PostMessage(WM_NEXTDLGCTL, (::GetKeyState(VK_SHIFT) < 0) ? 1 : 0, 0);
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CGXBCalculator::OnGetDlgCode() { return DLGC_WANTCHARS | DLGC_WANTARROWS; }

void CGXBCalculator::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
    if (GetStyle() & GXCALC_3DBORDER)
        ::InflateRect(&lpncsp->rgrc[0], -2, -2);
}

void CGXBCalculator::OnNcPaint()
{
    CWnd::OnNcPaint();
    if (!(GetStyle() & GXCALC_3DBORDER))
        return;
    CWindowDC dc(this);
    CRect rc;
    GetWindowRect(&rc);
    rc.OffsetRect(-rc.left, -rc.top);
    dc.Draw3dRect(&rc, ::GetSysColor(COLOR_3DLIGHT), ::GetSysColor(COLOR_3DDKSHADOW));
    rc.DeflateRect(1, 1);
    dc.Draw3dRect(&rc, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
}

void CGXBCalculator::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    if (m_hEqualsBitmap != nullptr) {
        ::DeleteObject(m_hEqualsBitmap);
        m_hEqualsBitmap = LoadEqualsBitmap();
    }
}

// ---------------------------------------------------------------------------------------
// CGXBPopupCalculator

BEGIN_MESSAGE_MAP(CGXBPopupCalculator, CGXBCalculator)
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

CGXBPopupCalculator::CGXBPopupCalculator() : m_bAutoDelete(FALSE), m_hOwner(nullptr) { }

UINT CGXBPopupCalculator::GetClassStyle() const { return CS_SAVEBITS; }

BOOL CGXBPopupCalculator::Create(DWORD dwStyle, const CRect& rect, CWnd* pOwner, LPVOID lpParam)
{
    dwStyle |= WS_POPUP;
    CSize size = PrepareWindow(dwStyle, pOwner);
    int cxScreen = ::GetSystemMetrics(SM_CXSCREEN), cyScreen = ::GetSystemMetrics(SM_CYSCREEN);
    CPoint pt(rect.left, rect.bottom);
    if (pt.y + size.cy >= cyScreen)
        pt.y = rect.top - size.cy;
    if (pt.x + size.cx >= cxScreen)
        pt.x = rect.right - size.cx;
    m_hOwner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
    if (!CreateCalcWindow(0, dwStyle, pt, size, pOwner, nullptr, lpParam))
        return FALSE;
    SetFocus();
    return TRUE;
}

void CGXBPopupCalculator::SendResult()
{
    if (IsError() || m_hOwner == nullptr || !::IsWindow(m_hOwner))
        return;
    CString strResult = m_strDisplay.IsEmpty() ? CString("0") : m_strDisplay;
    ::SendMessage(m_hOwner, WM_GX_CALC_RESULT, 0, (LPARAM)(LPCTSTR)strResult);
}

BOOL CGXBPopupCalculator::HandleButtonCode(int nCode)
{
    BOOL bHandled = CGXBCalculator::HandleButtonCode(nCode);
    if (nCode == GX_CALC_EQUALS && (GetStyle() & GXCALC_SENDRESULT) && !IsError()) {
        SendResult();
        if (m_hOwner != nullptr && ::IsWindow(m_hOwner) && ::GetFocus() == GetSafeHwnd())
            ::SetFocus(m_hOwner);
        PostMessage(WM_CLOSE);
    }
    return bHandled;
}

void CGXBPopupCalculator::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_ESCAPE) {
        Close(FALSE);
        return;
    }
    if (nChar == VK_RETURN) {
        Close(TRUE);
        return;
    }
    CGXBCalculator::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBPopupCalculator::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN) {
        Close(TRUE);
        return;
    }
    CGXBCalculator::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

void CGXBPopupCalculator::Close(BOOL bResult)
{
    if (bResult) {
        CGXBCalculator::HandleButtonCode(GX_CALC_EQUALS);
        SendResult();
    }
    // The focus goes back to the window the calculator dropped from.
    if (m_hOwner != nullptr && ::IsWindow(m_hOwner) && ::GetFocus() == GetSafeHwnd())
        ::SetFocus(m_hOwner);
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

void CGXBPopupCalculator::OnKillFocus(CWnd* pNewWnd)
{
    CGXBCalculator::OnKillFocus(pNewWnd);
    if (pNewWnd != this && GetSafeHwnd() != nullptr)
        PostMessage(WM_CLOSE); // closed without a result once the focus has gone elsewhere
}

void CGXBPopupCalculator::PostNcDestroy()
{
    CGXBCalculator::PostNcDestroy();
    if (m_bAutoDelete)
        delete this;
}
