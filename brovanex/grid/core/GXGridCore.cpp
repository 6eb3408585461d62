// CGXGridCore: construction, initialisation, destruction and the document link.
#include "core/GXGridCore.h"
#include "core/GXGridCoreControls.h"
#include "core/GXData.h"
#include "core/GXGridParam.h"
#include "core/GXLibraryState.h"
#include "core/GXPluginComponent.h"
#include "core/GXProperties.h"
#include "core/GXStylesMap.h"
#include "fw/dc.h"
#include "fw/document.h"
#include "fw/gdi.h"
#include <set>

namespace {
// How the library state reads a grid's print feature (it knows grids only by pointer).
CGXAbstractGridPrintImp* PrintImpOfGrid(CGXGridCore* pGrid) { return pGrid->PrintImp(); }
} // namespace

CGXGridCore::CGXGridCore(CWnd* pGridWnd, CDocument* pGridDoc, BOOL bViewContext)
    : m_pWindow(pGridWnd), m_pOwnerDoc(pGridDoc), m_bInView(bViewContext), m_bDocumentLinked(FALSE),
      m_pLibState(&GXGetLibraryState()), m_pGridParam(nullptr), m_bOwnParam(FALSE),
      m_pDataClass(RUNTIME_CLASS(CGXData)), m_pStyleClass(RUNTIME_CLASS(CGXStyle)),
      m_pStyleScratch(nullptr), m_pStyleValue(nullptr), m_pStyleCurrentCell(nullptr),
      m_bCurrentStyleValid(FALSE), m_pStyleInValidation(nullptr), m_pStandardStyle(nullptr),
      m_pRowHeaderStyle(nullptr), m_pColHeaderStyle(nullptr),
      m_nDefaultStoreType(m_pLibState->m_nDefaultGridMode), m_bInitialized(FALSE), m_nTopRow(1),
      m_nLeftCol(1), m_nPrintTopRow(1), m_nPrintLeftCol(1), m_nZoom(100), m_bPrinting(FALSE),
      m_bPrintBlackWhite(FALSE), m_bPrintOwnFrozen(FALSE), m_rectPrint(0, 0, 0, 0),
      m_bExplicitRect(FALSE), m_rectExplicit(0, 0, 0, 0), m_nCurrentRow(0), m_nCurrentCol(0),
      m_bCurrentCellValid(FALSE), m_pCurrentCellControl(nullptr), m_nLastMovedRow(GX_INVALID),
      m_nLastMovedCol(GX_INVALID), m_bShowingMessage(FALSE), m_bMoveInProgress(FALSE),
      m_nHorzUnit(10), m_nVertUnit(15), m_nPrintHorzUnit(10), m_nPrintVertUnit(15), m_nHitMargin(8),
      m_bClampRowHeight(TRUE), m_bClampColWidth(TRUE), m_nLastVisibleRow(GX_INVALID),
      m_nLastVisibleCol(GX_INVALID), m_bUserResizing(FALSE), m_hCursorLast(nullptr),
      m_hCursorDefault(nullptr), m_hCursorLoaded(nullptr), m_nCursorIdLoaded(0),
      m_nOverrideCursorId(0), m_nPaintMode(0), m_pPaintPass(nullptr), m_nPaintNesting(0),
      m_nGridLinePenStyle(PS_DASH), m_bForceInvert(FALSE), m_bRefreshing(FALSE),
      m_bEvaluationPaint(FALSE), m_bStyleOperation(FALSE), m_bDrawSelectionFrame(FALSE),
      m_bShowSelection(TRUE), m_bDelayedSizes(FALSE), m_nVScrollMode(0), m_nHScrollMode(0),
      m_nVScrollFactor(1), m_nHScrollFactor(1), m_bScrollBarsChanged(FALSE),
      m_bInRefreshScrollBars(FALSE), m_nLastScrollRows(GX_INVALID), m_nLastScrollCols(GX_INVALID),
      m_bAutoScroll(FALSE), m_bAutoScrollStop(FALSE), m_nAutoScrollDirection(0),
      m_nAutoScrollSpeed(0), m_bDeferUndoPosition(FALSE), m_pDefaultControl(nullptr),
      m_nLastControlId(0), m_pLastControl(nullptr), m_apFeatures {}, m_pGridDC(nullptr),
      m_hGridDCOldFont(nullptr)
{
    m_nCyBorder = ::GetSystemMetrics(SM_CYBORDER);
    m_nCxBorder = ::GetSystemMetrics(SM_CXBORDER);
    m_nCyFrame = ::GetSystemMetrics(SM_CYFRAME);
    m_nCxFrame = ::GetSystemMetrics(SM_CXFRAME);
    m_hCursorDefault = ::LoadCursor(nullptr, IDC_ARROW);
    if (m_pLibState->m_pfnGridPrintImp == nullptr)
        m_pLibState->m_pfnGridPrintImp = &PrintImpOfGrid;
    GXInstallGridFeaturesOf(this);
}

