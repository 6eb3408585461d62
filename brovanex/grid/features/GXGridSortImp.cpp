// CGXGridSortImp: collecting the key texts, settling autodetected keys, ordering the
// records, rewriting the stored rows (columns) and the undo step that puts them back. The
// row and the column operations share one body.
#include "features/GXGridSortImp.h"
#include "controls/GXControl.h"
#include "core/GXData.h"
#include "core/GXGridCore.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "features/GXExchangeHelpers.h"
#include "features/GXFeatureSwitches.h"
#include "features/GXLongOperationImp.h"
#include "fw/time.h"

#include <algorithm>
#include <cfloat>
#include <cstring>
#include <new>

void GXImplementSort(CGXGridCore* pGrid)
{
    GXInstallGridFeature<CGXGridSortImp>(pGrid, gxSlotSort);
    GXImplementGridSortMoveData();
}

namespace {
// Direction codes of CGXGridCore::MoveCurrentCell used around a sort.
const int gxMoveTopRow = 7;
const int gxMoveLeft = 2;

BOOL ParseSortDate(LPCTSTR pszText, double& dValue)
{
    COleDateTime date;
    if (!date.ParseDateTime(pszText, 0, LOCALE_USER_DEFAULT) ||
        date.GetStatus() != COleDateTime::valid)
        return FALSE;
    dValue = date.m_dt;
    return TRUE;
}

DWORD CollationFlags(BOOL bCase) { return bCase ? 0 : NORM_IGNORECASE; }

int CompareTexts(const CString& a, const CString& b, BOOL bCase)
{
    return ::CompareStringA(LOCALE_USER_DEFAULT, CollationFlags(bCase), a, -1, b, -1) - 2;
}

// The text's collation key: byte strings that order as CompareStringA orders the texts.
BOOL CollationKey(const CString& text, BOOL bCase, std::string& key)
{
    const DWORD dwFlags = LCMAP_SORTKEY | CollationFlags(bCase);
    const int cb = ::LCMapStringA(LOCALE_USER_DEFAULT, dwFlags, text, -1, nullptr, 0);
    if (cb <= 0)
        return FALSE;
    key.resize((size_t)cb);
    if (::LCMapStringA(LOCALE_USER_DEFAULT, dwFlags, text, -1, &key[0], cb) != cb)
        return FALSE;
    key.resize(strnlen(key.data(), key.size()));
    return TRUE;
}
} // namespace

void CGXGridSortImp::SortKeyRecords(CGXGridCore*, CGXSortInfoArray& keys, GXSortRecords& records)
{
    const INT_PTR nKeys = records.nKeys;
    auto less = [&](DWORD a, DWORD b) {
        for (INT_PTR k = 0; k < nKeys; ++k) {
            const CGXSortKeyInfo& key = keys[k];
            const size_t ia = (size_t)a * (size_t)nKeys + (size_t)k;
            const size_t ib = (size_t)b * (size_t)nKeys + (size_t)k;
            int n;
            if (key.sortType == gxSortAlphanumeric) {
                n = records.collation.empty()
                    ? CompareTexts(records.texts[ia], records.texts[ib], key.bCase)
                    : records.collation[ia].compare(records.collation[ib]);
            } else {
                const double da = records.values[ia], db = records.values[ib];
                n = da < db ? -1 : (da > db ? 1 : 0);
            }
            if (n != 0)
                return key.sortOrder == gxSortAscending ? n < 0 : n > 0;
        }
        // Equal keys keep the order they had.
        return a < b;
    };
    std::sort(records.positions.begin(), records.positions.end(), less);
}

void CGXGridSortImp::SortRows(CGXGridCore* pGrid, const CGXRange& range, CGXSortInfoArray& keys,
                              UINT nFlags)
{
    Sort(pGrid, TRUE, range, keys, nFlags);
}
void CGXGridSortImp::SortCols(CGXGridCore* pGrid, const CGXRange& range, CGXSortInfoArray& keys,
                              UINT nFlags)
{
    Sort(pGrid, FALSE, range, keys, nFlags);
}

