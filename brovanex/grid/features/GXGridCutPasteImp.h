// The grid's Cut, Copy and Paste commands and their enablers. The selected ranges go to the
// clipboard as plain text and, in the library's own format, as archived cell styles; a
// paste reads either back into the selected range. In direct mode cells are copied or moved
// inside the same grid without going through the clipboard's data. The current cell's
// control gets the first chance at every command, so text being edited is handled by it.
#pragma once
#include "features/GXAbstractGridFeatures.h"

class CGXGridCutPasteImp final : public CGXAbstractGridCutPasteImp
{
public:
    BOOL CanCopy(CGXGridCore* pGrid) override;
    BOOL Copy(CGXGridCore* pGrid) override;
    BOOL CopyRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) override;
    BOOL CanCut(CGXGridCore* pGrid) override;
    BOOL Cut(CGXGridCore* pGrid) override;
    BOOL CutRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges, UINT nFlags) override;
    BOOL CanPaste(CGXGridCore* pGrid) override;
    BOOL HasPasteableFormat(CGXGridCore* pGrid) override;
    BOOL Paste(CGXGridCore* pGrid) override;
    // The style part of a paste from the open clipboard.
    BOOL PasteStylesFromClipboard(CGXGridCore* pGrid, const CGXRange& target) override;
    // A paste from the clipboard (open) into the target: styles when the grid exchanges
    // them and the clipboard has them, else text.
    BOOL PasteTextFromClipboard(CGXGridCore* pGrid, const CGXRange& range) override;
    BOOL ConfirmPaste(CGXGridCore* pGrid) override;
    BOOL PutTextOnClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) override;
    BOOL PutStylesOnClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges) override;

    // Copies or moves the last copied ranges to the target, gaps between them closed up.
    BOOL DirectPaste(CGXGridCore* pGrid, const CGXRange& target);
    // The clipboard format naming the grid a direct copy came from.
    static UINT DirectCopyFormat();
};
