#include "ColourPopup.h"

#include <algorithm>

namespace {

const int kDefaultCellSize = 18;

} // namespace

const ColourTableEntry CColourPopup::s_colours[kColours] = {
    {RGB(0x00, 0x00, 0x00), "Black"},
    {RGB(0xA5, 0x2A, 0x2A), "Brown"},
    {RGB(0x00, 0x40, 0x40), "Dark Olive Green"},
    {RGB(0x00, 0x55, 0x00), "Dark Green"},
    {RGB(0x00, 0x00, 0x5E), "Dark Teal"},
    {RGB(0x00, 0x00, 0x8B), "Dark Blue"},
    {RGB(0x4B, 0x00, 0x82), "Indigo"},
    {RGB(0x28, 0x28, 0x28), "Dark Grey"},

    {RGB(0x8B, 0x00, 0x00), "Dark Red"},
    {RGB(0xFF, 0x68, 0x20), "Orange"},
    {RGB(0x8B, 0x8B, 0x00), "Dark yellow"},
    {RGB(0x00, 0x93, 0x00), "Teal"},
    {RGB(0x38, 0x8E, 0x8E), "Blue"},
    {RGB(0x00, 0x00, 0xFF), "Green"},
    {RGB(0x7B, 0x7B, 0xC0), "Blue-grey"},
    {RGB(0x66, 0x66, 0x66), "Grey - 40"},

    {RGB(0xFF, 0x00, 0x00), "Red"},
    {RGB(0xFF, 0xAD, 0x5B), "Light orange"},
    {RGB(0x32, 0xCD, 0x32), "Lime"},
    {RGB(0x3C, 0xB3, 0x71), "Sea green"},
    {RGB(0x7F, 0xFF, 0xD4), "Aqua"},
    {RGB(0x7D, 0x9E, 0xC0), "Light blue"},
    {RGB(0x80, 0x00, 0x80), "Violet"},
    {RGB(0x7F, 0x7F, 0x7F), "Grey - 50"},

    {RGB(0xFF, 0xC0, 0xCB), "Pink"},
    {RGB(0xFF, 0xD7, 0x00), "Gold"},
    {RGB(0xFF, 0xFF, 0x00), "Yellow"},
    {RGB(0x00, 0xFF, 0x00), "Bright green"},
    {RGB(0x40, 0xE0, 0xD0), "Turquoise"},
    {RGB(0xC0, 0xFF, 0xFF), "Skyblue"},
    {RGB(0x48, 0x00, 0x48), "Plum"},
    {RGB(0xC0, 0xC0, 0xC0), "Light grey"},

    {RGB(0xFF, 0xE4, 0xE1), "Rose"},
    {RGB(0xD2, 0xB4, 0x8C), "Tan"},
    {RGB(0xFF, 0xFF, 0xE0), "Light yellow"},
    {RGB(0x98, 0xFB, 0x98), "Pale green "},
    {RGB(0xAF, 0xEE, 0xEE), "Pale turquoise"},
    {RGB(0x68, 0x83, 0x8B), "Pale blue"},
    {RGB(0xE6, 0xE6, 0xFA), "Lavender"},
    {RGB(0xFF, 0xFF, 0xFF), "White"},
};

BEGIN_MESSAGE_MAP(CColourPopup, CWnd)
    ON_WM_KEYDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_PAINT()
    ON_WM_NCDESTROY()
END_MESSAGE_MAP()

CColourPopup::CColourPopup(CPoint point, COLORREF crColour, CWnd* pParentWnd, LPCSTR szCustomText)
    : m_nRows((kColours + kColumns - 1) / kColumns), m_nCellSize(kDefaultCellSize),
      m_nMargin(::GetSystemMetrics(SM_CXEDGE)), m_nHotRow(-1), m_nHotColumn(-1),
      m_crInitial(crColour), m_crChosen(crColour), m_bCustom(szCustomText != nullptr),
      m_strCustomText(szCustomText ? szCustomText : "More..."), m_pPicker(pParentWnd),
      m_bEnded(false)
{
    if (m_nCellSize - (2 * m_nMargin + 2) < 5)
        m_nCellSize = 2 * m_nMargin + 7;
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        m_font.CreateFontIndirect(&metrics.lfMessageFont);
    Create(point);
}

CColourPopup::~CColourPopup() = default;

