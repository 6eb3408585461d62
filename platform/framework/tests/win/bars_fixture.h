// A frame with a toolbar, a status bar and a plain view for the control-bar tests, with
// command handlers whose answers each test sets.
#pragma once
#include "bars_test_res.h"
#include "fw_test_support.h"

#include <functional>
#include <string>

// What the frame's handlers answer and what they saw.
struct BarsState
{
    BOOL bEnableOne = TRUE;
    int nCheckOne = 0;
    int nRunsOne = 0;
    int nRunsTwo = 0;
    int nRunsGo = 0;
    BOOL bIndicatorOn = TRUE;
    std::string strIndicator = "Line 1";
};
BarsState& Bars();

class CBarsFrame : public CFrameWnd
{
public:
    CToolBar m_wndToolBar;
    CStatusBar m_wndStatusBar;
    CWnd m_wndView;

    // Makes the view, the toolbar (resource IDR_BARS_TOOLBAR) and the status bar (the
    // message bar, ID_BARS_INDICATOR and the caps-lock indicator).
    BOOL CreateBars(DWORD dwToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);

    afx_msg void OnUpdateOne(CCmdUI* pCmdUI);
    afx_msg void OnOne();
    afx_msg void OnTwo();
    afx_msg void OnGo();
    afx_msg void OnUpdateIndicator(CCmdUI* pCmdUI);

protected:
    DECLARE_MESSAGE_MAP()
};

// The application and its main frame, shown, for one test.
class BarsProgram
{
public:
    explicit BarsProgram(DWORD dwToolBarStyle = WS_CHILD | WS_VISIBLE | CBRS_TOP);
    ~BarsProgram();

    // The frame's view rectangle in its client coordinates.
    CRect ViewRect() const;
    CRect ChildRect(CWnd* pWnd) const;
    // Runs the application's idle updates once.
    void Idle() { app.OnIdle(0); }

    CWinApp app;
    CBarsFrame* pFrame;
};

// Handles messages until pred holds (TRUE) or timeoutMs has gone by (FALSE).
[[nodiscard]] bool PumpUntil(const std::function<bool()>& pred, DWORD timeoutMs);

// Text the status bar's control shows in a part (what the user sees, not the cache).
std::string ShownPaneText(CStatusBar& bar, int nPart);
