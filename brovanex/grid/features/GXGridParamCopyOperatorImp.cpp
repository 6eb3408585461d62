// Deep copies of a grid's parameter object, styles map and properties: the copy shares
// nothing with its source, so changing one grid never changes the other.
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include <memory>

namespace {
// A copy of an object through its own archive form (the print device, whose class lives
// with the window code, and the display pools). Null when it cannot be copied.
CObject* CopyThroughArchive(const CObject* pSource, CObject* pTarget)
{
    std::unique_ptr<CObject> pOwned(pTarget);
    if (pSource == nullptr || pTarget == nullptr || pSource->GetRuntimeClass()->m_wSchema == 0xFFFF)
        return nullptr;
    try {
        CMemFile file;
        {
            CArchive ar(&file, CArchive::store);
            const_cast<CObject*>(pSource)->Serialize(ar);
            ar.Close();
        }
        file.SeekToBegin();
        CArchive ar(&file, CArchive::load);
        pTarget->Serialize(ar);
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
    return pOwned.release();
}

CObject* NewOfClassOf(const CObject* pSource)
{
    return pSource != nullptr ? pSource->GetRuntimeClass()->CreateObject() : nullptr;
}

CObject* CopyPool(const CObject* pSource, bool bSpans)
{
    if (pSource == nullptr)
        return nullptr;
    CGXGridLibraryState& state = GXGetLibraryState();
    CObject* pNew = nullptr;
    if (bSpans && state.m_pSpanCellPoolImp != nullptr)
        pNew = state.m_pSpanCellPoolImp->CreateSpanCellPool();
    else if (!bSpans && state.m_pDelayedRangePoolImp != nullptr)
        pNew = state.m_pDelayedRangePoolImp->CreateDelayedRangePool();
    if (pNew == nullptr)
        return nullptr;
    if (pNew->GetRuntimeClass() != pSource->GetRuntimeClass()) {
        delete pNew;
        return nullptr;
    }
    return CopyThroughArchive(pSource, pNew);
}
} // namespace

class CGXGridParamCopyOperatorImp : public CGXAbstractGridParamCopyOperatorImp
{
public:
    void CopyParam(CGXGridParam& dest, const CGXGridParam& src) override;
    void CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src) override;
    void CopyProperties(CGXProperties& dest, const CGXProperties& src) override;
};

