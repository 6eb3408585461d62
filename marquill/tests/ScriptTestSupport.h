// What the script tests share: the program's application object with its script template,
// document manager and main frame, a new or opened script, keys through the view's filter,
// and the modal windows answered through the framework's seam.
#pragma once
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "AppTestSupport.h"
#include "MainFrame.h"
#include "ScriptDoc.h"
#include "ScriptView.h"
#include "richtext/Codepage.h"

// Answers the modal windows of one test with the given answerer.
class ModalAnswers
{
public:
    explicit ModalAnswers(AFX_MODAL_ANSWERER answerer)
    {
        m_previous = AfxSetModalAnswerer(std::move(answerer));
    }
    ~ModalAnswers() { AfxSetModalAnswerer(m_previous); }

private:
    AFX_MODAL_ANSWERER m_previous;
};

class ScriptFixture : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        ASSERT_TRUE(m_app.FirstInstance());
        m_app.m_bPowerPointAvailable = 1;
        m_app.AddScriptTemplate();
        m_app.EnumMonitors();
        RegisterGridWindowClass();
        ASSERT_TRUE(m_app.CreateMainFrame());
        m_app.RegisterScriptFormats();
    }
    void TearDown() override
    {
        m_app.m_bPrompting = 0;
        m_app.CloseAllDocuments(TRUE);
        if (m_app.m_pMainWnd && ::IsWindow(m_app.m_pMainWnd->m_hWnd))
            m_app.m_pMainWnd->DestroyWindow();
        m_app.m_pMainWnd = nullptr;
        Pump();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        ::UnregisterClassA(kMarquillWindowClass, AfxGetInstanceHandle());
        AppFixture::TearDown();
    }
    // The grid window class, as the program's start of the grid library registers it (the
    // rundown bar's tab window needs it).
    static void RegisterGridWindowClass()
    {
        WNDCLASSA wc = {};
        if (::GetClassInfoA(AfxGetInstanceHandle(), "GXWND", &wc))
            return;
        wc.style = CS_GLOBALCLASS | CS_DBLCLKS;
        wc.lpfnWndProc = ::DefWindowProcA;
        wc.hInstance = AfxGetInstanceHandle();
        wc.lpszClassName = "GXWND";
        AfxRegisterClass(&wc);
    }
    static void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                continue;
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    CMainFrame* Frame() { return static_cast<CMainFrame*>(m_app.m_pMainWnd); }
    // A new, empty script in its window.
    CTXWordsDoc* NewScript()
    {
        m_app.m_pDocManager->OnFileNew();
        return ActiveScript();
    }
    CTXWordsDoc* Open(const std::string& path)
    {
        return static_cast<CTXWordsDoc*>(m_app.OpenDocumentFile(path.c_str()));
    }
    CTXWordsDoc* ActiveScript()
    {
        CFrameWnd* child = Frame()->GetActiveFrame();
        CDocument* doc = child ? child->GetActiveDocument() : nullptr;
        return doc && doc->IsKindOf(RUNTIME_CLASS(CTXWordsDoc)) ? static_cast<CTXWordsDoc*>(doc)
                                                                : nullptr;
    }
    // A menu command as the frame sends it (routed to the active view).
    void Command(UINT id) { Frame()->SendMessage(WM_COMMAND, id, 0); }
    // Whether the active view enables a command.
    bool Enabled(CMyTXWordsView* view, UINT id)
    {
        struct Probe : CCmdUI
        {
            bool enabled = false;
            void Enable(BOOL on) override { enabled = on != FALSE; }
        } probe;
        probe.m_nID = id;
        probe.DoUpdate(view, FALSE);
        return probe.enabled;
    }
};

// Keys and characters through the view's filter, then to the control as the pump sends them.
inline void PressKey(CMyTXWordsView* view, UINT key)
{
    MSG msg = {view->GetTextControl()->m_hWnd, WM_KEYDOWN, key, 1};
    if (!view->PreTranslateMessage(&msg))
        view->GetTextControl()->SendMessage(msg.message, msg.wParam, msg.lParam);
}

inline void TypeText(CMyTXWordsView* view, const std::string& text)
{
    for (char c : text) {
        MSG msg = {view->GetTextControl()->m_hWnd, WM_CHAR, (WPARAM)(unsigned char)c, 1};
        if (!view->PreTranslateMessage(&msg))
            view->GetTextControl()->SendMessage(msg.message, msg.wParam, msg.lParam);
    }
}

inline std::string ViewText(CMyTXWordsView* view)
{
    return richtext::Utf16ToAnsi(view->GetTextControl()->Core().Document().Text());
}

inline long Caret(CMyTXWordsView* view) { return view->GetSelPair().second; }

inline std::string TempPath(const char* name)
{
    char dir[MAX_PATH];
    ::GetTempPathA(sizeof dir, dir);
    return std::string(dir) + "mqscript_" + name;
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
