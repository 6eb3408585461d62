// CBaseGrid: the view that shows a show's rows in a grid. It owns the row list and the
// column information, builds the grid's columns from the column information, writes the
// rows into grid rows, copies edited cells back into their rows, moves rows dragged in the
// grid, deletes rows, and calls the views derived from it back through its virtual
// operations. The grid never holds anything that is not in the row list first: every
// change goes through the list, which tells this view to rebuild the grid.
#pragma once
#include "BaseScriptList.h"
#include "BrovanexApi.h"
#include "ColInfo.h"
#include "FmtGrid.h"
#include "MyGridWnd.h"
#include "fw/view.h"

// Which grid column shows each kind of data; -1 when it is not shown.
struct sColumns
{
    long col[16];
};

// Entries of sColumns.
enum RundownColumnIndex {
    COLIDX_ERT = 0,
    COLIDX_SOT = 1,
    COLIDX_TTL = 2,
    COLIDX_SLUG = 3,
    COLIDX_CUME = 5,
    COLIDX_PAGENO = 11,
    COLIDX_TALENT = 12,
    COLIDX_MISC1 = 13,
    COLIDX_MISC2 = 14,
    COLIDX_RECNO = 15
};

// Row colours of the rows that are not scripts.
const COLORREF RUNDOWN_BREAK_COLOR = 0x4040FF;
const COLORREF RUNDOWN_EOS_COLOR = 0xFF4040;
const COLORREF RUNDOWN_SEGMENT_COLOR = 0xC0C0C0;

class BROVANEX_API CBaseGrid : public CView
{
    DECLARE_DYNCREATE(CBaseGrid)

protected:
    CBaseGrid();

public:
    ~CBaseGrid() override;

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;

    // ---- the rundown's virtual contract (the order is fixed) ----
    virtual void OpenScript(CString& strPath);
    virtual void ChangeBreakTime(long nRow);
    virtual void OpenFile();
    virtual void SndScriptUpdateMsg(long, long);
    virtual void ChangeDisplayFormat();
    virtual int CheckBadSlug(long nRow, long nCol);
    virtual void ChangeGridField(long nRow, long nCol);
    virtual void RowChanged(long nRow);
    virtual bool BGLButtonClicked(unsigned long, unsigned long);
    virtual void BGLButtonDblClk(unsigned long nRow);
    virtual void DeleteSelectedScript(long);

    // ---- rows into the grid ----
    void RewriteGrid();
    void LoadValues(unsigned long nGridRow, CFileInfo* pRow);
    void AddSpecialLines(CFileInfo* pRow, long, long nGridRow);
    void AddSpecialLines(CFileInfo* pRow, long nGridRow) { AddSpecialLines(pRow, 0, nGridRow); }
    static CString ReCalcTTL(CString ert, CString sot);
    void SetGridValue(CGXGridCore* pCore, ROWCOL nRow, long nCol, const CString& strValue,
                      bool bUpdate = true);
    void SetGridValue(CGXGridCore* pCore, ROWCOL nRow, long nCol, long nValue);
    void ColorCell(ROWCOL nRow, ROWCOL nCol, COLORREF crBack, COLORREF crText);
    void ColorRow(CGXGridCore* pCore, long nIndex, COLORREF crBack, COLORREF crText);
    void ColorForeCell(CGXGridCore* pCore, ROWCOL nRow, long nCol, COLORREF crText);
    void SetArchiveRundownReadonly(CGXGridCore* pCore);
    void ResetGrid();
    long GetBOOLValue(ROWCOL nRow, ROWCOL nCol);
    // The grid row (1-based) of the end-of-show row, found by its row type whichever
    // columns are shown; one past the last row when the list has none.
    long GetEOSrow();
    // The first selected grid row less 1 (a list index), -1 when nothing is selected.
    long GetNextSelectedLine(long);
    // The list row shown in a grid row (through its record-number cell); NULL for none.
    CFileInfo* GetRowAt(ROWCOL nGridRow);
    // The list row with this position; NULL for none.
    CFileInfo* FindRowByPosition(long nPosition);
    // Deletes the selected rows, except the end-of-show row.
    void FileDelete();

    // ---- called by the grid window ----
    void BGStartEditing(ROWCOL nRow, ROWCOL nCol);
    void BGEndEditing(ROWCOL nRow, ROWCOL nCol);
    // Makes a cell a masked time edit with the mask (its length the cell's maximum length).
    void SetTimeMask(ROWCOL nRow, ROWCOL nCol, const CString& mask);
    void BGModifyCell(ROWCOL nRow, ROWCOL nCol);
    void BGMoveRows(long nTarget);

    // ---- drawing ----
    void SetRedraw(int bRedraw);
    void SetGridDisplay(int bRedraw) { SetRedraw(bRedraw); }
    void UpdateGrid();
    void Invalidate(int bErase = TRUE);
    void SetGridDefaults(CGXGridCore* pCore);
    void SetMessageHWnd();
    // Column Select on the column information.
    void OnColumninformation();

    static void SetupColumn(sColumns& columns, long nID, long nColumn);
    static CString GetGridEditTimeString(const CString& text);
    static CString SetGridTimeString(const CString& digits);

    // ---- members (the derived views read several directly) ----
    CFmtGrid m_FmtGrid;
    long m_nColCount;
    CColInfo m_ColInfo;
    long m_bUseSegmentNumbering; // copy of the column information's word
    sColumns m_Columns;
    int m_bFirstUpdate;
    CMyGridWnd m_Grid;
    CString m_strShowPath;
    int m_bShowOpen;
    BaseScriptList m_ScriptList;
    long m_bUseScriptSeparator; // copy of the column information's word
    CString m_strShowName; // printed in the page header
    int m_bEditing;
    int m_nRedrawLock;
    HCURSOR m_hCursor;

    // The grid window's child id.
    static const UINT GridWindowId = 0xE900 + 1;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnGridMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // The text of the cell in the list row's column (the copy-back of an edit).
    void CopyCellToRow(CFileInfo* pRow, long nCol, const CString& text);
};