void CGXGridParamCopyOperatorImp::CopyParam(CGXGridParam& d, const CGXGridParam& s)
{
    if (&d == &s)
        return;
    // 1. What the destination owns goes.
    if (d.m_bOwnStylesMap)
        d.AttachStylesMap(nullptr, FALSE);
    if (d.m_bOwnData)
        d.AttachData(nullptr, FALSE);
    if (d.m_bOwnProperties)
        d.AttachProperties(nullptr, FALSE);
    if (d.m_bOwnPD)
        d.AttachPrintDevice(nullptr, FALSE);

    // 2. Plain settings.
    d.m_nMaxUndoOp = s.m_nMaxUndoOp;
    d.m_nTransactionLevel = s.m_nTransactionLevel;
    d.m_wAllowSelection = s.m_wAllowSelection;
    d.m_bAllowMoveCols = s.m_bAllowMoveCols;
    d.m_bAllowMoveRows = s.m_bAllowMoveRows;
    d.m_wRowResizeFlags = s.m_wRowResizeFlags;
    d.m_wColResizeFlags = s.m_wColResizeFlags;
    d.m_wWholeRowMode = s.m_wWholeRowMode;
    d.m_bThumbTrack = s.m_bThumbTrack;
    d.m_bUndoEnabled = s.m_bUndoEnabled;
    d.m_bLockUpdate = s.m_bLockUpdate;
    d.m_bStoreGuard = s.m_bStoreGuard;
    d.m_strName = s.m_strName;
    d.m_nDefaultRowHeight = s.m_nDefaultRowHeight;
    d.m_nDefaultColWidth = s.m_nDefaultColWidth;
    d.m_nFrozenRows = s.m_nFrozenRows;
    d.m_nFrozenCols = s.m_nFrozenCols;
    d.m_nHeaderRows = s.m_nHeaderRows;
    d.m_nHeaderCols = s.m_nHeaderCols;

    // 3. The sub-objects as copies, owned as the source owns its own.
    if (s.m_pStylesMap != nullptr) {
        CGXStylesMap* pMap = new CGXStylesMap(s.m_pStylesMap->m_pStyleClass);
        CopyStylesMap(*pMap, *s.m_pStylesMap);
        d.AttachStylesMap(pMap, TRUE);
    }
    if (s.m_pData != nullptr) {
        CObject* pOb = NewOfClassOf(s.m_pData);
        CGXData* pData = pOb != nullptr && pOb->IsKindOf(RUNTIME_CLASS(CGXData))
            ? static_cast<CGXData*>(pOb)
            : (delete pOb, new CGXData);
        *pData = *s.m_pData;
        d.AttachData(pData, TRUE);
    }
    if (s.m_pProperties != nullptr) {
        CGXProperties* pProp = new CGXProperties;
        CopyProperties(*pProp, *s.m_pProperties);
        d.AttachProperties(pProp, TRUE);
    }
    if (s.m_pPD != nullptr) {
        const CObject* pDevice = reinterpret_cast<const CObject*>(s.m_pPD);
        CObject* pCopy = CopyThroughArchive(pDevice, NewOfClassOf(pDevice));
        d.AttachPrintDevice(reinterpret_cast<CGXPrintDevice*>(pCopy), TRUE);
    }
    // Every copy made here belongs to the destination (its own-flag is set even where the
    // source only borrows its object: a copy nobody owns would never be freed).

    // 4. Selection and covered cells, the pool rebuilt from the copy, further lists.
    d.m_selRects = s.m_selRects;
    d.m_coveredCells = s.m_coveredCells;
    d.UpdateCoveredCellPool();
    d.m_rangeList1 = s.m_rangeList1;
    d.m_rangeList2 = s.m_rangeList2;
    d.m_awHiddenRows.Copy(s.m_awHiddenRows);
    d.m_awHiddenCols.Copy(s.m_awHiddenCols);
    d.m_rowHeights = s.m_rowHeights;
    d.m_colWidths = s.m_colWidths;

    // 5. The remaining settings.
    d.m_byFromState = s.m_byFromState;
    d.m_wFromState = s.m_wFromState;
    d.m_nValue1 = s.m_nValue1;
    d.m_nValue2 = s.m_nValue2;
    d.m_bReadOnly2 = s.m_bReadOnly2;
    d.m_bDirectCopy = s.m_bDirectCopy;
    d.m_bDirectMove = s.m_bDirectMove;
    d.m_bCutPending = s.m_bCutPending;
    d.m_bDirectPaste = s.m_bDirectPaste;
    d.m_bEnableFill = s.m_bEnableFill;
    d.m_bFrameInsideBorders = s.m_bFrameInsideBorders;
    d.m_bSelectionFrame = s.m_bSelectionFrame;
    d.m_bKeepSingleCell = s.m_bKeepSingleCell;
    d.m_bSortRowsOnDblClk = s.m_bSortRowsOnDblClk;
    d.m_bSortColsOnDblClk = s.m_bSortColsOnDblClk;
    d.m_bLastSortAscending = s.m_bLastSortAscending;
    d.m_bNumberedColHeaders = s.m_bNumberedColHeaders;
    d.m_bNumberedRowHeaders = s.m_bNumberedRowHeaders;
    d.m_bLineFlag = s.m_bLineFlag;
    d.m_bShowStoredValues = s.m_bShowStoredValues;
    d.m_bSpannedCellBorders = s.m_bSpannedCellBorders;
    d.m_bOldDrawing = s.m_bOldDrawing;
    d.m_bPrinterMetrics = s.m_bPrinterMetrics;
    d.m_bActiveViewOnly = s.m_bActiveViewOnly;
    d.m_wUndoSaveFlags = s.m_wUndoSaveFlags;
    d.m_wMarkHeaders = s.m_wMarkHeaders;
    d.m_wWordFlag = s.m_wWordFlag;
    d.m_dwOptionWord = s.m_dwOptionWord;
    d.m_nTwo = s.m_nTwo;
    d.m_nHundred = s.m_nHundred;
    d.m_nFour = s.m_nFour;
    d.m_nMinTrackWidth = s.m_nMinTrackWidth;
    d.m_nMinTrackHeight = s.m_nMinTrackHeight;
    d.m_nLastSortRowKey = s.m_nLastSortRowKey;
    d.m_nLastSortColKey = s.m_nLastSortColKey;
    d.m_wFloatCellsMode = s.m_wFloatCellsMode;
    for (int i = 0; i < 3; ++i)
        d.m_abKeptSettings[i] = s.m_abKeptSettings[i];

    // 6. The display pools of floating and merged cells, each its own copy; the merge
    // mode before the merge pools. The printing pools are not copied.
    const int aSpans[] = {gxPoolFloatSpans, gxPoolMergeSpansH, gxPoolMergeSpansV};
    const int aDelayed[] = {gxPoolFloatDelayed, gxPoolMergeDelayed};
    d.m_wMergeCellsMode = s.m_wMergeCellsMode;
    for (int i : aSpans) {
        delete d.m_apPools[i];
        d.m_apPools[i] = CopyPool(s.m_apPools[i], true);
    }
    for (int i : aDelayed) {
        delete d.m_apPools[i];
        d.m_apPools[i] = CopyPool(s.m_apPools[i], false);
    }

    // 7. The last settings.
    d.m_wActivateCell = s.m_wActivateCell;
    d.m_bNoCurrentCellFrame = s.m_bNoCurrentCellFrame;
    d.m_nHideCurrentCell = s.m_nHideCurrentCell;
    d.m_wClipboardFlags = s.m_wClipboardFlags;
}

void CGXGridParamCopyOperatorImp::CopyStylesMap(CGXStylesMap& dest, const CGXStylesMap& src)
{
    if (&dest == &src)
        return;
    dest.CopyContents(src);
    dest.LookUpStandardStyles();
}

void CGXGridParamCopyOperatorImp::CopyProperties(CGXProperties& dest, const CGXProperties& src)
{
    if (&dest == &src)
        return;
    dest.CopyContents(src);
}

void GXImplementGridParamCopyOperator()
{
    GXInstallProcessFeature<CGXGridParamCopyOperatorImp>(
        GXGetLibraryState().m_pParamCopyOperatorImp);
}