void CGXGridSortImp::Sort(CGXGridCore* pGrid, BOOL bRows, const CGXRange& range,
                          CGXSortInfoArray& keys, UINT nFlags)
{
    CGXGridParam* pParam = pGrid->GetParam();
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    const INT_PTR nKeys = keys.GetSize();
    if (pParam == nullptr || nCount < 2 || nKeys == 0)
        return;

    // The rows (columns) sorted: a table, or a band across the other direction, means all
    // of them below the headers.
    const ROWCOL nHeaders = bRows ? pGrid->GetHeaderRowCount() : pGrid->GetHeaderColCount();
    const BOOL bWhole = range.IsTable() || (bRows ? range.IsCols() : range.IsRows());
    ROWCOL nFirst = bWhole ? nHeaders + 1 : (bRows ? range.top : range.left);
    ROWCOL nLast = bWhole ? nCount : (bRows ? range.bottom : range.right);
    nFirst = std::max<ROWCOL>(nFirst, 1);
    nLast = std::min(nLast, nCount);
    if (nFirst >= nLast)
        return;
    CGXRange sorted;
    if (bRows)
        sorted.SetRows(nFirst, nLast);
    else
        sorted.SetCols(nFirst, nLast);

    pGrid->MoveCurrentCell(bRows ? gxMoveTopRow : gxMoveLeft, 1);
    pGrid->TransferCurrentCell();

    CGXLongOperation longOp;
    longOp.SetStatusText(GXLibraryText(GX_IDS_SORTING));
    GXGetLongOperationSettings().bCanCancel = TRUE;
    GXLongOperationAllowRollback(FALSE);

    for (INT_PTR k = 0; k < nKeys; ++k) {
        keys[k].bAllNumeric = TRUE;
        keys[k].bAllDates = TRUE;
    }

    try {
        const DWORD n = nLast - nFirst + 1;
        GXSortRecords records;
        records.nKeys = nKeys;
        records.texts.resize((size_t)n * (size_t)nKeys);
        records.positions.resize(n);
        for (DWORD i = 0; i < n; ++i) {
            CString* pTexts = &records.texts[(size_t)i * (size_t)nKeys];
            if (bRows)
                pGrid->GetRowSortKeys(nFirst + i, keys, pTexts);
            else
                pGrid->GetColSortKeys(nFirst + i, keys, pTexts);
            records.positions[i] = i;
            for (INT_PTR k = 0; k < nKeys; ++k) {
                CGXSortKeyInfo& key = keys[k];
                if (key.sortType != gxSortAutodetect || pTexts[k].IsEmpty())
                    continue;
                double dDate;
                if (key.bAllDates && !ParseSortDate(pTexts[k], dDate))
                    key.bAllDates = FALSE;
                if (key.bAllNumeric && !GXSortTextLooksNumeric(pTexts[k]))
                    key.bAllNumeric = FALSE;
            }
            // DoMessages reads the clock itself: a check before it would use up its turn.
            BOOL bCanceled = FALSE;
            longOp.DoMessages(bCanceled);
            if (bCanceled)
                AfxThrowUserException();
        }

        // Autodetected keys settle; numbers and dates become values.
        records.values.resize(records.texts.size());
        BOOL bText = FALSE;
        for (INT_PTR k = 0; k < nKeys; ++k) {
            CGXSortKeyInfo& key = keys[k];
            if (key.sortType == gxSortAutodetect)
                key.sortType = key.bAllDates
                    ? gxSortDateTime
                    : (key.bAllNumeric ? gxSortNumeric : gxSortAlphanumeric);
            if (key.sortType == gxSortAlphanumeric) {
                bText = TRUE;
                continue;
            }
            for (DWORD i = 0; i < n; ++i) {
                const size_t ix = (size_t)i * (size_t)nKeys + (size_t)k;
                CString& text = records.texts[ix];
                double dValue = 0;
                if (key.sortType == gxSortDateTime) {
                    // A text that is no date sorts before every date.
                    if (!ParseSortDate(text, dValue))
                        dValue = -DBL_MAX;
                } else {
                    dValue = GXSortTextToNumber(text);
                }
                records.values[ix] = dValue;
                text.Empty();
            }
        }

        // Text keys compare through their collation keys, worked out once per text.
        if (bText) {
            records.collation.resize(records.texts.size());
            for (size_t ix = 0; ix < records.texts.size() && !records.collation.empty(); ++ix)
                if (keys[(INT_PTR)(ix % (size_t)nKeys)].sortType == gxSortAlphanumeric &&
                    !CollationKey(records.texts[ix], keys[(INT_PTR)(ix % (size_t)nKeys)].bCase,
                                  records.collation[ix]))
                    records.collation.clear(); // compare the texts themselves
        }
        pGrid->SortKeyRecords(keys, records);

        CDWordArray order;
        order.SetSize(n);
        for (DWORD i = 0; i < n; ++i)
            order[i] = records.positions[i];
        if (bRows) {
            pParam->m_nLastSortColKey = (ROWCOL)-1;
            pParam->m_nLastSortRowKey = keys[0].nRC;
        } else {
            pParam->m_nLastSortColKey = keys[0].nRC;
            pParam->m_nLastSortRowKey = (ROWCOL)-1;
        }
        pParam->m_bLastSortAscending = keys[0].sortOrder == gxSortAscending;
        records = GXSortRecords(); // free the texts before the data moves
        if (bRows)
            pGrid->MoveDataRows(sorted, order, nFlags, gxDo);
        else
            pGrid->MoveDataCols(sorted, order, nFlags, gxDo);
    } catch (CMemoryException* e) {
        e->Delete();
        AfxMessageBox(GXLibraryText(GX_IDS_NO_MEMORY_TO_SORT), MB_OK | MB_ICONEXCLAMATION);
    } catch (std::bad_alloc&) {
        AfxMessageBox(GXLibraryText(GX_IDS_NO_MEMORY_TO_SORT), MB_OK | MB_ICONEXCLAMATION);
    } catch (CUserException* e) {
        e->Delete();
        longOp.SetStatusText(GXLibraryText(GX_IDS_SORT_CANCELLED));
    } catch (CNotSupportedException* e) {
        e->Delete();
    }
}

