// Find and replace in a grid: the search runs through the current cell's column, row by row,
// down or up, comparing each enabled cell's display text with the find text; the current
// cell's control searches and replaces inside its own text first. The modeless find dialog
// is one for the whole library (GXGridFindReplaceDialog.cpp).
#pragma once
#include "features/GXAbstractGridFeatures.h"
#include "features/GXFindReplaceInfo.h"

class CGXGridFindReplaceImp final : public CGXAbstractGridFindReplaceImp
{
public:
    ~CGXGridFindReplaceImp();

    void ShowFindReplaceDialog(CGXGridCore* pGrid, BOOL bFindOnly) override;
    void OnFindReplace(CGXGridCore* pGrid, CWnd* pDialog) override;
    BOOL FindText(CGXGridCore* pGrid, BOOL bNext) override;
    BOOL Find(CGXGridCore* pGrid, LPCTSTR pszFind, BOOL bDown, BOOL bCase) override;
    BOOL FindInCells(CGXGridCore* pGrid, GXFindReplaceInfo& info, ROWCOL& nRow, ROWCOL nCol,
                     BOOL bSelect) override;
    BOOL Replace(CGXGridCore* pGrid, LPCTSTR pszFind, BOOL bDown, BOOL bCase,
                 LPCTSTR pszReplace) override;
    BOOL ReplaceAll(CGXGridCore* pGrid, LPCTSTR pszFind, LPCTSTR pszReplace, BOOL bCase) override;
    void OnReplaceSel(CGXGridCore* pGrid, GXFindReplaceInfo& info) override;
    void OnReplaceAll(CGXGridCore* pGrid, GXFindReplaceInfo& info) override;
    BOOL OnEditRepeat(CGXGridCore* pGrid) override;
    BOOL FindInCell(CGXControl* pControl, GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol,
                    BOOL bContinue, BOOL bSelect) override;
    BOOL ReplaceAllInCell(CGXControl* pControl, GXFindReplaceInfo& info, ROWCOL nRow,
                          ROWCOL nCol) override;

    // Replace and Replace All with their results (what was found, what was replaced).
    BOOL ReplaceSel(CGXGridCore* pGrid, GXFindReplaceInfo& info);
    BOOL ReplaceAllCells(CGXGridCore* pGrid, GXFindReplaceInfo& info);
};

// The library's find dialog: the open one (null when none), whether it finds only, and the
// grid it searches. User-interface thread only.
class CFindReplaceDialog;
struct GXFindReplaceDialogState
{
    CFindReplaceDialog* pDialog = nullptr;
    HWND hDialog = nullptr;
    BOOL bFindOnly = FALSE;
    CGXGridCore* pGrid = nullptr;
    CGXGridFindReplaceImp* pGridImp = nullptr; // the grid's feature (it forgets the grid)
    BOOL bSearched = FALSE; // a search ran that Find Next may repeat
};
GXFindReplaceDialogState& GXGetFindReplaceDialogState();
