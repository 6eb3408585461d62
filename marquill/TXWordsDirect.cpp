// Prompting a file straight from the command line (switch D): no editor; the prompter is
// the main window and the run ends when it closes.
#include "TXWords.h"

#include <mutex>

#include "MarquillCmdWnd.h"
#include "PromptModel.h"
#include "ScreenChoice.h"
#include "ScriptFormat.h"
#include "ScriptView.h"
#include "qelstring.h"
#include "richtext/DocumentFormats.h"

namespace {

// The script of the run, prepared as RTF on the user-interface thread before the prompter
// starts; the text callback (also run on the engine's worker thread) only copies it.
std::mutex g_directTextLock;
std::string g_directText; // guarded by g_directTextLock

bool DirectPromptScriptText(void*, long, qelstring& text)
{
    std::lock_guard<std::mutex> lock(g_directTextLock);
    text = g_directText;
    return true;
}

void DirectPromptDone(void*, int) { }

} // namespace

std::string CTXWordsApp::LoadScriptAsRtf(const char* path)
{
    std::string text;
    const int format = DetectScriptFormat(path, 0);
    if (format == TXFORMAT_RTF) {
        ReadRtfFile(path, text);
    } else if (format > 0) {
        std::string error;
        if (!richtext::ConvertFileToRtf(path, format, text, error))
            text.clear();
    }
    return text;
}

BOOL CTXWordsApp::PromptDirect()
{
    if (m_bPrompting)
        return FALSE;
    if (!CheckCaptionPortBeforePrompting())
        return FALSE;
    m_bPrompting = 1;
    EnumMonitors();
    // With no saved window the run falls back to full screen.
    if ((m_bWindowPrompter || m_bDualScreen || m_bForegroundScreenActive) &&
        (m_nAppWidth == 0 || m_nAppHeight == 0))
        m_bWindowPrompter = m_bDualScreen = m_bForegroundScreenActive = 0;
    if (!m_bWindowPrompter && !m_bDualScreen && !m_bForegroundScreenActive)
        return PromptDirectFullScreen();
    if (!m_bDualScreen && !m_bForegroundScreenActive)
        return PromptDirectInWindow(0);
    return PromptDirectInWindow(m_bForegroundScreenActive ? 2 : 1);
}

namespace {

// Creates (when needed) and configures the one prompter for the command line's file.
CMarquillCmdWnd* PrepareDirectPrompter(CTXWordsApp* app)
{
    if (g_pPrompter == nullptr)
        g_pPrompter = new CMarquillCmdWnd;
    app->ApplyPrompterSettings();
    {
        std::string text = CTXWordsApp::LoadScriptAsRtf(app->m_strCmdLineFile);
        std::lock_guard<std::mutex> lock(g_directTextLock);
        g_directText.swap(text);
    }
    g_pPrompter->m_pfnGetScriptText = DirectPromptScriptText;
    g_pPrompter->m_pfnGetRecord = &CMyTXWordsView::MakeScriptRecord; // one record, the script
    g_pPrompter->m_pfnPromptDone = DirectPromptDone;
    return g_pPrompter;
}

BOOL StartDirectPrompter(CTXWordsApp* app, CRect rect, WINTYPE type, int screens, CRect rect2)
{
    CMarquillCmdWnd* prompter = PrepareDirectPrompter(app);
    prompter->Create(nullptr, rect, type, screens, rect2);
    if (prompter->GetSafeHwnd() == nullptr)
        return FALSE;
    app->m_pMainWnd = prompter;
    prompter->OnPromptNow(1, 0);
    return TRUE;
}

} // namespace

BOOL CTXWordsApp::PromptDirectFullScreen()
{
    const std::vector<ScreenMonitor> list = [this] {
        std::vector<ScreenMonitor> l;
        for (const auto& entry : m_Monitors)
            l.push_back(ScreenMonitor {(uintptr_t)entry.first, entry.second.rcMonitor});
        return l;
    }();
    const ScreenMonitor* monitor = MonitorOfFrame(list, GetSavedFrameRect());
    if (monitor == nullptr)
        return FALSE;
    return StartDirectPrompter(this, CRect(FullScreenCreateRect(monitor->rect)), WINTYPE_FULLSCREEN,
                               0, CRect(0, 0, 0, 0));
}

BOOL CTXWordsApp::PromptDirectInWindow(int mode)
{
    const bool sameMonitor =
        m_bForegroundScreenActive || (m_bWindowPrompter && m_nMonitorCount < 2);
    RECT screen;
    if (!GetPrompterScreenRect(screen, sameMonitor))
        return FALSE;
    const RECT window = m_bForegroundScreenActive
        ? MiniScreenRect(screen, m_nFGScreenSize, m_bFGRightJustified != 0)
        : GetSavedFrameRect();
    return StartDirectPrompter(this, CRect(window), WINTYPE_WINDOW, mode, CRect(screen));
}

void CTXWordsApp::EndDirectPrompt()
{
    if (g_pPrompter == nullptr)
        return;
    ::Sleep(500);
    if (m_pMainWnd == g_pPrompter)
        m_pMainWnd = nullptr;
    if (g_pPrompter->GetSafeHwnd())
        g_pPrompter->DestroyWindow();
    delete g_pPrompter;
    g_pPrompter = nullptr;
    m_bPrompting = 0;
}
