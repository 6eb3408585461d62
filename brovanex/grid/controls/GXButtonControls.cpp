// Push buttons and radio-button groups.
#include "controls/GXButtonControls.h"
#include "controls/GXChild.h"
#include "controls/GXStatic.h"
#include "core/GXChoiceList.h"
#include "core/GXDIB.h"
#include "core/GXDrawingAndFormatting.h"
#include "core/GXGridCore.h"
#include "core/GXStylesMap.h"
#include "fw/dc.h"
#include "fw/gdi.h"
#include "fw/resource_chain.h"
#include <algorithm>

GX_IMPLEMENT_CONTROL(CGXPushbutton, CGXControl)
GX_IMPLEMENT_CONTROL(CGXRadioButton, CGXControl)
GX_IMPLEMENT_CONTROL(CGXRadioButtonEx, CGXRadioButton)

namespace {
const WORD kOrientation = 51057;

class CDCState
{
public:
    explicit CDCState(CDC* pDC) : m_pDC(pDC), m_nSaved(pDC->SaveDC()) { }
    ~CDCState() { m_pDC->RestoreDC(m_nSaved); }
    CDCState(const CDCState&) = delete;
    CDCState& operator=(const CDCState&) = delete;

private:
    CDC* m_pDC;
    int m_nSaved;
};
} // namespace

// --- Push button ---

CGXPushbutton::CGXPushbutton(CGXGridCore* pGrid) : CGXControl(pGrid), m_pButton(new CGXButton(this))
{
    AddChild(m_pButton);
}

void CGXPushbutton::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGXPushbutton::PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    SetActiveChild(m_pButton);
    m_pButton->SetRect(rect);
    m_pButton->SetText(m_pGrid->GetCachedCellStyle(nRow, nCol).GetChoiceList());
}

void CGXPushbutton::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                         const CGXStyle* pStandardStyle)
{
    if (rect.Width() <= 1 || rect.Height() <= 1)
        return;
    CDCState state(pDC);
    LoadFont(pDC, style, pStandardStyle);
    pDC->SetTextColor(m_pGrid->ResolveTextColor(style));
    Draw3dFrame(pDC, rect, style);
    PlaceChildren(nRow, nCol, GetCellRect(nRow, nCol, &rect, &style));
    m_pButton->SetText(style.GetChoiceList());
    m_pButton->Draw(pDC, DrawsActiveChildren(nRow, nCol));
}

CSize CGXPushbutton::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                     const CGXStyle* pStandardStyle, BOOL)
{
    CDCState state(pDC);
    LoadFont(pDC, style, pStandardStyle);
    CSize size = pDC->GetTextExtent(style.GetChoiceList());
    return AddBorders(CSize(size.cx + 8, size.cy + 4), style);
}

void CGXPushbutton::DrawCurrentCellFrame(CDC*, const CRect&) { }

// --- Radio buttons ---

CGXRadioButton::CGXRadioButton(CGXGridCore* pGrid, BOOL bDraw3dFrame)
    : CGXControl(pGrid), m_bDraw3dFrame(bDraw3dFrame), m_nChoices(0)
{ }

void CGXRadioButton::GetChoices(const CGXStyle& style, CStringArray& choices)
{
    choices.RemoveAll();
    CString strRest = style.GetChoiceList();
    CString strLine;
    while (!strRest.IsEmpty()) {
        GXExtractLine(strRest, strLine);
        if (!strLine.IsEmpty())
            choices.Add(strLine);
    }
}

int CGXRadioButton::RowHeight(CDC* pDC)
{
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    return std::max(12, (int)(tm.tmHeight + tm.tmExternalLeading));
}

CRect CGXRadioButton::GetButtonRect(CDC* pDC, const CRect& rectInner, const CGXStyle&, int n)
{
    const int h = RowHeight(pDC);
    const int top = rectInner.top + n * h + (h - 12) / 2;
    return CRect(rectInner.left + 3, top, rectInner.left + 15, top + 12);
}

int CGXRadioButton::HitChoice(CDC* pDC, const CRect& rectInner, const CGXStyle& style, CPoint point)
{
    CStringArray choices;
    GetChoices(style, choices);
    for (int i = 0; i < (int)choices.GetSize(); ++i) {
        CRect rectButton = GetButtonRect(pDC, rectInner, style, i);
        const CSize text = pDC->GetTextExtent(choices[i]);
        CRect rectRow(rectButton.left, rectButton.top, rectButton.left + 15 + text.cx,
                      rectButton.bottom);
        if (rectRow.PtInRect(point))
            return i;
    }
    return -1;
}

