// The currency edit window: its amount and format, text geometry, caret, selection,
// painting and the edit messages it answers.
#include "controls/GXBCurrencyEdit.h"
#include "controls/GXBCalculator.h"
#include <algorithm>
#include <cmath>

BOOL g_bGXCalculatorOpen = FALSE;

namespace {
const char* const kClassName = "CGXBCurrencyEdit";
} // namespace

BEGIN_MESSAGE_MAP(CGXBCurrencyEdit, CGXBDropEdit)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_RBUTTONUP()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SYSKEYDOWN()
    ON_WM_GETDLGCODE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GX_CALC_RESULT, OnCalcResult)
    ON_MESSAGE(WM_GETFONT, OnGetFont)
    ON_MESSAGE(WM_SETFONT, OnSetFont)
    ON_MESSAGE(EM_GETSEL, OnGetSel)
    ON_MESSAGE(EM_SETSEL, OnSetSel)
    ON_MESSAGE(EM_SETREADONLY, OnSetReadOnly)
    ON_MESSAGE(EM_CANUNDO, OnCanUndo)
    ON_MESSAGE(EM_EMPTYUNDOBUFFER, OnEmptyUndoBuffer)
    ON_MESSAGE(EM_UNDO, OnUndo)
    ON_MESSAGE(WM_UNDO, OnUndo)
    ON_MESSAGE(EM_SETMARGINS, OnSetMargins)
    ON_MESSAGE(WM_COPY, OnCopy)
    ON_MESSAGE(WM_CUT, OnCut)
    ON_MESSAGE(WM_PASTE, OnPaste)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
END_MESSAGE_MAP()

CGXBCurrencyEdit::CGXBCurrencyEdit()
    : m_bEntryFromRight(FALSE), m_bPadOption(FALSE), m_bNegative(FALSE), m_bCanUndo(FALSE),
      m_bParseOnSetText(TRUE), m_bRedraw(TRUE), m_bMouseSelecting(FALSE), m_bOverwrite(FALSE),
      m_nUndoCaret(0), m_nUndoSelStart(-1), m_nUndoSelEnd(0), m_dValue(0),
      m_pFormat(new Format(TRUE)), m_hFont(nullptr), m_nCaret(0), m_nSelStart(-1), m_nSelEnd(0),
      m_nRightMargin(0), m_nLeftMargin(0), m_nSelAnchor(0)
{ }

CGXBCurrencyEdit::~CGXBCurrencyEdit() { delete m_pFormat; }

CGXCaptiveCurEdit::~CGXCaptiveCurEdit() = default;

BOOL CGXBCurrencyEdit::RegisterClass()
{
    WNDCLASSA wc = {};
    HINSTANCE hInst = AfxGetInstanceHandle();
    if (::GetClassInfoA(hInst, kClassName, &wc))
        return TRUE;
    wc = {};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = hInst;
    wc.hCursor = ::LoadCursor(nullptr, IDC_IBEAM);
    wc.lpszClassName = kClassName;
    if (!::RegisterClassA(&wc))
        AfxThrowResourceException();
    return TRUE;
}

BOOL CGXBCurrencyEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    RegisterClass();
    if (!CreateEx(0, kClassName, "", dwStyle, rect, pParentWnd, nID))
        return FALSE;
    Reformat();
    return TRUE;
}

// ---------------------------------------------------------------------------------------
// Amount and format

CString CGXBCurrencyEdit::GetText() const
{
    CString s;
    if (GetSafeHwnd() != nullptr)
        GetWindowText(s);
    return s;
}

void CGXBCurrencyEdit::SetTextRaw(LPCTSTR pszText)
{
    BOOL bOld = m_bParseOnSetText;
    m_bParseOnSetText = FALSE;
    SetWindowText(pszText);
    m_bParseOnSetText = bOld;
}

