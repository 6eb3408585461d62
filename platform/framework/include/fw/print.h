// Printing: what a print job knows (CPrintInfo), the page device that stands in for a
// printer, and the printer the framework prints on.
//
// A view prints through CView::OnFilePrint: OnPreparePrinting (DoPreparePrinting runs the
// print dialog), OnBeginPrinting, then for each page of the chosen range OnPrepareDC and
// OnPrint, and OnEndPrinting. The pages go to the page device when one is installed
// (AfxSetPageDevice), else to the printer the application selected; with neither the user
// is told that there is no printer. Print preview draws its pages on a page device too.
#pragma once
#include "fw/dc.h"

#include <vector>

class CPrintDialog;
class CPageDevice;

// Flags of CPrintInfo::m_dwFlags.
#define PRINTFLAG_MAYBOTHERUSER 0x0001
#define PRINTFLAG_PROMPTUSER 0x0002
#define PRINTFLAG_USERSUPPLIEDPAGE 0x0004

struct FW_API CPrintInfo
{
    CPrintInfo();
    ~CPrintInfo();
    CPrintInfo(const CPrintInfo&) = delete;
    CPrintInfo& operator=(const CPrintInfo&) = delete;

    CPrintDialog* m_pPD; // the print dialog: page range, copies, the printer chosen
    BOOL m_bDocObject;
    DWORD m_dwFlags;
    UINT m_nOffsetPage;
    BOOL m_bDirect; // print without the dialog (the shell's print command)
    BOOL m_bPreview; // the job draws a print preview
    BOOL m_bContinuePrinting; // a view clears it in OnPrepareDC past its last page
    UINT m_nCurPage; // the page being printed
    UINT m_nNumPreviewPages; // 1 or 2 pages side by side in the preview (0: the view's choice)
    CString m_strPageDesc; // the preview's page texts: "Page %u\nPages %u-%u\n"
    LPVOID m_lpUserData; // the view's own
    CRect m_rectDraw; // the page's printable area in logical units, set before OnPrint

    void SetMinPage(UINT nMinPage);
    void SetMaxPage(UINT nMaxPage); // 0xFFFF: the view does not know its page count
    UINT GetMinPage() const;
    UINT GetMaxPage() const;
    UINT GetOffsetPage() const { return m_nOffsetPage; }
    UINT GetFromPage() const;
    UINT GetToPage() const;

    // The page device this job draws on (set by DoPreparePrinting): the installed one, or
    // a preview's own when there is no printer; null when the job goes to a printer.
    CPageDevice* m_pPageDevice;
    BOOL m_bOwnPageDevice;
};

// Where a page device's text was drawn: one entry per text output, in drawing order.
struct CPageText
{
    CString strText;
    CRect rectBounds; // in device units of the page
};

// A device of a fixed page size and resolution that the print loop and the preview use
// like a printer. Each page is recorded as an enhanced metafile; the device answers the
// page's capabilities (HORZRES, LOGPIXELSX ...) and maps the metric mapping modes to its
// own resolution. The pages of the last document stay until the next one starts.
class FW_API CPageDevice : public CDC
{
    DECLARE_DYNAMIC(CPageDevice)
public:
    // A page of sizePage thousandths of an inch (Letter by default) at nDpi dots per inch.
    explicit CPageDevice(CSize sizePage = CSize(8500, 11000), int nDpi = 300);
    // Pages laid out like those of the printer (or other device) hdcReference, which
    // stays the caller's.
    explicit CPageDevice(HDC hdcReference);
    ~CPageDevice() override;

    CSize GetPageSize() const { return m_sizePage; } // in device units
    int GetDpiX() const { return m_nDpiX; }
    int GetDpiY() const { return m_nDpiY; }

    int GetDeviceCaps(int nIndex) const override;
    int SetMapMode(int nMapMode) override;
    using CDC::StartDoc;
    int StartDoc(LPDOCINFO lpDocInfo) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;
    int AbortDoc() override;

    // The document printed last (or being printed).
    CString GetDocName() const { return m_strDocName; }
    BOOL IsDocOpen() const { return m_bDocOpen; }
    BOOL WasAborted() const { return m_bAborted; }
    int GetDocCount() const { return m_nDocs; } // documents started on this device
    int GetPageCount() const { return (int)m_pages.size(); }
    HENHMETAFILE GetPage(int nIndex) const; // 0-based; stays the device's
    // Takes the page recorded last out of the device (the caller deletes it).
    HENHMETAFILE DetachLastPage();
    void DiscardPages();

    // The texts drawn on a page (0-based), in drawing order.
    std::vector<CPageText> GetPageTexts(int nIndex) const;
    static std::vector<CPageText> PASCAL TextsOf(HENHMETAFILE hPage);
    // Draws a page scaled into rect of hDC.
    static void PlayPage(HDC hDC, HENHMETAFILE hPage, const RECT& rect);
    // Saves a page (0-based) as a 24-bit bitmap file nWidth pixels wide.
    BOOL SavePageImage(int nIndex, LPCSTR lpszPath, int nWidth = 850) const;

    // The capability nIndex of hDC, answered by the page device that hDC draws on, when
    // it belongs to one (for code that holds a raw HDC).
    static int PASCAL GetCapsOf(HDC hDC, int nIndex);

private:
    void OpenPage();
    HENHMETAFILE ClosePage();

    HDC m_hdcReference; // what the metafiles are recorded against
    BOOL m_bOwnReference;
    BOOL m_bFixedCaps; // the page's size and resolution are ours, not the reference's
    CSize m_sizePage;
    int m_nDpiX, m_nDpiY;
    CRect m_rectFrame; // the page in 0.01 mm, for the metafile
    std::vector<HENHMETAFILE> m_pages;
    CString m_strDocName;
    BOOL m_bDocOpen;
    BOOL m_bAborted;
    int m_nDocs;
};

// The page device printing and preview go to in place of a printer (null: the printer).
// The device stays the caller's; returns the one installed before.
FW_API CPageDevice* AFXAPI AfxSetPageDevice(CPageDevice* pDevice);
FW_API CPageDevice* AFXAPI AfxGetPageDevice();

// The print loop's cancel flag: set by the Printing box's Cancel, read between pages.
FW_API BOOL AFXAPI AfxPrintAborted();
