// The rich-text document: reading by detected format, saving through the safe save, and
// the modified state shared with the view's text control.
#include "richtext/TXDoc.h"

#include "fw/safe_save.h"
#include "richtext/DocumentFormats.h"
#include "richtext/TXDocManager.h"
#include "richtext/TXView.h"

IMPLEMENT_DYNCREATE(CTXDoc, CDocument)

CTXDocManager* CTXDoc::m_pDocManager = nullptr;

CTXDoc::CTXDoc()
    : m_nFileFormat(TXFORMAT_NATIVE), m_dwEnabledFormats(0x1F), m_bHasPending(false) { }

CTXDoc::~CTXDoc()
{
    if (m_pDocManager && m_pDocManager->GetParentDoc() == this)
        m_pDocManager->SetParentDoc(nullptr);
}

void CTXDoc::EnableFileFormats(CWinApp*, DWORD mask) { m_dwEnabledFormats = mask; }

CTXView* CTXDoc::GetTXView() const
{
    POSITION pos = GetFirstViewPosition();
    while (pos) {
        CView* view = GetNextView(pos);
        if (view && view->IsKindOf(RUNTIME_CLASS(CTXView)))
            return static_cast<CTXView*>(view);
    }
    return nullptr;
}

CTXTextControl* CTXDoc::GetTextControl() const
{
    CTXView* view = GetTXView();
    return view ? view->GetTextControl() : nullptr;
}

void CTXDoc::AttachDocManager()
{
    CWinApp* app = AfxGetApp();
    if (m_pDocManager == nullptr && app && app->m_pDocManager &&
        app->m_pDocManager->IsKindOf(RUNTIME_CLASS(CTXDocManager)))
        m_pDocManager = static_cast<CTXDocManager*>(app->m_pDocManager);
}

BOOL CTXDoc::LoadBytes(const std::string& bytes, int format, CString& error)
{
    if (format <= 0)
        format = richtext::DetectFormat(bytes);
    CRichDocument doc;
    std::string why;
    if (!richtext::LoadDocument(bytes, format, doc, why)) {
        error = why.c_str();
        return FALSE;
    }
    if (CTXTextControl* control = GetTextControl()) {
        control->Core().SetDocument(doc);
        control->Core().SetSel(0, 0);
        control->SetModify(FALSE);
        control->Invalidate();
    } else {
        m_pending = doc;
        m_bHasPending = true;
    }
    // A Word document is read as RTF and saved back as RTF.
    m_nFileFormat = format;
    return TRUE;
}

BOOL CTXDoc::SaveBytes(std::string& bytes, CString& error) const
{
    std::string why;
    bool ok;
    if (CTXTextControl* control = GetTextControl())
        ok = control->Core().Save(m_nFileFormat, bytes, why);
    else
        ok = richtext::SaveDocument(m_pending, m_nFileFormat, bytes, why);
    if (!ok)
        error = why.c_str();
    return ok;
}

bool CTXDoc::TakePending(CRichDocument& doc)
{
    if (!m_bHasPending)
        return false;
    doc = m_pending;
    m_pending = CRichDocument();
    m_bHasPending = false;
    return true;
}

void CTXDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        std::string bytes;
        CString error;
        if (!SaveBytes(bytes, error))
            AfxThrowArchiveException(CArchiveException::generic);
        if (!bytes.empty())
            ar.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    } else {
        std::string bytes;
        char buffer[65536];
        UINT n;
        while ((n = ar.Read(buffer, sizeof buffer)) > 0)
            bytes.append(buffer, n);
        CString error;
        if (!LoadBytes(bytes, 0, error))
            AfxThrowArchiveException(CArchiveException::generic);
    }
}

BOOL CTXDoc::OnNewDocument()
{
    AttachDocManager();
    if (!CDocument::OnNewDocument())
        return FALSE;
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CTXDoc::DeleteContents()
{
    if (CTXTextControl* control = GetTextControl()) {
        control->Core().SetDocument(CRichDocument());
        control->Core().SetSel(0, 0);
        control->SetModify(FALSE);
        if (control->GetSafeHwnd())
            control->Invalidate();
    }
    m_pending = CRichDocument();
    m_bHasPending = false;
    CDocument::DeleteContents();
}

BOOL CTXDoc::OnOpenDocument(LPCSTR lpszPathName)
{
    AttachDocManager();
    std::string bytes, why;
    if (!richtext::ReadFileBytes(lpszPathName, bytes, why)) {
        AfxMessageBox(why.c_str(), MB_ICONEXCLAMATION);
        return FALSE;
    }
    int format = 0;
    if (m_pDocManager)
        format = m_pDocManager->DetectFileFormat(lpszPathName);
    if (format <= 0)
        format = richtext::DetectFormat(bytes);
    CString error;
    if (!LoadBytes(bytes, format, error)) {
        AfxMessageBox(error, MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CTXDoc::OnSaveDocument(LPCSTR lpszPathName)
{
    std::string bytes;
    CString error;
    if (!SaveBytes(bytes, error)) {
        AfxMessageBox(error, MB_ICONEXCLAMATION);
        return FALSE;
    }
    // The old file survives any failure of the new one.
    CFileException failure;
    if (!AfxSafeSaveFile(lpszPathName, bytes.data(), bytes.size(), &failure)) {
        ReportSaveLoadException(lpszPathName, &failure, TRUE, AFX_IDP_FAILED_TO_SAVE_DOC);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CTXDoc::IsModified()
{
    if (CDocument::IsModified())
        return TRUE;
    CTXView* view = GetTXView();
    return view &&
        ((view->GetTextControl() && view->GetTextControl()->GetModify()) || view->m_bChanged);
}

void CTXDoc::SetModifiedFlag(BOOL bModified)
{
    CDocument::SetModifiedFlag(bModified);
    if (!bModified) {
        if (CTXView* view = GetTXView()) {
            if (view->GetTextControl())
                view->GetTextControl()->SetModify(FALSE);
            view->m_bChanged = 0;
        }
    }
}

BOOL CTXDoc::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    // The save dialog chooses this document's format.
    if (!m_pDocManager)
        AttachDocManager();
    if (m_pDocManager)
        m_pDocManager->SetParentDoc(this);
    return CDocument::DoSave(lpszPathName, bReplace);
}
