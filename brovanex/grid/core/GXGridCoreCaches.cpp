// CGXGridCore: the caches of GDI objects and composed styles, the free style list and the
// grid's own DC for work outside paint passes.
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXSysColorCache.h"
#include "core/GXLongOperation.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include <cstring>

namespace {
const size_t nMaxFreeStyles = 501;

ULONGLONG PairKey(DWORD dw1, DWORD dw2) { return ((ULONGLONG)dw2 << 32) | dw1; }

COLORREF Resolved(COLORREF cr) { return GXIsSysColorRef(cr) ? GXResolveColor(cr) : cr & 0xFFFFFF; }
} // namespace

CFont* CGXGridCore::FindOrMakeFont(const CGXFont& font)
{
    if (m_fontCache.empty())
        m_fontCache.reserve(257);
    CFont*& pFont = m_fontCache[font.GetKey()];
    if (pFont != nullptr && pFont->GetSafeHandle() != nullptr)
        return pFont;
    if (pFont == nullptr)
        pFont = new CFont;
    LOGFONT lf = font.GetLogFontRef();
    pFont->CreateFontIndirect(&lf);
    return pFont;
}

CBrush* CGXGridCore::FindOrMakeBrush(const CGXBrush& brush)
{
    if (m_brushCache.empty())
        m_brushCache.reserve(257);
    CBrush*& pBrush = m_brushCache[PairKey(brush.m_dw1, brush.m_dw2)];
    if (pBrush != nullptr && pBrush->GetSafeHandle() != nullptr)
        return pBrush;
    if (pBrush == nullptr)
        pBrush = new CBrush;
    LOGBRUSH lb;
    brush.GetLogBrush(lb);
    lb.lbColor = Resolved(brush.GetColor());
    if (lb.lbStyle == BS_SOLID || lb.lbStyle == BS_HATCHED) {
        pBrush->CreateBrushIndirect(&lb);
    } else if (lb.lbStyle == BS_PATTERN && lb.lbHatch != 0) {
        pBrush->CreatePatternBrush(CBitmap::FromHandle((HBITMAP)lb.lbHatch));
    } else {
        lb.lbStyle = BS_HOLLOW;
        pBrush->CreateBrushIndirect(&lb);
    }
    return pBrush;
}

CPen* CGXGridCore::FindOrMakePen(const CGXPen& pen)
{
    if (m_penCache.empty())
        m_penCache.reserve(257);
    CPen*& pPen = m_penCache[PairKey(pen.m_dw1, pen.m_dw2)];
    if (pPen != nullptr && pPen->GetSafeHandle() != nullptr)
        return pPen;
    if (pPen == nullptr)
        pPen = new CPen;
    UINT nStyle = pen.IsSet() ? pen.GetStyle() : PS_SOLID;
    pPen->CreatePen((int)nStyle, std::max(1, pen.GetWidth()), Resolved(pen.GetColor()));
    return pPen;
}

CFont* CGXGridCore::SelectZoomedFont(CDC* pDC, const CGXFont& font)
{
    CGXFont zoomed(font);
    const int nZoom = GetZoomPercent();
    if (nZoom != 100 && font.GetIncludeSize())
        zoomed.SetSize(font.GetSize() * nZoom * 0.01);
    return pDC->SelectObject(FindOrMakeFont(zoomed));
}

CFont* CGXGridCore::SelectStyleFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pPrevStyle)
{
    if (pPrevStyle != nullptr) {
        if (!style.GetInclude(gxFont))
            return nullptr;
        if (pPrevStyle->GetInclude(gxFont)) {
            LOGFONT a = style.GetFont().GetLogFontRef();
            LOGFONT b = pPrevStyle->GetFont().GetLogFontRef();
            if (memcmp(&a, &b, sizeof(LOGFONT)) == 0)
                return nullptr;
        }
    }
    return SelectZoomedFont(pDC, style.GetFont());
}

void CGXGridCore::MeasureFontUnits(CDC* pDC, int& nHorzUnit, int& nVertUnit)
{
    TEXTMETRIC tm;
    if (!pDC->GetTextMetrics(&tm)) {
        nHorzUnit = 1;
        nVertUnit = 1;
        return;
    }
    nVertUnit = tm.tmHeight + tm.tmExternalLeading;
    // The pitch flag set means a proportional font.
    nHorzUnit = tm.tmAveCharWidth * ((tm.tmPitchAndFamily & TMPF_FIXED_PITCH) ? 3 : 2) / 2;
}

COLORREF CGXGridCore::ResolveTextColor(const CGXStyle& style) const
{
    COLORREF cr = style.GetTextColor();
    if (GXIsSysColorRef(cr))
        return GXResolveColor(cr);
    switch ((cr >> 24) & 3) {
    case 1:
        return PALETTEINDEX(cr & 0xFFFF);
    case 2:
        return PALETTERGB(GetRValue(cr), GetGValue(cr), GetBValue(cr));
    default:
        return cr & 0xFFFFFF;
    }
}

