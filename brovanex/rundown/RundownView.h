// The rundown views the program derives its show view from. CBaseRundownView adds rows
// (scripts and breaks) through the New Script dialog, empties the row list and refreshes
// the grid; CRundownView adds the entry points of the show commands. The derived view
// fills in the callbacks: open a script, change a break, make or pick a script file.
#pragma once
#include "BaseGrid.h"
#include "RundownDoc.h"

class CViewPrintPreview;
class CGXGridCore;

// Target row that keeps an added row last.
const int RUNDOWN_APPEND_ROW = 65000;

class BROVANEX_API CBaseRundownView : public CBaseGrid
{
    DECLARE_DYNCREATE(CBaseRundownView)

protected:
    CBaseRundownView();

public:
    ~CBaseRundownView() override;

    // ---- the rundown's virtual contract, continued ----
    // Print preview of the rundown: a copy of the grid previewed in a frame of its own.
    virtual void OnFilePrintPreview();
    // Prints the rundown from a copy of the grid (the print dialog first).
    virtual void OnFilePrint();
    // Adds a script (a new file when bMakeNew, else one picked) or a break behind grid row
    // nTargetRow (0: first; RUNDOWN_APPEND_ROW: last). 0 when a choice was cancelled.
    virtual int FileAddInsert(int nTargetRow, int bMakeNew, int bIsBreak, long nBreakSeconds);
    // Makes a new script file, fills in its full path and returns non-zero; 0 cancels.
    virtual int MakeNewFile(CString* pPath);
    // Lets the user pick a script file, fills in its full path and returns non-zero; 0 cancels.
    virtual int GetFileName(CString& strPath);
    virtual void FileInsert();
    virtual void FileAdd();
    virtual void SndMsg(int, long);
    virtual void UnlockShow();
    virtual void LockShow();
    virtual void FileOpen();
    virtual void SetShow();

    static CString CalcBreakTime(int nSeconds);
    // Deletes every row of the list through its virtual destructor.
    void CleanUpShowList();
    // Drawing off under a wait cursor and, when bRebuild, the columns built again; the
    // next notification of the row list draws again.
    void UpdateDisplay(int bRebuild);
    // The text with every character a file name cannot hold replaced by "_".
    static CString FileName(CString text);
    CBaseRundownDoc* GetDocument() const;

    // ---- printing (RundownPrint.cpp) ----
    // Makes the print template once.
    void OnSetupPrintTemplate();
    // Opens a print frame, maximised as the application's main window; its print view.
    CViewPrintPreview* OnSetupPrintFrame();
    // Copies this view's grid into the print view's and fits its rows.
    void OnSetupPrintCopyView(CViewPrintPreview* pPrintView, long);
    // Columns, widths and every cell's composed style, and the show's name in the page
    // header.
    void CopyGridStyle(CGXGridCore* pTarget, CGXGridCore* pSource);

    CDocTemplate* m_pPrintTemplate;
    CView* m_pPrintView;
    CString m_strReserved1;
    CString m_strReserved2;

protected:
    afx_msg void OnUpdateFileExport(CCmdUI* pCmdUI);
    afx_msg int OnCreate(LPCREATESTRUCT lpcs);
    DECLARE_MESSAGE_MAP()
};

class BROVANEX_API CRundownView : public CBaseRundownView
{
    DECLARE_DYNCREATE(CRundownView)

protected:
    CRundownView();

public:
    ~CRundownView() override;

    void OnInitialUpdate() override;
    // An existing script behind the current row.
    void FileInsert() override;
    // A new script at the end of the list.
    void FileAdd() override;
    // The show's name, printed in the page header.
    void SetShow(CString strName);
    using CBaseRundownView::SetShow;
    // The column information's defaults.
    void ResetShowDefaults();
    // A break of that many seconds behind the current row.
    void AddBreak(long nSeconds);
    // The grid row of the current cell; 0 when there is none.
    int GetCurrentGridRow();

    DWORD m_dwReserved;

protected:
    // The framework's Print and Print Preview commands, through the virtual table.
    afx_msg void OnPrintCommand() { OnFilePrint(); }
    afx_msg void OnPrintPreviewCommand() { OnFilePrintPreview(); }
    DECLARE_MESSAGE_MAP()
};
