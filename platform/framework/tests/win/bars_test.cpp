// Toolbars and status bars in a frame: the layout around the view, idle updates of
// buttons and indicators, clicks, the message bar, fly-by prompts, tool tips and the
// View menu's bar commands.
#include <gtest/gtest.h>

#include "bars_fixture.h"

#include <vector>

namespace {

CPoint ButtonCentre(CToolBar& bar, int nIndex)
{
    CRect rect;
    bar.GetItemRect(nIndex, &rect);
    return rect.CenterPoint();
}

TEST(ControlBarLayout, TheViewFillsWhatTheToolbarAndStatusBarLeave)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CRect client;
    program.pFrame->GetClientRect(&client);
    CRect toolbar = program.ChildRect(&program.pFrame->m_wndToolBar);
    CRect status = program.ChildRect(&program.pFrame->m_wndStatusBar);
    CRect view = program.ViewRect();

    // The toolbar spans the top, the status bar the bottom, the view the rest.
    EXPECT_EQ(toolbar.TopLeft(), CPoint(0, 0));
    EXPECT_EQ(toolbar.Width(), client.Width());
    EXPECT_GE(toolbar.Height(), 22); // 15-pixel images in 22-pixel buttons
    EXPECT_LT(toolbar.Height(), 40);
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(status.Width(), client.Width());
    EXPECT_GT(status.Height(), 10);
    EXPECT_EQ(view, CRect(0, toolbar.bottom, client.right, status.top));

