// The rich-text cell: its windows, values, editing keys and clipboard. Drawing, measuring
// and the formatting exchanged with cell styles are in GXRichEditCtrlFormat.cpp.
#include "controls/GXRichEditCtrl.h"
#include "controls/GXControlFactory.h"
#include "controls/GXFocusChangeLock.h"
#include "controls/GXRichTextValue.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXRange.h"
#include <algorithm>
#include <cstring>

GX_IMPLEMENT_CONTROL(CGXRichEditCtrl, CGXControl)
GX_NO_CONTROL_ATTRIBUTES(CGXRichEditCtrl)

CGXControl* GXCreate_CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID)
{
    return new CGXRichEditCtrl(pGrid, nID);
}

namespace {
struct GXStreamSource
{
    const char* p;
    LONG cbLeft;
};

DWORD CALLBACK ReadFromText(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    auto* pSource = reinterpret_cast<GXStreamSource*>(dwCookie);
    const LONG n = std::max(0L, std::min(cb, pSource->cbLeft)); // never beyond the text
    memcpy(pbBuff, pSource->p, (size_t)n);
    pSource->p += n;
    pSource->cbLeft -= n;
    *pcb = n;
    return 0;
}

DWORD CALLBACK AppendToString(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    auto* pString = reinterpret_cast<CString*>(dwCookie);
    *pString += CString(reinterpret_cast<LPCSTR>(pbBuff), (int)cb);
    *pcb = cb;
    return 0;
}
} // namespace

CGXRichEditCtrl::CGXRichEditCtrl(CGXGridCore* pGrid, UINT nID)
    : CGXControl(pGrid), m_bActive(FALSE), m_bAutoSize(FALSE),
      m_dwEventMask(ENM_CHANGE | ENM_REQUESTRESIZE), m_dwOptions(ECO_AUTOVSCROLL), m_nID(nID),
      m_bNotified(FALSE), m_rectRequested(0, 0, 0, 0), m_bMeasuring(FALSE)
{ }

CGXRichEditCtrl::~CGXRichEditCtrl()
{
    for (CRichEditCtrl& wnd : m_aux)
        if (wnd.GetSafeHwnd() != nullptr)
            wnd.DestroyWindow();
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

UINT CGXRichEditCtrl::GetRtfClipboardFormat()
{
    static const UINT s_nFormat = ::RegisterClipboardFormatA("Rich Text Format");
    return s_nFormat;
}

void CGXRichEditCtrl::LoadRtf(CRichEditCtrl& wnd, const CString& strRtf)
{
    const CString strText = CGXRichTextValue::ToRtf(strRtf);
    GXStreamSource source = {strText, strText.GetLength()};
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
    es.pfnCallback = &ReadFromText;
    wnd.StreamIn(SF_RTF, es);
}

CString CGXRichEditCtrl::SaveRtf(CRichEditCtrl& wnd)
{
    CString str;
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&str);
    es.pfnCallback = &AppendToString;
    wnd.StreamOut(SF_RTF, es);
    return str;
}

BOOL CGXRichEditCtrl::HasWindows() const
{
    return GetSafeHwnd() != nullptr && m_aux[nSize].GetSafeHwnd() != nullptr;
}

BOOL CGXRichEditCtrl::CreateControl(DWORD dwStyle, UINT nID)
{
    if (HasWindows())
        return TRUE;
    CWnd* pGridWnd = Grid() != nullptr ? Grid()->GetGridWnd() : nullptr;
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    dwStyle = (dwStyle | WS_CHILD) & ~(WS_VISIBLE | WS_BORDER);
    if (GetSafeHwnd() == nullptr && !Create(dwStyle, CRect(0, 0, 10, 10), pGridWnd, nID))
        return FALSE;
    // Far outside the window: the auxiliary windows are never seen.
    const CRect rectAway(30000, 30000, 30100, 30100);
    for (int i = 0; i < 4; ++i) {
        const DWORD dwAux = i == nMeasure ? dwStyle : dwStyle | WS_BORDER | ES_MULTILINE;
        if (m_aux[i].GetSafeHwnd() == nullptr && !m_aux[i].Create(dwAux, rectAway, this, 0))
            return FALSE;
        // Plain by default: rich text loaded later sets its effects and ends them with its
        // groups (a window without a default of its own may keep a group's bold to the end).
        CHARFORMATA cf = {};
        cf.cbSize = sizeof cf;
        cf.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
        m_aux[i].SetDefaultCharFormat(cf);
        m_strAux[i].Empty();
    }
    return TRUE;
}

