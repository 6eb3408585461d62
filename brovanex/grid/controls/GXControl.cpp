// CGXControl: binding to a cell, the cached style, rectangles, drawing of the background,
// frame and children, and the child list.
#include "controls/GXControl.h"
#include "controls/GXChild.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "res/GXResource.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"
#include "fw/gdi.h"

const CGXControlClassRecord CGXControl::classCGXControl = {"CGXControl", nullptr};
CGXCellTipBase* (*GXCreateCellTipOf)(CGXControl* pControl) = nullptr;

CGXControl::CGXControl(CGXGridCore* pGrid)
    : m_dwFlags(0), m_pGrid(pGrid), m_nRow(GX_INVALID), m_nCol(GX_INVALID), m_pStyle(nullptr),
      m_bInit(FALSE), m_pChildList(nullptr), m_pActiveChild(nullptr), m_bLeadByte(FALSE),
      m_cLeadByte(0), m_pCellTip(nullptr)
{ }

CGXControl::~CGXControl()
{
    delete m_pStyle;
    if (m_pChildList != nullptr) {
        while (!m_pChildList->IsEmpty())
            delete static_cast<CGXChild*>(m_pChildList->RemoveHead());
        delete m_pChildList;
    }
    delete m_pCellTip;
}

const CGXControlClassRecord* CGXControl::GetControlClass() const { return &classCGXControl; }

BOOL CGXControl::IsKindOf(const CGXControlClassRecord* pClass) const
{
    if (pClass == nullptr)
        return FALSE;
    for (const CGXControlClassRecord* p = GetControlClass(); p != nullptr; p = p->m_pBaseClass)
        if (p == pClass || strcmp(p->m_lpszClassName, pClass->m_lpszClassName) == 0)
            return TRUE;
    return FALSE;
}

BOOL CGXControl::IsWindowKindOf(CRuntimeClass* pClass)
{
    CWnd* pWnd = GetWnd();
    return pWnd != nullptr && pClass != nullptr && pWnd->IsKindOf(pClass);
}

CRuntimeClass* CGXControl::GetWndRuntimeClass() { return nullptr; }
CWnd* CGXControl::GetWnd() { return nullptr; }
void CGXControl::SetActive(BOOL) { }
BOOL CGXControl::IsActive() { return FALSE; }
void CGXControl::SetModify(BOOL) { }
BOOL CGXControl::GetModify() { return FALSE; }
BOOL CGXControl::Store() { return FALSE; }
void CGXControl::Hide() { }

void CGXControl::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_nRow = nRow;
    m_nCol = nCol;
    m_bInit = TRUE;
    SetActive(FALSE);
    SetModify(FALSE);
    FreeStyle(FALSE);
    m_pActiveChild = nullptr;
    PlaceChildren(nRow, nCol, GetCellRect(nRow, nCol));
    m_pGrid->OnInitCurrentCell(nRow, nCol);
    CGXGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_wActivateCell & 4) && OnStartEditing())
        SetActive(TRUE);
}

void CGXControl::Reset()
{
    if (m_bInit && (GetModify() || IsActive()))
        InvalidateCell(m_nRow, m_nCol);
    Hide();
    SetModify(FALSE);
    SetActive(FALSE);
    FreeStyle(TRUE);
    m_bInit = FALSE;
}

BOOL CGXControl::Refresh()
{
    if (!m_bInit)
        return FALSE;
    const BOOL bActive = IsActive();
    if (GetModify() || bActive)
        InvalidateCell(m_nRow, m_nCol);
    Hide();
    CWnd* pWnd = m_pGrid->GetGridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    CRect rect = bActive ? m_pGrid->GetSpannedCellRect(m_nRow, m_nCol)
                         : m_pGrid->GetCellWindowRect(m_nRow, m_nCol);
    return ::InvalidateRect(pWnd->GetSafeHwnd(), &rect, TRUE);
}

