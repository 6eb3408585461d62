// Hidden rows and columns: bit sets in the parameter object; the core draws a hidden row
// or column with no height or width.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridHideCellsImp final : public CGXAbstractGridHideCellsImp
{
public:
    // Hides or shows nFrom..nTo (nTo 0: nFrom alone), each by abStates when given; FALSE
    // when nothing changed.
    BOOL HideRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, BOOL* abStates,
                  UINT nFlags, GXCmdType ctCmd) override;
    BOOL HideCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, BOOL* abStates,
                  UINT nFlags, GXCmdType ctCmd) override;
    BOOL QueryRowHidden(CGXGridCore* pGrid, ROWCOL nRow) override;
    BOOL QueryColHidden(CGXGridCore* pGrid, ROWCOL nCol) override;
    BOOL WriteRowHidden(CGXGridCore* pGrid, ROWCOL nRow, BOOL bHide) override;
    BOOL WriteColHidden(CGXGridCore* pGrid, ROWCOL nCol, BOOL bHide) override;
    void InsertHiddenRows(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) override;
    void InsertHiddenCols(CGXGridCore* pGrid, ROWCOL nFirst, ROWCOL nCount) override;
    void RemoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) override;
    void RemoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo) override;
    // Moved rows and columns take their hidden state along.
    void MoveHiddenRows(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);
    void MoveHiddenCols(CGXGridCore* pGrid, ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest);

private:
    BOOL Hide(CGXGridCore* pGrid, BOOL bRows, ROWCOL nFrom, ROWCOL nTo, BOOL bHide, BOOL* abStates,
              UINT nFlags, GXCmdType ctCmd);
};
