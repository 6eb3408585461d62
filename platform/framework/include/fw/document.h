// CDocument: the data of one file, shown by one or more views. The document template
// that made it creates and closes it with its frames; saving writes a new file beside
// the old one and replaces the old file only after the write is complete.
#pragma once
#include "fw/cmdtarget.h"
#include "fw/collections.h"
#include "fw/file.h"

class CDocTemplate;
class CFrameWnd;
class CView;

class FW_API CDocument : public CCmdTarget
{
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCSTR lpszTitle);
    const CString& GetPathName() const { return m_strPathName; }
    // Also names the document after the file and (bAddToMRU) adds it to the recent files.
    virtual void SetPathName(LPCSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified();
    virtual void SetModifiedFlag(BOOL bModified = TRUE);

    // The views, in the order they were added.
    virtual POSITION GetFirstViewPosition() const;
    virtual CView* GetNextView(POSITION& rPosition) const;
    void AddView(CView* pView);
    void RemoveView(CView* pView);
    // OnUpdate(pSender, lHint, pHint) of every view but pSender.
    void UpdateAllViews(CView* pSender, LPARAM lHint = 0L, CObject* pHint = nullptr);
    virtual void OnChangedViewList();

    virtual void DeleteContents();
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCSTR lpszPathName);
    // Writes through a temporary file in the same folder; the old file is replaced only
    // when the whole document was written. FALSE (the user told) when it failed.
    virtual BOOL OnSaveDocument(LPCSTR lpszPathName);
    virtual void OnCloseDocument();
    virtual void ReportSaveLoadException(LPCSTR lpszPathName, CException* e, BOOL bSaving,
                                         UINT nIDPDefault);
    virtual CFile* GetFile(LPCSTR lpszFileName, UINT nOpenFlags, CFileException* pError);
    virtual void ReleaseFile(CFile* pFile, BOOL bAbort);

    virtual BOOL CanCloseFrame(CFrameWnd* pFrame);
    // "Save changes to <title>?" for a modified document: Yes saves, No discards,
    // Cancel keeps it open (FALSE).
    virtual BOOL SaveModified();
    virtual void PreCloseFrame(CFrameWnd* pFrame);
    // Saves under lpszPathName, or asks for a name (null), or (bReplace FALSE) saves a copy.
    virtual BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    virtual void UpdateFrameCounts();
    virtual HMENU GetDefaultMenu();
    virtual HACCEL GetDefaultAccel();
    virtual void OnIdle();

    // Routes to the document, then its template.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;

    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate* m_pDocTemplate;
    CPtrList m_viewList;
    BOOL m_bModified;
    BOOL m_bAutoDelete; // delete the document when its last view goes
    BOOL m_bEmbedded;

    afx_msg void OnFileClose();
    afx_msg void OnFileSave();
    afx_msg void OnFileSaveAs();
    afx_msg void OnUpdateFileSave(CCmdUI* pCmdUI);

protected:
    DECLARE_MESSAGE_MAP()
};
