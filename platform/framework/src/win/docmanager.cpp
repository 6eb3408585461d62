// The document manager: the templates, File New (with the framework's New dialog when
// there are several kinds of document), File Open, opening a file with the template
// that suits it best, and saving or closing every document.
#include "fw/win.h"
#include "docview_util.h"

#include <string>

IMPLEMENT_DYNAMIC(CDocManager, CObject)

CDocManager::CDocManager() = default;

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty()) {
        CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.RemoveHead();
        if (pTemplate->m_bAutoDelete)
            delete pTemplate;
    }
}

void CDocManager::AddDocTemplate(CDocTemplate* pTemplate)
{
    if (pTemplate == nullptr || m_templateList.Find(pTemplate) != nullptr)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const
{
    return m_templateList.GetHeadPosition();
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const
{
    return (CDocTemplate*)m_templateList.GetNext(pos);
}

int CDocManager::GetOpenDocumentCount()
{
    int nOpen = 0;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        for (POSITION posDoc = pTemplate->GetFirstDocPosition(); posDoc != nullptr;
             pTemplate->GetNextDoc(posDoc))
            nOpen++;
    }
    return nOpen;
}

BOOL CDocManager::SaveAllModified()
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR lpszFileName)
{
    // The name as the shell passes it may be quoted.
    CString strName(lpszFileName);
    strName.TrimLeft();
    strName.TrimRight();
    if (strName.GetLength() >= 2 && strName[0] == '"' && strName[strName.GetLength() - 1] == '"')
        strName = strName.Mid(1, strName.GetLength() - 2);
    char szPath[MAX_PATH];
    if (::GetFullPathNameA(strName, MAX_PATH, szPath, nullptr) == 0)
        lstrcpynA(szPath, strName, MAX_PATH);

    CDocTemplate* pBestTemplate = nullptr;
    CDocument* pOpenDocument = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CDocument* pOpenDoc = nullptr;
        CDocTemplate::Confidence match = pTemplate->MatchDocType(szPath, pOpenDoc);
        if (match > bestMatch) {
            bestMatch = match;
            pBestTemplate = pTemplate;
        }
        if (match == CDocTemplate::yesAlreadyOpen) {
            pOpenDocument = pOpenDoc;
            break;
        }
    }
    if (pOpenDocument != nullptr) {
        // Already open: its window comes to the front.
        POSITION pos = pOpenDocument->GetFirstViewPosition();
        if (pos != nullptr) {
            CView* pView = pOpenDocument->GetNextView(pos);
            CFrameWnd* pFrame = pView->GetParentFrame();
            if (pFrame != nullptr) {
                pFrame->ActivateFrame();
                CFrameWnd* pAppFrame = pFrame->GetParentFrame();
                if (pAppFrame != nullptr)
                    pAppFrame->ActivateFrame();
            }
        }
        return pOpenDocument;
    }
    if (pBestTemplate == nullptr) {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    return pBestTemplate->OpenDocumentFile(szPath);
}

