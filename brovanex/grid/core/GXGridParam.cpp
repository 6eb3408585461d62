#include "core/GXGridParam.h"
#include "core/GXData.h"
#include "core/GXLibraryState.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"

IMPLEMENT_SERIAL(CGXGridParam, CObject, 1)

namespace {
// The print device is a CObject (its class lives with the window code); it is deleted
// through the virtual destructor.
void DeletePrintDevice(CGXPrintDevice* pDevice) { delete reinterpret_cast<CObject*>(pDevice); }
} // namespace

CGXGridParam::CGXGridParam()
    : m_pAppData(&GXGetLibraryState()), m_nMaxUndoOp(512), m_nTransactionLevel(0),
      m_wAllowSelection(0xFF), m_bAllowMoveCols(TRUE), m_bAllowMoveRows(TRUE),
      m_wRowResizeFlags(178), m_wColResizeFlags(178), m_wWholeRowMode(0), m_bThumbTrack(TRUE),
      m_bUndoEnabled(TRUE), m_bLockUpdate(FALSE), m_bStoreGuard(TRUE), m_wFloatCellsMode(0),
      m_wMergeCellsMode(0), m_pCoveredCellPool(nullptr), m_apPools {}, m_pProperties(nullptr),
      m_bOwnProperties(FALSE), m_pStylesMap(nullptr), m_bOwnStylesMap(FALSE), m_pData(nullptr),
      m_bOwnData(FALSE), m_pPD(nullptr), m_bOwnPD(FALSE), m_rowHeights(10), m_colWidths(10),
      m_nDefaultRowHeight(1200), m_nDefaultColWidth(10000), m_nFrozenRows(0), m_nFrozenCols(0),
      m_nHeaderRows(0), m_nHeaderCols(0), m_byFromState(0), m_wFromState(0), m_nValue1(-1),
      m_nValue2(-1), m_bReadOnly2(FALSE), m_bDirectCopy(FALSE), m_bDirectMove(FALSE),
      m_bCutPending(FALSE), m_bDirectPaste(FALSE), m_bEnableFill(FALSE),
      m_bFrameInsideBorders(FALSE), m_bSelectionFrame(FALSE), m_bKeepSingleCell(FALSE),
      m_bSortRowsOnDblClk(FALSE), m_bSortColsOnDblClk(FALSE), m_bLastSortAscending(TRUE),
      m_bNumberedColHeaders(FALSE), m_bNumberedRowHeaders(TRUE), m_bLineFlag(FALSE),
      m_bShowStoredValues(FALSE), m_bSpannedCellBorders(FALSE), m_bOldDrawing(FALSE),
      m_wUndoSaveFlags(3), m_wMarkHeaders(3), m_wWordFlag(1), m_dwOptionWord(0), m_nTwo(2),
      m_nHundred(100), m_nFour(4), m_nMinTrackWidth(0), m_nMinTrackHeight(0), m_nLastSortRowKey(0),
      m_nLastSortColKey(0), m_wActivateCell(1), m_bNoCurrentCellFrame(FALSE), m_nHideCurrentCell(0),
      m_wClipboardFlags(1), m_abKeptSettings {TRUE, TRUE, TRUE}
{
    m_rowHeights.InitHashTable(1021);
    m_colWidths.InitHashTable(257);
    m_rowHeights[0] = 1400;
    m_colWidths[0] = 6000;
    CreateCoveredCellPool();
}

CGXGridParam::~CGXGridParam()
{
    while (!m_undoList.IsEmpty())
        delete m_undoList.RemoveHead();
    while (!m_redoList.IsEmpty())
        delete m_redoList.RemoveHead();
    delete m_pCoveredCellPool;
    for (CObject*& p : m_apPools) {
        delete p;
        p = nullptr;
    }
    for (INT_PTR i = 0; i < m_apObjects1.GetSize(); ++i)
        delete static_cast<CObject*>(m_apObjects1[i]);
    for (INT_PTR i = 0; i < m_apObjects2.GetSize(); ++i)
        delete static_cast<CObject*>(m_apObjects2[i]);
    if (m_bOwnStylesMap)
        delete m_pStylesMap;
    if (m_bOwnProperties)
        delete m_pProperties;
    if (m_bOwnData)
        delete m_pData;
    if (m_bOwnPD)
        DeletePrintDevice(m_pPD);
}

CGXGridParam& CGXGridParam::operator=(const CGXGridParam& other)
{
    if (this != &other)
        if (CGXAbstractGridParamCopyOperatorImp* pImp = m_pAppData->m_pParamCopyOperatorImp) {
            pImp->CopyParam(*this, other);
            FreeListCache(-1); // the copied cells bring their own lists
        }
    return *this;
}

void CGXGridParam::Serialize(CArchive& ar)
{
    if (CGXAbstractGridDocSerializeImp* pImp = m_pAppData->m_pDocSerializeImp) {
        pImp->SerializeParam(*this, ar);
        if (ar.IsLoading())
            FreeListCache(-1); // the loaded cells bring their own lists
    }
}

void CGXGridParam::AttachProperties(CGXProperties* p, BOOL bMustDelete)
{
    if (m_bOwnProperties && m_pProperties != p)
        delete m_pProperties;
    m_pProperties = p;
    m_bOwnProperties = bMustDelete && p != nullptr;
}

void CGXGridParam::AttachStylesMap(CGXStylesMap* p, BOOL bMustDelete)
{
    if (m_bOwnStylesMap && m_pStylesMap != p)
        delete m_pStylesMap;
    m_pStylesMap = p;
    m_bOwnStylesMap = bMustDelete && p != nullptr;
}

void CGXGridParam::AttachData(CGXData* p, BOOL bMustDelete)
{
    if (m_bOwnData && m_pData != p)
        delete m_pData;
    if (m_pData != p)
        FreeListCache(-1); // other cells, other lists
    m_pData = p;
    m_bOwnData = bMustDelete && p != nullptr;
}

void CGXGridParam::AttachPrintDevice(CGXPrintDevice* p, BOOL bMustDelete)
{
    if (m_bOwnPD && m_pPD != p)
        DeletePrintDevice(m_pPD);
    m_pPD = p;
    m_bOwnPD = bMustDelete && p != nullptr;
}

void CGXGridParam::ClearRedoCommands()
{
    while (!m_redoList.IsEmpty())
        delete m_redoList.RemoveHead();
}

void CGXGridParam::CreateCoveredCellPool()
{
    if (m_pCoveredCellPool == nullptr)
        if (CGXAbstractCoveredCellPoolImp* pImp = m_pAppData->m_pCoveredCellPoolImp)
            m_pCoveredCellPool = pImp->CreatePool();
}

void CGXGridParam::UpdateCoveredCellPool()
{
    CreateCoveredCellPool();
    if (m_pCoveredCellPool != nullptr)
        if (CGXAbstractCoveredCellPoolImp* pImp = m_pAppData->m_pCoveredCellPoolImp)
            pImp->RebuildPool(m_pCoveredCellPool, m_coveredCells);
}
