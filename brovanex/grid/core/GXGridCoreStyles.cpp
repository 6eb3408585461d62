// CGXGridCore: reading, composing and storing cell styles, base styles, the control
// registry and the read-only lock.
#include "core/GXGridCore.h"
#include "core/GXData.h"
#include "core/GXGridCoreControls.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXLongOperation.h"
#include "core/GXProperties.h"
#include "core/GXResourceString.h"
#include "core/GXStylesMap.h"
#include "res/GXResource.h"
#include <cstdlib>

namespace {
// TRUE when the text reads as a number below 0 (text that is no number is not negative).
BOOL IsNegativeNumber(const CString& strValue)
{
    LPCTSTR psz = strValue;
    char* pEnd = nullptr;
    double d = strtod(psz, &pEnd);
    if (pEnd == psz)
        return FALSE;
    while (*pEnd == ' ' || *pEnd == '\t')
        ++pEnd;
    return *pEnd == '\0' && d < 0;
}
} // namespace

BOOL CGXGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt,
                                 int nType)
{
    CGXData* pData = GetData();
    return pData != nullptr && pData->GetStyleRowCol(nRow, nCol, style, mt, nType);
}

CString CGXGridCore::ColumnLetters(ROWCOL nCol)
{
    CString s;
    while (nCol > 0) {
        char ch = (char)('A' + (nCol - 1) % 26);
        s.Insert(0, ch);
        nCol = (nCol - 1) / 26;
    }
    return s;
}

void CGXGridCore::ComposeCellStyle(ROWCOL nRow, ROWCOL nCol, CGXStyle* pStyle, BOOL bApplyStandard)
{
    pStyle->ClearAll();
    GetStyleRowCol(nRow, nCol, *pStyle, gxCopy, 0);
    if (pStyle == m_pStyleValue && pStyle->GetInclude(gxValue))
        return; // value-only: the cell's own value is all that is asked for

    const ROWCOL nHeaderRows = GetHeaderRowCount(), nHeaderCols = GetHeaderColCount();
    CGXStyle* pLevel = TakeStyleObject();
    // Row 0's "row style" and column 0's "column style" would be the table style: header
    // cells take none of the three.
    if (nRow > 0 && nCol > nHeaderCols && GetStyleRowCol(nRow, 0, *pLevel, gxCopy, -1))
        pStyle->MergeStyle(*pLevel, gxApplyNew);
    if (nRow > nHeaderRows && nCol > 0) {
        pLevel->ClearAll();
        if (GetStyleRowCol(0, nCol, *pLevel, gxCopy, -1))
            pStyle->MergeStyle(*pLevel, gxApplyNew);
        if (nCol > nHeaderCols) {
            pLevel->ClearAll();
            if (GetStyleRowCol(0, 0, *pLevel, gxCopy, -1))
                pStyle->MergeStyle(*pLevel, gxApplyNew);
        }
    }
    ReturnStyleObject(pLevel);

    CGXStylesMap* pMap = GetStylesMap();
    pStyle->ApplyBaseStyles(pMap);
    if (m_pStandardStyle == nullptr && pMap != nullptr)
        RefreshBaseStylePointers();
    if (nRow <= nHeaderRows && m_pColHeaderStyle != nullptr)
        pStyle->MergeStyle(*m_pColHeaderStyle, gxApplyNew);
    else if (nCol <= nHeaderCols && m_pRowHeaderStyle != nullptr)
        pStyle->MergeStyle(*m_pRowHeaderStyle, gxApplyNew);

    if (!pStyle->GetInclude(gxValue) && m_pGridParam != nullptr) {
        if (nRow == 0 && nCol > 0 && !m_pGridParam->m_bNumberedColHeaders)
            pStyle->SetValue(ColumnLetters(nCol));
        else if (nCol == 0 && nRow > 0 && m_pGridParam->m_bNumberedRowHeaders)
            pStyle->SetValue((DWORD)nRow);
    }
    if (bApplyStandard && m_pStandardStyle != nullptr)
        pStyle->MergeStyle(*m_pStandardStyle, gxApplyNew);

    if (m_bCurrentCellValid && nRow == m_nCurrentRow && nCol == m_nCurrentCol &&
        GXControlIsActive(m_pCurrentCellControl))
        return;
    if (pStyle->GetInclude(gxValue) && pStyle->HasUserAttribute(GX_IDS_UA_NEGATIVECOLOR) &&
        IsNegativeNumber(pStyle->GetValue())) {
        const CGXAbstractUserAttribute& attr = pStyle->GetUserAttribute(GX_IDS_UA_NEGATIVECOLOR);
        pStyle->SetTextColor((COLORREF)attr.AsDWord());
    }
}

