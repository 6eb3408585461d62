// CGXDragLineWnd: the tiny child window that shows the feedback line while a row height or
// a column width is dragged. Its user (the resizing feature) moves and shows it.
#pragma once
#include "core/GXPen.h"
#include "fw/wnd.h"

class CGXGridCore;

class CGXDragLineWnd : public CWnd
{
public:
    explicit CGXDragLineWnd(CGXGridCore* pGrid);

    // A hidden child 1 x 1 pixels at 0,0 of the library's drag-line window class.
    virtual BOOL Create(CWnd* pParentWnd);

    CGXGridCore* m_pGrid;
    CGXPen m_pen; // the line with mode 0
    DWORD m_dwValue1, m_dwValue2; // handed to the grid-line drawing with another mode
    WORD m_wMode; // 0: a line from the top-left corner; else the grid draws

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()
};