    // Five buttons, one of them a separator; resizing the frame keeps the bars at the edges.
    EXPECT_EQ(program.pFrame->m_wndToolBar.GetButtonCount(), 5);
    EXPECT_EQ(program.pFrame->m_wndToolBar.GetItemID(2), (UINT)ID_SEPARATOR);
    EXPECT_EQ(program.pFrame->m_wndToolBar.CommandToIndex(ID_BARS_THREE), 3);
    program.pFrame->SetWindowPos(nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    program.pFrame->GetClientRect(&client);
    status = program.ChildRect(&program.pFrame->m_wndStatusBar);
    EXPECT_EQ(status.bottom, client.bottom);
    EXPECT_EQ(program.ViewRect(), CRect(0, toolbar.bottom, client.right, status.top));
}

TEST(ControlBarLayout, AHiddenBarGivesItsRoomBackThroughTheViewMenuCommands)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CBarsFrame* pFrame = program.pFrame;
    CRect client;
    pFrame->GetClientRect(&client);
    int nToolbarBottom = program.ViewRect().top;
    ASSERT_GT(nToolbarBottom, 0);

    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(pFrame->m_wndToolBar.IsWindowVisible());
    EXPECT_EQ(program.ViewRect().top, 0);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_STATUS_BAR);
    EXPECT_EQ(program.ViewRect(), client);

    // The menu's checks follow the bars.
    CMenu* pView = pFrame->GetMenu()->GetSubMenu(0);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pView->m_hMenu, 0);
    EXPECT_FALSE(pView->GetMenuState(ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED);
    pFrame->SendMessage(WM_COMMAND, ID_VIEW_TOOLBAR);
    pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)pView->m_hMenu, 0);
    EXPECT_TRUE(pView->GetMenuState(ID_VIEW_TOOLBAR, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_FALSE(pView->GetMenuState(ID_VIEW_STATUS_BAR, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(program.ViewRect().top, nToolbarBottom);
    EXPECT_EQ(program.ViewRect().bottom, client.bottom);
}

TEST(ControlBarLayout, PrintPreviewHidesTheBarsAndGivesThemBack)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CBarsFrame* pFrame = program.pFrame;
    struct Case
    {
        BOOL bStatusBefore; // the status bar shows before the preview
    } cases[] = {{TRUE}, {FALSE}};
    for (const Case& c : cases) {
        pFrame->ShowControlBar(&pFrame->m_wndStatusBar, c.bStatusBefore, FALSE);
        pFrame->OnSetPreviewMode(TRUE, nullptr);
        EXPECT_FALSE(pFrame->m_wndToolBar.IsWindowVisible());
        EXPECT_FALSE(pFrame->m_wndStatusBar.IsWindowVisible());
        CRect client; // without the menu, which the preview takes away too
        pFrame->GetClientRect(&client);
        EXPECT_EQ(program.ViewRect(), client);
        pFrame->OnSetPreviewMode(FALSE, nullptr);
        EXPECT_TRUE(pFrame->m_wndToolBar.IsWindowVisible());
        // A bar hidden before the preview stays hidden.
        EXPECT_EQ(pFrame->m_wndStatusBar.IsWindowVisible() != FALSE, c.bStatusBefore != FALSE);
    }
    pFrame->ShowControlBar(&pFrame->m_wndStatusBar, TRUE, FALSE);
    EXPECT_EQ(program.ViewRect().top, program.ChildRect(&pFrame->m_wndToolBar).bottom);
    EXPECT_EQ(program.ViewRect().bottom, program.ChildRect(&pFrame->m_wndStatusBar).top);
}

TEST(ToolBarButtons, IdleUpdatesEnableAndCheckThemByTheHandlers)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CToolBar& bar = program.pFrame->m_wndToolBar;
    struct Case
    {
        BOOL bEnable;
        int nCheck;
        UINT nExpected; // the button's TBBS_ state bits
    } cases[] = {
        {TRUE, 0, 0},
        {TRUE, 1, TBBS_CHECKED},
        {FALSE, 1, TBBS_DISABLED | TBBS_CHECKED},
        {TRUE, 2, TBBS_INDETERMINATE},
        {FALSE, 0, TBBS_DISABLED},
    };
    for (const Case& c : cases) {
        Bars().bEnableOne = c.bEnable;
        Bars().nCheckOne = c.nCheck;
        program.Idle();
        UINT nStyle = bar.GetButtonStyle(0);
        EXPECT_EQ(nStyle & (TBBS_DISABLED | TBBS_CHECKED | TBBS_INDETERMINATE), c.nExpected)
            << "enable " << c.bEnable << " check " << c.nCheck;
        // The control agrees with the style word.
        LRESULT nState = bar.SendMessage(TB_GETSTATE, ID_BARS_ONE);
        EXPECT_EQ((nState & TBSTATE_ENABLED) != 0, c.bEnable != FALSE);
    }
    // A command with a handler but no update handler stays enabled; one with neither
    // is disabled.
    EXPECT_FALSE(bar.GetButtonStyle(1) & TBBS_DISABLED);
    EXPECT_TRUE(bar.GetButtonStyle(3) & TBBS_DISABLED);
    EXPECT_TRUE(bar.GetButtonStyle(4) & TBBS_DISABLED);
}

TEST(ToolBarButtons, AClickSendsTheCommandToTheFrame)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CToolBar& bar = program.pFrame->m_wndToolBar;
    program.Idle();
    struct Case
    {
        int nIndex;
        int nOne, nTwo;
    } cases[] = {{0, 1, 0}, {1, 1, 1}, {3, 1, 1} /* disabled: nothing */};
    for (const Case& c : cases) {
        CPoint pt = ButtonCentre(bar, c.nIndex);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
        EXPECT_EQ(Bars().nRunsOne, c.nOne) << "button " << c.nIndex;
        EXPECT_EQ(Bars().nRunsTwo, c.nTwo) << "button " << c.nIndex;
    }
}

