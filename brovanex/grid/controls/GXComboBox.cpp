// CGXComboBox: the cell side of the combo box: the factory's variants, the value conversions
// of the flag word, the button's place and look, sizes, drawing and the keys on the cell.
#include "controls/GXComboBox.h"
#include "controls/GXControlFactory.h"
#include "core/GXChoiceList.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXSysColorCache.h"
#include "fw/dc.h"

#include <algorithm>
#include <cstdlib>
#include <mbstring.h>
#include <memory>

GX_IMPLEMENT_CONTROL(CGXComboBox, CGXEditControl)
GX_NO_CONTROL_ATTRIBUTES(CGXComboBox)

CGXControl* GXCreate_CGXComboBox(CGXGridCore* pGrid, UINT nID)
{
    UINT nFlags = GX_CBF_TEXT;
    switch (nID) {
    case 52525:
        nFlags = GX_CBF_ZEROBASED;
        break;
    case 52526:
        nFlags = GX_CBF_ONEBASED;
        break;
    case 52527:
        nFlags = GX_CBF_MATCHCHOICE;
        break;
    case 52531:
        nFlags = GX_CBF_DISPLAYCHOICE | GX_CBF_ONEBASED;
        break;
    case 52532:
        nFlags = GX_CBF_DISPLAYCHOICE | GX_CBF_ZEROBASED;
        break;
    default:
        break;
    }
    return new CGXComboBox(pGrid, nID, nID, nFlags);
}

namespace {
const int kButtonWidth = 15;

// A scratch style composed for a cell, returned to the grid when it goes.
class CComposedStyle
{
public:
    CComposedStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
        : m_pGrid(pGrid), m_pStyle(pGrid->TakeStyleObject())
    {
        pGrid->ComposeCellStyle(nRow, nCol, m_pStyle);
    }
    ~CComposedStyle() { m_pGrid->ReturnStyleObject(m_pStyle); }
    CComposedStyle(const CComposedStyle&) = delete;
    CComposedStyle& operator=(const CComposedStyle&) = delete;
    CGXStyle& operator*() const { return *m_pStyle; }

private:
    CGXGridCore* m_pGrid;
    CGXStyle* m_pStyle;
};
} // namespace

// --- The button ---

void GXDrawComboButton(CDC* pDC, const CRect& rect, BOOL bSunken, BOOL bPressed)
{
    if (rect.IsRectEmpty())
        return;
    pDC->FillSolidRect(&rect, GXGetSysColorCache().GetSysColor(COLOR_BTNFACE));
    CRect rectEdge = rect;
    pDC->DrawEdge(&rectEdge, bSunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    // The arrow: four rows of 7, 5, 3 and 1 pixels centred in the rectangle less two pixels
    // at the top and the bottom, clipped to the rectangle less one pixel.
    CRect rectGlyph(rect.left, rect.top + 2, rect.right, rect.bottom - 2);
    CRect rectClip = rect;
    rectClip.DeflateRect(1, 1);
    int x = rectGlyph.left + (rectGlyph.Width() - 7) / 2;
    int y = rectGlyph.top + (rectGlyph.Height() - 4) / 2;
    if (bPressed) {
        ++x;
        ++y;
    }
    const COLORREF crArrow = GXGetSysColorCache().GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < 4; ++i) {
        CRect rectRow(x + i, y + i, x + 7 - i, y + i + 1);
        rectRow.IntersectRect(&rectRow, &rectClip);
        if (!rectRow.IsRectEmpty())
            pDC->FillSolidRect(&rectRow, crArrow);
    }
}

void CGXComboBoxButton::Draw(CDC* pDC, BOOL bActive)
{
    if (!bActive && !DrawnInactive())
        return;
    const BOOL bPressed = bActive && IsActive() && m_bPressed;
    GXDrawComboButton(pDC, m_rect, bPressed, bPressed);
}

BOOL CGXComboBoxButton::DrawnInactive() const
{
    const CGXControl* pControl = GetControl();
    return pControl != nullptr && pControl->IsKindOf(GX_CONTROL_CLASS(CGXComboBox)) &&
        static_cast<const CGXComboBox*>(pControl)->m_bDrawButtonAlways;
}

// --- Construction ---

