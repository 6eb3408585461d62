#include "controls/GXDateTimeCtrl.h"
#include "controls/GXBCalendar.h"
#include "controls/GXControlFactory.h"
#include "controls/GXFocusChangeLock.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"
#include "core/GXResourceString.h"
#include "core/GXStylesMap.h"
#include "res/GXResource.h"
#include "core/GXSysColorCache.h"

#include <windows.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

GX_IMPLEMENT_CONTROL(CGXDateTimeCtrl, CGXStatic)

BEGIN_MESSAGE_MAP(CGXDateTimeCtrl, CGXBDateTimeCtrl)
    ON_WM_KEYDOWN()
    ON_WM_SYSKEYDOWN()
    ON_WM_CHAR()
    ON_WM_KEYUP()
    ON_WM_SYSKEYUP()
    ON_WM_SYSCHAR()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONUP()
END_MESSAGE_MAP()

namespace {
// The cell's interior and text colours: white and black while the grid prints (or
// previews) in black and white.
void CellColors(CGXGridCore* pGrid, const CGXStyle& style, COLORREF& crBack, COLORREF& crText)
{
    const GXPaintPass* pPass = pGrid->GetPaintPass();
    if (pPass != nullptr && pPass->bBlackWhite) {
        crBack = RGB(255, 255, 255);
        crText = RGB(0, 0, 0);
        return;
    }
    crBack = GXResolveColor(style.GetInterior().GetColor());
    crText = GXResolveColor(style.GetTextColor());
}
} // namespace

CGXControl* GXCreate_CGXDateTimeCtrl(CGXGridCore* pGrid, UINT nID)
{
    return new CGXDateTimeCtrl(pGrid, nID,
                               nID == GX_IDS_CTRL_DATETIMENOCAL ? 0x40000002 : 0x40000003);
}

void GXAddAttributes_CGXDateTimeCtrl(CGXStylesMap* pStylesMap)
{
    CGXDateTimeCtrl::AddUserAttributes(pStylesMap);
}

namespace {

const double kMinDate = -657434.0; // 1 January 100
const double kMaxDate = 2958465.99998842592; // 31 December 9999, 23:59:59

CString Attribute(const CGXStyle& style, WORD nID)
{
    return style.HasUserAttribute(nID) ? style.GetUserAttribute(nID).GetValue() : CString();
}
} // namespace

CGXDateTimeCtrl::CGXDateTimeCtrl(CGXGridCore* pGrid, UINT nID, DWORD dwStyle)
    : CGXStatic(pGrid), m_nControlID(nID), m_dwWndStyle(dwStyle), m_bActive(FALSE), m_bEmpty(FALSE),
      m_strSeparator(","), m_nFindRow(INT_MAX), m_nFindCol(INT_MAX), m_bStoreAsNumber(FALSE),
      m_bDateFormat(TRUE)
{ }

CGXDateTimeCtrl::~CGXDateTimeCtrl()
{
    if (m_wndCaptive.GetSafeHwnd() != nullptr)
        m_wndCaptive.DestroyWindow();
    if (m_wndCaptive2.GetSafeHwnd() != nullptr)
        m_wndCaptive2.DestroyWindow();
}

CRuntimeClass* CGXDateTimeCtrl::GetWndRuntimeClass() { return RUNTIME_CLASS(CGXBDateTimeCtrl); }

void CGXDateTimeCtrl::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    if (pStylesMap == nullptr)
        return;
    CString strChoices;
    CGXStyle style;
    GXLoadString(20060, strChoices);
    style.SetControl(GX_IDS_CTRL_CHECKLIST_COMBOBOX).SetChoiceList(strChoices);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_DATENOEDIT, &style);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_DATEMIN);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_DATEMAX);
    for (WORD nID : {(WORD)GX_IDS_UA_DATEVALIDMODE, (WORD)GX_IDS_UA_DATEFORMATTYPE}) {
        CGXStyle combo;
        GXLoadString(nID == GX_IDS_UA_DATEVALIDMODE ? 20061 : 20062, strChoices);
        combo.SetControl(GX_IDS_CTRL_TABBED_COMBOBOX).SetChoiceList(strChoices);
        combo.SetUserAttribute(51028, "1")
            .SetUserAttribute(51029, "0")
            .SetUserAttribute(51030, "0");
        pStylesMap->DeclareUserAttribute(nID, &combo);
    }
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_CUSTOMFORMAT);
    CGXStyle check;
    check.SetControl(52523);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_DATEAUTOADVANCE, &check);
}