BOOL CGXGridSortImp::MoveDataRows(CGXGridCore* pGrid, const CGXRange& range,
                                  const CDWordArray& order, UINT nFlags, GXCmdType ctCmd)
{
    return MoveData(pGrid, TRUE, range, order, nFlags, ctCmd);
}
BOOL CGXGridSortImp::MoveDataCols(CGXGridCore* pGrid, const CGXRange& range,
                                  const CDWordArray& order, UINT nFlags, GXCmdType ctCmd)
{
    return MoveData(pGrid, FALSE, range, order, nFlags, ctCmd);
}

BOOL CGXGridSortImp::MoveData(CGXGridCore* pGrid, BOOL bRows, const CGXRange& range,
                              const CDWordArray& order, UINT nFlags, GXCmdType ctCmd)
{
    const BOOL bStored =
        bRows ? pGrid->StoreMoveDataRows(range, order) : pGrid->StoreMoveDataCols(range, order);
    if (!bStored)
        return FALSE;
    if (CGXGridParam* pParam = pGrid->GetParam())
        pParam->m_selRects.DeleteAreas();
    const CGXRange all = CGXRange().SetTable();
    pGrid->MarkFloatRangeDirty(all);
    pGrid->MarkMergeRangeDirty(all);
    if (bRows)
        pGrid->UpdateMoveDataRows(range, nFlags, TRUE);
    else
        pGrid->UpdateMoveDataCols(range, nFlags, TRUE);

    if (CGXAbstractCommandFactory* pFactory = pGrid->UndoRecorder(ctCmd)) {
        // The command that puts every row (column) back where it came from.
        CDWordArray* pInverse = new CDWordArray;
        pInverse->SetSize(order.GetSize());
        for (INT_PTR i = 0; i < order.GetSize(); ++i)
            (*pInverse)[order[i]] = (DWORD)i;
        pGrid->RecordCommand(bRows ? pFactory->MakeMoveDataRowsCmd(pInverse, range)
                                   : pFactory->MakeMoveDataColsCmd(pInverse, range),
                             ctCmd);
    }
    return TRUE;
}

BOOL CGXGridSortImp::StoreMoveDataRows(CGXGridCore* pGrid, const CGXRange& range,
                                       const CDWordArray& order)
{
    CGXData* pData = pGrid->GetData();
    if (pData == nullptr || !pData->PutRowOrder(range, order, 0))
        return FALSE;
    pGrid->MarkDocumentModified(TRUE);
    return TRUE;
}
BOOL CGXGridSortImp::StoreMoveDataCols(CGXGridCore* pGrid, const CGXRange& range,
                                       const CDWordArray& order)
{
    CGXData* pData = pGrid->GetData();
    if (pData == nullptr || !pData->PutColOrder(range, order, 0))
        return FALSE;
    pGrid->MarkDocumentModified(TRUE);
    return TRUE;
}

