#include "controls/GXBDateTimeGadgets.h"
#include "controls/GXBDateTimeCtrl.h"
#include "core/GXSysColorCache.h"
#include "fw/resource_chain.h"

#include <windows.h>

#include <algorithm>
#include <map>

IMPLEMENT_DYNAMIC(CGXBDTGadget, CObject)
IMPLEMENT_DYNAMIC(CGXBDTStaticGadget, CGXBDTGadget)
IMPLEMENT_DYNAMIC(CGXBDTNumericGadget, CGXBDTGadget)
IMPLEMENT_DYNAMIC(CGXBDTListGadget, CGXBDTGadget)
IMPLEMENT_DYNAMIC(CGXBDTSpinGadget, CGXBDTGadget)
IMPLEMENT_DYNAMIC(CGXBDTButtonGadget, CGXBDTGadget)

// ---------------------------------------------------------------------------------------
// Timers, clock and beeps of this copy of the library (user-interface thread only).

namespace {

void CALLBACK GadgetTimerProc(HWND, UINT, UINT_PTR nIDEvent, DWORD) { GXBOnGadgetTimer(nIDEvent); }

class CThreadTimerSource : public CGXBGadgetTimerSource
{
public:
    UINT_PTR StartTimer(UINT nElapse) override
    {
        return ::SetTimer(nullptr, 0, nElapse, GadgetTimerProc);
    }
    void StopTimer(UINT_PTR nIDEvent) override { ::KillTimer(nullptr, nIDEvent); }
};

struct CTimerEntry
{
    CGXBDTGadget* pGadget;
    CGXBGadgetTimerSource* pSource; // the source that started it stops it
};

struct CGadgetState
{
    CThreadTimerSource threadTimers;
    CGXBGadgetTimerSource* pSource = &threadTimers;
    std::map<UINT_PTR, CTimerEntry> timers;
    std::function<COleDateTime()> fnClock;
    int nBeeps = 0;
};

CGadgetState& State()
{
    static CGadgetState state;
    return state;
}

} // namespace

CGXBGadgetTimerSource* GXBSetGadgetTimerSource(CGXBGadgetTimerSource* pSource)
{
    CGadgetState& state = State();
    CGXBGadgetTimerSource* pOld = state.pSource == &state.threadTimers ? nullptr : state.pSource;
    state.pSource = pSource != nullptr ? pSource : &state.threadTimers;
    return pOld;
}

void GXBOnGadgetTimer(UINT_PTR nIDEvent)
{
    auto& timers = State().timers;
    auto it = timers.find(nIDEvent);
    if (it == timers.end())
        return;
    it->second.pGadget->OnTimer(nIDEvent);
}

int GXBGetGadgetTimerCount() { return (int)State().timers.size(); }

void GXBSetClock(std::function<COleDateTime()> fnClock) { State().fnClock = std::move(fnClock); }

COleDateTime GXBGetCurrentTime()
{
    if (State().fnClock)
        return State().fnClock();
    return COleDateTime::GetCurrentTime();
}

void GXBBeep(UINT nType)
{
    ++State().nBeeps;
    ::MessageBeep(nType);
}

int GXBGetBeepCount() { return State().nBeeps; }

// ---------------------------------------------------------------------------------------
// The base.

CGXBDTGadget::CGXBDTGadget()
    : m_rect(0, 0, 0, 0), m_nStyle(gxCanFocus), m_bFocus(FALSE), m_nID(GXBDT_ID_STATIC),
      m_nValue(0), m_pCtrl(nullptr)
{ }

CGXBDTGadget::~CGXBDTGadget()
{
    auto& timers = State().timers;
    for (auto it = timers.begin(); it != timers.end();) {
        if (it->second.pGadget == this) {
            it->second.pSource->StopTimer(it->first);
            it = timers.erase(it);
        } else {
            ++it;
        }
    }
}

void CGXBDTGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID, int nStyle)
{
    m_pCtrl = pCtrl;
    m_nID = nID;
    m_nStyle = nStyle;
}

void CGXBDTGadget::CalcSize(CDC&) { }
void CGXBDTGadget::Draw(CDC&) { }

void CGXBDTGadget::SetFocus(BOOL bFocus)
{
    if (!CanFocus() || m_bFocus == bFocus)
        return;
    m_bFocus = bFocus;
    Redraw();
}

