// The date-time window: creation, gadget bookkeeping, layout and painting. Focus, keys, mouse
// and the popup calendar are in GXBDateTimeCtrlInput.cpp, the fields in
// GXBDateTimeCtrlFields.cpp.
#include "controls/GXBDateTimeCtrl.h"
#include "controls/GXBCalendar.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXSysColorCache.h"

#include <windows.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CGXBDateTimeCtrl, CWnd)
IMPLEMENT_DYNAMIC(CGXCaptiveDateTimeCtrl, CGXBDateTimeCtrl)

BEGIN_MESSAGE_MAP(CGXBDateTimeCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_CHAR()
    ON_WM_GETDLGCODE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CANCELMODE()
    ON_WM_SIZE()
    ON_WM_ENABLE()
    ON_WM_SYSCOLORCHANGE()
    ON_WM_SETTINGCHANGE()
    ON_MESSAGE(WM_SETFONT, &CGXBDateTimeCtrl::OnSetFontMsg)
    ON_MESSAGE(WM_GETFONT, &CGXBDateTimeCtrl::OnGetFontMsg)
    ON_WM_DESTROY()
    ON_WM_NCCALCSIZE()
    ON_WM_NCPAINT()
    ON_MESSAGE(GXB_CAL_CHOSEN, &CGXBDateTimeCtrl::OnCalendarChosen)
    ON_MESSAGE(GXB_CAL_CANCELLED, &CGXBDateTimeCtrl::OnCalendarCancelled)
END_MESSAGE_MAP()

CGXBDateTimeCtrl::CGXBDateTimeCtrl()
    : m_nState(0), m_nNoEditMask(0), m_bAutoAdvance(TRUE), m_value(GXBGetCurrentTime()),
      m_minimum((DATE)-657434), m_maximum((DATE)2958465), m_nRangeKind(gxNoRange),
      m_nFormatType(gxShortDate), m_hFont(nullptr), m_nCurGadget(-1), m_nScrollOffset(0),
      m_nFixed(0), m_nFixedWidth(0), m_pCapture(nullptr), m_pCalendar(nullptr), m_bPM(FALSE),
      m_nDisabledColor(COLOR_BTNFACE), m_nButtonBitmap(20028), m_bDateFields(FALSE)
{
    const CGXSysColorCache& colors = GXGetSysColorCache();
    m_clrBack = colors.m_clrWindow;
    m_clrText = colors.m_clrWindowText;
}

CGXBDateTimeCtrl::~CGXBDateTimeCtrl()
{
    CloseCalendar();
    if (m_hWnd != nullptr)
        DestroyWindow();
    DeleteGadgets(TRUE);
}

CGXCaptiveDateTimeCtrl::~CGXCaptiveDateTimeCtrl() = default;

BOOL CGXBDateTimeCtrl::Create(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                              UINT nID)
{
    GXGetSysColorCache().Refresh();
    const CGXSysColorCache& colors = GXGetSysColorCache();
    m_clrBack = colors.m_clrWindow;
    m_clrText = colors.m_clrWindowText;

    LPCSTR pszClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW), nullptr);
    m_hFont = nullptr;
    if (pParentWnd != nullptr && pParentWnd->GetSafeHwnd() != nullptr)
        m_hFont = (HFONT)pParentWnd->SendMessage(WM_GETFONT);
    if (m_hFont == nullptr)
        m_hFont = (HFONT)::GetStockObject(SYSTEM_FONT);

    DeleteGadgets(TRUE);
    if (dwStyle & gxDropButton) {
        auto* pButton = new CGXBDTButtonGadget;
        pButton->Create(this, GXBDT_ID_DROPBUTTON, m_nButtonBitmap);
        m_gadgets.Add(pButton);
    }
    if (dwStyle & gxSpinButton) {
        auto* pSpin = new CGXBDTSpinGadget;
        pSpin->Create(this, GXBDT_ID_SPIN);
        m_gadgets.Add(pSpin);
    }
    m_nFixed = GetGadgetCount();

    if (!CreateEx(dwExStyle, pszClass, nullptr, dwStyle | WS_CHILD, rect, pParentWnd, nID))
        return FALSE;
    BuildGadgets();
    return TRUE;
}