CRichEditCtrl& CGXRichEditCtrl::Aux(int nIndex, const CString& strRtf)
{
    CRichEditCtrl& wnd = m_aux[nIndex];
    if (wnd.GetSafeHwnd() != nullptr && (m_strAux[nIndex] != strRtf || strRtf.IsEmpty())) {
        LoadRtf(wnd, strRtf);
        m_strAux[nIndex] = strRtf;
    }
    return wnd;
}

void CGXRichEditCtrl::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    if (!CreateControl(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_nID))
        return;
    CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr)
        return;
    PARAFORMAT pf;
    CHARFORMATA cf;
    StyleToFormats(pf, cf, *pStyle);
    {
        CGXInternalChange change;
        SetDefaultCharFormat(cf);
        LoadRtf(*this, pStyle->GetInclude(gxValue) ? pStyle->GetValue() : CString());
        SetSel(0, -1);
        SetParaFormat(pf);
        SetSel(0, -1);
    }
    CRichEditCtrl::SetModify(FALSE);
    m_bNotified = FALSE;
}

void CGXRichEditCtrl::SetActive(BOOL bActive) { m_bActive = bActive; }

BOOL CGXRichEditCtrl::IsActive() { return m_bActive; }

void CGXRichEditCtrl::SetModify(BOOL bModified)
{
    if (GetSafeHwnd() != nullptr)
        CRichEditCtrl::SetModify(bModified);
    if (!bModified)
        m_bNotified = FALSE;
}

BOOL CGXRichEditCtrl::GetModify() { return GetSafeHwnd() != nullptr && CRichEditCtrl::GetModify(); }

void CGXRichEditCtrl::MarkModified()
{
    if (CGXInternalChange::IsOn() || !IsActive())
        return;
    CRichEditCtrl::SetModify(TRUE);
    if (!m_bNotified) {
        m_bNotified = TRUE;
        NotifyModified();
    }
}

BOOL CGXRichEditCtrl::GetValue(CString& strValue)
{
    if (IsActive() && GetSafeHwnd() != nullptr) {
        strValue = SaveRtf(*this);
        return TRUE;
    }
    return CGXControl::GetValue(strValue);
}

void CGXRichEditCtrl::SetValue(LPCTSTR pszValue)
{
    if (GetSafeHwnd() == nullptr)
        return;
    CGXInternalChange change;
    LoadRtf(*this, pszValue != nullptr ? CString(pszValue) : CString());
}

BOOL CGXRichEditCtrl::FormatDisplayText(CString& strText, ROWCOL, ROWCOL, LPCTSTR pszValue,
                                        const CGXStyle& style)
{
    strText.Empty();
    CString strValue;
    if (pszValue != nullptr)
        strValue = pszValue;
    else if (style.GetInclude(gxValue))
        strValue = style.GetValue();
    if (strValue.IsEmpty())
        return FALSE;
    if (!CGXRichTextValue::IsRtf(strValue)) {
        strText = strValue; // plain text shows as it stands
        return TRUE;
    }
    if (!CreateControl(WS_CHILD | ES_MULTILINE | ES_AUTOVSCROLL, m_nID))
        return FALSE;
    Aux(nDisplay, strValue).GetWindowText(strText);
    return TRUE;
}

BOOL CGXRichEditCtrl::GetEditText(CString& strText)
{
    if (IsActive() && GetSafeHwnd() != nullptr) {
        GetWindowText(strText);
        return TRUE;
    }
    CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    return pStyle != nullptr && FormatDisplayText(strText, GetRow(), GetCol(), nullptr, *pStyle);
}

void CGXRichEditCtrl::SetEditText(const CString& strText)
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return;
    Activate(FALSE);
    SetSel(0, -1);
    CRichEditCtrl::ReplaceSel(strText);
    MarkModified();
}

BOOL CGXRichEditCtrl::Store()
{
    // Nothing changed is nothing to store: the grid may move on.
    if (!IsInit() || !GetModify() || GetSafeHwnd() == nullptr)
        return TRUE;
    CString strValue;
    if (!GetValue(strValue))
        return FALSE;
    SetModify(FALSE);
    return Grid()->SetValueRange(CGXRange(GetRow(), GetCol(), GetRow(), GetCol()), strValue);
}

void CGXRichEditCtrl::Activate(BOOL bSelectAll)
{
    if (IsActive())
        return;
    SetActive(TRUE);
    if (bSelectAll)
        SetSel(0, -1);
    Refresh();
}