void CGXGridSortImp::UpdateMoveDataRows(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags,
                                        BOOL bCreateHint)
{
    UpdateMoveData(pGrid, TRUE, range, nFlags, bCreateHint);
}
void CGXGridSortImp::UpdateMoveDataCols(CGXGridCore* pGrid, const CGXRange& range, UINT nFlags,
                                        BOOL bCreateHint)
{
    UpdateMoveData(pGrid, FALSE, range, nFlags, bCreateHint);
}

void CGXGridSortImp::UpdateMoveData(CGXGridCore* pGrid, BOOL bRows, const CGXRange& range,
                                    UINT nFlags, BOOL bCreateHint)
{
    // The current cell's control shows what now sits in its cell.
    pGrid->TransferCurrentCell(FALSE);
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && !pParam->m_bLockUpdate)
        pGrid->Redraw(nFlags, FALSE);
    if (bCreateHint && pGrid->m_bDocumentLinked)
        if (CGXAbstractGridUpdateHintImp* pHints = pGrid->UpdateHintImp()) {
            if (bRows)
                pHints->SendMoveDataRowsHint(pGrid, range, nFlags);
            else
                pHints->SendMoveDataColsHint(pGrid, range, nFlags);
        }
}

void CGXGridSortImp::GetRowSortKeys(CGXGridCore* pGrid, ROWCOL nRow, const CGXSortInfoArray& keys,
                                    CString* pTexts)
{
    GetSortKeys(pGrid, TRUE, nRow, keys, pTexts);
}
void CGXGridSortImp::GetColSortKeys(CGXGridCore* pGrid, ROWCOL nCol, const CGXSortInfoArray& keys,
                                    CString* pTexts)
{
    GetSortKeys(pGrid, FALSE, nCol, keys, pTexts);
}

void CGXGridSortImp::GetSortKeys(CGXGridCore* pGrid, BOOL bRows, ROWCOL nIndex,
                                 const CGXSortInfoArray& keys, CString* pTexts)
{
    CGXStyle* pStyle = pGrid->CreateStyle();
    for (INT_PTR k = 0; k < keys.GetSize(); ++k) {
        const ROWCOL nRow = bRows ? nIndex : keys[k].nRC;
        const ROWCOL nCol = bRows ? keys[k].nRC : nIndex;
        pGrid->ComposeStyleRowCol(nRow, nCol, pStyle);
        CGXControl* pControl = pGrid->LookupControl(pStyle->GetControl());
        pTexts[k].Empty();
        pGrid->GetSortKey(pControl, nRow, nCol, keys[k], *pStyle, pTexts[k]);
    }
    pGrid->RecycleStyle(pStyle);
}

BOOL CGXGridSortImp::SortByHeaderClick(CGXGridCore* pGrid, ROWCOL nRow, ROWCOL nCol)
{
    CGXGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    const BOOL bByRow = nRow > 0 && nCol == 0 && pParam->m_bSortColsOnDblClk;
    const BOOL bByCol = nRow == 0 && nCol > 0 && pParam->m_bSortRowsOnDblClk;
    if (!bByRow && !bByCol)
        return FALSE;
    CGXSortInfoArray keys;
    keys.SetSize(1);
    keys[0].nRC = bByRow ? nRow : nCol;
    keys[0].sortType = gxSortAutodetect;
    // The same header again reverses an ascending sort.
    const ROWCOL nLastKey = bByRow ? pParam->m_nLastSortColKey : pParam->m_nLastSortRowKey;
    keys[0].sortOrder = nLastKey == keys[0].nRC && pParam->m_bLastSortAscending ? gxSortDescending
                                                                                : gxSortAscending;
    const CGXRange table = CGXRange().SetTable();
    if (bByRow) {
        pGrid->SortCols(table, keys, GX_UPDATENOW);
        pGrid->MoveCurrentCell(gxMoveLeft, 1);
    } else {
        pGrid->SortRows(table, keys, GX_UPDATENOW);
        pGrid->MoveCurrentCell(gxMoveTopRow, 1);
    }
    return TRUE;
}
