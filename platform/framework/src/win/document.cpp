// CDocument: views, the modified flag, new/open/save/close and the "save changes?"
// question. Saving never loses the old file: the document is written to a temporary
// file in the target's folder, which replaces the target only once it is complete.
#include "fw/win.h"
#include "fw/safe_save.h"
#include "docview_util.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument()
    : m_pDocTemplate(nullptr), m_bModified(FALSE), m_bAutoDelete(TRUE), m_bEmbedded(FALSE)
{ }

CDocument::~CDocument()
{
    // Views still attached forget this document.
    while (!m_viewList.IsEmpty())
        ((CView*)m_viewList.RemoveHead())->m_pDocument = nullptr;
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle;
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU)
{
    char szFull[MAX_PATH];
    if (::GetFullPathNameA(lpszPathName, MAX_PATH, szFull, nullptr) == 0)
        lstrcpynA(szFull, lpszPathName, MAX_PATH);
    m_strPathName = szFull;
    SetTitle(fw::FileTitleOf(m_strPathName));
    if (bAddToMRU) {
        CWinApp* pApp = AfxGetApp();
        if (pApp != nullptr)
            pApp->AddToRecentFileList(m_strPathName);
    }
}

BOOL CDocument::IsModified() { return m_bModified; }

void CDocument::SetModifiedFlag(BOOL bModified) { m_bModified = bModified; }

// --- views ----------------------------------------------------------------------------------

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return (CView*)m_viewList.GetNext(rPosition);
}

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr || pView->m_pDocument == this)
        return;
    if (pView->m_pDocument != nullptr)
        pView->m_pDocument->RemoveView(pView);
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView)
{
    POSITION pos = m_viewList.Find(pView);
    if (pos == nullptr)
        return;
    m_viewList.RemoveAt(pos);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList()
{
    // The last view gone closes an auto-delete document.
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        if (pView != pSender)
            pView->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::UpdateFrameCounts()
{
    // Number the frames (":1", ":2") when the document has more than one.
    CPtrList frames;
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->m_hWnd != nullptr ? pView->GetParentFrame() : nullptr;
        if (pFrame != nullptr && frames.Find(pFrame) == nullptr)
            frames.AddTail(pFrame);
    }
    int nFrames = (int)frames.GetCount();
    int iFrame = 1;
    for (POSITION pos = frames.GetHeadPosition(); pos != nullptr;) {
        CFrameWnd* pFrame = (CFrameWnd*)frames.GetNext(pos);
        pFrame->m_nWindow = nFrames > 1 ? iFrame++ : 0;
        pFrame->OnUpdateFrameTitle(TRUE);
    }
}

HMENU CDocument::GetDefaultMenu() { return nullptr; }

HACCEL CDocument::GetDefaultAccel() { return nullptr; }

void CDocument::OnIdle() { }

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// --- new, open and close --------------------------------------------------------------------------

void CDocument::DeleteContents() { }

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

CFile* CDocument::GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError)
{
    CFile* pFile = new CFile;
    if (!pFile->Open(lpszFileName, nOpenFlags, pError)) {
        delete pFile;
        return nullptr;
    }
    return pFile;
}

