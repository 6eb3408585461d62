// The per-grid feature switches. Each creates its feature object for one grid when the
// grid's slot is still empty, puts it on the grid's delete list and may switch on the
// features it depends on. A feature's files define its switch and are added with
// gx_add_feature(<switch> ...) in features/sources.cmake; the control factory then calls
// the switch for every new grid (CGXControlFactory::InstallGridFeatures).
// The process-wide switches (GXImplementNumberFormatting() ...) are in GXLibraryState.h.
#pragma once
#include "core/GXGridCore.h"

void GXImplementFindReplace(CGXGridCore* pGrid);
void GXImplementHideCells(CGXGridCore* pGrid);
void GXImplementAutoScroll(CGXGridCore* pGrid);
void GXImplementResizeToFit(CGXGridCore* pGrid);
void GXImplementUpdateHint(CGXGridCore* pGrid);
void GXImplementUndoRedo(CGXGridCore* pGrid);
void GXImplementSort(CGXGridCore* pGrid);
void GXImplementOldDrawing(CGXGridCore* pGrid);
void GXImplementCoveredCells(CGXGridCore* pGrid);
void GXImplementMergeCells(CGXGridCore* pGrid);
void GXImplementFloatCells(CGXGridCore* pGrid);
void GXImplementPrinting(CGXGridCore* pGrid);
void GXImplementUserSelectRange(CGXGridCore* pGrid);
void GXImplementExcelLikeFrame(CGXGridCore* pGrid);
void GXImplementUserDragSelectRange(CGXGridCore* pGrid);
void GXImplementUserResizeCells(CGXGridCore* pGrid);
void GXImplementOptimizedUpdate(CGXGridCore* pGrid);
void GXImplementMarkEditHeader(CGXGridCore* pGrid);
void GXImplementFreezeMenuHelper(CGXGridCore* pGrid);
void GXImplementDirectCopyMoveCells(CGXGridCore* pGrid);
void GXImplementTextDataExchange(CGXGridCore* pGrid);
void GXImplementStyleDataExchange(CGXGridCore* pGrid);
void GXImplementCutPaste(CGXGridCore* pGrid);
void GXImplementClearCells(CGXGridCore* pGrid);
void GXImplementExcelLikeFill(CGXGridCore* pGrid);
void GXImplementDrawSpannedCells(CGXGridCore* pGrid);
void GXImplementCalcSize(CGXGridCore* pGrid);

// The pattern of every per-grid switch: a new TImp in the slot when it is empty, owned by
// the grid (deleted through its own type).
template<class TImp>
TImp* GXInstallGridFeature(CGXGridCore* pGrid, int nSlot)
{
    if (void* pExisting = pGrid->GetFeature(nSlot))
        return static_cast<TImp*>(pExisting);
    TImp* pImp = new TImp;
    pGrid->AddToDeleteList(pImp);
    pGrid->SetFeature(nSlot, pImp);
    return pImp;
}
