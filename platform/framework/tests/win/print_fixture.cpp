#include "print_fixture.h"

#include <algorithm>

PrintTrace& Trace()
{
    static PrintTrace trace;
    return trace;
}

IMPLEMENT_DYNCREATE(CLinesDoc, CDocument)
IMPLEMENT_DYNCREATE(CLinesView, CView)
BEGIN_MESSAGE_MAP(CLinesView, CView)
    ON_COMMAND(ID_FILE_PRINT, &CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview)
END_MESSAGE_MAP()

BOOL CLinesView::s_bTellPageCount = TRUE;

BOOL CLinesView::OnPreparePrinting(CPrintInfo* pInfo)
{
    Trace().nPrepare++;
    if (s_bTellPageCount)
        pInfo->SetMaxPage(PageCount());
    return DoPreparePrinting(pInfo);
}

void CLinesView::OnBeginPrinting(CDC*, CPrintInfo* pInfo)
{
    Trace().nBegin++;
    Trace().bPreview = pInfo->m_bPreview;
}

void CLinesView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (pInfo != nullptr && !s_bTellPageCount)
        pInfo->m_bContinuePrinting = (int)pInfo->m_nCurPage <= PageCount();
}

void CLinesView::OnPrint(CDC* pDC, CPrintInfo* pInfo)
{
    Trace().pages.push_back(pInfo->m_nCurPage);
    Trace().rectDraw = pInfo->m_rectDraw;
    // Twelve-point lines from an inch below the top, a frame round the text.
    int nDpi = pDC->GetDeviceCaps(LOGPIXELSY);
    CFont font;
    font.CreateFont(-MulDiv(12, nDpi, 72), 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0,
                    "Arial");
    CFont* pOld = pDC->SelectObject(&font);
    int nLineHeight = MulDiv(nDpi, 1, 5);
    int nFirst = ((int)pInfo->m_nCurPage - 1) * kLinesPerPage + 1;
    int nLast = std::min(nFirst + kLinesPerPage - 1, GetDoc()->m_nLines);
    int y = nDpi;
    for (int n = nFirst; n <= nLast; n++, y += nLineHeight) {
        CString strLine;
        strLine.Format("%s %d", (LPCSTR)GetDoc()->m_strPrefix, n);
        pDC->TextOut(nDpi, y, strLine);
    }
    pDC->FrameRect(CRect(nDpi / 2, nDpi / 2, pInfo->m_rectDraw.right - nDpi / 2, y + nDpi / 4),
                   CBrush::FromHandle((HBRUSH)::GetStockObject(BLACK_BRUSH)));
    pDC->SelectObject(pOld);
    if (Trace().onPrint)
        Trace().onPrint(pInfo->m_nCurPage);
}

void CLinesView::OnEndPrinting(CDC*, CPrintInfo*) { Trace().nEnd++; }

PrintProgram::PrintProgram()
{
    Trace() = PrintTrace();
    CLinesView::s_bTellPageCount = TRUE;
    pLinesTemplate =
        new CMultiDocTemplate(IDR_TEST_NOTETYPE, RUNTIME_CLASS(CLinesDoc),
                              RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CLinesView));
    app.AddDocTemplate(pLinesTemplate);
    pOldDevice = AfxSetPageDevice(&device);
}

PrintProgram::~PrintProgram() { AfxSetPageDevice(pOldDevice); }

CLinesView* PrintProgram::NewLines(int nLines, LPCSTR lpszPrefix)
{
    CLinesDoc* pDoc = (CLinesDoc*)pLinesTemplate->OpenDocumentFile(nullptr);
    if (pDoc == nullptr)
        return nullptr;
    pDoc->m_nLines = nLines;
    pDoc->m_strPrefix = lpszPrefix;
    POSITION pos = pDoc->GetFirstViewPosition();
    return (CLinesView*)pDoc->GetNextView(pos);
}

CPrintDialogAnswer::CPrintDialogAnswer(UINT nFrom, UINT nTo, INT_PTR nResult)
{
    m_previous = AfxSetModalAnswerer([=](const AFX_MODAL_REQUEST& request) {
        CPrintDialog* pPD = dynamic_cast<CPrintDialog*>(request.pObject);
        if (pPD == nullptr)
            return AFX_MODAL_REPLY::Answer(IDCANCEL);
        nAsked++;
        nMaxPageSeen = pPD->m_pd.nMaxPage;
        if (nFrom != 0) {
            pPD->m_pd.Flags |= PD_PAGENUMS;
            pPD->m_pd.nFromPage = (WORD)nFrom;
            pPD->m_pd.nToPage = (WORD)nTo;
        }
        return AFX_MODAL_REPLY::Answer(nResult);
    });
}

CPrintDialogAnswer::~CPrintDialogAnswer() { AfxSetModalAnswerer(m_previous); }

std::vector<std::string> PageTexts(const CPageDevice& device, int nIndex)
{
    std::vector<std::string> texts;
    for (const CPageText& text : device.GetPageTexts(nIndex))
        texts.push_back((LPCSTR)text.strText);
    return texts;
}
