#include "features/GXGridCutPasteImp.h"
#include "controls/GXControl.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "core/GXUpdateLock.h"
#include "features/GXExchangeHelpers.h"
#include "features/GXFeatureSwitches.h"

namespace {
HWND GridHwnd(CGXGridCore* pGrid)
{
    CWnd* pWnd = pGrid->GetGridWnd();
    return pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
}

// The clipboard open for the grid for a scope (opened only when nobody has it open).
class CClipboardScope
{
public:
    explicit CClipboardScope(CGXGridCore* pGrid)
        : m_bOpen(::GetOpenClipboardWindow() == nullptr && ::OpenClipboard(GridHwnd(pGrid)))
    { }
    ~CClipboardScope()
    {
        if (m_bOpen)
            ::CloseClipboard();
    }
    CClipboardScope(const CClipboardScope&) = delete;
    CClipboardScope& operator=(const CClipboardScope&) = delete;
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen;
};

BOOL EmptyTheClipboard(CGXGridCore* pGrid)
{
    CClipboardScope clip(pGrid);
    return clip.IsOpen() && ::EmptyClipboard();
}

BOOL HandToClipboard(UINT nFormat, CSharedFile& file)
{
    HGLOBAL hMem = file.Detach();
    if (hMem == nullptr)
        return FALSE;
    if (::SetClipboardData(nFormat, hMem) == nullptr) {
        ::GlobalFree(hMem);
        return FALSE;
    }
    return TRUE;
}

BOOL HasSelection(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    return pParam != nullptr && !pParam->m_selRects.IsEmpty();
}

// Whether the control of the current cell should take the command: it is being edited,
// or nothing is selected.
CGXControl* ControlFirst(CGXGridCore* pGrid)
{
    ROWCOL nRow, nCol;
    if (!pGrid->GetCurrentCell(nRow, nCol))
        return nullptr;
    if (!pGrid->IsActiveCurrentCell() && HasSelection(pGrid))
        return nullptr;
    return pGrid->GetCurrentCellControl();
}

BOOL DirectPastePending(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr || !pParam->m_bDirectPaste)
        return FALSE;
    return (pParam->m_bDirectMove && pParam->m_bCutPending) ||
        (pParam->m_bDirectCopy && !pParam->m_bCutPending);
}

// Whether the clipboard's direct-copy block names this grid's parameter object.
BOOL ClipboardFromThisGrid(CGXGridCore* pGrid)
{
    CClipboardScope clip(pGrid);
    HANDLE h = ::GetClipboardData(CGXGridCutPasteImp::DirectCopyFormat());
    if (h == nullptr || ::GlobalSize(h) < sizeof(void*))
        return FALSE;
    BOOL bSame = FALSE;
    if (void* p = ::GlobalLock(h)) {
        void* pParam = nullptr;
        memcpy(&pParam, p, sizeof(pParam));
        bSame = pParam == pGrid->GetParam();
        ::GlobalUnlock(h);
    }
    return bSame;
}
} // namespace

UINT CGXGridCutPasteImp::DirectCopyFormat()
{
    static UINT nFormat = 0;
    if (nFormat == 0)
        nFormat = ::RegisterClipboardFormatA("GX_DIRECTCOPY");
    return nFormat;
}

BOOL CGXGridCutPasteImp::CanCopy(CGXGridCore* pGrid)
{
    if (::GetOpenClipboardWindow() != nullptr)
        return FALSE;
    if (HasSelection(pGrid))
        return TRUE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != nullptr;
}

BOOL CGXGridCutPasteImp::Copy(CGXGridCore* pGrid)
{
    if (!EmptyTheClipboard(pGrid))
        return FALSE;
    if (CGXControl* pControl = ControlFirst(pGrid))
        if (pControl->IsActive() && pControl->Copy())
            return TRUE;
    CGXRangeList list, cells;
    {
        CGXLongOperation longOp;
        if (!pGrid->CopyRangeList(list, TRUE))
            return FALSE;
        GXClipRangesToCells(pGrid, list, cells, (pGrid->m_nClipboardFlags & GX_CLIP_COLHEADERS),
                            (pGrid->m_nClipboardFlags & GX_CLIP_ROWHEADERS));
        if (CGXGridParam* pParam = pGrid->GetParam())
            pParam->m_rangeList1 = cells; // the clipboard's ranges
    }
    const BOOL bOk = pGrid->CopyRangesToClipboard(cells);
    if (CGXGridParam* pParam = pGrid->GetParam())
        if (pParam->m_bCutPending) {
            pParam->m_bCutPending = FALSE;
            pGrid->Redraw();
        }
    return bOk;
}

