// The page device: each page is an enhanced metafile recorded against a reference device
// (the display, or a printer whose pages it copies). Against the display the device
// answers its own page size and resolution, so a view lays its pages out as it would for
// a printer of that size.
#include "fw/win.h"
#include "fw/codepage.h"
#include "fw/print.h"
#include "fw/safe_save.h"

#include <map>
#include <mutex>

IMPLEMENT_DYNAMIC(CPageDevice, CDC)

namespace {

// The metafile DCs of the live page devices, for GetCapsOf.
std::mutex s_mapLock;
std::map<HDC, const CPageDevice*> s_devices; // guarded by s_mapLock

CPageDevice* s_pInstalled = nullptr; // user-interface thread only

// The metric mapping modes in logical units per inch.
int UnitsPerInch(int nMapMode)
{
    switch (nMapMode) {
    case MM_LOMETRIC:
        return 254;
    case MM_HIMETRIC:
        return 2540;
    case MM_LOENGLISH:
        return 100;
    case MM_HIENGLISH:
        return 1000;
    case MM_TWIPS:
        return 1440;
    default:
        return 0;
    }
}

} // namespace

CPageDevice::CPageDevice(CSize sizePage, int nDpi)
    : m_hdcReference(::CreateDCA("DISPLAY", nullptr, nullptr, nullptr)), m_bOwnReference(TRUE),
      m_bFixedCaps(TRUE),
      m_sizePage(MulDiv(sizePage.cx, nDpi, 1000), MulDiv(sizePage.cy, nDpi, 1000)), m_nDpiX(nDpi),
      m_nDpiY(nDpi), m_bDocOpen(FALSE), m_bAborted(FALSE), m_nDocs(0)
{
    m_bPrinting = TRUE;
    OpenPage();
}

CPageDevice::CPageDevice(HDC hdcReference)
    : m_hdcReference(hdcReference), m_bOwnReference(FALSE), m_bFixedCaps(FALSE),
      m_sizePage(::GetDeviceCaps(hdcReference, HORZRES), ::GetDeviceCaps(hdcReference, VERTRES)),
      m_nDpiX(::GetDeviceCaps(hdcReference, LOGPIXELSX)),
      m_nDpiY(::GetDeviceCaps(hdcReference, LOGPIXELSY)), m_bDocOpen(FALSE), m_bAborted(FALSE),
      m_nDocs(0)
{
    m_bPrinting = TRUE;
    OpenPage();
}

CPageDevice::~CPageDevice()
{
    HENHMETAFILE hLast = ClosePage();
    if (hLast != nullptr)
        ::DeleteEnhMetaFile(hLast);
    DiscardPages();
    if (m_bOwnReference && m_hdcReference != nullptr)
        ::DeleteDC(m_hdcReference);
}

void CPageDevice::OpenPage()
{
    // The frame makes the metafile's device units the page's: the reference's millimetres
    // per unit times the page's units.
    int nRefWidth = ::GetDeviceCaps(m_hdcReference, HORZRES);
    int nRefHeight = ::GetDeviceCaps(m_hdcReference, VERTRES);
    int nRefWidthMM = ::GetDeviceCaps(m_hdcReference, HORZSIZE);
    int nRefHeightMM = ::GetDeviceCaps(m_hdcReference, VERTSIZE);
    m_rectFrame.SetRect(0, 0, MulDiv(m_sizePage.cx, nRefWidthMM * 100, nRefWidth),
                        MulDiv(m_sizePage.cy, nRefHeightMM * 100, nRefHeight));
    HDC hDC = ::CreateEnhMetaFileA(m_hdcReference, nullptr, &m_rectFrame, nullptr);
    if (hDC == nullptr)
        AfxThrowResourceException();
    Attach(hDC);
    std::lock_guard<std::mutex> lock(s_mapLock);
    s_devices[hDC] = this;
}

HENHMETAFILE CPageDevice::ClosePage()
{
    if (m_hDC == nullptr)
        return nullptr;
    {
        std::lock_guard<std::mutex> lock(s_mapLock);
        s_devices.erase(m_hDC);
    }
    HDC hDC = Detach();
    return ::CloseEnhMetaFile(hDC);
}