// ---------------------------------------------------------------------------------------
// Values.

BOOL CGXDateTimeCtrl::ParseValue(LPCTSTR pszText, COleDateTime& value)
{
    if (pszText == nullptr)
        return FALSE;
    CString strText = pszText;
    strText.TrimLeft();
    strText.TrimRight();
    if (strText.IsEmpty())
        return FALSE;
    COleDateTime parsed;
    if (parsed.ParseDateTime(strText, 0, LANG_USER_DEFAULT) &&
        parsed.GetStatus() == COleDateTime::valid) {
        value = parsed;
        return TRUE;
    }
    // A DATE number: the whole text, non-zero and within the calendar's range.
    char* pEnd = nullptr;
    errno = 0;
    double d = std::strtod(strText, &pEnd);
    if (pEnd == (LPCTSTR)strText || *pEnd != 0 || errno != 0 || !std::isfinite(d) || d == 0.0 ||
        d < kMinDate - 0.99998842592 || d > kMaxDate)
        return FALSE;
    COleDateTime number((DATE)d);
    if (number.GetYear() < 0)
        return FALSE;
    value = number;
    return TRUE;
}

void CGXDateTimeCtrl::ApplyFormat(CGXBDateTimeCtrl& wnd, const CGXStyle& style)
{
    CString strType = Attribute(style, GX_IDS_UA_DATEFORMATTYPE);
    CString strCustom = Attribute(style, GX_IDS_UA_CUSTOMFORMAT);
    strType.TrimLeft();
    strType.TrimRight();
    int nType;
    if (!strType.IsEmpty())
        nType = std::max(0, std::min(atoi(strType), (int)gxCustom));
    else
        nType = strCustom.IsEmpty() ? gxShortDate : gxCustom;
    int nNoEdit = atoi(Attribute(style, GX_IDS_UA_DATENOEDIT));
    if (wnd.GetGadgetCount() > wnd.GetFixedCount() && wnd.m_nFormatType == nType &&
        wnd.m_nNoEditMask == nNoEdit && (nType != gxCustom || wnd.m_strCustomFormat == strCustom))
        return; // built already
    wnd.m_nFormatType = nType;
    wnd.m_strCustomFormat = strCustom;
    wnd.m_nNoEditMask = nNoEdit;
    wnd.BuildGadgets();
}

CString CGXDateTimeCtrl::FormatValue(const COleDateTime& value) const
{
    if (value.GetStatus() != COleDateTime::valid)
        return CString();
    if (!m_bStoreAsNumber)
        return value.Format(0, LANG_USER_DEFAULT);
    // The shortest text that reads back as the same DATE keeps the time of day.
    CString str;
    for (int nDigits = 15; nDigits <= 17; ++nDigits) {
        str.Format("%.*g", nDigits, (double)value.m_dt);
        if (std::strtod(str, nullptr) == value.m_dt)
            break;
    }
    return str;
}

COleDateTime CGXDateTimeCtrl::DefaultValue() const
{
    if (m_nFormatType == gxShortDate || m_nFormatType == gxLongDate) {
        COleDateTime now = GXBGetCurrentTime();
        return COleDateTime(now.GetYear(), now.GetMonth(), now.GetDay(), 0, 0, 0);
    }
    return COleDateTime(1899, 12, 30, 0, 0, 0);
}

void CGXDateTimeCtrl::SetValue(LPCTSTR pszValue)
{
    COleDateTime value;
    // An unparsable value still loads this cell's own fallback, never what the window
    // showed for the cell before.
    if (!ParseValue(pszValue, value))
        value = DefaultValue();
    SetDateTime(value);
    m_bEmpty = FALSE;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
}