BOOL CGXBCurrencyEdit::SetTextParsed(LPCTSTR pszText)
{
    BOOL bOld = m_bParseOnSetText;
    m_bParseOnSetText = TRUE;
    BOOL bOk = (BOOL)SendMessage(WM_SETTEXT, 0, (LPARAM)pszText);
    m_bParseOnSetText = bOld;
    return bOk;
}

void CGXBCurrencyEdit::Reformat()
{
    if (GetSafeHwnd() == nullptr)
        return;
    CString s;
    m_pFormat->FormatValue(m_dValue, s, m_bNegative);
    SetTextRaw(s);
    m_nCaret = std::min(m_nCaret, s.GetLength());
}

void CGXBCurrencyEdit::SetValue(double d, BOOL bRedraw)
{
    if (!std::isfinite(d))
        d = 0;
    double dMagnitude = std::fabs(d);
    BOOL bNegative = d < 0;
    if (dMagnitude == m_dValue && bNegative == m_bNegative)
        return;
    m_dValue = dMagnitude;
    m_bNegative = bNegative;
    if (GetSafeHwnd() != nullptr) {
        CString s;
        m_pFormat->FormatValue(m_dValue, s, m_bNegative);
        SaveUndo();
        SetTextRaw(s);
        m_nCaret = std::min(m_nCaret, s.GetLength());
        if (bRedraw && m_bRedraw)
            Invalidate(FALSE);
    }
}

double CGXBCurrencyEdit::GetValue() const { return m_bNegative ? -m_dValue : m_dValue; }

void CGXBCurrencyEdit::SetFormat(const Format& format)
{
    if (!m_pFormat->IsDifferent(format))
        return;
    m_pFormat->Assign(format);
    Reformat();
    if (m_bRedraw && GetSafeHwnd() != nullptr)
        Invalidate(FALSE);
}

void CGXBCurrencyEdit::GetFormat(Format& format) const { format.Assign(*m_pFormat); }

void CGXBCurrencyEdit::SetAlignment(int nAlign)
{
    DWORD dwAdd = nAlign == 2 ? ES_RIGHT : nAlign == 1 ? ES_CENTER : ES_LEFT;
    if (GetSafeHwnd() != nullptr)
        ModifyStyle(ES_LEFT | ES_CENTER | ES_RIGHT, dwAdd);
}

int CGXBCurrencyEdit::GetAlignment() const
{
    DWORD dwStyle = GetSafeHwnd() != nullptr ? GetStyle() : 0;
    if (dwStyle & ES_RIGHT)
        return 2;
    return (dwStyle & ES_CENTER) ? 1 : 0;
}

void CGXBCurrencyEdit::SetReadOnly(BOOL bReadOnly)
{
    if (GetSafeHwnd() == nullptr || bReadOnly == IsReadOnly())
        return;
    ModifyStyle(bReadOnly ? 0 : ES_READONLY, bReadOnly ? ES_READONLY : 0);
    if (m_bRedraw)
        Invalidate(FALSE);
}

BOOL CGXBCurrencyEdit::IsReadOnly() const
{
    return GetSafeHwnd() != nullptr && (GetStyle() & ES_READONLY) != 0;
}

// ---------------------------------------------------------------------------------------
// Selection and caret

BOOL CGXBCurrencyEdit::HasSelection() const
{
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    return nFrom < nTo;
}

void CGXBCurrencyEdit::SelectionRange(int& nFrom, int& nTo) const
{
    int nLength = GetText().GetLength();
    if (m_nSelStart == -1) {
        nFrom = nTo = m_nCaret;
    } else if (m_nSelStart == 0 && m_nSelEnd == -1) {
        nFrom = 0;
        nTo = nLength;
    } else {
        nFrom = std::min(m_nSelStart, m_nSelEnd);
        nTo = std::max(m_nSelStart, m_nSelEnd);
    }
    nFrom = std::max(0, std::min(nFrom, nLength));
    nTo = std::max(0, std::min(nTo, nLength));
}

