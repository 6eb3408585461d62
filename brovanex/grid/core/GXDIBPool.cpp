// The Windows half of the bitmaps: CGXDIB, the DIB pool, loading and drawing.
#include "core/GXDIB.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include "fw/win.h"

IMPLEMENT_DYNCREATE(CGXDIB, CObject)

namespace {
// A global block's DIB checked against the block's size.
BOOL CheckGlobalDIB(HGLOBAL hDIB, GXDIBLayout* pLayout)
{
    if (hDIB == nullptr)
        return FALSE;
    SIZE_T cb = ::GlobalSize(hDIB);
    const void* p = ::GlobalLock(hDIB);
    BOOL bOk = p != nullptr && GXCheckDIB(p, cb, pLayout);
    if (p != nullptr)
        ::GlobalUnlock(hDIB);
    return bOk;
}

HGLOBAL CopyToGlobal(const void* p, size_t cb)
{
    HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    if (h == nullptr)
        return nullptr;
    void* pDest = ::GlobalLock(h);
    memcpy(pDest, p, cb);
    ::GlobalUnlock(h);
    return h;
}
} // namespace

BOOL CGXDIB::Attach(HGLOBAL hDIB)
{
    GXDIBLayout layout;
    if (!CheckGlobalDIB(hDIB, &layout))
        return FALSE;
    Free();
    m_hHandle = hDIB;
    m_bGdiObject = FALSE;
    m_nColors = layout.nColors;
    m_nWidth = layout.nWidth;
    m_nHeight = layout.nHeight < 0 ? -layout.nHeight : layout.nHeight;
    return TRUE;
}

HGLOBAL CGXDIB::Detach()
{
    HGLOBAL h = (HGLOBAL)m_hHandle;
    m_hHandle = nullptr;
    m_nColors = 0;
    m_nWidth = m_nHeight = 0;
    return h;
}

void CGXDIB::Free()
{
    if (m_hHandle != nullptr) {
        if (m_bGdiObject)
            ::DeleteObject((HGDIOBJ)m_hHandle);
        else
            ::GlobalFree((HGLOBAL)m_hHandle);
    }
    m_hHandle = nullptr;
    m_nColors = 0;
    m_nWidth = m_nHeight = 0;
}

HGLOBAL GXLoadDIBResource(HINSTANCE hModule, LPCTSTR pszName)
{
    if (hModule == nullptr)
        return nullptr;
    HRSRC hRes = ::FindResourceA(hModule, pszName, (LPCSTR)RT_BITMAP);
    if (hRes == nullptr)
        return nullptr;
    HGLOBAL hData = ::LoadResource(hModule, hRes);
    DWORD cb = ::SizeofResource(hModule, hRes);
    const void* p = hData != nullptr ? ::LockResource(hData) : nullptr;
    if (p == nullptr || !GXCheckDIB(p, cb))
        return nullptr;
    return CopyToGlobal(p, cb);
}

HGLOBAL GXLoadDIBFromVariant(const VARIANT& var)
{
    if (var.vt != (VT_ARRAY | VT_UI1) || var.parray == nullptr)
        return nullptr;
    SAFEARRAY* psa = var.parray;
    if (::SafeArrayGetDim(psa) != 1)
        return nullptr;
    LONG lo = 0, hi = -1;
    ::SafeArrayGetLBound(psa, 1, &lo);
    ::SafeArrayGetUBound(psa, 1, &hi);
    if (hi < lo)
        return nullptr;
    void* pData = nullptr;
    if (FAILED(::SafeArrayAccessData(psa, &pData)))
        return nullptr;
    std::vector<BYTE> dib;
    BOOL bOk = GXExtractDIBFromFileBytes(pData, (size_t)(hi - lo + 1), dib);
    ::SafeArrayUnaccessData(psa);
    return bOk ? CopyToGlobal(dib.data(), dib.size()) : nullptr;
}

BOOL GXDrawDIB(CDC* pDC, HGLOBAL hDIB, const RECT& rcDest, int nMode, UINT nAlign,
               const RECT* pSource)
{
    GXDIBLayout layout;
    if (pDC == nullptr || !CheckGlobalDIB(hDIB, &layout))
        return FALSE; // an empty or malformed DIB is skipped
    LONG cyAbs = layout.nHeight < 0 ? -layout.nHeight : layout.nHeight;
    RECT rcWhole = {0, 0, layout.nWidth, cyAbs};
    RECT rcSrc, rcDst;
    GXPlaceDIB(pSource != nullptr ? *pSource : rcWhole, rcDest, nMode, nAlign, rcSrc, rcDst);
    const BYTE* p = static_cast<const BYTE*>(::GlobalLock(hDIB));
    if (p == nullptr)
        return FALSE;
    int n =
        ::StretchDIBits(pDC->GetSafeHdc(), rcDst.left, rcDst.top, rcDst.right - rcDst.left,
                        rcDst.bottom - rcDst.top, rcSrc.left, cyAbs - rcSrc.bottom,
                        rcSrc.right - rcSrc.left, rcSrc.bottom - rcSrc.top, p + layout.dwBitsOffset,
                        reinterpret_cast<const BITMAPINFO*>(p), DIB_RGB_COLORS, SRCCOPY);
    ::GlobalUnlock(hDIB);
    return n != 0 && n != (int)GDI_ERROR;
}

