// Printing a view: CPrintInfo, DoPreparePrinting (the print dialog and the printer or page
// device chosen), the print loop of File Print with its Printing box that cancels the job,
// and the application's print dialog and Print Setup.
#include "fw/win.h"
#include "fw/print.h"

namespace {

// Set by the Printing box's Cancel; the loop reads it between pages (user-interface
// thread only).
BOOL s_bUserAbort = FALSE;

// The modeless box that shows which page prints, with its Cancel.
class CPrintingDialog : public CDialog
{
public:
    explicit CPrintingDialog(CWnd* pParent)
    {
        Create(AFX_IDD_PRINTDLG, pParent);
        s_bUserAbort = FALSE;
    }
    ~CPrintingDialog() override
    {
        if (m_hWnd != nullptr)
            DestroyWindow();
    }
    BOOL OnInitDialog() override
    {
        SetWindowText(AfxGetAppName());
        CenterWindow();
        return CDialog::OnInitDialog();
    }
    void OnCancel() override
    {
        s_bUserAbort = TRUE;
        CDialog::OnCancel(); // only hides a modeless box: the loop destroys it
    }
};

// Pumps what waits (the Printing box's Cancel among it); FALSE once the user cancelled.
BOOL CALLBACK PrintAbortProc(HDC, int)
{
    MSG msg;
    while (!s_bUserAbort && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage((int)msg.wParam); // for the pump that ends the program
            return FALSE;
        }
        CWinThread* pThread = AfxGetThread();
        if (pThread == nullptr || !pThread->PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    return !s_bUserAbort;
}

// The document's title for the job (at most 31 characters, as spoolers show it).
CString JobTitle(CView* pView)
{
    CString strTitle;
    CDocument* pDoc = pView->GetDocument();
    if (pDoc != nullptr)
        strTitle = pDoc->GetTitle();
    else
        pView->GetParentFrame()->GetWindowText(strTitle);
    if (strTitle.GetLength() > 31)
        strTitle = strTitle.Left(31);
    return strTitle;
}

} // namespace

BOOL AFXAPI AfxPrintAborted() { return s_bUserAbort; }

// --- CPrintInfo ------------------------------------------------------------------------------

CPrintInfo::CPrintInfo()
    : m_pPD(new CPrintDialog(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOSELECTION)),
      m_bDocObject(FALSE), m_dwFlags(0), m_nOffsetPage(0), m_bDirect(FALSE), m_bPreview(FALSE),
      m_bContinuePrinting(TRUE), m_nCurPage(1), m_nNumPreviewPages(0), m_lpUserData(nullptr),
      m_pPageDevice(nullptr), m_bOwnPageDevice(FALSE)
{
    SetMinPage(1);
    SetMaxPage(0xFFFF);
    m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC);
}

CPrintInfo::~CPrintInfo()
{
    if (m_bOwnPageDevice)
        delete m_pPageDevice;
    delete m_pPD;
}

void CPrintInfo::SetMinPage(UINT nMinPage) { m_pPD->m_pd.nMinPage = (WORD)nMinPage; }
void CPrintInfo::SetMaxPage(UINT nMaxPage) { m_pPD->m_pd.nMaxPage = (WORD)nMaxPage; }
UINT CPrintInfo::GetMinPage() const { return m_pPD->m_pd.nMinPage; }
UINT CPrintInfo::GetMaxPage() const { return m_pPD->m_pd.nMaxPage; }
UINT CPrintInfo::GetFromPage() const { return m_pPD->m_pd.nFromPage; }
UINT CPrintInfo::GetToPage() const { return m_pPD->m_pd.nToPage; }

// --- the application's print dialog ------------------------------------------------------------

INT_PTR CWinApp::DoPrintDialog(CPrintDialog* pPD)
{
    // The dialog starts on the application's printer and leaves its choice there.
    UpdatePrinterSelection(FALSE);
    pPD->m_pd.hDevMode = m_hDevMode;
    pPD->m_pd.hDevNames = m_hDevNames;
    INT_PTR nResponse = pPD->DoModal();
    if (pPD->m_pd.hDevNames != m_hDevNames || pPD->m_pd.hDevMode != m_hDevMode)
        SelectPrinter(pPD->m_pd.hDevNames, pPD->m_pd.hDevMode);
    return nResponse;
}