BOOL CGXBCurrencyEdit::SetSel(int nStart, int nEnd)
{
    int nLength = GetText().GetLength();
    if (nStart == -1 && nEnd == 0) {
        m_nSelStart = -1;
        m_nSelEnd = 0;
    } else if (nStart == 0 && nEnd == -1) {
        m_nSelStart = 0;
        m_nSelEnd = -1;
        m_nCaret = nLength;
    } else {
        if (nStart < 0 || nEnd < 0 || nStart > nLength || nEnd > nLength)
            return FALSE;
        m_nSelStart = nStart;
        m_nSelEnd = nEnd;
        m_nCaret = nEnd;
    }
    m_nSelAnchor = m_nSelStart == -1 ? m_nCaret : std::max(m_nSelStart, 0);
    if (GetSafeHwnd() != nullptr) {
        if (GetFocus() == this)
            CreateCaretAt(m_nCaret);
        if (m_bRedraw)
            Invalidate(FALSE);
    }
    return TRUE;
}

CRect CGXBCurrencyEdit::GetTextRect()
{
    CRect rc;
    GetClientRect(&rc);
    rc.left += m_nLeftMargin;
    rc.right -= m_nRightMargin;
    return rc;
}

namespace {
HFONT FontOrSystem(HFONT hFont)
{
    return hFont != nullptr ? hFont : (HFONT)::GetStockObject(SYSTEM_FONT);
}
} // namespace

int CGXBCurrencyEdit::XFromChar(int nPos)
{
    CString s = GetText();
    nPos = std::max(0, std::min(nPos, s.GetLength()));
    CClientDC dc(this);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), FontOrSystem(m_hFont));
    int cxAll = dc.GetTextExtent(s, s.GetLength()).cx;
    int cxPart = nPos > 0 ? dc.GetTextExtent(s, nPos).cx : 0;
    ::SelectObject(dc.GetSafeHdc(), hOld);
    CRect rc = GetTextRect();
    int x;
    switch (GetAlignment()) {
    case 2:
        x = rc.right - ::GetSystemMetrics(SM_CXBORDER) - cxAll;
        break;
    case 1:
        x = rc.left + (rc.Width() - cxAll) / 2;
        break;
    default:
        x = rc.left + ::GetSystemMetrics(SM_CXBORDER);
        break;
    }
    return x + cxPart;
}

int CGXBCurrencyEdit::CharFromPoint(CPoint pt)
{
    CString s = GetText();
    int n = 0;
    for (; n < s.GetLength(); ++n) {
        int xMid = (XFromChar(n) + XFromChar(n + 1)) / 2;
        if (xMid >= pt.x)
            break;
    }
    return n;
}

void CGXBCurrencyEdit::CreateCaretAt(int nPos)
{
    if (GetSafeHwnd() == nullptr || GetFocus() != this)
        return;
    CClientDC dc(this);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), FontOrSystem(m_hFont));
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DestroyCaret();
    CreateSolidCaret(::GetSystemMetrics(SM_CXBORDER), tm.tmHeight);
    SetCaretPos(CPoint(XFromChar(nPos), GetTextRect().top + ::GetSystemMetrics(SM_CYBORDER)));
    ShowCaret();
}

void CGXBCurrencyEdit::HideCaretAndSelection()
{
    m_nSelStart = -1;
    m_nSelEnd = 0;
    if (GetSafeHwnd() != nullptr && GetFocus() == this)
        HideCaret();
}

void CGXBCurrencyEdit::MoveCaret(int nPos, BOOL bExtend)
{
    int nLength = GetText().GetLength();
    nPos = std::max(0, std::min(nPos, nLength));
    if (bExtend) {
        if (m_nSelStart == -1)
            m_nSelAnchor = m_nCaret;
        else if (m_nSelStart == 0 && m_nSelEnd == -1)
            m_nSelAnchor = nPos == 0 ? nLength : 0;
        m_nSelStart = m_nSelAnchor;
        m_nSelEnd = nPos;
        if (m_nSelStart == m_nSelEnd) {
            m_nSelStart = -1;
            m_nSelEnd = 0;
        }
    } else {
        m_nSelStart = -1;
        m_nSelEnd = 0;
        m_nSelAnchor = nPos;
    }
    m_nCaret = nPos;
    CreateCaretAt(m_nCaret);
    if (m_bRedraw)
        Invalidate(FALSE);
}

