// The currency cell control: formats from user attributes, the live window over the
// current cell, values stored as plain number text, keys shared with the grid.
#include "controls/GXCurrencyEdit.h"
#include "controls/GXBCalculator.h"
#include "controls/GXControlFactory.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"
#include "core/GXStylesMap.h"
#include <cmath>
#include <cstdlib>

GX_IMPLEMENT_CONTROL(CGXCurrencyEdit, CGXStatic)

CGXControl* GXCreate_CGXCurrencyEdit(CGXGridCore* pGrid, UINT nID)
{
    return new CGXCurrencyEdit(pGrid, nID);
}

void GXAddAttributes_CGXCurrencyEdit(CGXStylesMap* pStylesMap)
{
    CGXCurrencyEdit::AddUserAttributes(pStylesMap);
}

namespace {
CString Attribute(const CGXStyle& style, WORD nId, BOOL& bPresent)
{
    bPresent = style.HasUserAttribute(nId);
    return bPresent ? style.GetUserAttribute(nId).GetValue() : CString();
}
} // namespace

CGXCurrencyEdit::CGXCurrencyEdit(CGXGridCore* pGrid, UINT nID)
    : CGXStatic(pGrid), m_nID(nID), m_bActive(FALSE), m_bModified(FALSE), m_bFilling(FALSE)
{ }

CGXCurrencyEdit::~CGXCurrencyEdit()
{
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

void CGXCurrencyEdit::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    if (pStylesMap == nullptr)
        return;
    const WORD ids[] = {GX_IDS_UA_CURRENCY_SEPARATORS,     GX_IDS_UA_CURRENCY_OPTIONS,
                        GX_IDS_UA_CURRENCY_POSITIVE,       GX_IDS_UA_CURRENCY_NEGATIVE,
                        GX_IDS_UA_CURRENCY_INTEGER_DIGITS, GX_IDS_UA_CURRENCY_FRACTION_DIGITS,
                        GX_IDS_UA_CURRENCY_SYMBOL};
    for (WORD nId : ids)
        pStylesMap->DeclareUserAttribute(nId);
}

void CGXCurrencyEdit::FormatFromStyle(const CGXStyle& style, CGXBCurrencyFormat& format,
                                      BOOL bEntryFromRight, BOOL bPadOption)
{
    format = CGXBCurrencyFormat(TRUE);
    format.m_bKeepTrailingDigits = bEntryFromRight;
    format.m_bPadBeforeGrouping = bPadOption;
    BOOL bPresent;
    CString s = Attribute(style, GX_IDS_UA_CURRENCY_SEPARATORS, bPresent);
    if (bPresent) {
        if (s.GetLength() != 2)
            s = ",.";
        format.m_cThousandSeparator = s[0] == '0' ? 0 : s[0];
        format.m_cDecimalSeparator = s[1];
    }
    s = Attribute(style, GX_IDS_UA_CURRENCY_OPTIONS, bPresent);
    if (bPresent && !s.IsEmpty()) {
        if (s.GetLength() != 4)
            s = "11 1";
        format.m_bLeadingZero = s[0] != '0';
        format.m_bDecimalSeparatorLine = s[1] != '0';
        if (s[2] < '1' || s[2] > '9')
            format.m_cFillChar = s[2];
    }
    s = Attribute(style, GX_IDS_UA_CURRENCY_POSITIVE, bPresent);
    if (bPresent)
        format.m_nPositiveFormat = atoi(s);
    s = Attribute(style, GX_IDS_UA_CURRENCY_NEGATIVE, bPresent);
    if (bPresent)
        format.m_nNegativeFormat = atoi(s);
    s = Attribute(style, GX_IDS_UA_CURRENCY_INTEGER_DIGITS, bPresent);
    if (bPresent)
        format.m_nIntegerDigits = atoi(s);
    s = Attribute(style, GX_IDS_UA_CURRENCY_FRACTION_DIGITS, bPresent);
    if (bPresent)
        format.m_nFractionDigits = atoi(s);
    s = Attribute(style, GX_IDS_UA_CURRENCY_SYMBOL, bPresent);
    if (bPresent)
        format.m_strCurrencySymbol = (!s.IsEmpty() && s[0] == '0') ? CString() : s;
}