BOOL CGXDateTimeCtrl::GetValue(CString& strValue)
{
    if (!GetModify())
        return CGXStatic::GetValue(strValue);
    strValue = m_bEmpty ? CString() : FormatValue(GetDateTime());
    return TRUE;
}

void CGXDateTimeCtrl::SetModify(BOOL bModified)
{
    SetModified(bModified);
    if (!bModified)
        m_bEmpty = FALSE;
}

BOOL CGXDateTimeCtrl::Store()
{
    // Nothing to store is no failure: the grid keeps a cell whose store fails current.
    if (!IsInit() || !GetModify())
        return TRUE;
    CString strValue;
    GetValue(strValue);
    SetModify(FALSE);
    return m_pGrid->SetCellValue(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, GX_INVALIDATE);
}

BOOL CGXDateTimeCtrl::GetEditText(CString& strText)
{
    if (!GetModify() || !IsInit())
        return CGXStatic::GetEditText(strText);
    CString strValue;
    GetValue(strValue);
    CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr || !FormatDisplayText(strText, m_nRow, m_nCol, strValue, *pStyle))
        strText = strValue;
    return TRUE;
}

void CGXDateTimeCtrl::SetEditText(const CString& strText)
{
    if (!IsInit() || !Activate())
        return;
    COleDateTime value;
    BOOL bEmpty = strText.IsEmpty();
    if (!bEmpty && !ParseValue(strText, value))
        return;
    if (bEmpty)
        value = DefaultValue();
    SetDateTime(value);
    m_bEmpty = bEmpty;
    SetModify(TRUE);
    m_bEmpty = bEmpty;
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
    NotifyModified();
}

// ---------------------------------------------------------------------------------------
// Texts of cells that are not edited (the captive window).

BOOL CGXDateTimeCtrl::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                        const CGXStyle& style)
{
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue))
            return FALSE;
        pszValue = style.GetValue();
    }
    strText.Empty();
    COleDateTime value;
    if (!ParseValue(pszValue, value))
        return TRUE; // no text for an unparsable value
    ApplyFormat(m_wndCaptive, style);
    m_wndCaptive.SetDateTime(value);
    strText = m_wndCaptive.GetGadgetText();
    return TRUE;
}

BOOL CGXDateTimeCtrl::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    CString strTrimmed = strText;
    strTrimmed.TrimLeft();
    strTrimmed.TrimRight();
    if (strTrimmed.IsEmpty()) {
        strText.Empty();
        return TRUE;
    }
    ApplyFormat(m_wndCaptive, style);
    COleDateTime value;
    if (value.ParseDateTime(strTrimmed, 0, LANG_USER_DEFAULT) && (DATE)value != 0) {
        m_wndCaptive.SetDateTime(value);
        strText = FormatValue(m_wndCaptive.GetDateTime());
        return TRUE;
    }
    // Split at the format's separators (and blanks and line breaks) and hand the pieces to
    // the fields in order.
    CString strSeparators = " \t\r\n";
    for (int i = m_wndCaptive.GetFixedCount(); i < m_wndCaptive.GetGadgetCount(); ++i)
        if (m_wndCaptive.GetGadget(i)->GetID() == GXBDT_ID_STATIC)
            strSeparators += m_wndCaptive.GetGadget(i)->GetText();
    CStringArray pieces;
    CString strPiece;
    for (int i = 0; i <= strTrimmed.GetLength(); ++i) {
        char c = i < strTrimmed.GetLength() ? strTrimmed[i] : 0;
        if (c == 0 || strSeparators.Find(c) >= 0) {
            if (!strPiece.IsEmpty())
                pieces.Add(strPiece);
            strPiece.Empty();
        } else {
            strPiece += c;
        }
    }
    if (pieces.GetSize() == 0)
        return FALSE;
    m_wndCaptive.SetDateTime(DefaultValue());
    int nPiece = 0;
    for (int i = m_wndCaptive.GetFixedCount();
         i < m_wndCaptive.GetGadgetCount() && nPiece < pieces.GetSize(); ++i) {
        CGXBDTGadget* pGadget = m_wndCaptive.GetGadget(i);
        int nID = pGadget->GetID();
        if (nID <= 0)
            continue;
        const CString& str = pieces[nPiece++];
        int nArg;
        if (auto* pList = dynamic_cast<CGXBDTListGadget*>(pGadget)) {
            nArg = pList->FindPrefix(str, 0, FALSE);
        } else {
            for (int k = 0; k < str.GetLength(); ++k)
                if (str[k] < '0' || str[k] > '9')
                    return FALSE;
            nArg = atoi(str);
        }
        if (nArg < 0 || !m_wndCaptive.OnGadgetNotify(GXBDT_SET, nID, nArg))
            return FALSE;
    }
    if (nPiece < pieces.GetSize())
        return FALSE; // more pieces than fields
    strText = FormatValue(m_wndCaptive.GetDateTime());
    return TRUE;
}

