// The check-list combo cell: its list of check boxes, the bits of its value and its caption.
#include "controls/GXCheckListComboBox.h"
#include "controls/GXControlFactory.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXChoiceList.h"
#include "core/GXGridCore.h"
#include "core/GXRange.h"

#include <cstdlib>

GX_IMPLEMENT_CONTROL(CGXCheckListComboBox, CGXComboBox)
GX_NO_CONTROL_ATTRIBUTES(CGXCheckListComboBox)

CGXControl* GXCreate_CGXCheckListComboBox(CGXGridCore* pGrid, UINT)
{
    return new CGXCheckListComboBox(pGrid, 0, 0);
}

namespace {
// The value's bits: a number, negative or unreadable text counting as none.
long ValueBits(const CString& strValue)
{
    const long lValue = std::atol(strValue);
    return lValue > 0 ? lValue : 0;
}
} // namespace

// --- The list ---

CGXCheckListComboLBox::CGXCheckListComboLBox(CWnd* pOwner)
    : m_bKeyDown(FALSE), m_bMouseDown(FALSE), m_pOwner(pOwner), m_nSelAtKeyDown(LB_ERR),
      m_bAlnumKey(FALSE)
{ }

LRESULT CGXCheckListComboLBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND hOwner = m_pOwner != nullptr ? m_pOwner->GetSafeHwnd() : nullptr;
    switch (message) {
    case WM_KEYDOWN:
        m_bKeyDown = TRUE;
        m_nSelAtKeyDown = GetCurSel();
        m_bAlnumKey = ::IsCharAlphaNumericA((CHAR)(BYTE)(wParam & 0xFF));
        break;
    case WM_SYSKEYDOWN:
        m_bKeyDown = TRUE;
        break;
    case WM_LBUTTONDOWN:
        m_bMouseDown = TRUE;
        m_nSelAtKeyDown = GetCurSel();
        break;
    case WM_KEYUP:
        if (!m_bKeyDown || hOwner == nullptr)
            break;
        if (wParam == VK_TAB) {
            ::PostMessageA(hOwner, WM_KEYDOWN, VK_TAB, 1);
            ::PostMessageA(hOwner, WM_KEYUP, VK_TAB, 0xC0000001);
        }
        if (wParam == VK_TAB || wParam == VK_RETURN || wParam == VK_ESCAPE) {
            ::SendMessageA(hOwner, WM_GX_LBOX_SELECT, 0, 0); // may destroy this list
            return 0;
        }
        break;
    case WM_SYSKEYUP:
        if (m_bKeyDown && wParam == VK_DOWN && hOwner != nullptr) {
            ::SendMessageA(hOwner, WM_GX_LBOX_SELECT, 0, 0);
            return 0;
        }
        break;
    case WM_KILLFOCUS: {
        const LRESULT lResult = CCheckListBox::WindowProc(message, wParam, lParam);
        if (hOwner != nullptr)
            ::PostMessageA(hOwner, WM_GX_LBOX_SELECT, 0, 0); // leaving the list keeps the checks
        return lResult;
    }
    case WM_ERASEBKGND:
        if (GXEraseWithParentListBrush(this, (HDC)wParam))
            return TRUE;
        break;
    default:
        break;
    }
    return CCheckListBox::WindowProc(message, wParam, lParam);
}

// --- The cell ---

CGXCheckListComboBox::CGXCheckListComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID)
    : CGXComboBox(pGrid, nEditID, nListBoxID, GX_CBF_TEXT), m_nCount(0)
{ }

CListBox* CGXCheckListComboBox::CreateListBox(CWnd* pPopup, UINT nID)
{
    if (m_dwListBoxStyle == 0)
        m_dwListBoxStyle = WS_VSCROLL | LBS_NOTIFY;
    CRect rect;
    pPopup->GetClientRect(&rect);
    rect.DeflateRect(1, 0);
    CGXCheckListComboLBox* pList = new CGXCheckListComboLBox(this);
    if (!pList->Create(m_dwListBoxStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_HASSTRINGS, rect,
                       pPopup, nID)) {
        delete pList;
        return nullptr;
    }
    return pList;
}

void CGXCheckListComboBox::FillListBox(CListBox* pListBox)
{
    CCheckListBox* pList = static_cast<CCheckListBox*>(pListBox);
    const CGXStyle* pStyle = LoadStyle();
    m_nCount = 0;
    if (pList == nullptr || pStyle == nullptr)
        return;
    CString strList = pStyle->GetChoiceList(), strLine;
    if (!strList.IsEmpty())
        GXExtractLine(strList, strLine); // the caption
    while (!strList.IsEmpty()) {
        GXExtractLine(strList, strLine);
        pList->AddString(strLine);
        ++m_nCount;
    }
    const long lBits = pStyle->GetInclude(gxValue) ? ValueBits(pStyle->GetValue()) : 0;
    for (int i = 0; i < m_nCount; ++i) {
        if (i >= nMaxCheckEntries) {
            pList->Enable(i, FALSE); // no bit of the value stands for it
            continue;
        }
        if (lBits & (1L << i))
            pList->SetCheck(i, 1);
    }
}

