// CGXControlFactory: which cell-control class stands behind each control id, which control
// ids and user attributes a styles map knows, which features every grid and the process
// get, and the library's own window classes. One factory is installed per library copy
// (GXStartGridLibrary) and owned by the library state.
#pragma once
#include "core/GXDefs.h"
#include "fw/win.h"

class CGXControl;
class CGXGridCore;
class CGXStylesMap;

class CGXAbstractControlFactory
{
public:
    virtual ~CGXAbstractControlFactory() = default;
    // A new control for the id (owned by the caller), or null.
    virtual CGXControl* CreateCellControl(UINT nID, CGXGridCore* pGrid) = 0;
    virtual void RegisterControlIds(CGXStylesMap* pStylesMap) = 0;
    virtual void RegisterControlAttributes(CGXStylesMap* pStylesMap) = 0;
    virtual void InstallGridFeatures(CGXGridCore* pGrid) = 0;
    virtual void InstallProcessFeatures() = 0;
    virtual void RegisterWindowClasses(HINSTANCE hInstance) = 0;
    virtual void UnregisterWindowClasses(HINSTANCE hInstance) = 0;
};

class CGXControlFactory : public CGXAbstractControlFactory
{
public:
    CGXControl* CreateCellControl(UINT nID, CGXGridCore* pGrid) override;
    void RegisterControlIds(CGXStylesMap* pStylesMap) override;
    void RegisterControlAttributes(CGXStylesMap* pStylesMap) override;
    void InstallGridFeatures(CGXGridCore* pGrid) override;
    void InstallProcessFeatures() override;
    void RegisterWindowClasses(HINSTANCE hInstance) override;
    void UnregisterWindowClasses(HINSTANCE hInstance) override;

    // The ids registered with every styles map, in registration order.
    static const WORD s_anControlIds[37];
};

// Cell controls built in their own files. One declaration per class: its file defines
//   CGXControl* GXCreate_<Class>(CGXGridCore* pGrid, UINT nID)
// which builds and sets up the control for one of the class's ids as the factory's table
// says (for example the combo box's flags for 52517, 52525 ...), and
//   void GXAddAttributes_<Class>(CGXStylesMap* pStylesMap)
// which registers the class's user attributes (GX_NO_CONTROL_ATTRIBUTES(Class) when it has
// none). The file is added with gx_add_control(<Class> <files>) in controls/sources.cmake;
// until then the class's ids are drawn by the static control (the cell keeps its id).
#define GX_FACTORY_CONTROL(Class)                                                                  \
    CGXControl* GXCreate_##Class(CGXGridCore* pGrid, UINT nID);                                    \
    void GXAddAttributes_##Class(CGXStylesMap* pStylesMap);
#define GX_NO_CONTROL_ATTRIBUTES(Class)                                                            \
    void GXAddAttributes_##Class(CGXStylesMap*) { }

GX_FACTORY_CONTROL(CGXEditControl) // 52512 and every id not in the table
GX_FACTORY_CONTROL(CGXComboBox) // 52517, 52525, 52526, 52527, 52531, 52532
GX_FACTORY_CONTROL(CGXHotSpotEdit) // 52518
GX_FACTORY_CONTROL(CGXSpinEdit) // 52519
GX_FACTORY_CONTROL(CGXVScrollEdit) // 52521
GX_FACTORY_CONTROL(CGXListBox) // 52522
GX_FACTORY_CONTROL(CGXComboBoxWnd) // 52528, 52529
GX_FACTORY_CONTROL(CGXRichEditCtrl) // 52534
GX_FACTORY_CONTROL(CGXMaskControl) // 52535
GX_FACTORY_CONTROL(CGXProgressCtrl) // 52536
GX_FACTORY_CONTROL(CGXPasswordControl) // 52537
GX_FACTORY_CONTROL(CGXTabbedComboBoxWnd) // 52539, 52540 (a tabbed combo box on old systems)
GX_FACTORY_CONTROL(CGXTabbedComboBox) // 52541
GX_FACTORY_CONTROL(CGXCheckListComboBox) // 52542
GX_FACTORY_CONTROL(CGXDateTimeCtrl) // 52543, 52544
GX_FACTORY_CONTROL(CGXCurrencyEdit) // 52545
GX_FACTORY_CONTROL(CGXOlePreview) // 20132: null unless the grid is a browser grid