BOOL CGXDateTimeCtrl::GetStyleText(ROWCOL, ROWCOL, const CGXStyle& style, CString& strText)
{
    COleDateTime value;
    strText.Empty();
    if (ParseValue(style.GetValue(), value))
        strText.Format("%f", (double)value.m_dt);
    return TRUE;
}

CSize CGXDateTimeCtrl::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                       const CGXStyle* pStandardStyle, BOOL)
{
    CreateWindows();
    ApplyFormat(m_wndCaptive, style);
    CFont* pOldFont = LoadFont(pDC, style, pStandardStyle);
    m_wndCaptive.LayoutGadgetsIn(*pDC, CRect(0, 0, 30000, 100));
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    int cy = tm.tmHeight + tm.tmExternalLeading + 1;
    int cx = 0;
    for (int i = 0; i < m_wndCaptive.GetGadgetCount(); ++i) {
        const CRect& rect = m_wndCaptive.GetGadget(i)->GetRect();
        cx += rect.Width();
        if (!m_wndCaptive.GetGadget(i)->IsFixed())
            cy = std::max(cy, (int)rect.Height());
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    return AddBorders(CSize(cx, cy), style);
}

// ---------------------------------------------------------------------------------------
// Binding to a cell.

BOOL CGXDateTimeCtrl::CreateWindows()
{
    CWnd* pGridWnd = m_pGrid->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    DWORD dwStyle = m_dwWndStyle | WS_CHILD | WS_TABSTOP;
    BOOL bOk = TRUE;
    if (m_hWnd == nullptr)
        bOk &= CGXBDateTimeCtrl::Create(0, dwStyle, CRect(0, 0, 1, 1), pGridWnd, m_nControlID);
    CRect rectAway(30000, 30000, 30500, 30100);
    if (m_wndCaptive.GetSafeHwnd() == nullptr) // rebuilt with the fixed gadgets
        bOk &= m_wndCaptive.Create(0, dwStyle, rectAway, pGridWnd, m_nControlID + 1);
    if (m_wndCaptive2.GetSafeHwnd() == nullptr)
        bOk &= m_wndCaptive2.Create(0, dwStyle, rectAway, pGridWnd, m_nControlID + 2);
    return bOk;
}

void CGXDateTimeCtrl::LoadFromStyle(const CGXStyle& style)
{
    ApplyFormat(*this, style);
    m_bDateFormat = HasDateFields();
    SetValue(style.GetInclude(gxValue) ? (LPCTSTR)style.GetValue() : "");

    COleDateTime minimum, maximum;
    if (!minimum.ParseDateTime(Attribute(style, GX_IDS_UA_DATEMIN), 0, LANG_USER_DEFAULT))
        minimum = COleDateTime(100, 1, 1, 0, 0, 0);
    if (!maximum.ParseDateTime(Attribute(style, GX_IDS_UA_DATEMAX), 0, LANG_USER_DEFAULT))
        maximum = COleDateTime(9999, 12, 31, 0, 0, 0);
    int nKind = atoi(Attribute(style, GX_IDS_UA_DATEVALIDMODE));
    if (!SetRange(minimum, maximum, nKind))
        SetRange(COleDateTime(100, 1, 1, 0, 0, 0), COleDateTime(9999, 12, 31, 0, 0, 0), gxNoRange);

    CString strAdvance = Attribute(style, GX_IDS_UA_DATEAUTOADVANCE);
    strAdvance.TrimLeft();
    SetAutoAdvance(strAdvance.IsEmpty() || atoi(strAdvance) != 0);
}

void CGXDateTimeCtrl::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXStatic::Init(nRow, nCol);
    CreateWindows();
    if (CGXStyle* pStyle = LoadStyle())
        LoadFromStyle(*pStyle);
    SetModify(FALSE);
}