void CGXRichEditCtrl::Hide()
{
    if (GetSafeHwnd() == nullptr || !IsWindowVisible())
        return;
    CGXFocusChangeLock lock(Grid());
    CGXInternalChange change;
    SetWindowPos(nullptr, 0, 0, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
}

// --- Mouse and keys ---

namespace {
BOOL ActivatesOnClick(CGXGridCore* pGrid, BOOL bDouble)
{
    const CGXGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && (pParam->m_wActivateCell & (bDouble ? 8 : 3)) != 0;
}
} // namespace

BOOL CGXRichEditCtrl::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    if (!IsActive() && IsInit() && GetSafeHwnd() != nullptr && ActivatesOnClick(Grid(), FALSE) &&
        !IsReadOnly() && OnStartEditing()) {
        Activate(FALSE);
        SetSel(0, 0);
        // The click again, in the window, at the same place relative to the cell.
        const CRect rect = GetCellRect(GetRow(), GetCol());
        const LPARAM lPos = MAKELPARAM(point.x - rect.left, point.y - rect.top);
        CGXInternalChange change;
        SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPos);
        SendMessage(WM_LBUTTONUP, 0, lPos);
        return TRUE;
    }
    return CGXControl::LButtonUp(nFlags, point, nHitState);
}

BOOL CGXRichEditCtrl::LButtonDblClk(UINT nFlags, CPoint point)
{
    if (!IsActive() && IsInit() && GetSafeHwnd() != nullptr && ActivatesOnClick(Grid(), TRUE) &&
        !IsReadOnly() && OnStartEditing()) {
        Activate(FALSE);
        SetSel(0, 0);
        return TRUE;
    }
    return CGXControl::LButtonDblClk(nFlags, point);
}

BOOL CGXRichEditCtrl::PassKeyToGrid(UINT nChar) const
{
    const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0, bShift = ::GetKeyState(VK_SHIFT) < 0;
    CHARRANGE sel = {0, 0};
    GetSel(sel);
    const long nLength = GetTextLength();
    switch (nChar) {
    case VK_ESCAPE:
    case VK_TAB:
    case VK_PRIOR:
    case VK_NEXT:
        return TRUE;
    case VK_RETURN:
        return !bCtrl && (GetStyle() & ES_WANTRETURN) == 0 &&
            (const_cast<CGXRichEditCtrl*>(this)->GetOptions() & ECO_WANTRETURN) == 0;
    case VK_LEFT:
        return !bCtrl && sel.cpMin == 0;
    case VK_UP:
        return !bCtrl && LineFromChar(sel.cpMin) == 0;
    case VK_RIGHT:
        return !bCtrl && sel.cpMax >= nLength;
    case VK_DOWN:
        return !bCtrl && LineFromChar(sel.cpMax) >= GetLineCount() - 1;
    case 'C':
    case 'V':
    case 'X':
        return bCtrl;
    case VK_INSERT:
    case VK_DELETE:
        return FALSE;
    default:
        (void)bShift;
        return nChar >= VK_F1 && nChar <= VK_F24;
    }
}

BOOL CGXRichEditCtrl::KeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    // The grid's own key handling while the cell is not being edited.
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return CGXControl::KeyDown(nChar, nRepCnt, nFlags);
    return FALSE;
}

BOOL CGXRichEditCtrl::Char(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (IsActive() || GetSafeHwnd() == nullptr || nChar < ' ' || nChar == 127)
        return CGXControl::Char(nChar, nRepCnt, nFlags);
    // Typing into an inactive cell starts editing with the typed text.
    if (IsReadOnly() || !OnStartEditing())
        return TRUE;
    Activate(FALSE);
    SetSel(0, -1);
    const char sz[2] = {(char)nChar, 0};
    CRichEditCtrl::ReplaceSel(sz);
    SetSel(-1, -1);
    MarkModified();
    return TRUE;
}