const CGXStyle& CGXGridCore::GetCachedCellStyle(ROWCOL nRow, ROWCOL nCol)
{
    const BOOL bCurrent = m_bCurrentCellValid && nRow == m_nCurrentRow && nCol == m_nCurrentCol;
    if (bCurrent && m_bCacheCurrentCellStyle && m_bCurrentStyleValid &&
        m_pStyleCurrentCell != nullptr)
        return *m_pStyleCurrentCell;
    const BOOL bApart = bCurrent && m_bCurrentCellStyleApart;
    if (!bApart) {
        auto it = m_styleCache.find(GXCellKey(nRow, nCol));
        if (it != m_styleCache.end())
            return *it->second;
    }
    CGXStyle* pStyle = TakeStyleObject();
    ComposeCellStyle(nRow, nCol, pStyle, TRUE);
    if (IsGridReadOnly())
        pStyle->SetReadOnly(TRUE);
    if (bApart)
        m_tempStyles.push_back(pStyle);
    else
        m_styleCache[GXCellKey(nRow, nCol)] = pStyle;
    if (bCurrent) {
        m_pCurrentCellControl = LookupControl(pStyle->GetControl());
        if (m_bCacheCurrentCellStyle) {
            if (m_pStyleCurrentCell == nullptr)
                m_pStyleCurrentCell = TakeStyleObject();
            *m_pStyleCurrentCell = *pStyle;
            m_bCurrentStyleValid = TRUE;
        }
    }
    return *pStyle;
}

void CGXGridCore::KeepCachedStyles(ROWCOL nRow1, ROWCOL nRow2, ROWCOL nCol1, ROWCOL nCol2)
{
    m_anKeepRows[0] = nRow1;
    m_anKeepRows[1] = nRow2;
    m_anKeepCols[0] = nCol1;
    m_anKeepCols[1] = nCol2;
    m_bKeepStyles =
        nRow1 != GX_INVALID || nRow2 != GX_INVALID || nCol1 != GX_INVALID || nCol2 != GX_INVALID;
}

void CGXGridCore::ReleaseCachedCellStyle(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pPaintPass != nullptr)
        return; // the pass holds pointers into the cache
    auto it = m_styleCache.find(GXCellKey(nRow, nCol));
    if (it != m_styleCache.end()) {
        ReturnStyleObject(it->second);
        m_styleCache.erase(it);
    }
}

CGXStyle* CGXGridCore::TakeStyleObject()
{
    if (!m_freeStyles.empty()) {
        CGXStyle* pStyle = m_freeStyles.back();
        m_freeStyles.pop_back();
        return pStyle;
    }
    CObject* pOb = m_pStyleClass != nullptr ? m_pStyleClass->CreateObject() : nullptr;
    if (pOb != nullptr && pOb->IsKindOf(RUNTIME_CLASS(CGXStyle)))
        return static_cast<CGXStyle*>(pOb);
    delete pOb;
    return new CGXStyle;
}

void CGXGridCore::ReturnStyleObject(CGXStyle* pStyle)
{
    if (pStyle == nullptr)
        return;
    pStyle->ClearAll();
    if (m_freeStyles.size() < nMaxFreeStyles)
        m_freeStyles.push_back(pStyle);
    else
        delete pStyle;
}

void CGXGridCore::FlushDrawingCaches()
{
    if (m_pPaintPass != nullptr)
        return;
    if (!m_bRefreshing) {
        ReturnGridDC();
        for (auto& kv : m_fontCache)
            delete kv.second; // the wrapper deletes its GDI object
        for (auto& kv : m_brushCache)
            delete kv.second;
        for (auto& kv : m_penCache)
            delete kv.second;
        m_fontCache.clear();
        m_brushCache.clear();
        m_penCache.clear();
    }
    if (m_bKeepStyles) {
        // Only the styles of the marked rows and columns and of the current cell stay.
        for (auto it = m_styleCache.begin(); it != m_styleCache.end();) {
            const ROWCOL nRow = (ROWCOL)(it->first >> 32), nCol = (ROWCOL)(it->first & 0xFFFFFFFF);
            const BOOL bKeep = nRow == m_anKeepRows[0] || nRow == m_anKeepRows[1] ||
                nCol == m_anKeepCols[0] || nCol == m_anKeepCols[1] ||
                (m_bCurrentCellValid && nRow == m_nCurrentRow && nCol == m_nCurrentCol);
            if (bKeep) {
                ++it;
            } else {
                ReturnStyleObject(it->second);
                it = m_styleCache.erase(it);
            }
        }
    } else {
        for (auto& kv : m_styleCache)
            ReturnStyleObject(kv.second);
        m_styleCache.clear();
        if (!m_bPreserveCurrentCellStyle) {
            m_bCurrentStyleValid = FALSE;
            if (m_pStyleCurrentCell != nullptr)
                m_pStyleCurrentCell->ClearAll();
            m_pCurrentCellControl = nullptr;
        }
    }
    for (CGXStyle* pStyle : m_tempStyles)
        delete pStyle;
    m_tempStyles.clear();
}

CDC* CGXGridCore::BorrowGridDC()
{
    if (m_pPaintPass != nullptr && m_pPaintPass->pDC != nullptr)
        return m_pPaintPass->pDC;
    if (m_pGridDC == nullptr) {
        if (m_pWindow == nullptr || m_pWindow->GetSafeHwnd() == nullptr)
            return nullptr;
        m_pGridDC = new CClientDC(m_pWindow);
        OnPrepareDC(m_pGridDC, nullptr);
        m_hGridDCOldFont = nullptr;
        if (m_pStandardStyle != nullptr || GetStylesMap() != nullptr) {
            CFont* pOld = SelectStyleFont(m_pGridDC, GetStandardStyle());
            m_hGridDCOldFont = pOld != nullptr ? (HFONT)pOld->GetSafeHandle() : nullptr;
        }
    }
    return m_pGridDC;
}

void CGXGridCore::ReturnGridDC()
{
    if (m_pPaintPass != nullptr || m_pGridDC == nullptr || CGXLongOperation::GetNestingLevel() > 0)
        return;
    if (m_hGridDCOldFont != nullptr)
        ::SelectObject(m_pGridDC->GetSafeHdc(), m_hGridDCOldFont);
    delete m_pGridDC;
    m_pGridDC = nullptr;
    m_hGridDCOldFont = nullptr;
}
