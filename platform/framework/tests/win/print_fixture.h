// A document of numbered lines and its view for the printing and preview tests: forty
// lines a page, a page count the view either tells DoPreparePrinting or finds out while
// printing, and a record of every printing hook it ran.
#pragma once
#include "docview_fixture.h"

#include <functional>
#include <string>
#include <vector>

struct PrintTrace
{
    int nPrepare = 0; // OnPreparePrinting
    int nBegin = 0; // OnBeginPrinting
    int nEnd = 0; // OnEndPrinting
    std::vector<UINT> pages; // OnPrint, in order
    BOOL bPreview = FALSE; // what the last OnBeginPrinting was told
    CRect rectDraw; // the last page's drawing rectangle
    std::function<void(UINT)> onPrint; // called inside OnPrint with the page
};
PrintTrace& Trace();

class CLinesDoc : public CDocument
{
    DECLARE_DYNCREATE(CLinesDoc)
public:
    int m_nLines = 100;
    CString m_strPrefix = "Line"; // each line reads "<prefix> <n>"
};

class CLinesView : public CView
{
    DECLARE_DYNCREATE(CLinesView)
public:
    static const int kLinesPerPage = 40;
    static BOOL s_bTellPageCount; // SetMaxPage in OnPreparePrinting, else found while printing

    CLinesDoc* GetDoc() const { return (CLinesDoc*)m_pDocument; }
    int PageCount() const { return (GetDoc()->m_nLines + kLinesPerPage - 1) / kLinesPerPage; }

    void OnDraw(CDC*) override { }
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

protected:
    DECLARE_MESSAGE_MAP()
};

// The MDI program of the document tests with a template of line documents.
class PrintProgram : public DocViewProgram
{
public:
    PrintProgram();
    ~PrintProgram();
    // A new line document of nLines lines (its lines read "<prefix> <n>") and its view.
    CLinesView* NewLines(int nLines, LPCSTR lpszPrefix = "Line");

    CMultiDocTemplate* pLinesTemplate;
    CPageDevice device; // installed for the program's life
    CPageDevice* pOldDevice;
};

// Answers the print dialog with a page range (nFrom 0: all pages) and OK, and counts the
// dialogs asked for.
class CPrintDialogAnswer
{
public:
    CPrintDialogAnswer(UINT nFrom, UINT nTo, INT_PTR nResult = IDOK);
    ~CPrintDialogAnswer();
    int nAsked = 0;
    WORD nMaxPageSeen = 0; // the dialog's maximum page when asked

private:
    AFX_MODAL_ANSWERER m_previous;
};

// The texts the page device holds on page nIndex (0-based).
std::vector<std::string> PageTexts(const CPageDevice& device, int nIndex);
