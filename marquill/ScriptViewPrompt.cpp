// Prompt Now: the script handed to the prompter, and the caret brought back to the
// paragraph the presenter reached.
#include "ScriptView.h"

#include <vector>

#include "MarquillCmdWnd.h"
#include "PromptModel.h"
#include "ScreenChoice.h"
#include "TXWords.h"
#include "qelstring.h"

void CMyTXWordsView::OnPromptNow()
{
    CTXWordsApp* app = GetTXWordsApp();
    if (app->m_bPrompting)
        return;
    // The caption port is checked when captions go out; a machine without the port still
    // prompts with captions off (as direct prompting does).
    if (!app->CheckCaptionPortBeforePrompting())
        return;
    app->m_bPrompting = 1;
    app->EnumMonitors();
    // The text is read here, on this thread; the prompter's threads only copy it.
    PreparePromptText();
    GetCaretParagraph();
    if (!app->m_bWindowPrompter && !app->m_bDualScreen && !app->m_bForegroundScreenActive) {
        if (!PromptFullScreen()) {
            // No monitor holds the editor: nothing was started, so nothing stays frozen.
            app->m_bPrompting = 0;
            AfxMessageBox("No screen was found for the prompter.", MB_ICONEXCLAMATION);
            return;
        }
    } else {
        PromptInWindow(app->m_bForegroundScreenActive ? 2 : app->m_bDualScreen ? 1 : 0);
    }
    if (g_pPrompter)
        g_pPrompter->OnPromptNow(1, m_nCaretParagraph);
}

namespace {
void PrepareScriptPrompter(CMyTXWordsView* view)
{
    if (g_pPrompter == nullptr)
        g_pPrompter = new CMarquillCmdWnd;
    GetTXWordsApp()->ApplyPrompterSettings();
    g_pPrompter->m_bScriptHeaders = 0;
    g_pPrompter->m_pfnGetRecord = &CMyTXWordsView::MakeScriptRecord;
    g_pPrompter->m_pfnGetScriptText = &CMyTXWordsView::GetScriptText;
    g_pPrompter->m_pfnPromptDone = &CMyTXWordsView::PrompterDone;
    (void)view;
}
} // namespace

bool CMyTXWordsView::PromptFullScreen()
{
    CTXWordsApp* app = GetTXWordsApp();
    HMONITOR monitor = ::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST);
    auto found = app->m_Monitors.find(monitor);
    if (found == app->m_Monitors.end())
        return false;
    PrepareScriptPrompter(this);
    g_pPrompter->Create(this, CRect(FullScreenCreateRect(found->second.rcMonitor)),
                        WINTYPE_FULLSCREEN, 0, CRect(0, 0, 0, 0));
    return true;
}

void CMyTXWordsView::PromptInWindow(int screens)
{
    CRect viewRect;
    GetWindowRect(&viewRect);
    RECT screen, window;
    GetTXWordsApp()->GetWindowPrompterRects(viewRect, screen, window);
    PrepareScriptPrompter(this);
    g_pPrompter->Create(this, CRect(window), WINTYPE_WINDOW, screens, CRect(screen));
}

CString CMyTXWordsView::GetEditorRtf()
{
    CByteArray bytes;
    if (!m_pTextControl || !m_pTextControl->SaveToMemory(bytes, TXFORMAT_RTF, 0))
        return CString();
    bytes.Add(0);
    CString text(reinterpret_cast<const char*>(bytes.GetData()));
    text.Replace("'ffffff", "'");
    text.Replace("'FFFFFF", "'");
    return text;
}

void CMyTXWordsView::PreparePromptText()
{
    std::string rtf((LPCSTR)GetEditorRtf());
    std::lock_guard<std::mutex> lock(m_promptTextLock);
    m_strPromptText.swap(rtf);
}

