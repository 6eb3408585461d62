#include "core/GXDragLineWnd.h"
#include "core/GXGridCore.h"
#include "core/GXLibraryState.h"
#include "fw/dc.h"
#include "fw/gdi.h"

BEGIN_MESSAGE_MAP(CGXDragLineWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CGXDragLineWnd::CGXDragLineWnd(CGXGridCore* pGrid)
    : m_pGrid(pGrid), m_dwValue1(0), m_dwValue2(0), m_wMode(0)
{ }

BOOL CGXDragLineWnd::Create(CWnd* pParentWnd)
{
    CGXGridLibraryState& state = GXGetLibraryState();
    if (state.m_strDragLineClass.IsEmpty())
        state.m_strDragLineClass = AfxRegisterWndClass(CS_SAVEBITS);
    return CWnd::CreateEx(0, state.m_strDragLineClass, nullptr, WS_CHILD, 0, 0, 1, 1,
                          pParentWnd->GetSafeHwnd(), nullptr);
}

void CGXDragLineWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    if (m_wMode != 0) {
        if (m_pGrid != nullptr)
            m_pGrid->DrawGridLineRect(&dc, rect, (int)m_dwValue1, m_wMode);
        return;
    }
    LOGPEN lp;
    m_pen.GetLogPen(lp);
    CPen pen;
    if (!pen.CreatePenIndirect(&lp))
        return;
    CPen* pOld = dc.SelectObject(&pen);
    dc.MoveTo(rect.left, rect.top);
    dc.LineTo(rect.right - 1, rect.bottom - 1);
    dc.SelectObject(pOld);
}
