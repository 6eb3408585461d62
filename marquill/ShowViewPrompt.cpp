// CShowView: prompting the show from a row, or one of its scripts. Every script row's text
// is read as RTF here, on the user-interface thread, before the prompter starts; the
// prompter's text callback, which its worker thread also calls, only copies it.
#include "ShowView.h"

#include <vector>

#include "MarquillCmdWnd.h"
#include "PromptModel.h"
#include "ScreenChoice.h"
#include "TXWords.h"
#include "qelstring.h"

namespace {
// "HH:MM:SS" in seconds: characters 1-2 hours, 4-5 minutes, 7-8 seconds; empty is 0.
long TtlSeconds(const CString& ttl)
{
    if (ttl.IsEmpty())
        return 0;
    return atol(ttl.Mid(0, 2)) * 3600L + atol(ttl.Mid(3, 2)) * 60L + atol(ttl.Mid(6, 2));
}
} // namespace

prmptRecord* CShowView::MakeRecord(CFileInfo* row)
{
    prmptRecord* record = new prmptRecord;
    record->m_lRecordId = row->RecNo;
    record->m_lRecordNo = row->Position;
    record->m_tmTime = CTime(1980, 1, 1, 0, 0, 0);
    record->m_strName = row->Slug;
    record->m_strText = row->PageNo;
    record->m_tsLength =
        CTimeSpan((LONGLONG)(row->RowType == ROW_BREAK ? row->BreakSeconds : TtlSeconds(row->TTL)));
    record->m_nType = (short)row->RowType;
    if (row->RowType == ROW_END_OF_SHOW)
        m_bPromptEnd = 1;
    return record;
}

prmptRecord* CShowView::GetNextPromptRecord(void* owner)
{
    CShowView* view = static_cast<CShowView*>(owner);
    if (view->m_bPromptEnd || view->m_posPrompt == nullptr)
        return nullptr;
    CFileInfo* row = view->m_ScriptList.GetRow(view->m_posPrompt);
    return view->MakeRecord(row);
}

void CShowView::ResetPromptRecords(void* owner)
{
    CShowView* view = static_cast<CShowView*>(owner);
    view->m_posPrompt = view->m_ScriptList.GetHeadPosition();
    view->m_bPromptEnd = 0;
}

prmptRecord* CShowView::MakePromptRecord(void* owner, int nPosition)
{
    CShowView* view = static_cast<CShowView*>(owner);
    for (POSITION pos = view->m_ScriptList.GetHeadPosition(); pos != nullptr;) {
        CFileInfo* row = view->m_ScriptList.GetRow(pos);
        if (row->RowType != ROW_BREAK && row->RowType != ROW_END_OF_SHOW &&
            row->Position == nPosition)
            return view->MakeRecord(row);
    }
    return nullptr;
}

CString CShowView::LoadScriptRtf(long nRecNo)
{
    for (POSITION pos = m_ScriptList.GetHeadPosition(); pos != nullptr;) {
        CFileInfo* row = m_ScriptList.GetRow(pos);
        if (row->RecNo == nRecNo)
            return row->ScriptPath.IsEmpty()
                ? CString()
                : CString(CTXWordsApp::LoadScriptAsRtf(row->ScriptPath).c_str());
    }
    return CString();
}

void CShowView::LoadPromptTexts()
{
    std::map<long, std::string> texts;
    for (POSITION pos = m_ScriptList.GetHeadPosition(); pos != nullptr;) {
        CFileInfo* row = m_ScriptList.GetRow(pos);
        if (row->RowType == ROW_SCRIPT)
            texts[row->RecNo] = (LPCSTR)LoadScriptRtf(row->RecNo);
    }
    std::lock_guard<std::mutex> lock(m_promptTextLock);
    m_promptTexts.swap(texts);
}

bool CShowView::GetScriptText(void* owner, long nRecNo, qelstring& text)
{
    CShowView* view = static_cast<CShowView*>(owner);
    std::lock_guard<std::mutex> lock(view->m_promptTextLock);
    auto found = view->m_promptTexts.find(nRecNo);
    text = found != view->m_promptTexts.end() ? found->second : std::string();
    // A script that could not be read is prompted empty.
    return true;
}

void CShowView::PrompterDone(void* owner, int)
{
    CShowView* view = static_cast<CShowView*>(owner);
    CTXWordsApp* app = GetTXWordsApp();
    app->m_bPrompting = 0;
    if (app->m_nSpeedProgramming && g_pPrompter) {
        app->m_nSpeedProgramming = 0;
        app->m_SpeedKeys.assign(g_pPrompter->m_speedKeys.begin(), g_pPrompter->m_speedKeys.end());
    }
    if (view->GetSafeHwnd() != nullptr)
        view->ShowCaret();
}