void CGXBDTGadget::OnKeyDown(UINT) { }
void CGXBDTGadget::OnChar(UINT) { }
void CGXBDTGadget::OnLButtonDown(CPoint) { }
void CGXBDTGadget::OnLButtonUp(CPoint) { }
void CGXBDTGadget::OnMouseMove(CPoint) { }
void CGXBDTGadget::OnCancelMode() { }
void CGXBDTGadget::OnTimer(UINT_PTR) { }
void CGXBDTGadget::OnSysColorChange() { }

void CGXBDTGadget::SetValue(int nValue)
{
    if (m_nValue == nValue)
        return;
    m_nValue = nValue;
    Redraw();
}

UINT_PTR CGXBDTGadget::StartTimer(UINT nElapse)
{
    CGadgetState& state = State();
    UINT_PTR nID = state.pSource->StartTimer(nElapse);
    if (nID != 0)
        state.timers[nID] = CTimerEntry {this, state.pSource};
    return nID;
}

void CGXBDTGadget::StopTimer(UINT_PTR& nIDEvent)
{
    if (nIDEvent == 0)
        return;
    auto& timers = State().timers;
    auto it = timers.find(nIDEvent);
    if (it != timers.end() && it->second.pGadget == this) {
        it->second.pSource->StopTimer(nIDEvent);
        timers.erase(it);
    }
    nIDEvent = 0;
}

BOOL CGXBDTGadget::Notify(int nCode, int nArg)
{
    return m_pCtrl != nullptr && m_pCtrl->OnGadgetNotify(nCode, m_nID, nArg);
}

void CGXBDTGadget::Redraw()
{
    if (m_pCtrl != nullptr)
        m_pCtrl->InvalidateGadget(this);
}

void CGXBDTGadget::PrepareColors(CDC& dc, const CRect& rect, BOOL bHighlight)
{
    dc.SetBkMode(TRANSPARENT);
    if (bHighlight) {
        const CGXSysColorCache& colors = GXGetSysColorCache();
        dc.FillSolidRect(&rect, colors.m_clrHighlight);
        dc.SetTextColor(colors.m_clrHighlightText);
    }
}

// ---------------------------------------------------------------------------------------
// Static text.

void CGXBDTStaticGadget::Create(CGXBDateTimeCtrl* pCtrl, LPCTSTR pszText)
{
    CGXBDTGadget::Create(pCtrl, GXBDT_ID_STATIC, 0);
    m_strText = pszText;
}

