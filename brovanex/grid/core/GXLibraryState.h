// The process-wide state of one copy of the grid library. Brovanex.dll and Marquill.exe
// each link the library and so each has its own state, started by its own
// GXStartGridLibrary call.
#pragma once
#include "core/GXDefs.h"
#include "features/GXAbstractProcessFeatures.h"

class CGXControlFactory;
class CGXDrawingAndFormatting;
class CGXGridCore;
class CGXProperties;
class CGXAbstractGridPrintImp;
class CGXTabWndInterface;
class CWnd;

// Told when a grid becomes the active one (the library makes none; an application
// installs its own in the library state, which then owns it).
class CGXGridActivationListener
{
public:
    virtual ~CGXGridActivationListener() = default;
    virtual void OnGridActivated(CGXGridCore* pGrid) = 0;
};

// Told when a grid's current cell is set or moves (owned by the library state like the
// activation listener).
class CGXCurrentCellListener
{
public:
    virtual ~CGXCurrentCellListener() = default;
    virtual void OnCurrentCellChanged(CGXGridCore* pGrid) = 0;
    // Also told, after the activation listener, when a grid is activated.
    virtual void OnGridActivated(CGXGridCore*) { }
};

class CGXGridLibraryState
{
public:
    CGXGridLibraryState();
    ~CGXGridLibraryState();
    CGXGridLibraryState(const CGXGridLibraryState&) = delete;
    CGXGridLibraryState& operator=(const CGXGridLibraryState&) = delete;

    // Adds a process-wide feature object at the head of the list freed at shut-down.
    void AddToDeleteList(void* p);
    // Frees the factory, the owned objects and everything on the delete list (library
    // unload; also callable by tests to start over).
    void Shutdown();
    // Set by the window code: frees the control factory, the tab-window interface and the
    // drawing object, whose classes the model does not know.
    void (*m_pfnReleaseWindowObjects)(CGXGridLibraryState& state);
    // Deletes the two listeners (installing a factory and shut-down do).
    void ReleaseListeners();

    // The grids that use a model object (parameter, properties, styles map, data).
    void RegisterGridOfObject(void* pObject, CGXGridCore* pGrid);
    void UnregisterGrid(CGXGridCore* pGrid);
    // The grids registered under an object, in registration order (null when none).
    const CPtrList* GridsOfObject(void* pObject) const;
    // The print feature of the first grid registered under these properties, null when
    // none. The grid core supplies how a grid's print feature is read
    // (m_pfnGridPrintImp), since the state knows grids only by pointer.
    CGXAbstractGridPrintImp* GetPrintImpOfProperties(CGXProperties* pProperties) const;
    CGXAbstractGridPrintImp* (*m_pfnGridPrintImp)(CGXGridCore* pGrid);

    // Window-bound members, defined by the start-up code of the grid core.
    void SetControlFactory(CGXControlFactory* pFactory);
    void LoadResourceTexts();
    void AddGridParentClass(CRuntimeClass* pClass);
    CWnd* FindGridParent(CWnd* pWnd);

    BOOL m_bStarted;
    UINT m_nClipboardFormat;
    enum { nResourceTexts = 30 };
    CString m_astrTexts[nResourceTexts]; // ids 20139 ... 20179 in start-up order
    CString m_strDragLineClass;
    WORD m_wWinVersion;
    BOOL m_bWin32s, m_bWin4, m_bWin3, m_bWin32sOld;
    BOOL m_bLockFocusChange;
    // Five further words: the first and third are the three-dimensional-look flags that
    // the built-in styles read; the fourth is the default store type of new grids.
    WORD m_b3dLook1, m_wReserved1, m_b3dLook2, m_nDefaultGridMode, m_wReserved2;

    CGXControlFactory* m_pControlFactory;
    // Owned; each is deleted and set to null when a factory is installed and at shut-down.
    CGXTabWndInterface* m_pTabWndInterface; // made by the first tab window
    CGXGridActivationListener* m_pActivationListener;
    CGXCurrentCellListener* m_pCurrentCellListener;
    CPtrList m_gridParentClasses;
    CMapPtrToPtr m_mapGridsOfObject; // object -> CPtrList* of CGXGridCore*
    // The grid activated last (cleared when that grid goes).
    CGXGridCore* m_pActiveGrid = nullptr;
    CGXDrawingAndFormatting* m_pDrawingAndFormatting;
    CObject* m_apOwnedObjects[5];

    // The process-wide feature objects (null: off).
    CGXAbstractCoveredCellPoolImp* m_pCoveredCellPoolImp;
    CGXAbstractSpanCellPoolImp* m_pSpanCellPoolImp;
    CGXAbstractDelayedRangePoolImp* m_pDelayedRangePoolImp;
    CGXAbstractPrintDeviceImp* m_pPrintDeviceImp;
    CGXAbstractStyleCompareSubsetImp* m_pStyleCompareSubsetImp;
    CGXAbstractStyleSerializeImp* m_pStyleSerializeImp;
    CGXAbstractSerializeTQ5CompatibleImp* m_pSerializeTQ5CompatibleImp;
    CGXAbstractGridDocSerializeImp* m_pDocSerializeImp;
    CGXAbstractGridProfileImp* m_pProfileImp;
    CGXAbstractGridParamCopyOperatorImp* m_pParamCopyOperatorImp;
    CGXAbstractGridSortMoveDataImp* m_pSortMoveDataImp;
    CGXAbstractDrawRotatedTextImp* m_pDrawRotatedTextImp;
    CGXAbstractDateTimeImp* m_pDateTimeImp;
    CGXAbstractDataCopyMoveCellsImp* m_pDataCopyMoveCellsImp;
    CGXAbstractLongOperationImp* m_pLongOperationImp;
    CGXAbstractNumberFormattingImp* m_pNumberFormattingImp;

    // Objects freed (memory only) at shut-down; newest first.
    CPtrList m_deleteList;
};

// The state of this copy of the library.
CGXGridLibraryState& GXGetLibraryState();

// The process-wide switches: each creates its object once (the first switch wins),
// stores it in the state and adds it to the state's delete list. Their bodies live with
// the features (features/), one file per feature.
void GXImplementPrintDevice();
void GXImplementStyleCompareSubset();
void GXImplementStyleSerialize();
void GXImplementSerializeTQ5Compatible();
void GXImplementGridProfile();
void GXImplementGridDocSerialize();
void GXImplementGridParamCopyOperator();
void GXImplementDrawRotatedText();
void GXImplementNumberFormatting();
void GXImplementOleDateTime();
void GXImplementNoOleDateTime();
void GXImplementGridSortMoveData();
void GXImplementDataCopyMoveCells();
void GXImplementLongOperation();
void GXImplementCoveredCellPool();
void GXImplementSpanCellPool();
void GXImplementDelayedRangePool();

// The pattern of every switch: installs a new T into the slot when it is empty.
template<class TImp, class TSlot>
void GXInstallProcessFeature(TSlot*& pSlot)
{
    if (pSlot != nullptr)
        return;
    TImp* pImp = new TImp;
    pSlot = pImp;
    GXGetLibraryState().AddToDeleteList(pImp);
}