void CWinApp::OnFilePrintSetup()
{
    CPrintDialog pd(TRUE);
    DoPrintDialog(&pd);
}

// --- preparing and printing --------------------------------------------------------------------

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo)
{
    CWinApp* pApp = AfxGetApp();
    CPrintDialog* pPD = pInfo->m_pPD;
    CPageDevice* pDevice = AfxGetPageDevice();
    pPD->m_pd.nFromPage = (WORD)pInfo->GetMinPage();
    pPD->m_pd.nToPage = (WORD)pInfo->GetMaxPage();
    if (pInfo->m_bPreview || pInfo->m_bDirect ||
        (pInfo->m_bDocObject && !(pInfo->m_dwFlags & PRINTFLAG_PROMPTUSER))) {
        // No dialog: the application's printer, unless a page device takes the pages.
        if (pDevice == nullptr && pPD->m_pd.hDC == nullptr && pApp != nullptr &&
            pApp->GetPrinterDeviceDefaults(&pPD->m_pd))
            pPD->CreatePrinterDC();
    } else {
        if (pApp == nullptr || pApp->DoPrintDialog(pPD) != IDOK)
            return FALSE;
        // A dialog answered without showing itself made no DC: the printer it names.
        if (pDevice == nullptr && pPD->m_pd.hDC == nullptr && pPD->m_pd.hDevNames != nullptr)
            pPD->CreatePrinterDC();
    }
    if (pDevice != nullptr) {
        pInfo->m_pPageDevice = pDevice;
    } else if (pPD->m_pd.hDC == nullptr) {
        if (!pInfo->m_bPreview) {
            AfxMessageBox(AFX_IDP_NO_PRINTER, MB_OK | MB_ICONEXCLAMATION);
            return FALSE;
        }
        // A preview without a printer shows Letter pages.
        pInfo->m_pPageDevice = new CPageDevice;
        pInfo->m_bOwnPageDevice = TRUE;
    }
    if (pApp != nullptr)
        pInfo->m_nNumPreviewPages = pApp->m_nNumPreviewPages;
    pInfo->m_strPageDesc.LoadString(AFX_IDS_PREVIEWPAGEDESC);
    return TRUE;
}