BOOL CGXGridCutPasteImp::CopyRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges)
{
    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(GX_IDS_COPYING));
    CClipboardScope clip(pGrid);
    if (!clip.IsOpen() || !::EmptyClipboard())
        return FALSE;
    BOOL bOk = FALSE;
    if (pGrid->m_nClipboardFlags & GX_CLIP_TEXT)
        bOk |= pGrid->PutTextOnClipboard(ranges);
    if (pGrid->m_nClipboardFlags & GX_CLIP_STYLES)
        bOk |= pGrid->PutStylesOnClipboard(ranges);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_bDirectCopy || pParam->m_bDirectMove)) {
        if (HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(void*))) {
            if (void* p = ::GlobalLock(h)) {
                memcpy(p, &pParam, sizeof(pParam));
                ::GlobalUnlock(h);
            }
            if (::SetClipboardData(DirectCopyFormat(), h) == nullptr)
                ::GlobalFree(h);
        }
    }
    return bOk;
}

BOOL CGXGridCutPasteImp::PutTextOnClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges)
{
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 4096);
    if (!pGrid->ExportText(&file, ranges, FALSE))
        return FALSE;
    file.Write("", 1); // the text's closing zero
    return HandToClipboard(CF_TEXT, file);
}

BOOL CGXGridCutPasteImp::PutStylesOnClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges)
{
    // Without the style archive a style would travel empty and wipe what it is pasted over.
    const UINT nFormat = pGrid->m_pLibState->m_nClipboardFormat;
    if (nFormat == 0 || pGrid->m_pLibState->m_pStyleSerializeImp == nullptr)
        return FALSE;
    CSharedFile file(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, 4096);
    BOOL bOk;
    {
        CArchive ar(&file, CArchive::store, 4096);
        bOk = pGrid->ExportStyles(ar, ranges);
        ar.Close();
    }
    return bOk && HandToClipboard(nFormat, file);
}

BOOL CGXGridCutPasteImp::CanCut(CGXGridCore* pGrid)
{
    if (pGrid->IsReadOnly() || ::GetOpenClipboardWindow() != nullptr)
        return FALSE;
    if (HasSelection(pGrid))
        return TRUE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != nullptr && (!pControl->IsActive() || pControl->CanCut());
}

BOOL CGXGridCutPasteImp::Cut(CGXGridCore* pGrid)
{
    if (!EmptyTheClipboard(pGrid))
        return FALSE;
    if (CGXControl* pControl = ControlFirst(pGrid))
        if (pControl->IsActive())
            return pControl->Cut();
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && pParam->m_bDirectMove) {
        // The cells stay until the paste moves them.
        const BOOL bOk = pGrid->Copy();
        pParam->m_bCutPending = bOk;
        pGrid->Redraw();
        return bOk;
    }
    CGXRangeList list, cells;
    if (!pGrid->CopyRangeList(list, TRUE))
        return FALSE;
    GXClipRangesToCells(pGrid, list, cells, (pGrid->m_nClipboardFlags & GX_CLIP_COLHEADERS),
                        (pGrid->m_nClipboardFlags & GX_CLIP_ROWHEADERS));
    return pGrid->CutRangesToClipboard(cells, GX_INVALIDATE);
}

BOOL CGXGridCutPasteImp::CutRangesToClipboard(CGXGridCore* pGrid, const CGXRangeList& ranges,
                                              UINT nFlags)
{
    pGrid->BeginUndoBlock(GXLibraryText(GX_IDS_CUT));
    if (!pGrid->CopyRangesToClipboard(ranges)) {
        pGrid->RollbackUndoBlock();
        return FALSE;
    }
    const BOOL bStyles = (pGrid->m_nClipboardFlags & GX_CLIP_STYLES) != 0;
    const BOOL bOk = pGrid->ClearRanges(ranges, bStyles, nFlags);
    pGrid->CommitUndoBlock();
    return bOk;
}