BOOL CGXDateTimeCtrl::WriteCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle,
                                     GXModifyType mt, UINT nFlags, const CGXStyle* pOldStyle)
{
    BOOL bResult = CGXStatic::WriteCellStyle(nRow, nCol, pStyle, mt, nFlags, pOldStyle);
    if (bResult && pStyle != nullptr && IsInitRowCol(nRow, nCol) &&
        (pStyle->HasUserAttribute(GX_IDS_UA_DATENOEDIT) ||
         pStyle->HasUserAttribute(GX_IDS_UA_DATEFORMATTYPE) ||
         pStyle->HasUserAttribute(GX_IDS_UA_CUSTOMFORMAT))) {
        if (CGXStyle* pCellStyle = LoadStyle())
            ApplyFormat(*this, *pCellStyle);
        FirstGadget();
    }
    return bResult;
}

BOOL CGXDateTimeCtrl::ValidateCellValue()
{
    if (CGXBDTGadget* pCurrent = GetGadget(GetCurrentGadget()))
        pCurrent->SetFocus(FALSE); // commits a number being typed
    return CGXStatic::ValidateCellValue();
}

BOOL CGXDateTimeCtrl::IsCellReadOnly()
{
    if (m_pGrid->IsGridReadOnly())
        return TRUE;
    CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    return pStyle != nullptr && pStyle->GetReadOnly();
}

BOOL CGXDateTimeCtrl::CanPaste()
{
    if (!IsInit() || !IsActive() || IsCellReadOnly())
        return FALSE;
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT);
}

