#include "core/GXDIB.h"
#include <algorithm>
#include <cstring>

namespace {
DWORD ReadDWord(const BYTE* p)
{
    DWORD dw;
    memcpy(&dw, p, 4);
    return dw;
}
WORD ReadWord(const BYTE* p)
{
    WORD w;
    memcpy(&w, p, 2);
    return w;
}
const DWORD kBiRgb = 0, kBiBitfields = 3;
} // namespace

DWORD GXGetDIBNumColors(const void* pHeader)
{
    const BYTE* p = static_cast<const BYTE*>(pHeader);
    DWORD nClrUsed = ReadDWord(p + 32);
    if (nClrUsed != 0)
        return nClrUsed;
    switch (ReadWord(p + 14)) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

BOOL GXCheckDIB(const void* pBlock, size_t cbBlock, GXDIBLayout* pLayout)
{
    const BYTE* p = static_cast<const BYTE*>(pBlock);
    if (p == nullptr || cbBlock < 40)
        return FALSE;
    DWORD biSize = ReadDWord(p);
    LONG nWidth = (LONG)ReadDWord(p + 4);
    LONG nHeight = (LONG)ReadDWord(p + 8);
    WORD nPlanes = ReadWord(p + 12);
    WORD nBitCount = ReadWord(p + 14);
    DWORD nCompression = ReadDWord(p + 16);
    if (biSize < 40 || biSize > cbBlock || nPlanes != 1)
        return FALSE;
    if (nWidth <= 0 || nHeight == 0 || nHeight == (LONG)0x80000000)
        return FALSE;
    if (nBitCount != 1 && nBitCount != 4 && nBitCount != 8 && nBitCount != 16 && nBitCount != 24 &&
        nBitCount != 32)
        return FALSE;
    if (nCompression != kBiRgb &&
        !(nCompression == kBiBitfields && (nBitCount == 16 || nBitCount == 32)))
        return FALSE;
    ULONGLONG cbHeader = biSize;
    if (nCompression == kBiBitfields && biSize == 40)
        cbHeader += 12; // the three masks follow a plain header
    DWORD nColors = GXGetDIBNumColors(p);
    if (nBitCount <= 8 && nColors > (1u << nBitCount))
        return FALSE;
    ULONGLONG cbColors = (ULONGLONG)nColors * 4;
    ULONGLONG nAbsHeight = nHeight < 0 ? (ULONGLONG)(-(long long)nHeight) : (ULONGLONG)nHeight;
    ULONGLONG cbStride = (((ULONGLONG)nWidth * nBitCount + 31) / 32) * 4;
    ULONGLONG cbBits = cbStride * nAbsHeight;
    ULONGLONG cbTotal = cbHeader + cbColors + cbBits;
    if (cbTotal > cbBlock || cbTotal > 0x7FFFFFFF)
        return FALSE;
    if (pLayout != nullptr) {
        pLayout->nWidth = nWidth;
        pLayout->nHeight = nHeight;
        pLayout->nBitCount = nBitCount;
        pLayout->nColors = nColors;
        pLayout->cbHeader = (DWORD)cbHeader;
        pLayout->cbColorTable = (DWORD)cbColors;
        pLayout->dwBitsOffset = (DWORD)(cbHeader + cbColors);
        pLayout->cbBits = (DWORD)cbBits;
    }
    return TRUE;
}

BOOL GXExtractDIBFromFileBytes(const void* pBytes, size_t cbBytes, std::vector<BYTE>& dib)
{
    dib.clear();
    const BYTE* p = static_cast<const BYTE*>(pBytes);
    if (p == nullptr)
        return FALSE;
    for (size_t i = 0; i + 1 < cbBytes; ++i) {
        if (p[i] != 'B' || p[i + 1] != 'M')
            continue;
        if (cbBytes - i < 14)
            return FALSE;
        const BYTE* pDIB = p + i + 14;
        size_t cbDIB = cbBytes - i - 14;
        if (!GXCheckDIB(pDIB, cbDIB))
            return FALSE;
        dib.assign(pDIB, pDIB + cbDIB);
        return TRUE;
    }
    return FALSE;
}

BOOL GXParseDIBText(LPCTSTR pszText, CString& strKey, UINT& nResourceId, CString& strResourceName)
{
    nResourceId = 0;
    strResourceName.Empty();
    strKey.Empty();
    if (pszText == nullptr || strlen(pszText) < 6)
        return FALSE;
    static const char kPrefix[] = "#BMP(";
    for (int i = 0; i < 5; ++i) {
        char c = pszText[i];
        if (c >= 'a' && c <= 'z')
            c = (char)(c - 'a' + 'A');
        if (c != kPrefix[i])
            return FALSE;
    }
    const char* p = pszText + 5;
    if (*p == '"') {
        const char* pClose = strchr(p + 1, '"');
        if (pClose == nullptr || pClose == p + 1 || pClose[1] != ')')
            return FALSE;
        strResourceName = CString(p + 1, (int)(pClose - p - 1));
        strKey = strResourceName;
        return TRUE;
    }
    ULONGLONG n = 0;
    const char* q = p;
    while (*q >= '0' && *q <= '9' && n <= 0xFFFF)
        n = n * 10 + (ULONGLONG)(*q++ - '0');
    if (q == p || *q != ')' || n == 0 || n > 0xFFFF)
        return FALSE;
    nResourceId = (UINT)n;
    strKey.Format("#%u", nResourceId);
    return TRUE;
}

void GXPlaceDIB(const RECT& rcSource, const RECT& rcDest, int nMode, UINT nAlign, RECT& rcSrc,
                RECT& rcDst)
{
    rcSrc = rcSource;
    rcDst = rcDest;
    const LONG cxSrc = rcSource.right - rcSource.left, cySrc = rcSource.bottom - rcSource.top;
    const LONG cxDst = rcDest.right - rcDest.left, cyDst = rcDest.bottom - rcDest.top;
    auto alignIn = [](LONG nStart, LONG nSpace, LONG nSize, bool bCentre, bool bEnd) {
        return bCentre ? nStart + (nSpace - nSize) / 2 : bEnd ? nStart + nSpace - nSize : nStart;
    };
    const bool bHCentre = (nAlign & DT_CENTER) != 0, bRight = (nAlign & DT_RIGHT) != 0;
    const bool bVCentre = (nAlign & DT_VCENTER) != 0, bBottom = (nAlign & DT_BOTTOM) != 0;
    if (nMode == 0) {
        if (cxSrc < cxDst) {
            rcDst.left = alignIn(rcDest.left, cxDst, cxSrc, bHCentre, bRight);
            rcDst.right = rcDst.left + cxSrc;
        } else {
            rcSrc.right = rcSrc.left + cxDst;
        }
        if (cySrc < cyDst) {
            rcDst.top = alignIn(rcDest.top, cyDst, cySrc, bVCentre, bBottom);
            rcDst.bottom = rcDst.top + cySrc;
        } else if (bBottom) {
            rcSrc.top = rcSrc.bottom - cyDst;
        } else {
            rcSrc.bottom = rcSrc.top + cyDst;
        }
    } else if (nMode == 2 && cxSrc > 0 && cySrc > 0) {
        long long nFactor =
            std::min((long long)cxDst * 1000 / cxSrc, (long long)cyDst * 1000 / cySrc);
        LONG cx = (LONG)(cxSrc * nFactor / 1000), cy = (LONG)(cySrc * nFactor / 1000);
        rcDst.left = alignIn(rcDest.left, cxDst, cx, bHCentre, bRight);
        rcDst.right = rcDst.left + cx;
        rcDst.top = alignIn(rcDest.top, cyDst, cy, bVCentre, bBottom);
        rcDst.bottom = rcDst.top + cy;
    }
    // Mode 1 and any other mode: stretched over the whole destination.
}