BOOL CGXGridCutPasteImp::CanPaste(CGXGridCore* pGrid)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pGrid->IsReadOnly() && pParam != nullptr && pParam->m_bReadOnly2)
        return FALSE;
    if (DirectPastePending(pGrid))
        return TRUE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && pControl->IsActive() && pControl->CanPaste())
        return TRUE;
    return pGrid->HasPasteableFormat();
}

BOOL CGXGridCutPasteImp::HasPasteableFormat(CGXGridCore* pGrid)
{
    const UINT nOwn = pGrid->m_pLibState->m_nClipboardFormat;
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT) ||
        (nOwn != 0 && ::IsClipboardFormatAvailable(nOwn));
}

BOOL CGXGridCutPasteImp::Paste(CGXGridCore* pGrid)
{
    if (!pGrid->CanPaste())
        return FALSE;
    CGXControl* pControl = pGrid->GetCurrentCellControl();
    if (pControl != nullptr && pControl->IsActive() && pControl->CanPaste() && pControl->Paste())
        return TRUE;
    CGXRangeList list;
    if (!pGrid->CopyRangeList(list, TRUE))
        return FALSE;
    if (list.GetCount() > 1) {
        AfxMessageBox(GXLibraryText(GX_IDS_NOT_ON_MULTIPLE_SELECTIONS), MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    // Bit 0x02 lets the target begin in the header rows, 0x01 in the header columns.
    CGXRangeList cells;
    GXClipRangesToCells(pGrid, list, cells, (pGrid->m_nClipboardFlags & GX_CLIP_ROWHEADERS),
                        (pGrid->m_nClipboardFlags & GX_CLIP_COLHEADERS));
    if (cells.IsEmpty())
        return FALSE;
    const CGXRange target = *cells.GetRangeAt(cells.GetHeadPosition());
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && pParam->m_bDirectPaste &&
        ((pParam->m_bDirectMove && pParam->m_bCutPending) ||
         (pParam->m_bDirectCopy && !pParam->m_bCutPending && ClipboardFromThisGrid(pGrid))))
        return DirectPaste(pGrid, target);
    CClipboardScope clip(pGrid);
    if (!clip.IsOpen())
        return FALSE;
    return pGrid->PasteTextFromClipboard(target);
}

BOOL CGXGridCutPasteImp::DirectPaste(CGXGridCore* pGrid, const CGXRange& target)
{
    CGXGridParam* pParam = pGrid->GetParam();
    const BOOL bMove = pParam->m_bDirectMove && pParam->m_bCutPending;
    const BOOL bOneStep = pParam->m_bDirectPaste >= 2;
    GXRangeBands bands;
    bands.Collect(pParam->m_rangeList1, pGrid->GetRowCount(), pGrid->GetColCount());

    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(bMove ? GX_IDS_MOVE_CELLS : GX_IDS_COPY_CELLS));
    if (bOneStep)
        pGrid->BeginUndoBlock(GXLibraryText(bMove ? GX_IDS_MOVE_CELLS : GX_IDS_COPY_CELLS));
    BOOL bOk = TRUE;
    {
        CGXUpdateLock lock(pParam, bMove || bOneStep);
        try {
            ULONGLONG nDestRow = target.top;
            for (INT_PTR rb = 0; bOk && rb < bands.rowFrom.GetSize(); ++rb) {
                ULONGLONG nDestCol = target.left;
                for (INT_PTR cb = 0; bOk && cb < bands.colFrom.GetSize(); ++cb) {
                    const CGXRange block(bands.rowFrom[rb], bands.colFrom[cb], bands.rowTo[rb],
                                         bands.colTo[cb]);
                    if (nDestRow > GX_MAXROWCOL || nDestCol > GX_MAXROWCOL)
                        bOk = FALSE;
                    else if (bMove)
                        bOk = pGrid->MoveCells(block, (ROWCOL)nDestRow, (ROWCOL)nDestCol, nullptr,
                                               GX_UPDATENOW);
                    else
                        bOk = pGrid->CopyCells(block, (ROWCOL)nDestRow, (ROWCOL)nDestCol,
                                               GX_UPDATENOW);
                    nDestCol += block.GetWidth();
                }
                nDestRow += bands.rowTo[rb] - bands.rowFrom[rb] + 1;
            }
        } catch (CMemoryException* e) {
            e->Delete();
            bOk = FALSE;
            AfxMessageBox(GXLibraryText(GX_IDS_NO_MEMORY_TO_PASTE), MB_OK | MB_ICONEXCLAMATION);
        }
        if (bOneStep) {
            if (bOk)
                pGrid->CommitUndoBlock();
            else
                pGrid->RollbackUndoBlock();
        }
        if (bMove) {
            pParam->m_bCutPending = FALSE;
            pParam->m_rangeList1.DeleteAreas();
        }
    }
    pGrid->Redraw();
    ROWCOL nRow, nCol;
    if (pGrid->GetCurrentCell(nRow, nCol) && target.top <= nRow && target.left <= nCol &&
        (ULONGLONG)nRow < (ULONGLONG)target.top + bands.nRows &&
        (ULONGLONG)nCol < (ULONGLONG)target.left + bands.nCols)
        pGrid->TransferCurrentCell(FALSE);
    return bOk;
}