void CMyTXWordsView::GetCaretParagraph()
{
    m_nCaretParagraph = 0;
    if (!m_pTextControl)
        return;
    const TXPAIR sel = GetSelPair();
    std::u16string text;
    {
        std::lock_guard<std::recursive_mutex> g(m_pTextControl->Core().Lock());
        text = m_pTextControl->Core().Document().Text();
    }
    size_t p = static_cast<size_t>(std::max(sel.second, 0L));
    while (p < text.size() && text[p] == u'\n')
        ++p;
    int count = 0;
    for (size_t i = 0; i < p && i < text.size(); ++i)
        if (text[i] == u'\n')
            ++count;
    m_nCaretParagraph = count;
}

long CMyTXWordsView::GoToParagraph(int paragraph)
{
    if (!m_pTextControl)
        return 0;
    std::u16string text;
    {
        std::lock_guard<std::recursive_mutex> g(m_pTextControl->Core().Lock());
        text = m_pTextControl->Core().Document().Text();
    }
    // A header line: "[", a word, "]" and nothing above a blank up to the first line feed.
    long e = 0;
    bool header = false;
    const size_t close = text.find(u']'), feed = text.find(u'\n');
    if (!text.empty() && text[0] == u'[' && close != std::u16string::npos &&
        feed != std::u16string::npos && close < feed) {
        header = true;
        for (size_t i = close + 1; i < feed; ++i) {
            // Bytes are compared as signed: characters from 128 on count as blank.
            const char16_t c = text[i];
            if (c > 32 && c < 128) {
                header = false;
                break;
            }
        }
        if (header)
            e = static_cast<long>(feed);
    }
    long caret;
    if (paragraph <= 0) {
        caret = header ? e + 1 : 0;
    } else {
        caret = e;
        bool past = false;
        for (int k = 0; k < paragraph; ++k) {
            const size_t next =
                text.find(u'\n', static_cast<size_t>(caret) + (k || header ? 1 : 0));
            if (next == std::u16string::npos) {
                past = true;
                break;
            }
            caret = static_cast<long>(next);
        }
        // A paragraph past the last line feed: the end of the text.
        caret = past ? static_cast<long>(text.size()) : caret + 1;
    }
    SetSelPair(caret, caret);
    return caret;
}

prmptRecord* CMyTXWordsView::MakeScriptRecord(void*, int)
{
    prmptRecord* record = new prmptRecord;
    record->m_lRecordId = 1;
    record->m_lRecordNo = 1;
    record->m_nType = 0;
    record->m_strName = "Script";
    record->m_strText = "";
    record->m_tmTime = CTime(1980, 1, 1, 0, 0, 0);
    record->m_tsLength = CTimeSpan(0);
    record->m_lReserved = 0;
    return record;
}

bool CMyTXWordsView::GetScriptText(void* owner, long, qelstring& text)
{
    // Called on the prompter's worker thread too: only the prepared copy is read.
    CMyTXWordsView* view = static_cast<CMyTXWordsView*>(owner);
    std::lock_guard<std::mutex> lock(view->m_promptTextLock);
    text = view->m_strPromptText;
    // Success means there is a script to prompt (the engine drops the text of a failure).
    return !text.empty();
}

void CMyTXWordsView::PrompterDone(void* owner, int paragraph)
{
    CMyTXWordsView* view = static_cast<CMyTXWordsView*>(owner);
    CTXWordsApp* app = GetTXWordsApp();
    app->m_bPrompting = 0;
    if (app->m_nSpeedProgramming && g_pPrompter) {
        app->m_nSpeedProgramming = 0;
        app->m_SpeedKeys.assign(g_pPrompter->m_speedKeys.begin(), g_pPrompter->m_speedKeys.end());
    }
    view->m_nCaretParagraph = paragraph;
    view->GoToParagraph(paragraph);
    if (view->m_pTextControl && view->m_pTextControl->GetSafeHwnd())
        view->m_pTextControl->SetFocus();
}

LRESULT CMyTXWordsView::OnPrompterClosed(WPARAM, LPARAM)
{
    if (g_pPrompter) {
        if (g_pPrompter->GetSafeHwnd())
            g_pPrompter->DestroyWindow();
        delete g_pPrompter;
        g_pPrompter = nullptr;
    }
    GoToParagraph(m_nCaretParagraph);
    return 0;
}