namespace {
// A stored value: plain number text with a C decimal point, or (typed elsewhere) text in
// the format's own form.
BOOL ReadStoredValue(const CGXBCurrencyFormat& format, LPCTSTR pszValue, double& d, BOOL& bNeg)
{
    if (pszValue == nullptr || *pszValue == 0) {
        d = 0;
        bNeg = FALSE;
        return TRUE;
    }
    char* pEnd = nullptr;
    double dValue = strtod(pszValue, &pEnd);
    while (pEnd != nullptr && *pEnd == ' ')
        ++pEnd;
    if (pEnd != nullptr && pEnd != pszValue && *pEnd == 0 && std::isfinite(dValue)) {
        d = std::fabs(dValue);
        bNeg = dValue < 0;
        return TRUE;
    }
    return format.ParseValue(pszValue, d, bNeg);
}
} // namespace

CString CGXCurrencyEdit::StoredValue(double dValue, const CGXBCurrencyFormat& format)
{
    CString s;
    s.Format("%.*f", format.GetFractionDigits(), dValue);
    return s;
}

BOOL CGXCurrencyEdit::FormatStoredValue(const CGXStyle& style, LPCTSTR pszValue, CString& strText)
{
    CGXBCurrencyFormat format;
    FormatFromStyle(style, format);
    double d = 0;
    BOOL bNeg = FALSE;
    if (!ReadStoredValue(format, pszValue, d, bNeg))
        return FALSE;
    format.FormatValue(d, strText, bNeg);
    return TRUE;
}

BOOL CGXCurrencyEdit::CreateControl()
{
    if (GetSafeHwnd() != nullptr)
        return TRUE;
    CWnd* pGridWnd = Grid()->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    return Create(WS_CHILD, CRect(0, 0, 0, 0), pGridWnd, m_nID);
}

void CGXCurrencyEdit::ApplyStyle(const CGXStyle& style)
{
    CGXBCurrencyFormat format;
    FormatFromStyle(style, format, m_bEntryFromRight, m_bPadOption);
    SetFormat(format);
    // The drop button: the fourth option character, when there are four, is not "0".
    BOOL bPresent;
    CString strOptions = Attribute(style, GX_IDS_UA_CURRENCY_OPTIONS, bPresent);
    UINT nButton = (strOptions.GetLength() >= 4 && strOptions[3] != '0') ? GX_IDB_DROPBUTTON : 0;
    if (nButton != m_nBitmapID)
        SetDropButton(nButton);
}

void CGXCurrencyEdit::SetActive(BOOL bActive) { m_bActive = bActive; }

BOOL CGXCurrencyEdit::IsActive() { return m_bActive; }

void CGXCurrencyEdit::SetModify(BOOL bModified) { m_bModified = bModified; }

BOOL CGXCurrencyEdit::GetModify() { return m_bModified; }

BOOL CGXCurrencyEdit::IsReadOnly() { return CGXStatic::IsReadOnly(); }

void CGXCurrencyEdit::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXStatic::Init(nRow, nCol);
    if (!CreateControl())
        return;
    CGXStyle* pStyle = LoadStyle();
    if (pStyle != nullptr) {
        m_bFilling = TRUE;
        ApplyStyle(*pStyle);
        CGXBCurrencyFormat format(*m_pFormat);
        double d = 0;
        BOOL bNeg = FALSE;
        if (ReadStoredValue(format, pStyle->GetInclude(gxValue) ? (LPCTSTR)pStyle->GetValue() : "",
                            d, bNeg))
            CGXBCurrencyEdit::SetValue(bNeg ? -d : d, TRUE);
        UINT nAlign = pStyle->GetHorizontalAlignment();
        SetAlignment(nAlign == DT_RIGHT ? 2 : nAlign == DT_CENTER ? 1 : 0);
        m_bFilling = FALSE;
    }
    m_nCaret = 0;
    SetModify(FALSE);
}

BOOL CGXCurrencyEdit::GetValue(CString& strValue)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return CGXStatic::GetValue(strValue);
    strValue = StoredValue(CGXBCurrencyEdit::GetValue(), *m_pFormat);
    return TRUE;
}

void CGXCurrencyEdit::SetValue(LPCTSTR pszValue)
{
    if (GetSafeHwnd() == nullptr)
        return;
    double d = 0;
    BOOL bNeg = FALSE;
    if (ReadStoredValue(*m_pFormat, pszValue, d, bNeg)) {
        m_bFilling = TRUE;
        CGXBCurrencyEdit::SetValue(bNeg ? -d : d, TRUE);
        m_bFilling = FALSE;
    }
}