namespace {

// One "Name\0*.ext;*.e2\0" pair of a template's filter; the first template's
// extension becomes the default.
void AppendFilter(std::string& filter, OPENFILENAMEA& ofn, CDocTemplate* pTemplate,
                  CString* pstrDefaultExt)
{
    CString strFilterExt, strFilterName;
    if (!pTemplate->GetDocString(strFilterExt, CDocTemplate::filterExt) || strFilterExt.IsEmpty() ||
        !pTemplate->GetDocString(strFilterName, CDocTemplate::filterName) ||
        strFilterName.IsEmpty())
        return;
    if (pstrDefaultExt != nullptr) {
        CString strFirst;
        AfxExtractSubString(strFirst, strFilterExt, 0, ';');
        *pstrDefaultExt = strFirst.Mid(1); // without the '.'
        ofn.nFilterIndex = ofn.nMaxCustFilter + 1;
    }
    filter += (LPCSTR)strFilterName;
    filter += '\0';
    CString strExt;
    for (int i = 0; AfxExtractSubString(strExt, strFilterExt, i, ';'); i++) {
        if (i > 0)
            filter += ';';
        filter += '*';
        filter += (LPCSTR)strExt;
    }
    filter += '\0';
    ofn.nMaxCustFilter++;
}

} // namespace

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                                   BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    CFileDialog dlgFile(bOpenFileDialog, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        nullptr, nullptr);
    CString strTitle;
    strTitle.LoadString(nIDSTitle);
    dlgFile.m_ofn.Flags |= lFlags;

    std::string filter;
    CString strDefault;
    if (pTemplate != nullptr) {
        AppendFilter(filter, dlgFile.m_ofn, pTemplate, &strDefault);
    } else {
        BOOL bFirst = TRUE;
        for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr; bFirst = FALSE)
            AppendFilter(filter, dlgFile.m_ofn, GetNextDocTemplate(pos),
                         bFirst ? &strDefault : nullptr);
    }
    CString strAll;
    strAll.LoadString(AFX_IDS_ALLFILTER);
    filter += (LPCSTR)strAll;
    filter += '\0';
    filter += "*.*";
    filter += '\0';
    filter += '\0';
    dlgFile.m_ofn.nMaxCustFilter++;
    dlgFile.m_ofn.lpstrFilter = filter.c_str();
    dlgFile.m_ofn.lpstrTitle = strTitle;
    if (!strDefault.IsEmpty())
        dlgFile.m_ofn.lpstrDefExt = strDefault;
    lstrcpynA(dlgFile.m_ofn.lpstrFile, fileName, (int)dlgFile.m_ofn.nMaxFile);

    if (dlgFile.DoModal() != IDOK)
        return FALSE;
    fileName = dlgFile.GetPathName();
    return TRUE;
}

void CDocManager::OnFileOpen()
{
    CString strNewName;
    if (!DoPromptFileName(strNewName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE,
                          nullptr))
        return;
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr)
        pApp->OpenDocumentFile(strNewName);
    else
        OpenDocumentFile(strNewName);
}

BOOL CDocManager::OnDDECommand(LPSTR lpszCommand)
{
    // [open("path")]: the one command the shell sends.
    CString strCommand(lpszCommand);
    if (strCommand.Left(7).CompareNoCase("[open(\"") != 0)
        return FALSE;
    int iEnd = strCommand.Find("\")]", 7);
    if (iEnd < 0)
        return FALSE;
    CString strPath = strCommand.Mid(7, iEnd - 7);
    CWinApp* pApp = AfxGetApp();
    return (pApp != nullptr ? pApp->OpenDocumentFile(strPath) : OpenDocumentFile(strPath)) !=
        nullptr;
}

// --- File New and the framework's New dialog ----------------------------------------------------

namespace {

// The framework's New dialog (a list of the kinds of document), run modally through
// the modal seam.
class CNewTypeDlg : public CWnd
{
public:
    explicit CNewTypeDlg(CPtrList& templates) : m_templates(templates), m_pSelected(nullptr) { }

    CDocTemplate* Choose(CWnd* pParentWnd)
    {
        AFX_MODAL_REQUEST request = {};
        request.nKind = afxModalDialog;
        request.pObject = this;
        request.lpszTemplate = MAKEINTRESOURCEA(AFX_IDD_NEWTYPEDLG);
        request.strCaption = "New";
        HWND hWndOwner = CWnd::GetSafeOwner(pParentWnd)->GetSafeHwnd();
        request.hWndOwner = hWndOwner;
        AFX_MODAL_REPLY reply = AfxAskModalAnswer(request);
        if (reply.nAction == AFX_MODAL_REPLY::answer) {
            // Answered unseen: OK takes the kind listed first.
            return reply.nResult == IDOK ? FirstNamed() : nullptr;
        }

        HWND hWnd =
            ::CreateDialogParamA(AfxFindResourceHandle(request.lpszTemplate, (LPCSTR)RT_DIALOG),
                                 request.lpszTemplate, hWndOwner, DialogProc, (LPARAM)this);
        if (hWnd == nullptr)
            return nullptr;
        Attach(hWnd);
        if (reply.nAction == AFX_MODAL_REPLY::script)
            AfxSetModalScript(hWnd, reply.fnScript);
        BOOL bOwnerEnabled = hWndOwner != nullptr && ::IsWindowEnabled(hWndOwner);
        if (bOwnerEnabled)
            ::EnableWindow(hWndOwner, FALSE);
        ::ShowWindow(hWnd, SW_SHOWNORMAL);
        int nResult = RunModalLoop(0);
        if (bOwnerEnabled) {
            ::EnableWindow(hWndOwner, TRUE);
            ::SetActiveWindow(hWndOwner);
        }
        Detach();
        ::DestroyWindow(hWnd);
        return nResult == IDOK ? m_pSelected : nullptr;
    }

