// Copying and moving blocks of stored cells inside a data object. Both read the whole
// source block before they write anything, so a destination that overlaps its source gets
// the source as it was (nothing is read after it has been overwritten).
#pragma once
#include "core/GXDefs.h"
#include "features/GXAbstractProcessFeatures.h"

#include <vector>

class CGXStyle;

// The styles a move overwrote, kept by the move's undo command and put back when the move
// is undone. Owns its styles.
class CGXDataUndoMoveCellsInfo : public CObject
{
    DECLARE_DYNAMIC(CGXDataUndoMoveCellsInfo)
public:
    struct Entry
    {
        ROWCOL nRow, nCol;
        CGXStyle* pStyle;
    };
    CGXDataUndoMoveCellsInfo() = default;
    CGXDataUndoMoveCellsInfo(const CGXDataUndoMoveCellsInfo&) = delete;
    CGXDataUndoMoveCellsInfo& operator=(const CGXDataUndoMoveCellsInfo&) = delete;
    ~CGXDataUndoMoveCellsInfo() override { Empty(); }
    void Empty();

    std::vector<Entry> m_entries;
};

class CGXDataCopyMoveCellsImp : public CGXAbstractDataCopyMoveCellsImp
{
public:
    BOOL CopyDataCells(CGXData& data, const CGXRange& src, ROWCOL nDestRow, ROWCOL nDestCol,
                       UINT nFlags) override;
    BOOL MoveDataCells(CGXData& data, const CGXRange& src, ROWCOL nDestRow, ROWCOL nDestCol,
                       CObject*& pUndoInfo, BOOL bCreateUndoInfo) override;
};