void CGXCheckListComboBox::SetValueFromListBox(CListBox* pListBox)
{
    CCheckListBox* pList = static_cast<CCheckListBox*>(pListBox);
    if (pList == nullptr || !IsInit())
        return;
    CGXGridCore* pGrid = Grid();
    CGXStyle* pStyle = pGrid->TakeStyleObject();
    pGrid->ComposeCellStyle(GetRow(), GetCol(), pStyle);
    long lNew = 0;
    for (int i = 0; i < m_nCount && i < nMaxCheckEntries; ++i)
        if (pList->GetCheck(i) == 1)
            lNew |= 1L << i;
    const long lOld = pStyle->GetInclude(gxValue) ? ValueBits(pStyle->GetValue()) : 0;
    pGrid->ReturnStyleObject(pStyle);
    if (lNew == lOld)
        return;
    SetModify(TRUE);
    const CGXRange cell(GetRow(), GetCol(), GetRow(), GetCol());
    if (lNew != 0)
        pGrid->SetStyleRange(cell, CGXStyle().SetValue((DWORD)lNew));
    else
        pGrid->SetValueRange(cell, "");
    FreeStyle(FALSE);
}

LRESULT CGXCheckListComboBox::CloseList()
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    CGXGridCore* pGrid = Grid();
    CGXGridFlagScope ignoreFocus(pGrid->m_bIgnoreFocus, TRUE);
    const BOOL bFocusInPopup = CloseListTakingChoice();
    // The cell's edit never keeps the focus: it goes back to the grid window.
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if ((bFocusInPopup || ::GetFocus() == nullptr) && pGridWnd != nullptr &&
        pGridWnd->GetSafeHwnd() != nullptr) {
        CGXFocusChangeLock lock(pGrid);
        pGridWnd->SetFocus();
    }
    SetModify(FALSE);
    SetActive(FALSE);
    Refresh();
    return 0;
}

LRESULT CGXCheckListComboBox::OnListBoxSelect() { return CloseList(); }
LRESULT CGXCheckListComboBox::OnListBoxCancel(BOOL) { return CloseList(); }

LRESULT CGXCheckListComboBox::OnListBoxKillFocus()
{
    if (m_pDropDownWnd == nullptr)
        return 0;
    CWnd* pGridWnd = Grid()->GetGridWnd();
    if (pGridWnd != nullptr && GXIsWindowOrChild(::GetFocus(), pGridWnd->GetSafeHwnd()))
        return 0;
    SendMessage(WM_GX_LBOX_CANCEL, 0, 0);
    return 0;
}

BOOL CGXCheckListComboBox::Store()
{
    // The checks were stored when the list closed.
    SetModify(FALSE);
    SetActive(FALSE);
    return TRUE;
}

BOOL CGXCheckListComboBox::GetValue(CString& strValue) { return CGXControl::GetValue(strValue); }

BOOL CGXCheckListComboBox::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR,
                                             const CGXStyle& style)
{
    strText.Empty();
    if (!style.GetChoiceList().IsEmpty()) {
        CString strList = style.GetChoiceList();
        GXExtractLine(strList, strText);
    }
    return TRUE;
}

BOOL CGXCheckListComboBox::AcceptsTypedText(CString&, ROWCOL, ROWCOL, const CGXStyle&)
{
    return TRUE;
}

BOOL CGXCheckListComboBox::ValidateText(const CString&) { return TRUE; }

void CGXCheckListComboBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol,
                                const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    const BOOL bActiveCurrent = IsInitRowCol(nRow, nCol) && IsActive() && !Grid()->IsPrinting() &&
        Grid()->IsCurrentCell(nRow, nCol);
    if (bActiveCurrent && GetSafeHwnd() != nullptr && IsWindowVisible())
        Hide();
    CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (bActiveCurrent)
        DrawCurrentCellFrame(pDC, rect);
}

BOOL CGXCheckListComboBox::KeyDown(UINT, UINT, UINT) { return FALSE; }
BOOL CGXCheckListComboBox::Char(UINT, UINT, UINT) { return FALSE; }
BOOL CGXCheckListComboBox::InsertTypedText(LPCTSTR, UINT, UINT) { return FALSE; }

DWORD CGXCheckListComboBox::CalcWindowStyle(const CRect& rect, int nLineHeight)
{
    return CGXComboBox::CalcWindowStyle(rect, nLineHeight) | ES_READONLY;
}

LRESULT CGXCheckListComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS: {
        // The edit never keeps the focus: an open list closes and the grid takes it.
        if (m_pDropDownWnd != nullptr)
            SendMessage(WM_GX_LBOX_CANCEL, 0, 1);
        CWnd* pGridWnd = Grid()->GetGridWnd();
        if (pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr) {
            CGXFocusChangeLock lock(Grid());
            pGridWnd->SetFocus();
        }
        return 0;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
        // Keys and characters are the grid's.
        Grid()->DispatchKeyMessage(this, message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam));
        return 0;
    default:
        break;
    }
    return CGXComboBox::WindowProc(message, wParam, lParam);
}
