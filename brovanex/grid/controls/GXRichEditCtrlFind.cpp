// CGXRichEditCtrl: find and replace for the grid's find feature. The edited cell is searched
// in its window by the window's own search, from the selection (one character further when
// the selection is not empty and the search goes on), and shows the occurrence found selected;
// another cell is searched in the plain text of its rich text and, when found, becomes current
// and is edited with the occurrence selected. Replacing goes through the window's selection,
// so the text around an occurrence keeps its formatting and the replacement takes that of the
// text it replaces.
#include "controls/GXCellFind.h"
#include "controls/GXRichEditCtrl.h"
#include "core/GXGridCore.h"
#include "core/GXRange.h"
#include "core/GXStyle.h"
#include "features/GXFindReplaceInfo.h"

namespace {
// The number of characters in a rich-edit window (the positions its selection counts in).
long CharCount(const CRichEditCtrl& wnd)
{
    GETTEXTLENGTHEX gtl = {GTL_NUMCHARS | GTL_PRECISE, CP_ACP};
    const LRESULT n = wnd.SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    return n > 0 ? (long)n : 0;
}
} // namespace

BOOL CGXRichEditCtrl::FindInWindow(const CRichEditCtrl& wnd, const GXFindReplaceInfo& info,
                                   long nFrom, CHARRANGE& found)
{
    if (info.strFind.IsEmpty() || wnd.GetSafeHwnd() == nullptr)
        return FALSE;
    FINDTEXTEXA ft = {};
    // Down: from nFrom to the end; up: from nFrom back to the start.
    ft.chrg.cpMin = nFrom;
    ft.chrg.cpMax = info.bNext ? -1 : 0;
    ft.lpstrText = info.strFind;
    const DWORD dwFlags = (info.bNext ? FR_DOWN : 0) | (info.bCase ? FR_MATCHCASE : 0);
    if (wnd.FindText(dwFlags, &ft) < 0 || ft.chrgText.cpMax <= ft.chrgText.cpMin)
        return FALSE;
    found = ft.chrgText;
    return TRUE;
}

BOOL CGXRichEditCtrl::ReplaceAllInWindow(CRichEditCtrl& wnd, const GXFindReplaceInfo& info,
                                         long nFrom)
{
    GXFindReplaceInfo down = info;
    down.bNext = TRUE;
    BOOL bAny = FALSE;
    CHARRANGE found = {0, 0};
    // Each search starts behind the last replacement: what it put in is never searched, and
    // the text from there on is the original text, so the loop ends.
    for (long nPos = nFrom; FindInWindow(wnd, down, nPos, found);) {
        wnd.SetSel(found);
        wnd.ReplaceSel(info.strReplace);
        CHARRANGE after = {0, 0};
        wnd.GetSel(after);
        nPos = after.cpMax;
        bAny = TRUE;
    }
    return bAny;
}

BOOL CGXRichEditCtrl::IsEditingCell(ROWCOL nRow, ROWCOL nCol)
{
    return IsInitRowCol(nRow, nCol) && IsActive() && GetSafeHwnd() != nullptr;
}

BOOL CGXRichEditCtrl::FindText(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                               BOOL bSelect)
{
    CHARRANGE found = {0, 0};
    GXCellFindSteps steps;
    steps.bEditing = IsEditingCell(nRow, nCol);
    steps.findInEdited = [&](BOOL bFromSel) {
        CHARRANGE sel = {0, 0};
        GetSel(sel);
        // Going on from an occurrence left selected: not that one again.
        const long nFrom = sel.cpMin + (info.bNext && !bFromSel && sel.cpMax > sel.cpMin ? 1 : 0);
        return FindInWindow(*this, info, nFrom, found) ? (int)found.cpMin : -1;
    };
    steps.select = [&](int) { SetSel(found); };
    steps.matches = [&](const CGXStyle& style) -> BOOL {
        CString strText;
        return FormatDisplayText(strText, nRow, nCol, nullptr, style) && info.FindIn(strText) >= 0;
    };
    steps.activate = [&]() -> BOOL {
        if (GetSafeHwnd() == nullptr)
            return FALSE;
        Activate(FALSE);
        return TRUE;
    };
    steps.findInFound = [&] {
        return FindInWindow(*this, info, info.bNext ? 0 : CharCount(*this), found)
            ? (int)found.cpMin
            : -1;
    };
    return GXFindInCell(*this, info, nRow, nCol, bCurrentPos, bSelect, steps);
}

BOOL CGXRichEditCtrl::ReplaceAll(GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol)
{
    if (info.strFind.IsEmpty() || !CreateControl(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_nID))
        return FALSE;
    CGXGridCore* pGrid = Grid();
    CString strValue;
    if (IsEditingCell(nRow, nCol)) {
        // The edited text from the selection on; what comes before it stays.
        if (IsReadOnly())
            return FALSE;
        CHARRANGE sel = {0, 0};
        GetSel(sel);
        if (!ReplaceAllInWindow(*this, info, sel.cpMin))
            return FALSE;
        strValue = SaveRtf(*this);
    } else {
        // Replaced inside the cell's rich text, loaded into the formatting window.
        CString strRtf;
        {
            CGXComposedCellStyle style(pGrid, nRow, nCol, info.pStyle);
            if (!style.Get().GetInclude(gxValue) || style.Get().GetValue().IsEmpty())
                return FALSE;
            strRtf = style.Get().GetValue();
        }
        CGXInternalChange change;
        CRichEditCtrl& wnd = Aux(nFormat, strRtf);
        const BOOL bReplaced = ReplaceAllInWindow(wnd, info, 0);
        m_strAux[nFormat].Empty(); // the window holds the text replaced
        if (!bReplaced)
            return FALSE;
        strValue = SaveRtf(wnd);
    }
    if (!pGrid->SetValueRange(CGXRange(nRow, nCol, nRow, nCol), strValue, GX_UPDATENOW))
        return FALSE;
    // The window shows what the cell holds now, with nothing left to store.
    if (IsEditingCell(nRow, nCol))
        SetModify(FALSE);
    return TRUE;
}