BOOL CColourPopup::Create(CPoint point)
{
    LPCSTR lpszClass = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS | CS_SAVEBITS,
                                           ::LoadCursorA(nullptr, IDC_ARROW),
                                           (HBRUSH)::GetStockObject(LTGRAY_BRUSH));
    if (!CreateEx(0, lpszClass, "", WS_VISIBLE | WS_POPUP, point.x, point.y, 100, 100,
                  m_pPicker ? m_pPicker->GetSafeHwnd() : nullptr, nullptr))
        return FALSE;
    SetWindowSize(point);
    CreateToolTips();
    SetCapture();
    return TRUE;
}

void CColourPopup::SetWindowSize(CPoint point)
{
    CSize text(0, 0);
    if (m_bCustom) {
        CClientDC dc(this);
        CFont* pOld = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
        text = dc.GetTextExtent(m_strCustomText);
        if (pOld)
            dc.SelectObject(pOld);
    }
    int width = kColumns * m_nCellSize + 2 * m_nMargin;
    int height = m_nRows * m_nCellSize + 2 * m_nMargin;
    if (m_bCustom) {
        height += m_nMargin + text.cy;
        width = std::max(width, (int)text.cx + 2 * m_nMargin);
        m_rectCustom = CRect(m_nMargin, m_nMargin, width - m_nMargin, m_nMargin + text.cy);
    }
    m_rectWindow = CRect(point.x, point.y, point.x + width, point.y + height);

    // Kept on the screen: left of its right edge, right of its left, above the picker when
    // it would pass the bottom.
    const int screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    if (m_rectWindow.right > screenWidth)
        m_rectWindow.OffsetRect(screenWidth - m_rectWindow.right, 0);
    if (m_rectWindow.left < 0)
        m_rectWindow.OffsetRect(-m_rectWindow.left, 0);
    if (m_rectWindow.bottom > screenHeight) {
        CRect picker(0, 0, 0, 0);
        if (m_pPicker && m_pPicker->GetSafeHwnd())
            m_pPicker->GetWindowRect(&picker);
        m_rectWindow.OffsetRect(0, -(m_rectWindow.Height() + picker.Height()));
    }
    MoveWindow(&m_rectWindow, TRUE);
}

void CColourPopup::CreateToolTips()
{
    if (!m_toolTips.Create(this))
        return;
    for (int i = 0; i < kColours; ++i) {
        CRect cell = CellRect(i / kColumns, i % kColumns);
        m_toolTips.AddTool(this, s_colours[i].szName, &cell, (UINT_PTR)(i + 1));
    }
}

CRect CColourPopup::CellRect(int row, int column) const
{
    if (row == -2 && column == -2)
        return m_rectCustom;
    const int top = m_nMargin + (m_bCustom ? m_rectCustom.Height() + m_nMargin : 0);
    const int left = m_nMargin + column * m_nCellSize;
    return CRect(left, top + row * m_nCellSize, left + m_nCellSize, top + (row + 1) * m_nCellSize);
}

void CColourPopup::HitTest(CPoint point, int& row, int& column) const
{
    row = column = -1;
    if (m_bCustom && m_rectCustom.PtInRect(point)) {
        row = column = -2;
        return;
    }
    for (int i = 0; i < kColours; ++i)
        if (CellRect(i / kColumns, i % kColumns).PtInRect(point)) {
            row = i / kColumns;
            column = i % kColumns;
            return;
        }
}

COLORREF CColourPopup::HotColour() const
{
    if (m_nHotRow >= 0 && m_nHotColumn >= 0)
        return s_colours[m_nHotRow * kColumns + m_nHotColumn].crColour;
    return m_crInitial;
}

BOOL CColourPopup::PreTranslateMessage(MSG* pMsg)
{
    if (m_toolTips.GetSafeHwnd() && pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST)
        m_toolTips.RelayEvent(pMsg);
    return CWnd::PreTranslateMessage(pMsg);
}

void CColourPopup::ChangeHot(int row, int column)
{
    if (row == m_nHotRow && column == m_nHotColumn)
        return;
    const int oldRow = m_nHotRow, oldColumn = m_nHotColumn;
    m_nHotRow = row;
    m_nHotColumn = column;
    {
        CClientDC dc(this);
        if (oldRow != -1)
            DrawCell(&dc, oldRow, oldColumn);
        if (row != -1)
            DrawCell(&dc, row, column);
    }
    if (row != -1 && m_pPicker && m_pPicker->GetSafeHwnd())
        m_pPicker->SendMessage(CPN_SELCHANGE, (WPARAM)HotColour(), 0);
}

void CColourPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int lastRow = m_nRows - 1, lastColumn = kColumns - 1;
    const bool noCell = m_nHotRow < 0; // none, or the custom cell
    int row = m_nHotRow, column = m_nHotColumn;
    switch (nChar) {
    case VK_RIGHT:
        if (noCell)
            row = column = 0;
        else
            column = column == lastColumn ? 0 : column + 1;
        break;
    case VK_LEFT:
        if (noCell) {
            row = lastRow;
            column = lastColumn;
        } else {
            column = column == 0 ? lastColumn : column - 1;
        }
        break;
    case VK_DOWN:
        if (noCell)
            row = column = 0;
        else if (row == lastRow && m_bCustom)
            row = column = -2;
        else
            row = row == lastRow ? 0 : row + 1;
        break;
    case VK_UP:
        if (noCell) {
            row = lastRow;
            column = 0;
        } else if (row == 0 && m_bCustom) {
            row = column = -2;
        } else {
            row = row == 0 ? lastRow : row - 1;
        }
        break;
    case VK_RETURN:
        EndSelection(CPN_SELENDOK);
        return;
    case VK_ESCAPE:
        m_crChosen = m_crInitial;
        EndSelection(CPN_SELENDCANCEL);
        return;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    ChangeHot(row, column);
}

void CColourPopup::OnMouseMove(UINT nFlags, CPoint point)
{
    int row, column;
    HitTest(point, row, column);
    if (row != -1)
        ChangeHot(row, column);
    CWnd::OnMouseMove(nFlags, point);
}

void CColourPopup::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    CRect client;
    GetClientRect(&client);
    if (client.PtInRect(point)) {
        int row, column;
        HitTest(point, row, column);
        if (row != -1)
            ChangeHot(row, column);
        EndSelection(CPN_SELENDOK);
    } else {
        EndSelection(CPN_SELENDCANCEL);
    }
}

void CColourPopup::EndSelection(int nMessage)
{
    if (m_bEnded)
        return;
    m_bEnded = true;
    ReleaseCapture();
    if (nMessage == CPN_SELENDCANCEL) {
        m_crChosen = m_crInitial;
    } else if (m_nHotRow == -2) {
        CColorDialog dialog(m_crInitial, CC_FULLOPEN | CC_ANYCOLOR, this);
        if (dialog.DoModal() == IDOK)
            m_crChosen = dialog.GetColor();
    } else {
        m_crChosen = HotColour();
    }
    if (m_pPicker && m_pPicker->GetSafeHwnd())
        m_pPicker->SendMessage(nMessage, (WPARAM)m_crChosen, 0);
    DestroyWindow();
}

void CColourPopup::DrawCell(CDC* pDC, int row, int column)
{
    CRect rect = CellRect(row, column);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_3DFACE));
    if (row == m_nHotRow && column == m_nHotColumn)
        pDC->DrawEdge(&rect, EDGE_RAISED, BF_RECT);
    if (row == -2) {
        CFont* pOld = m_font.GetSafeHandle() ? pDC->SelectObject(&m_font) : nullptr;
        pDC->SetBkMode(TRANSPARENT);
        pDC->DrawText(m_strCustomText, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        if (pOld)
            pDC->SelectObject(pOld);
        return;
    }
    CRect square = rect;
    square.DeflateRect(m_nMargin + 1, m_nMargin + 1);
    pDC->FillSolidRect(&square, s_colours[row * kColumns + column].crColour);
    CBrush outline(::GetSysColor(COLOR_3DSHADOW));
    pDC->FrameRect(&square, &outline);
}

void CColourPopup::OnPaint()
{
    CPaintDC dc(this);
    if (m_bCustom)
        DrawCell(&dc, -2, -2);
    for (int i = 0; i < kColours; ++i)
        DrawCell(&dc, i / kColumns, i % kColumns);
    CRect client;
    GetClientRect(&client);
    dc.DrawEdge(&client, EDGE_RAISED, BF_RECT);
}

void CColourPopup::OnNcDestroy()
{
    CWnd::OnNcDestroy();
    delete this;
}