void CView::OnFilePrint()
{
    CPrintInfo printInfo;
    const MSG* pMsg = GetCurrentMessage();
    if (pMsg != nullptr && pMsg->message == WM_COMMAND &&
        LOWORD(pMsg->wParam) == ID_FILE_PRINT_DIRECT)
        printInfo.m_bDirect = TRUE;
    if (!OnPreparePrinting(&printInfo))
        return;

    // Print to File asks where the output goes.
    CString strOutput;
    if ((printInfo.m_pPD->m_pd.Flags & PD_PRINTTOFILE) && printInfo.m_pPageDevice == nullptr) {
        CString strDef, strFilter, strCaption;
        strDef.LoadString(AFX_IDS_PRINTDEFAULTEXT);
        strFilter.LoadString(AFX_IDS_PRINTFILTER);
        strCaption.LoadString(AFX_IDS_PRINTCAPTION);
        CString strDefName;
        strDefName.LoadString(AFX_IDS_PRINTDEFAULT);
        CFileDialog dlg(FALSE, strDef, strDefName, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                        strFilter, this);
        dlg.m_ofn.lpstrTitle = strCaption;
        if (dlg.DoModal() != IDOK)
            return;
        strOutput = dlg.GetPathName();
    }

    CString strTitle = JobTitle(this);
    DOCINFOA docInfo = {};
    docInfo.cbSize = sizeof docInfo;
    docInfo.lpszDocName = strTitle;
    docInfo.lpszOutput = strOutput.IsEmpty() ? nullptr : (LPCSTR)strOutput;

    // The printer's DC stays the dialog's (it deletes it); the page device is its own.
    CDC dcPrinter;
    CDC* pDC = printInfo.m_pPageDevice;
    if (pDC == nullptr) {
        dcPrinter.Attach(printInfo.m_pPD->m_pd.hDC);
        dcPrinter.m_bPrinting = TRUE;
        pDC = &dcPrinter;
    }
    struct DetachPrinter
    {
        CDC& dc;
        ~DetachPrinter() { dc.Detach(); }
    } detach {dcPrinter};

    OnBeginPrinting(pDC, &printInfo);
    if (printInfo.m_pPageDevice == nullptr)
        pDC->SetAbortProc(PrintAbortProc);

    // The program waits while its pages print; the Printing box can cancel them.
    CWnd* pMainWnd = AfxGetMainWnd();
    BOOL bMainEnabled = pMainWnd != nullptr && pMainWnd->IsWindowEnabled();
    if (bMainEnabled)
        pMainWnd->EnableWindow(FALSE);
    CPrintingDialog dlgStatus(this);
    CString strPrinter = printInfo.m_pPageDevice != nullptr ? CString("Page Device")
                                                            : printInfo.m_pPD->GetDeviceName();
    dlgStatus.SetDlgItemText(AFX_IDC_PRINT_DOCNAME, strTitle);
    dlgStatus.SetDlgItemText(AFX_IDC_PRINT_PRINTERNAME, strPrinter);
    dlgStatus.ShowWindow(SW_SHOW);
    dlgStatus.UpdateWindow();

    auto finish = [&] {
        if (bMainEnabled && pMainWnd != nullptr && ::IsWindow(pMainWnd->m_hWnd))
            pMainWnd->EnableWindow(TRUE);
        OnEndPrinting(pDC, &printInfo);
        dlgStatus.DestroyWindow();
    };

    if (pDC->StartDoc(&docInfo) <= 0) {
        finish();
        AfxMessageBox(AFX_IDP_FAILED_TO_START_PRINT);
        return;
    }

    // The range chosen, kept within the document's pages; it may run backwards.
    UINT nStartPage = printInfo.GetFromPage();
    UINT nEndPage = printInfo.GetToPage();
    UINT nMin = printInfo.GetMinPage(), nMax = printInfo.GetMaxPage();
    nStartPage = nStartPage < nMin ? nMin : nStartPage > nMax ? nMax : nStartPage;
    nEndPage = nEndPage < nMin ? nMin : nEndPage > nMax ? nMax : nEndPage;
    int nStep = nEndPage >= nStartPage ? 1 : -1;
    nEndPage = nEndPage == 0xFFFF ? 0xFFFF : nEndPage + nStep;

    CString strPageFormat;
    strPageFormat.LoadString(AFX_IDS_PRINTPAGENUM);
    BOOL bError = FALSE;
    try {
        for (printInfo.m_nCurPage = nStartPage; printInfo.m_nCurPage != nEndPage;
             printInfo.m_nCurPage += nStep) {
            OnPrepareDC(pDC, &printInfo);
            if (!printInfo.m_bContinuePrinting)
                break;
            CString strPage;
            strPage.Format(strPageFormat, printInfo.m_nCurPage);
            dlgStatus.SetDlgItemText(AFX_IDC_PRINT_PAGENUM, strPage);

            printInfo.m_rectDraw.SetRect(0, 0, pDC->GetDeviceCaps(HORZRES),
                                         pDC->GetDeviceCaps(VERTRES));
            pDC->DPtoLP(&printInfo.m_rectDraw);
            if (pDC->StartPage() < 0) {
                bError = TRUE;
                break;
            }
            // StartPage may reset the DC: the view prepares it again.
            OnPrepareDC(pDC, &printInfo);
            OnPrint(pDC, &printInfo);
            if (pDC->EndPage() < 0 || !PrintAbortProc(pDC->m_hDC, 0)) {
                bError = TRUE;
                break;
            }
        }
    } catch (CException*) {
        pDC->AbortDoc();
        finish();
        throw;
    }
    if (bError)
        pDC->AbortDoc();
    else
        pDC->EndDoc();
    finish();
}