TEST(StatusBarPanes, IndicatorsFollowTheirHandlersAndTheMessageBarTheFrame)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CStatusBar& status = program.pFrame->m_wndStatusBar;
    ASSERT_EQ(status.GetCount(), 3);
    EXPECT_EQ(status.CommandToIndex(ID_BARS_INDICATOR), 1);
    // An indicator is as wide as its string, the message bar takes the rest.
    CRect rectMessage, rectIndicator;
    status.GetItemRect(0, &rectMessage);
    status.GetItemRect(1, &rectIndicator);
    EXPECT_GT(rectMessage.Width(), 3 * rectIndicator.Width());
    EXPECT_GT(rectIndicator.Width(), 20);

    program.Idle();
    EXPECT_EQ(ShownPaneText(status, 1), "Line 1");
    Bars().strIndicator = "Line 42";
    program.Idle();
    EXPECT_EQ(ShownPaneText(status, 1), "Line 42");
    EXPECT_STREQ(status.GetPaneText(1), "Line 42");
    // Disabled, the pane shows nothing but keeps its text.
    Bars().bIndicatorOn = FALSE;
    program.Idle();
    EXPECT_EQ(ShownPaneText(status, 1), "");
    EXPECT_STREQ(status.GetPaneText(1), "Line 42");
    Bars().bIndicatorOn = TRUE;
    program.Idle();
    EXPECT_EQ(ShownPaneText(status, 1), "Line 42");
    // The caps-lock indicator shows while the key is locked.
    BOOL bCaps = (::GetKeyState(VK_CAPITAL) & 1) != 0;
    EXPECT_EQ(ShownPaneText(status, 2), bCaps ? "CAP" : "");

    // The message bar: the idle text, a menu item's prompt, a text of the program's.
    PumpPending();
    EXPECT_EQ(ShownPaneText(status, 0), "Ready");
    CMenu* pView = program.pFrame->GetMenu()->GetSubMenu(0);
    program.pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_BARS_TWO, MF_STRING),
                                (LPARAM)pView->m_hMenu);
    EXPECT_EQ(ShownPaneText(status, 0), "Runs the second command");
    program.pFrame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
    EXPECT_EQ(ShownPaneText(status, 0), "Ready");
    program.pFrame->SetMessageText("Printing page 3");
    EXPECT_EQ(ShownPaneText(status, 0), "Printing page 3");
    CString strText;
    status.GetWindowText(strText);
    EXPECT_STREQ(strText, "Printing page 3");
}

TEST(StatusBarPanes, PaneInfoChangesWidthAndStyle)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CStatusBar& status = program.pFrame->m_wndStatusBar;
    status.SetPaneInfo(1, ID_BARS_INDICATOR, SBPS_POPOUT, 150);
    UINT nID, nStyle;
    int cxWidth;
    status.GetPaneInfo(1, nID, nStyle, cxWidth);
    EXPECT_EQ(nID, (UINT)ID_BARS_INDICATOR);
    EXPECT_EQ(nStyle, (UINT)SBPS_POPOUT);
    EXPECT_EQ(cxWidth, 150);
    CRect rect;
    status.GetItemRect(1, &rect);
    EXPECT_GE(rect.Width(), 150);
    EXPECT_LT(rect.Width(), 170);
    // Out-of-range panes are refused, not written past the end.
    EXPECT_FALSE(status.SetPaneText(3, "x"));
    EXPECT_FALSE(status.SetPaneText(-1, "x"));
    EXPECT_STREQ(status.GetPaneText(7), "");
}

TEST(ToolBarHelp, FlyByPromptsAndToolTipsComeFromTheCommandStrings)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CToolBar& bar = program.pFrame->m_wndToolBar;
    CStatusBar& status = program.pFrame->m_wndStatusBar;
    PumpPending();

    // Without CBRS_FLYBY the message bar keeps its text.
    CPoint pt = ButtonCentre(bar, 1);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(ShownPaneText(status, 0), "Ready");

    bar.SetBarStyle(bar.GetBarStyle() | CBRS_FLYBY | CBRS_TOOLTIPS);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(ShownPaneText(status, 0), "Runs the second command");
    pt = ButtonCentre(bar, 3);
    bar.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y));
    EXPECT_EQ(ShownPaneText(status, 0), "Runs the third command");
    bar.SendMessage(WM_MOUSELEAVE);
    EXPECT_EQ(ShownPaneText(status, 0), "Ready");

    // The tip of a button, as the bar's tool-tip control asks for it.
    HWND hWndTip = (HWND)bar.SendMessage(TB_GETTOOLTIPS);
    ASSERT_NE(hWndTip, nullptr);
    struct Case
    {
        UINT nID;
        DWORD dwStyle;
        const char* pszTip;
    } cases[] = {{ID_BARS_ONE, CBRS_TOOLTIPS, "First"},
                 {ID_BARS_FOUR, CBRS_TOOLTIPS, "Fourth"},
                 {ID_BARS_FOUR, 0, ""}};
    for (const Case& c : cases) {
        bar.SetBarStyle((bar.GetBarStyle() & ~CBRS_TOOLTIPS) | c.dwStyle);
        NMTTDISPINFOA info = {};
        info.hdr.hwndFrom = hWndTip;
        info.hdr.idFrom = c.nID;
        info.hdr.code = TTN_GETDISPINFOA;
        bar.SendMessage(WM_NOTIFY, 0, (LPARAM)&info);
        ASSERT_NE(info.lpszText, nullptr);
        EXPECT_STREQ(info.lpszText, c.pszTip) << c.nID;
        NMTTDISPINFOW infoW = {};
        infoW.hdr = info.hdr;
        infoW.hdr.code = TTN_GETDISPINFOW;
        bar.SendMessage(WM_NOTIFY, 0, (LPARAM)&infoW);
        ASSERT_NE(infoW.lpszText, nullptr);
        char szNarrow[80];
        ::WideCharToMultiByte(CP_ACP, 0, infoW.lpszText, -1, szNarrow, sizeof szNarrow, nullptr,
                              nullptr);
        EXPECT_STREQ(szNarrow, c.pszTip) << c.nID;
    }
}