CGXGridCore::~CGXGridCore()
{
    // Controls first: they may still ask the grid for its styles while going.
    // A control registered under several ids is deleted once.
    std::set<void*> controls;
    POSITION pos = m_mapControls.GetStartPosition();
    while (pos != nullptr) {
        WORD nId;
        void* pControl;
        m_mapControls.GetNextAssoc(pos, nId, pControl);
        if (pControl != nullptr && controls.insert(pControl).second)
            GXDeleteCellControl(static_cast<CGXControl*>(pControl));
    }
    m_mapControls.RemoveAll();
    m_pDefaultControl = m_pLastControl = m_pCurrentCellControl = nullptr;
    FlushDrawingCaches();
    ReturnGridDC();
    if (m_bOwnParam)
        delete m_pGridParam;
    m_pGridParam = nullptr;

    // Feature 31 is deleted when found; everything else this grid owns is on its lists.
    // Each object goes exactly once: a plug-in is never also on the delete list.
    delete Reserved31Imp();
    m_apFeatures[gxSlotReserved31] = nullptr;
    delete m_pStyleScratch;
    delete m_pStyleValue;
    delete m_pStyleCurrentCell;
    m_pStyleScratch = m_pStyleValue = m_pStyleCurrentCell = nullptr;
    FreeOwnedObjects();
    delete m_pGridListener;
    m_pGridListener = nullptr;
    while (!m_pendingDelete.IsEmpty())
        delete m_pendingDelete.RemoveHead();
    for (CGXStyle* pStyle : m_freeStyles)
        delete pStyle;
    m_freeStyles.clear();
    m_pLibState->UnregisterGrid(this);
}

void CGXGridCore::FreeOwnedObjects()
{
    std::vector<OwnedObject> owned;
    owned.swap(m_deleteList);
    for (const OwnedObject& o : owned)
        o.pfnDelete(o.p);
    while (!m_plugins.IsEmpty())
        delete static_cast<CGXPluginComponent*>(m_plugins.RemoveHead());
    for (void*& p : m_apFeatures)
        p = nullptr;
}

void CGXGridCore::AddOwnedObject(void* p, void (*pfnDelete)(void*))
{
    if (p == nullptr || IsOnDeleteList(p) || m_plugins.Find(p) != nullptr)
        return;
    m_deleteList.insert(m_deleteList.begin(), OwnedObject {p, pfnDelete});
}

BOOL CGXGridCore::IsOnDeleteList(const void* p) const
{
    for (const OwnedObject& o : m_deleteList)
        if (o.p == p)
            return TRUE;
    return FALSE;
}

void CGXGridCore::AddPlugin(CGXPluginComponent* pPlugin)
{
    if (pPlugin == nullptr || m_plugins.Find(pPlugin) != nullptr)
        return;
    // The plug-in list owns it now; it must not be freed a second time.
    for (auto it = m_deleteList.begin(); it != m_deleteList.end(); ++it)
        if (it->p == pPlugin) {
            m_deleteList.erase(it);
            break;
        }
    m_plugins.AddTail(pPlugin);
    if (m_bInitialized && m_pWindow != nullptr)
        pPlugin->AttachToWindow(m_pWindow);
}

void CGXGridCore::SetFeature(int nSlot, void* pImp)
{
    if (nSlot >= 0 && nSlot < gxFeatureSlotCount)
        m_apFeatures[nSlot] = pImp;
}

void CGXGridCore::SetExcelLikeFillImp(CGXAbstractGridExcelLikeFillImp* pImp, BOOL bAutoDelete)
{
    SetFeature(gxSlotExcelLikeFill, pImp);
    if (bAutoDelete)
        AddToDeleteList(pImp);
}

void CGXGridCore::AttachParam(CGXGridParam* pParam, BOOL bMustDelete)
{
    if (pParam == nullptr) {
        pParam = new CGXGridParam;
        bMustDelete = TRUE;
    }
    if (m_bOwnParam && m_pGridParam != pParam)
        delete m_pGridParam;
    m_pGridParam = pParam;
    m_bOwnParam = bMustDelete;
    m_pStandardStyle = m_pRowHeaderStyle = m_pColHeaderStyle = nullptr;
    if (m_bInitialized)
        FlushDrawingCaches();
}

CGXProperties* CGXGridCore::GetProperties() const
{
    return m_pGridParam != nullptr ? m_pGridParam->GetProperties() : nullptr;
}

CGXStylesMap* CGXGridCore::GetStylesMap() const
{
    return m_pGridParam != nullptr ? m_pGridParam->GetStylesMap() : nullptr;
}

CGXData* CGXGridCore::GetData() const
{
    return m_pGridParam != nullptr ? m_pGridParam->GetData() : nullptr;
}

BOOL CGXGridCore::IsInGridParentWindow() const { return GetGridParentWindow() != nullptr; }

CWnd* CGXGridCore::GetGridParentWindow() const { return m_pLibState->FindGridParent(m_pWindow); }