void CGXBDTStaticGadget::CalcSize(CDC& dc)
{
    CRect rect(0, 0, 0, 0);
    if (!m_strText.IsEmpty())
        dc.DrawText(m_strText, m_strText.GetLength(), &rect,
                    DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
    else {
        TEXTMETRIC tm;
        dc.GetTextMetrics(&tm);
        rect.bottom = tm.tmHeight;
    }
    m_rect.right = m_rect.left + rect.Width();
    m_rect.bottom = m_rect.top + rect.Height();
}

void CGXBDTStaticGadget::Draw(CDC& dc)
{
    CRect rect = m_rect;
    dc.SetBkMode(TRANSPARENT);
    dc.DrawText(m_strText, m_strText.GetLength(), &rect, DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
}

// ---------------------------------------------------------------------------------------
// Numbers.

CGXBDTNumericGadget::CGXBDTNumericGadget()
    : m_nMin(0), m_nMax(0), m_nDigits(1), m_bLeadingZeros(FALSE), m_nTypedDigits(0),
      m_nTypedValue(0), m_bTyping(FALSE)
{ }

void CGXBDTNumericGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID, int nMin, int nMax,
                                 BOOL bLeadingZeros, int nStyle)
{
    CGXBDTGadget::Create(pCtrl, nID, nStyle);
    m_nMin = nMin;
    m_nMax = nMax;
    m_bLeadingZeros = bLeadingZeros;
    m_nDigits = nMax <= 9 ? 1 : nMax < 100 ? 2 : nMax < 1000 ? 3 : 4;
}

CString CGXBDTNumericGadget::FormatNumber(int nValue) const
{
    if (nValue < 0)
        return CString(); // no value
    CString str;
    if (m_bLeadingZeros) {
        CString strFormat;
        strFormat.Format("%%0%dd", m_nDigits);
        str.Format(strFormat, nValue);
    } else {
        str.Format("%d", nValue);
    }
    return str;
}

CString CGXBDTNumericGadget::GetText() const { return FormatNumber(m_nValue); }

void CGXBDTNumericGadget::CalcSize(CDC& dc)
{
    CSize size = dc.GetTextExtent("00000", m_nDigits);
    m_rect.right = m_rect.left + size.cx;
    m_rect.bottom = m_rect.top + size.cy;
}

void CGXBDTNumericGadget::Draw(CDC& dc)
{
    CString str = FormatNumber(m_bTyping ? m_nTypedValue : m_nValue);
    CRect rect = m_rect;
    PrepareColors(dc, rect, m_bFocus);
    dc.DrawText(str, str.GetLength(), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void CGXBDTNumericGadget::SetFocus(BOOL bFocus)
{
    if (!bFocus)
        CommitTyping();
    CGXBDTGadget::SetFocus(bFocus);
}

void CGXBDTNumericGadget::EndTyping()
{
    if (!m_bTyping)
        return;
    m_bTyping = FALSE;
    m_nTypedDigits = 0;
    m_nTypedValue = 0;
    Redraw();
    Notify(GXBDT_TYPING, 0);
}

BOOL CGXBDTNumericGadget::CommitTyping()
{
    if (!m_bTyping)
        return TRUE;
    int nTyped = m_nTypedValue;
    BOOL bAccepted = Notify(GXBDT_TEST, nTyped);
    // Typing ends before the value is applied, so the reload shows the new value.
    EndTyping();
    if (bAccepted) {
        m_nValue = nTyped;
        bAccepted = Notify(GXBDT_SET, nTyped);
    }
    if (!bAccepted)
        GXBBeep(0);
    return bAccepted;
}

namespace {
// The step a key asks of a numeric or list field (up, down, smallest, largest); 0 for
// none.
int StepOfKey(UINT nChar)
{
    switch (nChar) {
    case VK_UP:
    case VK_ADD:
        return GXBDT_UP;
    case VK_DOWN:
    case VK_SUBTRACT:
        return GXBDT_DOWN;
    case VK_HOME:
        return GXBDT_MIN;
    case VK_END:
        return GXBDT_MAX;
    default:
        return 0;
    }
}
} // namespace

void CGXBDTNumericGadget::OnKeyDown(UINT nChar)
{
    BOOL bDigitKey = (nChar >= '0' && nChar <= '9') || (nChar >= VK_NUMPAD0 && nChar <= VK_NUMPAD9);
    if (bDigitKey)
        return; // the character follows
    if (m_bTyping && !CommitTyping())
        return; // a refused number swallows the key
    if (const int nStep = StepOfKey(nChar))
        Notify(nStep);
}

void CGXBDTNumericGadget::OnChar(UINT nChar)
{
    if (nChar < '0' || nChar > '9') {
        if (m_bTyping) {
            GXBBeep(0);
            EndTyping();
        }
        return;
    }
    if (!m_bTyping) {
        m_bTyping = TRUE;
        m_nTypedValue = 0;
        m_nTypedDigits = 0;
        Notify(GXBDT_TYPING, 1);
    }
    int nDigit = (int)(nChar - '0');
    if (nDigit == 0 && m_nTypedValue == 0)
        return; // a leading zero adds nothing
    m_nTypedValue = m_nTypedValue * 10 + nDigit;
    ++m_nTypedDigits;
    Redraw();
    if (m_nTypedDigits >= m_nDigits && CommitTyping())
        Notify(GXBDT_ADVANCE);
}

// ---------------------------------------------------------------------------------------
// Name lists.

CGXBDTListGadget::CGXBDTListGadget() : m_szLead {0, 0, 0}, m_nTimer(0) { }

CGXBDTListGadget::~CGXBDTListGadget() { StopTimer(m_nTimer); }

void CGXBDTListGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID, const CStringArray& strings,
                              int nStyle)
{
    CGXBDTGadget::Create(pCtrl, nID, nStyle);
    m_strings.RemoveAll();
    m_strings.Append(strings);
}

CString CGXBDTListGadget::GetText() const
{
    if (m_nValue < 0 || m_nValue >= (int)m_strings.GetSize())
        return CString();
    return m_strings[m_nValue];
}

void CGXBDTListGadget::CalcSize(CDC& dc)
{
    CSize sizeMax(0, 0);
    for (INT_PTR i = 0; i < m_strings.GetSize(); ++i) {
        CSize size = dc.GetTextExtent(m_strings[i], m_strings[i].GetLength());
        sizeMax.cx = std::max(sizeMax.cx, size.cx);
        sizeMax.cy = std::max(sizeMax.cy, size.cy);
    }
    if (sizeMax.cy == 0)
        sizeMax.cy = dc.GetTextExtent("0", 1).cy;
    m_rect.right = m_rect.left + sizeMax.cx;
    m_rect.bottom = m_rect.top + sizeMax.cy;
}

void CGXBDTListGadget::Draw(CDC& dc)
{
    CString str = GetText();
    CRect rect = m_rect;
    PrepareColors(dc, rect, m_bFocus);
    dc.DrawText(str, str.GetLength(), &rect,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

void CGXBDTListGadget::SetFocus(BOOL bFocus)
{
    if (!bFocus)
        EndTypeAhead();
    CGXBDTGadget::SetFocus(bFocus);
}

void CGXBDTListGadget::EndTypeAhead()
{
    m_strPrefix.Empty();
    m_szLead[0] = 0;
    StopTimer(m_nTimer);
}

void CGXBDTListGadget::OnTimer(UINT_PTR) { EndTypeAhead(); }

void CGXBDTListGadget::OnCancelMode() { EndTypeAhead(); }

void CGXBDTListGadget::OnKeyDown(UINT nChar)
{
    if (const int nStep = StepOfKey(nChar))
        Notify(nStep);
}

int CGXBDTListGadget::FindPrefix(const CString& strPrefix, int nStart, BOOL bAsk)
{
    int nCount = (int)m_strings.GetSize();
    if (nCount == 0 || strPrefix.IsEmpty())
        return -1;
    int nLen = strPrefix.GetLength();
    for (int k = 0; k < nCount; ++k) {
        int i = ((nStart + k) % nCount + nCount) % nCount;
        const CString& str = m_strings[i];
        if (str.GetLength() >= nLen && str.Left(nLen).CompareNoCase(strPrefix) == 0 &&
            (!bAsk || Notify(GXBDT_TEST, i)))
            return i;
    }
    return -1;
}

void CGXBDTListGadget::OnChar(UINT nChar)
{
    if (nChar < ' ')
        return;
    char szChar[3] = {(char)nChar, 0, 0};
    if (m_szLead[0] != 0) {
        szChar[0] = m_szLead[0];
        szChar[1] = (char)nChar;
        m_szLead[0] = 0;
    } else if (::IsDBCSLeadByte((BYTE)nChar)) {
        m_szLead[0] = (char)nChar;
        return;
    }
    CString strChar(szChar);
    int nFound;
    if (m_strPrefix.IsEmpty()) {
        m_strPrefix = strChar;
        if (m_nTimer == 0)
            m_nTimer = StartTimer(2000);
        nFound = FindPrefix(m_strPrefix, m_nValue + 1);
    } else if (m_strPrefix.CompareNoCase(strChar) == 0) {
        // The same initial again: the next item with it.
        nFound = FindPrefix(m_strPrefix, m_nValue + 1);
    } else {
        m_strPrefix += strChar;
        nFound = FindPrefix(m_strPrefix, m_nValue);
    }
    if (nFound < 0) {
        GXBBeep(0);
        EndTypeAhead();
        return;
    }
    Notify(GXBDT_SET, nFound);
}

// ---------------------------------------------------------------------------------------
// The spin pair.

CGXBDTSpinGadget::CGXBDTSpinGadget() : m_nState(0), m_nRepeat(0), m_nTimer(0) { }

void CGXBDTSpinGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID)
{
    CGXBDTGadget::Create(pCtrl, nID, gxMouseInput | gxFixedRight);
    m_rect = CRect(0, 0, 16, -1);
}

namespace {
// The face of a small push button: filled, with a raised edge or, pressed, a sunken one.
void DrawButtonFace(CDC& dc, const CRect& rect, BOOL bPressed)
{
    const CGXSysColorCache& colors = GXGetSysColorCache();
    dc.FillSolidRect(&rect, colors.m_clrBtnFace);
    if (bPressed)
        dc.Draw3dRect(&rect, colors.m_clrBtnShadow, colors.m_clrBtnHilite);
    else
        dc.Draw3dRect(&rect, colors.m_clrBtnHilite, colors.m_clrBtnShadow);
}

// A button's arrow: a triangle filled and outlined in one colour.
void FillArrow(CDC& dc, const POINT* pts, COLORREF crArrow)
{
    CBrush brush(crArrow);
    CPen pen(PS_SOLID, 1, crArrow);
    CBrush* pOldBrush = dc.SelectObject(&brush);
    CPen* pOldPen = dc.SelectObject(&pen);
    dc.Polygon(pts, 3);
    dc.SelectObject(pOldPen);
    dc.SelectObject(pOldBrush);
}
} // namespace

void CGXBDTSpinGadget::CalcSize(CDC&)
{
    m_rect.right = m_rect.left + 16;
    m_rect.bottom = -1; // the full height
}

BOOL CGXBDTSpinGadget::InUpperHalf(CPoint point) const
{
    return point.y < m_rect.top + m_rect.Height() / 2;
}

void CGXBDTSpinGadget::DrawArrowButton(CDC& dc, const CRect& rect, BOOL bUp, BOOL bPressed)
{
    DrawButtonFace(dc, rect, bPressed);
    int nArrow = std::min(rect.Height() / 4 + 1, 4);
    int cx = rect.left + rect.Width() / 2 + (bPressed ? 1 : 0);
    int cy = rect.top + rect.Height() / 2 + (bPressed ? 1 : 0);
    POINT pts[3];
    if (bUp) {
        pts[0] = {cx - nArrow, cy + nArrow / 2};
        pts[1] = {cx + nArrow, cy + nArrow / 2};
        pts[2] = {cx, cy - nArrow / 2 - 1};
    } else {
        pts[0] = {cx - nArrow, cy - nArrow / 2};
        pts[1] = {cx + nArrow, cy - nArrow / 2};
        pts[2] = {cx, cy + nArrow / 2 + 1};
    }
    FillArrow(dc, pts, RGB(0, 0, 0));
}

void CGXBDTSpinGadget::Draw(CDC& dc)
{
    CRect rect = m_rect;
    CRect rectUp(rect.left, rect.top, rect.right, rect.top + rect.Height() / 2);
    CRect rectDown(rect.left, rectUp.bottom, rect.right, rect.bottom);
    DrawArrowButton(dc, rectUp, TRUE, (m_nState & gxPressedUp) != 0);
    DrawArrowButton(dc, rectDown, FALSE, (m_nState & gxPressedDown) != 0);
}

void CGXBDTSpinGadget::OnLButtonDown(CPoint point)
{
    EndRepeat();
    BOOL bUp = InUpperHalf(point);
    m_nState = bUp ? (gxPressedUp | gxTrackUp) : (gxPressedDown | gxTrackDown);
    m_nRepeat = 0;
    m_nTimer = StartTimer(gxFirstDelayMs);
    if (m_nTimer != 0)
        m_nState |= gxTimerRunning | gxFirstDelay;
    if (m_pCtrl != nullptr)
        m_pCtrl->CaptureGadget(this);
    Redraw();
    // Last: the owner's parent may react to the change by destroying the window.
    Notify(bUp ? GXBDT_SPINUP : GXBDT_SPINDOWN, 1);
}

void CGXBDTSpinGadget::OnMouseMove(CPoint point)
{
    if ((m_nState & (gxTrackUp | gxTrackDown)) == 0)
        return;
    BOOL bUp = (m_nState & gxTrackUp) != 0;
    BOOL bOver = m_rect.PtInRect(point) && InUpperHalf(point) == bUp;
    int nPressed = bUp ? gxPressedUp : gxPressedDown;
    if (!bOver && (m_nState & nPressed)) {
        // Off the pressed half: the repeat stops and the button comes up.
        StopTimer(m_nTimer);
        m_nState &= ~(nPressed | gxTimerRunning | gxFirstDelay);
        Redraw();
    } else if (bOver && !(m_nState & nPressed)) {
        m_nState |= nPressed;
        m_nTimer = StartTimer(gxRepeatMs);
        if (m_nTimer != 0)
            m_nState |= gxTimerRunning;
        Redraw();
    }
}

void CGXBDTSpinGadget::EndRepeat()
{
    StopTimer(m_nTimer);
    BOOL bChanged = m_nState != 0;
    m_nState = 0;
    m_nRepeat = 0;
    if (bChanged)
        Redraw();
}

void CGXBDTSpinGadget::OnLButtonUp(CPoint)
{
    EndRepeat();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
}

void CGXBDTSpinGadget::OnCancelMode()
{
    EndRepeat();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
}

void CGXBDTSpinGadget::OnTimer(UINT_PTR)
{
    if (m_nTimer == 0 || !(m_nState & (gxPressedUp | gxPressedDown)))
        return;
    if (m_nState & gxFirstDelay) {
        // After the first delay the repeat runs faster.
        StopTimer(m_nTimer);
        m_nTimer = StartTimer(gxRepeatMs);
        m_nState &= ~gxFirstDelay;
        if (m_nTimer == 0)
            m_nState &= ~gxTimerRunning;
    }
    ++m_nRepeat;
    int nStep = m_nRepeat <= 20 ? 1 : m_nRepeat <= 50 ? 2 : 5;
    // Last: the change may end in the window's destruction.
    Notify((m_nState & gxPressedUp) ? GXBDT_SPINUP : GXBDT_SPINDOWN, nStep);
}

// ---------------------------------------------------------------------------------------
// The drop button.

CGXBDTButtonGadget::CGXBDTButtonGadget() : m_nBitmapID(0), m_nState(0) { }

void CGXBDTButtonGadget::Create(CGXBDateTimeCtrl* pCtrl, int nID, UINT nBitmapID)
{
    CGXBDTGadget::Create(pCtrl, nID, gxMouseInput | gxFixedRight);
    m_nBitmapID = nBitmapID;
    m_rect = CRect(0, 0, 16, -1);
    LoadButtonBitmap();
}

void CGXBDTButtonGadget::LoadButtonBitmap()
{
    m_bitmap.DeleteObject();
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(m_nBitmapID), RT_BITMAP);
    HBITMAP hBitmap =
        hInst != nullptr ? ::LoadBitmapA(hInst, MAKEINTRESOURCE(m_nBitmapID)) : nullptr;
    if (hBitmap != nullptr)
        m_bitmap.Attach(hBitmap);
}

void CGXBDTButtonGadget::OnSysColorChange() { LoadButtonBitmap(); }

void CGXBDTButtonGadget::CalcSize(CDC&)
{
    int cx = 16;
    if (m_bitmap.GetSafeHandle() != nullptr) {
        BITMAP bm = {};
        m_bitmap.GetObject(sizeof bm, &bm);
        cx = bm.bmWidth + 6;
    }
    m_rect.right = m_rect.left + cx;
    m_rect.bottom = -1;
}

void CGXBDTButtonGadget::Draw(CDC& dc)
{
    const CGXSysColorCache& colors = GXGetSysColorCache();
    CRect rect = m_rect;
    BOOL bPressed = (m_nState & gxPressedLook) != 0;
    DrawButtonFace(dc, rect, bPressed);
    int nOffset = bPressed ? 1 : 0;
    if (m_bitmap.GetSafeHandle() != nullptr) {
        BITMAP bm = {};
        m_bitmap.GetObject(sizeof bm, &bm);
        CDC dcMem;
        dcMem.CreateCompatibleDC(&dc);
        CBitmap* pOld = dcMem.SelectObject(&m_bitmap);
        dc.BitBlt(rect.left + (rect.Width() - bm.bmWidth) / 2 + nOffset,
                  rect.top + (rect.Height() - bm.bmHeight) / 2 + nOffset, bm.bmWidth, bm.bmHeight,
                  &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOld);
        return;
    }
    // No bitmap in the module's resources: a down arrow.
    int cx = rect.left + rect.Width() / 2 + nOffset;
    int cy = rect.top + rect.Height() / 2 + nOffset;
    POINT pts[3] = {{cx - 4, cy - 2}, {cx + 4, cy - 2}, {cx, cy + 2}};
    FillArrow(dc, pts, colors.m_clrWindowText & 0xFFFFFF);
}

void CGXBDTButtonGadget::OnLButtonDown(CPoint)
{
    m_nState = gxMouseDown | gxPressedLook;
    if (m_pCtrl != nullptr)
        m_pCtrl->CaptureGadget(this);
    Redraw();
}

void CGXBDTButtonGadget::OnMouseMove(CPoint point)
{
    if (!(m_nState & gxMouseDown))
        return;
    int nState = m_rect.PtInRect(point) ? (gxMouseDown | gxPressedLook) : gxMouseDown;
    if (nState != m_nState) {
        m_nState = nState;
        Redraw();
    }
}

void CGXBDTButtonGadget::OnLButtonUp(CPoint point)
{
    BOOL bWasDown = (m_nState & gxMouseDown) != 0;
    m_nState = 0;
    Redraw();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
    // Opened on release, so the release does not land in the calendar.
    if (bWasDown && m_rect.PtInRect(point))
        Notify(GXBDT_BUTTON);
}

void CGXBDTButtonGadget::OnCancelMode()
{
    m_nState = 0;
    Redraw();
    if (m_pCtrl != nullptr)
        m_pCtrl->ReleaseGadgetCapture(this);
}