int PASCAL CPageDevice::GetCapsOf(HDC hDC, int nIndex)
{
    {
        std::lock_guard<std::mutex> lock(s_mapLock);
        auto it = s_devices.find(hDC);
        if (it != s_devices.end())
            return it->second->GetDeviceCaps(nIndex);
    }
    return ::GetDeviceCaps(hDC, nIndex);
}

int CPageDevice::GetDeviceCaps(int nIndex) const
{
    if (m_bFixedCaps) {
        switch (nIndex) {
        case HORZRES:
        case PHYSICALWIDTH:
            return m_sizePage.cx;
        case VERTRES:
        case PHYSICALHEIGHT:
            return m_sizePage.cy;
        case LOGPIXELSX:
            return m_nDpiX;
        case LOGPIXELSY:
            return m_nDpiY;
        case HORZSIZE:
            return MulDiv(m_sizePage.cx, 254, m_nDpiX * 10);
        case VERTSIZE:
            return MulDiv(m_sizePage.cy, 254, m_nDpiY * 10);
        case PHYSICALOFFSETX:
        case PHYSICALOFFSETY:
            return 0;
        case TECHNOLOGY:
            return DT_RASPRINTER;
        case ASPECTX:
        case ASPECTY:
            return 300;
        case ASPECTXY:
            return 424;
        }
    }
    return ::GetDeviceCaps(m_hdcReference, nIndex);
}

int CPageDevice::SetMapMode(int nMapMode)
{
    int nUnits = m_bFixedCaps ? UnitsPerInch(nMapMode) : 0;
    if (nUnits == 0)
        return CDC::SetMapMode(nMapMode);
    // The metafile would scale by the display's resolution: the page's own instead.
    int nOld = CDC::SetMapMode(MM_ANISOTROPIC);
    SetWindowExt(nUnits, nUnits);
    SetViewportExt(m_nDpiX, -m_nDpiY);
    return nOld;
}

int CPageDevice::StartDoc(LPDOCINFO lpDocInfo)
{
    if (m_bDocOpen)
        return SP_ERROR;
    DiscardPages();
    m_strDocName =
        lpDocInfo != nullptr && lpDocInfo->lpszDocName != nullptr ? lpDocInfo->lpszDocName : "";
    m_bDocOpen = TRUE;
    m_bAborted = FALSE;
    return ++m_nDocs;
}

int CPageDevice::StartPage()
{
    // A fresh page, as a printer's StartPage resets its DC: what was drawn before goes.
    HENHMETAFILE hOld = ClosePage();
    if (hOld != nullptr)
        ::DeleteEnhMetaFile(hOld);
    OpenPage();
    return 1;
}

int CPageDevice::EndPage()
{
    HENHMETAFILE hPage = ClosePage();
    OpenPage();
    if (hPage == nullptr)
        return SP_ERROR;
    m_pages.push_back(hPage);
    return 1;
}

int CPageDevice::EndDoc()
{
    if (!m_bDocOpen)
        return SP_ERROR;
    m_bDocOpen = FALSE;
    return 1;
}

int CPageDevice::AbortDoc()
{
    // Nothing of an aborted document is kept, as a printer drops the job.
    DiscardPages();
    m_bDocOpen = FALSE;
    m_bAborted = TRUE;
    return 1;
}

HENHMETAFILE CPageDevice::GetPage(int nIndex) const
{
    return nIndex >= 0 && nIndex < (int)m_pages.size() ? m_pages[nIndex] : nullptr;
}

HENHMETAFILE CPageDevice::DetachLastPage()
{
    if (m_pages.empty())
        return nullptr;
    HENHMETAFILE hPage = m_pages.back();
    m_pages.pop_back();
    return hPage;
}

void CPageDevice::DiscardPages()
{
    for (HENHMETAFILE hPage : m_pages)
        ::DeleteEnhMetaFile(hPage);
    m_pages.clear();
}