LRESULT CShowView::OnPrompterClosed(WPARAM, LPARAM)
{
    GetTXWordsApp()->m_bPrompting = 0;
    if (g_pPrompter) {
        if (g_pPrompter->GetSafeHwnd())
            g_pPrompter->DestroyWindow();
        delete g_pPrompter;
        g_pPrompter = nullptr;
    }
    std::lock_guard<std::mutex> lock(m_promptTextLock);
    m_promptTexts.clear();
    return 0;
}

namespace {
void PrepareShowPrompter(CShowView* view)
{
    if (g_pPrompter == nullptr)
        g_pPrompter = new CMarquillCmdWnd;
    GetTXWordsApp()->ApplyPrompterSettings();
    g_pPrompter->m_bScriptHeaders = (int)view->m_bUseScriptSeparator;
    // A show never loops.
    g_pPrompter->m_bPromptContinuous = 0;
    g_pPrompter->m_pfnNextRecord = &CShowView::GetNextPromptRecord;
    g_pPrompter->m_pfnResetRecords = &CShowView::ResetPromptRecords;
    g_pPrompter->m_pfnGetRecord = &CShowView::MakePromptRecord;
    g_pPrompter->m_pfnGetScriptText = &CShowView::GetScriptText;
    g_pPrompter->m_pfnPromptDone = &CShowView::PrompterDone;
}

void StartRun(int nStart, bool bWholeShow)
{
    if (g_pPrompter == nullptr || g_pPrompter->GetSafeHwnd() == nullptr)
        return;
    if (bWholeShow)
        g_pPrompter->OnPromptShow(nStart);
    else
        g_pPrompter->OnPromptNow(nStart, 0);
}
} // namespace

bool CShowView::PromptShowFullScreen(int nStart, bool bWholeShow)
{
    CTXWordsApp* app = GetTXWordsApp();
    HMONITOR monitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    auto found = app->m_Monitors.find(monitor);
    if (found == app->m_Monitors.end())
        return false;
    PrepareShowPrompter(this);
    g_pPrompter->Create(this, CRect(FullScreenCreateRect(found->second.rcMonitor)),
                        WINTYPE_FULLSCREEN, 0, CRect(0, 0, 0, 0));
    StartRun(nStart, bWholeShow);
    return true;
}

void CShowView::PromptShowInWindow(int nStart, int nScreens, bool bWholeShow)
{
    CRect viewRect;
    GetWindowRect(&viewRect);
    RECT screen, window;
    GetTXWordsApp()->GetWindowPrompterRects(viewRect, screen, window);
    PrepareShowPrompter(this);
    g_pPrompter->Create(this, CRect(window), WINTYPE_WINDOW, nScreens, CRect(screen));
    StartRun(nStart, bWholeShow);
}

namespace {
// Starts the run with the creator the settings choose.
void StartPrompter(CShowView* view, int nStart, bool bWholeShow)
{
    CTXWordsApp* app = GetTXWordsApp();
    app->m_bPrompting = 1;
    app->EnumMonitors();
    view->LoadPromptTexts();
    view->m_posPrompt = view->m_ScriptList.GetHeadPosition();
    view->m_bPromptEnd = 0;
    if (!app->m_bWindowPrompter && !app->m_bDualScreen && !app->m_bForegroundScreenActive) {
        if (!view->PromptShowFullScreen(nStart, bWholeShow))
            app->m_bPrompting = 0; // no monitor holds the view: nothing was started
        return;
    }
    view->PromptShowInWindow(nStart,
                             app->m_bForegroundScreenActive ? 2
                                 : app->m_bDualScreen       ? 1
                                                            : 0,
                             bWholeShow);
}
} // namespace

void CShowView::OnPromptSelectedScript()
{
    CTXWordsApp* app = GetTXWordsApp();
    if (app->m_bPrompting)
        return;
    if (!app->CheckCaptionPortBeforePrompting())
        return;
    const long line = GetNextSelectedLine(-1);
    if (line < 0)
        return;
    CFileInfo* row = FindRowByPosition(line + 1);
    if (row == nullptr || row->RowType == ROW_BREAK || row->RowType == ROW_END_OF_SHOW)
        return;
    StartPrompter(this, (int)line + 1, false);
}

void CShowView::OnPromptShowFromSelection()
{
    CTXWordsApp* app = GetTXWordsApp();
    if (app->m_bPrompting)
        return;
    if (!app->CheckCaptionPortBeforePrompting())
        return;
    StartPrompter(this, PromptShowStart(GetNextSelectedLine(-1), GetEOSrow()), true);
}

int CShowView::PromptShowStart(long nSelectedLine, long nEOSRow)
{
    // The selected line counts from 0, the end-of-show row from 1: a selection on or after
    // the end-of-show row starts the show at its first row.
    if (nSelectedLine < 0 || nSelectedLine + 1 >= nEOSRow)
        return 1;
    return (int)nSelectedLine + 1;
}
