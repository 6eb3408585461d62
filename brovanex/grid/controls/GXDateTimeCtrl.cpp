// CGXDateTimeCtrl, the date-time cell: creation and attributes, values and their texts, and
// binding the window to a cell. Texts of cells not edited and drawing are in
// GXDateTimeCtrlDraw.cpp, the mouse and keys in GXDateTimeCtrlKeys.cpp.
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
