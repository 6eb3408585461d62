// The frame of the control-bar tests.
#include "bars_fixture.h"

BarsState& Bars()
{
    static BarsState state;
    return state;
}

BEGIN_MESSAGE_MAP(CBarsFrame, CFrameWnd)
    ON_UPDATE_COMMAND_UI(ID_BARS_ONE, &CBarsFrame::OnUpdateOne)
    ON_COMMAND(ID_BARS_ONE, &CBarsFrame::OnOne)
    ON_COMMAND(ID_BARS_TWO, &CBarsFrame::OnTwo)
    ON_COMMAND(IDC_BARS_BUTTON, &CBarsFrame::OnGo)
    ON_UPDATE_COMMAND_UI(ID_BARS_INDICATOR, &CBarsFrame::OnUpdateIndicator)
END_MESSAGE_MAP()

BOOL CBarsFrame::CreateBars(DWORD dwToolBarStyle)
{
    if (!m_wndView.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), this,
                          AFX_IDW_PANE_FIRST))
        return FALSE;
    if (!m_wndToolBar.Create(this, dwToolBarStyle) || !m_wndToolBar.LoadToolBar(IDR_BARS_TOOLBAR))
        return FALSE;
    m_wndToolBar.SetWindowText("Test bar");
    static const UINT indicators[] = {ID_SEPARATOR, ID_BARS_INDICATOR, ID_INDICATOR_CAPS};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 3))
        return FALSE;
    RecalcLayout();
    return TRUE;
}

void CBarsFrame::OnUpdateOne(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(Bars().bEnableOne);
    pCmdUI->SetCheck(Bars().nCheckOne);
}

void CBarsFrame::OnOne() { Bars().nRunsOne++; }
void CBarsFrame::OnTwo() { Bars().nRunsTwo++; }
void CBarsFrame::OnGo() { Bars().nRunsGo++; }

void CBarsFrame::OnUpdateIndicator(CCmdUI* pCmdUI)
{
    pCmdUI->SetText(Bars().strIndicator.c_str());
    pCmdUI->Enable(Bars().bIndicatorOn);
}

BarsProgram::BarsProgram(DWORD dwToolBarStyle) : app("BarsTest"), pFrame(new CBarsFrame)
{
    Bars() = BarsState();
    if (!pFrame->Create(nullptr, "Bars", WS_OVERLAPPEDWINDOW, CRect(40, 40, 640, 440), nullptr,
                        MAKEINTRESOURCEA(IDR_BARS_MENU))) {
        pFrame = nullptr;
        return;
    }
    if (!pFrame->CreateBars(dwToolBarStyle)) {
        pFrame->DestroyWindow();
        pFrame = nullptr;
        return;
    }
    app.m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    PumpPending();
}

BarsProgram::~BarsProgram()
{
    if (pFrame != nullptr && ::IsWindow(pFrame->m_hWnd))
        pFrame->DestroyWindow();
    app.m_pMainWnd = nullptr;
    PumpPending();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

CRect BarsProgram::ChildRect(CWnd* pWnd) const
{
    CRect rect;
    pWnd->GetWindowRect(&rect);
    pFrame->ScreenToClient(&rect);
    return rect;
}

CRect BarsProgram::ViewRect() const { return ChildRect(&pFrame->m_wndView); }

std::string ShownPaneText(CStatusBar& bar, int nPart)
{
    char szText[256] = "";
    LRESULT lResult = bar.DefWindowProc(SB_GETTEXTLENGTHA, (WPARAM)nPart, 0);
    if (LOWORD(lResult) >= sizeof szText)
        return "<too long>";
    bar.DefWindowProc(SB_GETTEXTA, (WPARAM)nPart, (LPARAM)szText);
    return szText;
}

bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs)
{
    DWORD dwStart = ::GetTickCount();
    while (!pred()) {
        if (::GetTickCount() - dwStart > timeoutMs)
            return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}
