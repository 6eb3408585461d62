// The password, scroll and hot-spot edits.
#include "controls/GXEditVariants.h"
#include "controls/GXArrowButton.h"
#include "controls/GXControlFactory.h"
#include "core/GXGridCore.h"

GX_IMPLEMENT_CONTROL(CGXPasswordControl, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXVScrollEdit, CGXEditControl)
GX_IMPLEMENT_CONTROL(CGXHotSpotEdit, CGXEditControl)

CGXControl* GXCreate_CGXPasswordControl(CGXGridCore* pGrid, UINT nID)
{
    return new CGXPasswordControl(pGrid, nID);
}
GX_NO_CONTROL_ATTRIBUTES(CGXPasswordControl)
CGXControl* GXCreate_CGXVScrollEdit(CGXGridCore* pGrid, UINT nID)
{
    return new CGXVScrollEdit(pGrid, nID);
}
GX_NO_CONTROL_ATTRIBUTES(CGXVScrollEdit)
CGXControl* GXCreate_CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID)
{
    return new CGXHotSpotEdit(pGrid, nID);
}
GX_NO_CONTROL_ATTRIBUTES(CGXHotSpotEdit)

// --- Password ---

CGXPasswordControl::CGXPasswordControl(CGXGridCore* pGrid, UINT nID)
    : CGXEditControl(pGrid, nID), m_cPassword('*'), m_bMasking(TRUE)
{ }

BOOL CGXPasswordControl::FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol,
                                           LPCTSTR pszValue, const CGXStyle& style)
{
    if (!m_bMasking)
        return CGXEditControl::FormatDisplayText(strText, nRow, nCol, pszValue, style);
    CString strPlain;
    CGXEditControl::FormatDisplayText(strPlain, nRow, nCol, pszValue, style);
    strText = CString(m_cPassword, strPlain.GetLength());
    return TRUE;
}

void CGXPasswordControl::SetValue(LPCTSTR pszValue)
{
    // The window holds the real text and shows it masked.
    m_bMasking = FALSE;
    CGXEditControl::SetValue(pszValue);
    m_bMasking = TRUE;
    if (GetSafeHwnd() != nullptr)
        SendMessage(EM_SETPASSWORDCHAR, (WPARAM)(BYTE)m_cPassword);
}

DWORD CGXPasswordControl::CalcWindowStyle(const CRect& rect, int nLineHeight)
{
    return (CGXEditControl::CalcWindowStyle(rect, nLineHeight) | ES_PASSWORD) & ~ES_MULTILINE;
}

// --- Scroll edit ---

CGXVScrollEdit::CGXVScrollEdit(CGXGridCore* pGrid, UINT nID) : CGXEditControl(pGrid, nID) { }

CRect CGXVScrollEdit::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem,
                                  const CGXStyle* pStyle)
{
    CRect rect = CGXEditControl::GetCellRect(nRow, nCol, pRectItem, pStyle);
    if (pStyle != nullptr && m_bVertScroll)
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    return rect;
}

DWORD CGXVScrollEdit::CalcWindowStyle(const CRect& rect, int nLineHeight)
{
    m_bVertScroll = TRUE;
    return CGXEditControl::CalcWindowStyle(rect, nLineHeight) | WS_VSCROLL;
}

// --- Hot-spot edit ---

CGXHotSpotEdit::CGXHotSpotEdit(CGXGridCore* pGrid, UINT nID)
    : CGXEditControl(pGrid, nID), m_pButton(new CGXHotSpotButton(this))
{
    AddChild(m_pButton);
}

void CGXHotSpotEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXEditControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGXHotSpotEdit::PlaceChildren(ROWCOL, ROWCOL, const CRect& rect)
{
    // A 13 by 13 square at the top-right corner, one pixel taller when the cell allows.
    CRect rectButton(rect.right - 14, rect.top, rect.right - 1, rect.top + 13);
    if (rect.Height() > 13)
        rectButton.bottom += 1;
    rectButton.IntersectRect(&rectButton, &rect);
    m_pButton->SetRect(rectButton);
}