TEST(ToolBarHelp, TheToolTipShowsOverAButton)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CToolBar& bar = program.pFrame->m_wndToolBar;
    bar.SetBarStyle(bar.GetBarStyle() | CBRS_TOOLTIPS);
    HWND hWndTip = (HWND)bar.SendMessage(TB_GETTOOLTIPS);
    ASSERT_NE(hWndTip, nullptr);

    // The pointer over the second button, the move relayed to the tip, which pops up.
    CPoint pt = ButtonCentre(bar, 1);
    CPoint ptScreen = pt;
    bar.ClientToScreen(&ptScreen);
    // A tip shows only for an active window, and checks the real pointer when its timer fires:
    // the frame is made active and kept on top, and the pointer is put back over the button
    // until the tip shows. Every relayed move restarts the tip's delay, so the move is relayed
    // again only after the delay had time to run out.
    program.pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0,
                                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    program.pFrame->SetForegroundWindow();
    program.pFrame->SetActiveWindow();
    ::SendMessageA(hWndTip, TTM_SETDELAYTIME, TTDT_INITIAL, 1);
    MSG msg = {bar.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(pt.x, pt.y), (DWORD)::GetMessageTime(),
               ptScreen};
    DWORD dwLastRelay = 0;
    bool bRelayed = false;
    ASSERT_TRUE(PumpUntil(
        [&] {
            if (::IsWindowVisible(hWndTip))
                return true;
            if (!bRelayed || ::GetTickCount() - dwLastRelay > 250) {
                ::SetCursorPos(ptScreen.x, ptScreen.y);
                ::SendMessageA(hWndTip, TTM_RELAYEVENT, 0, (LPARAM)&msg);
                dwLastRelay = ::GetTickCount();
                bRelayed = true;
            }
            return false;
        },
        5000));
    char szText[80] = "";
    ::GetWindowTextA(hWndTip, szText, sizeof szText);
    EXPECT_STREQ(szText, "Second");
}

TEST(ToolBarResources, ADamagedToolbarResourceIsRefused)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CToolBar bar;
    ASSERT_TRUE(bar.Create(program.pFrame, WS_CHILD | CBRS_TOP, AFX_IDW_CONTROLBAR_USER));
    // The count says 64 buttons; the resource holds one.
    EXPECT_FALSE(bar.LoadToolBar(IDR_BARS_BROKENBAR));
    EXPECT_FALSE(bar.LoadToolBar(12345)); // none of that name
    EXPECT_TRUE(bar.LoadToolBar(IDR_BARS_OTHERBAR));
    EXPECT_EQ(bar.GetButtonCount(), 1);
    // Buttons made by SetButtonInfo.
    ASSERT_TRUE(bar.SetButtons(nullptr, 3));
    bar.SetButtonInfo(0, ID_BARS_ONE, TBBS_BUTTON, 0);
    bar.SetButtonInfo(1, ID_SEPARATOR, TBBS_SEPARATOR, 20);
    bar.SetButtonInfo(2, ID_BARS_TWO, TBBS_CHECKBOX, 1);
    UINT nID, nStyle;
    int iImage;
    bar.GetButtonInfo(1, nID, nStyle, iImage);
    EXPECT_EQ(nStyle & 0xFF, (UINT)TBBS_SEPARATOR);
    EXPECT_EQ(iImage, 20);
    CRect rect;
    bar.GetItemRect(1, &rect);
    EXPECT_EQ(rect.Width(), 20); // a separator is as wide as its image index says
    bar.GetButtonInfo(2, nID, nStyle, iImage);
    EXPECT_EQ(nID, (UINT)ID_BARS_TWO);
    EXPECT_EQ(nStyle & 0xFF, (UINT)TBBS_CHECKBOX);
    EXPECT_EQ(iImage, 1);
}

} // namespace

