// Device-independent bitmaps: checking a DIB block, the cell texts that name bitmaps,
// placing a bitmap in a rectangle, and (Windows) CGXDIB, the process-wide CGXDIBPool and
// GXDrawDIB.
#pragma once
#include "core/GXDefs.h"
#include <vector>

// Where the parts of a checked DIB lie inside its block.
struct GXDIBLayout
{
    LONG nWidth = 0, nHeight = 0; // height as stored (negative: top-down)
    int nBitCount = 0;
    DWORD nColors = 0; // colour-table entries
    DWORD cbHeader = 0; // header plus bit-field masks
    DWORD cbColorTable = 0; // nColors * 4
    DWORD dwBitsOffset = 0; // from the start of the block
    DWORD cbBits = 0;
};

// TRUE when the block holds a whole DIB: a BITMAPINFOHEADER, its bit-field masks, its
// colour table and all its bits within cbBlock bytes, with a non-empty size. An empty
// or malformed DIB is refused and is never divided by.
BOOL GXCheckDIB(const void* pBlock, size_t cbBlock, GXDIBLayout* pLayout = nullptr);

// biClrUsed when set, else 2, 16 or 256 for 1, 4 or 8 bits per pixel, else 0.
DWORD GXGetDIBNumColors(const void* pHeader);

// The DIB inside a bitmap file's bytes (the block after the 14-byte file header that
// follows the first "BM"); FALSE when there is none or it does not check.
BOOL GXExtractDIBFromFileBytes(const void* pBytes, size_t cbBytes, std::vector<BYTE>& dib);

// A cell text naming a bitmap: "#BMP(" (any case) with a number or a quoted name and
// ")". Gives the pool key ("#12" or the name) and the resource number or name.
BOOL GXParseDIBText(LPCTSTR pszText, CString& strKey, UINT& nResourceId, CString& strResourceName);

// Where GXDrawDIB puts a source of cxSrc x cySrc in a destination (mode 0 natural size,
// 1 stretched, 2 proportional; alignment by DT_ flags).
void GXPlaceDIB(const RECT& rcSource, const RECT& rcDest, int nMode, UINT nAlign, RECT& rcSrcOut,
                RECT& rcDestOut);

#if defined(_WIN32)
class CDC;
class CBitmap;

class CGXDIB : public CObject
{
    DECLARE_DYNCREATE(CGXDIB)
public:
    CGXDIB() = default;
    ~CGXDIB() override { Free(); }
    // Takes a DIB in global memory (released with GlobalFree); FALSE when it does not
    // check (the handle is then left to the caller).
    BOOL Attach(HGLOBAL hDIB);
    HGLOBAL Detach();
    void Free();
    HANDLE GetHandle() const { return m_hHandle; }
    DWORD GetColorCount() const { return m_nColors; }
    LONG GetWidth() const { return m_nWidth; }
    LONG GetHeight() const { return m_nHeight; }

private:
    HANDLE m_hHandle = nullptr;
    DWORD m_nColors = 0;
    LONG m_nWidth = 0, m_nHeight = 0;
    BOOL m_bGdiObject = FALSE;
};

// One per process: cell texts to bitmaps loaded once from the resources.
class CGXDIBPool : public CObject
{
public:
    CGXDIBPool();
    ~CGXDIBPool() override;
    virtual HGLOBAL LookupDIB(LPCTSTR pszCellText);
    virtual BOOL ParseDIBText(LPCTSTR pszText, CString& strKey, LPCTSTR& pszResource,
                              CString& strName);
    virtual HGLOBAL LoadDIB(LPCTSTR pszCellText, LPCTSTR pszResource);
    virtual CString FormatNamedDIBText(LPCTSTR pszName);
    virtual void FormatDIBText(UINT nId, CString& strText);
    void EmptyPool();
    INT_PTR GetCount() const { return m_map.GetCount(); }

private:
    CMapStringToPtr m_map;
};

CGXDIBPool* GXGetDIBPool();

// A bitmap resource copied into new moveable global memory; null when missing or bad.
HGLOBAL GXLoadDIBResource(HINSTANCE hModule, LPCTSTR pszName);
// A DIB from a VARIANT holding a byte array; null when it holds none.
HGLOBAL GXLoadDIBFromVariant(const VARIANT& var);
// Loads a bitmap resource with black, dark grey, light grey and white of its palette
// replaced by the system's button text, shadow, face and highlight colours, as a bitmap
// compatible with the screen. FALSE when the resource is missing or does not check.
BOOL GXLoadSysColorBitmap(CBitmap& bitmap, LPCTSTR pszResourceName);
// Draws a DIB in global memory; a DIB that does not check draws nothing (FALSE).
BOOL GXDrawDIB(CDC* pDC, HGLOBAL hDIB, const RECT& rcDest, int nMode, UINT nAlign,
               const RECT* pSource = nullptr);
#endif
