// CGXGridHint: one change of a grid, sent to the other views of the document so that they
// replay it (GXGridUpdateHintImp.h). It lives on the sender's stack for the send only.
#pragma once
#include "core/GXDefs.h"
#include "core/GXRange.h"

class CGXStyle;

// The hint ids: which grid operation a receiving view replays.
enum GXHintId {
    gxHintRedraw = 1,
    gxHintRedrawRowCol = 2,
    gxHintRowCount = 3,
    gxHintColCount = 4,
    gxHintRowHeights = 5,
    gxHintColWidths = 6,
    gxHintInsertCols = 7,
    gxHintInsertRows = 8,
    gxHintRemoveCols = 9,
    gxHintRemoveRows = 10,
    gxHintMoveCols = 11,
    gxHintMoveRows = 12,
    gxHintFrozenRows = 15,
    gxHintFrozenCols = 16,
    gxHintStyleRange = 17,
    gxHintZoomChanged = 19,
    gxHintZoom = 20,
    gxHintTabName = 22,
    gxHintTransferCurrentCell = 24,
    gxHintTopRow = 25,
    gxHintLeftCol = 26,
    gxHintCurrentCell = 27,
    gxHintRedrawFloated = 28,
    gxHintRedrawMerged = 29,
    gxHintLockSelectionFrame = 30,
    gxHintMoveDataRows = 31,
    gxHintMoveDataCols = 32,
    gxHintProperties = 33,
    gxHintStylesMap = 34,
    gxHintBaseStyle = 35,
    gxHintRefresh = 36
};

class CGXGridHint : public CObject
{
    DECLARE_DYNAMIC(CGXGridHint)
public:
    CGXGridHint(int nHintId, int nGridId)
        : m_id(nHintId), m_pStyle(nullptr), m_mt(0), m_nRow1(0), m_nRow2(0), m_nRow3(0), m_nCol1(0),
          m_nCol2(0), m_nCol3(0), m_nValue(0), m_lValue(0), m_vptr(nullptr), m_flags(0),
          m_nViewID(nGridId)
    { }

    int m_id;
    CGXRange m_range;
    const CGXStyle* m_pStyle; // not owned
    int m_mt;
    ROWCOL m_nRow1, m_nRow2, m_nRow3;
    ROWCOL m_nCol1, m_nCol2, m_nCol3;
    int m_nValue;
    int m_lValue; // a count, a base-style id, or the collected result of a query hint
    void* m_vptr; // old sizes, a target pane, a splitter window or a text; not owned
    UINT m_flags;
    int m_nViewID; // the sending grid's hint id; -1 reaches every grid
};