void CDocument::ReleaseFile(CFile* pFile, BOOL bAbort)
{
    if (bAbort)
        pFile->Abort();
    else
        pFile->Close();
    delete pFile;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFileException fe;
    CFile* pFile = GetFile(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &fe);
    if (pFile == nullptr) {
        ReportSaveLoadException(lpszPathName, &fe, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE); // dirty while loading
    try {
        CArchive loadArchive(pFile, CArchive::load | CArchive::bNoFlushOnDelete);
        loadArchive.m_pDocument = this;
        CWaitCursor wait;
        if (pFile->GetLength() != 0)
            Serialize(loadArchive);
        loadArchive.Close();
        ReleaseFile(pFile, FALSE);
    } catch (CException* e) {
        ReleaseFile(pFile, TRUE);
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE, AFX_IDP_FAILED_TO_OPEN_DOC);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName)
{
    // Through the safe save: the old file stays as it was unless the whole new content
    // reached the disk. What Serialize threw is kept to tell the user the cause.
    CException* pThrown = nullptr;
    CFileException fe;
    BOOL bSaved = AfxSafeSaveFile(
        lpszPathName,
        [&](CFile& file) {
            try {
                CArchive saveArchive(&file, CArchive::store | CArchive::bNoFlushOnDelete);
                saveArchive.m_pDocument = this;
                CWaitCursor wait;
                Serialize(saveArchive);
                saveArchive.Close();
            } catch (CException* e) {
                pThrown = e;
                AfxThrowFileException(CFileException::generic);
            }
        },
        &fe);
    if (!bSaved) {
        if (pThrown != nullptr) {
            ReportSaveLoadException(lpszPathName, pThrown, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
            pThrown->Delete();
        } else {
            ReportSaveLoadException(lpszPathName, &fe, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        }
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                        UINT nIDPDefault)
{
    UINT nIDP = nIDPDefault;
    if (e != nullptr) {
        if (e->IsKindOf(RUNTIME_CLASS(CUserException)))
            return; // the user was told already
        if (e->IsKindOf(RUNTIME_CLASS(CArchiveException))) {
            switch (((CArchiveException*)e)->m_cause) {
            case CArchiveException::badSchema:
            case CArchiveException::badClass:
            case CArchiveException::badIndex:
            case CArchiveException::endOfFile:
                nIDP = AFX_IDP_FAILED_INVALID_FORMAT;
                break;
            }
        } else if (e->IsKindOf(RUNTIME_CLASS(CFileException))) {
            switch (((CFileException*)e)->m_cause) {
            case CFileException::fileNotFound:
            case CFileException::badPath:
                nIDP = AFX_IDP_FAILED_INVALID_PATH;
                break;
            case CFileException::diskFull:
                nIDP = AFX_IDP_FAILED_DISK_FULL;
                break;
            case CFileException::accessDenied:
            case CFileException::sharingViolation:
                nIDP = bSaving ? AFX_IDP_FAILED_ACCESS_WRITE : AFX_IDP_FAILED_ACCESS_READ;
                break;
            case CFileException::generic:
            case CFileException::hardIO:
            case CFileException::endOfFile:
                nIDP = bSaving ? AFX_IDP_FAILED_IO_ERROR_WRITE : AFX_IDP_FAILED_IO_ERROR_READ;
                break;
            }
        }
    }
    CString strPrompt = fw::FormatString1(nIDP, lpszPathName);
    AfxMessageBox(strPrompt, MB_ICONEXCLAMATION, nIDPDefault);
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString strName;
    if (m_strPathName.IsEmpty()) {
        strName = m_strTitle;
        if (strName.IsEmpty())
            strName.LoadString(AFX_IDS_UNTITLED);
    } else {
        strName = fw::FileTitleOf(m_strPathName);
    }
    switch (AfxMessageBox(fw::FormatString1(AFX_IDP_ASK_TO_SAVE, strName), MB_YESNOCANCEL,
                          AFX_IDP_ASK_TO_SAVE)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default: // IDNO: closed without saving
        return TRUE;
    }
}

BOOL CDocument::DoFileSave()
{
    // A read-only file, or none yet, is saved under a new name.
    DWORD dwAttrib = ::GetFileAttributesA(m_strPathName);
    if (m_strPathName.IsEmpty() ||
        (dwAttrib != INVALID_FILE_ATTRIBUTES && (dwAttrib & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CString strNewName = lpszPathName;
    if (strNewName.IsEmpty()) {
        strNewName = m_strPathName;
        if (bReplace && strNewName.IsEmpty()) {
            // Offer the title, without characters a file name cannot hold, with the
            // template's extension.
            strNewName = m_strTitle;
            int iBad = strNewName.FindOneOf(":/\\");
            if (iBad != -1)
                strNewName = strNewName.Left(iBad);
            CString strExt;
            if (m_pDocTemplate != nullptr &&
                m_pDocTemplate->GetDocString(strExt, CDocTemplate::filterExt) &&
                !strExt.IsEmpty()) {
                int iSemi = strExt.Find(';');
                strNewName += iSemi >= 0 ? strExt.Left(iSemi) : strExt;
            }
        }
        CWinApp* pApp = AfxGetApp();
        if (pApp == nullptr ||
            !pApp->DoPromptFileName(strNewName, bReplace ? AFX_IDS_SAVEFILE : AFX_IDS_SAVEFILECOPY,
                                    OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
            return FALSE;
    }
    // A failed save leaves the document modified and the file on disk as it was (and
    // a Save As over an existing file leaves that file alone).
    if (!OnSaveDocument(strNewName))
        return FALSE;
    if (bReplace)
        SetPathName(strNewName);
    return TRUE;
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrameArg)
{
    // Only the document's last frame asks to save it.
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame != pFrameArg)
            return TRUE;
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd*) { }

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views (and would close the document again).
    BOOL bAutoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.IsEmpty()) {
        CView* pView = (CView*)m_viewList.GetHead();
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr) {
            PreCloseFrame(pFrame);
            pFrame->DestroyWindow();
        } else {
            pView->DestroyWindow();
        }
        // A view that outlived its window (or had none) is let go here.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView)
            RemoveView(pView);
    }
    m_bAutoDelete = bAutoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave() { DoFileSave(); }

void CDocument::OnFileSaveAs() { DoSave(nullptr); }

void CDocument::OnUpdateFileSave(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