namespace {

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    auto* pTexts = reinterpret_cast<std::vector<CPageText>*>(lParam);
    if (pRecord->iType == EMR_EXTTEXTOUTW || pRecord->iType == EMR_EXTTEXTOUTA) {
        const EMREXTTEXTOUTW* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
        const BYTE* pChars = reinterpret_cast<const BYTE*>(pRecord) + pText->emrtext.offString;
        CPageText text;
        if (pRecord->iType == EMR_EXTTEXTOUTW) {
            std::u16string wide(reinterpret_cast<const char16_t*>(pChars), pText->emrtext.nChars);
            text.strText = fw::Utf16ToAnsi(wide).c_str();
        } else {
            text.strText = CString(reinterpret_cast<LPCSTR>(pChars), (int)pText->emrtext.nChars);
        }
        text.rectBounds = CRect(pText->rclBounds.left, pText->rclBounds.top, pText->rclBounds.right,
                                pText->rclBounds.bottom);
        pTexts->push_back(text);
    }
    return 1;
}

} // namespace

std::vector<CPageText> CPageDevice::GetPageTexts(int nIndex) const
{
    return TextsOf(GetPage(nIndex));
}

std::vector<CPageText> PASCAL CPageDevice::TextsOf(HENHMETAFILE hPage)
{
    std::vector<CPageText> texts;
    if (hPage != nullptr)
        ::EnumEnhMetaFile(nullptr, hPage, CollectText, &texts, nullptr);
    return texts;
}

void CPageDevice::PlayPage(HDC hDC, HENHMETAFILE hPage, const RECT& rect)
{
    if (hPage == nullptr)
        return;
    int nSaved = ::SaveDC(hDC);
    ::SetStretchBltMode(hDC, HALFTONE);
    ::PlayEnhMetaFile(hDC, hPage, &rect);
    ::RestoreDC(hDC, nSaved);
}

BOOL CPageDevice::SavePageImage(int nIndex, LPCSTR lpszPath, int nWidth) const
{
    HENHMETAFILE hPage = GetPage(nIndex);
    if (hPage == nullptr || nWidth <= 0)
        return FALSE;
    int nHeight = MulDiv(nWidth, m_sizePage.cy, m_sizePage.cx);
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof bih;
    bih.biWidth = nWidth;
    bih.biHeight = nHeight; // bottom-up, as a bitmap file keeps its rows
    bih.biPlanes = 1;
    bih.biBitCount = 24;
    bih.biCompression = BI_RGB;
    void* pBits = nullptr;
    CGdiHandle<HBITMAP> bitmap(
        ::CreateDIBSection(nullptr, (BITMAPINFO*)&bih, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (bitmap.Get() == nullptr || pBits == nullptr)
        return FALSE;
    DWORD nStride = ((DWORD)nWidth * 3 + 3) & ~3u;
    DWORD nImage = nStride * (DWORD)nHeight;
    {
        CGdiMemoryDC dc(nullptr);
        CGdiSelection select(dc.Get(), bitmap.Get());
        RECT rect = {0, 0, nWidth, nHeight};
        ::FillRect(dc.Get(), &rect, (HBRUSH)::GetStockObject(WHITE_BRUSH));
        PlayPage(dc.Get(), hPage, rect);
        ::GdiFlush();
    }
    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42; // "BM"
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + nImage;
    std::string bytes;
    bytes.append(reinterpret_cast<const char*>(&bfh), sizeof bfh);
    bytes.append(reinterpret_cast<const char*>(&bih), sizeof bih);
    bytes.append(static_cast<const char*>(pBits), nImage);
    return AfxSafeSaveFile(lpszPath, bytes.data(), bytes.size());
}

CPageDevice* AFXAPI AfxSetPageDevice(CPageDevice* pDevice)
{
    CPageDevice* pOld = s_pInstalled;
    s_pInstalled = pDevice;
    return pOld;
}

CPageDevice* AFXAPI AfxGetPageDevice() { return s_pInstalled; }