BOOL CGXCurrencyEdit::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                        const CGXStyle& style)
{
    // Formatted by a format of its own: the live window (perhaps being edited) is left alone.
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue))
            return FALSE;
        pszValue = style.GetValue();
    }
    return FormatStoredValue(style, pszValue, strText);
}

BOOL CGXCurrencyEdit::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (strText.IsEmpty())
        return TRUE;
    CGXBCurrencyFormat format;
    FormatFromStyle(style, format);
    double d = 0;
    BOOL bNeg = FALSE;
    if (!format.ParseValue(strText, d, bNeg))
        return FALSE;
    strText = StoredValue(bNeg ? -d : d, format);
    return TRUE;
}

BOOL CGXCurrencyEdit::GetEditText(CString& strText)
{
    if (IsActive() && GetSafeHwnd() != nullptr) {
        strText = GetText();
        return TRUE;
    }
    CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    if (pStyle != nullptr && FormatDisplayText(strText, GetRow(), GetCol(), nullptr, *pStyle))
        return TRUE;
    strText.Empty();
    return FALSE;
}

void CGXCurrencyEdit::SetEditText(const CString& strText)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return;
    SetActive(TRUE);
    if (SetTextParsed(strText))
        MarkModified();
}

BOOL CGXCurrencyEdit::GetStyleText(ROWCOL, ROWCOL, const CGXStyle& style, CString& strText)
{
    if (!style.GetInclude(gxValue))
        return FALSE;
    strText = style.GetValue();
    CGXBCurrencyFormat format;
    FormatFromStyle(style, format);
    double d = 0;
    BOOL bNeg = FALSE;
    if (format.ParseValue(strText, d, bNeg))
        strText = StoredValue(bNeg ? -d : d, format);
    return TRUE;
}

BOOL CGXCurrencyEdit::Store()
{
    // Nothing to store is no failure: the grid keeps a cell whose store fails current.
    if (!IsInit() || !GetModify() || GetSafeHwnd() == nullptr)
        return TRUE;
    CString strValue;
    if (!GetValue(strValue))
        return FALSE;
    SetActive(FALSE);
    SetModify(FALSE);
    return Grid()->SetValueRange(CGXRange(GetRow(), GetCol(), GetRow(), GetCol()), strValue);
}

void CGXCurrencyEdit::MarkModified()
{
    if (m_bFilling)
        return;
    SetModify(TRUE);
    NotifyModified();
}

void CGXCurrencyEdit::NotifyParent(UINT nCode)
{
    CGXBCurrencyEdit::NotifyParent(nCode);
    if (nCode == EN_CHANGE && IsActive())
        MarkModified();
}

void CGXCurrencyEdit::ReplaceSel(LPCTSTR pszText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return;
    // A whole amount found by its number is replaced as a whole, read as an amount.
    if (m_bNumericFind && IsAllSelected()) {
        CGXStyle* pStyle = LoadStyle();
        if (pStyle != nullptr && IsAmountText(pszText, *pStyle) &&
            SetTextParsed(pszText != nullptr ? pszText : ""))
            MarkModified();
        return;
    }
    InsertText(pszText);
}

BOOL CGXCurrencyEdit::OnCommand(WPARAM wParam, LPARAM lParam)
{
    return CGXBCurrencyEdit::OnCommand(wParam, lParam);
}

void CGXCurrencyEdit::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    if (IsInitRowCol(nRow, nCol) && Grid()->IsCurrentCell(nRow, nCol) && !Grid()->IsPrinting() &&
        GetSafeHwnd() != nullptr && IsActive()) {
        CGXStatic::DrawBackground(pDC, rect, style, TRUE);
        CRect rcText = GetCellRect(nRow, nCol, &rect, &style);
        const CGXFont& font = style.GetFont();
        LOGFONT lf = font.GetLogFont();
        m_font.DeleteObject();
        if (m_font.CreateFontIndirect(&lf))
            SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
        ApplyStyle(style);
        {
            CGXFocusChangeLock lock(Grid());
            SetWindowPos(nullptr, rcText.left, rcText.top, rcText.Width(), rcText.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            CWnd* pGridWnd = Grid()->GetGridWnd();
            if (pGridWnd != nullptr && CWnd::GetFocus() == pGridWnd)
                SetFocus();
        }
        CGXBCurrencyEdit::SetReadOnly(IsReadOnly());
        return;
    }
    HideWindowOfInactiveCell(nRow, nCol);
    CGXStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXCurrencyEdit::Hide()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CGXFocusChangeLock lock(Grid());
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

BOOL CGXCurrencyEdit::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsActive() || IsReadOnly() || GetSafeHwnd() == nullptr)
        return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
    if (nChar == VK_HOME || nChar == VK_END) {
        if (!OnStartEditing())
            return TRUE;
        SetActive(TRUE);
        Refresh();
        m_nCaret = nChar == VK_HOME ? 0 : GetText().GetLength();
        return TRUE;
    }
    return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
}