CGXComboBox::CGXComboBox(CGXGridCore* pGrid, UINT nEditID, UINT nListBoxID, UINT nFlags)
    : CGXEditControl(pGrid, nEditID), m_bFillWithChoiceList(TRUE),
      m_bDrawButtonOnlyInCurrentCell(FALSE), m_bDrawButtonAlways(FALSE), m_nFlags(nFlags),
      m_dwListBoxStyle(0), m_bDropDownList(FALSE), m_bButtonFitsText(TRUE),
      m_pButton(new CGXComboBoxButton(this)), m_nListBoxID(nListBoxID), m_pDropDownWnd(nullptr),
      m_nTextHeight(0), m_nButtonMargin(1), m_bStoringValue(FALSE)
{
    AddChild(m_pButton);
}

void CGXComboBox::Init(ROWCOL nRow, ROWCOL nCol)
{
    m_nTextHeight = 0;
    CGXEditControl::Init(nRow, nCol);
    m_pButton->Refresh();
}

void CGXComboBox::Reset()
{
    ShowDropDown(FALSE);
    CGXEditControl::Reset();
}

void CGXComboBox::SetActive(BOOL bActive)
{
    if (!bActive && m_pDropDownWnd != nullptr && GetSafeHwnd() != nullptr)
        PostMessage(WM_GX_LBOX_CANCEL, 0, 0);
    CGXEditControl::SetActive(bActive);
}

BOOL CGXComboBox::Store()
{
    // GetValue has converted the text already: the value is written as it stands.
    const BOOL bOld = m_bStoringValue;
    m_bStoringValue = TRUE;
    const BOOL bResult = CGXEditControl::Store();
    m_bStoringValue = bOld;
    return bResult;
}

// --- Values ---

int CGXComboBox::MatchChoice(const CGXStyle& style, LPCTSTR pszText, CString& strChoice)
{
    return FindChoiceLine(strChoice, pszText, style.GetChoiceList(), FALSE);
}

BOOL CGXComboBox::ConvertTextToValue(const CGXStyle& style, CString& strText)
{
    if (!m_bFillWithChoiceList || style.GetChoiceList().IsEmpty() ||
        !(m_nFlags & (GX_CBF_MATCHCHOICE | GX_CBF_DISPLAYCHOICE)))
        return FALSE;
    CString strChoice;
    const int nIndex = MatchChoice(style, strText, strChoice);
    if (nIndex < 0)
        strText.Empty();
    else if (m_nFlags & GX_CBF_DISPLAYCHOICE)
        strText.Format("%d", nIndex + ((m_nFlags & GX_CBF_ONEBASED) ? 1 : 0));
    else
        strText = strChoice;
    return TRUE;
}

BOOL CGXComboBox::GetValue(CString& strValue)
{
    if (!IsInit())
        return FALSE;
    if (!GetEditText(strValue))
        return FALSE;
    // The inactive cell's text is its stored value already.
    if (IsActive())
        if (const CGXStyle* pStyle = LoadStyle())
            ConvertTextToValue(*pStyle, strValue);
    return TRUE;
}

BOOL CGXComboBox::FormatDisplayText(CString& strText, ROWCOL nRow, ROWCOL nCol, LPCTSTR pszValue,
                                    const CGXStyle& style)
{
    if (!m_bFillWithChoiceList || !(m_nFlags & GX_CBF_DISPLAYCHOICE) ||
        style.GetChoiceList().IsEmpty())
        return CGXEditControl::FormatDisplayText(strText, nRow, nCol, pszValue, style);
    if (pszValue == nullptr) {
        if (!style.GetInclude(gxValue))
            return FALSE;
        pszValue = style.GetValue();
    }
    strText.Empty();
    if (*pszValue == '\0')
        return TRUE;
    int nIndex = std::atoi(pszValue);
    if (nIndex != -1 && (m_nFlags & GX_CBF_ONEBASED))
        --nIndex;
    CString strChoice;
    if (GetChoiceLine(strChoice, style.GetChoiceList(), nIndex))
        strText = strChoice;
    return TRUE;
}

BOOL CGXComboBox::AcceptsTypedText(CString& strText, ROWCOL, ROWCOL, const CGXStyle& style)
{
    if (!m_bStoringValue)
        ConvertTextToValue(style, strText);
    return TRUE;
}

BOOL CGXComboBox::ValidateText(const CString& strText)
{
    if (strText.IsEmpty() || !m_bFillWithChoiceList ||
        !(m_nFlags & (GX_CBF_MATCHCHOICE | GX_CBF_DISPLAYCHOICE)))
        return TRUE;
    const CGXStyle* pStyle = IsInit() ? LoadStyle() : nullptr;
    if (pStyle == nullptr || pStyle->GetChoiceList().IsEmpty())
        return TRUE;
    CString strChoice;
    return MatchChoice(*pStyle, strText, strChoice) >= 0;
}

