// The spin button, progress bar and tool-tip controls.
#include "fw/win.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)
IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)

namespace {

// The common-control classes are registered once per process before the first use.
void InitCommonControlClasses()
{
    static const BOOL bDone = [] {
        INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
        return ::InitCommonControlsEx(&icc);
    }();
    (void)bDone;
}

} // namespace

// --- CSpinButtonCtrl ----------------------------------------------------------

CSpinButtonCtrl::~CSpinButtonCtrl() { DestroyWindow(); }

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControlClasses();
    return CWnd::Create(UPDOWN_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CSpinButtonCtrl::SetAccel(int nAccel, UDACCEL* pAccel)
{
    return (BOOL)SendMessage(UDM_SETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
}
UINT CSpinButtonCtrl::GetAccel(int nAccel, UDACCEL* pAccel) const
{
    return (UINT)SendMessage(UDM_GETACCEL, (WPARAM)nAccel, (LPARAM)pAccel);
}
int CSpinButtonCtrl::SetBase(int nBase) { return (int)SendMessage(UDM_SETBASE, (WPARAM)nBase); }
UINT CSpinButtonCtrl::GetBase() const { return (UINT)SendMessage(UDM_GETBASE); }
CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy)
{
    return CWnd::FromHandle((HWND)SendMessage(UDM_SETBUDDY, (WPARAM)pWndBuddy->GetSafeHwnd()));
}
CWnd* CSpinButtonCtrl::GetBuddy() const
{
    return CWnd::FromHandle((HWND)SendMessage(UDM_GETBUDDY));
}
int CSpinButtonCtrl::SetPos(int nPos)
{
    return (int)(short)SendMessage(UDM_SETPOS, 0, MAKELPARAM(nPos, 0));
}
int CSpinButtonCtrl::GetPos() const { return (int)SendMessage(UDM_GETPOS); }
void CSpinButtonCtrl::SetRange(short nLower, short nUpper)
{
    // The system's packing: the maximum in the low word, the minimum in the high word.
    SendMessage(UDM_SETRANGE, 0, MAKELPARAM(nUpper, nLower));
}
void CSpinButtonCtrl::SetRange32(int nLower, int nUpper)
{
    SendMessage(UDM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}
DWORD CSpinButtonCtrl::GetRange() const { return (DWORD)SendMessage(UDM_GETRANGE); }
void CSpinButtonCtrl::GetRange(int& lower, int& upper) const
{
    DWORD dw = GetRange();
    lower = (short)HIWORD(dw);
    upper = (short)LOWORD(dw);
}
void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const
{
    SendMessage(UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
}

// --- CProgressCtrl ------------------------------------------------------------

CProgressCtrl::~CProgressCtrl() { DestroyWindow(); }

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    InitCommonControlClasses();
    return CWnd::Create(PROGRESS_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange(short nLower, short nUpper)
{
    SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper));
}
void CProgressCtrl::SetRange32(int nLower, int nUpper)
{
    SendMessage(PBM_SETRANGE32, (WPARAM)nLower, (LPARAM)nUpper);
}
void CProgressCtrl::GetRange(int& nLower, int& nUpper)
{
    PBRANGE range = {0, 0};
    SendMessage(PBM_GETRANGE, FALSE, (LPARAM)&range);
    nLower = range.iLow;
    nUpper = range.iHigh;
}
int CProgressCtrl::GetPos() { return (int)SendMessage(PBM_GETPOS); }
int CProgressCtrl::SetPos(int nPos) { return (int)SendMessage(PBM_SETPOS, (WPARAM)nPos); }
int CProgressCtrl::OffsetPos(int nPos) { return (int)SendMessage(PBM_DELTAPOS, (WPARAM)nPos); }
int CProgressCtrl::SetStep(int nStep) { return (int)SendMessage(PBM_SETSTEP, (WPARAM)nStep); }
int CProgressCtrl::StepIt() { return (int)SendMessage(PBM_STEPIT); }
COLORREF CProgressCtrl::SetBarColor(COLORREF clrBar)
{
    return (COLORREF)SendMessage(PBM_SETBARCOLOR, 0, (LPARAM)clrBar);
}
COLORREF CProgressCtrl::SetBkColor(COLORREF clrNew)
{
    return (COLORREF)SendMessage(PBM_SETBKCOLOR, 0, (LPARAM)clrNew);
}

// --- CToolTipCtrl -------------------------------------------------------------

CToolTipCtrl::~CToolTipCtrl() { DestroyWindow(); }

BOOL CToolTipCtrl::Create(CWnd* pParentWnd, DWORD dwStyle)
{
    InitCommonControlClasses();
    BOOL bResult = CWnd::CreateEx(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | dwStyle, CW_USEDEFAULT,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  pParentWnd->GetSafeHwnd(), nullptr);
    if (bResult)
        SetOwner(pParentWnd);
    return bResult;
}

void CToolTipCtrl::FillInToolInfo(TOOLINFOA& ti, CWnd* pWnd, UINT_PTR nIDTool) const
{
    memset(&ti, 0, sizeof ti);
    ti.cbSize = sizeof ti;
    if (nIDTool == 0) {
        // The whole window is the tool.
        ti.hwnd = ::GetParent(pWnd->GetSafeHwnd());
        ti.uFlags = TTF_IDISHWND;
        ti.uId = (UINT_PTR)pWnd->GetSafeHwnd();
    } else {
        ti.hwnd = pWnd->GetSafeHwnd();
        ti.uFlags = 0;
        ti.uId = nIDTool;
    }
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, LPCSTR lpszText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    if (lpRectTool != nullptr)
        ti.rect = *lpRectTool;
    else if (nIDTool != 0)
        ::GetClientRect(pWnd->GetSafeHwnd(), &ti.rect);
    // No TTF_SUBCLASS: the owner relays its mouse messages (RelayEvent).
    ti.lpszText = (LPSTR)lpszText;
    return (BOOL)SendMessage(TTM_ADDTOOLA, 0, (LPARAM)&ti);
}

BOOL CToolTipCtrl::AddTool(CWnd* pWnd, UINT nIDText, LPCRECT lpRectTool, UINT_PTR nIDTool)
{
    CString strText;
    strText.LoadString(nIDText);
    return AddTool(pWnd, strText, lpRectTool, nIDTool);
}

void CToolTipCtrl::DelTool(CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    SendMessage(TTM_DELTOOLA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::GetText(CString& str, CWnd* pWnd, UINT_PTR nIDTool) const
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    // The control copies up to 80 characters (its classic limit) into the buffer.
    char szText[256] = "";
    ti.lpszText = szText;
    SendMessage(TTM_GETTEXTA, 0, (LPARAM)&ti);
    str = szText;
}

BOOL CToolTipCtrl::GetToolInfo(TOOLINFOA& ToolInfo, CWnd* pWnd, UINT_PTR nIDTool) const
{
    FillInToolInfo(ToolInfo, pWnd, nIDTool);
    return (BOOL)SendMessage(TTM_GETTOOLINFOA, 0, (LPARAM)&ToolInfo);
}

void CToolTipCtrl::SetToolInfo(LPTOOLINFOA lpToolInfo)
{
    SendMessage(TTM_SETTOOLINFOA, 0, (LPARAM)lpToolInfo);
}

void CToolTipCtrl::SetToolRect(CWnd* pWnd, UINT_PTR nIDTool, LPCRECT lpRect)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.rect = *lpRect;
    SendMessage(TTM_NEWTOOLRECTA, 0, (LPARAM)&ti);
}

int CToolTipCtrl::GetToolCount() const { return (int)SendMessage(TTM_GETTOOLCOUNT); }

void CToolTipCtrl::UpdateTipText(LPCSTR lpszText, CWnd* pWnd, UINT_PTR nIDTool)
{
    TOOLINFOA ti;
    FillInToolInfo(ti, pWnd, nIDTool);
    ti.lpszText = (LPSTR)lpszText;
    SendMessage(TTM_UPDATETIPTEXTA, 0, (LPARAM)&ti);
}

void CToolTipCtrl::UpdateTipText(UINT nIDText, CWnd* pWnd, UINT_PTR nIDTool)
{
    CString strText;
    strText.LoadString(nIDText);
    UpdateTipText(strText, pWnd, nIDTool);
}

BOOL CToolTipCtrl::HitTest(CWnd* pWnd, CPoint pt, LPTOOLINFOA lpToolInfo) const
{
    TTHITTESTINFOA hti;
    memset(&hti, 0, sizeof hti);
    hti.ti.cbSize = sizeof(TOOLINFOA);
    hti.hwnd = pWnd->GetSafeHwnd();
    hti.pt = pt;
    if (!(BOOL)SendMessage(TTM_HITTESTA, 0, (LPARAM)&hti))
        return FALSE;
    if (lpToolInfo != nullptr)
        *lpToolInfo = hti.ti;
    return TRUE;
}

void CToolTipCtrl::Activate(BOOL bActivate) { SendMessage(TTM_ACTIVATE, (WPARAM)bActivate); }
void CToolTipCtrl::RelayEvent(LPMSG lpMsg) { SendMessage(TTM_RELAYEVENT, 0, (LPARAM)lpMsg); }
void CToolTipCtrl::SetDelayTime(UINT nDelay)
{
    SendMessage(TTM_SETDELAYTIME, TTDT_AUTOMATIC, (LPARAM)nDelay);
}
void CToolTipCtrl::SetDelayTime(DWORD dwDuration, int iTime)
{
    SendMessage(TTM_SETDELAYTIME, dwDuration, MAKELPARAM(iTime, 0));
}
int CToolTipCtrl::GetDelayTime(DWORD dwDuration) const
{
    return (int)SendMessage(TTM_GETDELAYTIME, dwDuration);
}
int CToolTipCtrl::SetMaxTipWidth(int iWidth)
{
    return (int)SendMessage(TTM_SETMAXTIPWIDTH, 0, (LPARAM)iWidth);
}
void CToolTipCtrl::Pop() { SendMessage(TTM_POP); }
void CToolTipCtrl::Update() { SendMessage(TTM_UPDATE); }