BOOL CGXDateTimeCtrl::Paste()
{
    if (!CanPaste() || !::OpenClipboard(m_hWnd))
        return FALSE;
    CString strText;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        if (LPCSTR psz = (LPCSTR)::GlobalLock(hData)) {
            strText = psz;
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    SetEditText(strText);
    return TRUE;
}

// ---------------------------------------------------------------------------------------
// The live window's part as a cell control.

BOOL CGXDateTimeCtrl::ValidateValue(const COleDateTime&)
{
    m_nFindRow = m_nFindCol = INT_MAX;
    if (IsInit() && IsCellReadOnly())
        return FALSE;
    SetModify(TRUE);
    m_bEmpty = FALSE;
    return TRUE;
}

void CGXDateTimeCtrl::NotifyChange()
{
    if (m_hWnd != nullptr)
        Invalidate(FALSE);
    if (IsInit() && GetModify())
        NotifyModified();
}

BOOL CGXDateTimeCtrl::Activate()
{
    if (!IsInit())
        return FALSE;
    if (!IsActive()) {
        if (!OnStartEditing())
            return FALSE;
        SetActive(TRUE);
        Refresh();
    }
    return TRUE;
}

void CGXDateTimeCtrl::Hide()
{
    if (m_hWnd == nullptr)
        return;
    CGXFocusChangeLock lock(m_pGrid);
    BOOL bHadFocus = ::GetFocus() == m_hWnd;
    SetWindowPos(nullptr, 10000, 10000, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    if (bHadFocus && m_pGrid->GetGridWnd() != nullptr)
        m_pGrid->GetGridWnd()->SetFocus();
}

void CGXDateTimeCtrl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                           const CGXStyle* pStandardStyle)
{
    CreateWindows();
    CRect rectInner = GetCellRect(nRow, nCol, &rect, &style);
    if (IsInitRowCol(nRow, nCol) && IsActive() && !m_pGrid->IsPrinting() && m_hWnd != nullptr &&
        m_pGrid->IsCurrentCell(nRow, nCol)) {
        // The live window sits on the cell.
        LOGFONT lf = style.GetFont().GetLogFont();
        m_font.DeleteObject();
        if (m_font.CreateFontIndirect(&lf))
            SendMessage(WM_SETFONT, (WPARAM)m_font.GetSafeHandle(), FALSE);
        CellColors(m_pGrid, style, m_clrBack, m_clrText);
        CRect rectWnd;
        GetWindowRect(&rectWnd);
        m_pGrid->GetGridWnd()->ScreenToClient(&rectWnd);
        if (rectWnd != rectInner || !IsWindowVisible()) {
            SetWindowPos(nullptr, rectInner.left, rectInner.top, rectInner.Width(),
                         rectInner.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
        Invalidate(FALSE);
        int nSaved = pDC->SaveDC();
        pDC->ExcludeClipRect(&rectInner);
        DrawBackground(pDC, rect, style);
        pDC->RestoreDC(nSaved);
        CWnd* pFocus = CWnd::GetFocus();
        if (pFocus != nullptr && pFocus->m_hWnd == m_pGrid->GetGridWnd()->m_hWnd)
            SetFocus();
        return;
    }

    // Any other cell: the captive window's fields drawn straight into the grid.
    DrawBackground(pDC, rect, style);
    ApplyFormat(m_wndCaptive, style);
    COleDateTime value;
    BOOL bValue = style.GetInclude(gxValue) && ParseValue(style.GetValue(), value);
    if (bValue)
        m_wndCaptive.SetDateTime(value);
    COLORREF crBack = 0, crText = 0;
    CellColors(m_pGrid, style, crBack, crText);
    CFont* pOldFont = LoadFont(pDC, style, pStandardStyle);
    m_wndCaptive.LayoutGadgetsIn(*pDC, rectInner);
    int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rectInner);
    pDC->SetBkMode(TRANSPARENT);
    for (int i = 0; i < m_wndCaptive.GetGadgetCount(); ++i) {
        CGXBDTGadget* pGadget = m_wndCaptive.GetGadget(i);
        if (pGadget->IsFixed()) {
            BOOL bDraw =
                pGadget->GetID() == GXBDT_ID_DROPBUTTON ? nRow != 0 : pStandardStyle != nullptr;
            if (bDraw)
                pGadget->Draw(*pDC);
        } else if (bValue) {
            pDC->SetTextColor(crText);
            pGadget->Draw(*pDC);
        }
    }
    pDC->RestoreDC(nSaved);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

// ---------------------------------------------------------------------------------------
// Mouse and keys from the grid while the cell is current but not active.

BOOL CGXDateTimeCtrl::LButtonDown(UINT nFlags, CPoint point, UINT nHitState)
{
    if (!IsInit() || m_hWnd == nullptr)
        return CGXStatic::LButtonDown(nFlags, point, nHitState);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (!IsActive() && pParam != nullptr && !(pParam->m_wActivateCell & (1 | 2)))
        return CGXStatic::LButtonDown(nFlags, point, nHitState);
    if (!Activate())
        return FALSE;
    CRect rect = GetCellRect(m_nRow, m_nCol);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    LayoutGadgets();
    CPoint pt(point.x - rect.left, point.y - rect.top);
    int nIndex = GadgetFromPoint(pt);
    if (nIndex < 0 || !SetCurrentGadget(nIndex))
        FirstGadget();
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    return TRUE;
}

BOOL CGXDateTimeCtrl::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsInit())
        return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
    BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0;
    switch (nChar) {
    case VK_END:
    case VK_HOME:
        if (!Activate())
            return FALSE;
        if (nChar == VK_END)
            LastGadget();
        else
            FirstGadget();
        Invalidate(FALSE);
        return TRUE;
    case VK_DELETE:
        if (bCtrl || IsCellReadOnly())
            break;
        SetActive(FALSE);
        Hide();
        m_pGrid->SetCellValue(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), "", GX_INVALIDATE);
        return TRUE;
    }
    return CGXStatic::KeyDown(nChar, nRepCnt, nFlags);
}

