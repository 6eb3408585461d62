#include "controls/GXControlFactory.h"
#include "controls/GXButtonControls.h"
#include "controls/GXCellTip.h"
#include "controls/GXControl.h"
#include "controls/GXStatic.h"
#include "core/GXGridCore.h"
#include "core/GXGridWnd.h"
#include "core/GXLibraryState.h"
#include "core/GXResourceString.h"
#include "core/GXStylesMap.h"
#include "features/GXFeatureSwitches.h"
#if __has_include("core/GXTabWnd.h")
#include "core/GXTabWnd.h" // GX_TABWND_CLASSES: the tab window and tab beam classes
#endif
#include "res/GXResource.h"

// Each later control class: its creator and attribute registration when its files are
// built, none otherwise (its ids then get the static stand-in).
#define GX_NOT_BUILT nullptr
#ifdef GX_HAVE_CGXEditControl
#define GX_NEW_CGXEditControl GXCreate_CGXEditControl
#else
#define GX_NEW_CGXEditControl GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXComboBox
#define GX_NEW_CGXComboBox GXCreate_CGXComboBox
#else
#define GX_NEW_CGXComboBox GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXHotSpotEdit
#define GX_NEW_CGXHotSpotEdit GXCreate_CGXHotSpotEdit
#else
#define GX_NEW_CGXHotSpotEdit GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXSpinEdit
#define GX_NEW_CGXSpinEdit GXCreate_CGXSpinEdit
#define GX_ATTR_CGXSpinEdit GXAddAttributes_CGXSpinEdit
#else
#define GX_NEW_CGXSpinEdit GX_NOT_BUILT
#define GX_ATTR_CGXSpinEdit GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXVScrollEdit
#define GX_NEW_CGXVScrollEdit GXCreate_CGXVScrollEdit
#else
#define GX_NEW_CGXVScrollEdit GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXListBox
#define GX_NEW_CGXListBox GXCreate_CGXListBox
#else
#define GX_NEW_CGXListBox GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXComboBoxWnd
#define GX_NEW_CGXComboBoxWnd GXCreate_CGXComboBoxWnd
#else
#define GX_NEW_CGXComboBoxWnd GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXRichEditCtrl
#define GX_NEW_CGXRichEditCtrl GXCreate_CGXRichEditCtrl
#else
#define GX_NEW_CGXRichEditCtrl GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXMaskControl
#define GX_NEW_CGXMaskControl GXCreate_CGXMaskControl
#define GX_ATTR_CGXMaskControl GXAddAttributes_CGXMaskControl
#else
#define GX_NEW_CGXMaskControl GX_NOT_BUILT
#define GX_ATTR_CGXMaskControl GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXProgressCtrl
#define GX_NEW_CGXProgressCtrl GXCreate_CGXProgressCtrl
#define GX_ATTR_CGXProgressCtrl GXAddAttributes_CGXProgressCtrl
#else
#define GX_NEW_CGXProgressCtrl GX_NOT_BUILT
#define GX_ATTR_CGXProgressCtrl GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXPasswordControl
#define GX_NEW_CGXPasswordControl GXCreate_CGXPasswordControl
#else
#define GX_NEW_CGXPasswordControl GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXTabbedComboBoxWnd
#define GX_NEW_CGXTabbedComboBoxWnd GXCreate_CGXTabbedComboBoxWnd
#define GX_ATTR_CGXTabbedComboBoxWnd GXAddAttributes_CGXTabbedComboBoxWnd
#else
#define GX_NEW_CGXTabbedComboBoxWnd GX_NOT_BUILT
#define GX_ATTR_CGXTabbedComboBoxWnd GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXTabbedComboBox
#define GX_NEW_CGXTabbedComboBox GXCreate_CGXTabbedComboBox
#define GX_ATTR_CGXTabbedComboBox GXAddAttributes_CGXTabbedComboBox
#else
#define GX_NEW_CGXTabbedComboBox GX_NOT_BUILT
#define GX_ATTR_CGXTabbedComboBox GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXCheckListComboBox
#define GX_NEW_CGXCheckListComboBox GXCreate_CGXCheckListComboBox
#else
#define GX_NEW_CGXCheckListComboBox GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXDateTimeCtrl
#define GX_NEW_CGXDateTimeCtrl GXCreate_CGXDateTimeCtrl
#define GX_ATTR_CGXDateTimeCtrl GXAddAttributes_CGXDateTimeCtrl
#else
#define GX_NEW_CGXDateTimeCtrl GX_NOT_BUILT
#define GX_ATTR_CGXDateTimeCtrl GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXCurrencyEdit
#define GX_NEW_CGXCurrencyEdit GXCreate_CGXCurrencyEdit
#define GX_ATTR_CGXCurrencyEdit GXAddAttributes_CGXCurrencyEdit
#else
#define GX_NEW_CGXCurrencyEdit GX_NOT_BUILT
#define GX_ATTR_CGXCurrencyEdit GX_NOT_BUILT
#endif
#ifdef GX_HAVE_CGXOlePreview
#define GX_NEW_CGXOlePreview GXCreate_CGXOlePreview
#else
#define GX_NEW_CGXOlePreview GX_NOT_BUILT
#endif