void CGXBDateTimeCtrl::SetFormatType(int nType)
{
    m_nFormatType = std::max(0, std::min(nType, (int)gxCustom));
    if (m_hWnd != nullptr)
        BuildGadgets();
}

void CGXBDateTimeCtrl::SetCustomFormat(LPCTSTR pszFormat)
{
    m_strCustomFormat = pszFormat != nullptr ? pszFormat : "";
    m_nFormatType = gxCustom;
    if (m_hWnd != nullptr)
        BuildGadgets();
}

void CGXBDateTimeCtrl::SetNoEditMask(int nMask)
{
    m_nNoEditMask = nMask;
    if (m_hWnd != nullptr)
        BuildGadgets();
}

// ---------------------------------------------------------------------------------------
// Gadgets: finding, focus, capture.

int CGXBDateTimeCtrl::FindGadget(int nID) const
{
    for (int i = 0; i < GetGadgetCount(); ++i)
        if (m_gadgets[i]->GetID() == nID)
            return i;
    return -1;
}

BOOL CGXBDateTimeCtrl::SetCurrentGadget(int nIndex)
{
    CGXBDTGadget* pNew = GetGadget(nIndex);
    if (pNew == nullptr || !pNew->CanFocus())
        return FALSE;
    if (nIndex != m_nCurGadget) {
        CGXBDTGadget* pOld = GetGadget(m_nCurGadget);
        if (pOld != nullptr)
            pOld->SetFocus(FALSE);
        m_nCurGadget = nIndex;
    }
    if (m_hWnd != nullptr && ::GetFocus() == m_hWnd)
        pNew->SetFocus(TRUE);
    ScrollIntoView(nIndex);
    return TRUE;
}

BOOL CGXBDateTimeCtrl::NextGadget()
{
    for (int i = std::max(m_nCurGadget + 1, m_nFixed); i < GetGadgetCount(); ++i)
        if (m_gadgets[i]->CanFocus())
            return SetCurrentGadget(i);
    return FALSE;
}

BOOL CGXBDateTimeCtrl::PrevGadget()
{
    for (int i = m_nCurGadget - 1; i >= m_nFixed; --i)
        if (m_gadgets[i]->CanFocus())
            return SetCurrentGadget(i);
    return FALSE;
}

BOOL CGXBDateTimeCtrl::FirstGadget()
{
    for (int i = m_nFixed; i < GetGadgetCount(); ++i)
        if (m_gadgets[i]->CanFocus())
            return SetCurrentGadget(i);
    return FALSE;
}

BOOL CGXBDateTimeCtrl::LastGadget()
{
    for (int i = GetGadgetCount() - 1; i >= m_nFixed; --i)
        if (m_gadgets[i]->CanFocus())
            return SetCurrentGadget(i);
    return FALSE;
}

BOOL CGXBDateTimeCtrl::CommitTyping()
{
    auto* pNumber = dynamic_cast<CGXBDTNumericGadget*>(GetGadget(m_nCurGadget));
    return pNumber == nullptr || pNumber->CommitTyping();
}

int CGXBDateTimeCtrl::GadgetFromPoint(CPoint point) const
{
    for (int i = 0; i < m_nFixed; ++i)
        if (m_gadgets[i]->GetRect().PtInRect(point))
            return i;
    int x = point.x + m_nScrollOffset;
    int nLastFocus = -1;
    for (int i = m_nFixed; i < GetGadgetCount(); ++i) {
        const CRect& rect = m_gadgets[i]->GetRect();
        if (x >= rect.left && x < rect.right)
            return i;
        if (m_gadgets[i]->CanFocus())
            nLastFocus = i;
    }
    if (GetGadgetCount() > m_nFixed && x >= m_gadgets[GetGadgetCount() - 1]->GetRect().right)
        return nLastFocus; // past the end
    return -1;
}

