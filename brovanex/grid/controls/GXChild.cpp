#include "controls/GXChild.h"
#include "controls/GXControl.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

BOOL GXGetDoubleByteChar(UINT nChar, CString& strText, BOOL& bPending, char& cLeadByte)
{
    const char c = (char)(BYTE)nChar;
    if (!bPending) {
        if (::IsDBCSLeadByte((BYTE)nChar)) {
            cLeadByte = c;
            bPending = TRUE;
            strText.Empty();
            return TRUE;
        }
        strText = CString(c, 1);
        return FALSE;
    }
    bPending = FALSE;
    const char pair[3] = {cLeadByte, c, '\0'};
    strText = pair;
    return TRUE;
}

CGXChild::CGXChild(CGXControl* pComposite)
    : m_pComposite(pComposite), m_rect(0, 0, 0, 0), m_bLeadByte(FALSE), m_cLeadByte(0)
{ }

void CGXChild::SetRect(const CRect& rect) { m_rect = rect; }
CRect CGXChild::GetRect() const { return m_rect; }
BOOL CGXChild::HitTest(CPoint point) const { return m_rect.PtInRect(point); }
BOOL CGXChild::IsActive() const
{
    return m_pComposite != nullptr && m_pComposite->GetActiveChild() == this;
}
void CGXChild::SetText(LPCTSTR pszText) { m_strText = pszText != nullptr ? pszText : ""; }
const CString& CGXChild::GetText() const { return m_strText; }

void CGXChild::Refresh()
{
    CWnd* pWnd = m_pComposite != nullptr ? m_pComposite->Grid()->GetGridWnd() : nullptr;
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->InvalidateRect(&m_rect, TRUE);
}

BOOL CGXChild::MouseMove(UINT, CPoint) { return FALSE; }
BOOL CGXChild::LButtonDown(UINT, CPoint) { return FALSE; }
BOOL CGXChild::LButtonUp(UINT, CPoint) { return FALSE; }
BOOL CGXChild::LButtonDblClk(UINT, CPoint) { return FALSE; }
BOOL CGXChild::MButtonDown(UINT, CPoint) { return FALSE; }
BOOL CGXChild::MButtonUp(UINT, CPoint) { return FALSE; }
BOOL CGXChild::MButtonDblClk(UINT, CPoint) { return FALSE; }
BOOL CGXChild::RButtonDown(UINT, CPoint) { return FALSE; }
BOOL CGXChild::RButtonUp(UINT, CPoint) { return FALSE; }
BOOL CGXChild::RButtonDblClk(UINT, CPoint) { return FALSE; }
BOOL CGXChild::MouseOverCell(ROWCOL, ROWCOL, UINT, CPoint) { return FALSE; }

BOOL CGXChild::RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    return GXRouteKeyToHandler(*this, m_bLeadByte, m_cLeadByte, nMessage, nChar, nRepCnt, nFlags);
}

BOOL CGXChild::KeyDown(UINT, UINT, UINT) { return FALSE; }
BOOL CGXChild::KeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXChild::Char(UINT, UINT, UINT) { return FALSE; }
BOOL CGXChild::InsertTypedText(LPCTSTR, UINT, UINT) { return FALSE; }
BOOL CGXChild::DeadChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXChild::SysKeyDown(UINT, UINT, UINT) { return FALSE; }
BOOL CGXChild::SysKeyUp(UINT, UINT, UINT) { return FALSE; }
BOOL CGXChild::SysChar(UINT, UINT, UINT) { return FALSE; }
BOOL CGXChild::SysDeadChar(UINT, UINT, UINT) { return FALSE; }
void CGXChild::OnSettingsChange(LPCTSTR) { }
void CGXChild::OnSystemColorsChange() { }
void CGXChild::OnCancelMode() { }

// --- CGXButton ---

CGXButton::CGXButton(CGXControl* pComposite)
    : CGXChild(pComposite), m_bPressed(FALSE), m_bTracking(FALSE), m_bRefreshOnChange(TRUE)
{ }

void CGXButton::SetPressed(BOOL bPressed)
{
    if (m_bPressed == bPressed)
        return;
    m_bPressed = bPressed;
    if (m_bRefreshOnChange)
        Refresh();
}

void CGXButton::DrawFace(CDC* pDC, const CRect& rect, BOOL bSunken)
{
    GXFillSolidRect(pDC, &rect, GXGetSysColorCache().GetSysColor(COLOR_BTNFACE));
    CRect rectEdge = rect;
    GXDrawEdge(pDC, &rectEdge, bSunken ? EDGE_SUNKEN : EDGE_RAISED, FALSE);
}

void CGXButton::Draw(CDC* pDC, BOOL bActive)
{
    const BOOL bFocus = bActive && IsActive();
    const BOOL bSunken = bFocus && m_bPressed;
    DrawFace(pDC, m_rect, bSunken);
    CRect rectText(m_rect.left + 1, m_rect.top + 1, m_rect.right - 2, m_rect.bottom - 2);
    if (m_bPressed)
        rectText.OffsetRect(1, 1);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(GXGetSysColorCache().GetSysColor(COLOR_BTNTEXT));
    GXGetDrawingAndFormatting()->DrawText(pDC, m_strText, m_strText.GetLength(), rectText.left,
                                          rectText.top, rectText.right, rectText.bottom,
                                          DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    if (bFocus) {
        CRect rectFocus = m_rect;
        rectFocus.DeflateRect(3, 3);
        if (rectFocus.Width() > 0 && rectFocus.Height() > 0)
            pDC->DrawFocusRect(&rectFocus);
    }
}

BOOL CGXButton::LButtonDown(UINT, CPoint)
{
    m_bTracking = TRUE;
    SetPressed(TRUE);
    if (m_pComposite->IsActive())
        if (CWnd* pWnd = m_pComposite->Grid()->GetGridWnd())
            pWnd->UpdateWindow();
    return TRUE;
}

BOOL CGXButton::MouseMove(UINT, CPoint point)
{
    if (m_bTracking)
        SetPressed(HitTest(point));
    return TRUE;
}

BOOL CGXButton::LButtonUp(UINT, CPoint point)
{
    const BOOL bClick = m_bPressed && HitTest(point);
    m_bTracking = FALSE;
    SetPressed(FALSE);
    if (bClick)
        m_pComposite->OnChildButtonClicked(this);
    return TRUE;
}

BOOL CGXButton::KeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE)
        return FALSE;
    SetPressed(TRUE);
    return TRUE;
}

BOOL CGXButton::KeyUp(UINT nChar, UINT, UINT)
{
    if (nChar != VK_SPACE || !m_bPressed)
        return FALSE;
    SetPressed(FALSE);
    m_pComposite->OnChildButtonClicked(this);
    return TRUE;
}

void CGXButton::OnCancelMode()
{
    if (m_bPressed || m_bTracking) {
        m_bTracking = FALSE;
        SetPressed(FALSE);
    }
}