BOOL CGXGridCore::StoreCellStyle(ROWCOL nRow, ROWCOL nCol, const CGXStyle* pStyle, GXModifyType mt,
                                 int nType)
{
    if (IsGridReadOnly() && m_pGridParam != nullptr && m_pGridParam->m_bStoreGuard)
        return FALSE;
    CGXData* pData = GetData();
    if (pData == nullptr)
        return FALSE;
    // A style that changes a choice list or the table settings of tabbed combo cells frees
    // the shared look-up tables of the list-cache ids it touches: its own, the one in effect
    // where it is stored, and the current cell's when the store reaches it.
    int anListCacheIds[3] = {0, 0, 0};
    const BOOL bListChange =
        m_pGridParam != nullptr && pStyle != nullptr && CGXGridParam::ChangesListCache(*pStyle);
    if (bListChange) {
        anListCacheIds[0] = CGXGridParam::ListCacheId(*pStyle);
        if (nRow > 0 && nCol > 0) {
            anListCacheIds[1] = CGXGridParam::ListCacheId(GetCachedCellStyle(nRow, nCol));
        } else {
            CGXStyle* pLevel = TakeStyleObject();
            if (GetStyleRowCol(nRow, nCol, *pLevel, gxCopy, nType))
                anListCacheIds[1] = CGXGridParam::ListCacheId(*pLevel);
            ReturnStyleObject(pLevel);
        }
        if (IsCurrentCell(nRow > 0 ? nRow : GX_INVALID, nCol > 0 ? nCol : GX_INVALID))
            anListCacheIds[2] =
                CGXGridParam::ListCacheId(GetCachedCellStyle(m_nCurrentRow, m_nCurrentCol));
    }
    BOOL bStored = pData->PutCellStyle(nRow, nCol, pStyle, mt, nType);
    if (bStored && bListChange) {
        BOOL bFreed = FALSE;
        for (int nId : anListCacheIds)
            if (nId > 0 || nId == -1) {
                m_pGridParam->FreeListCache(nId);
                bFreed = TRUE;
            }
        if (!bFreed)
            m_pGridParam->FreeListCache(0); // no shared table: lists still refill
    }
    if (bStored && !m_bStyleOperation) {
        CGXRange range(nRow, nCol, nRow, nCol);
        EvalVisibleSpannedCells(range);
    }
    ReleaseCachedCellStyle(nRow, nCol);
    if (IsCurrentCell(nRow, nCol))
        m_bCurrentStyleValid = FALSE;
    return bStored;
}

CObArray* CGXGridCore::CollectRangeStyles(const CGXRange& range, int nType,
                                          CGXLongOperation* pLongOp)
{
    CObArray* pArray = new CObArray;
    try {
        const ROWCOL nCells = range.GetHeight() * range.GetWidth();
        pArray->SetSize(0, (INT_PTR)std::min<ROWCOL>(nCells, 4096));
        ROWCOL nDone = 0;
        for (ROWCOL r = range.top; r <= range.bottom; ++r)
            for (ROWCOL c = range.left; c <= range.right; ++c) {
                CGXStyle* pStyle = TakeStyleObject();
                if (GetStyleRowCol(r, c, *pStyle, gxCopy, nType)) {
                    pArray->Add(pStyle);
                } else {
                    pArray->Add(nullptr);
                    m_pendingDelete.AddTail(pStyle);
                }
                if (pLongOp != nullptr && pLongOp->MessagesDue()) {
                    BOOL bCanceled = FALSE;
                    pLongOp->PumpMessages(bCanceled);
                    if (bCanceled)
                        AfxThrowUserException();
                }
                ++nDone;
            }
    } catch (...) {
        for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
            delete pArray->GetAt(i);
        delete pArray;
        throw;
    }
    return pArray;
}