CString CGXBDateTimeCtrl::GetGadgetText() const
{
    CString str;
    for (int i = m_nFixed; i < GetGadgetCount(); ++i)
        str += m_gadgets[i]->GetText();
    return str;
}

void CGXBDateTimeCtrl::InvalidateGadget(CGXBDTGadget* pGadget)
{
    if (m_hWnd == nullptr || pGadget == nullptr)
        return;
    CRect rect = pGadget->GetRect();
    CRect client;
    GetClientRect(&client);
    if (rect.bottom < 0)
        rect.bottom = client.bottom;
    if (!pGadget->IsFixed())
        rect.OffsetRect(-m_nScrollOffset, 0);
    InvalidateRect(&rect, FALSE);
}

void CGXBDateTimeCtrl::CaptureGadget(CGXBDTGadget* pGadget)
{
    m_pCapture = pGadget;
    if (m_hWnd != nullptr)
        SetCapture();
}

void CGXBDateTimeCtrl::ReleaseGadgetCapture(CGXBDTGadget* pGadget)
{
    if (m_pCapture != pGadget)
        return;
    m_pCapture = nullptr;
    if (m_hWnd != nullptr && ::GetCapture() == m_hWnd)
        ::ReleaseCapture();
}

// ---------------------------------------------------------------------------------------
// Layout and painting.

void CGXBDateTimeCtrl::LayoutGadgetsIn(CDC& dc, const CRect& rect)
{
    int nRight = rect.right;
    for (int i = 0; i < m_nFixed; ++i) {
        CGXBDTGadget* pGadget = m_gadgets[i];
        pGadget->m_rect = CRect(0, 0, 0, 0);
        pGadget->CalcSize(dc);
        int cx = pGadget->m_rect.Width();
        pGadget->m_rect = CRect(nRight - cx, rect.top, nRight, rect.bottom);
        nRight -= cx;
    }
    m_nFixedWidth = rect.right - nRight;
    int x = rect.left + 1;
    for (int i = m_nFixed; i < GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = m_gadgets[i];
        pGadget->m_rect = CRect(x, rect.top + 1, x, rect.top + 1);
        pGadget->CalcSize(dc);
        if (pGadget->m_rect.bottom < 0) {
            pGadget->m_rect.top = rect.top;
            pGadget->m_rect.bottom = rect.bottom;
        }
        x = pGadget->m_rect.right;
    }
}

void CGXBDateTimeCtrl::LayoutGadgets()
{
    if (m_hWnd == nullptr)
        return;
    CClientDC dc(this);
    HGDIOBJ hOldFont = ::SelectObject(dc.GetSafeHdc(), m_hFont);
    CRect rect;
    GetClientRect(&rect);
    LayoutGadgetsIn(dc, rect);
    ::SelectObject(dc.GetSafeHdc(), hOldFont);
    ScrollIntoView(m_nCurGadget);
}

void CGXBDateTimeCtrl::ScrollIntoView(int nIndex)
{
    CGXBDTGadget* pGadget = GetGadget(nIndex);
    if (m_hWnd == nullptr || pGadget == nullptr || pGadget->IsFixed())
        return;
    CRect client;
    GetClientRect(&client);
    int nWidth = client.Width() - m_nFixedWidth;
    int nOffset = m_nScrollOffset;
    if (pGadget->m_rect.right - nOffset > nWidth)
        nOffset = pGadget->m_rect.right - nWidth;
    if (pGadget->m_rect.left - nOffset < 0)
        nOffset = std::max(0, (int)pGadget->m_rect.left - 1);
    if (nOffset != m_nScrollOffset) {
        m_nScrollOffset = nOffset;
        Invalidate(FALSE);
    }
}

void CGXBDateTimeCtrl::DrawGadget(CDC& dc, CGXBDTGadget* pGadget, int nOffset)
{
    COLORREF crText = dc.GetTextColor();
    pGadget->m_rect.OffsetRect(nOffset, 0);
    pGadget->Draw(dc);
    pGadget->m_rect.OffsetRect(-nOffset, 0);
    dc.SetTextColor(crText);
}

