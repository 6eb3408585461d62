#include "ScriptDoc.h"

#include "ReadingTime.h"
#include "ScriptView.h"
#include "TXWords.h"
#include "richtext/TXDocManager.h"

IMPLEMENT_DYNCREATE(CTXWordsDoc, CTXDoc)

CTXWordsDoc::CTXWordsDoc()
{
    // Without the presentation program the default save format is the Word form.
    CTXWordsApp* app = GetTXWordsApp();
    if (app && !app->m_bPowerPointAvailable)
        SetFileFormat(TXFORMAT_WORD);
}

void CTXWordsDoc::Serialize(CArchive& ar) { CTXDoc::Serialize(ar); }

BOOL CTXWordsDoc::OnNewDocument()
{
    const BOOL result = CTXDoc::OnNewDocument();
    CWnd* main = AfxGetMainWnd();
    if (main && main->IsKindOf(RUNTIME_CLASS(CMDIFrameWnd)) &&
        static_cast<CMDIFrameWnd*>(main)->m_hWndMDIClient)
        ::SendMessageA(static_cast<CMDIFrameWnd*>(main)->m_hWndMDIClient, WM_MDITILE, 0, 0);
    return result;
}

void CTXWordsDoc::AttachDocManager()
{
    CTXDoc::AttachDocManager();
    CTXWordsApp* app = GetTXWordsApp();
    if (m_pDocManager && app && app->m_bPowerPointAvailable)
        m_pDocManager->SetParentDoc(this);
}

CMyTXWordsView* CTXWordsDoc::GetScriptView() const
{
    POSITION pos = GetFirstViewPosition();
    while (pos) {
        CView* view = GetNextView(pos);
        if (view && view->IsKindOf(RUNTIME_CLASS(CMyTXWordsView)))
            return static_cast<CMyTXWordsView*>(view);
    }
    return nullptr;
}

BOOL CTXWordsDoc::SaveModified()
{
    const BOOL result = CTXDoc::SaveModified();
    // Closing without saving: the view's own changes are dropped with the rest.
    if (result && IsModified())
        if (CMyTXWordsView* view = GetScriptView())
            view->m_bChanged = 0;
    return result;
}

CString CTXWordsDoc::GetReadingTime(long characters)
{
    CTXWordsApp* app = GetTXWordsApp();
    return ReadingTimeText(characters, app ? app->GetReadingSpeed() : 180).c_str();
}

long CTXWordsDoc::GetReadingCharacters() const
{
    CMyTXWordsView* view = GetScriptView();
    if (!view)
        return 0;
    const long count = view->GetReadingCharacters();
    return count < 0 ? 0 : count;
}

BOOL CTXWordsDoc::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CMyTXWordsView* view = GetScriptView();
    const bool instructions = view && view->HasInstructionFields();
    CString path = lpszPathName ? lpszPathName : "";
    const CString oldPath = m_strPathName;
    const bool warn = instructions && (path.IsEmpty() || GetFileFormat() != TXFORMAT_NATIVE);
    if (warn) {
        CString name;
        if (!m_strPathName.IsEmpty()) {
            const int slash = m_strPathName.ReverseFind('\\');
            name.Format("Document %s",
                        (LPCSTR)(slash >= 0 ? m_strPathName.Mid(slash) : m_strPathName));
            // The save dialog opens on the name without its extension.
            const int dot = m_strPathName.ReverseFind('.');
            if (dot >= 0)
                m_strPathName = m_strPathName.Left(dot);
            path.Empty();
        } else {
            name = "This new document";
        }
        CString text;
        text.Format(" %s contains PowerPoint Instructions\nTo retain Instruction formatting, "
                    "you must save this document in the \"*.mqd\" format",
                    (LPCSTR)name);
        AfxMessageBox(text, MB_OK);
    }
    const BOOL result = CTXDoc::DoSave(path.IsEmpty() ? nullptr : (LPCSTR)path, bReplace);
    // A cancelled or failed Save As keeps the document's own path (a later Save must not
    // write to the name without its extension).
    if (!result && m_strPathName != oldPath)
        m_strPathName = oldPath;
    if (instructions && GetFileFormat() != TXFORMAT_NATIVE)
        AfxMessageBox("The document was not save in the \"*.mqd\" format\n The PowerPoint "
                      "instruction formatting maybe lost",
                      MB_OK);
    UpdateShowReadingTime();
    return result;
}

void CTXWordsDoc::OnCloseDocument()
{
    UpdateShowReadingTime();
    CTXDoc::OnCloseDocument();
}

void CTXWordsDoc::UpdateShowReadingTime()
{
    CTXWordsApp* app = GetTXWordsApp();
    if (!app)
        return;
    app->m_strUpdatedScriptERT = GetReadingTime(GetReadingCharacters());
    app->m_strUpdatedScriptPath = GetPathName();
    // The show's view lives in the rundown bar; it recomputes the rows using this script.
    if (app->m_pShowTemplate) {
        POSITION pos = app->m_pShowTemplate->GetFirstDocPosition();
        CDocument* show = pos ? app->m_pShowTemplate->GetNextDoc(pos) : nullptr;
        if (show) {
            POSITION vpos = show->GetFirstViewPosition();
            CView* view = vpos ? show->GetNextView(vpos) : nullptr;
            if (view && view->GetSafeHwnd())
                view->SendMessage(WM_SCRIPT_UPDATED, 0, 0);
        }
    }
}