BOOL CGXGridCore::ApplyStyleToRange(const CGXRange& rangeIn, const CGXStyle* pStyle,
                                    GXModifyType mt, int nType, const CObArray* pStyles, UINT flags,
                                    GXCmdType ctCmd)
{
    CGXRange range(rangeIn);
    if (!range.IsCells() && nType == 0)
        nType = -1;
    else if (nType == 0)
        nType = m_nDefaultStoreType;
    if (range.IsRows() || range.IsTable())
        range.left = range.right = 0;
    if (range.IsCols() || range.IsTable())
        range.top = range.bottom = 0;

    CGXLongOperation longOp;
    longOp.ShowStatusText(m_pLibState->m_astrTexts[2]);
    CGXAbstractCommandFactory* pFactory = CommandFactory();
    BOOL bUndo = pFactory != nullptr && ctCmd != gxRollback && m_pGridParam != nullptr &&
        m_pGridParam->m_bUndoEnabled;
    CObArray* pOld = nullptr;
    if (bUndo) {
        const ROWCOL nH = range.GetHeight(), nW = range.GetWidth();
        if (nH <= 0x7FFF && nW <= 0x7FFF && (ULONGLONG)nH * nW < 0x7FFFFFFF) {
            pOld = CollectRangeStyles(range, nType, &longOp);
        } else {
            CString strMsg;
            GXLoadString(20082, strMsg);
            if (AfxMessageBox(strMsg, MB_OKCANCEL) == IDCANCEL)
                return FALSE;
            bUndo = FALSE;
        }
    }

    FlushDrawingCaches();
    const BOOL bOuter = !m_bStyleOperation;
    if (bOuter) {
        // Blocks are worked out first; the change itself stays on the cells asked for.
        CGXRange spanned(range);
        EvalVisibleSpannedCells(spanned);
        m_bStyleOperation = TRUE;
    }
    const BOOL bOldRecording = SwitchRecording(bUndo);
    const ROWCOL nCells = range.GetHeight() * range.GetWidth();
    if (pStyles != nullptr && (ROWCOL)pStyles->GetSize() == nCells + 1) {
        if (RestorePendingState(pStyles->GetAt(nCells), FALSE, 0))
            RefreshAll(TRUE, nullptr, TRUE);
    }

    BOOL bAny = FALSE;
    try {
        longOp.ShowStatusText(m_pLibState->m_astrTexts[3]);
        ROWCOL nDone = 0;
        CGXStyle* pComposed = TakeStyleObject();
        for (ROWCOL r = range.top; r <= range.bottom; ++r)
            for (ROWCOL c = range.left; c <= range.right; ++c, ++nDone) {
                const CGXStyle* pCell = pStyles != nullptr && (ROWCOL)pStyles->GetSize() > nDone
                    ? static_cast<const CGXStyle*>(pStyles->GetAt(nDone))
                    : pStyle;
                BOOL bStored;
                CGXControl* pControl = nullptr;
                if (nType >= 0) {
                    ComposeCellStyle(r, c, pComposed, TRUE);
                    WORD nId = pCell != nullptr && pCell->GetInclude(gxControl)
                        ? pCell->GetControl()
                        : pComposed->GetControl();
                    pControl = LookupControl(nId);
                }
                if (pControl != nullptr)
                    bStored = GXControlWriteCellStyle(pControl, r, c, pCell, mt, 0, pComposed);
                else
                    bStored = StoreCellStyle(r, c, pCell, pStyles != nullptr ? gxCopy : mt, nType);
                bAny |= bStored;
                if (IsCurrentCell(r, c))
                    m_bCurrentStyleValid = FALSE;
                if (longOp.MessagesDue()) {
                    BOOL bCanceled = FALSE;
                    longOp.PumpMessages(bCanceled);
                    if (bCanceled)
                        AfxThrowUserException();
                }
            }
        ReturnStyleObject(pComposed);
    } catch (...) {
        SwitchRecording(bOldRecording);
        if (bOuter)
            m_bStyleOperation = FALSE;
        if (pOld != nullptr) {
            for (INT_PTR i = 0; i < pOld->GetSize(); ++i)
                delete pOld->GetAt(i);
            delete pOld;
        }
        throw;
    }

    if (bAny) {
        SwitchRecording(bOldRecording);
        MarkFloatRangeDirty(range);
        MarkMergeRangeDirty(range);
        UpdateStyleRange(range, pStyle, mt, nType, flags, TRUE);
        MarkDocumentModified(TRUE);
        if (bUndo && pOld != nullptr) {
            pOld->Add(TakePendingState());
            RecordUndo(pFactory->MakeSetStyleRangeCmd(range, nType, pOld), ctCmd, range.top,
                       range.left);
            pOld = nullptr;
        }
    } else {
        DiscardPendingState();
        SwitchRecording(bOldRecording);
    }
    if (pOld != nullptr) {
        for (INT_PTR i = 0; i < pOld->GetSize(); ++i)
            delete pOld->GetAt(i);
        delete pOld;
    }
    if (bOuter)
        m_bStyleOperation = FALSE;
    return bAny;
}