// ---------------------------------------------------------------------------------------
// Painting

void CGXBCurrencyEdit::DrawBackground(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    rc.InflateRect(1, 1);
    COLORREF cr;
    if (!IsWindowEnabled())
        cr = ::GetSysColor(COLOR_BTNFACE);
    else if (!m_pFormat->GetBackgroundColor(cr))
        cr = ::GetSysColor(IsReadOnly() ? COLOR_BTNFACE : COLOR_WINDOW);
    pDC->FillSolidRect(&rc, cr);
}

void CGXBCurrencyEdit::DrawSeparatorLine(CDC* pDC, int x)
{
    CRect rc;
    GetClientRect(&rc);
    COLORREF cr = IsReadOnly() ? ::GetSysColor(COLOR_BTNSHADOW) : m_pFormat->m_crSeparatorLine;
    pDC->FillSolidRect(x, rc.top, 1, rc.Height(), cr);
}

void CGXBCurrencyEdit::OnPaint()
{
    CPaintDC dcPaint(this);
    if (!m_bRedraw)
        return;
    CRect rcClient;
    GetClientRect(&rcClient);
    CBitmap bitmap;
    CDC dcMem;
    CDC* pDC = &dcPaint;
    CBitmap* pOldBitmap = nullptr;
    if (rcClient.Width() > 0 && rcClient.Height() > 0 && dcMem.CreateCompatibleDC(&dcPaint) &&
        bitmap.CreateCompatibleBitmap(&dcPaint, rcClient.Width(), rcClient.Height())) {
        pOldBitmap = dcMem.SelectObject(&bitmap);
        pDC = &dcMem;
    }
    DrawBackground(pDC);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), FontOrSystem(m_hFont));
    COLORREF crText;
    if (!IsWindowEnabled())
        crText = ::GetSysColor(GetExStyle() != 0 ? COLOR_BTNSHADOW : COLOR_GRAYTEXT);
    else if (!(m_bNegative ? m_pFormat->GetNegativeColor(crText)
                           : m_pFormat->GetPositiveColor(crText)))
        crText = ::GetSysColor(COLOR_WINDOWTEXT);

    CString s = GetText();
    int nSep = -1;
    if (m_pFormat->m_bDecimalSeparatorLine) {
        nSep = m_pFormat->FindDecimalSeparator(s);
        if (nSep >= 0)
            s.SetAt(nSep, ' ');
    }
    CRect rcText = GetTextRect();
    int y = rcText.top + ::GetSystemMetrics(SM_CYBORDER);
    pDC->SetBkMode(TRANSPARENT);
    pDC->SetTextColor(crText);
    pDC->TextOut(XFromChar(0), y, s, s.GetLength());
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    if (nFrom < nTo && GetFocus() == this) {
        CSize size = pDC->GetTextExtent(s.Mid(nFrom, nTo - nFrom));
        CRect rcSel(XFromChar(nFrom), y, XFromChar(nFrom) + size.cx, y + size.cy);
        pDC->FillSolidRect(&rcSel, ::GetSysColor(COLOR_HIGHLIGHT));
        pDC->SetTextColor(::GetSysColor(COLOR_HIGHLIGHTTEXT));
        pDC->TextOut(rcSel.left, y, s.Mid(nFrom, nTo - nFrom));
    }
    if (nSep >= 0)
        DrawSeparatorLine(pDC, (XFromChar(nSep) + XFromChar(nSep + 1)) / 2);
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    if (pDC == &dcMem) {
        dcPaint.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOldBitmap);
    }
}

