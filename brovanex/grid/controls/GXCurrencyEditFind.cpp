// CGXCurrencyEdit: find and replace for the grid's find feature. By default the find text is
// looked for in the amount as the cell shows it; the occurrence found is selected in the
// edit window (another cell found becomes current and is edited). With numeric find the
// amounts are compared as whole numbers and a match selects the whole amount. Replacements
// are read as amounts: text that is no amount leaves the cell as it was.
#include "controls/GXCurrencyEdit.h"
#include "controls/GXCellFind.h"
#include "core/GXGridCore.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXFindReplaceInfo.h"

#include <cstdlib>

namespace {
CString StyleValue(const CGXStyle& style)
{
    return style.GetInclude(gxValue) ? CString(style.GetValue()) : CString();
}
} // namespace

BOOL CGXCurrencyEdit::NumberMatches(LPCTSTR pszValue, const CGXStyle& style,
                                    const GXFindReplaceInfo& info)
{
    CString strValue = pszValue != nullptr ? pszValue : "";
    strValue.TrimLeft();
    if (strValue.IsEmpty())
        return FALSE;
    CGXBCurrencyFormat format;
    FormatFromStyle(style, format);
    CString strFind = info.strFind;
    strFind.TrimLeft();
    strFind.TrimRight();
    const CString& strSymbol = format.m_strCurrencySymbol;
    if (!strSymbol.IsEmpty() && strFind.Left(strSymbol.GetLength()) == strSymbol) {
        strFind = strFind.Mid(strSymbol.GetLength());
        strFind.TrimLeft();
    }
    // "1,234" is the number 1234, not 1.
    if (format.GetThousandSeparator() != 0)
        CGXBCurrencyFormat::RemoveThousandSeparators(strFind, format.GetThousandSeparator());
    const int nDigit = strFind.GetLength() > 0 && strFind[0] == '-' ? 1 : 0;
    if (strFind.GetLength() <= nDigit || strFind[nDigit] < '0' || strFind[nDigit] > '9')
        return FALSE;
    return atoi(strFind) == atoi(strValue);
}

BOOL CGXCurrencyEdit::IsAmountText(LPCTSTR pszText, const CGXStyle& style)
{
    CGXBCurrencyFormat format;
    FormatFromStyle(style, format);
    const CString strAllowed = format.m_strCurrencySymbol + " +-()" +
        CString(format.GetThousandSeparator(), 1) + CString(format.GetDecimalSeparator(), 1);
    BOOL bDigit = FALSE;
    for (LPCTSTR p = pszText != nullptr ? pszText : ""; *p != 0; ++p) {
        if (*p >= '0' && *p <= '9')
            bDigit = TRUE;
        else if (*p == 0 || strAllowed.Find(*p) < 0)
            return FALSE;
    }
    return bDigit;
}

BOOL CGXCurrencyEdit::IsEditingCell(ROWCOL nRow, ROWCOL nCol)
{
    return IsInitRowCol(nRow, nCol) && IsActive() && GetSafeHwnd() != nullptr;
}

BOOL CGXCurrencyEdit::IsAllSelected()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart == 0 && nEnd > 0 && nEnd >= GetText().GetLength();
}

BOOL CGXCurrencyEdit::FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                               BOOL bSelect)
{
    GXCellFindSteps steps;
    steps.bEditing = IsEditingCell(nRow, nCol);
    steps.findInEdited = [&](BOOL bFromSel) {
        if (m_bNumericFind) {
            // The amount is one match: selected already, the search goes on to other cells.
            CString strValue;
            CGXStyle* pStyle = LoadStyle();
            return pStyle == nullptr || (!bFromSel && IsAllSelected()) || !GetValue(strValue) ||
                    !NumberMatches(strValue, *pStyle, info)
                ? -1
                : 0;
        }
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        return info.FindFromCaret(GetText(), nStart, bFromSel);
    };
    steps.select = [&](int nHit) {
        if (m_bNumericFind)
            SetSel(0, GetText().GetLength());
        else
            SetSel(nHit, nHit + info.strFind.GetLength());
    };
    steps.matches = [&](const CGXStyle& style) -> BOOL {
        const CString strValue = StyleValue(style);
        CString strText;
        return m_bNumericFind
            ? NumberMatches(strValue, style, info)
            : FormatStoredValue(style, strValue, strText) && info.FindIn(strText) >= 0;
    };
    steps.activate = [&]() -> BOOL {
        if (GetSafeHwnd() == nullptr)
            return FALSE;
        SetActive(TRUE);
        return TRUE;
    };
    steps.findInFound = [&] {
        if (m_bNumericFind)
            return 0;
        const CString strText = GetText();
        return info.FindFromCaret(strText, info.bNext ? 0 : strText.GetLength(), TRUE);
    };
    return GXFindInCell(*this, info, nRow, nCol, bCurrentPos, bSelect, steps);
}

BOOL CGXCurrencyEdit::GetSelectedEditText(CString& strText)
{
    if (!IsInit() || !IsEditingCell(GetRow(), GetCol())) {
        GetEditText(strText);
        return FALSE;
    }
    const GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    CString strValue;
    CGXStyle* pStyle = LoadStyle();
    if (m_bNumericFind && IsAllSelected() && pStyle != nullptr && GetValue(strValue) &&
        NumberMatches(strValue, *pStyle, info)) {
        // The whole amount stands for the number it was found by.
        strText = info.strFind;
        return TRUE;
    }
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    strText = GetText().Mid(nStart, nEnd - nStart);
    return nEnd > nStart;
}

BOOL CGXCurrencyEdit::ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol)
{
    if (info.strFind.IsEmpty())
        return FALSE;
    CGXGridCore* pGrid = Grid();
    const BOOL bEditing = IsEditingCell(nRow, nCol);
    CString strText;
    {
        CGXComposedCellStyle style(pGrid, nRow, nCol, info.pStyle);
        CString strValue = StyleValue(style.Get());
        if (bEditing)
            GetValue(strValue);
        if (m_bNumericFind) {
            if (!NumberMatches(strValue, style.Get(), info))
                return FALSE;
            strText = info.strReplace;
        } else {
            if (bEditing)
                strText = GetText();
            else if (!FormatStoredValue(style.Get(), strValue, strText))
                return FALSE;
            if (!info.ReplaceIn(strText))
                return FALSE;
        }
        if (!IsAmountText(strText, style.Get()))
            return FALSE;
    }
    // Read as an amount: text that is none is refused and the cell keeps its value.
    if (!pGrid->SetControlTextRowCol(nRow, nCol, strText, GX_UPDATENOW))
        return FALSE;
    if (IsEditingCell(nRow, nCol)) {
        SetValue(pGrid->GetValueRowCol(nRow, nCol));
        SetModify(FALSE);
    }
    return TRUE;
}
