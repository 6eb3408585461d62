// Help: the compiled help file beside the program, shown by HTML Help in the window type
// "alfXX" (contents, index and home page of Marquill.chm).
#include "TXWords.h"

#include <htmlhelp.h>

#include "AboutDlg.h"
#include "MarquillResource.h"

namespace {

typedef HWND(WINAPI* PFN_HTMLHELPA)(HWND, LPCSTR, UINT, DWORD_PTR);

// The program's folder with its trailing backslash.
CString ProgramFolder()
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, sizeof path);
    char* slash = strrchr(path, '\\');
    if (slash)
        slash[1] = '\0';
    return CString(path);
}

} // namespace

CString CTXWordsApp::GetHelpFilePath() const { return ProgramFolder() + "Marquill.chm"; }

void CTXWordsApp::OnHelpTopics()
{
    // The viewer is loaded when it is first asked for; without it help is silently skipped.
    static HMODULE hHelp = ::LoadLibraryA("HHCTRL.OCX");
    PFN_HTMLHELPA htmlHelp =
        hHelp ? (PFN_HTMLHELPA)(void*)::GetProcAddress(hHelp, "HtmlHelpA") : nullptr;
    if (htmlHelp == nullptr)
        return;
    HWND owner = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    const CString folder = ProgramFolder();

    HH_WINTYPE type = {};
    type.cbStruct = sizeof type;
    type.pszType = "alfXX";
    type.fsValidMembers = HHWIN_PARAM_PROPERTIES | HHWIN_PARAM_STYLES | HHWIN_PARAM_TB_FLAGS;
    type.fsWinProperties = HHWIN_PROP_TRI_PANE | HHWIN_PROP_TAB_SEARCH;
    type.dwStyles = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
    type.fsToolBarFlags = HHWIN_BUTTON_EXPAND | HHWIN_BUTTON_BACK | HHWIN_BUTTON_FORWARD |
        HHWIN_BUTTON_HOME | HHWIN_BUTTON_PRINT;
    type.pszToc = ".\\Marquill.chm::/Marquill.hhc";
    type.pszIndex = ".\\Marquill.chm::/Marquill.hhk";
    type.pszHome = ".\\Marquill.chm::/index.htm";
    type.pszCaption = "Marquill Help";
    htmlHelp(owner, folder + "Marquill.chm", HH_SET_WIN_TYPE, (DWORD_PTR)&type);

    CString topic;
    topic.Format("%sMarquill.chm%s>alfXX", (LPCSTR)folder, "");
    htmlHelp(owner, topic, HH_DISPLAY_TOPIC, 0);
}

void CTXWordsApp::OnAppAbout()
{
    CAboutDlg about;
    about.DoModal();
}

void CTXWordsApp::OpenEmptyScript()
{
    if (m_pScriptTemplate == nullptr)
        return;
    try {
        // The template frees a document it could not finish.
        m_pScriptTemplate->OpenDocumentFile(nullptr);
    } catch (CException* e) {
        e->Delete();
        AfxMessageBox(
            "\nA print driver problem has occurred.\n\nPress button for more information.");
        return;
    }
    if (m_pMainWnd && m_pMainWnd->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)))
        ::SendMessageA(static_cast<CMDIFrameWnd*>(m_pMainWnd)->m_hWndMDIClient, WM_MDITILE, 0, 0);
}

void CTXWordsApp::ReportFileException(CException* pException, UINT nIDFallback, LPCSTR lpszExtra)
{
    CString message;
    if (pException && pException->IsKindOf(RUNTIME_CLASS(CMemoryException))) {
        message = "Out of memory!";
    } else if (pException && pException->IsKindOf(RUNTIME_CLASS(CFileException))) {
        const CFileException* pFileException = static_cast<CFileException*>(pException);
        UINT nID;
        switch (pFileException->m_cause) {
        case CFileException::fileNotFound:
            nID = IDS_FILE_NOT_FOUND;
            break;
        case CFileException::accessDenied:
            nID = IDS_ACCESS_DENIED;
            break;
        case CFileException::sharingViolation:
            nID = IDS_SHARING_VIOLATION;
            break;
        case CFileException::diskFull:
            nID = IDS_DISK_FULL;
            break;
        default:
            nID = IDS_FILE_ERROR;
            break;
        }
        message.LoadString(nID);
        if (!pFileException->m_strFileName.IsEmpty())
            message += "\n\n" + pFileException->m_strFileName;
    } else {
        message.LoadString(nIDFallback);
        if (lpszExtra && *lpszExtra)
            message += CString("\n\n") + lpszExtra;
    }
    AfxMessageBox(message, MB_ICONEXCLAMATION);
    if (pException)
        pException->Delete();
}

BOOL CTXWordsApp::RunShellCommand(CCommandLineInfo& info)
{
    // Nothing opens at start unless a file was named.
    if (info.m_nShellCommand == CCommandLineInfo::FileNew)
        info.m_nShellCommand = CCommandLineInfo::FileNothing;
    const bool bOpen = info.m_nShellCommand == CCommandLineInfo::FileOpen;
    m_bShellOpen = bOpen ? 1 : 0;
    const BOOL bDone = ProcessShellCommand(info);
    m_bShellOpen = 0;
    if (bDone)
        return TRUE;
    if (!bOpen)
        return FALSE;
    OpenEmptyScript();
    return TRUE;
}
