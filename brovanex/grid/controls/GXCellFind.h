// The search every cell control's find shares. The cell edited in the control's window is
// searched from its selection and shows the occurrence found selected; any other cell is
// tested through its composed style and, when it holds the find text and the search selects,
// becomes the current cell, is bound and edited, and shows its first occurrence (its last,
// searching up) selected. A control supplies the steps that differ: how its text is searched,
// what an occurrence is and how it is selected, and how editing starts.
#pragma once
#include "core/GXDefs.h"

#include <functional>

class CGXControl;
class CGXGridCore;
class CGXStyle;
struct GXFindReplaceInfo;

// A cell's composed style: the one the search composed (GXFindReplaceInfo::pStyle) when
// given, else composed here and recycled when it goes.
class CGXComposedCellStyle
{
public:
    CGXComposedCellStyle(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle);
    ~CGXComposedCellStyle();
    CGXComposedCellStyle(const CGXComposedCellStyle&) = delete;
    CGXComposedCellStyle& operator=(const CGXComposedCellStyle&) = delete;
    const CGXStyle& Get() const { return *m_pStyle; }

private:
    CGXGridCore* m_pGrid;
    const CGXStyle* m_pStyle;
    CGXStyle* m_pOwn = nullptr;
};

struct GXCellFindSteps
{
    // The cell searched is the one edited in the control's window.
    BOOL bEditing = FALSE;
    // The edited cell: the occurrence from the selection on in the search's direction (the
    // selection's own start counts only with bCurrentPos); -1 when there is none. An
    // occurrence is whatever the control selects by it (a text index, a field).
    std::function<int(BOOL bCurrentPos)> findInEdited;
    // Shows an occurrence selected in the edited cell.
    std::function<void(int nHit)> select;
    // Another cell: whether its text, as its composed style gives it, holds the find text.
    std::function<BOOL(const CGXStyle& style)> matches;
    // The cell found, now current and bound: starts editing it; FALSE when it is not edited.
    std::function<BOOL()> activate;
    // The first occurrence (the last, searching up) in the cell found once it is edited.
    std::function<int()> findInFound;
};

// Runs a control's search in a cell (the parameters of CGXControl::FindText). TRUE when found.
BOOL GXFindInCell(CGXControl& control, GXFindReplaceInfo& info, ROWCOL nRow, ROWCOL nCol,
                  BOOL bCurrentPos, BOOL bSelect, const GXCellFindSteps& steps);