void CGXGridCore::SetPrintMode(BOOL bPrint, BOOL bClientRect)
{
    if (bPrint && !m_bPrinting && IsActiveCurrentCell())
        SyncCurrentCell(TRUE, 0, FALSE);
    m_bPrinting = bPrint;
    if (!bPrint || !bClientRect)
        m_rectPrint.SetRectEmpty();
    if (CGXProperties* pProp = GetProperties())
        pProp->m_bPrintingFlag = bPrint;
}

void CGXGridCore::MarkDocumentModified(BOOL bModified)
{
    if (m_bDocumentLinked && m_pOwnerDoc != nullptr)
        m_pOwnerDoc->SetModifiedFlag(bModified);
}

void CGXGridCore::NotifyAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    if (m_bDocumentLinked && m_pOwnerDoc != nullptr)
        m_pOwnerDoc->UpdateAllViews(pSender, lHint, pHint);
}

BOOL CGXGridCore::HintsEnabled() const { return m_bDocumentLinked && UpdateHintImp() != nullptr; }

void CGXGridCore::InitializeGrid()
{
    WNDCLASS wc;
    if (!::GetClassInfo(AfxGetInstanceHandle(), "GXWND", &wc))
        AfxThrowNotSupportedException();
    m_pLibState->m_bLockFocusChange = FALSE;

    for (POSITION pos = m_plugins.GetHeadPosition(); pos != nullptr;)
        static_cast<CGXPluginComponent*>(m_plugins.GetNext(pos))->AttachToWindow(m_pWindow);

    if (m_pStyleScratch == nullptr)
        m_pStyleScratch = TakeStyleObject();
    if (m_pStyleValue == nullptr)
        m_pStyleValue = TakeStyleObject();
    if (m_pStyleCurrentCell == nullptr)
        m_pStyleCurrentCell = TakeStyleObject();
    m_pStyleClass = m_pStyleScratch->GetRuntimeClass();

    if (m_pGridParam == nullptr)
        AttachParam(new CGXGridParam, TRUE);
    CGXGridParam* pParam = m_pGridParam;
    m_pLibState->RegisterGridOfObject(pParam, this);
    FlushDrawingCaches();

    if (pParam->GetProperties() == nullptr) {
        CGXProperties* pProp = new CGXProperties;
        pProp->AddStandardUserProperty();
        if (m_pLibState->m_pProfileImp != nullptr)
            pProp->ReadProfile();
        pParam->AttachProperties(pProp, TRUE);
    }
    m_pLibState->RegisterGridOfObject(pParam->GetProperties(), this);

    if (pParam->GetStylesMap() == nullptr) {
        CGXStylesMap* pMap = new CGXStylesMap(m_pStyleClass);
        pMap->AddBuiltInStyles();
        GXRegisterFactoryControls(pMap);
        if (m_pLibState->m_pProfileImp != nullptr)
            pMap->ReadProfile();
        pParam->AttachStylesMap(pMap, TRUE);
    }
    m_pLibState->RegisterGridOfObject(pParam->GetStylesMap(), this);
    RefreshBaseStylePointers();

    if (m_pDefaultControl == nullptr) {
        WORD nId = GetStandardStyle().GetControl();
        if (CGXControl* pControl = GXCreateCellControl(nId, this))
            AddCellControl(nId, pControl, TRUE, FALSE);
    }

    if (pParam->GetData() == nullptr) {
        CObject* pOb = m_pDataClass != nullptr ? m_pDataClass->CreateObject() : nullptr;
        CGXData* pData = pOb != nullptr && pOb->IsKindOf(RUNTIME_CLASS(CGXData))
            ? static_cast<CGXData*>(pOb)
            : nullptr;
        if (pData == nullptr) {
            delete pOb;
            pData = new CGXData;
        }
        pParam->AttachData(pData, TRUE);
    }
    m_pLibState->RegisterGridOfObject(pParam->GetData(), this);

    m_nZoom = pParam->GetProperties()->GetZoom() > 0 ? pParam->GetProperties()->GetZoom() : 100;
    MeasureBaseUnits();

    m_bInitialized = TRUE;
    if (m_nTopRow <= GetFrozenRowCount())
        m_nTopRow = GetFrozenRowCount() + 1;
    if (m_nLeftCol <= GetFrozenColCount())
        m_nLeftCol = GetFrozenColCount() + 1;

    if (pParam->m_nValue1 != -1 && pParam->m_nValue2 != -1 &&
        (ROWCOL)pParam->m_nValue1 <= GetRowCount() && (ROWCOL)pParam->m_nValue2 <= GetColCount()) {
        StoreCurrentCell(TRUE, (ROWCOL)pParam->m_nValue1, (ROWCOL)pParam->m_nValue2);
        NotifyGridListeners(gxListenCurrentCell);
    }
    RefreshScrollBars();
}

void CGXGridCore::DispatchUpdateHint(CGXGridHint* pHint)
{
    if (CGXAbstractGridUpdateHintImp* pImp = UpdateHintImp())
        pImp->ReplayHint(this, pHint);
}