namespace {

// The frame's client area as the screen shows it, one COLORREF a pixel.
std::vector<COLORREF> CaptureClient(CWnd* pWnd, CSize& size)
{
    CRect rect;
    pWnd->GetClientRect(&rect);
    size = rect.Size();
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = size.cx;
    bmi.bmiHeader.biHeight = -size.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HDC hDC = ::GetDC(pWnd->m_hWnd);
    CGdiHandle<HBITMAP> hbm(::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    std::vector<COLORREF> pixels;
    {
        CGdiMemoryDC memDC(hDC);
        CGdiSelection select(memDC.Get(), hbm.Get());
        ::BitBlt(memDC.Get(), 0, 0, size.cx, size.cy, hDC, 0, 0, SRCCOPY);
        ::GdiFlush();
        const DWORD* p = (const DWORD*)pBits;
        for (int i = 0; i < size.cx * size.cy; i++)
            pixels.push_back(RGB((p[i] >> 16) & 0xFF, (p[i] >> 8) & 0xFF, p[i] & 0xFF));
    }
    ::ReleaseDC(pWnd->m_hWnd, hDC);
    return pixels;
}

TEST(ControlBarScreenshot, TheFrameShowsItsBarsWhereTheLayoutPutThem)
{
    BarsProgram program;
    ASSERT_NE(program.pFrame, nullptr);
    CBarsFrame* pFrame = program.pFrame;
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pFrame->RedrawWindow(nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    CSize size;
    std::vector<COLORREF> pixels = CaptureClient(pFrame, size);
    ASSERT_EQ(pixels.size(), (size_t)(size.cx * size.cy));

    // Along the middle of the toolbar: the four images in button order (red, green,
    // blue, yellow), each once.
    CRect toolbar = program.ChildRect(&pFrame->m_wndToolBar);
    CRect rectButton;
    pFrame->m_wndToolBar.GetItemRect(0, &rectButton);
    int y = toolbar.top + rectButton.CenterPoint().y;
    const COLORREF images[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
    std::vector<int> runs;
    int nLast = -1;
    for (int x = 0; x < size.cx; x++) {
        COLORREF clr = pixels[y * size.cx + x];
        int nImage = -1;
        for (int i = 0; i < 4; i++)
            if (clr == images[i])
                nImage = i;
        if (nImage >= 0 && nImage != nLast)
            runs.push_back(nImage);
        nLast = nImage;
    }
    EXPECT_EQ(runs, (std::vector<int> {0, 1, 2, 3}));
    // Each image lies inside its button's rectangle.
    const int buttons[] = {0, 1, 3, 4};
    for (int i = 0; i < 4; i++) {
        CRect rect;
        pFrame->m_wndToolBar.GetItemRect(buttons[i], &rect);
        CPoint pt = rect.CenterPoint() + toolbar.TopLeft();
        EXPECT_EQ(pixels[pt.y * size.cx + pt.x], images[i]) << "button " << buttons[i];
    }
    // No image colour below the toolbar (the view and the status bar).
    int nStray = 0;
    for (int yy = toolbar.bottom; yy < size.cy; yy++)
        for (int x = 0; x < size.cx; x++)
            for (COLORREF clr : images)
                nStray += pixels[yy * size.cx + x] == clr;
    EXPECT_EQ(nStray, 0);
    pFrame->SetWindowPos(&CWnd::wndNoTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

} // namespace