BOOL CGXGridCutPasteImp::PasteStylesFromClipboard(CGXGridCore* pGrid, const CGXRange& target)
{
    HANDLE h = ::GetClipboardData(pGrid->m_pLibState->m_nClipboardFormat);
    if (h == nullptr)
        return FALSE;
    CSharedFile file;
    file.SetHandle(h, FALSE);
    BOOL bOk = FALSE;
    {
        CArchive ar(&file, CArchive::load, 4096);
        bOk = pGrid->ImportStyles(ar, target, (pGrid->m_nClipboardFlags & GX_CLIP_ASKSIZE) == 0);
        ar.Close();
    }
    file.Detach(); // the clipboard keeps its memory
    return bOk;
}

BOOL CGXGridCutPasteImp::PasteTextFromClipboard(CGXGridCore* pGrid, const CGXRange& rangeIn)
{
    CGXRange target(rangeIn);
    if (!(pGrid->m_nClipboardFlags & GX_CLIP_ROWHEADERS))
        target.top = std::max(target.top, pGrid->GetHeaderRowCount() + 1);
    if (!(pGrid->m_nClipboardFlags & GX_CLIP_COLHEADERS))
        target.left = std::max(target.left, pGrid->GetHeaderColCount() + 1);
    const UINT nOwn = pGrid->m_pLibState->m_nClipboardFormat;
    if ((pGrid->m_nClipboardFlags & GX_CLIP_STYLES) && nOwn != 0 &&
        ::IsClipboardFormatAvailable(nOwn))
        return pGrid->PasteStylesFromClipboard(target);
    if (!(pGrid->m_nClipboardFlags & GX_CLIP_TEXT))
        return FALSE;
    HANDLE h = ::GetClipboardData(CF_TEXT);
    if (h == nullptr)
        h = ::GetClipboardData(CF_OEMTEXT);
    if (h == nullptr)
        return FALSE;
    LPCSTR psz = static_cast<LPCSTR>(::GlobalLock(h));
    if (psz == nullptr)
        return FALSE;
    // The text ends at its zero byte or at the end of the block, whichever comes first.
    const SIZE_T cb = ::GlobalSize(h);
    const BOOL bOk = pGrid->ImportText(psz, (DWORD)std::min<SIZE_T>(cb, 0xFFFFFFFF), target.top,
                                       target.left, GX_INVALIDATE);
    ::GlobalUnlock(h);
    return bOk;
}

BOOL CGXGridCutPasteImp::ConfirmPaste(CGXGridCore*)
{
    return AfxMessageBox(GXLibraryText(GX_IDS_PASTE_OTHER_SIZE), MB_OKCANCEL | MB_ICONQUESTION) ==
        IDOK;
}

void GXImplementCutPaste(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridCutPasteImp>(pGrid, gxSlotCutPaste);
    GXImplementTextDataExchange(pGrid);
    GXImplementStyleDataExchange(pGrid);
    GXImplementClearCells(pGrid);
    GXImplementDirectCopyMoveCells(pGrid);
}