CGXAbstractCommandFactory* CGXGridCore::UndoRecorder(GXCmdType ctCmd) const
{
    if (ctCmd == gxRollback || m_pGridParam == nullptr || !m_pGridParam->m_bUndoEnabled)
        return nullptr;
    return CommandFactory();
}

void CGXGridCore::RecordUndo(CGXCommand* pCmd, GXCmdType ctCmd, ROWCOL nRow, ROWCOL nCol)
{
    if (pCmd != nullptr)
        RecordCommand(pCmd, ctCmd);
    if (ctCmd == gxUndo || ctCmd == gxRedo)
        ShowUndoPosition(nRow, nCol, FALSE);
}

void CGXGridCore::UpdateStyleRange(const CGXRange& rangeIn, const CGXStyle* pStyle, GXModifyType mt,
                                   int nType, UINT flags, BOOL bCreateHint)
{
    if (m_pGridParam != nullptr && !m_pGridParam->m_bLockUpdate && m_pWindow != nullptr &&
        m_pWindow->IsWindowVisible()) {
        CGXRange range(rangeIn);
        EvalVisibleSpannedCells(range);
        RedrawByRangeType(range, flags, FALSE);
    }
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendStyleRangeHint(this, rangeIn, pStyle, mt, nType, flags);
}