BOOL CGXCurrencyEdit::Char(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsActive() || GetSafeHwnd() == nullptr)
        return CGXStatic::Char(nChar, nRepCnt, nFlags);
    if (nChar == ' ' && !IsReadOnly()) {
        // Space on an inactive cell flips the sign of its amount.
        if (!OnStartEditing())
            return TRUE;
        SetActive(TRUE);
        ToggleSign();
        Refresh();
        return TRUE;
    }
    if (nChar > ' ' && nChar != 127 && !IsReadOnly()) {
        if (!OnStartEditing())
            return TRUE;
        SetActive(TRUE);
        SetSel(0, -1);
        Refresh();
        SendMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
        return TRUE;
    }
    return CGXStatic::Char(nChar, nRepCnt, nFlags);
}

BOOL CGXCurrencyEdit::SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && GetSafeHwnd() != nullptr && !IsReadOnly()) {
        if (!IsActive()) {
            if (!OnStartEditing())
                return TRUE;
            SetActive(TRUE);
            Refresh();
        }
        if (HasDropButton())
            OpenCalculator();
        return TRUE;
    }
    return CGXStatic::SysKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CGXCurrencyEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    CGXGridCore* pGrid = Grid();
    switch (message) {
    case WM_KEYDOWN: {
        UINT nChar = (UINT)wParam;
        BOOL bToGrid = FALSE;
        if (::GetKeyState(VK_CONTROL) >= 0) {
            int nLength = GetText().GetLength();
            switch (nChar) {
            case VK_TAB:
            case VK_RETURN:
            case VK_ESCAPE:
            case VK_PRIOR:
            case VK_NEXT:
            case VK_UP:
            case VK_DOWN:
                bToGrid = TRUE;
                break;
            case VK_SPACE:
                ToggleSign();
                return 0;
            case VK_LEFT:
                bToGrid = m_nCaret == 0 && !HasSelection();
                break;
            case VK_RIGHT:
                bToGrid = m_nCaret >= nLength && !HasSelection();
                break;
            default:
                bToGrid = nChar >= VK_F1 && nChar <= VK_F24 && nChar != VK_F2 && nChar != VK_F4;
                break;
            }
        }
        if (bToGrid) {
            pGrid->DispatchKeyMessage(this, WM_KEYDOWN, nChar, LOWORD(lParam), HIWORD(lParam));
            return 0;
        }
        break;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == '\n' || wParam == VK_TAB || wParam == VK_ESCAPE)
            return 0;
        if (IsReadOnly())
            return 0;
        if (wParam == ' ')
            return 0; // the key-down flipped the sign
        break;
    case WM_KEYUP:
    case WM_SYSCHAR:
    case WM_SYSKEYUP:
        if (pGrid->DispatchKeyMessage(this, message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
            return 0;
        break;
    case WM_SETTEXT: {
        LRESULT lResult = CGXBCurrencyEdit::WindowProc(message, wParam, lParam);
        if (lResult && m_bParseOnSetText)
            MarkModified();
        return lResult;
    }
    case WM_GX_CALC_RESULT: {
        if (IsReadOnly())
            return TRUE;
        LRESULT lResult = CGXBCurrencyEdit::WindowProc(message, wParam, lParam);
        if (lResult)
            MarkModified();
        return lResult;
    }
    case WM_KILLFOCUS: {
        LRESULT lResult = CGXBCurrencyEdit::WindowProc(message, wParam, lParam);
        // The calculator dropping down from the cell takes the focus for a moment.
        HWND hNew = (HWND)wParam;
        if (hNew == nullptr || ::GetWindow(hNew, GW_OWNER) != GetSafeHwnd())
            ForwardKillFocus(CWnd::FromHandle(hNew));
        return lResult;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_ERASEBKGND:
        return TRUE;
    default:
        break;
    }
    return CGXBCurrencyEdit::WindowProc(message, wParam, lParam);
}
