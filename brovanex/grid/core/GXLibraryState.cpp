#include "core/GXLibraryState.h"

CGXGridLibraryState::CGXGridLibraryState()
    : m_pfnReleaseWindowObjects(nullptr), m_pfnGridPrintImp(nullptr), m_bStarted(FALSE),
      m_nClipboardFormat(0), m_wWinVersion(0), m_bWin32s(FALSE), m_bWin4(TRUE), m_bWin3(FALSE),
      m_bWin32sOld(FALSE), m_bLockFocusChange(FALSE), m_b3dLook1(0), m_wReserved1(0), m_b3dLook2(0),
      m_nDefaultGridMode(1), m_wReserved2(0), m_pControlFactory(nullptr),
      m_pTabWndInterface(nullptr), m_pActivationListener(nullptr), m_pCurrentCellListener(nullptr),
      m_pDrawingAndFormatting(nullptr), m_apOwnedObjects {}, m_pCoveredCellPoolImp(nullptr),
      m_pSpanCellPoolImp(nullptr), m_pDelayedRangePoolImp(nullptr), m_pPrintDeviceImp(nullptr),
      m_pStyleCompareSubsetImp(nullptr), m_pStyleSerializeImp(nullptr),
      m_pSerializeTQ5CompatibleImp(nullptr), m_pDocSerializeImp(nullptr), m_pProfileImp(nullptr),
      m_pParamCopyOperatorImp(nullptr), m_pSortMoveDataImp(nullptr), m_pDrawRotatedTextImp(nullptr),
      m_pDateTimeImp(nullptr), m_pDataCopyMoveCellsImp(nullptr), m_pLongOperationImp(nullptr),
      m_pNumberFormattingImp(nullptr)
{ }

CGXGridLibraryState::~CGXGridLibraryState()
{
    Shutdown();
    POSITION pos = m_mapGridsOfObject.GetStartPosition();
    while (pos != nullptr) {
        void* pKey;
        void* pList;
        m_mapGridsOfObject.GetNextAssoc(pos, pKey, pList);
        delete static_cast<CPtrList*>(pList);
    }
    m_mapGridsOfObject.RemoveAll();
}

void CGXGridLibraryState::ReleaseListeners()
{
    delete m_pActivationListener;
    m_pActivationListener = nullptr;
    delete m_pCurrentCellListener;
    m_pCurrentCellListener = nullptr;
}

void CGXGridLibraryState::Shutdown()
{
    if (m_pfnReleaseWindowObjects != nullptr)
        m_pfnReleaseWindowObjects(*this);
    ReleaseListeners();
    for (CObject*& pObject : m_apOwnedObjects) {
        delete pObject;
        pObject = nullptr;
    }
    // Feature objects hold no resources: their memory is released without destructors.
    while (!m_deleteList.IsEmpty())
        ::operator delete(m_deleteList.RemoveHead());
    m_pCoveredCellPoolImp = nullptr;
    m_pSpanCellPoolImp = nullptr;
    m_pDelayedRangePoolImp = nullptr;
    m_pPrintDeviceImp = nullptr;
    m_pStyleCompareSubsetImp = nullptr;
    m_pStyleSerializeImp = nullptr;
    m_pSerializeTQ5CompatibleImp = nullptr;
    m_pDocSerializeImp = nullptr;
    m_pProfileImp = nullptr;
    m_pParamCopyOperatorImp = nullptr;
    m_pSortMoveDataImp = nullptr;
    m_pDrawRotatedTextImp = nullptr;
    m_pDateTimeImp = nullptr;
    m_pDataCopyMoveCellsImp = nullptr;
    m_pLongOperationImp = nullptr;
    m_pNumberFormattingImp = nullptr;
}

void CGXGridLibraryState::AddToDeleteList(void* p) { m_deleteList.AddHead(p); }

void CGXGridLibraryState::RegisterGridOfObject(void* pObject, CGXGridCore* pGrid)
{
    void* pList = nullptr;
    if (!m_mapGridsOfObject.Lookup(pObject, pList)) {
        pList = new CPtrList;
        m_mapGridsOfObject.SetAt(pObject, pList);
    }
    static_cast<CPtrList*>(pList)->AddTail(pGrid);
}

void CGXGridLibraryState::UnregisterGrid(CGXGridCore* pGrid)
{
    if (m_pActiveGrid == pGrid)
        m_pActiveGrid = nullptr;
    CPtrList emptied;
    POSITION pos = m_mapGridsOfObject.GetStartPosition();
    while (pos != nullptr) {
        void* pKey;
        void* pValue;
        m_mapGridsOfObject.GetNextAssoc(pos, pKey, pValue);
        CPtrList* pList = static_cast<CPtrList*>(pValue);
        POSITION found;
        while ((found = pList->Find(pGrid)) != nullptr)
            pList->RemoveAt(found);
        if (pList->IsEmpty())
            emptied.AddTail(pKey);
    }
    while (!emptied.IsEmpty()) {
        void* pKey = emptied.RemoveHead();
        void* pValue = nullptr;
        if (m_mapGridsOfObject.Lookup(pKey, pValue)) {
            delete static_cast<CPtrList*>(pValue);
            m_mapGridsOfObject.RemoveKey(pKey);
        }
    }
}

const CPtrList* CGXGridLibraryState::GridsOfObject(void* pObject) const
{
    void* pList = nullptr;
    return m_mapGridsOfObject.Lookup(pObject, pList) ? static_cast<CPtrList*>(pList) : nullptr;
}

CGXAbstractGridPrintImp*
CGXGridLibraryState::GetPrintImpOfProperties(CGXProperties* pProperties) const
{
    const CPtrList* pList = GridsOfObject(pProperties);
    if (pList == nullptr || pList->IsEmpty() || m_pfnGridPrintImp == nullptr)
        return nullptr;
    return m_pfnGridPrintImp(static_cast<CGXGridCore*>(pList->GetHead()));
}

CGXGridLibraryState& GXGetLibraryState()
{
    static CGXGridLibraryState state;
    return state;
}