void CGXRadioButton::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                          const CGXStyle* pStandardStyle)
{
    CDCState state(pDC);
    DrawBackground(pDC, rect, style, FALSE);
    const CRect inner = CGXControl::GetCellRect(nRow, nCol, &rect, &style);
    pDC->IntersectClipRect(&inner);
    LoadFont(pDC, style, pStandardStyle);
    pDC->SetTextColor(m_pGrid->ResolveTextColor(style));
    pDC->SetBkMode(TRANSPARENT);
    CStringArray choices;
    GetChoices(style, choices);
    m_nChoices = (int)choices.GetSize();
    CString strValue;
    if (IsInitRowCol(nRow, nCol) && IsActive())
        GetValue(strValue);
    else
        strValue = style.GetValue();
    const int nSelected = strValue.IsEmpty() ? -1 : atoi(strValue);
    for (int i = 0; i < m_nChoices; ++i) {
        const CRect b = GetButtonRect(pDC, inner, style, i);
        if (m_bDraw3dFrame) {
            HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(20019), RT_BITMAP);
            if (HGLOBAL hDIB = GXLoadDIBResource(hInst, MAKEINTRESOURCE(20019))) {
                const BITMAPINFO* pInfo = static_cast<const BITMAPINFO*>(::GlobalLock(hDIB));
                const BITMAPINFOHEADER& bih = pInfo->bmiHeader;
                const int nColors = bih.biClrUsed != 0
                    ? (int)bih.biClrUsed
                    : (bih.biBitCount <= 8 ? 1 << bih.biBitCount : 0);
                const BYTE* pBits =
                    reinterpret_cast<const BYTE*>(pInfo) + bih.biSize + nColors * sizeof(RGBQUAD);
                ::StretchDIBits(pDC->GetSafeHdc(), b.left, b.top, 14, 13, i == nSelected ? 14 : 0,
                                0, 14, 13, pBits, pInfo, DIB_RGB_COLORS, SRCCOPY);
                ::GlobalUnlock(hDIB);
                ::GlobalFree(hDIB);
            }
        } else {
            CPen penBlack(PS_SOLID, 1, RGB(0, 0, 0));
            CBrush brWhite(RGB(255, 255, 255)), brBlack(RGB(0, 0, 0));
            CPen* pOldPen = pDC->SelectObject(&penBlack);
            CBrush* pOldBrush = pDC->SelectObject(&brWhite);
            pDC->Ellipse(b.left, b.top, b.left + 12, b.top + 12);
            if (i == nSelected) {
                pDC->SelectObject(&brBlack);
                pDC->Ellipse(b.left + 2, b.top + 2, b.left + 10, b.top + 10);
            }
            pDC->SelectObject(pOldBrush);
            pDC->SelectObject(pOldPen);
        }
        const int h = RowHeight(pDC);
        const int rowTop = b.top - (h - 12) / 2;
        GXGetDrawingAndFormatting()->DrawText(pDC, choices[i], choices[i].GetLength(), b.left + 15,
                                              rowTop, inner.right, rowTop + h,
                                              DT_SINGLELINE | DT_NOPREFIX | DT_VCENTER, &inner);
    }
    CGXControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

CSize CGXRadioButton::MeasureCellSize(CDC* pDC, ROWCOL, ROWCOL, const CGXStyle& style,
                                      const CGXStyle* pStandardStyle, BOOL)
{
    CDCState state(pDC);
    LoadFont(pDC, style, pStandardStyle);
    CStringArray choices;
    GetChoices(style, choices);
    int cx = 0;
    for (int i = 0; i < (int)choices.GetSize(); ++i)
        cx = std::max(cx, (int)pDC->GetTextExtent(choices[i]).cx);
    return AddBorders(CSize(cx + 22, RowHeight(pDC) * (int)choices.GetSize() + 4), style);
}

int CGXRadioButton::CurrentIndex()
{
    if (!IsActive())
        FreeStyle(FALSE);
    CString strValue;
    if (!GetValue(strValue) || strValue.IsEmpty())
        return -1;
    return atoi(strValue);
}

void CGXRadioButton::SelectChoice(int nChoice)
{
    CString strValue;
    strValue.Format("%d", nChoice);
    m_pGrid->SetCellValue(CGXRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, GX_UPDATENOW);
}