BOOL CGXGridCore::ChangeStylesMap(const CGXStylesMap& stylesMap, UINT flags, GXCmdType ctCmd)
{
    CGXStylesMap* pMap = GetStylesMap();
    if (pMap == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    CGXCommand* pUndo = nullptr;
    if (CGXAbstractCommandFactory* pFactory = CommandFactory())
        if (ctCmd != gxRollback && m_pGridParam->m_bUndoEnabled)
            pUndo = pFactory->MakeChangeStylesMapCmd(*pMap);
    *pMap = stylesMap;
    m_pGridParam->FreeListCache(-1); // base styles may carry other lists now
    RecordUndo(pUndo, ctCmd, m_nTopRow, m_nLeftCol);
    MarkDocumentModified(TRUE);
    UpdateStylesMap(flags, TRUE);
    return TRUE;
}

void CGXGridCore::UpdateStylesMap(UINT flags, BOOL bCreateHint)
{
    RefreshBaseStylePointers();
    FlushDrawingCaches();
    MeasureBaseUnits();
    RedrawAll(flags, FALSE);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendStylesMapHint(this, flags);
}

BOOL CGXGridCore::ChangeProperties(const CGXProperties& properties, UINT flags, GXCmdType ctCmd)
{
    CGXProperties* pProp = GetProperties();
    if (pProp == nullptr || (IsGridReadOnly() && m_pGridParam->m_bStoreGuard))
        return FALSE;
    CGXCommand* pUndo = nullptr;
    if (CGXAbstractCommandFactory* pFactory = CommandFactory())
        if (ctCmd != gxRollback && m_pGridParam->m_bUndoEnabled)
            pUndo = pFactory->MakeChangePropertiesCmd(*pProp);
    *pProp = properties;
    RecordUndo(pUndo, ctCmd, m_nTopRow, m_nLeftCol);
    MarkDocumentModified(TRUE);
    UpdateProperties(flags, TRUE);
    return TRUE;
}

void CGXGridCore::UpdateProperties(UINT flags, BOOL bCreateHint)
{
    RefreshBaseStylePointers();
    FlushDrawingCaches();
    MeasureBaseUnits();
    RedrawAll(flags, FALSE);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendPropertiesHint(this, flags);
}

BOOL CGXGridCore::ChangeBaseStyle(WORD wStyleId, const CGXStyle& style, GXModifyType mt, UINT flags,
                                  GXCmdType ctCmd)
{
    const CGXStyle& base = FindBaseStyle(wStyleId); // throws for an unknown id
    if (IsGridReadOnly() && m_pGridParam->m_bStoreGuard)
        return FALSE;
    if (CGXAbstractCommandFactory* pFactory = CommandFactory())
        if (ctCmd != gxRollback && m_pGridParam->m_bUndoEnabled) {
            UINT nResId = 0;
            CGXStylesMap* pMap = GetStylesMap();
            LPCTSTR pszName = pMap != nullptr ? pMap->GetStyleName(wStyleId, nResId) : nullptr;
            RecordUndo(
                pFactory->MakeChangeBaseStyleCmd(base, pszName != nullptr ? pszName : "", wStyleId),
                ctCmd, m_nTopRow, m_nLeftCol);
        }
    const_cast<CGXStyle&>(base).MergeStyle(style, mt);
    if (m_pGridParam != nullptr && CGXGridParam::ChangesListCache(style))
        m_pGridParam->FreeListCache(-1); // any cell may take its list from a base style
    MarkDocumentModified(TRUE);
    UpdateBaseStyle(wStyleId, flags, TRUE);
    return TRUE;
}

void CGXGridCore::UpdateBaseStyle(WORD wStyleId, UINT flags, BOOL bCreateHint)
{
    RefreshBaseStylePointers();
    FlushDrawingCaches();
    MeasureBaseUnits();
    RedrawAll(flags, FALSE);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendBaseStyleHint(this, wStyleId, flags);
}

const CString& CGXGridCore::GetCellValueText(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pStyleValue == nullptr)
        m_pStyleValue = TakeStyleObject();
    ComposeCellStyle(nRow, nCol, m_pStyleValue, TRUE);
    return m_pStyleValue->GetValue();
}

const CString& CGXGridCore::GetStoredCellValueText(ROWCOL nRow, ROWCOL nCol)
{
    if (m_pStyleValue == nullptr)
        m_pStyleValue = TakeStyleObject();
    m_pStyleValue->ClearAll();
    GetStyleRowCol(nRow, nCol, *m_pStyleValue, gxCopy, m_nDefaultStoreType);
    return m_pStyleValue->GetValue();
}

BOOL CGXGridCore::SetCellText(ROWCOL nRow, ROWCOL nCol, LPCTSTR pszText, UINT flags,
                              const CGXStyle* pStyle)
{
    CGXStyle* pComposed = nullptr;
    if (pStyle == nullptr) {
        pComposed = TakeStyleObject();
        ComposeCellStyle(nRow, nCol, pComposed, TRUE);
        pStyle = pComposed;
    }
    CGXControl* pControl = LookupControl(pStyle->GetControl());
    BOOL bResult;
    if (pControl != nullptr)
        bResult = GXControlWriteCellText(pControl, nRow, nCol, pszText, flags, pStyle);
    else
        bResult = SetCellValue(CGXRange(nRow, nCol, nRow, nCol), pszText, flags);
    if (pComposed != nullptr)
        ReturnStyleObject(pComposed);
    return bResult;
}

BOOL CGXGridCore::SetCellValue(const CGXRange& range, LPCTSTR pszValue, UINT flags, GXCmdType ctCmd)
{
    CGXStyle* pStyle = TakeStyleObject();
    pStyle->SetValue(pszValue != nullptr ? pszValue : "");
    BOOL bResult = ApplyStyleToRange(range, pStyle, gxOverride, 0, nullptr, flags, ctCmd);
    ReturnStyleObject(pStyle);
    return bResult;
}