BOOL CGXBCurrencyEdit::OnEraseBkgnd(CDC*) { return TRUE; }

// ---------------------------------------------------------------------------------------
// Edit messages

LRESULT CGXBCurrencyEdit::OnSetText(WPARAM, LPARAM lParam)
{
    if (!m_bParseOnSetText) {
        LRESULT lResult = DefWindowProc(WM_SETTEXT, 0, lParam);
        if (m_bRedraw)
            Invalidate(FALSE);
        return lResult;
    }
    double d = 0;
    BOOL bNegative = FALSE;
    if (!m_pFormat->ParseValue((LPCTSTR)lParam, d, bNegative))
        return FALSE;
    m_dValue = d;
    m_bNegative = bNegative;
    CString s;
    m_pFormat->FormatValue(m_dValue, s, m_bNegative);
    DefWindowProc(WM_SETTEXT, 0, (LPARAM)(LPCTSTR)s);
    m_nCaret = std::min(m_nCaret, s.GetLength());
    if (m_bRedraw)
        Invalidate(FALSE);
    return TRUE;
}

LRESULT CGXBCurrencyEdit::OnCalcResult(WPARAM, LPARAM lParam)
{
    if (IsReadOnly())
        return TRUE;
    return SetTextParsed(CalcResultText((LPCTSTR)lParam));
}

CString CGXBCurrencyEdit::CalcResultText(LPCTSTR pszResult) const
{
    // The calculator writes a C decimal point; the format reads its own separator.
    CString strText = pszResult != nullptr ? pszResult : "";
    int nPoint = strText.Find('.');
    if (nPoint >= 0)
        strText.SetAt(nPoint, m_pFormat->GetDecimalSeparator());
    return strText;
}

LRESULT CGXBCurrencyEdit::OnGetFont(WPARAM, LPARAM) { return (LRESULT)m_hFont; }

LRESULT CGXBCurrencyEdit::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    if (lParam && m_bRedraw)
        Invalidate(FALSE);
    return 0;
}

LRESULT CGXBCurrencyEdit::OnGetSel(WPARAM wParam, LPARAM lParam)
{
    // No selection reports the caret twice; everything reports 0 and the length.
    int nFrom, nTo;
    SelectionRange(nFrom, nTo);
    if (wParam != 0)
        *(DWORD*)wParam = (DWORD)nFrom;
    if (lParam != 0)
        *(DWORD*)lParam = (DWORD)nTo;
    if (nFrom < 0xFFFF && nTo < 0xFFFF)
        return MAKELONG(nFrom, nTo);
    return -1;
}

LRESULT CGXBCurrencyEdit::OnSetSel(WPARAM wParam, LPARAM lParam)
{
    return SetSel((int)wParam, (int)lParam);
}

LRESULT CGXBCurrencyEdit::OnSetReadOnly(WPARAM wParam, LPARAM)
{
    SetReadOnly((BOOL)wParam);
    return TRUE;
}

LRESULT CGXBCurrencyEdit::OnCanUndo(WPARAM, LPARAM) { return m_bCanUndo; }

LRESULT CGXBCurrencyEdit::OnEmptyUndoBuffer(WPARAM, LPARAM)
{
    m_bCanUndo = FALSE;
    return 0;
}

LRESULT CGXBCurrencyEdit::OnUndo(WPARAM, LPARAM)
{
    BOOL bCould = m_bCanUndo && !IsReadOnly();
    Undo();
    return bCould;
}

LRESULT CGXBCurrencyEdit::OnSetMargins(WPARAM wParam, LPARAM lParam)
{
    if (wParam == EC_USEFONTINFO) {
        CClientDC dc(this);
        HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), FontOrSystem(m_hFont));
        TEXTMETRIC tm = {};
        dc.GetTextMetrics(&tm);
        ::SelectObject(dc.GetSafeHdc(), hOld);
        m_nLeftMargin = m_nRightMargin = tm.tmAveCharWidth;
    } else {
        if (wParam & EC_LEFTMARGIN)
            m_nLeftMargin = LOWORD(lParam);
        if (wParam & EC_RIGHTMARGIN)
            m_nRightMargin = HIWORD(lParam);
    }
    if (m_bRedraw)
        Invalidate(FALSE);
    return 0;
}