// ---------------------------------------------------------------------------------------
// CGXDIBPool

CGXDIBPool::CGXDIBPool() { EmptyPool(); }

CGXDIBPool::~CGXDIBPool() { EmptyPool(); }

void CGXDIBPool::EmptyPool()
{
    POSITION pos = m_map.GetStartPosition();
    while (pos != nullptr) {
        CString strKey;
        void* h;
        m_map.GetNextAssoc(pos, strKey, h);
        if (h != nullptr)
            ::GlobalFree((HGLOBAL)h);
    }
    m_map.RemoveAll();
}

BOOL CGXDIBPool::ParseDIBText(LPCTSTR pszText, CString& strKey, LPCTSTR& pszResource,
                              CString& strName)
{
    UINT nId = 0;
    if (!GXParseDIBText(pszText, strKey, nId, strName))
        return FALSE;
    pszResource = nId != 0 ? MAKEINTRESOURCEA(nId) : (LPCTSTR)strName;
    return TRUE;
}

HGLOBAL CGXDIBPool::LoadDIB(LPCTSTR, LPCTSTR pszResource)
{
    HGLOBAL h =
        GXLoadDIBResource(AfxFindResourceHandle(pszResource, (LPCSTR)RT_BITMAP), pszResource);
    if (h == nullptr)
        h = GXLoadDIBResource(AfxGetResourceHandle(), pszResource);
    return h;
}

HGLOBAL CGXDIBPool::LookupDIB(LPCTSTR pszCellText)
{
    CString strKey, strName;
    LPCTSTR pszResource = nullptr;
    if (!ParseDIBText(pszCellText, strKey, pszResource, strName))
        return nullptr;
    void* h = nullptr;
    if (m_map.Lookup(strKey, h))
        return (HGLOBAL)h; // a failed load is cached as null: looked up once
    h = LoadDIB(pszCellText, pszResource);
    m_map.SetAt(strKey, h);
    return (HGLOBAL)h;
}

CString CGXDIBPool::FormatNamedDIBText(LPCTSTR pszName)
{
    CString s;
    s.Format("#BMP(\"%s\")", pszName != nullptr ? pszName : "");
    return s;
}

void CGXDIBPool::FormatDIBText(UINT nId, CString& strText)
{
    strText.Format("%s%u)", "#BMP(", nId);
}

CGXDIBPool* GXGetDIBPool()
{
    static CGXDIBPool pool;
    return &pool;
}

BOOL GXLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR pszResourceName)
{
    HGLOBAL hDIB = GXLoadDIBResource(AfxFindResourceHandle(pszResourceName, (LPCSTR)RT_BITMAP),
                                     pszResourceName);
    if (hDIB == nullptr)
        hDIB = GXLoadDIBResource(AfxGetResourceHandle(), pszResourceName);
    if (hDIB == nullptr)
        return FALSE;
    BOOL bDone = FALSE;
    BYTE* p = static_cast<BYTE*>(::GlobalLock(hDIB));
    GXDIBLayout layout;
    if (p != nullptr && GXCheckDIB(p, ::GlobalSize(hDIB), &layout)) {
        // The palette's greys and black and white become the button colours of the system.
        static const struct
        {
            COLORREF crFrom;
            int nSysColor;
        } s_map[] = {{RGB(0, 0, 0), COLOR_BTNTEXT},
                     {RGB(128, 128, 128), COLOR_BTNSHADOW},
                     {RGB(192, 192, 192), COLOR_BTNFACE},
                     {RGB(255, 255, 255), COLOR_BTNHIGHLIGHT}};
        RGBQUAD* pTable = reinterpret_cast<RGBQUAD*>(p + layout.cbHeader);
        for (DWORD i = 0; i < layout.nColors; ++i) {
            const COLORREF cr = RGB(pTable[i].rgbRed, pTable[i].rgbGreen, pTable[i].rgbBlue);
            for (const auto& m : s_map) {
                if (cr == m.crFrom) {
                    const COLORREF crSys = ::GetSysColor(m.nSysColor);
                    pTable[i].rgbRed = GetRValue(crSys);
                    pTable[i].rgbGreen = GetGValue(crSys);
                    pTable[i].rgbBlue = GetBValue(crSys);
                    break;
                }
            }
        }
        CClientDC dcScreen(nullptr);
        HBITMAP hBitmap = ::CreateDIBitmap(
            dcScreen.GetSafeHdc(), reinterpret_cast<BITMAPINFOHEADER*>(p), CBM_INIT,
            p + layout.dwBitsOffset, reinterpret_cast<BITMAPINFO*>(p), DIB_RGB_COLORS);
        if (hBitmap != nullptr) {
            bitmap.DeleteObject();
            bDone = bitmap.Attach(hBitmap);
            if (!bDone)
                ::DeleteObject(hBitmap);
        }
    }
    if (p != nullptr)
        ::GlobalUnlock(hDIB);
    ::GlobalFree(hDIB);
    return bDone;
}
