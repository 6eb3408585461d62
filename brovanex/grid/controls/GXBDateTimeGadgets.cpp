// The date-time window's gadgets: the timers, clock and beeps they share, the base gadget and
// the static text. The editable fields are in GXBDateTimeFieldGadgets.cpp, the spin pair and
// the drop button in GXBDateTimeButtonGadgets.cpp.
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