void CGXControl::InvalidateCell(ROWCOL nRow, ROWCOL nCol, BOOL bCovered)
{
    CWnd* pWnd = m_pGrid->GetGridWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    CRect rect =
        bCovered ? m_pGrid->GetSpannedCellRect(nRow, nCol) : m_pGrid->GetCellWindowRect(nRow, nCol);
    pWnd->InvalidateRect(&rect, TRUE);
}

CGXStyle* CGXControl::LoadStyle()
{
    if (m_pStyle == nullptr && m_bInit) {
        m_pStyle = m_pGrid->TakeStyleObject();
        m_pGrid->ComposeCellStyle(m_nRow, m_nCol, m_pStyle);
    }
    return m_pStyle;
}

void CGXControl::FreeStyle(BOOL bNotify)
{
    if (m_pStyle != nullptr) {
        m_pGrid->ReturnStyleObject(m_pStyle);
        m_pStyle = nullptr;
    }
    if (bNotify && m_nRow != GX_INVALID && m_nCol != GX_INVALID)
        m_pGrid->ReleaseCachedCellStyle(m_nRow, m_nCol);
}

CFont* CGXControl::LoadFont(CDC* pDC, const CGXStyle& style, const CGXStyle* pStandardStyle)
{
    return m_pGrid->SelectStyleFont(pDC, style, pStandardStyle);
}

CRect CGXControl::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem, const CGXStyle* pStyle)
{
    const CGXStyle& style = pStyle != nullptr ? *pStyle : m_pGrid->GetCachedCellStyle(nRow, nCol);
    CRect rect = pRectItem != nullptr ? CRect(pRectItem) : m_pGrid->GetSpannedCellRect(nRow, nCol);
    rect = m_pGrid->SubtractBorders(rect, style, TRUE, nRow, nCol);
    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProp = m_pGrid->GetProperties();
    if (pParam == nullptr || pProp == nullptr || pParam->m_bLineFlag)
        return rect;
    const BOOL bPrinting = m_pGrid->IsPrinting();
    const BOOL bVert = bPrinting ? pProp->m_abPrint[0] : pProp->GetDisplayVertLines();
    const BOOL bHorz = bPrinting ? pProp->m_abPrint[1] : pProp->GetDisplayHorzLines();
    const ROWCOL nFrozenCols = m_pGrid->GetFrozenColCount();
    const ROWCOL nFrozenRows = m_pGrid->GetFrozenRowCount();
    if (bVert && nCol > m_pGrid->GetHeaderColCount() && nCol == nFrozenCols &&
        !style.GetBorders(gxBorderRight).IsSet())
        rect.right -= 1;
    if (bHorz && nRow > m_pGrid->GetHeaderRowCount() && nRow == nFrozenRows &&
        !style.GetBorders(gxBorderBottom).IsSet())
        rect.bottom -= 1;
    return rect;
}

CSize CGXControl::AddBorders(CSize size, const CGXStyle& style)
{
    return m_pGrid->AddBorderSize(size, style);
}

CSize CGXControl::MeasureCellSize(CDC*, ROWCOL, ROWCOL, const CGXStyle&, const CGXStyle*, BOOL)
{
    return CSize(0, 0);
}

BOOL CGXControl::AllowsTextFloat(ROWCOL, ROWCOL, const CGXStyle&, BOOL) { return FALSE; }

BOOL CGXControl::HasValue(ROWCOL, ROWCOL, const CGXStyle& style)
{
    return !style.GetValue().IsEmpty();
}

BOOL CGXControl::DrawsActiveChildren(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pGrid->IsPrinting() || !m_pGrid->IsCurrentCell(nRow, nCol))
        return FALSE;
    CWnd* pWnd = m_pGrid->GetGridWnd();
    HWND hFocus = ::GetFocus();
    return pWnd != nullptr && hFocus != nullptr &&
        (hFocus == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), hFocus));
}

