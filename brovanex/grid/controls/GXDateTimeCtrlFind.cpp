// CGXDateTimeCtrl: find and replace for the grid's find feature. A cell is searched field by
// field: a number field shows the find text when the text is its number, a list field (month
// or day names, AM/PM) when its item starts with the text. The field found in the edited cell
// becomes the window's current field and the next search goes on behind it; another cell is
// searched in the fields it would show and, when found, is edited with that field current.
// Replace changes the found field's text only and reads the cell's whole text back as a
// date, so a replacement that makes no date leaves the cell as it was.
#include "controls/GXDateTimeCtrl.h"
#include "controls/GXCellFind.h"
#include "core/GXGridCore.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXFindReplaceInfo.h"

#include <algorithm>
#include <climits>

BOOL CGXDateTimeCtrl::GadgetMatches(const CGXBDTGadget* pGadget, const GXFindReplaceInfo& info)
{
    if (pGadget == nullptr || !pGadget->CanFocus() || info.strFind.IsEmpty())
        return FALSE;
    if (pGadget->IsKindOf(RUNTIME_CLASS(CGXBDTNumericGadget))) {
        CString strFind = info.strFind;
        strFind.TrimLeft();
        strFind.TrimRight();
        if (strFind.IsEmpty() || strFind.GetLength() > 9)
            return FALSE;
        for (int i = 0; i < strFind.GetLength(); ++i)
            if (strFind[i] < '0' || strFind[i] > '9')
                return FALSE;
        return atoi(strFind) == atoi(pGadget->GetText());
    }
    if (pGadget->IsKindOf(RUNTIME_CLASS(CGXBDTListGadget)))
        return info.FindIn(pGadget->GetText()) == 0;
    return FALSE;
}

int CGXDateTimeCtrl::FindGadgetMatch(const CGXBDateTimeCtrl& wnd, const GXFindReplaceInfo& info,
                                     int nFrom)
{
    const int nFirst = wnd.GetFixedCount(), nCount = wnd.GetGadgetCount();
    if (info.bNext) {
        for (int i = std::max(nFrom, nFirst); i < nCount; ++i)
            if (GadgetMatches(wnd.GetGadget(i), info))
                return i;
    } else {
        for (int i = std::min(nFrom, nCount - 1); i >= nFirst; --i)
            if (GadgetMatches(wnd.GetGadget(i), info))
                return i;
    }
    return -1;
}

BOOL CGXDateTimeCtrl::IsEditingCell(ROWCOL nRow, ROWCOL nCol)
{
    return IsInitRowCol(nRow, nCol) && IsActive() && m_hWnd != nullptr;
}

CGXBDTGadget* CGXDateTimeCtrl::FoundGadget()
{
    if (!IsInit() || !IsEditingCell(m_nRow, m_nCol) || m_nFindRow != m_nRow || m_nFindCol != m_nCol)
        return nullptr;
    return GetGadget(GetCurrentGadget());
}

BOOL CGXDateTimeCtrl::ReplaceInGadgets(const CGXBDateTimeCtrl& wnd, const GXFindReplaceInfo& info,
                                       LPCTSTR pszReplace, int nOnly, ROWCOL nRow, ROWCOL nCol,
                                       const CGXStyle& style, CString& strValue)
{
    CString strText;
    BOOL bChanged = FALSE;
    for (int i = wnd.GetFixedCount(); i < wnd.GetGadgetCount(); ++i) {
        const CGXBDTGadget* pGadget = wnd.GetGadget(i);
        if (nOnly >= 0 ? i == nOnly : GadgetMatches(pGadget, info)) {
            strText += pszReplace != nullptr ? pszReplace : "";
            bChanged = TRUE;
        } else {
            strText += pGadget->GetText();
        }
    }
    strValue = strText;
    // The text must still read as a date; an empty one would empty the cell.
    return bChanged && !strText.IsEmpty() && AcceptsTypedText(strValue, nRow, nCol, style);
}

