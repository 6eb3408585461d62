#include "ColourPicker.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CColourPicker, CButton)
    ON_WM_CREATE()
    ON_CONTROL_REFLECT_EX(BN_CLICKED, &CColourPicker::OnClicked)
    ON_MESSAGE(CPN_SELENDOK, &CColourPicker::OnSelEndOK)
    ON_MESSAGE(CPN_SELENDCANCEL, &CColourPicker::OnSelEndCancel)
    ON_MESSAGE(CPN_SELCHANGE, &CColourPicker::OnSelChange)
END_MESSAGE_MAP()

CColourPicker::CColourPicker()
    : m_crColour(::GetSysColor(COLOR_BTNFACE)), m_bTrackSelection(false), m_ArrowRect(0, 0, 0, 0),
      m_pPopup(nullptr)
{ }

CColourPicker::~CColourPicker()
{
    if (m_pPopup && m_pPopup->GetSafeHwnd())
        m_pPopup->DestroyWindow(); // it deletes itself
}

void CColourPicker::PreSubclassWindow()
{
    ModifyStyle(0, BS_OWNERDRAW);
    CButton::PreSubclassWindow();
    SetWindowSize();
}

int CColourPicker::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CButton::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetWindowSize();
    return 0;
}

void CColourPicker::SetWindowSize()
{
    const int edgeX = ::GetSystemMetrics(SM_CXEDGE), edgeY = ::GetSystemMetrics(SM_CYEDGE);
    const int box = std::max(
        {::GetSystemMetrics(SM_CXHTHUMB), 5 * edgeX, ::GetSystemMetrics(SM_CYVTHUMB), 5 * edgeY});
    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* pParent = GetParent())
        pParent->ScreenToClient(&rect);
    const int width = std::max((box + 1 + edgeX) * 2, rect.Width());
    const int height = box + 2 * edgeY + 1;
    MoveWindow(rect.left, rect.top, width, height, TRUE);

    GetClientRect(&rect);
    m_ArrowRect = CRect(rect.right - box - 1 - edgeX, rect.top + edgeY, rect.right - edgeX,
                        rect.bottom - edgeY);
}

void CColourPicker::SetColour(COLORREF crColour)
{
    m_crColour = crColour;
    if (GetSafeHwnd())
        RedrawWindow();
}

void CColourPicker::Notify(UINT nMessage, COLORREF crColour)
{
    if (CWnd* pParent = GetParent())
        pParent->SendMessage(nMessage, (WPARAM)crColour, (LPARAM)GetDlgCtrlID());
}

BOOL CColourPicker::OnClicked()
{
    CRect rect;
    GetWindowRect(&rect);
    m_pPopup = new CColourPopup(CPoint(rect.left, rect.bottom), m_crColour, this, "Custom...");
    Notify(CPN_DROPDOWN, m_crColour);
    return TRUE;
}

LRESULT CColourPicker::OnSelEndOK(WPARAM wParam, LPARAM)
{
    m_pPopup = nullptr;
    const COLORREF crNew = (COLORREF)wParam;
    Notify(CPN_CLOSEUP, crNew);
    Notify(CPN_SELENDOK, crNew);
    if (crNew != m_crColour) {
        SetColour(crNew);
        Notify(CPN_SELCHANGE, crNew);
    }
    return 1;
}

LRESULT CColourPicker::OnSelEndCancel(WPARAM wParam, LPARAM)
{
    m_pPopup = nullptr;
    SetColour((COLORREF)wParam);
    Notify(CPN_CLOSEUP, (COLORREF)wParam);
    Notify(CPN_SELENDCANCEL, (COLORREF)wParam);
    return 1;
}

LRESULT CColourPicker::OnSelChange(WPARAM wParam, LPARAM)
{
    if (m_bTrackSelection) {
        SetColour((COLORREF)wParam);
        Notify(CPN_SELCHANGE, (COLORREF)wParam);
    }
    return 1;
}

void CColourPicker::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    CRect rect(lpDrawItemStruct->rcItem);
    const int edgeX = ::GetSystemMetrics(SM_CXEDGE), edgeY = ::GetSystemMetrics(SM_CYEDGE);

    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_3DFACE));

    // The arrow: a raised button with a black triangle pointing down.
    CRect arrow = m_ArrowRect;
    pDC->DrawEdge(&arrow, EDGE_RAISED, BF_RECT);
    const int cx = arrow.left + arrow.Width() / 2, cy = arrow.top + arrow.Height() / 2;
    const POINT triangle[3] = {{cx - 3, cy - 1}, {cx + 4, cy - 1}, {cx, cy + 3}};
    CBrush black(RGB(0, 0, 0));
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CBrush* pOldBrush = pDC->SelectObject(&black);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->Polygon(triangle, 3);
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);

    // The colour, in a sunken well beside it.
    CRect well(rect.left, rect.top, m_ArrowRect.left - 1, rect.bottom);
    pDC->DrawEdge(&well, EDGE_SUNKEN, BF_RECT);
    well.DeflateRect(edgeX, edgeY);
    pDC->FillSolidRect(&well, m_crColour);

    if (lpDrawItemStruct->itemState & ODS_FOCUS) {
        CRect focus(rect);
        focus.DeflateRect(1, 1);
        pDC->DrawFocusRect(&focus);
    }
}