void CGXControl::HideWindowOfInactiveCell(ROWCOL nRow, ROWCOL nCol)
{
    CWnd* pWnd = GetWnd();
    if (IsInitRowCol(nRow, nCol) && pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr &&
        pWnd->IsWindowVisible() && !IsActive() && !m_pGrid->IsPrinting())
        Hide();
}

BOOL CGXControl::CharAsTypedText(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar < 32 || nChar == 127)
        return CGXControl::Char(nChar, nRepCnt, nFlags);
    const char sz[2] = {(char)(BYTE)nChar, '\0'};
    return InsertTypedText(sz, nRepCnt, nFlags);
}

void CGXControl::DrawCurrentCellFrame(CDC* pDC, const CRect& rect)
{
    CGXGridParam* pParam = m_pGrid->GetParam();
    CGXProperties* pProp = m_pGrid->GetProperties();
    if (pParam == nullptr || pProp == nullptr || pParam->m_bNoCurrentCellFrame)
        return;
    if (pParam->m_wActivateCell == 4 && GetWnd() != nullptr)
        return;
    if (pParam->m_nHideCurrentCell != 0) {
        CWnd* pWnd = m_pGrid->GetGridWnd();
        HWND hFocus = ::GetFocus();
        const BOOL bFocus = pWnd != nullptr && hFocus != nullptr &&
            (hFocus == pWnd->GetSafeHwnd() || ::IsChild(pWnd->GetSafeHwnd(), hFocus));
        if (pParam->m_nHideCurrentCell != 2 || !bFocus)
            return;
    }
    CString strKind;
    const auto& props = pProp->UserProperties();
    auto it = props.find(GX_IDS_UP_CURRENTCELLFRAME);
    if (it != props.end() && it->second.pStyle != nullptr)
        strKind = it->second.pStyle->GetValue();
    if (strKind == pProp->m_astrChoices[2] || strKind == pProp->m_astrChoices[3]) {
        const int nWidth = strKind == pProp->m_astrChoices[2] ? 1 : 2;
        const CGXPen pen(PS_SOLID, nWidth, RGB(0, 0, 0));
        m_pGrid->DrawBorder(pDC, rect, gxBorderTop, pen);
        m_pGrid->DrawBorder(pDC, rect, gxBorderBottom, pen);
        m_pGrid->DrawBorder(pDC, rect, gxBorderLeft, pen);
        m_pGrid->DrawBorder(pDC, rect, gxBorderRight, pen);
        return;
    }
    if (!pProp->m_astrChoices[4].IsEmpty() && strKind == pProp->m_astrChoices[4])
        return;
    const int t = strKind == pProp->m_astrChoices[1] && !strKind.IsEmpty() ? 2 : 1;
    const CRect strips[4] = {
        CRect(rect.left, rect.top, rect.left + t, rect.bottom),
        CRect(rect.right - t, rect.top, rect.right, rect.bottom),
        CRect(rect.left + t, rect.top, rect.right - t, rect.top + t),
        CRect(rect.left + t, rect.bottom - t, rect.right - t, rect.bottom),
    };
    for (const CRect& strip : strips)
        if (!strip.IsRectEmpty())
            pDC->InvertRect(&strip);
}

void CGXControl::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                      const CGXStyle*)
{
    if (GetCount() == 0)
        return;
    PlaceChildren(nRow, nCol, GetCellRect(nRow, nCol, &rect, &style));
    const BOOL bActive = DrawsActiveChildren(nRow, nCol);
    for (int i = 0; i < GetCount(); ++i)
        GetChild(i)->Draw(pDC, bActive);
}