UINT CGXBCurrencyEdit::OnGetDlgCode() { return DLGC_WANTARROWS | DLGC_WANTCHARS; }

void CGXBCurrencyEdit::OnSetFocus(CWnd* pOldWnd)
{
    CGXBDropEdit::OnSetFocus(pOldWnd);
    SetSel(0, -1);
    CreateCaretAt(m_nCaret);
    NotifyParent(EN_SETFOCUS);
}

void CGXBCurrencyEdit::OnKillFocus(CWnd* pNewWnd)
{
    CGXBDropEdit::OnKillFocus(pNewWnd);
    m_nSelStart = -1;
    m_nSelEnd = 0;
    ::DestroyCaret();
    if (m_bRedraw)
        Invalidate(FALSE);
    NotifyParent(EN_KILLFOCUS);
}

void CGXBCurrencyEdit::NotifyParent(UINT nCode)
{
    CWnd* pParent = GetParent();
    if (pParent != nullptr && GetSafeHwnd() != nullptr)
        pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), nCode), (LPARAM)GetSafeHwnd());
}

// ---------------------------------------------------------------------------------------
// Mouse

void CGXBCurrencyEdit::OnLButtonDown(UINT, CPoint point)
{
    if (GetFocus() != this) {
        BOOL bOld = m_bRedraw;
        m_bRedraw = FALSE;
        SetFocus();
        m_bRedraw = bOld;
    }
    MoveCaret(CharFromPoint(point), FALSE);
    m_bMouseSelecting = TRUE;
    SetCapture();
}

void CGXBCurrencyEdit::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_wState & ButtonCaptured) {
        CGXBDropEdit::OnMouseMove(nFlags, point);
        return;
    }
    if (m_bMouseSelecting)
        MoveCaret(CharFromPoint(point), TRUE);
}

void CGXBCurrencyEdit::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_wState & ButtonCaptured) {
        CGXBDropEdit::OnLButtonUp(nFlags, point);
        return;
    }
    if (!m_bMouseSelecting)
        return;
    m_bMouseSelecting = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    int nFirst, nLast;
    if (!HasSelection() && m_pFormat->FindNumberSpan(GetText(), nFirst, nLast) &&
        (m_nCaret < nFirst || m_nCaret > nLast + 1))
        SetSel(0, -1);
}

void CGXBCurrencyEdit::OnLButtonDblClk(UINT, CPoint) { SetSel(0, -1); }

void CGXBCurrencyEdit::OnRButtonUp(UINT, CPoint point)
{
    CMenu* pMenu = CreateContextMenu();
    if (pMenu == nullptr)
        return;
    ClientToScreen(&point);
    pMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
    DestroyContextMenu(pMenu);
}

// ---------------------------------------------------------------------------------------
// Calculator

void CGXBCurrencyEdit::OnButtonClicked() { OpenCalculator(); }

BOOL CGXBCurrencyEdit::OpenCalculator()
{
    g_bGXCalculatorOpen = TRUE;
    CGXBPopupCalculator* pCalc = new CGXBPopupCalculator;
    pCalc->m_bAutoDelete = TRUE;
    pCalc->SetValue(GetValue());
    CRect rc;
    GetWindowRect(&rc);
    if (!pCalc->Create(WS_POPUP | WS_VISIBLE | GXCALC_SENDRESULT, rc, this)) {
        delete pCalc;
        g_bGXCalculatorOpen = FALSE;
        return FALSE;
    }
    g_bGXCalculatorOpen = FALSE;
    return TRUE;
}