void CGXGridCore::RefreshBaseStylePointers()
{
    m_pStandardStyle = m_pRowHeaderStyle = m_pColHeaderStyle = nullptr;
    CGXStylesMap* pMap = GetStylesMap();
    if (pMap == nullptr)
        return;
    pMap->LookupBaseStyle(pMap->GetStandardStyleId(), m_pStandardStyle);
    pMap->LookupBaseStyle(pMap->GetColHeaderStyleId(), m_pColHeaderStyle);
    pMap->LookupBaseStyle(pMap->GetRowHeaderStyleId(), m_pRowHeaderStyle);
}

const CGXStyle& CGXGridCore::GetStandardStyle()
{
    if (m_pStandardStyle == nullptr)
        RefreshBaseStylePointers();
    if (m_pStandardStyle == nullptr)
        AfxThrowNotSupportedException();
    return *m_pStandardStyle;
}

const CGXStyle& CGXGridCore::FindBaseStyle(WORD nId)
{
    CGXStylesMap* pMap = GetStylesMap();
    const CGXStyle* pStyle = nullptr;
    if (pMap == nullptr || !pMap->LookupBaseStyle(nId, pStyle) || pStyle == nullptr)
        AfxThrowNotSupportedException();
    return *pStyle;
}

CGXControl* CGXGridCore::LookupControl(WORD nID)
{
    if (nID == 0)
        return m_pDefaultControl;
    if (m_pLastControl != nullptr && nID == m_nLastControlId)
        return m_pLastControl;
    void* p = nullptr;
    if (!m_mapControls.Lookup(nID, p) || p == nullptr) {
        CGXControl* pNew = GXCreateCellControl(nID, this);
        if (pNew == nullptr)
            return m_pDefaultControl;
        AddCellControl(nID, pNew, FALSE, FALSE);
        p = pNew;
    }
    m_nLastControlId = nID;
    m_pLastControl = static_cast<CGXControl*>(p);
    return m_pLastControl;
}

void CGXGridCore::AddCellControl(WORD nID, CGXControl* pControl, BOOL bDefault,
                                 BOOL bRegisterInStylesMap)
{
    void* pOld = nullptr;
    if (m_mapControls.Lookup(nID, pOld) && pOld != nullptr && pOld != pControl) {
        CGXControl* pOldControl = static_cast<CGXControl*>(pOld);
        if (m_pLastControl == pOldControl)
            m_pLastControl = nullptr;
        if (m_pDefaultControl == pOldControl)
            m_pDefaultControl = nullptr;
        if (m_pCurrentCellControl == pOldControl)
            m_pCurrentCellControl = nullptr;
        m_mapControls.RemoveKey(nID);
        // One control may serve several ids: it goes with the last of them.
        BOOL bStillRegistered = FALSE;
        for (POSITION pos = m_mapControls.GetStartPosition(); pos != nullptr;) {
            WORD nOtherId;
            void* pOther;
            m_mapControls.GetNextAssoc(pos, nOtherId, pOther);
            bStillRegistered |= pOther == pOld;
        }
        if (!bStillRegistered)
            GXDeleteCellControl(pOldControl);
    }
    m_mapControls.SetAt(nID, pControl);
    if (bRegisterInStylesMap && GetStylesMap() != nullptr)
        GetStylesMap()->DeclareControlName(nID);
    if (bDefault || m_pDefaultControl == nullptr)
        m_pDefaultControl = pControl;
}

BOOL CGXGridCore::IsGridReadOnly() const
{
    return m_pGridParam != nullptr && m_pGridParam->m_bReadOnly2;
}

BOOL CGXGridCore::WriteReadOnly(BOOL bReadOnly)
{
    if (m_pGridParam == nullptr)
        return FALSE;
    m_pGridParam->m_bReadOnly2 = bReadOnly;
    return TRUE;
}

BOOL CGXGridCore::ApplyReadOnly(BOOL bReadOnly)
{
    if (!WriteReadOnly(bReadOnly))
        return FALSE;
    RefreshReadOnly(TRUE);
    return TRUE;
}

void CGXGridCore::RefreshReadOnly(BOOL bCreateHint)
{
    FlushDrawingCaches();
    m_bCurrentStyleValid = FALSE;
    if (m_bCurrentCellValid && m_pCurrentCellControl != nullptr)
        GXControlRefresh(m_pCurrentCellControl);
    if (bCreateHint && HintsEnabled())
        UpdateHintImp()->SendRedrawAllHint(this, 0);
}