void CGXControl::DrawBackground(CDC* pDC, const CRect& rect, const CGXStyle& style, BOOL bErase)
{
    if (bErase) {
        const GXPaintPass* pPass = m_pGrid->GetPaintPass();
        const BOOL bBlackWhite = pPass != nullptr && pPass->bBlackWhite;
        CGXBrush brush = style.GetInterior();
        if (bBlackWhite)
            GXFillSolidRect(pDC, &rect, RGB(255, 255, 255));
        else
            m_pGrid->DrawBrushRect(pDC, rect, brush);
    }
    Draw3dFrame(pDC, rect, style);
}

void CGXControl::Draw3dFrame(CDC* pDC, const CRect& rect, const CGXStyle& style)
{
    const GXPaintPass* pPass = m_pGrid->GetPaintPass();
    if (pPass != nullptr && pPass->bBlackWhite)
        return;
    if (!style.GetInclude(gxDraw3dFrame))
        return;
    const int nKind = style.GetDraw3dFrame();
    if (nKind != 1 && nKind != 2)
        return;
    const COLORREF crLight = GXGetSysColorCache().GetSysColor(COLOR_BTNHIGHLIGHT);
    const COLORREF crDark = RGB(0, 0, 0);
    GXGetDrawingAndFormatting()->Draw3dFrame(pDC, rect.left - 1, rect.top - 1, rect.right,
                                             rect.bottom, 1, nKind == 1 ? crLight : crDark,
                                             nKind == 1 ? crDark : crLight);
}

// --- Children ---

void CGXControl::AddChild(CGXChild* pChild)
{
    if (m_pChildList == nullptr)
        m_pChildList = new CPtrList(10);
    m_pChildList->AddTail(pChild);
}

CGXChild* CGXControl::GetChild(int nIndex)
{
    if (m_pChildList == nullptr || nIndex < 0 || nIndex >= (int)m_pChildList->GetCount())
        return nullptr;
    return static_cast<CGXChild*>(m_pChildList->GetAt(m_pChildList->FindIndex(nIndex)));
}

int CGXControl::GetCount() { return m_pChildList != nullptr ? (int)m_pChildList->GetCount() : 0; }
CGXChild* CGXControl::GetActiveChild() { return m_pActiveChild; }
void CGXControl::SetActiveChild(CGXChild* pChild) { m_pActiveChild = pChild; }
void CGXControl::PlaceChildren(ROWCOL, ROWCOL, const CRect&) { }

void CGXControl::PlaceChildrenForBoundCell()
{
    if (m_bInit && GetCount() > 0)
        PlaceChildren(m_nRow, m_nCol, GetCellRect(m_nRow, m_nCol));
}

// --- Cell tips ---

void CGXControl::ImplementCellTips()
{
    if (m_pCellTip == nullptr && GXCreateCellTipOf != nullptr)
        m_pCellTip = GXCreateCellTipOf(this);
}

DWORD CGXControl::NeedsCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return m_pCellTip != nullptr ? m_pCellTip->NeedsCellTip(nRow, nCol, style) : 0;
}

int CGXControl::GetCellTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    return m_pCellTip != nullptr ? m_pCellTip->GetTipKind(nRow, nCol, style) : 0x7FFFFFFF;
}

void CGXControl::InitCellTipWnd(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CWnd* pTipWnd)
{
    if (m_pCellTip != nullptr)
        m_pCellTip->InitTipWnd(nRow, nCol, style, pTipWnd);
}

void CGXControl::AddExcludedRect(const CRect& rect) { m_pGrid->AddExcludedRect(rect); }

void CGXControl::ForwardKillFocus(CWnd* pNewWnd)
{
    CWnd* pGridWnd = m_pGrid->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return;
    if (pNewWnd != nullptr && pNewWnd->GetSafeHwnd() == pGridWnd->GetSafeHwnd())
        return;
    if (m_pGrid->GetParam() != nullptr && m_pGrid->m_pLibState->m_bLockFocusChange)
        return;
    pGridWnd->SendMessage(WM_KILLFOCUS,
                          (WPARAM)(pNewWnd != nullptr ? pNewWnd->GetSafeHwnd() : nullptr));
}
