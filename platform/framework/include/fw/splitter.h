// CSplitterWnd: a window that holds its panes (views) in rows and columns. The panes
// are children with ids AFX_IDW_PANE_FIRST + 16 * row + column; the splitter lays them
// out in its client area with a bar between them. A dynamic splitter (SPLS_DYNAMIC_SPLIT)
// starts as one pane.
#pragma once
#include "fw/view.h"

#define SPLS_DYNAMIC_SPLIT 0x0001
#define SPLS_INVERT_TRACKER 0x0002

class FW_API CSplitterWnd : public CWnd
{
    DECLARE_DYNAMIC(CSplitterWnd)
public:
    CSplitterWnd();
    ~CSplitterWnd() override;

    // A dynamic splitter with room for nMaxRows x nMaxCols panes, made with one pane
    // (the context's view).
    BOOL
    Create(CWnd* pParentWnd, int nMaxRows, int nMaxCols, SIZE sizeMin, CCreateContext* pContext,
           DWORD dwStyle = WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | SPLS_DYNAMIC_SPLIT,
           UINT nID = AFX_IDW_PANE_FIRST);
    // A static splitter: every pane is made afterwards with CreateView.
    BOOL CreateStatic(CWnd* pParentWnd, int nRows, int nCols, DWORD dwStyle = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    virtual BOOL CreateView(int row, int col, CRuntimeClass* pViewClass, SIZE sizeInit,
                            CCreateContext* pContext);

    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return m_nCols; }
    int GetMaxRowCount() const { return m_nMaxRows; }
    int GetMaxColumnCount() const { return m_nMaxCols; }
    void GetRowInfo(int row, int& cyCur, int& cyMin) const;
    void SetRowInfo(int row, int cyIdeal, int cyMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    DWORD GetScrollStyle() const;
    void SetScrollStyle(DWORD dwStyle);

    CWnd* GetPane(int row, int col) const;
    BOOL IsChildPane(CWnd* pWnd, int* pRow, int* pCol);
    BOOL IsChildPane(CWnd* pWnd, int& row, int& col) { return IsChildPane(pWnd, &row, &col); }
    int IdFromRowCol(int row, int col) const { return AFX_IDW_PANE_FIRST + row * 16 + col; }
    virtual CWnd* GetActivePane(int* pRow = nullptr, int* pCol = nullptr);
    virtual void SetActivePane(int row, int col, CWnd* pWnd = nullptr);
    virtual void RecalcLayout();
    virtual void DeleteView(int row, int col);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();

protected:
    int m_nMaxRows, m_nMaxCols;
    int m_nRows, m_nCols;
    int m_cxSplitter, m_cySplitter; // the bar between panes
    struct CRowColInfo
    {
        int nMinSize;
        int nIdealSize;
        int nCurSize;
    };
    CRowColInfo* m_pRowInfo;
    CRowColInfo* m_pColInfo;
    CRuntimeClass* m_pDynamicViewClass;
    DWORD m_dwSplitterStyle;

    BOOL CreateCommon(CWnd* pParentWnd, SIZE sizeMin, DWORD dwStyle, UINT nID);
    DECLARE_MESSAGE_MAP()
};