LRESULT CGXRichEditCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: {
        Grid()->BringCellIntoView(GetRow(), GetCol());
        const BOOL bCtrl = ::GetKeyState(VK_CONTROL) < 0, bShift = ::GetKeyState(VK_SHIFT) < 0;
        CHARRANGE sel = {0, 0};
        GetSel(sel);
        if (wParam == VK_INSERT && bShift) {
            Paste();
            return 0;
        }
        if (wParam == VK_INSERT && bCtrl && sel.cpMin != sel.cpMax) {
            Copy();
            return 0;
        }
        if (wParam == VK_DELETE && bShift && sel.cpMin != sel.cpMax) {
            Cut();
            return 0;
        }
        if (PassKeyToGrid((UINT)wParam)) {
            CWnd* pGridWnd = Grid()->GetGridWnd();
            if (pGridWnd != nullptr)
                return pGridWnd->SendMessage(message, wParam, lParam);
            return 0;
        }
        break;
    }
    case WM_GETDLGCODE:
        return CRichEditCtrl::WindowProc(message, wParam, lParam) | DLGC_WANTARROWS | DLGC_WANTTAB |
            DLGC_WANTCHARS;
    case WM_NOTIFY: {
        // The sizing window's answer to EM_REQUESTRESIZE.
        const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
        if (pHdr != nullptr && pHdr->code == EN_REQUESTRESIZE && m_bMeasuring) {
            m_rectRequested = reinterpret_cast<const REQRESIZE*>(lParam)->rc;
            return 0;
        }
        break;
    }
    default:
        break;
    }
    const LRESULT lResult = CRichEditCtrl::WindowProc(message, wParam, lParam);
    if ((message == WM_CHAR || message == WM_KEYDOWN || message == WM_PASTE || message == WM_CUT ||
         message == EM_REPLACESEL || message == WM_CLEAR) &&
        GetSafeHwnd() != nullptr && CRichEditCtrl::GetModify())
        MarkModified();
    return lResult;
}

BOOL CGXRichEditCtrl::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if ((HWND)lParam == GetSafeHwnd() && HIWORD(wParam) == EN_CHANGE) {
        MarkModified();
        return TRUE;
    }
    return CGXControl::OnCommand(wParam, lParam);
}

// --- Clipboard ---

BOOL CGXRichEditCtrl::GetSelectedEditText(CString& strText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return CGXControl::GetSelectedEditText(strText);
    CHARRANGE sel = {0, 0};
    GetSel(sel);
    if (sel.cpMin != sel.cpMax) {
        strText = GetSelText();
        return TRUE;
    }
    GetWindowText(strText);
    return FALSE;
}

BOOL CGXRichEditCtrl::Copy()
{
    if (IsInit() && GetSafeHwnd() != nullptr && Grid()->IsCurrentCell(GetRow(), GetCol()) &&
        IsActive()) {
        CHARRANGE sel = {0, 0};
        GetSel(sel);
        if (sel.cpMin == sel.cpMax)
            SetSel(0, -1);
        SendMessage(WM_COPY); // the window places its rich text and plain text
        if (sel.cpMin == sel.cpMax)
            SetSel(sel);
        return TRUE;
    }
    return CGXControl::Copy();
}

BOOL CGXRichEditCtrl::Cut()
{
    if (IsInit() && GetSafeHwnd() != nullptr && IsActive() && !IsReadOnly()) {
        CHARRANGE sel = {0, 0};
        GetSel(sel);
        if (sel.cpMin == sel.cpMax)
            return FALSE;
        SendMessage(WM_CUT);
        MarkModified();
        return TRUE;
    }
    return CGXControl::Cut();
}

BOOL CGXRichEditCtrl::CanPaste()
{
    CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    if (pStyle != nullptr && pStyle->GetInclude(gxReadOnly) && pStyle->GetReadOnly())
        return FALSE;
    if (IsInit() && ::IsClipboardFormatAvailable(GetRtfClipboardFormat()))
        return TRUE;
    return CGXControl::CanPaste();
}

BOOL CGXRichEditCtrl::Paste()
{
    if (IsInit() && GetSafeHwnd() != nullptr && !IsReadOnly() &&
        ::IsClipboardFormatAvailable(GetRtfClipboardFormat()) &&
        ::GetOpenClipboardWindow() == nullptr) {
        if (!IsActive()) {
            if (!OnStartEditing())
                return FALSE;
            Activate(TRUE); // the pasted text replaces the whole content
        }
        {
            CGXInternalChange change;
            SendMessage(WM_PASTE);
        }
        MarkModified();
        Refresh();
        RequestResize();
        return TRUE;
    }
    return CGXControl::Paste();
}

void CGXRichEditCtrl::ReplaceSel(LPCTSTR pszText)
{
    if (!IsActive() || GetSafeHwnd() == nullptr)
        return;
    CRichEditCtrl::ReplaceSel(pszText != nullptr ? pszText : "");
    MarkModified();
}
