// CGXComboBoxWnd: find and replace for the grid's find feature, for combos that hold strings.
// The edited cell is searched in its text from the selection (an editable combo's edit field,
// else the chosen entry's text with a kept selection); another cell in its display text and,
// when found, it becomes current and is edited with the occurrence selected. Replace puts the
// replacement into the edited text in place of the selection and selects it; Replace All
// changes the text a cell shows and writes it back as if typed (an index cell takes the
// choice it names).
#include "controls/GXCellFind.h"
#include "controls/GXComboBoxWnd.h"
#include "core/GXGridCore.h"
#include "features/GXFindReplaceInfo.h"

#include <algorithm>

BOOL CGXComboBoxWnd::IsEditingCell(ROWCOL nRow, ROWCOL nCol)
{
    return IsInitRowCol(nRow, nCol) && IsActive() && GetSafeHwnd() != nullptr;
}

void CGXComboBoxWnd::GetTextSel(const CString& strText, int& nStart, int& nEnd)
{
    if (IsPickOnly()) {
        nStart = m_nSelStart;
        nEnd = m_nSelEnd;
    } else {
        m_editPart.GetSel(nStart, nEnd);
    }
    const int nLength = strText.GetLength();
    if (nEnd < 0 || nEnd > nLength)
        nEnd = nLength; // -1: to the end
    nStart = std::max(0, std::min(nStart, nEnd));
}

void CGXComboBoxWnd::SetTextSel(int nStart, int nEnd)
{
    m_nSelStart = nStart;
    m_nSelEnd = nEnd;
    if (!IsPickOnly())
        m_editPart.SetSel(nStart, nEnd);
}

BOOL CGXComboBoxWnd::FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                              BOOL bSelect)
{
    if (!m_bHasStrings)
        return FALSE;
    GXCellFindSteps steps;
    steps.bEditing = IsEditingCell(nRow, nCol);
    steps.findInEdited = [&](BOOL bFromSel) {
        CString strText;
        GetEditText(strText);
        int nStart = 0, nEnd = 0;
        GetTextSel(strText, nStart, nEnd);
        return info.FindFromCaret(strText, nStart, bFromSel);
    };
    steps.select = [&](int nHit) { SetTextSel(nHit, nHit + info.strFind.GetLength()); };
    steps.matches = [&](const CGXStyle& style) -> BOOL {
        CString strText;
        return FormatDisplayText(strText, nRow, nCol, nullptr, style) && info.FindIn(strText) >= 0;
    };
    steps.activate = [&]() -> BOOL { return Activate(); };
    steps.findInFound = [&] {
        CString strText;
        GetEditText(strText);
        return info.FindFromCaret(strText, info.bNext ? 0 : strText.GetLength(), TRUE);
    };
    return GXFindInCell(*this, info, nRow, nCol, bCurrentPos, bSelect, steps);
}

BOOL CGXComboBoxWnd::GetSelectedEditText(CString& strText)
{
    if (m_bHasStrings && IsInit() && IsEditingCell(GetRow(), GetCol())) {
        CString strAll;
        GetEditText(strAll);
        int nStart = 0, nEnd = 0;
        GetTextSel(strAll, nStart, nEnd);
        if (nStart < nEnd) {
            strText = strAll.Mid(nStart, nEnd - nStart);
            return TRUE;
        }
    }
    GetEditText(strText);
    return FALSE;
}

void CGXComboBoxWnd::ReplaceSel(LPCTSTR pszText)
{
    if (!IsInit() || !IsEditingCell(GetRow(), GetCol())) {
        CGXStatic::ReplaceSel(pszText);
        return;
    }
    if (!m_bHasStrings || IsReadOnly())
        return;
    const CString strInsert = pszText != nullptr ? pszText : "";
    CString strText;
    GetEditText(strText);
    int nStart = 0, nEnd = 0;
    GetTextSel(strText, nStart, nEnd);
    const CString strNew = strText.Left(nStart) + strInsert + strText.Mid(nEnd);
    // A pick-only combo holds its entries only: text that names none leaves it as it was.
    if (IsPickOnly() && FindStringExact(-1, strNew) == CB_ERR)
        return;
    SetEditText(strNew);
    // The inserted part selected, within the text the combo took.
    GetEditText(strText);
    const int nLength = strText.GetLength();
    SetTextSel(std::min(nStart, nLength), std::min(nStart + strInsert.GetLength(), nLength));
}

BOOL CGXComboBoxWnd::ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol)
{
    if (!m_bHasStrings || info.strFind.IsEmpty())
        return FALSE;
    CGXGridCore* pGrid = Grid();
    if (!IsEditingCell(nRow, nCol)) {
        // The text the cell shows (an index cell's choice), written back as typed text.
        CString strText;
        {
            CGXComposedCellStyle style(pGrid, nRow, nCol, info.pStyle);
            // Text that names no choice would empty an index cell: it stays as it was.
            if (!FormatDisplayText(strText, nRow, nCol, nullptr, style.Get()) ||
                !info.ReplaceIn(strText) || !IsValidTextFor(strText, &style.Get()))
                return FALSE;
        }
        return pGrid->SetControlTextRowCol(nRow, nCol, strText, GX_UPDATENOW, info.pStyle);
    }
    if (IsReadOnly())
        return FALSE;
    // The edited text from the selection on; what comes before it stays.
    CString strText;
    GetEditText(strText);
    int nStart = 0, nEnd = 0;
    GetTextSel(strText, nStart, nEnd);
    if (!info.ReplaceIn(strText, nStart) || !ValidateText(strText))
        return FALSE;
    if (!pGrid->SetControlTextRowCol(nRow, nCol, strText, GX_UPDATENOW))
        return FALSE;
    // The window shows what the cell holds now, with nothing left to store.
    if (IsEditingCell(nRow, nCol)) {
        SetValue(pGrid->GetValueRowCol(nRow, nCol));
        SetModify(FALSE);
    }
    return TRUE;
}