BOOL CGXRadioButton::LButtonDown(UINT nFlags, CPoint point, UINT nHitState)
{
    CGXControl::LButtonDown(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGXRadioButton::LButtonUp(UINT nFlags, CPoint point, UINT nHitState)
{
    if (m_bInit && (nHitState & GX_HITSTATE_INCELL) && !IsReadOnly()) {
        const CGXStyle& style = *LoadStyle();
        CClientDC dc(m_pGrid->GetGridWnd());
        CFont* pOld = LoadFont(&dc, style, nullptr);
        const int nHit = HitChoice(&dc, CGXControl::GetCellRect(m_nRow, m_nCol), style, point);
        if (pOld != nullptr)
            dc.SelectObject(pOld);
        if (nHit >= 0) {
            if (nHit != CurrentIndex() && OnStartEditing())
                SelectChoice(nHit);
            OnChildButtonClicked(nullptr);
        }
    }
    return CGXControl::LButtonUp(nFlags, point, nHitState) || TRUE;
}

BOOL CGXRadioButton::RouteKeyMessage(UINT nMessage, UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (CGXControl::RouteKeyMessage(nMessage, nChar, nRepCnt, nFlags))
        return TRUE;
    if (nMessage != WM_CHAR || nChar != VK_SPACE || !m_bInit || IsReadOnly())
        return FALSE;
    CStringArray choices;
    GetChoices(*LoadStyle(), choices);
    const int nNext = CurrentIndex() + 1;
    if (!OnStartEditing())
        return TRUE;
    SelectChoice(nNext < (int)choices.GetSize() ? nNext : 0);
    return TRUE;
}

// --- Editing a cached value (the "Ex" cells) ---

template<class TBase>
void CGXCachedValueEditing<TBase>::WriteCachedValue(LPCTSTR pszValue)
{
    if (!m_bActive) {
        if (!this->OnStartEditing())
            return;
        m_bActive = TRUE;
    }
    if (CGXStyle* pStyle = this->LoadStyle())
        pStyle->SetValue(pszValue);
    this->InvalidateCell(this->m_nRow, this->m_nCol);
    SetModify(TRUE);
    this->NotifyModified();
}

template<class TBase>
BOOL CGXCachedValueEditing<TBase>::KeyDown(UINT nChar, UINT, UINT)
{
    if (nChar != VK_DELETE || !m_bActive || this->IsReadOnly())
        return FALSE;
    WriteCachedValue("");
    return TRUE;
}

template<class TBase>
BOOL CGXCachedValueEditing<TBase>::Store()
{
    CString strValue;
    if (this->m_bInit && m_bModified && this->GetValue(strValue))
        this->m_pGrid->SetCellValue(
            CGXRange(this->m_nRow, this->m_nCol, this->m_nRow, this->m_nCol), strValue,
            GX_INVALIDATE);
    m_bModified = FALSE;
    m_bActive = FALSE;
    return TRUE;
}

template class CGXCachedValueEditing<CGXRadioButton>;
template class CGXCachedValueEditing<CGXCheckBox>;

// --- Radio buttons, editing a cached value ---

CGXRadioButtonEx::CGXRadioButtonEx(CGXGridCore* pGrid, BOOL bDraw3dFrame)
    : CGXCachedValueEditing<CGXRadioButton>(pGrid, bDraw3dFrame)
{ }

void CGXRadioButtonEx::AddUserAttributes(CGXStylesMap* pStylesMap)
{
    CGXStyle style;
    style.SetControl(52532).SetChoiceList("Vertical\nHorizontal");
    pStylesMap->DeclareUserAttribute(kOrientation, &style);
}

BOOL CGXRadioButtonEx::IsHorizontal(const CGXStyle& style)
{
    return style.HasUserAttribute(kOrientation) &&
        style.GetUserAttribute(kOrientation).GetValue() == "1";
}

CRect CGXRadioButtonEx::GetButtonRect(CDC* pDC, const CRect& rectInner, const CGXStyle& style,
                                      int n)
{
    if (!IsHorizontal(style))
        return CGXRadioButton::GetButtonRect(pDC, rectInner, style, n);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    const int w = std::max(12, (int)tm.tmMaxCharWidth);
    CStringArray choices;
    GetChoices(style, choices);
    int x = rectInner.left;
    for (int i = 0; i < n && i < (int)choices.GetSize(); ++i)
        x += 18 + pDC->GetTextExtent(choices[i]).cx + 2;
    const int h = RowHeight(pDC);
    const int top = rectInner.top + (h - 12) / 2;
    return CRect(x, top, x + std::min(w, 12), top + 12);
}

void CGXRadioButtonEx::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                            const CGXStyle* pStandardStyle)
{
    CGXRadioButton::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

void CGXRadioButtonEx::Init(ROWCOL nRow, ROWCOL nCol)
{
    CGXRadioButton::Init(nRow, nCol);
    m_bActive = FALSE;
    m_bModified = FALSE;
}

void CGXRadioButtonEx::SelectChoice(int nChoice)
{
    CString strValue;
    strValue.Format("%d", nChoice);
    WriteCachedValue(strValue);
}