namespace {
typedef CGXControl* (*GXControlCreator)(CGXGridCore* pGrid, UINT nID);
typedef void (*GXAttributeRegistrar)(CGXStylesMap* pStylesMap);

CGXControl* NewStatic(CGXGridCore* pGrid, UINT) { return new CGXStatic(pGrid); }
CGXControl* NewHeader(CGXGridCore* pGrid, UINT) { return new CGXHeader(pGrid); }
CGXControl* NewPushbutton(CGXGridCore* pGrid, UINT) { return new CGXPushbutton(pGrid); }
CGXControl* NewRadio(CGXGridCore* pGrid, UINT) { return new CGXRadioButton(pGrid, FALSE); }
CGXControl* NewRadio3d(CGXGridCore* pGrid, UINT) { return new CGXRadioButton(pGrid, TRUE); }
CGXControl* NewCheck(CGXGridCore* pGrid, UINT) { return new CGXCheckBox(pGrid, FALSE, 0, 0); }
CGXControl* NewCheck3d(CGXGridCore* pGrid, UINT) { return new CGXCheckBox(pGrid, TRUE, 0, 0); }
CGXControl* NewCheckEx(CGXGridCore* pGrid, UINT) { return new CGXCheckBoxEx(pGrid, FALSE, 0, 0); }
CGXControl* NewCheckEx3d(CGXGridCore* pGrid, UINT) { return new CGXCheckBoxEx(pGrid, TRUE, 0, 0); }
CGXControl* NewRadioEx3d(CGXGridCore* pGrid, UINT) { return new CGXRadioButtonEx(pGrid, TRUE); }
CGXControl* NewRadioEx(CGXGridCore* pGrid, UINT) { return new CGXRadioButtonEx(pGrid, FALSE); }
CGXControl* NewDaoBitmap(CGXGridCore* pGrid, UINT) { return new CGXDaoBitmap(pGrid); }

struct ControlRow
{
    UINT nID;
    GXControlCreator pfnCreate; // null: the class is not built yet
};

const ControlRow s_table[] = {
    {52512, GX_NEW_CGXEditControl},
    {52513, &NewStatic},
    {52514, &NewPushbutton},
    {52515, &NewRadio},
    {52524, &NewRadio3d},
    {52516, &NewCheck},
    {52523, &NewCheck3d},
    {52517, GX_NEW_CGXComboBox},
    {52525, GX_NEW_CGXComboBox},
    {52526, GX_NEW_CGXComboBox},
    {52527, GX_NEW_CGXComboBox},
    {52531, GX_NEW_CGXComboBox},
    {52532, GX_NEW_CGXComboBox},
    {52518, GX_NEW_CGXHotSpotEdit},
    {52519, GX_NEW_CGXSpinEdit},
    {52520, &NewHeader},
    {52521, GX_NEW_CGXVScrollEdit},
    {52522, GX_NEW_CGXListBox},
    {52528, GX_NEW_CGXComboBoxWnd},
    {52529, GX_NEW_CGXComboBoxWnd},
    {52534, GX_NEW_CGXRichEditCtrl},
    {52535, GX_NEW_CGXMaskControl},
    {52536, GX_NEW_CGXProgressCtrl},
    {52537, GX_NEW_CGXPasswordControl},
    {52539, GX_NEW_CGXTabbedComboBoxWnd},
    {52540, GX_NEW_CGXTabbedComboBoxWnd},
    {52541, GX_NEW_CGXTabbedComboBox},
    {52542, GX_NEW_CGXCheckListComboBox},
    {52543, GX_NEW_CGXDateTimeCtrl},
    {52544, GX_NEW_CGXDateTimeCtrl},
    {52545, GX_NEW_CGXCurrencyEdit},
    {20128, &NewDaoBitmap},
    {20130, &NewCheckEx},
    {20131, &NewCheckEx3d},
    {20136, &NewRadioEx3d},
    {20137, &NewRadioEx},
};

// Guards an allocation: a control that cannot be made is null, not an exception.
CGXControl* Make(GXControlCreator pfn, CGXGridCore* pGrid, UINT nID)
{
    try {
        return pfn(pGrid, nID);
    } catch (CMemoryException* e) {
        e->Delete();
        return nullptr;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}
} // namespace

const WORD CGXControlFactory::s_anControlIds[37] = {
    52512, 52520, 52527, 52517, 52526, 52525, 52531, 52532, 52528, 52529, 52522, 52513, 52514,
    52515, 52524, 52516, 52523, 20130, 20131, 20137, 20136, 52535, 52536, 52537, 52539, 52540,
    52541, 52534, 52542, 52519, 52518, 52521, 52543, 52544, 52545, 20128, 20132};

CGXControl* CGXControlFactory::CreateCellControl(UINT nID, CGXGridCore* pGrid)
{
    if (nID == 20132) {
        GXControlCreator pfnOle = GX_NEW_CGXOlePreview;
        return pfnOle != nullptr ? Make(pfnOle, pGrid, nID) : nullptr;
    }
    GXControlCreator pfn = nullptr;
    UINT nBuildId = nID;
    BOOL bFound = FALSE;
    for (const ControlRow& row : s_table)
        if (row.nID == nID) {
            pfn = row.pfnCreate;
            bFound = TRUE;
            break;
        }
    if (!bFound) {
        // Every id the table does not name gets an edit control of id 52512.
        pfn = GX_NEW_CGXEditControl;
        nBuildId = 52512;
    }
    return Make(pfn != nullptr ? pfn : &NewStatic, pGrid, nBuildId);
}

void CGXControlFactory::RegisterControlIds(CGXStylesMap* pStylesMap)
{
    for (WORD nID : s_anControlIds)
        pStylesMap->DeclareControlName(nID);
}

void CGXControlFactory::RegisterControlAttributes(CGXStylesMap* pStylesMap)
{
    const GXAttributeRegistrar apfn[] = {
        &CGXControl::AddUserAttributes,  GX_ATTR_CGXSpinEdit,
        &CGXCheckBox::AddUserAttributes, &CGXRadioButtonEx::AddUserAttributes,
        GX_ATTR_CGXMaskControl,          GX_ATTR_CGXProgressCtrl,
        GX_ATTR_CGXTabbedComboBox,       GX_ATTR_CGXTabbedComboBoxWnd,
        GX_ATTR_CGXDateTimeCtrl,         GX_ATTR_CGXCurrencyEdit,
    };
    for (GXAttributeRegistrar pfn : apfn)
        if (pfn != nullptr)
            pfn(pStylesMap);
    CGXStyle wrapped;
    wrapped.SetWrapText(TRUE).SetAutoSize(TRUE);
    pStylesMap->DeclareUserAttribute(51022, &wrapped);
    CGXStyle ellipsis;
    CString strChoices;
    GXLoadString(20126, strChoices);
    ellipsis.SetControl(52529).SetChoiceList(strChoices);
    pStylesMap->DeclareUserAttribute(GX_IDS_UA_ELLIPSISTYPE, &ellipsis);
}

void CGXControlFactory::InstallGridFeatures(CGXGridCore* pGrid)
{
    (void)pGrid;
#ifdef GX_HAVE_FEATURE_FindReplace
    GXImplementFindReplace(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_HideCells
    GXImplementHideCells(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_AutoScroll
    GXImplementAutoScroll(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_ResizeToFit
    GXImplementResizeToFit(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_UpdateHint
    GXImplementUpdateHint(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_UndoRedo
    GXImplementUndoRedo(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_Sort
    GXImplementSort(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_OldDrawing
    GXImplementOldDrawing(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_CoveredCells
    GXImplementCoveredCells(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_MergeCells
    GXImplementMergeCells(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_FloatCells
    GXImplementFloatCells(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_Printing
    GXImplementPrinting(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_UserSelectRange
    GXImplementUserSelectRange(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_ExcelLikeFrame
    GXImplementExcelLikeFrame(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_UserDragSelectRange
    GXImplementUserDragSelectRange(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_UserResizeCells
    GXImplementUserResizeCells(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_OptimizedUpdate
    GXImplementOptimizedUpdate(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_MarkEditHeader
    GXImplementMarkEditHeader(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_FreezeMenuHelper
    GXImplementFreezeMenuHelper(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_DirectCopyMoveCells
    GXImplementDirectCopyMoveCells(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_TextDataExchange
    GXImplementTextDataExchange(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_StyleDataExchange
    GXImplementStyleDataExchange(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_CutPaste
    GXImplementCutPaste(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_ClearCells
    GXImplementClearCells(pGrid);
#endif
#ifdef GX_HAVE_FEATURE_ExcelLikeFill
    GXImplementExcelLikeFill(pGrid);
#endif
}

void CGXControlFactory::InstallProcessFeatures()
{
#ifdef GX_HAVE_FEATURE_PrintDevice
    GXImplementPrintDevice();
#endif
#ifdef GX_HAVE_FEATURE_StyleCompareSubset
    GXImplementStyleCompareSubset();
#endif
#ifdef GX_HAVE_FEATURE_StyleSerialize
    GXImplementStyleSerialize();
#endif
#ifdef GX_HAVE_FEATURE_SerializeTQ5Compatible
    GXImplementSerializeTQ5Compatible();
#endif
#ifdef GX_HAVE_FEATURE_GridProfile
    GXImplementGridProfile();
#endif
#ifdef GX_HAVE_FEATURE_GridDocSerialize
    GXImplementGridDocSerialize();
#endif
#ifdef GX_HAVE_FEATURE_GridParamCopyOperator
    GXImplementGridParamCopyOperator();
#endif
#ifdef GX_HAVE_FEATURE_DrawRotatedText
    GXImplementDrawRotatedText();
#endif
    GXImplementCellTips();
    GXImplementNumberFormatting();
    GXImplementOleDateTime();
    GXImplementNoOleDateTime();
#ifdef GX_HAVE_FEATURE_GridSortMoveData
    GXImplementGridSortMoveData();
#endif
#ifdef GX_HAVE_FEATURE_DataCopyMoveCells
    GXImplementDataCopyMoveCells();
#endif
#ifdef GX_HAVE_FEATURE_LongOperation
    GXImplementLongOperation();
#endif
#ifdef GX_HAVE_FEATURE_CoveredCellPool
    GXImplementCoveredCellPool();
#endif
#ifdef GX_HAVE_FEATURE_SpanCellPool
    GXImplementSpanCellPool();
#endif
#ifdef GX_HAVE_FEATURE_DelayedRangePool
    GXImplementDelayedRangePool();
#endif
}

void CGXControlFactory::RegisterWindowClasses(HINSTANCE hInstance)
{
    if (!CGXGridWnd::RegisterClass(hInstance))
        AfxThrowResourceException();
#ifdef GX_TABWND_CLASSES
    GXRegisterTabWndClasses(hInstance);
#endif
}

void CGXControlFactory::UnregisterWindowClasses(HINSTANCE hInstance)
{
    ::UnregisterClassA("CGXGridWnd", hInstance);
#ifdef GX_TABWND_CLASSES
    GXUnregisterTabWndClasses(hInstance);
#endif
}