    BOOL PreTranslateMessage(MSG* pMsg) override { return ::IsDialogMessageA(m_hWnd, pMsg); }

private:
    CDocTemplate* FirstNamed() const
    {
        for (POSITION pos = m_templates.GetHeadPosition(); pos != nullptr;) {
            CDocTemplate* pTemplate = (CDocTemplate*)m_templates.GetNext(pos);
            CString strTypeName;
            if (pTemplate->GetDocString(strTypeName, CDocTemplate::fileNewName) &&
                !strTypeName.IsEmpty())
                return pTemplate;
        }
        return nullptr;
    }

    void Fill(HWND hWnd)
    {
        HWND hList = ::GetDlgItem(hWnd, AFX_IDC_LISTBOX);
        for (POSITION pos = m_templates.GetHeadPosition(); pos != nullptr;) {
            CDocTemplate* pTemplate = (CDocTemplate*)m_templates.GetNext(pos);
            CString strTypeName;
            if (pTemplate->GetDocString(strTypeName, CDocTemplate::fileNewName) &&
                !strTypeName.IsEmpty()) {
                int nIndex =
                    (int)::SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)(LPCSTR)strTypeName);
                ::SendMessageA(hList, LB_SETITEMDATA, nIndex, (LPARAM)pTemplate);
            }
        }
        ::SendMessageA(hList, LB_SETCURSEL, 0, 0);
    }

    void End(HWND hWnd, int nResult)
    {
        if (nResult == IDOK) {
            HWND hList = ::GetDlgItem(hWnd, AFX_IDC_LISTBOX);
            int nIndex = (int)::SendMessageA(hList, LB_GETCURSEL, 0, 0);
            if (nIndex == LB_ERR)
                return; // nothing chosen yet
            m_pSelected = (CDocTemplate*)::SendMessageA(hList, LB_GETITEMDATA, nIndex, 0);
        }
        EndModalLoop(nResult);
    }

    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
    {
        if (nMsg == WM_INITDIALOG) {
            ::SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
            ((CNewTypeDlg*)lParam)->Fill(hWnd);
            return TRUE;
        }
        CNewTypeDlg* pDlg = (CNewTypeDlg*)::GetWindowLongPtrA(hWnd, DWLP_USER);
        if (pDlg == nullptr || nMsg != WM_COMMAND)
            return FALSE;
        if (LOWORD(wParam) == IDOK ||
            (LOWORD(wParam) == AFX_IDC_LISTBOX && HIWORD(wParam) == LBN_DBLCLK))
            pDlg->End(hWnd, IDOK);
        else if (LOWORD(wParam) == IDCANCEL)
            pDlg->End(hWnd, IDCANCEL);
        return TRUE;
    }

    CPtrList& m_templates;
    CDocTemplate* m_pSelected;
};

} // namespace

void CDocManager::OnFileNew()
{
    if (m_templateList.IsEmpty()) {
        AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
        return;
    }
    CDocTemplate* pTemplate = (CDocTemplate*)m_templateList.GetHead();
    if (m_templateList.GetCount() > 1) {
        CNewTypeDlg dlg(m_templateList);
        pTemplate = dlg.Choose(AfxGetMainWnd());
        if (pTemplate == nullptr)
            return; // cancelled
    }
    pTemplate->OpenDocumentFile(nullptr);
}
