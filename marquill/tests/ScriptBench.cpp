// A 60-minute script in the program's script window: what typing 1,000 characters costs
// (each through the view's field filter, the edit, the layout and the repaint), and the time
// from Prompt Now (F2) to the prompter's first painted frame.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>

#include "MainFrame.h"
#include "MarquillCmdWnd.h"
#include "ScriptDoc.h"
#include "ScriptView.h"
#include "TXWords.h"

namespace {
using Clock = std::chrono::steady_clock;
double Ms(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}
void Pump()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}
} // namespace

int main()
{
    CTXWordsApp app;
    if (!app.FirstInstance()) {
        std::printf("another instance runs\n");
        return 1;
    }
    app.m_bPowerPointAvailable = 1;
    app.AddScriptTemplate();
    app.EnumMonitors();
    if (!app.CreateMainFrame())
        return 1;
    app.RegisterScriptFormats();
    app.m_pDocManager->OnFileNew();
    CFrameWnd* child = static_cast<CMainFrame*>(app.m_pMainWnd)->GetActiveFrame();
    CTXWordsDoc* doc = static_cast<CTXWordsDoc*>(child->GetActiveDocument());
    CMyTXWordsView* view = doc->GetScriptView();
    CTXTextControl* control = view->GetTextControl();

    // 10,800 words: an hour at 180 words a minute, in paragraphs of 40 words.
    std::string script;
    const char* words[] = {"the", "council", "voted", "tonight", "to", "close", "harbour", "road"};
    for (int w = 0; w < 10800; ++w)
        script += std::string(words[w % 8]) + (w % 40 == 39 ? "\n" : " ");
    control->LoadFromMemory(script.data(), script.size(), TXFORMAT_TEXT);
    Pump();
    std::printf("script: %ld characters, ERT %s\n", static_cast<long>(script.size()),
                (LPCSTR)CTXWordsDoc::GetReadingTime(view->GetReadingCharacters()));

    // Typing in the middle, as the pump delivers keys: the view's filter, then the control.
    control->SetSel(static_cast<long>(script.size() / 2), static_cast<long>(script.size() / 2));
    const int n = 1000;
    auto t0 = Clock::now();
    for (int i = 0; i < n; ++i) {
        MSG msg = {control->m_hWnd, WM_CHAR, static_cast<WPARAM>(i % 7 == 6 ? ' ' : 'x'), 1};
        if (!view->PreTranslateMessage(&msg))
            control->SendMessage(msg.message, msg.wParam, msg.lParam);
        ::UpdateWindow(control->m_hWnd);
    }
    auto t1 = Clock::now();
    std::printf("typing %d characters into the 60-minute script: %.1f ms (%.3f ms a character)\n",
                n, Ms(t0, t1), Ms(t0, t1) / n);

    // F2 through the accelerators: the script read as RTF, the prompter made and its first
    // frame painted (OnPromptNow paints it before returning).
    app.m_bWindowPrompter = app.m_bDualScreen = app.m_bForegroundScreenActive = 0;
    app.m_bDoCaption = 0;
    control->SetSel(0, 0);
    MSG f2 = {control->m_hWnd, WM_KEYDOWN, VK_F2, 1};
    auto t2 = Clock::now();
    if (!app.PreTranslateMessage(&f2))
        control->SendMessage(f2.message, f2.wParam, f2.lParam);
    if (g_pPrompter)
        ::UpdateWindow(g_pPrompter->m_hWnd);
    auto t3 = Clock::now();
    if (!g_pPrompter) {
        std::printf("no prompter was started\n");
        return 1;
    }
    std::printf("F2 to the prompter's first frame (%d paragraphs): %.1f ms\n",
                static_cast<int>(g_pPrompter->m_lstParagraphs.GetCount()), Ms(t2, t3));
    g_pPrompter->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    for (int i = 0; i < 500 && g_pPrompter; ++i) {
        Pump();
        ::Sleep(10);
    }
    doc->SetModifiedFlag(FALSE);
    app.CloseAllDocuments(TRUE);
    if (app.m_pMainWnd && ::IsWindow(app.m_pMainWnd->m_hWnd))
        app.m_pMainWnd->DestroyWindow();
    ::UnregisterClassA(kMarquillWindowClass, AfxGetInstanceHandle());
    return 0;
}