void CGXBDateTimeCtrl::DrawGadgets(CDC& dc)
{
    int nSaved = dc.SaveDC();
    for (int i = 0; i < m_nFixed; ++i) {
        DrawGadget(dc, m_gadgets[i], 0);
        dc.ExcludeClipRect(&m_gadgets[i]->m_rect);
    }
    dc.SetTextColor(GXResolveColor(m_clrText));
    dc.SetBkColor(GXResolveColor(m_clrBack));
    for (int i = m_nFixed; i < GetGadgetCount(); ++i)
        DrawGadget(dc, m_gadgets[i], -m_nScrollOffset);
    dc.RestoreDC(nSaved);
}

void CGXBDateTimeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty())
        return;
    const COLORREF crBack = IsWindowEnabled() ? GXResolveColor(m_clrBack)
                                              : GXGetSysColorCache().GetSysColor(m_nDisabledColor);
    GXPaintThroughBuffer(dc, client, [&](CDC& dcPaint) {
        HGDIOBJ hOldFont = ::SelectObject(dcPaint.GetSafeHdc(), m_hFont);
        dcPaint.FillSolidRect(&client, crBack);
        DrawGadgets(dcPaint);
        ::SelectObject(dcPaint.GetSafeHdc(), hOldFont);
    });
}

BOOL CGXBDateTimeCtrl::OnEraseBkgnd(CDC*) { return TRUE; }

BOOL CGXBDateTimeCtrl::DrawsOwnEdge() const
{
    return (GetExStyle() & WS_EX_CLIENTEDGE) != 0 && LOBYTE(LOWORD(::GetVersion())) <= 3;
}

void CGXBDateTimeCtrl::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    if (!DrawsOwnEdge()) {
        CWnd::OnNcCalcSize(bCalcValidRects, lpncsp);
        return;
    }
    ::InflateRect(&lpncsp->rgrc[0], -2, -2);
}

void CGXBDateTimeCtrl::OnNcPaint()
{
    if (!DrawsOwnEdge()) {
        Default();
        return;
    }
    CWindowDC dc(this);
    CRect rect;
    GetWindowRect(&rect);
    rect.OffsetRect(-rect.left, -rect.top);
    const CGXSysColorCache& colors = GXGetSysColorCache();
    dc.Draw3dRect(&rect, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
    rect.DeflateRect(1, 1);
    dc.Draw3dRect(&rect, colors.m_clrWindowFrame, colors.m_clrBtnFace);
}

void CGXBDateTimeCtrl::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    LayoutGadgets();
    Invalidate();
}

void CGXBDateTimeCtrl::OnEnable(BOOL) { Invalidate(); }

void CGXBDateTimeCtrl::OnSysColorChange()
{
    GXGetSysColorCache().Refresh();
    const CGXSysColorCache& colors = GXGetSysColorCache();
    m_clrBack = colors.m_clrWindow;
    m_clrText = colors.m_clrWindowText;
    for (int i = 0; i < GetGadgetCount(); ++i)
        m_gadgets[i]->OnSysColorChange();
    Invalidate();
}

void CGXBDateTimeCtrl::OnSettingChange(UINT, LPCSTR) { BuildGadgets(); }

LRESULT CGXBDateTimeCtrl::OnSetFontMsg(WPARAM wParam, LPARAM lParam)
{
    m_hFont = wParam != 0 ? (HFONT)wParam : (HFONT)::GetStockObject(SYSTEM_FONT);
    LayoutGadgets();
    if (lParam != 0)
        Invalidate();
    return 0;
}

LRESULT CGXBDateTimeCtrl::OnGetFontMsg(WPARAM, LPARAM) { return (LRESULT)m_hFont; }

void CGXBDateTimeCtrl::OnDestroy()
{
    // Every gadget lets go of the mouse and stops its timers with the window.
    for (int i = 0; i < GetGadgetCount(); ++i)
        m_gadgets[i]->OnCancelMode();
    m_pCapture = nullptr;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    CloseCalendar();
    CWnd::OnDestroy();
}