void CGXComboBox::ReplaceSel(LPCTSTR pszText) { CGXEditControl::ReplaceSel(pszText); }

// --- Layout and drawing ---

CRect CGXComboBox::GetCellRect(ROWCOL nRow, ROWCOL nCol, LPCRECT pRectItem, const CGXStyle* pStyle)
{
    CRect rect = CGXEditControl::GetCellRect(nRow, nCol, pRectItem, pStyle);
    const BOOL bButton =
        !m_bDrawButtonOnlyInCurrentCell || m_bDrawButtonAlways || Grid()->IsCurrentCell(nRow, nCol);
    if (bButton)
        rect.right = std::max(rect.left, rect.right - kButtonWidth);
    return rect;
}

CSize CGXComboBox::AddBorders(CSize size, const CGXStyle& style)
{
    size = CGXEditControl::AddBorders(size, style);
    size.cx += kButtonWidth;
    return size;
}

int CGXComboBox::TextHeight(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style)
{
    const BOOL bCache = IsInitRowCol(nRow, nCol) || m_bDrawButtonAlways;
    if (bCache && m_nTextHeight > 0)
        return m_nTextHeight;
    const int nHeight = GXMeasureStyleTextHeight(Grid(), style);
    if (bCache)
        m_nTextHeight = nHeight;
    return nHeight;
}

int GXMeasureStyleTextHeight(CGXGridCore* pGrid, const CGXStyle& style)
{
    CWnd* pGridWnd = pGrid->GetGridWnd();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return 0;
    CClientDC dc(pGridWnd);
    CFont* pOld = pGrid->SelectStyleFont(&dc, style);
    TEXTMETRIC tm = {};
    dc.GetTextMetrics(&tm);
    if (pOld != nullptr)
        dc.SelectObject(pOld);
    return tm.tmHeight;
}

void CGXComboBox::PlaceChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect)
{
    // rect is the text rectangle; the button takes the strip given up at its right.
    CRect rectCell = rect;
    if (!m_bDrawButtonOnlyInCurrentCell || m_bDrawButtonAlways || Grid()->IsCurrentCell(nRow, nCol))
        rectCell.right += kButtonWidth;
    CRect rectButton(std::max(rectCell.right - 16, rectCell.left + 1), rectCell.top,
                     rectCell.right - 1, rectCell.bottom - 1);
    if (m_bButtonFitsText) {
        const CGXStyle& style = IsInitRowCol(nRow, nCol) && m_pStyle != nullptr
            ? *m_pStyle
            : Grid()->GetCachedCellStyle(nRow, nCol);
        const int nCellHeight = rectCell.Height();
        const int nHeight = std::max(
            0, std::min(TextHeight(nRow, nCol, style) + 2, nCellHeight - 2 * m_nButtonMargin));
        int nTop = 0;
        const UINT nVert = style.GetInclude(gxVertAlign) ? style.GetVerticalAlignment() : DT_TOP;
        if (nVert == DT_VCENTER)
            nTop = std::max(0, (nCellHeight - nHeight) / 2 - m_nButtonMargin);
        else if (nVert == DT_BOTTOM)
            nTop = std::max(0, nCellHeight - 2 * m_nButtonMargin - nHeight);
        rectButton.top = rectCell.top + nTop;
        rectButton.bottom = rectButton.top + 2 * m_nButtonMargin + nHeight - 1;
    }
    m_pButton->SetRect(rectButton);
}

CSize CGXComboBox::MeasureCellSize(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                                   const CGXStyle* pStandardStyle, BOOL bHeight)
{
    CSize size = CGXEditControl::MeasureCellSize(pDC, nRow, nCol, style, pStandardStyle, bHeight);
    CFont* pOld = Grid()->SelectStyleFont(pDC, style);
    TEXTMETRIC tm = {};
    pDC->GetTextMetrics(&tm);
    CSize sizeCombo(0, tm.tmHeight + tm.tmExternalLeading + 1);
    if (m_bFillWithChoiceList && !style.GetChoiceList().IsEmpty()) {
        CString strList = style.GetChoiceList(), strLine;
        while (!strList.IsEmpty()) {
            GXExtractLine(strList, strLine);
            sizeCombo.cx = std::max(sizeCombo.cx, (LONG)pDC->GetTextExtent(strLine).cx);
        }
    }
    if (pOld != nullptr)
        pDC->SelectObject(pOld);
    sizeCombo = AddBorders(sizeCombo, style);
    return CSize(std::max(size.cx, sizeCombo.cx), std::max(size.cy, sizeCombo.cy));
}