BOOL CGXDateTimeCtrl::Char(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsInit() || nChar < ' ' || nChar == 127)
        return CGXStatic::Char(nChar, nRepCnt, nFlags);
    if (!Activate())
        return FALSE;
    FirstGadget();
    PostMessage(WM_CHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
    return TRUE;
}

BOOL CGXDateTimeCtrl::SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsInit() && nChar == VK_DOWN && (m_dwWndStyle & gxDropButton)) {
        if (!Activate())
            return FALSE;
        DropCalendar();
        return TRUE;
    }
    return CGXStatic::SysKeyDown(nChar, nRepCnt, nFlags);
}

// ---------------------------------------------------------------------------------------
// Keys in the live window.

void CGXDateTimeCtrl::ForwardToGrid(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    CWnd* pGridWnd = m_pGrid->GetGridWnd();
    if (pGridWnd != nullptr && pGridWnd->GetSafeHwnd() != nullptr)
        pGridWnd->SendMessage(nMessage, wParam, lParam);
}

void CGXDateTimeCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    LPARAM lParam = MAKELPARAM(nRepCnt, nFlags);
    if (nChar == VK_TAB) {
        BOOL bBack = ::GetKeyState(VK_SHIFT) < 0;
        if (!CommitTyping())
            return;
        if (!(bBack ? PrevGadget() : NextGadget()))
            ForwardToGrid(WM_KEYDOWN, nChar, lParam); // past the last or first field
        return;
    }
    if (nChar == VK_DELETE) {
        if (IsCellReadOnly())
            return;
        SetModify(TRUE);
        m_bEmpty = TRUE;
        Invalidate(FALSE);
        NotifyModified();
        return;
    }
    if (nChar >= VK_F1 && nChar <= VK_F24 && nChar != VK_F4) {
        ForwardToGrid(WM_KEYDOWN, nChar, lParam);
        return;
    }
    CGXBDateTimeCtrl::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CGXDateTimeCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN && (GetStyle() & gxDropButton)) {
        DropCalendar();
        return;
    }
    ForwardToGrid(WM_SYSKEYDOWN, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    switch (nChar) {
    case 3: // Ctrl+C
        if (::OpenClipboard(m_hWnd)) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        Copy();
        return;
    case 0x18: // Ctrl+X
        if (::OpenClipboard(m_hWnd)) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
        Cut();
        return;
    case 0x16: // Ctrl+V
        Paste();
        return;
    case '\r':
    case '\n':
    case '\b':
        return;
    }
    if (IsInit() && IsCellReadOnly())
        return;
    CGXBDateTimeCtrl::OnChar(nChar, nRepCnt, nFlags);
    Invalidate(FALSE);
}

void CGXDateTimeCtrl::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ForwardToGrid(WM_KEYUP, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ForwardToGrid(WM_SYSKEYUP, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    ForwardToGrid(WM_SYSCHAR, nChar, MAKELPARAM(nRepCnt, nFlags));
}

void CGXDateTimeCtrl::OnSetFocus(CWnd* pOldWnd)
{
    SetScrollOffset(0);
    CGXBDateTimeCtrl::OnSetFocus(pOldWnd);
}

void CGXDateTimeCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CGXBDateTimeCtrl::OnKillFocus(pNewWnd);
    // The focus going to the cell's own popup calendar does not leave the cell.
    if (GXBIsPopupCalendarOpening() ||
        (GetCalendar() != nullptr && pNewWnd != nullptr &&
         pNewWnd->GetSafeHwnd() == GetCalendar()->GetSafeHwnd()))
        return;
    ForwardKillFocus(pNewWnd);
}

BOOL CGXDateTimeCtrl::Copy()
{
    // The current cell copies as the grid copies it, active or not.
    if (IsInit() && m_pGrid->IsCurrentCell(m_nRow, m_nCol)) {
        CommitTyping();
        if (GetModify())
            Store();
        return m_pGrid->CopyOneRange(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol));
    }
    return CGXStatic::Copy();
}

void CGXDateTimeCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    {
        CGXFocusChangeLock lock(m_pGrid);
        CGXBDateTimeCtrl::OnLButtonUp(nFlags, point);
    }
    if (IsInit() && GetModify())
        NotifyModified();
}