BOOL CGXDateTimeCtrl::FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                               BOOL bSelect)
{
    GXCellFindSteps steps;
    steps.bEditing = IsEditingCell(nRow, nCol);
    steps.findInEdited = [&](BOOL) {
        if (m_bEmpty)
            return -1;
        // Behind the field found last in this cell, else from the first (last) field.
        int nFrom = info.bNext ? 0 : INT_MAX;
        if (m_nFindRow == nRow && m_nFindCol == nCol)
            nFrom = GetCurrentGadget() + (info.bNext ? 1 : -1);
        return FindGadgetMatch(*this, info, nFrom);
    };
    steps.select = [&](int nHit) {
        if (SetCurrentGadget(nHit)) {
            m_nFindRow = nRow;
            m_nFindCol = nCol;
        }
    };
    steps.matches = [&](const CGXStyle& style) -> BOOL {
        // The fields the cell shows, laid out in the captive window.
        COleDateTime value;
        if (!style.GetInclude(gxValue) || !ParseValue(style.GetValue(), value) ||
            (m_wndCaptive.GetSafeHwnd() == nullptr && !CreateWindows()))
            return FALSE;
        ApplyFormat(m_wndCaptive, style);
        m_wndCaptive.SetDateTime(value);
        return FindGadgetMatch(m_wndCaptive, info, info.bNext ? 0 : INT_MAX) >= 0;
    };
    steps.activate = [&]() -> BOOL { return Activate() && m_hWnd != nullptr; };
    steps.findInFound = [&] { return FindGadgetMatch(*this, info, info.bNext ? 0 : INT_MAX); };
    return GXFindInCell(*this, info, nRow, nCol, bCurrentPos, bSelect, steps);
}

BOOL CGXDateTimeCtrl::GetSelectedEditText(CString& strText)
{
    // The field the last search found stands for the text it was found by.
    const GXFindReplaceInfo& info = GXGetFindReplaceInfo();
    if (GadgetMatches(FoundGadget(), info)) {
        strText = info.strFind;
        return TRUE;
    }
    GetEditText(strText);
    return FALSE;
}

void CGXDateTimeCtrl::ReplaceSel(LPCTSTR pszText)
{
    CGXBDTGadget* pFound = FoundGadget();
    if (pFound == nullptr) {
        CGXStatic::ReplaceSel(pszText);
        return;
    }
    CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr || IsCellReadOnly())
        return;
    const int nGadget = GetCurrentGadget();
    CString strValue;
    if (!ReplaceInGadgets(*this, GXGetFindReplaceInfo(), pszText, nGadget, m_nRow, m_nCol, *pStyle,
                          strValue))
        return;
    // The captive window holds the date the text was read as.
    SetDateTime(m_wndCaptive.GetDateTime());
    m_bEmpty = FALSE;
    SetModify(TRUE);
    SetCurrentGadget(nGadget);
    m_nFindRow = m_nRow;
    m_nFindCol = m_nCol;
    Invalidate(FALSE);
    NotifyModified();
}

BOOL CGXDateTimeCtrl::ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol)
{
    if (info.strFind.IsEmpty())
        return FALSE;
    CGXGridCore* pGrid = Grid();
    CString strValue;
    if (IsEditingCell(nRow, nCol)) {
        CGXStyle* pStyle = LoadStyle();
        if (m_bEmpty || pStyle == nullptr || IsCellReadOnly() ||
            !ReplaceInGadgets(*this, info, info.strReplace, -1, nRow, nCol, *pStyle, strValue))
            return FALSE;
    } else {
        CGXComposedCellStyle style(pGrid, nRow, nCol, info.pStyle);
        COleDateTime value;
        if (!style.Get().GetInclude(gxValue) || !ParseValue(style.Get().GetValue(), value) ||
            (m_wndCaptive.GetSafeHwnd() == nullptr && !CreateWindows()))
            return FALSE;
        ApplyFormat(m_wndCaptive, style.Get());
        m_wndCaptive.SetDateTime(value);
        if (!ReplaceInGadgets(m_wndCaptive, info, info.strReplace, -1, nRow, nCol, style.Get(),
                              strValue))
            return FALSE;
    }
    if (!pGrid->SetValueRange(CGXRange(nRow, nCol, nRow, nCol), strValue, GX_UPDATENOW))
        return FALSE;
    // The window shows what the cell holds now, with nothing left to store.
    if (IsEditingCell(nRow, nCol)) {
        SetValue(strValue);
        SetModify(FALSE);
    }
    return TRUE;
}