void CGXComboBox::Draw(CDC* pDC, CRect rect, ROWCOL nRow, ROWCOL nCol, const CGXStyle& style,
                       const CGXStyle* pStandardStyle)
{
    CGXGridCore* pGrid = Grid();
    if (m_bDropDownList && IsInitRowCol(nRow, nCol) && IsActive() && !pGrid->IsPrinting() &&
        pGrid->IsCurrentCell(nRow, nCol) && GetSafeHwnd() != nullptr) {
        // The active cell shows its current text the static way; keys reach the control
        // through the grid.
        CString strText;
        GetWindowText(strText);
        std::unique_ptr<CGXStyle> pCopy(style.Clone());
        pCopy->SetValue(strText);
        if (IsWindowVisible())
            Hide();
        CGXStatic::Draw(pDC, rect, nRow, nCol, *pCopy, pStandardStyle);
        return;
    }
    CGXEditControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}

// --- Keys and clicks on the cell ---

BOOL CGXComboBox::OpenByKey()
{
    if (!IsInit() || GetSafeHwnd() == nullptr)
        return FALSE;
    if (!IsActive()) {
        if (!OnStartEditing())
            return TRUE;
        SetActive(TRUE);
    }
    if (!Grid()->BringCellIntoView(GetRow(), GetCol()))
        Refresh();
    if (CWnd* pGridWnd = Grid()->GetGridWnd())
        pGridWnd->UpdateWindow();
    ShowDropDown(TRUE);
    return TRUE;
}

BOOL CGXComboBox::SysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_DOWN)
        return OpenByKey();
    return CGXEditControl::SysKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CGXComboBox::Char(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!m_bDropDownList || nChar < 32 || nChar == 127 || !IsInit() || GetSafeHwnd() == nullptr)
        return CGXEditControl::Char(nChar, nRepCnt, nFlags);
    // A pick-only cell: the character chooses the first entry that begins with it (the
    // character is what was typed; the arrow keys come as keys, never as characters).
    const CGXStyle* pStyle = LoadStyle();
    if (pStyle == nullptr || IsReadOnly())
        return TRUE;
    CString strList = pStyle->GetChoiceList(), strLine;
    const char szTyped[2] = {(char)(BYTE)nChar, '\0'};
    for (int i = 0; !strList.IsEmpty(); ++i) {
        GXExtractLine(strList, strLine);
        if (strLine.IsEmpty() ||
            _mbsnbicmp((const unsigned char*)(LPCTSTR)strLine, (const unsigned char*)szTyped, 1) !=
                0)
            continue;
        if (!IsActive()) {
            if (!OnStartEditing())
                return TRUE;
            SetActive(TRUE);
        }
        CString strValue = strLine;
        if (m_nFlags & GX_CBF_ZEROBASED)
            strValue.Format("%d", i);
        else if (m_nFlags & GX_CBF_ONEBASED)
            strValue.Format("%d", i + 1);
        SetValue(strValue);
        SetSel(0, -1);
        SetModify(TRUE);
        NotifyModified();
        Refresh();
        return TRUE;
    }
    return TRUE;
}

void CGXComboBox::OnChildButtonClicked(CGXChild* pChild)
{
    if (pChild == m_pButton && IsInit() && GetSafeHwnd() != nullptr) {
        if (!IsActive()) {
            if (!OnStartEditing())
                return;
            SetActive(TRUE);
            Refresh();
        }
        ShowDropDown(!IsDropDownVisible());
    }
    CGXEditControl::OnChildButtonClicked(pChild);
}

void CGXComboBox::OnScrollMessage(UINT nMessage)
{
    if ((nMessage == WM_HSCROLL || nMessage == WM_VSCROLL) && IsDropDownVisible())
        ShowDropDown(FALSE);
    CGXEditControl::OnScrollMessage(nMessage);
}

BOOL CGXComboBox::OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message, LRESULT& lResult)
{
    if (IsDropDownVisible() && GetSafeHwnd() != nullptr) {
        SendMessage(WM_GX_LBOX_CANCEL, 0, 1);
        lResult = MA_ACTIVATEANDEAT;
        return TRUE;
    }
    return CGXStatic::OnMouseActivate(pDesktopWnd, nHitTest, message, lResult);
}
