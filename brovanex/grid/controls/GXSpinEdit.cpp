// The spin cell: its arrows, its limits and its steps.
#include "controls/GXSpinEdit.h"
#include "controls/GXArrowButton.h"
#include "controls/GXControlFactory.h"
#include "core/GXGridCore.h"
#include "core/GXStylesMap.h"

#include <climits>
#include <cstdlib>

GX_IMPLEMENT_CONTROL(CGXSpinEdit, CGXEditControl)

CGXControl* GXCreate_CGXSpinEdit(CGXGridCore* pGrid, UINT nID)
{
    return new CGXSpinEdit(pGrid, nID);
}
void GXAddAttributes_CGXSpinEdit(CGXStylesMap* pStylesMap)
{
    CGXSpinEdit::AddUserAttributes(pStylesMap);
}

namespace {
BOOL AttributeText(const CGXStyle& style, WORD nId, CString& strText)
{
    strText = style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValue() : CString();
    return !strText.IsEmpty();
}
} // namespace

GXSpinLimits GXSpinLimits::FromStyle(const CGXStyle& style)
{
    GXSpinLimits limits;
    CString strText;
    if ((limits.bMin = AttributeText(style, GX_IDS_UA_SPINBOUND_MIN, strText)) != FALSE)
        limits.lMin = std::atol(strText);
    if ((limits.bMax = AttributeText(style, GX_IDS_UA_SPINBOUND_MAX, strText)) != FALSE)
        limits.lMax = std::atol(strText);
    if ((limits.bStart = AttributeText(style, GX_IDS_UA_SPINSTART, strText)) != FALSE)
        limits.lStart = std::atol(strText);
    limits.bWrap =
        AttributeText(style, GX_IDS_UA_SPINBOUND_WRAP, strText) && std::atol(strText) != 0;
    // A minimum above the maximum makes no range: both are ignored.
    if (limits.bMin && limits.bMax && limits.lMin > limits.lMax)
        limits.bMin = limits.bMax = FALSE;
    return limits;
}

long GXSpinLimits::Step(const CString& strText, BOOL bUp) const
{
    long lValue = 0;
    if (strText.IsEmpty() && bStart) {
        lValue = lStart;
    } else {
        lValue = std::atol(strText);
        if (bUp) {
            if (bMax && lValue >= lMax)
                lValue = bWrap && bMin ? lMin : lMax;
            else if (lValue < LONG_MAX) // saturates instead of overflowing
                ++lValue;
        } else {
            if (bMin && lValue <= lMin)
                lValue = bWrap && bMax ? lMax : lMin;
            else if (lValue > LONG_MIN)
                --lValue;
        }
    }
    if (bMin && lValue < lMin)
        lValue = lMin;
    if (bMax && lValue > lMax)
        lValue = lMax;
    return lValue;
}

CGXSpinEdit::CGXSpinEdit(CGXGridCore* pGrid, UINT nID)
    : CGXEditControl(pGrid, nID), m_pUp(new CGXUpArrowButton(this)),
      m_pDown(new CGXDownArrowButton(this))
{
    AddChild(m_pUp);
    AddChild(m_pDown);
}

void CGXSpinEdit::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    CGXStyle spin;
    spin.SetControl(52519);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_SPINBOUND_MIN, &spin);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_SPINBOUND_MAX, &spin);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_SPINSTART, &spin);
    CGXStyle check;
    check.SetControl(52523);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_SPINBOUND_WRAP, &check);
}

void CGXSpinEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    m_pUp->Refresh();
    m_pDown->Refresh();
}

CRect CGXSpinEdit::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXEditControl::GetCellRect(nRow, nCol, pRectItem, pStyle);
    rect.right -= 14;
    if (rect.right < rect.left)
        rect.right = rect.left;
    return rect;
}

CSize CGXSpinEdit::AddBorders(CSize size, const CGXStyle& style)
{
    size = CGXEditControl::AddBorders(size, style);
    size.cx += 14;
    return size;
}

void CGXSpinEdit::PlaceChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    CRect rectStrip(rect.right - 15, rect.top + 1, rect.right - 1, rect.bottom - 1);
    rectStrip.IntersectRect(&rectStrip, &rect);
    const int nMiddle = rectStrip.top + rectStrip.Height() / 2;
    m_pUp->SetRect(CRect(rectStrip.left, rectStrip.top, rectStrip.right, nMiddle));
    m_pDown->SetRect(CRect(rectStrip.left, nMiddle, rectStrip.right, rectStrip.bottom));
}

BOOL CGXSpinEdit::LButtonDown(UINT nFlags, CPoint point, UINT nHitState)
{
    if (IsInit())
        if (const CGXStyle* pStyle = LoadStyle())
            m_limits = GXSpinLimits::FromStyle(*pStyle);
    return CGXEditControl::LButtonDown(nFlags, point, nHitState);
}

BOOL CGXSpinEdit::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    // A release over an arrow ends its repeat; it does not place the caret.
    for (CGXChild* pArrow : {(CGXChild*)m_pUp, (CGXChild*)m_pDown})
        if (GetActiveChild() == pArrow && static_cast<CGXButton*>(pArrow)->IsPressed()) {
            CGXControl::LButtonUp(nFlags, point, nHitState);
            return TRUE;
        }
    return CGXEditControl::LButtonUp(nFlags, point, nHitState);
}

void CGXSpinEdit::Spin(BOOL bUp)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return;
    const BOOL bWasActive = IsActive();
    if (!bWasActive) {
        if (!OnStartEditing())
            return;
        SetActive(TRUE);
    }
    if (!IsReadOnly()) {
        CString strText;
        GetWindowText(strText);
        strText.TrimLeft();
        strText.TrimRight();
        CString strNew;
        strNew.Format("%ld", m_limits.Step(strText, bUp));
        SetWindowTextQuiet(strNew);
        SetModify(TRUE);
        NotifyModified();
        SetSel(0, -1);
    }
    if (bWasActive)
        RecalcLayout();
    else
        Refresh();
}

void CGXSpinEdit::OnChildButtonClicked(CGXChild* pChild)
{
    if (pChild == m_pUp || pChild == m_pDown) {
        Spin(pChild == m_pUp);
        CGXEditControl::OnChildButtonClicked(pChild);
        return;
    }
    CGXEditControl::OnChildButtonClicked(pChild);
}

BOOL CGXSpinEdit::SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // Alt+Up and Alt+Down step the inactive cell as the arrows do.
    if ((nChar == VK_UP || nChar == VK_DOWN) && IsInit()) {
        if (const CGXStyle* pStyle = LoadStyle())
            m_limits = GXSpinLimits::FromStyle(*pStyle);
        Spin(nChar == VK_UP);
        return TRUE;
    }
    return CGXEditControl::SysKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CGXSpinEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // In the window, Alt+Up and Alt+Down step the number.
    if (message == WM_SYSKEYDOWN && (wParam == VK_UP || wParam == VK_DOWN)) {
        if (IsInit())
            if (const CGXStyle* pStyle = LoadStyle())
                m_limits = GXSpinLimits::FromStyle(*pStyle);
        Spin(wParam == VK_UP);
        return 0;
    }
    return CGXEditControl::WindowProc(message, wParam, lParam);
}
