// Cell tips: the small pop-up windows that show the whole text or picture of a cell whose
// content does not fit it. CGXCellTipStatic answers for a control whether a cell needs a tip
// (the clip flags below), of which kind, and lays a tip window out over the cell; the grid
// window creates, shows and hides the windows.
#pragma once
#include "controls/GXControl.h"
#include "fw/gdi.h"
#include "fw/wnd.h"

// Clip flags of NeedsCellTip.
enum GXCellTipClip : DWORD {
    gxTipWider = 1, // the content is wider than the room in the cell
    gxTipTaller = 2,
    gxTipOutsideClientHorz = 4, // the content reaches outside the grid window's client area
    gxTipOutsideClientVert = 8,
    gxTipOutsideScreenHorz = 16,
    gxTipOutsideScreenVert = 32
};

class CGXCellTipWnd : public CWnd
{
public:
    enum { kindText = 1, kindBitmap = 2 };
    explicit CGXCellTipWnd(int nKind);
    // A hidden pop-up tip window over the owner.
    BOOL CreateTip(CWnd* pOwner);

    int m_nKind;
    CBrush m_brBackground; // COLOR_INFOBK
};

class CGXTextCellTipWnd : public CGXCellTipWnd
{
public:
    CGXTextCellTipWnd();
    void SetTipFont(const LOGFONT& lf);

    CString m_strText;
    CFont m_font;
    CRect m_rectText; // client coordinates

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class CGXStaticBitmapCellTipWnd : public CGXCellTipWnd
{
public:
    CGXStaticBitmapCellTipWnd();

    HGLOBAL m_hDIB; // the pool's bitmap (not owned)
    CRect m_rectPicture; // client coordinates

protected:
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    DECLARE_MESSAGE_MAP()
};

class CGXCellTipStatic : public CGXCellTipBase
{
public:
    explicit CGXCellTipStatic(CGXControl* pControl) : m_pControl(pControl) { }

    DWORD NeedsCellTip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    int GetTipKind(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style) override;
    void InitTipWnd(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CWnd* pTipWnd) override;

    // Where the (possibly shortened) text of a cell starts inside its inner rectangle.
    CPoint TextOrigin(CDC* pDC, const CString& strText, const CRect& rectInner,
                      const CGXStyle& style);

protected:
    CString TipText(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    // The cell's rectangles in screen coordinates: less borders, and the inner one.
    void CellRects(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style, CRect& rectCell,
                   CRect& rectInner);
    DWORD ClipFlags(const CRect& rectContent, const CRect& rectRoom);
    DWORD TextClip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);
    DWORD BitmapClip(ROWCOL nRow, ROWCOL nCol, const CGXStyle& style);

    CGXControl* m_pControl;
};

// Gives every control that asks (ImplementCellTips) a CGXCellTipStatic.
void GXImplementCellTips();

// Raises size to the largest bitmap named by the tab-separated fields of one choice line:
// only the first field with bFirstOnly, else at most nCount fields from field nColumn on.
void GXMeasureTabbedBitmaps(LPCTSTR pszLine, CSize& size, BOOL bFirstOnly, int nColumn, int nCount);
